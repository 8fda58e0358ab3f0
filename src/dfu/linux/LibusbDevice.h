#pragma once
// An open USB device through libusb-1.0. The libusb handle is shared with
// the transport, which keeps it open while the device is present.

#include "dfu/UsbTransport.h"

#include <libusb.h>

#include <memory>

namespace ostrel {

class LibusbDevice : public UsbDevice {
 public:
  // Closes the handle when the last owner lets it go.
  struct Handle {
    explicit Handle(libusb_device_handle* h) : handle(h) {}
    ~Handle() { libusb_close(handle); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    libusb_device_handle* handle;
  };

  explicit LibusbDevice(std::shared_ptr<Handle> handle) : handle_(std::move(handle)) {}

  UsbStatus control(const UsbSetup& setup, uint8_t* data, size_t& transferred) override;
  UsbStatus selectInterface(uint8_t interfaceNumber, uint8_t alternate) override;

  static UsbStatus statusOf(int libusbResult);

 private:
  std::shared_ptr<Handle> handle_;
};

}  // namespace ostrel
