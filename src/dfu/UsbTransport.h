#pragma once
// The USB seam of the firmware update: a list of DFU-capable devices, an open
// device that performs control transfers, and arrival/removal events. The
// build picks the implementation (libusb on Linux); the simulated DfuSe boot
// loader implements the same interface for tests and the demo.
//
// Implementations are thread-safe: the engine lists and opens devices on the
// user-interface thread while a background operation talks to its own open
// device on a worker thread.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ostrel {

enum class UsbStatus { ok, stall, noDevice, timeout, error };

struct UsbSetup {
  uint8_t requestType = 0;
  uint8_t request = 0;
  uint16_t value = 0;
  uint16_t index = 0;
  uint16_t length = 0;
};

inline constexpr uint8_t kUsbDirIn = 0x80;
inline constexpr uint8_t kUsbClassInterface = 0x21;  // class request to an interface, host to device

class UsbDevice {
 public:
  virtual ~UsbDevice() = default;
  // One control transfer of setup.length bytes: sent from data for OUT
  // requests, stored into data for IN requests. transferred gets the count.
  virtual UsbStatus control(const UsbSetup& setup, uint8_t* data, size_t& transferred) = 0;
  // Claims the interface and selects its alternate setting.
  virtual UsbStatus selectInterface(uint8_t interfaceNumber, uint8_t alternate) = 0;
};

struct UsbDeviceEntry {
  std::string path;         // stable while the device stays plugged in
  std::string description;  // product text; empty when the device gives none
  bool dfuMode = false;     // its DFU interface is in DFU mode (protocol 2)
};

struct UsbDeviceEvent {
  bool arrived = false;
  std::string path;
};

class UsbTransport {
 public:
  using Listener = std::function<void(const UsbDeviceEvent&)>;
  virtual ~UsbTransport() = default;
  // Devices with a DFU interface (class FE, subclass 01), runtime or DFU mode.
  virtual std::vector<UsbDeviceEntry> findDfuDevices() = 0;
  // nullptr when the device is gone or cannot be opened.
  virtual std::unique_ptr<UsbDevice> open(const std::string& path) = 0;
  // Arrivals and removals of any USB device, delivered on the transport's
  // own thread; an empty listener stops the delivery.
  virtual void setListener(Listener listener) = 0;
};

// The build's transport for real devices.
std::unique_ptr<UsbTransport> createUsbTransport();

}  // namespace ostrel
