// The Linux backend against umockdev: the real libudev enumeration and
// monitor, and real hidraw reads and writes on mocked nodes.

#include <fcntl.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <functional>
#include <future>

#include "LinkTestSupport.h"
#include "MockedBus.h"
#include "link/PadIdentity.h"
#include "link/hid/LinuxHidBackend.h"

namespace ostrel::testing {
namespace {

using std::chrono::milliseconds;

const std::vector<UsbId> kWatched = {{kXboxVendor, kXboxProduct}};

// Events arrive on the monitor's thread.
class EventLog {
 public:
  void add(const HidEvent& event) {
    std::lock_guard lock(mutex_);
    events_.push_back(event);
    changed_.notify_all();
  }
  std::vector<HidEvent> waitFor(std::size_t count) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(10), [&] { return events_.size() >= count; });
    return events_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<HidEvent> events_;
};

TEST(LinuxHidBackend, EnumeratesHidrawNodesAndWatchedUsbDevices) {
  MockedBus bus;
  bus.addHidDevice("1-1", kPadVendor, kPadProduct, 4, 0);
  bus.addHidDevice("1-2", 0x046D, 0xC077, 1, 4);
  bus.addUsbDevice("1-3", kXboxVendor, kXboxProduct);
  bus.addUsbDevice("1-4", 0x1234, 0x5678);  // not watched
  LinuxHidBackend backend(kWatched);
  auto found = backend.enumerate();
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
  ASSERT_EQ(found.size(), 6u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(found[i].path, "/dev/hidraw" + std::to_string(i));
    EXPECT_EQ(found[i].vendorId, kPadVendor);
    EXPECT_EQ(found[i].productId, kPadProduct);
    EXPECT_EQ(found[i].interfaceNumber, i);
    EXPECT_EQ(found[i].kind, HidNodeKind::HidInterface);
  }
  EXPECT_EQ(found[4].vendorId, 0x046D);
  EXPECT_EQ(found[5].kind, HidNodeKind::UsbDevice);
  EXPECT_EQ(found[5].vendorId, kXboxVendor);
  EXPECT_EQ(found[5].productId, kXboxProduct);
}

TEST(LinuxHidBackend, ReadsAndWritesReportsOnAHidrawNode) {
  MockedBus bus;
  bus.addHidDevice("1-1", kPadVendor, kPadProduct, 4, 0);
  std::mutex mutex;
  std::vector<Report> written;
  bus.onWrite("/dev/hidraw3", [&](const Report& report) {
    std::lock_guard lock(mutex);
    written.push_back(report);
  });
  LinuxHidBackend backend(kWatched);
  auto device = backend.open("/dev/hidraw3");
  ASSERT_TRUE(device);

  const Report request = makeSlotRequest(Letter::name, 2);
  ASSERT_TRUE(device->writeReport(request.data(), request.size(), milliseconds(1000)));
  {
    std::lock_guard lock(mutex);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0], request);
  }
  bus.answer("/dev/hidraw3", makeNameAnswer(2, "Race"));
  Report answer{};
  ASSERT_EQ(device->readReport(answer.data(), answer.size()), 64);
  EXPECT_EQ(decodeName(answer).name, "Race");

  auto blocked = std::async(std::launch::async, [&] { return device->readReport(answer.data(), answer.size()); });
  device->close();
  EXPECT_EQ(blocked.get(), HidDevice::kClosed);
  EXPECT_FALSE(device->writeReport(request.data(), request.size(), milliseconds(1000)));
}

TEST(LinuxHidBackend, AHungUpNodeReadsAsGone) {
  MockedBus bus;
  bus.addHidDevice("1-1", kPadVendor, kPadProduct, 4, 0);
  LinuxHidBackend backend(kWatched);
  auto device = backend.open("/dev/hidraw0");
  ASSERT_TRUE(device);
  bus.hangUp("/dev/hidraw0");
  Report buffer{};
  EXPECT_EQ(device->readReport(buffer.data(), buffer.size()), HidDevice::kGone);
}

