// The first screen: its picture and buttons per LinkState, the flags, the
// swallowed keys, Next and QUIT.
#include <QTest>

#include <gtest/gtest.h>

#include "AppHarness.h"
#include "controls/ImageButton.h"
#include "link/ControllerLink.h"
#include "link/ProfileCodec.h"

namespace ostrel::test {
namespace {


QImage firstScreenWithFlag(int language) {
  return composed({"res/Screen1.jpg"}, languageFlag(language), FlagColumn::flagRect(language));
}

struct StateCase {
  int32_t linkState;
  const char* overlay;  // in the English folder; null: the flag and Next
};

class FirstScreenState : public ::testing::TestWithParam<StateCase> {};

TEST_P(FirstScreenState, ShowsThePicturesAndButtonsOfTheState) {
  const StateCase c = GetParam();
  AppHarness harness;
  ASSERT_TRUE(harness.start());
  harness.state().LinkState = c.linkState;
  harness.window().refresh();

  MainWindow& window = harness.window();
  const bool connected = c.overlay == nullptr;
  EXPECT_EQ(harness.control(window, MainWindow::kNextId)->isVisible(), connected);
  EXPECT_EQ(harness.control(window, MainWindow::kQuitId)->isVisible(), !connected);
  EXPECT_FALSE(harness.control(window, MainWindow::kSettingId)->isVisible());
  const QImage expected = connected ? firstScreenWithFlag(0)
                                    : composed({"res/Screen1.jpg", QString("res/English/") + c.overlay});
  EXPECT_EQ(differingPixels(ownPainting(window), expected), 0);
}

INSTANTIATE_TEST_SUITE_P(LinkStates, FirstScreenState,
                         ::testing::Values(StateCase{kNoPad, "Screen-15b.png"},
                                           StateCase{kPadConnected, nullptr},
                                           StateCase{kPadXbox360, "Screen-15a.png"},
                                           StateCase{kPadDfu, "Screen-15c.png"},
                                           StateCase{7, nullptr}));

TEST(FirstScreen, FollowsThePadThroughTheLink) {
  AppHarness harness;
  ASSERT_TRUE(harness.start());
  MainWindow& window = harness.window();
  EXPECT_TRUE(harness.control(window, MainWindow::kQuitId)->isVisible());

  harness.plug();
  EXPECT_TRUE(harness.control(window, MainWindow::kNextId)->isVisible());
  EXPECT_FALSE(harness.control(window, MainWindow::kQuitId)->isVisible());

  // Unplugged: the first screen changes only when the grace time ends.
  harness.unplug();
  EXPECT_EQ(harness.timer.delay, std::chrono::milliseconds(3000));
  harness.timer.fire();
  EXPECT_TRUE(harness.control(window, MainWindow::kQuitId)->isVisible());
  EXPECT_FALSE(harness.control(window, MainWindow::kNextId)->isVisible());

  harness.pad.switchToXbox360();
  EXPECT_TRUE(harness.waitFor([&] { return harness.state().LinkState == kPadXbox360; }));
  EXPECT_TRUE(harness.control(window, MainWindow::kQuitId)->isVisible());
  EXPECT_EQ(differingPixels(ownPainting(window), composed({"res/Screen1.jpg", "res/English/Screen-15a.png"})), 0);
}

TEST(FirstScreen, HoverHighlightsAFlagAndLeavingShowsTheChosenOneAgain) {
  AppHarness harness;
  ASSERT_TRUE(harness.start());
  harness.plug();
  MainWindow& window = harness.window();

  QTest::mouseMove(&window, FlagColumn::flagRect(3).center());
  EXPECT_EQ(window.flags().highlighted(), 3);
  EXPECT_EQ(differingPixels(ownPainting(window), firstScreenWithFlag(3)), 0);

  QTest::mouseMove(&window, QPoint(600, 600));
  EXPECT_EQ(window.flags().highlighted(), 0);
  EXPECT_EQ(differingPixels(ownPainting(window), firstScreenWithFlag(0)), 0);
  EXPECT_EQ(harness.state().language, 0);
}

TEST(FirstScreen, ClickingAFlagChoosesItsLanguageFolder) {
  AppHarness harness;
  ASSERT_TRUE(harness.start());
  harness.plug();
  MainWindow& window = harness.window();

  QTest::mouseClick(&window, Qt::LeftButton, {}, FlagColumn::flagRect(5).center());
  EXPECT_EQ(harness.state().language, 5);
  EXPECT_EQ(harness.state().resourceFolder, "res/Italian/");
  QTest::mouseMove(&window, QPoint(600, 600));  // leaving keeps the chosen flag
  EXPECT_EQ(window.flags().highlighted(), 5);
  EXPECT_EQ(differingPixels(ownPainting(window), firstScreenWithFlag(5)), 0);

  // Just outside the column's last flag, nothing changes.
  QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(1233, 20));
  QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(1200, 216));
  EXPECT_EQ(harness.state().language, 5);
}

