#include "link/hid/LinuxHidBackend.h"

#include <fcntl.h>
#include <libudev.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "link/PadIdentity.h"
#include "link/hid/LinuxHidDevice.h"

namespace ostrel {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kOpenRetryStep{50};
constexpr milliseconds kOpenPatience{1000};

bool parseHex(const char* text, unsigned long limit, unsigned long& value) {
  if (!text || !*text) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoul(text, &end, 16);
  return errno == 0 && *end == '\0' && value <= limit;
}

bool readUsbIds(udev_device* usb, HidInterfaceInfo& info) {
  unsigned long vendor = 0, product = 0;
  if (!parseHex(udev_device_get_sysattr_value(usb, "idVendor"), 0xFFFF, vendor) ||
      !parseHex(udev_device_get_sysattr_value(usb, "idProduct"), 0xFFFF, product)) {
    return false;
  }
  info.vendorId = static_cast<uint16_t>(vendor);
  info.productId = static_cast<uint16_t>(product);
  return true;
}

bool isPermissionDelay(int error) { return error == EACCES || error == EPERM || error == ENOENT; }

}  // namespace

LinuxHidBackend::LinuxHidBackend(std::vector<UsbId> usbDevices, Sleeper* sleeper, OpenFunction open)
    : usbDevices_(std::move(usbDevices)),
      sleeper_(sleeper ? *sleeper : systemSleeper_),
      open_(open ? std::move(open) : [](const char* path, int flags) { return ::open(path, flags); }) {}

LinuxHidBackend::~LinuxHidBackend() { stopEvents(); }

std::vector<HidInterfaceInfo> LinuxHidBackend::enumerate() {
  std::vector<HidInterfaceInfo> found;
  udev* context = udev_new();
  if (!context) return found;
  udev_enumerate* scan = udev_enumerate_new(context);
  if (scan) {
    udev_enumerate_add_match_subsystem(scan, "hidraw");
    udev_enumerate_add_match_subsystem(scan, "usb");
    udev_enumerate_scan_devices(scan);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(scan)) {
      const char* syspath = udev_list_entry_get_name(entry);
      udev_device* device = udev_device_new_from_syspath(context, syspath);
      if (!device) continue;
      if (auto info = describe(device)) {
        found.push_back(*info);
        std::lock_guard lock(knownMutex_);
        known_[syspath] = *info;
      }
      udev_device_unref(device);
    }
    udev_enumerate_unref(scan);
  }
  udev_unref(context);
  return found;
}

std::unique_ptr<HidDevice> LinuxHidBackend::open(const std::string& path) {
  milliseconds waited{0};
  for (;;) {
    const int fd = open_(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
      auto device = std::make_unique<LinuxHidDevice>(fd);
      return device->valid() ? std::move(device) : nullptr;
    }
    if (!isPermissionDelay(errno) || waited >= kOpenPatience) return nullptr;
    sleeper_.sleepFor(kOpenRetryStep);
    waited += kOpenRetryStep;
  }
}

void LinuxHidBackend::startEvents(HidEventHandler handler) {
  stopEvents();
  handler_ = std::move(handler);
  monitor_.start([this](udev_device* device, const char* action) { onUevent(device, action); });
}

void LinuxHidBackend::stopEvents() { monitor_.stop(); }

void LinuxHidBackend::onUevent(udev_device* device, const char* action) {
  const char* syspath = udev_device_get_syspath(device);
  if (!syspath) return;
  HidEvent event;
  if (std::strcmp(action, "add") == 0) {
    auto info = describe(device);
    if (!info) return;
    std::lock_guard lock(knownMutex_);
    known_[syspath] = *info;
    event = {HidEventType::Arrival, *info};
  } else if (std::strcmp(action, "remove") == 0) {
    std::unique_lock lock(knownMutex_);
    auto seen = known_.find(syspath);
    std::optional<HidInterfaceInfo> info;
    if (seen != known_.end()) {
      info = seen->second;
      known_.erase(seen);
    } else {
      lock.unlock();
      info = describe(device);
    }
    if (!info) return;
    event = {HidEventType::Removal, *info};
  } else {
    return;
  }
  handler_(event);
}

std::optional<HidInterfaceInfo> LinuxHidBackend::describe(udev_device* device) const {
  const char* subsystem = udev_device_get_subsystem(device);
  if (subsystem && std::strcmp(subsystem, "usb") == 0) return describeUsbDevice(device);
  if (!subsystem || std::strcmp(subsystem, "hidraw") != 0) return std::nullopt;
  const char* node = udev_device_get_devnode(device);
  udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
  HidInterfaceInfo info;
  if (!node || !usb || !readUsbIds(usb, info)) return std::nullopt;
  info.path = node;
  udev_device* usbInterface =
      udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_interface");
  unsigned long number = 0;
  if (usbInterface &&
      parseHex(udev_device_get_sysattr_value(usbInterface, "bInterfaceNumber"), 0xFF, number)) {
    info.interfaceNumber = static_cast<int>(number);
  }
  return info;
}

std::optional<HidInterfaceInfo> LinuxHidBackend::describeUsbDevice(udev_device* device) const {
  const char* type = udev_device_get_devtype(device);
  HidInterfaceInfo info;
  if (!type || std::strcmp(type, "usb_device") != 0 || !readUsbIds(device, info)) {
    return std::nullopt;
  }
  for (const UsbId& watched : usbDevices_) {
    if (watched.vendor == info.vendorId && watched.product == info.productId) {
      info.path = udev_device_get_syspath(device);
      info.kind = HidNodeKind::UsbDevice;
      return info;
    }
  }
  return std::nullopt;
}

std::unique_ptr<HidBackend> createHidBackend() {
  return std::make_unique<LinuxHidBackend>(std::vector<UsbId>{{kXboxVendor, kXboxProduct}});
}

}  // namespace ostrel
