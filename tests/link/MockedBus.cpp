#include "MockedBus.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace ostrel::testing {
namespace {

std::string hex4(uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04x", value);
  return text;
}

void add(UMockdevTestbed* testbed, const std::string& description) {
  GError* error = nullptr;
  if (!umockdev_testbed_add_from_string(testbed, description.c_str(), &error)) {
    const std::string message = error ? error->message : "unknown";
    g_clear_error(&error);
    throw std::runtime_error("umockdev: " + message);
  }
}

}  // namespace

MockedBus::MockedBus() : testbed_(umockdev_testbed_new()) {}

MockedBus::~MockedBus() {
  for (UMockdevIoctlBase* handler : handlers_) g_object_unref(handler);
  g_object_unref(testbed_);
}

std::string MockedBus::addUsbDevice(const std::string& port, uint16_t vendor, uint16_t product) {
  const std::string syspath = "/devices/pci0000:00/usb1/" + port;
  add(testbed_, "P: " + syspath + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nA: idVendor=" +
                    hex4(vendor) + "\nA: idProduct=" + hex4(product) + "\n");
  return "/sys" + syspath;
}

std::vector<std::string> MockedBus::addHidDevice(const std::string& port, uint16_t vendor,
                                                 uint16_t product, int interfaces, int firstNode) {
  const std::string device = "/devices/pci0000:00/usb1/" + port;
  add(testbed_, "P: " + device + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nA: idVendor=" +
                    hex4(vendor) + "\nA: idProduct=" + hex4(product) + "\n");
  std::vector<std::string> nodes;
  for (int i = 0; i < interfaces; ++i) {
    const std::string number = std::to_string(firstNode + i);
    const std::string usbInterface = device + "/" + port + ":1." + std::to_string(i);
    const std::string hid = usbInterface + "/0003:" + hex4(vendor) + ":" + hex4(product) + ".000" + number;
    const std::string raw = hid + "/hidraw/hidraw" + number;
    add(testbed_, "P: " + usbInterface + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\nA: bInterfaceNumber=0" +
                      std::to_string(i) + "\n\nP: " + hid + "\nE: SUBSYSTEM=hid\n\nP: " + raw +
                      "\nN: hidraw" + number + "\nE: SUBSYSTEM=hidraw\nE: DEVNAME=/dev/hidraw" + number +
                      "\nE: MAJOR=241\nE: MINOR=" + number + "\nA: dev=241:" + number + "\n");
    nodes.push_back("/sys" + raw);
  }
  return nodes;
}

void MockedBus::removal(const std::string& syspath) {
  umockdev_testbed_uevent(testbed_, syspath.c_str(), "remove");
}

void MockedBus::forgetNode(const std::string& syspath, const std::string& node) {
  GError* error = nullptr;
  if (!umockdev_testbed_detach_ioctl(testbed_, node.c_str(), &error)) g_clear_error(&error);
  umockdev_testbed_remove_device(testbed_, syspath.c_str());
}

void MockedBus::onWrite(const std::string& node, WriteHandler handler) {
  UMockdevIoctlBase* base = umockdev_ioctl_base_new();
  {
    std::lock_guard lock(mutex_);
    handlers_.push_back(base);
    writeHandlers_.emplace_back(base, std::move(handler));
  }
  g_signal_connect(base, "handle-write", G_CALLBACK(&MockedBus::handleWrite), this);
  GError* error = nullptr;
  if (!umockdev_testbed_attach_ioctl(testbed_, node.c_str(), base, &error)) {
    const std::string message = error ? error->message : "unknown";
    g_clear_error(&error);
    throw std::runtime_error("umockdev attach: " + message);
  }
}

gboolean MockedBus::handleWrite(UMockdevIoctlBase* base, UMockdevIoctlClient* client, gpointer self) {
  auto* bus = static_cast<MockedBus*>(self);
  UMockdevIoctlData* data = umockdev_ioctl_client_get_arg(client);
  const auto length = static_cast<std::size_t>(data->data_len);
  Report report{};
  for (std::size_t i = 0; i < length && i < report.size(); ++i) report[i] = data->data[i];
  WriteHandler handler;
  {
    std::lock_guard lock(bus->mutex_);
    for (auto& [owner, registered] : bus->writeHandlers_) {
      if (owner == base) handler = registered;
    }
  }
  if (handler) handler(report);
  umockdev_ioctl_client_complete(client, static_cast<glong>(length), 0);
  return TRUE;
}

void MockedBus::answer(const std::string& node, const Report& report) {
  const int master = umockdev_testbed_get_dev_fd(testbed_, node.c_str());
  if (master < 0 || ::write(master, report.data(), report.size()) != static_cast<ssize_t>(report.size())) {
    throw std::runtime_error("cannot answer on " + node);
  }
}

void MockedBus::hangUp(const std::string& node) {
  const int master = umockdev_testbed_get_dev_fd(testbed_, node.c_str());
  const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  if (master < 0 || null < 0 || ::dup2(null, master) < 0) throw std::runtime_error("cannot hang up " + node);
  ::close(null);
}

}  // namespace ostrel::testing
