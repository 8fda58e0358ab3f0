#pragma once
// A USB bus holding simulated DfuSe devices: the transport that tests and the
// demo program hand to the firmware update. Plugging and unplugging raise the
// same arrival and removal events a real transport does; a device that leaves
// the bus by itself (manifestation, an injected unplug) is removed too.

#include "dfu/UsbTransport.h"
#include "dfu/sim/SimulatedDfuseDevice.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>

namespace ostrel {

class SimulatedUsbBus : public UsbTransport {
 public:
  ~SimulatedUsbBus() override;

  // afterLeaving runs once the device has left the bus by itself (not when
  // it is unplugged), on the thread that talked to it last.
  void plug(const std::string& path, std::shared_ptr<SimulatedDfuseDevice> device,
            std::function<void()> afterLeaving = nullptr);
  void unplug(const std::string& path);
  std::shared_ptr<SimulatedDfuseDevice> device(const std::string& path) const;

  std::vector<UsbDeviceEntry> findDfuDevices() override;
  std::unique_ptr<UsbDevice> open(const std::string& path) override;
  void setListener(Listener listener) override;

 private:
  void notify(const UsbDeviceEvent& event);

  mutable std::mutex mutex_;
  std::map<std::string, std::shared_ptr<SimulatedDfuseDevice>> devices_;
  Listener listener_;
};

}  // namespace ostrel
