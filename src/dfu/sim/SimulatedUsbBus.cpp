#include "dfu/sim/SimulatedUsbBus.h"

#include "dfu/DfuText.h"

namespace ostrel {
namespace {

// An open simulated device; it fails with noDevice once the device is gone.
class SimulatedUsbHandle : public UsbDevice {
 public:
  explicit SimulatedUsbHandle(std::shared_ptr<SimulatedDfuseDevice> device) : device_(std::move(device)) {}
  UsbStatus control(const UsbSetup& setup, uint8_t* data, size_t& transferred) override {
    return device_->control(setup, data, transferred);
  }
  UsbStatus selectInterface(uint8_t interfaceNumber, uint8_t alternate) override {
    return device_->selectInterface(interfaceNumber, alternate);
  }

 private:
  std::shared_ptr<SimulatedDfuseDevice> device_;
};

}  // namespace

SimulatedUsbBus::~SimulatedUsbBus() {
  for (auto& [path, device] : devices_) device->setDetachHandler(nullptr);
}

void SimulatedUsbBus::plug(const std::string& path, std::shared_ptr<SimulatedDfuseDevice> device,
                           std::function<void()> afterLeaving) {
  device->setDetachHandler([this, path, afterLeaving = std::move(afterLeaving)] {
    unplug(path);
    if (afterLeaving) afterLeaving();
  });
  {
    std::lock_guard lock(mutex_);
    devices_[path] = std::move(device);
  }
  notify({true, path});
}

void SimulatedUsbBus::unplug(const std::string& path) {
  std::shared_ptr<SimulatedDfuseDevice> device;
  {
    std::lock_guard lock(mutex_);
    auto it = devices_.find(path);
    if (it == devices_.end()) return;
    device = std::move(it->second);
    devices_.erase(it);
  }
  device->setDetachHandler(nullptr);
  device->detach();
  notify({false, path});
}

std::shared_ptr<SimulatedDfuseDevice> SimulatedUsbBus::device(const std::string& path) const {
  std::lock_guard lock(mutex_);
  auto it = devices_.find(path);
  return it == devices_.end() ? nullptr : it->second;
}

std::vector<UsbDeviceEntry> SimulatedUsbBus::findDfuDevices() {
  std::lock_guard lock(mutex_);
  std::vector<UsbDeviceEntry> entries;
  for (const auto& [path, device] : devices_)
    entries.push_back({path, device->config().productName, device->config().protocol == 2});
  return entries;
}

std::unique_ptr<UsbDevice> SimulatedUsbBus::open(const std::string& path) {
  auto device = this->device(path);
  if (!device) {  // the engine keeps paths in capitals
    std::lock_guard lock(mutex_);
    for (const auto& [p, d] : devices_)
      if (equalsIgnoreCase(p, path)) device = d;
  }
  return device ? std::make_unique<SimulatedUsbHandle>(device) : nullptr;
}

void SimulatedUsbBus::setListener(Listener listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
}

void SimulatedUsbBus::notify(const UsbDeviceEvent& event) {
  Listener listener;
  {
    std::lock_guard lock(mutex_);
    listener = listener_;
  }
  if (listener) listener(event);
}

}  // namespace ostrel