TEST(FirstScreen, FlagsDoNothingWithoutThePad) {
  AppHarness harness;
  ASSERT_TRUE(harness.start());
  MainWindow& window = harness.window();
  QTest::mouseMove(&window, FlagColumn::flagRect(2).center());
  QTest::mouseClick(&window, Qt::LeftButton, {}, FlagColumn::flagRect(5).center());
  EXPECT_EQ(harness.state().language, 0);
  EXPECT_EQ(harness.state().resourceFolder, "res/English/");
  EXPECT_EQ(window.flags().highlighted(), 0);
}

TEST(FirstScreen, ALanguageOutsideTheFlagsHighlightsNone) {
  AppHarness harness;
  ASSERT_TRUE(harness.start());
  harness.plug();
  harness.window().languageReceived(9);
  EXPECT_EQ(differingPixels(ownPainting(harness.window()), composed({"res/Screen1.jpg"})), 0);
}

TEST(FirstScreen, TheFlagFollowsThePadsLanguageAfterTheConnectionSequence) {
  AppHarness harness;
  harness.pad.withFirmware([](SimulatedPadFirmware& firmware) {
    for (SimulatedSlot& slot : firmware.slots) slot.flags = profileFlags(4, false);
  });
  ASSERT_TRUE(harness.start());
  harness.plug(true);
  ASSERT_TRUE(harness.waitFor([&] { return harness.state().resourceFolder == "res/Spanish/"; }));
  EXPECT_EQ(harness.window().flags().highlighted(), 4);
  EXPECT_EQ(harness.window().flags().selected(), 4);
}

TEST(FirstScreen, SwallowsTheKeysThatWouldPressOrCloseIt) {
  AppHarness harness;
  ASSERT_TRUE(harness.start());
  harness.plug();
  QWidget* next = harness.control(harness.window(), MainWindow::kNextId);
  next->setFocus();
  for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_F1})
    QTest::keyClick(next, static_cast<Qt::Key>(key));
  QTest::keyClick(next, Qt::Key_F4, Qt::AltModifier);
  EXPECT_EQ(harness.window().container(), nullptr);
  EXPECT_EQ(harness.shell.quits, 0);
  EXPECT_TRUE(harness.window().isVisible());
}

TEST(FirstScreen, NextOpensTheContainerOverTheWindow) {
  AppHarness harness;
  ASSERT_TRUE(harness.start());
  harness.plug();
  harness.click(harness.window(), MainWindow::kNextId);

  ProfileContainer& container = harness.container();
  EXPECT_TRUE(container.isVisible());
  EXPECT_EQ(container.geometry(), QRect(0, 0, 1280, 720));
  EXPECT_TRUE(harness.window().profileWindowOpen());
  EXPECT_EQ(harness.state().currentSlot, 1);
  EXPECT_EQ(harness.state().ScreenId, kHomeScreen);
  // The first screen no longer paints behind it.
  QImage untouched(1280, 720, QImage::Format_ARGB32_Premultiplied);
  untouched.fill(Qt::transparent);
  EXPECT_EQ(differingPixels(ownPainting(harness.window()), untouched), 0);
}

TEST(FirstScreen, QuitAndCloseEndTheProgramTheNormalWay) {
  AppHarness harness;
  ASSERT_TRUE(harness.start());
  harness.click(harness.window(), MainWindow::kQuitId);
  EXPECT_EQ(harness.shell.quits, 1);

  // A close request is the first screen's QUIT, with the pad or without.
  harness.plug();
  harness.window().close();
  EXPECT_EQ(harness.shell.quits, 2);
  EXPECT_TRUE(harness.shell.endedWith.empty());
}

}  // namespace
}  // namespace ostrel::test
