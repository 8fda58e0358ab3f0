// Twenty plug-ins of a umockdev pad through the Linux backend: the real udev
// monitor and hidraw nodes. Every plug-in runs the connection sequence once
// and the link leaves no thread or descriptor behind.

#include <algorithm>
#include <map>

#include "LinkTestSupport.h"
#include "MockedBus.h"
#include "ProcessCounts.h"
#include "link/PadIdentity.h"
#include "link/hid/LinuxHidBackend.h"

namespace ostrel::testing {
namespace {

constexpr int kPlugCycles = 20;
// What the mocked bus itself holds: the pty master of every node it ever made
// and its channels to umockdev's thread. The link's own descriptors (the
// nodes it opens, their wake-ups, its udev monitor) are counted.
const std::vector<std::string> kMockedBus = {"/dev/ptmx", "socket:"};

// The pad's command nodes as umockdev serves them: each plug-in gets new
// nodes; the firmware answers on the node it was asked on.
class MockedPads {
 public:
  explicit MockedPads(MockedBus& bus) : bus_(bus) {}

  void plug(int number) {
    nodes_ = bus_.addHidDevice("1-" + std::to_string(number + 1), kPadVendor, kPadProduct,
                               kPadInterfaceCount, kPadInterfaceCount * number);
    const std::string command = "/dev/hidraw" + std::to_string(kPadInterfaceCount * number + 3);
    bus_.onWrite(command, [this, command](const Report& report) {
      std::vector<Report> answers;
      {
        std::lock_guard lock(mutex_);
        if (report[1] == 'W') ++versionQueries_[command];
        answers = firmware_.handle(report).answers;
      }
      for (const Report& answer : answers) bus_.answer(command, answer);
    });
  }
  // Announces the removals; forget() then takes the nodes off the bus.
  void unplug() {
    for (const std::string& node : nodes_) bus_.removal(node);
  }
  void forget() {
    for (const std::string& node : nodes_) {
      bus_.forgetNode(node, "/dev/" + node.substr(node.rfind('/') + 1));
    }
    nodes_.clear();
  }
  int versionQueries(int number) {
    std::lock_guard lock(mutex_);
    return versionQueries_["/dev/hidraw" + std::to_string(kPadInterfaceCount * number + 3)];
  }

 private:
  MockedBus& bus_;
  std::vector<std::string> nodes_;
  std::mutex mutex_;
  SimulatedPadFirmware firmware_;
  std::map<std::string, int> versionQueries_;
};

// The link of LinkTest, on the Linux backend instead of the simulated pad.
class LinuxHotplugStorm : public LinkTest {
 protected:
  void startLinuxLink() {
    link = std::make_unique<ControllerLink>(app, library, backend, dispatcher, timer, sleeper);
    link->setObserver(&observer);
    link->startLink();
  }

  MockedBus bus;  // before anything makes a udev context
  MockedPads pads{bus};
  LinuxHidBackend backend{{{kXboxVendor, kXboxProduct}}, &sleeper};
};

TEST_F(LinuxHotplugStorm, EveryPlugInRunsTheSequenceOnceAndNothingIsLeftRunning) {
  startLinuxLink();
  std::optional<ProcessCounts> before;
  for (int i = 0; i <= kPlugCycles; ++i) {
    const int done = observer.sequencesDone;
    pads.plug(i);
    if (i % 3 == 2) {
      // Pulled out as soon as it is asked: its answers are still coming.
      ASSERT_TRUE(runUntil([&] { return pads.versionQueries(i) > 0; }));
    } else {
      ASSERT_TRUE(runSequences(done + 1));
    }
    pads.unplug();
    ASSERT_TRUE(runUntil([&] { return !link->padFound() && app.LinkState == kNoPad; }))
        << "plug-in " << i;
    pads.forget();
    dispatcher.drain();
    EXPECT_EQ(pads.versionQueries(i), 1) << "plug-in " << i;
    if (i % 3 == 0) timer.fire();  // the others come back within the grace time
    // The first plug-in brings the mocked bus's own threads; count after it.
    if (!before) before = ProcessCounts::now(kMockedBus);
  }
  const ProcessCounts after = ProcessCounts::settled(*before, kMockedBus);
  EXPECT_TRUE(after.noMoreThan(*before)) << "after " << after << ", before " << *before;
  EXPECT_GE(observer.sequencesDone, kPlugCycles / 2);
}

}  // namespace
}  // namespace ostrel::testing
