#include "dfu/windows/WinUsbTransport.h"

#include "dfu/DfuText.h"
#include "dfu/UsbDescriptors.h"
#include "windows/DeviceChangeWindow.h"
#include "windows/PresentDeviceInterfaces.h"

namespace ostrel {
namespace {

// GUID_DEVINTERFACE_USB_DEVICE: every USB device, whatever its driver.
constexpr GUID kUsbDeviceClass{0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
constexpr uint8_t kDfuModeProtocol = 2;
constexpr std::size_t kProductIndexByte = 15;  // iProduct in the device descriptor

}  // namespace

std::unique_ptr<UsbTransport> createUsbTransport() { return std::make_unique<WinUsbTransport>(); }

WinUsbTransport::WinUsbTransport() = default;

WinUsbTransport::~WinUsbTransport() {
  std::unique_ptr<DeviceChangeWindow> window;
  {
    std::lock_guard lock(mutex_);
    window = std::move(events_);
  }
  window.reset();  // outside the lock: its thread may be delivering
}

std::vector<std::string> WinUsbTransport::presentDevices() {
  std::vector<std::string> paths;
  for (const DeviceInterface& device : presentDeviceInterfaces(kUsbDeviceClass)) {
    if (equalsIgnoreCase(device.service, "WinUSB")) paths.push_back(device.path);
  }
  std::lock_guard lock(mutex_);
  for (auto it = open_.begin(); it != open_.end();) {
    bool present = false;
    for (const std::string& path : paths) present = present || equalsIgnoreCase(path, it->first);
    it = present ? std::next(it) : open_.erase(it);
  }
  return paths;
}

std::shared_ptr<WinUsbDevice::Handle> WinUsbTransport::handleFor(const std::string& path) {
  std::lock_guard lock(mutex_);
  auto& slot = open_[path];
  if (!slot) slot = WinUsbDevice::Handle::open(path);
  auto handle = slot;
  if (!handle) open_.erase(path);
  return handle;
}

std::vector<UsbDeviceEntry> WinUsbTransport::findDfuDevices() {
  std::vector<UsbDeviceEntry> entries;
  for (const std::string& path : presentDevices()) {
    auto handle = handleFor(path);
    if (!handle) continue;
    WinUsbDevice device(handle);
    DfuConfiguration configuration;
    if (UsbDescriptors::readConfiguration(device, configuration) != UsbStatus::ok ||
        configuration.interfaces.empty())
      continue;  // no DFU interface
    std::array<uint8_t, 18> descriptor{};
    std::string product;
    if (UsbDescriptors::readDevice(device, descriptor) == UsbStatus::ok && descriptor[kProductIndexByte] != 0)
      UsbDescriptors::readString(device, descriptor[kProductIndexByte], product);
    entries.push_back({path, product, configuration.interfaces.front().protocol == kDfuModeProtocol});
  }
  return entries;
}

std::unique_ptr<UsbDevice> WinUsbTransport::open(const std::string& path) {
  for (const std::string& present : presentDevices()) {
    if (!equalsIgnoreCase(present, path)) continue;
    if (auto handle = handleFor(present)) return std::make_unique<WinUsbDevice>(std::move(handle));
  }
  return nullptr;
}

void WinUsbTransport::setListener(Listener listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
  if (!events_) {
    events_ = std::make_unique<DeviceChangeWindow>(
        kUsbDeviceClass, [this](bool arrival, const std::string& path) { deliver(arrival, path); });
  }
}

void WinUsbTransport::deliver(bool arrival, const std::string& path) {
  Listener listener;
  {
    std::lock_guard lock(mutex_);
    listener = listener_;
  }
  if (listener) listener({arrival, path});
}

bool WinUsbTransport::listening() const {
  std::lock_guard lock(mutex_);
  return events_ && events_->listening();
}

}  // namespace ostrel
