// A hundred plug-ins and removals of the simulated pad: settled, back within
// the grace time, pulled out with answers in flight, and a bouncing plug.
// Every plug-in runs the connection sequence once; nothing is left running.

#include <algorithm>
#include <optional>

#include "LinkTestSupport.h"
#include "ProcessCounts.h"
#include "link/PadIdentity.h"

namespace ostrel::testing {
namespace {

enum class Cycle { Settled, BackWithinGrace, AnswersInFlight, Bounce };
constexpr Cycle kCycles[] = {Cycle::Settled, Cycle::BackWithinGrace, Cycle::AnswersInFlight,
                             Cycle::Bounce};
constexpr int kPlugCycles = 100;
constexpr auto kSlowAnswers = std::chrono::milliseconds(20);

class HotplugStorm : public LinkTest {
 protected:
  int versionQueries() {
    const auto reports = pad.receivedReports();
    return static_cast<int>(
        std::count_if(reports.begin(), reports.end(), [](const Report& r) { return r[1] == 'W'; }));
  }
  bool profileRequested(int slot) {
    const auto reports = pad.receivedReports();
    return std::any_of(reports.begin(), reports.end(),
                       [slot](const Report& r) { return r[1] == 'V' && r[2] == slot; });
  }
  void unplugAndSettle() {
    pad.unplug();
    dispatcher.drain();
    ASSERT_EQ(app.LinkState, kNoPad);
    ASSERT_TRUE(timer.armed());
  }

  // Runs one cycle; returns how many plug-ins it made.
  int run(Cycle cycle) {
    const int done = observer.sequencesDone;
    switch (cycle) {
      case Cycle::Settled:
      case Cycle::BackWithinGrace:
        pad.plug();
        EXPECT_TRUE(runSequences(done + 1));
        unplugAndSettle();
        if (cycle == Cycle::Settled) timer.fire();  // the next plug-in finds the grace over
        return 1;
      case Cycle::AnswersInFlight:
        pad.setAnswerDelay(kSlowAnswers);
        pad.plug();
        EXPECT_TRUE(runUntil([&] { return profileRequested(2); }));
        unplugAndSettle();
        pad.setAnswerDelay(std::chrono::milliseconds(0));
        return 1;
      case Cycle::Bounce:
        pad.plug();
        pad.unplug();
        pad.plug();
        EXPECT_TRUE(runSequences(done + 1));
        unplugAndSettle();
        return 2;
    }
    return 0;
  }
};

TEST_F(HotplugStorm, EveryPlugInRunsTheSequenceOnceAndNothingIsLeftRunning) {
  startLink();
  dispatcher.drain();
  std::optional<ProcessCounts> before;
  int plugIns = 0;
  int graceEnded = 0;
  for (int i = 0; i < kPlugCycles; ++i) {
    const Cycle cycle = kCycles[i % std::size(kCycles)];
    const bool graceRunning = timer.armed();
    pad.clearReceivedReports();
    const int plugged = run(cycle);
    plugIns += plugged;
    graceEnded += cycle == Cycle::Settled ? 1 : 0;
    ASSERT_EQ(versionQueries(), plugged) << "cycle " << i;
    ASSERT_EQ(observer.graceEnded, graceEnded)
        << "cycle " << i << (graceRunning ? " in grace" : "");
    // A sanitizer may start a thread of its own once threads run; count after
    // the first plug-in.
    if (!before) before = ProcessCounts::now();
  }
  timer.fire();
  dispatcher.drain();
  EXPECT_GE(observer.sequencesDone, kPlugCycles * 3 / 4);
  EXPECT_LE(observer.sequencesDone, plugIns);
  // Every connection showed itself; a return within the grace time did so too.
  EXPECT_EQ(std::count(observer.states.begin(), observer.states.end(), kPadConnected),
            static_cast<long>(plugIns));
  const ProcessCounts after = ProcessCounts::settled(*before);
  EXPECT_TRUE(after.noMoreThan(*before)) << "after " << after << ", before " << *before;
}

}  // namespace
}  // namespace ostrel::testing
