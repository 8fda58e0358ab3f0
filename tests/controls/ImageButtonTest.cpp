#include "controls/ImageButton.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "PictureFolder.h"

namespace ostrel::test {
namespace {

const QColor kNormal(200, 0, 0);
const QColor kLit(0, 200, 0);
const QColor kOutside(0, 0, 200);

// A two-frame strip; columns from 2 x frame width on (odd widths) get kOutside.
QImage strip(int width, int height) {
  QImage image = solidImage(width, height, kOutside);
  const int frame = width / 2;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < 2 * frame; ++x) image.setPixelColor(x, y, x < frame ? kNormal : kLit);
  }
  return image;
}

struct StripCase {
  int pictureWidth;
  int frameWidth;
};

class ImageButtonFrames : public testing::TestWithParam<StripCase> {};

TEST_P(ImageButtonFrames, SizesToOneFrameAndShowsEachFrameWhole) {
  const StripCase c = GetParam();
  PictureFolder folder;
  folder.write("res/English/Screen8/ok.png", strip(c.pictureWidth, 36));
  ImageButton button(folder.cache);
  button.move(10, 20);
  button.setPicture("res/English/Screen8/ok.png");
  EXPECT_EQ(button.geometry(), QRect(10, 20, c.frameWidth, 36));
  const QRect all(0, 0, c.frameWidth, 36);
  const int area = c.frameWidth * 36;

  EXPECT_EQ(countColour(button.renderImage(), all, kNormal), area);
  button.setHighlight();
  EXPECT_EQ(countColour(button.renderImage(), all, kLit), area);
  button.clearHighlight();
  button.setDown(true);  // pressed keeps the highlighted frame, never past the strip
  EXPECT_EQ(countColour(button.renderImage(), all, kLit), area);
  button.setDown(false);
  EXPECT_EQ(countColour(button.renderImage(), all, kNormal), area);
}

INSTANTIATE_TEST_SUITE_P(Strips, ImageButtonFrames,
                         testing::Values(StripCase{250, 125}, StripCase{251, 125},
                                         StripCase{84, 42}));

TEST(ImageButton, MissingPictureLeavesAnEmptyButtonAndNamesIt) {
  PictureFolder folder;
  ImageButton first(folder.cache);
  first.move(5, 5);
  first.resize(30, 30);
  first.setPicture("res/English/Screen1/gone.png");
  ImageButton second(folder.cache);
  second.setPicture("res/English/Screen1/gone.png");
  EXPECT_EQ(first.geometry(), QRect(5, 5, 0, 0));
  EXPECT_TRUE(first.renderImage().isNull());
  ASSERT_EQ(folder.warnings.size(), 1);
  EXPECT_TRUE(folder.warnings[0].endsWith("/res/English/Screen1/gone.png"));
}

class ImageButtonOnScreen : public testing::Test {
 protected:
  void SetUp() override {
    QImage picture = strip(100, 40);
    // The lower half of both frames is see-through.
    for (int y = 20; y < 40; ++y)
      for (int x = 0; x < 100; ++x) picture.setPixelColor(x, y, Qt::transparent);
    folder.write("res/English/b.png", picture);
    screen = makeScreen(300, 200, Qt::white);
    button = new ImageButton(folder.cache, screen.get());
    button->move(100, 50);
    button->setPicture("res/English/b.png");
    button->show();
    QTest::mouseMove(screen.get(), QPoint(10, 10));
  }
  bool lookLit() { return grabScreen(*screen).pixelColor(110, 55) == kLit; }

  PictureFolder folder;
  std::unique_ptr<QLabel> screen;
  ImageButton* button = nullptr;
};

TEST_F(ImageButtonOnScreen, TransparentPartsShowTheScreen) {
  const QImage seen = grabScreen(*screen);
  EXPECT_EQ(seen.pixelColor(110, 55), kNormal);
  EXPECT_EQ(seen.pixelColor(110, 80), QColor(Qt::white));
}

TEST_F(ImageButtonOnScreen, HoverLightsAndLeavingRestores) {
  QTest::mouseMove(screen.get(), QPoint(120, 60));
  EXPECT_TRUE(button->isHighlighted());
  EXPECT_TRUE(lookLit());
  QTest::mouseMove(screen.get(), QPoint(10, 10));
  EXPECT_FALSE(button->isHighlighted());
  EXPECT_FALSE(lookLit());
}

TEST_F(ImageButtonOnScreen, HeldHighlightSurvivesLeavingUntilTheMouseComesBack) {
  QTest::mouseMove(screen.get(), QPoint(120, 60));
  button->setHighlight();  // chosen while the mouse is on it
  QTest::mouseMove(screen.get(), QPoint(10, 10));
  EXPECT_TRUE(button->isHeld());
  EXPECT_TRUE(lookLit());
  // Entering again turns it into an ordinary hovered button.
  QTest::mouseMove(screen.get(), QPoint(120, 60));
  EXPECT_FALSE(button->isHeld());
  QTest::mouseMove(screen.get(), QPoint(10, 10));
  EXPECT_FALSE(lookLit());
}

// Platforms report the second press of a double click either as a press
// followed by a double-click event, or as the double-click event alone.
TEST_F(ImageButtonOnScreen, EachClickOfADoubleClickCounts) {
  for (bool secondPress : {true, false}) {
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    const QPoint at(5, 5);
    QTest::mousePress(button, Qt::LeftButton, {}, at);
    QTest::mouseRelease(button, Qt::LeftButton, {}, at);
    if (secondPress) QTest::mousePress(button, Qt::LeftButton, {}, at);
    QTest::mouseDClick(button, Qt::LeftButton, {}, at);
    QTest::mouseRelease(button, Qt::LeftButton, {}, at);
    EXPECT_EQ(clicks.count(), 2) << "second press reported: " << secondPress;
  }
}

}  // namespace
}  // namespace ostrel::test