TEST(LinuxHidBackend, MonitorReportsArrivalsAndRemovals) {
  MockedBus bus;
  LinuxHidBackend backend(kWatched);
  EventLog log;
  backend.startEvents([&](const HidEvent& event) { log.add(event); });
  // Each change waits until the monitor has handed on what the one before
  // caused: umockdev looks a device up again to send its event, and a send
  // that overlapped the monitor's handling of earlier events was once lost
  // ("No such device").
  const auto nodes = bus.addHidDevice("1-1", kPadVendor, kPadProduct, 4, 0);
  ASSERT_EQ(log.waitFor(4).size(), 4u);
  const std::string xbox = bus.addUsbDevice("1-3", kXboxVendor, kXboxProduct);
  ASSERT_EQ(log.waitFor(5).size(), 5u);
  bus.removal(nodes[2]);
  ASSERT_EQ(log.waitFor(6).size(), 6u);
  bus.removal(xbox);
  const auto events = log.waitFor(7);
  backend.stopEvents();

  ASSERT_EQ(events.size(), 7u) << "the pad's own USB node is not reported";
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(events[i].type, HidEventType::Arrival);
    EXPECT_EQ(events[i].device.path, "/dev/hidraw" + std::to_string(i));
    EXPECT_EQ(events[i].device.interfaceNumber, i);
  }
  EXPECT_EQ(events[4].type, HidEventType::Arrival);
  EXPECT_EQ(events[4].device.kind, HidNodeKind::UsbDevice);
  EXPECT_EQ(events[5].type, HidEventType::Removal);
  EXPECT_EQ(events[5].device.vendorId, kPadVendor);
  EXPECT_EQ(events[5].device.interfaceNumber, 2);
  EXPECT_EQ(events[6].type, HidEventType::Removal);
  EXPECT_EQ(events[6].device.productId, kXboxProduct);
}

TEST(LinuxHidBackend, RetriesANodeWhosePermissionsAreNotThereYet) {
  MockedBus bus;
  bus.addHidDevice("1-1", kPadVendor, kPadProduct, 4, 0);
  struct Case {
    int failures;
    int error;
    bool opens;
    int attempts;
    long waited;
  };
  const Case cases[] = {
      {3, EACCES, true, 4, 150},   // permissions applied a moment later
      {1000, EACCES, false, 21, 1000},  // never: gives up after a second
      {1000, ENODEV, false, 1, 0},  // not a permission delay: no retry
  };
  for (const Case& c : cases) {
    InstantSleeper sleeper;
    int attempts = 0;
    LinuxHidBackend backend(kWatched, &sleeper, [&](const char* path, int flags) {
      if (++attempts <= c.failures) {
        errno = c.error;
        return -1;
      }
      return ::open(path, flags);
    });
    EXPECT_EQ(static_cast<bool>(backend.open("/dev/hidraw3")), c.opens) << c.failures;
    EXPECT_EQ(attempts, c.attempts);
    const auto pauses = sleeper.pauses();
    long waited = 0;
    for (long pause : pauses) waited += pause;
    EXPECT_EQ(waited, c.waited);
  }
}

// The Linux backend, counting the events it has handed on, so that a test
// can wait for the ones it caused.
class CountingBackend : public LinuxHidBackend {
 public:
  using LinuxHidBackend::LinuxHidBackend;
  ~CountingBackend() override { stopEvents(); }
  void startEvents(HidEventHandler handler) override {
    LinuxHidBackend::startEvents([this, handler = std::move(handler)](const HidEvent& event) {
      handler(event);
      ++events;
    });
  }
  std::atomic<int> events{0};
};

// The whole link over the Linux backend, with a library in a scratch folder.
// plugPad() puts the pad on the bus; its command node answers as the pad does.
class MockedLink {
  // First: what the bus's write handler and the link use outlives them.
  fs::path root_ = makeScratchFolder();
  std::mutex padMutex_;
  SimulatedPadFirmware firmware_;

