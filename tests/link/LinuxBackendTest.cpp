// The Linux backend against umockdev: the real libudev enumeration and
// monitor, and real hidraw reads and writes on mocked nodes.

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
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
  const auto nodes = bus.addHidDevice("1-1", kPadVendor, kPadProduct, 4, 0);
  const std::string xbox = bus.addUsbDevice("1-3", kXboxVendor, kXboxProduct);
  bus.removal(nodes[2]);
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

// The whole link over the Linux backend: a mocked pad whose command node
// answers as the pad does.
TEST(LinuxLink, ConnectsToAMockedPadAndFollowsItsRemoval) {
  MockedBus bus;
  const auto nodes = bus.addHidDevice("1-1", kPadVendor, kPadProduct, 4, 0);
  std::mutex padMutex;
  SimulatedPadFirmware firmware;
  for (int i = 0; i < 4; ++i) firmware.slots[i].name = "Mocked " + std::to_string(i + 1);
  bus.onWrite("/dev/hidraw3", [&](const Report& command) {
    std::vector<Report> answers;
    {
      std::lock_guard lock(padMutex);
      answers = firmware.handle(command).answers;
    }
    for (const Report& answer : answers) bus.answer("/dev/hidraw3", answer);
  });

  const fs::path root = makeScratchFolder();
  {
    AppState app;
    app.resetToStartup();
    ProfileLibrary library;
    library.basePath = root.string() + "/";
    ASSERT_TRUE(library.ensureFolders());
    QueueDispatcher dispatcher;
    ManualTimer timer;
    InstantSleeper sleeper;
    RecordingObserver observer;
    LinuxHidBackend backend(kWatched, &sleeper);
    ControllerLink link(app, library, backend, dispatcher, timer, sleeper);
    link.setObserver(&observer);
    link.startLink();
    ASSERT_EQ(app.LinkState, kPadConnected);
    ASSERT_TRUE(dispatcher.runUntil([&] { return observer.sequencesDone == 1; }, std::chrono::seconds(10)));
    EXPECT_EQ(app.slotNames[3], "Mocked 4");
    EXPECT_TRUE(library.fileExists(library.basePath + "Myprofile/Mocked 2.klt"));

    for (const std::string& node : nodes) bus.removal(node);
    ASSERT_TRUE(dispatcher.runUntil([&] { return app.LinkState == kNoPad; }, std::chrono::seconds(10)));
    EXPECT_TRUE(timer.armed());
  }
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

}  // namespace
}  // namespace ostrel::testing
