// The single-instance lock between processes: the test program and copies of
// the probe program take the same lock by name.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "ChildProcess.h"
#include "InstanceProbeCodes.h"
#include "TempDir.h"
#include "app/instance/InstanceLock.h"

namespace ostrel {
namespace {

using test::ChildProcess;

class InstanceLockTest : public ::testing::Test {
 protected:
  std::unique_ptr<ChildProcess> startProbe(const std::string& mode, const std::string& lockName) {
    return std::make_unique<ChildProcess>(ChildProcess::besideThisProgram(OSTREL_PROBE_FILE_NAME),
                                          std::vector<std::string>{mode, lockName, folder.path().string()});
  }
  // Starts a holding copy and waits until it holds the lock.
  std::unique_ptr<ChildProcess> startHolder() {
    auto holder = startProbe("hold", name);
    EXPECT_TRUE(holder->running());
    EXPECT_EQ(holder->readLine(), "acquired");
    return holder;
  }
  int tryInAnotherProcess(const std::string& lockName) { return startProbe("try", lockName)->wait(); }
  std::unique_ptr<InstanceLock> lockHere() { return createInstanceLock(name, folder.path()); }

  test::TempDir folder;
  // A name of its own, so that no running program or other test run interferes.
  std::string name = "Ostrel_Controller_test_" + std::to_string(std::random_device{}());
};

TEST_F(InstanceLockTest, ASecondCopyIsRefusedWhileTheFirstRuns) {
  auto first = startHolder();
  EXPECT_EQ(tryInAnotherProcess(name), test::kProbeAlreadyRunning);
  auto here = lockHere();
  EXPECT_EQ(here->acquire(), InstanceLockResult::AlreadyRunning);
  EXPECT_EQ(tryInAnotherProcess(name + "_other"), test::kProbeAcquired);

  first->closeInput();
  EXPECT_EQ(first->wait(), test::kProbeAcquired);
  EXPECT_EQ(here->acquire(), InstanceLockResult::Acquired);
  EXPECT_EQ(tryInAnotherProcess(name), test::kProbeAlreadyRunning);
}

TEST_F(InstanceLockTest, ACopyThatDiedLeavesTheLockFree) {
  auto first = startHolder();
  first->kill();
  EXPECT_EQ(first->wait(), -1);
  EXPECT_EQ(tryInAnotherProcess(name), test::kProbeAcquired);
  EXPECT_EQ(lockHere()->acquire(), InstanceLockResult::Acquired);
}

TEST_F(InstanceLockTest, OneHolderInAProcessUntilItIsGone) {
  auto first = lockHere();
  ASSERT_EQ(first->acquire(), InstanceLockResult::Acquired);
  EXPECT_EQ(first->acquire(), InstanceLockResult::Acquired);
  EXPECT_TRUE(first->problem().empty());
  auto second = lockHere();
  EXPECT_EQ(second->acquire(), InstanceLockResult::AlreadyRunning);
  first.reset();
  EXPECT_EQ(second->acquire(), InstanceLockResult::Acquired);
}

}  // namespace
}  // namespace ostrel
