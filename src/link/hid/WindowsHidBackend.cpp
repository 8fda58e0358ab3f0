#include "link/hid/WindowsHidBackend.h"

#include <windows.h>

// The HID headers lack C linkage guards of their own.
extern "C" {
#include <hidsdi.h>
}

#include "link/hid/UsbIdsInPath.h"
#include "link/hid/WindowsHidDevice.h"
#include "windows/DeviceChangeWindow.h"
#include "windows/PresentDeviceInterfaces.h"

namespace ostrel {
namespace {

GUID hidClass() {
  GUID guid{};
  HidD_GetHidGuid(&guid);
  return guid;
}

// Vendor and product as the device states them; opened without access
// rights, which even devices that others hold open allow.
bool readAttributes(const std::string& path, HidInterfaceInfo& info) {
  HANDLE device = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (device == INVALID_HANDLE_VALUE) return false;
  HIDD_ATTRIBUTES attributes{};
  attributes.Size = sizeof attributes;
  const bool read = HidD_GetAttributes(device, &attributes);
  CloseHandle(device);
  if (!read) return false;
  info.vendorId = attributes.VendorID;
  info.productId = attributes.ProductID;
  return true;
}

}  // namespace

WindowsHidBackend::WindowsHidBackend() = default;

WindowsHidBackend::~WindowsHidBackend() { stopEvents(); }

std::vector<HidInterfaceInfo> WindowsHidBackend::enumerate() {
  std::vector<HidInterfaceInfo> found;
  for (const DeviceInterface& present : presentDeviceInterfaces(hidClass())) {
    HidInterfaceInfo info;
    info.path = present.path;
    // An interface that cannot be asked is skipped.
    if (readAttributes(info.path, info)) found.push_back(info);
  }
  return found;
}

std::unique_ptr<HidDevice> WindowsHidBackend::open(const std::string& path) {
  return WindowsHidDevice::open(path);
}

void WindowsHidBackend::startEvents(HidEventHandler handler) {
  stopEvents();
  auto window = std::make_unique<DeviceChangeWindow>(
      hidClass(), [handler = std::move(handler)](bool arrival, const std::string& path) {
        HidEvent event;
        event.type = arrival ? HidEventType::Arrival : HidEventType::Removal;
        event.device.path = path;
        // A removed interface can no longer be asked: its path must do.
        if (readUsbIdsFromPath(path, event.device)) handler(event);
      });
  std::lock_guard lock(eventsMutex_);
  events_ = std::move(window);
}

void WindowsHidBackend::stopEvents() {
  std::unique_ptr<DeviceChangeWindow> window;
  {
    std::lock_guard lock(eventsMutex_);
    window = std::move(events_);
  }
  window.reset();  // outside the lock: it waits for the window's thread
}

bool WindowsHidBackend::listening() const {
  std::lock_guard lock(eventsMutex_);
  return events_ && events_->listening();
}

std::unique_ptr<HidBackend> createHidBackend() { return std::make_unique<WindowsHidBackend>(); }

}  // namespace ostrel
