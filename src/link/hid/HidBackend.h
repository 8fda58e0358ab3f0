#pragma once
// The platform's HID devices: what is present, opening an interface, and
// arrival and removal events. Each platform has one implementation, chosen by
// the build through createHidBackend(); the simulated pad is another.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/hid/HidDevice.h"

namespace ostrel {

enum class HidNodeKind {
  HidInterface,  // a HID interface that can be opened for reports
  UsbDevice,     // a USB device that the platform gives no HID node
};

struct HidInterfaceInfo {
  std::string path;  // the platform's name for it; open() takes it
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  int interfaceNumber = -1;  // USB bInterfaceNumber; -1 when unknown
  HidNodeKind kind = HidNodeKind::HidInterface;
};

enum class HidEventType { Arrival, Removal };

struct HidEvent {
  HidEventType type = HidEventType::Arrival;
  HidInterfaceInfo device;
};

using HidEventHandler = std::function<void(const HidEvent&)>;

class HidBackend {
 public:
  virtual ~HidBackend() = default;
  // Every present HID interface, and the watched USB devices without one.
  virtual std::vector<HidInterfaceInfo> enumerate() = 0;
  // Opens an interface for reading and writing; nullptr when it cannot.
  virtual std::unique_ptr<HidDevice> open(const std::string& path) = 0;
  // Starts reporting arrivals and removals; the handler runs on a backend
  // thread (or on the thread that caused the event) and must not block.
  virtual void startEvents(HidEventHandler handler) = 0;
  // Stops reporting; when it returns the handler is no longer running.
  virtual void stopEvents() = 0;
};

// The platform's backend.
std::unique_ptr<HidBackend> createHidBackend();

}  // namespace ostrel
