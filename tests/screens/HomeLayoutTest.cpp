// Every control of the home screen at its place, with its picture, and the
// keys that must never reach it.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "HomeScreenFixture.h"
#include "controls/ImageButton.h"
#include "pictures/PictureCatalog.h"

namespace ostrel::testing {
namespace {

struct ButtonCase {
  int id;
  const char* picture;
  int x;
  int y;
  bool visible;
};

const ButtonCase kButtonCases[] = {
    {1088, "profile1-uk.png", 0, 0, true},
    {1043, "profile2-uk.png", 0, 135, true},
    {1232, "profile3-uk.png", 0, 270, true},
    {1044, "profile4-uk.png", 0, 405, true},
    {1045, "General-uk.png", 0, 540, true},
    {1090, "Screen2/Profiles-Controller.png", 82, 71, true},
    {1093, "Screen2/Profiles-My.png", 82, 194, true},
    {1092, "Screen2/Profiles-Download.png", 82, 317, true},
    {1091, "Screen2/Profiles-Kelto.png", 82, 439, true},
    {1094, "Screen2/new.png", 707, 11, true},
    {1108, "Screen2/Profile-Edit.png", 993, 15, true},
    {1095, "Screen2/reset1.png", 977, 256, true},
    {1097, "Screen2/save1.png", 1132, 256, true},
    {1098, "Screen2/On.png", 823, 416, true},
    {1099, "Screen2/Off.png", 978, 416, true},
    {1100, "Screen2/reset2.png", 823, 537, true},
    {1101, "Screen2/save2.png", 977, 537, true},
    {1102, "Screen2/ProfileActivate.png", 821, 632, true},
    {1103, "Screen2/website.png", 106, 632, true},
    {1105, "Screen2/Screen2-aim.png", 522, 70, true},
    {1104, "Screen2/Screen2-key.png", 909, 72, true},
    {1106, "quit.png", 1177, 638, true},
    {1107, "quit0.png", 608, 425, false},
};

TEST_F(HomeScreenTest, ButtonsSitAtTheirPlacesSizedByTheirPictures) {
  for (const ButtonCase& c : kButtonCases) {
    SCOPED_TRACE(c.id);
    auto* button = control<QAbstractButton>(c.id);
    ASSERT_NE(button, nullptr);
    const PictureEntry* entry = findPicture(c.picture);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(button->geometry(), QRect(c.x, c.y, entry->width, entry->height));
    EXPECT_EQ(button->isVisible(), c.visible);
  }
  EXPECT_TRUE(missingPictures.isEmpty()) << missingPictures.join('\n').toStdString();
}

TEST_F(HomeScreenTest, FieldsSpinnersAndNameLabelSitAtTheirPlaces) {
  const struct {
    int id;
    QRect place;
    bool visible;
  } cases[] = {
      {1161, {840, 491, 70, 27}, true},  {1165, {995, 491, 70, 27}, true},
      {1166, {922, 489, 30, 30}, true},  {1167, {1077, 489, 30, 30}, true},
      {1170, {1007, 24, 220, 30}, true}, {1163, {645, 541, 70, 27}, false},
      {1168, {645, 591, 70, 27}, false}, {1169, {645, 536, 70, 27}, false},
      {1171, {645, 578, 70, 27}, false}, {1172, {645, 620, 70, 27}, false},
      {1173, {645, 662, 70, 27}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    QWidget* widget = control(c.id);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), c.place);
    EXPECT_EQ(widget->isVisible(), c.visible);
  }
  EXPECT_EQ(control<QLabel>(1170)->text(), QString::fromStdString(app.slotNames[0]));
}

TEST_F(HomeScreenTest, ShowingTheScreenAfterALanguageChangeShowsThatLanguagesPictures) {
  auto* save = control<ImageButton>(1101);
  const QImage english = save->renderImage();
  home->hide();
  app.language = 1;
  app.resourceFolder = languageFolder(1);
  home->show();
  const QImage french(QStringLiteral(OSTREL_TEST_RES_ROOT "/res/French/Screen2/save2.png"));
  ASSERT_FALSE(french.isNull());
  const QImage shown = save->renderImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(shown, french.copy(0, 0, save->width(), save->height()).convertToFormat(QImage::Format_ARGB32));
  EXPECT_NE(shown, english.convertToFormat(QImage::Format_ARGB32));
  EXPECT_TRUE(missingPictures.isEmpty()) << missingPictures.join('\n').toStdString();
}

TEST_F(HomeScreenTest, PaintingDrawsTheBackgroundAndClaimsTheScreen) {
  app.ScreenId = kQuitPromptScreen;
  const QImage shown = grab();
  EXPECT_EQ(app.ScreenId, kHomeScreen);
  const QImage background(QStringLiteral(OSTREL_TEST_RES_ROOT "/res/English/Screen-2.jpg"));
  ASSERT_FALSE(background.isNull());
  // A spot no control covers shows the background picture.
  EXPECT_EQ(shown.pixelColor(640, 300), background.pixelColor(640, 300));
}

TEST_F(HomeScreenTest, ClosingAndPressingKeysNeverReachTheScreen) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } keys[] = {{Qt::Key_Space, {}}, {Qt::Key_Return, {}}, {Qt::Key_Enter, {}},
              {Qt::Key_Escape, {}}, {Qt::Key_F1, {}}, {Qt::Key_F4, Qt::AltModifier}};
  auto* save = control<QAbstractButton>(1101);
  save->setFocus();
  QSignalSpy clicks(save, &QAbstractButton::clicked);
  for (const auto& k : keys) {
    QTest::keyClick(save, k.key, k.modifiers);
    QTest::keyClick(home.get(), k.key, k.modifiers);
  }
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_TRUE(home->isVisible());
  // Other keys still work: a field takes its digits.
  auto* field = control<QLineEdit>(1161);
  field->selectAll();
  QTest::keyClick(field, Qt::Key_7);
  EXPECT_EQ(field->text(), "7");
}

}  // namespace
}  // namespace ostrel::testing
