#pragma once
// The HID backend of Linux: libudev lists the hidraw nodes (with the USB
// vendor, product and interface number of their parents) and the watched USB
// devices that have no hidraw node; a udev monitor thread reports arrivals
// and removals; /dev/hidrawN nodes are opened for reports.

#include <functional>
#include <map>
#include <mutex>
#include <optional>

#include "link/SystemSleeper.h"
#include "link/hid/HidBackend.h"
#include "link/hid/UdevMonitor.h"

namespace ostrel {

struct UsbId {
  uint16_t vendor = 0;
  uint16_t product = 0;
};

class LinuxHidBackend : public HidBackend {
 public:
  using OpenFunction = std::function<int(const char* path, int flags)>;

  // usbDevices: identities reported as UsbDevice entries (a device the kernel
  // binds to another driver, so it has no hidraw node). open is the system
  // call and sleeper the pause between attempts; tests replace both (null
  // and empty mean the real ones).
  explicit LinuxHidBackend(std::vector<UsbId> usbDevices, Sleeper* sleeper = nullptr,
                           OpenFunction open = {});
  ~LinuxHidBackend() override;

  std::vector<HidInterfaceInfo> enumerate() override;
  // A node whose permissions are not applied yet is retried for up to one
  // second: udev announces a node a moment before it may be opened.
  std::unique_ptr<HidDevice> open(const std::string& path) override;
  void startEvents(HidEventHandler handler) override;
  void stopEvents() override;

 private:
  void onUevent(udev_device* device, const char* action);
  std::optional<HidInterfaceInfo> describe(udev_device* device) const;
  std::optional<HidInterfaceInfo> describeUsbDevice(udev_device* device) const;

  std::vector<UsbId> usbDevices_;
  SystemSleeper systemSleeper_;
  Sleeper& sleeper_;
  OpenFunction open_;
  HidEventHandler handler_;
  UdevMonitor monitor_;
  std::mutex knownMutex_;
  // What each seen device was, by sysfs path: a removal can no longer be asked.
  std::map<std::string, HidInterfaceInfo> known_;
};

}  // namespace ostrel
