#pragma once
// An open USB device through WinUSB. The handles are shared with the
// transport, which keeps them open while the device is present. Standard
// descriptor requests go through WinUsb_GetDescriptor, the way WinUSB wants
// them asked; every other request is a control transfer on pipe 0.

#include <windows.h>

#include <winusb.h>

#include <map>
#include <memory>
#include <mutex>

#include "dfu/UsbTransport.h"

namespace ostrel {

class WinUsbDevice : public UsbDevice {
 public:
  // The device file and its WinUSB interface handles; released when the
  // last owner lets them go.
  class Handle {
   public:
    // nullptr when the path cannot be opened or WinUSB is not its driver.
    static std::shared_ptr<Handle> open(const std::string& path);
    ~Handle();
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    WINUSB_INTERFACE_HANDLE first() const { return first_; }
    // The handle of interface number (the first one or an associated one).
    WINUSB_INTERFACE_HANDLE interfaceHandle(uint8_t number);

   private:
    Handle(HANDLE file, WINUSB_INTERFACE_HANDLE first) : file_(file), first_(first) {}
    HANDLE file_;
    WINUSB_INTERFACE_HANDLE first_;
    std::mutex mutex_;
    std::map<uint8_t, WINUSB_INTERFACE_HANDLE> associated_;
  };

  explicit WinUsbDevice(std::shared_ptr<Handle> handle) : handle_(std::move(handle)) {}

  UsbStatus control(const UsbSetup& setup, uint8_t* data, size_t& transferred) override;
  UsbStatus selectInterface(uint8_t interfaceNumber, uint8_t alternate) override;

  // The status for the error of a failed WinUSB call.
  static UsbStatus statusOf(DWORD error);

 private:
  std::shared_ptr<Handle> handle_;
};

}  // namespace ostrel
