#pragma once
// The Windows USB transport: the USB devices whose driver is WinUSB (the
// boot loader must be bound to it, as Windows DFU tools expect), their DFU
// interfaces read from their descriptors, control transfers through WinUSB,
// and arrivals and removals from a message-only window registered for the
// USB device interface class.
//
// A device's path is its USB device interface path
// ("\\?\usb#vid_0483&pid_df11#<serial>#{a5dcbf10-...}"), which notifications
// may spell in capitals; paths are compared without regard to case. An
// opened device stays open while it is present, so the engine's many short
// opens share one WinUSB handle (WinUSB lets one handle at a time hold a
// device).

#include <map>
#include <memory>
#include <mutex>

#include "dfu/UsbTransport.h"
#include "dfu/windows/WinUsbDevice.h"

namespace ostrel {

class DeviceChangeWindow;

class WinUsbTransport : public UsbTransport {
 public:
  WinUsbTransport();
  ~WinUsbTransport() override;
  WinUsbTransport(const WinUsbTransport&) = delete;
  WinUsbTransport& operator=(const WinUsbTransport&) = delete;

  std::vector<UsbDeviceEntry> findDfuDevices() override;
  std::unique_ptr<UsbDevice> open(const std::string& path) override;
  void setListener(Listener listener) override;

  // True while the arrival and removal notifications are registered.
  bool listening() const;

 private:
  // The paths of the present WinUSB devices; handles of absent ones close.
  std::vector<std::string> presentDevices();
  std::shared_ptr<WinUsbDevice::Handle> handleFor(const std::string& path);
  void deliver(bool arrival, const std::string& path);

  mutable std::mutex mutex_;
  Listener listener_;
  std::map<std::string, std::shared_ptr<WinUsbDevice::Handle>> open_;  // by path
  std::unique_ptr<DeviceChangeWindow> events_;
};

}  // namespace ostrel
