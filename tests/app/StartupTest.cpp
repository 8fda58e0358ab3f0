// Start-up: the window, the library, the link started before the window
// shows, the data-folder message, the single-instance refusal, and the
// normal exit code through the real event loop.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include "AppHarness.h"
#include "app/AppTexts.h"
#include "app/QtProcessShell.h"

namespace ostrel::test {
namespace {


TEST(Startup, PlacesTheWindowAndFillsTheStateFromTheLibrary) {
  AppHarness harness;
  ASSERT_TRUE(harness.start());
  MainWindow& window = harness.window();
  EXPECT_EQ(window.windowTitle(), "Kelto PX-720LT Software");
  EXPECT_EQ(window.size(), QSize(1280, 720));
  EXPECT_EQ(window.pos(), QPoint(0, 150));
  EXPECT_FALSE(window.windowIcon().isNull());
  auto* version = harness.control<QLabel>(window, MainWindow::kVersionId);
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text(), "v1.01");
  EXPECT_EQ(version->geometry(), QRect(1210, 680, 48, 48));

  AppState& state = harness.state();
  EXPECT_EQ(state.LinkState, kNoPad);
  EXPECT_EQ(state.resourceFolder, "res/English/");
  EXPECT_EQ(state.programFolder, harness.programFolder().toStdString());
  for (int slot = 0; slot < kSlotCount; ++slot) {
    EXPECT_EQ(state.slotNames[slot], "Default");
    EXPECT_EQ(state.savedSlotNames[slot], "Default");
  }
  const QDir data(harness.programFolder());
  for (const char* folder : {"Myprofile", "Keltoprofile", "Downloadprofile", "Version"})
    EXPECT_TRUE(data.exists(folder)) << folder;
  EXPECT_TRUE(data.exists("Myprofile/Default.klt"));
  QFile index(data.filePath("Myprofile/Name.klt"));
  ASSERT_TRUE(index.open(QIODevice::ReadOnly));
  EXPECT_EQ(index.readAll().trimmed(), "Default");
  EXPECT_TRUE(harness.shell.messages.isEmpty());
}

TEST(Startup, APadAlreadyPluggedInIsAskedBeforeTheWindowShows) {
  AppHarness harness;
  harness.pad.setRequestFilter([](const Report&) { return false; });
  harness.pad.plug();
  harness.make();
  ASSERT_TRUE(harness.app().start());
  // No event has run yet: the sequence's first reports went out during start-up.
  EXPECT_EQ(harness.state().LinkState, kPadConnected);
  EXPECT_EQ(ostrel::testing::letters(harness.pad.receivedReports()), "W ] [1");
}

// The hidden DFU watch (with the pause of its first look at the bus) and the
// index rebuild wait for the first frame; nothing of them is on screen.
TEST(Startup, TheDfuWatchAndTheIndexRebuildFollowTheFirstFrame) {
  AppHarness harness;
  harness.make();
  ASSERT_TRUE(harness.app().start());
  EXPECT_EQ(harness.window().startupWatch(), nullptr);
  EXPECT_FALSE(harness.app().startupFinished());
  ASSERT_TRUE(harness.waitFor([&] { return harness.app().startupFinished(); }));
  EXPECT_NE(harness.window().startupWatch(), nullptr);
}

TEST(Startup, ADataFolderThatCannotBeWrittenIsReportedOnce) {
  AppHarness harness;
  QFile blocker(harness.programFolder() + "not-a-folder");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  harness.programFolderOverride = blocker.fileName().toStdString() + "/";
  ASSERT_TRUE(harness.start());
  ASSERT_EQ(harness.shell.messages.size(), 1);
  EXPECT_EQ(harness.shell.messages[0].toStdString(), harness.app().library().problem());
  EXPECT_FALSE(harness.shell.messages[0].isEmpty());
  EXPECT_TRUE(harness.window().isVisible());  // the program still runs
}

TEST(Startup, AnotherRunningCopyLeavesOnlyTheMessageAndExitCodeZero) {
  AppHarness harness;
  harness.pad.plug();
  harness.make([] { return false; });
  EXPECT_FALSE(harness.app().start());
  EXPECT_EQ(harness.shell.messages, QStringList{"Kelto PX-720LT Software is already running"});
  EXPECT_EQ(harness.shell.endedWith, std::vector<int>{0});
  EXPECT_FALSE(harness.window().isVisible());
  EXPECT_TRUE(harness.pad.receivedReports().empty());  // the link never started
}

TEST(Startup, SocketsThatCannotStartEndTheProgramWithCodeOneAndNoWindow) {
  AppHarness harness;
  harness.pad.plug();
  harness.startSockets = [] { return false; };
  harness.make();
  EXPECT_EQ(harness.app().run(), ProcessShell::kNormalExitCode);
  EXPECT_EQ(harness.shell.messages, QStringList{"Could not initialize Windows Sockets!"});
  EXPECT_TRUE(harness.pad.receivedReports().empty());  // the link never started
}

TEST(Startup, ANormalQuitEndsTheEventLoopWithExitCodeOne) {
  AppHarness harness;
  QtProcessShell shell;
  harness.shellOverride = &shell;
  harness.make();
  QTimer::singleShot(0, [&] { harness.click(harness.window(), MainWindow::kQuitId); });
  EXPECT_EQ(harness.app().run(), ProcessShell::kNormalExitCode);
  EXPECT_EQ(ProcessShell::kNormalExitCode, 1);
}

TEST(StartupDeathTest, YesOnTheQuitPromptEndsTheProcessWithCodeZero) {
  EXPECT_EXIT(
      {
        AppHarness harness;
        QtProcessShell shell;
        harness.shellOverride = &shell;
        harness.start();
        harness.plug();
        harness.click(harness.window(), MainWindow::kNextId);
        harness.container().showScreen(kQuitPromptScreen);
        harness.click(harness.container(), 1179);
        std::exit(3);  // not reached when Yes ended the process
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace ostrel::test
