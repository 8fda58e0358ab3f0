// The Windows HID backend against the machine's own HID devices (under Wine:
// Wine's virtual mouse and keyboard). No pad is plugged in here, so nothing
// may look like one. Arrivals and removals are sent to the backend's
// message-only window as Windows would send them.

#include <future>
#include <mutex>
#include <vector>

#include "LinkTestSupport.h"
#include "link/hid/UsbIdsInPath.h"
#include "link/hid/WindowsHidBackend.h"
#include "SendDeviceChange.h"

namespace ostrel::testing {
namespace {

using namespace std::chrono_literals;
using test::sendDeviceChange;

constexpr const char* kHidClassSuffix = "#{4d1e55b2-f16f-11cf-88cb-001111000030}";

std::string padPath(int interfaceNumber) {
  return "\\\\?\\HID#VID_E7C1&PID_5A0D&MI_0" + std::to_string(interfaceNumber) + "#7&1f2e3d4c&0&0000" +
         kHidClassSuffix;
}

TEST(WindowsHidBackend, ListsTheMachinesHidInterfacesAndNoPad) {
  WindowsHidBackend backend;
  const std::vector<HidInterfaceInfo> found = backend.enumerate();
  for (const HidInterfaceInfo& device : found) {
    SCOPED_TRACE(device.path);
    EXPECT_EQ(device.kind, HidNodeKind::HidInterface);
    EXPECT_EQ(device.interfaceNumber, -1);  // the link numbers them in this order
    EXPECT_FALSE(device.vendorId == kPadVendor && device.productId == kPadProduct);
    // What the device states agrees with what its path names, which is all
    // a removal notification carries.
    HidInterfaceInfo named;
    ASSERT_TRUE(readUsbIdsFromPath(device.path, named));
    EXPECT_EQ(named.vendorId, device.vendorId);
    EXPECT_EQ(named.productId, device.productId);
  }
}

TEST(WindowsHidBackend, CloseWakesABlockedReadAndRefusesLaterWork) {
  WindowsHidBackend backend;
  int opened = 0;
  for (const HidInterfaceInfo& device : backend.enumerate()) {
    SCOPED_TRACE(device.path);
    std::shared_ptr<HidDevice> open = backend.open(device.path);
    if (!open) continue;
    ++opened;
    // Nobody moves the mouse or presses a key: the read waits until closed.
    auto read = std::async(std::launch::async, [open] {
      uint8_t report[64];
      return open->readReport(report, sizeof report);
    });
    EXPECT_EQ(read.wait_for(50ms), std::future_status::timeout);
    open->close();
    EXPECT_EQ(read.get(), HidDevice::kClosed);
    const uint8_t report[2] = {4, 'W'};
    EXPECT_FALSE(open->writeReport(report, sizeof report, 100ms));
  }
  EXPECT_GT(opened, 0) << "no HID interface here could be opened";
}

TEST(WindowsHidBackend, ReportsArrivalsAndRemovalsByTheirPaths) {
  WindowsHidBackend backend;
  std::mutex mutex;
  std::vector<HidEvent> events;
  backend.startEvents([&](const HidEvent& event) {
    std::lock_guard lock(mutex);
    events.push_back(event);
  });
  ASSERT_TRUE(backend.listening());
  const std::string xbox = std::string("\\\\?\\HID#VID_045E&PID_028E&IG_00#8&2a&0&0000") + kHidClassSuffix;
  ASSERT_TRUE(sendDeviceChange(DBT_DEVICEARRIVAL, padPath(3)));
  ASSERT_TRUE(sendDeviceChange(DBT_DEVICEREMOVECOMPLETE, xbox));
  // Not arrivals or completed removals, or not of an interface: nothing.
  ASSERT_TRUE(sendDeviceChange(DBT_DEVICEQUERYREMOVE, padPath(0)));
  ASSERT_TRUE(sendDeviceChange(DBT_DEVICEARRIVAL, padPath(0), DBT_DEVTYP_HANDLE));
  // A path without the identity cannot be told apart: dropped.
  ASSERT_TRUE(sendDeviceChange(DBT_DEVICEARRIVAL, "\\\\?\\HID#unnamed"));
  backend.stopEvents();
  EXPECT_FALSE(backend.listening());
  EXPECT_FALSE(sendDeviceChange(DBT_DEVICEARRIVAL, padPath(1)));  // the window is gone

  std::lock_guard lock(mutex);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].type, HidEventType::Arrival);
  EXPECT_EQ(events[0].device.path, padPath(3));
  EXPECT_EQ(events[0].device.vendorId, kPadVendor);
  EXPECT_EQ(events[0].device.productId, kPadProduct);
  EXPECT_EQ(events[1].type, HidEventType::Removal);
  EXPECT_EQ(events[1].device.vendorId, kXboxVendor);
  EXPECT_EQ(events[1].device.productId, kXboxProduct);
}

// The link on the real backend: no pad at start; the pad's arrivals find no
// pad to open; the Xbox 360 identity's arrival switches the state.
class WindowsLinkTest : public LinkTest {
 protected:
  void startWindowsLink() {
    link = std::make_unique<ControllerLink>(app, library, backend, dispatcher, timer, sleeper);
    link->setObserver(&observer);
    link->startLink();
  }
  WindowsHidBackend backend;
};

TEST_F(WindowsLinkTest, FindsNoPadAndFollowsTheXboxIdentity) {
  startWindowsLink();
  dispatcher.drain();
  EXPECT_EQ(app.LinkState, kNoPad);
  EXPECT_FALSE(link->padFound());

  for (int i = 0; i < kPadInterfaceCount; ++i) ASSERT_TRUE(sendDeviceChange(DBT_DEVICEARRIVAL, padPath(i)));
  dispatcher.drain();
  EXPECT_EQ(app.LinkState, kNoPad);  // announced, but not there to open
  EXPECT_EQ(link->interfaceCount(), 0);

  ASSERT_TRUE(sendDeviceChange(DBT_DEVICEARRIVAL, "\\\\?\\hid#vid_045e&pid_028e&ig_00#8&2a&0&0000#{x}"));
  dispatcher.drain();
  EXPECT_EQ(app.LinkState, kPadXbox360);
  EXPECT_EQ(observer.states, std::vector<int32_t>{kPadXbox360});
  link.reset();
}

}  // namespace
}  // namespace ostrel::testing
