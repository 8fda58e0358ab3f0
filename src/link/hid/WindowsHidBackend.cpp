#include "link/hid/WindowsHidBackend.h"

#include <windows.h>

#include <setupapi.h>

#include <new>
#include <vector>

// The HID headers lack C linkage guards of their own.
extern "C" {
#include <hidsdi.h>
}

#include "link/hid/UsbIdsInPath.h"
#include "link/hid/WindowsHidDevice.h"
#include "windows/DeviceChangeWindow.h"

namespace ostrel {
namespace {

GUID hidClass() {
  GUID guid{};
  HidD_GetHidGuid(&guid);
  return guid;
}

// The interface's path from its detail record; empty when it cannot be read.
std::string pathOf(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interfaceData) {
  DWORD size = 0;
  SetupDiGetDeviceInterfaceDetailA(set, &interfaceData, nullptr, 0, &size, nullptr);
  if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) return {};
  std::vector<char> block(size);  // may throw std::bad_alloc: the caller ends its walk
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(block.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);  // the fixed part, not the block
  if (!SetupDiGetDeviceInterfaceDetailA(set, &interfaceData, detail, size, nullptr, nullptr)) return {};
  return detail->DevicePath;
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
  GUID guid = hidClass();
  HDEVINFO set = SetupDiGetClassDevsA(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return found;
  SP_DEVICE_INTERFACE_DATA interfaceData{};
  interfaceData.cbSize = sizeof interfaceData;
  try {
    for (DWORD index = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &guid, index, &interfaceData); ++index) {
      HidInterfaceInfo info;
      info.path = pathOf(set, interfaceData);
      // An interface that cannot be named or asked is skipped.
      if (!info.path.empty() && readAttributes(info.path, info)) found.push_back(info);
    }
  } catch (const std::bad_alloc&) {
    // Out of memory: the walk ends with what it has found so far.
  }
  SetupDiDestroyDeviceInfoList(set);
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
