// What the button screen draws: key pictures and labels in the cells, the
// layout indicator, the selected control and the paddles-off overlay, with
// every picture it can name present in every language.

#include <QFileInfo>

#include "ButtonScreenFixture.h"
#include "profile/KeyTables.h"

namespace ostrel::testing {
namespace {

class ButtonDrawing : public ButtonScreenTest {
 protected:
  // Whether the picture file is there (reading every large picture of seven
  // languages would only slow the test down).
  bool exists(const QString& path) const { return QFileInfo::exists(pictures->resolve(path)); }
};

TEST_F(ButtonDrawing, CellsShowTheirKeyAsPictureOrLabel) {
  library.editValues[0][28] = 0;   // cell 0: nothing
  library.editValues[0][93] = 0;   // cell 8: nothing
  buttons->loadSlot();
  const QImage empty = buttons->grab().toImage();
  library.editValues[0][28] = 44;  // Space: a picture
  library.editValues[0][93] = 9;   // F: a label
  buttons->loadSlot();
  const QImage shown = buttons->grab().toImage();

  EXPECT_NE(shown.copy(cellPictureArea(0)), empty.copy(cellPictureArea(0)));
  const QRect label(cellLabelPoint(8) - QPoint(15, 25), QSize(30, 28));
  EXPECT_NE(shown.copy(label), empty.copy(label));
  int white = 0;
  for (int y = label.top(); y <= label.bottom(); ++y)
    for (int x = label.left(); x <= label.right(); ++x) white += shown.pixelColor(x, y) == Qt::white;
  EXPECT_GT(white, 20);
  // Nothing else changed.
  const QRect elsewhere(cellRedrawArea(16).topLeft(), QPoint(1279, 719));
  EXPECT_EQ(shown.copy(elsewhere), empty.copy(elsewhere));
}

TEST_F(ButtonDrawing, TheIndicatorTheControlAndTheOverlayFollowTheState) {
  const QImage qwerty = buttons->grab().toImage();
  app.keyboardLayout[0] = kAzerty;
  const QImage azerty = buttons->grab().toImage();
  EXPECT_NE(azerty.copy(ButtonScreen::kLayoutIndicatorArea), qwerty.copy(ButtonScreen::kLayoutIndicatorArea));

  const QRect pad(850, 170, 420, 320);  // the pad picture beside the cells
  pressCell(4);
  const QImage dpadUp = buttons->grab().toImage();
  EXPECT_NE(dpadUp.copy(pad), azerty.copy(pad));
  buttons->switchShortcuts(true);
  const QImage off = buttons->grab().toImage();
  EXPECT_NE(off.copy(cellRedrawArea(19)), dpadUp.copy(cellRedrawArea(19)));
  EXPECT_EQ(app.ScreenId, kButtonScreen);
}

TEST_F(ButtonDrawing, EveryPictureTheScreenCanNameExistsInEveryLanguage) {
  for (int layout = 0; layout < kLayoutCount; ++layout) {
    for (int vk = 1; vk <= 255; ++vk) {
      const KeyPicture shown = keyPicture(layout, vk);
      if (shown.kind != KeyPicture::Picture) continue;
      const QString path = QLatin1String(layoutFolder(layout)) + "Screen5/" + QString::fromStdString(shown.text);
      EXPECT_TRUE(exists(path)) << path.toStdString();
    }
  }
  const char* drawn[] = {"Screen-5.jpg", "Screen5/azerty.png", "Screen5/qwerty.png",
                         "Screen5/qwertysp.png", "Screen5/qwertzu.png", "Screen5/Shortcuts-Off.png"};
  for (int language = 0; language < kLanguageCount; ++language) {
    app.resourceFolder = languageFolder(language);
    const QString folder = QString::fromStdString(app.resourceFolder);
    for (const char* name : drawn) EXPECT_TRUE(exists(folder + name)) << name;
    for (const ButtonCell& cell : kButtonCells) {
      EXPECT_TRUE(exists(folder + "Screen5/" + cell.picture)) << cell.picture;
    }
    buttons->reloadPictures();
    buttons->grab();
  }
  EXPECT_TRUE(missingPictures.isEmpty()) << missingPictures.join('\n').toStdString();
}

}  // namespace
}  // namespace ostrel::testing
