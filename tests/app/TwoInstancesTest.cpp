// Two copies: another process holds the instance lock while this one starts.
#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include "AppHarness.h"
#include "InstanceProbeCodes.h"
#include "app/InstanceClaim.h"
#include "app/instance/InstanceLock.h"

namespace ostrel::test {
namespace {

TEST(TwoInstances, TheSecondCopyShowsOnlyTheMessageAndEndsWithCodeZero) {
  AppHarness harness;
  const std::string lockFolder = harness.programFolder().toStdString();
  QProcess first;
  first.start(QCoreApplication::applicationDirPath() + "/" + OSTREL_PROBE_FILE_NAME,
              {"hold", kInstanceLockName, QString::fromStdString(lockFolder)});
  ASSERT_TRUE(first.waitForStarted());
  ASSERT_TRUE(first.waitForReadyRead(10000));
  ASSERT_EQ(first.readLine().trimmed(), "acquired");

  const auto lock = createInstanceLock(kInstanceLockName, lockFolder);
  harness.pad.plug();
  harness.make([&lock] { return claimInstance(*lock); });
  EXPECT_FALSE(harness.app().start());
  EXPECT_EQ(harness.shell.messages, QStringList{"Kelto PX-720LT Software is already running"});
  EXPECT_EQ(harness.shell.endedWith, std::vector<int>{0});
  EXPECT_FALSE(harness.window().isVisible());
  EXPECT_TRUE(harness.pad.receivedReports().empty());

  // The first copy is undisturbed: it still runs and held its lock throughout.
  EXPECT_EQ(first.state(), QProcess::Running);
  first.closeWriteChannel();
  ASSERT_TRUE(first.waitForFinished(10000));
  EXPECT_EQ(first.exitCode(), kProbeAcquired);
  // Once it is gone, a copy may run.
  EXPECT_TRUE(claimInstance(*lock));
}

}  // namespace
}  // namespace ostrel::test
