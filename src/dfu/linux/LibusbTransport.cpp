#include "dfu/linux/LibusbTransport.h"

#include "dfu/DfuText.h"

#include <cstdio>
#include <iterator>

namespace ostrel {
namespace {

constexpr uint8_t kDfuClass = 0xFE;
constexpr uint8_t kDfuSubclass = 0x01;
constexpr uint8_t kDfuModeProtocol = 2;

// 0 when the device has no DFU interface, else the first one's protocol.
uint8_t dfuProtocol(libusb_device* device) {
  libusb_config_descriptor* config = nullptr;
  if (libusb_get_config_descriptor(device, 0, &config) != 0) return 0;
  uint8_t protocol = 0;
  for (int i = 0; i < config->bNumInterfaces && !protocol; ++i)
    for (int a = 0; a < config->interface[i].num_altsetting && !protocol; ++a) {
      const libusb_interface_descriptor& d = config->interface[i].altsetting[a];
      if (d.bInterfaceClass == kDfuClass && d.bInterfaceSubClass == kDfuSubclass) protocol = d.bInterfaceProtocol;
    }
  libusb_free_config_descriptor(config);
  return protocol;
}

std::string productText(libusb_device_handle* handle, uint8_t index) {
  if (!handle || index == 0) return {};
  unsigned char text[256] = {};
  const int length = libusb_get_string_descriptor_ascii(handle, index, text, sizeof text);
  return length > 0 ? std::string(reinterpret_cast<char*>(text), static_cast<size_t>(length)) : std::string();
}

}  // namespace

std::unique_ptr<UsbTransport> createUsbTransport() { return std::make_unique<LibusbTransport>(); }

LibusbTransport::LibusbTransport() {
  if (libusb_init(&context_) != 0) context_ = nullptr;
}

LibusbTransport::~LibusbTransport() {
  running_ = false;
  if (hotplugRegistered_) libusb_hotplug_deregister_callback(context_, hotplug_);  // wakes the event thread
  if (events_.joinable()) events_.join();
  open_.clear();
  if (context_) libusb_exit(context_);
}

std::shared_ptr<LibusbDevice::Handle> LibusbTransport::handleFor(libusb_device* device, const std::string& path) {
  std::lock_guard lock(mutex_);
  auto& slot = open_[path];
  libusb_device_handle* handle = nullptr;
  if (!slot && libusb_open(device, &handle) == 0) slot = std::make_shared<LibusbDevice::Handle>(handle);
  if (!slot) open_.erase(path);
  return open_.count(path) ? open_[path] : nullptr;
}

// Closes the handles of devices that have left the bus.
void LibusbTransport::forgetAbsent(libusb_device** list) {
  std::lock_guard lock(mutex_);
  for (auto it = open_.begin(); it != open_.end();) {
    bool present = false;
    for (libusb_device** d = list; *d && !present; ++d) present = pathOf(*d) == it->first;
    it = present ? std::next(it) : open_.erase(it);
  }
}

std::string LibusbTransport::pathOf(libusb_device* device) {
  libusb_device_descriptor d{};
  libusb_get_device_descriptor(device, &d);
  uint8_t ports[8] = {};
  const int count = libusb_get_port_numbers(device, ports, sizeof ports);
  std::string portText;
  for (int i = 0; i < count; ++i) portText += (i ? "." : "") + std::to_string(ports[i]);
  char path[96];
  std::snprintf(path, sizeof path, "usb-%03u-%s-%04x-%04x", libusb_get_bus_number(device),
                portText.empty() ? "0" : portText.c_str(), d.idVendor, d.idProduct);
  return path;
}

std::vector<UsbDeviceEntry> LibusbTransport::findDfuDevices() {
  std::vector<UsbDeviceEntry> entries;
  libusb_device** list = nullptr;
  if (!context_ || libusb_get_device_list(context_, &list) < 0) return entries;
  forgetAbsent(list);
  for (libusb_device** d = list; *d; ++d) {
    const uint8_t protocol = dfuProtocol(*d);
    if (!protocol) continue;
    libusb_device_descriptor descriptor{};
    libusb_get_device_descriptor(*d, &descriptor);
    const std::string path = pathOf(*d);
    const auto handle = handleFor(*d, path);
    entries.push_back({path, productText(handle ? handle->handle : nullptr, descriptor.iProduct),
                       protocol == kDfuModeProtocol});
  }
  libusb_free_device_list(list, 1);
  return entries;
}

std::unique_ptr<UsbDevice> LibusbTransport::open(const std::string& path) {
  libusb_device** list = nullptr;
  if (!context_ || libusb_get_device_list(context_, &list) < 0) return nullptr;
  forgetAbsent(list);
  std::unique_ptr<UsbDevice> opened;
  for (libusb_device** d = list; *d && !opened; ++d) {
    const std::string devicePath = pathOf(*d);
    if (!equalsIgnoreCase(devicePath, path)) continue;
    if (auto handle = handleFor(*d, devicePath)) opened = std::make_unique<LibusbDevice>(std::move(handle));
  }
  libusb_free_device_list(list, 1);
  return opened;
}

void LibusbTransport::setListener(Listener listener) {
  {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
  }
  if (!events_.joinable()) startEvents();
}

void LibusbTransport::startEvents() {
  if (!context_ || !libusb_has_capability(LIBUSB_CAP_HAS_HOTPLUG)) return;
  const int events = LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED | LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT;
  if (libusb_hotplug_register_callback(context_, events, LIBUSB_HOTPLUG_NO_FLAGS, LIBUSB_HOTPLUG_MATCH_ANY,
                                       LIBUSB_HOTPLUG_MATCH_ANY, LIBUSB_HOTPLUG_MATCH_ANY, onHotplug, this,
                                       &hotplug_) != LIBUSB_SUCCESS)
    return;
  hotplugRegistered_ = true;
  running_ = true;
  events_ = std::thread([this] {
    while (running_) {
      timeval wait{0, 200000};
      libusb_handle_events_timeout_completed(context_, &wait, nullptr);
    }
  });
}

int LIBUSB_CALL LibusbTransport::onHotplug(libusb_context*, libusb_device* device, libusb_hotplug_event event,
                                           void* self) {
  auto* transport = static_cast<LibusbTransport*>(self);
  Listener listener;
  {
    std::lock_guard lock(transport->mutex_);
    listener = transport->listener_;
  }
  if (listener) listener({event == LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED, pathOf(device)});
  return 0;  // stay registered
}

}  // namespace ostrel
