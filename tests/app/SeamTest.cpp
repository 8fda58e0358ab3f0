// The Qt side of the seams: message boxes that wait for a click, the grace
// timer on the event loop, queued work from other threads, and where the
// pictures are found.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

#include "app/QtDispatcher.h"
#include "app/QtGraceTimer.h"
#include "app/QtProcessShell.h"
#include "app/ResourceRoot.h"

namespace ostrel::test {
namespace {

// Once the shell's box is up, records its text and presses the button.
void answerBox(QMessageBox::StandardButton button, QString& text) {
  QTimer::singleShot(0, [button, &text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    text = box->text();
    box->button(button)->click();
  });
}

TEST(QtProcessShell, AMessageWaitsForItsOkButton) {
  QtProcessShell shell;
  QString shown;
  answerBox(QMessageBox::Ok, shown);
  shell.showMessage("Kelto PX-720LT Software is already running");
  EXPECT_EQ(shown, "Kelto PX-720LT Software is already running");  // shown before it returned
}

TEST(QtProcessShell, AQuestionReturnsTheButtonPressed) {
  QtProcessShell shell;
  QString shown;
  answerBox(QMessageBox::Yes, shown);
  EXPECT_TRUE(shell.askYesNo("Update?"));
  answerBox(QMessageBox::No, shown);
  EXPECT_FALSE(shell.askYesNo("Update?"));
  EXPECT_EQ(shown, "Update?");
}

TEST(QtProcessShellDeathTest, EndingTheProcessUsesTheCodeAtOnce) {
  EXPECT_EXIT(QtProcessShell().endProcess(0), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(QtProcessShell().endProcess(5), ::testing::ExitedWithCode(5), "");
}

TEST(QtGraceTimer, FiresOnceAndAStopOrRestartForgetsThePendingExpiry) {
  QtGraceTimer timer;
  int first = 0;
  int second = 0;
  timer.start(std::chrono::milliseconds(1), [&] { ++first; });
  timer.stop();
  timer.start(std::chrono::milliseconds(1), [&] { ++first; });
  timer.start(std::chrono::milliseconds(1), [&] { ++second; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return second == 1; }, 5000));
  EXPECT_FALSE(timer.isActive());
  QCoreApplication::processEvents();
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 1);
}

TEST(QtDispatcher, RunsWorkFromOtherThreadsInOrderOnItsOwnThread) {
  QtDispatcher dispatcher;
  std::vector<int> order;
  std::vector<std::thread::id> threads;
  std::thread poster([&] {
    for (int i = 0; i < 100; ++i)
      dispatcher.post([&, i] {
        order.push_back(i);
        threads.push_back(std::this_thread::get_id());
      });
  });
  poster.join();
  EXPECT_TRUE(order.empty());  // nothing runs until the event loop does
  ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 100; }, 5000));
  for (int i = 0; i < 100; ++i) EXPECT_EQ(order[i], i);
  for (std::thread::id id : threads) EXPECT_EQ(id, std::this_thread::get_id());
}

TEST(ResourceRoot, PrefersResBesideTheProgramElseTheInstalledShareFolder) {
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath("portable/res"));
  ASSERT_TRUE(QDir(root.path()).mkpath("usr/bin"));
  const std::string base = root.path().toStdString();
  EXPECT_EQ(resourceRoot(base + "/portable/"), base + "/portable");
  EXPECT_EQ(resourceRoot(base + "/portable"), base + "/portable");
  EXPECT_EQ(resourceRoot(base + "/usr/bin/"), base + "/usr/share/ostrel-controller");
}

}  // namespace
}  // namespace ostrel::test
