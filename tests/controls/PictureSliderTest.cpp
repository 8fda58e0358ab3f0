#include "controls/PictureSlider.h"

#include <QTest>

#include <gtest/gtest.h>

#include "PictureFolder.h"

namespace ostrel::test {
namespace {

struct StepCase {
  Qt::Key key;
  int expected;
};

class PictureSliderSteps : public testing::TestWithParam<StepCase> {};

// The LED level slider: 0 to 100, page 10, starting at 50.
TEST_P(PictureSliderSteps, KeysStepLikeTheTrackbar) {
  PictureSlider slider;
  slider.setRange(0, 100);
  slider.setPageStep(10);
  slider.setValue(50);
  QTest::keyClick(&slider, GetParam().key);
  EXPECT_EQ(slider.value(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, PictureSliderSteps,
                         testing::Values(StepCase{Qt::Key_Right, 51}, StepCase{Qt::Key_Down, 51},
                                         StepCase{Qt::Key_Left, 49}, StepCase{Qt::Key_Up, 49},
                                         StepCase{Qt::Key_PageDown, 60},
                                         StepCase{Qt::Key_PageUp, 40}, StepCase{Qt::Key_Home, 0},
                                         StepCase{Qt::Key_End, 100}));

TEST(PictureSlider, StepsStopAtTheEndsAndReportEachMove) {
  PictureSlider slider;
  slider.setRange(0, 100);
  slider.setPageStep(10);
  slider.setValue(95);
  int reported = -1;
  QObject::connect(&slider, &QSlider::valueChanged, [&](int value) { reported = value; });
  QTest::keyClick(&slider, Qt::Key_PageDown);
  EXPECT_EQ(slider.value(), 100);
  EXPECT_EQ(reported, 100);
  slider.setValue(3);
  QTest::keyClick(&slider, Qt::Key_PageUp);
  EXPECT_EQ(slider.value(), 0);
}

TEST(PictureSlider, KeepsTheScreenVisibleBehindIt) {
  const QColor screenColour(10, 90, 30);
  auto screen = makeScreen(400, 100, screenColour);
  auto* slider = new PictureSlider(screen.get());
  slider->setGeometry(30, 40, 340, 26);
  slider->setRange(0, 100);
  slider->setTickInterval(10);
  slider->show();
  const QImage seen = grabScreen(*screen);
  const QRect area(30, 40, 340, 26);
  const int screenPixels = countColour(seen, area, screenColour);
  // The corners are the screen's picture; the channel and thumb are drawn.
  EXPECT_EQ(seen.pixelColor(31, 41), screenColour);
  EXPECT_EQ(seen.pixelColor(368, 41), screenColour);
  EXPECT_GT(screenPixels, area.width() * area.height() / 3);
  EXPECT_LT(screenPixels, area.width() * area.height());
}

}  // namespace
}  // namespace ostrel::test
