// The profile container: the grace time after a removal, the not-connected
// screen's pictures per ScreenId, the way back, and the quit prompt.
#include <QTest>

#include <gtest/gtest.h>

#include "AppHarness.h"
#include "app/NotConnectedScreen.h"
#include "app/QuitPrompt.h"

namespace ostrel::test {
namespace {

using NotConnected = NotConnectedScreen;

// Started, pad connected, Next pressed.
struct OpenContainer : AppHarness {
  OpenContainer() {
    EXPECT_TRUE(start());
    plug();
    click(window(), MainWindow::kNextId);
  }
  NotConnected& notConnected() { return *container().notConnectedScreen(); }
  QWidget& home() { return *container().page(kHomeScreen); }
  QWidget& quitPrompt() { return *container().page(kQuitPromptScreen); }
};

struct StillCase {
  int32_t screenId;
  int32_t saveReason;
  const char* still;  // in the English folder; null: none
};

class NotConnectedStill : public ::testing::TestWithParam<StillCase> {};

TEST_P(NotConnectedStill, ShowsTheLastScreensStillAfterTheGraceTime) {
  const StillCase c = GetParam();
  OpenContainer harness;
  ASSERT_TRUE(harness.home().isVisible());
  harness.unplug();
  // The container keeps its screen during the grace time.
  EXPECT_EQ(harness.timer.delay, std::chrono::milliseconds(3000));
  EXPECT_TRUE(harness.home().isVisible());
  EXPECT_FALSE(harness.notConnected().isVisible());

  harness.state().ScreenId = c.screenId;
  harness.state().saveReason = c.saveReason;
  harness.timer.fire();
  EXPECT_TRUE(harness.notConnected().isVisible());
  EXPECT_FALSE(harness.home().isVisible());
  EXPECT_FALSE(harness.quitPrompt().isVisible());
  QStringList pictures;
  if (c.still) pictures << QString("res/English/") + c.still;
  pictures << "res/English/Screen-15b.png";
  EXPECT_EQ(differingPixels(ownPainting(harness.notConnected()), composed(pictures)), 0);
}

INSTANTIATE_TEST_SUITE_P(
    ScreenIds, NotConnectedStill,
    ::testing::Values(StillCase{1, 0, "Screen-2.jpg"}, StillCase{2, 0, "Screen-4.jpg"},
                      StillCase{3, 0, "Screen-5.jpg"}, StillCase{4, 0, "Screen-3.jpg"},
                      StillCase{5, 0, "Screen-10.jpg"}, StillCase{6, 0, "Screen-7.jpg"},
                      StillCase{7, 0, "Screen-9.jpg"}, StillCase{8, 0, "Screen-8.jpg"},
                      StillCase{9, 0, "Screen-14b.jpg"}, StillCase{9, 1, "Screen-14a.jpg"},
                      StillCase{9, 2, "Screen-14c.jpg"}, StillCase{9, 4, "Screen-14b.jpg"},
                      StillCase{9, 5, "Screen-14b.jpg"}, StillCase{9, 3, nullptr},
                      StillCase{10, 0, "Screen-11.jpg"}, StillCase{11, 0, "Screen-13.jpg"},
                      StillCase{12, 0, "Screen-6.jpg"}, StillCase{0, 0, "Screen-2.jpg"},
                      StillCase{99, 0, "Screen-2.jpg"}));

TEST(NotConnectedScreen, APadBackWithinTheGraceTimeChangesNothing) {
  OpenContainer harness;
  harness.unplug();
  harness.plug();
  EXPECT_FALSE(harness.timer.armed());
  EXPECT_TRUE(harness.home().isVisible());
  EXPECT_FALSE(harness.notConnected().isVisible());
}

TEST(NotConnectedScreen, ThePadsReturnShowsTheLastScreenAgain) {
  OpenContainer harness;
  harness.container().showScreen(kQuitPromptScreen);
  harness.unplug();
  harness.timer.fire();
  ASSERT_TRUE(harness.notConnected().isVisible());
  EXPECT_EQ(harness.state().ScreenId, kQuitPromptScreen);

  harness.plug();
  EXPECT_TRUE(harness.quitPrompt().isVisible());
  EXPECT_FALSE(harness.notConnected().isVisible());
  EXPECT_FALSE(harness.home().isVisible());
}

TEST(NotConnectedScreen, Xbox360ModeShowsItsMessageAtOnceAndQuitEndsNormally) {
  OpenContainer harness;
  harness.pad.switchToXbox360();
  ASSERT_TRUE(harness.waitFor([&] { return harness.state().LinkState == kPadXbox360; }));
  EXPECT_FALSE(harness.timer.armed());
  ASSERT_TRUE(harness.notConnected().isVisible());
  harness.state().ScreenId = kHomeScreen;
  EXPECT_EQ(differingPixels(ownPainting(harness.notConnected()),
                            composed({"res/English/Screen-2.jpg", "res/English/Screen-15a.png"})),
            0);

  harness.click(harness.notConnected(), NotConnected::kQuitId);
  EXPECT_EQ(harness.shell.quits, 1);
  EXPECT_TRUE(harness.shell.endedWith.empty());
}

TEST(QuitPrompt, ShowsItsPictureAndNoGoesBackHome) {
  OpenContainer harness;
  harness.container().showScreen(kQuitPromptScreen);
  ASSERT_TRUE(harness.quitPrompt().isVisible());
  EXPECT_FALSE(harness.home().isVisible());
  harness.state().ScreenId = kHomeScreen;
  EXPECT_EQ(differingPixels(ownPainting(harness.quitPrompt()), composed({"res/English/Screen-11.jpg"})), 0);
  EXPECT_EQ(harness.state().ScreenId, kQuitPromptScreen);  // set by its painting

  harness.click(harness.quitPrompt(), QuitPrompt::kNoId);
  EXPECT_FALSE(harness.quitPrompt().isVisible());
  EXPECT_TRUE(harness.home().isVisible());
  EXPECT_EQ(harness.shell.quits, 0);
  EXPECT_TRUE(harness.shell.endedWith.empty());
}

TEST(QuitPrompt, YesEndsTheProcessAtOnceWithCodeZero) {
  OpenContainer harness;
  harness.container().showScreen(kQuitPromptScreen);
  harness.click(harness.quitPrompt(), QuitPrompt::kYesId);
  EXPECT_EQ(harness.shell.endedWith, std::vector<int>{0});
  EXPECT_EQ(harness.shell.quits, 0);  // the normal exit does not run
}

TEST(QuitPrompt, TheHomeScreensQuitLeadsToIt) {
  OpenContainer harness;
  harness.click(harness.home(), 1106);
  EXPECT_TRUE(harness.quitPrompt().isVisible());
  EXPECT_FALSE(harness.home().isVisible());
}

}  // namespace
}  // namespace ostrel::test
