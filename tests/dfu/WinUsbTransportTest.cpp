// The WinUSB transport where no USB device is attached (under Wine there is
// no USB at all): nothing is listed or opened, and the arrivals and removals
// that Windows would send reach the listener until an empty one stops them.

#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "SendDeviceChange.h"
#include "dfu/windows/WinUsbTransport.h"

namespace ostrel {
namespace {

using test::sendDeviceChange;

constexpr const char* kBootLoader = "\\\\?\\USB#VID_0483&PID_DF11#205F32A14E4D#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

TEST(WinUsbTransport, ListsAndOpensNothingWithoutDevices) {
  const auto transport = createUsbTransport();
  for (const UsbDeviceEntry& entry : transport->findDfuDevices()) ADD_FAILURE() << "unexpected " << entry.path;
  EXPECT_EQ(transport->open(kBootLoader), nullptr);
  EXPECT_EQ(transport->open(""), nullptr);
}

TEST(WinUsbTransport, DeliversArrivalsAndRemovalsUntilTheListenerIsEmpty) {
  WinUsbTransport transport;
  std::mutex mutex;
  std::vector<UsbDeviceEvent> events;
  transport.setListener([&](const UsbDeviceEvent& event) {
    std::lock_guard lock(mutex);
    events.push_back(event);
  });
  ASSERT_TRUE(transport.listening());
  ASSERT_TRUE(sendDeviceChange(DBT_DEVICEARRIVAL, kBootLoader));
  ASSERT_TRUE(sendDeviceChange(DBT_DEVICEQUERYREMOVE, kBootLoader));  // not a completed removal
  ASSERT_TRUE(sendDeviceChange(DBT_DEVICEREMOVECOMPLETE, kBootLoader));
  transport.setListener({});
  ASSERT_TRUE(sendDeviceChange(DBT_DEVICEARRIVAL, kBootLoader));

  std::lock_guard lock(mutex);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(events[0].arrived);
  EXPECT_EQ(events[0].path, kBootLoader);
  EXPECT_FALSE(events[1].arrived);
  EXPECT_EQ(events[1].path, kBootLoader);
}

}  // namespace
}  // namespace ostrel