 public:
  MockedLink() {
    for (int i = 0; i < 4; ++i) firmware_.slots[i].name = "Mocked " + std::to_string(i + 1);
    app.resetToStartup();
    library.basePath = root_.string() + "/";
    link.setObserver(&observer);
  }
  ~MockedLink() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  std::vector<std::string> plugPad() {
    auto nodes = bus.addHidDevice("1-1", kPadVendor, kPadProduct, 4, 0);
    bus.onWrite("/dev/hidraw3", [this](const Report& command) {
      std::vector<Report> answers;
      {
        std::lock_guard lock(padMutex_);
        answers = firmware_.handle(command).answers;
      }
      for (const Report& answer : answers) bus.answer("/dev/hidraw3", answer);
    });
    return nodes;
  }
  // Runs the link's work until the backend has handed on `count` events in
  // all and done() holds, then runs what those events left.
  bool handle(int count, const std::function<bool()>& done = [] { return true; }) {
    const bool reached = dispatcher.runUntil([&] { return backend.events >= count && done(); },
                                             std::chrono::seconds(10));
    dispatcher.drain();
    return reached;
  }

  MockedBus bus;  // before the backend: the testbed comes before any udev context
  AppState app;
  ProfileLibrary library;
  QueueDispatcher dispatcher;
  ManualTimer timer;
  InstantSleeper sleeper;
  RecordingObserver observer;
  CountingBackend backend{kWatched, &sleeper};
  ControllerLink link{app, library, backend, dispatcher, timer, sleeper};
};

TEST(LinuxLink, ConnectsToAMockedPadAndFollowsItsRemoval) {
  MockedLink mocked;
  const auto nodes = mocked.plugPad();
  ASSERT_TRUE(mocked.library.ensureFolders());
  mocked.link.startLink();
  ASSERT_EQ(mocked.app.LinkState, kPadConnected);
  ASSERT_TRUE(mocked.handle(0, [&] { return mocked.observer.sequencesDone == 1; }));
  EXPECT_EQ(mocked.app.slotNames[3], "Mocked 4");
  EXPECT_TRUE(mocked.library.fileExists(mocked.library.basePath + "Myprofile/Mocked 2.klt"));

  for (const std::string& node : nodes) mocked.bus.removal(node);
  ASSERT_TRUE(mocked.handle(4));
  EXPECT_EQ(mocked.app.LinkState, kNoPad);
  EXPECT_TRUE(mocked.timer.armed());
}

// An Xbox 360 pad beside the pad: Xbox 360 mode is the pad absent and such a
// device present; while the pad's four interfaces are found, the pad wins,
// whatever enumerations and the other device's events come.
TEST(LinuxLink, ThePadWinsOverAnXbox360PadBesideIt) {
  MockedLink mocked;
  const std::string xbox = mocked.bus.addUsbDevice("1-3", kXboxVendor, kXboxProduct);
  ASSERT_TRUE(mocked.library.ensureFolders());
  mocked.link.startLink();
  EXPECT_EQ(mocked.app.LinkState, kPadXbox360);

  mocked.plugPad();  // four arrivals, each enumerating both devices
  ASSERT_TRUE(mocked.handle(4, [&] { return mocked.observer.sequencesDone == 1; }));
  EXPECT_EQ(mocked.app.LinkState, kPadConnected);
  mocked.link.openPad();  // what every later arrival of the pad runs
  EXPECT_EQ(mocked.app.LinkState, kPadConnected);

  mocked.bus.addUsbDevice("1-4", kXboxVendor, kXboxProduct);
  ASSERT_TRUE(mocked.handle(5));
  mocked.bus.removal(xbox);
  ASSERT_TRUE(mocked.handle(6));
  EXPECT_EQ(mocked.app.LinkState, kPadConnected);
  EXPECT_FALSE(mocked.timer.armed());
  EXPECT_EQ(mocked.observer.states, std::vector<int32_t>{kPadConnected});
  EXPECT_EQ(mocked.observer.sequencesDone, 1);
}

}  // namespace
}  // namespace ostrel::testing
