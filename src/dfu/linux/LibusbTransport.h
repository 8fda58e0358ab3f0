#pragma once
// The Linux USB transport: libusb-1.0 enumeration of DFU-capable devices,
// control transfers, and hotplug arrival/removal events delivered from the
// transport's own event thread.
//
// A device's path is "usb-<bus>-<port.port...>-<vendor>-<product>" in hex, so
// the pad in application mode and its boot loader on the same port are two
// different paths. An opened device stays open while it is present, so the
// engine's many short opens do not each cost a reopen of the device node.

#include "dfu/UsbTransport.h"
#include "dfu/linux/LibusbDevice.h"

#include <libusb.h>

#include <atomic>
#include <map>
#include <mutex>
#include <thread>

namespace ostrel {

class LibusbTransport : public UsbTransport {
 public:
  LibusbTransport();
  ~LibusbTransport() override;
  LibusbTransport(const LibusbTransport&) = delete;
  LibusbTransport& operator=(const LibusbTransport&) = delete;

  bool ready() const { return context_ != nullptr; }

  std::vector<UsbDeviceEntry> findDfuDevices() override;
  std::unique_ptr<UsbDevice> open(const std::string& path) override;
  void setListener(Listener listener) override;

  static std::string pathOf(libusb_device* device);

 private:
  static int LIBUSB_CALL onHotplug(libusb_context* context, libusb_device* device, libusb_hotplug_event event,
                                   void* self);
  void startEvents();
  std::shared_ptr<LibusbDevice::Handle> handleFor(libusb_device* device, const std::string& path);
  void forgetAbsent(libusb_device** list);

  libusb_context* context_ = nullptr;
  std::mutex mutex_;
  Listener listener_;
  std::map<std::string, std::shared_ptr<LibusbDevice::Handle>> open_;  // by path
  libusb_hotplug_callback_handle hotplug_ = 0;
  bool hotplugRegistered_ = false;
  std::atomic<bool> running_{false};
  std::thread events_;
};

}  // namespace ostrel
