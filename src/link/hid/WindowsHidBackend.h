#pragma once
// The HID backend of Windows: SetupAPI lists the present HID interfaces, each
// asked for its vendor and product with HidD_GetAttributes; interfaces are
// opened for overlapped reports (WindowsHidDevice); a message-only window
// registered for the HID interface class reports arrivals and removals, the
// identities taken from the interface paths.
//
// Windows gives no USB interface numbers here: the entries carry -1, and
// the link numbers the pad's interfaces in the order listed (0 the key
// interface, 3 the command interface). The pad in Xbox 360 mode shows as a
// HID interface of 045E:028E.

#include <memory>
#include <mutex>

#include "link/hid/HidBackend.h"

namespace ostrel {

class DeviceChangeWindow;

class WindowsHidBackend : public HidBackend {
 public:
  WindowsHidBackend();
  ~WindowsHidBackend() override;

  std::vector<HidInterfaceInfo> enumerate() override;
  std::unique_ptr<HidDevice> open(const std::string& path) override;
  void startEvents(HidEventHandler handler) override;
  void stopEvents() override;

  // True while the arrival and removal notifications are registered.
  bool listening() const;

 private:
  mutable std::mutex eventsMutex_;
  std::unique_ptr<DeviceChangeWindow> events_;
};

}  // namespace ostrel
