#pragma once
// The simulated pad and its boot loader wired together as the real hardware
// behaves: told '^', the pad leaves the HID bus and its DfuSe boot loader
// arrives on the USB bus; when the boot loader leaves DFU mode, it leaves the
// bus and the pad comes back running the firmware just flashed (the version
// word of the flashed image). The tests, the demo and the screenshots use it.
//
// Thread-safe: the pad's detach comes on the link's threads, the boot
// loader's departure on the thread of the DFU operation that ended it.

#include "dfu/DfuClock.h"
#include "dfu/sim/SimulatedDfuseDevice.h"
#include "dfu/sim/SimulatedUsbBus.h"
#include "link/hid/SimulatedPad.h"

#include <memory>
#include <mutex>

namespace ostrel {

class SimulatedPadRig {
 public:
  static constexpr const char* kBootLoaderPath = "sim-usb-1";

  explicit SimulatedPadRig(DfuClock& clock, SimulatedDfuseConfig bootLoader = {});
  ~SimulatedPadRig();
  SimulatedPadRig(const SimulatedPadRig&) = delete;
  SimulatedPadRig& operator=(const SimulatedPadRig&) = delete;

  SimulatedPad& pad() { return pad_; }
  SimulatedUsbBus& bus() { return bus_; }

  // The pad plugged in running its firmware (any boot loader leaves the bus).
  void plugPad();
  // The pad in its boot loader, as after '^' or an interrupted update.
  void enterBootLoader();
  // Both off the bus: the cable pulled.
  void unplug();

  // The boot loader now on the bus, or nullptr.
  std::shared_ptr<SimulatedDfuseDevice> bootLoader() const;
  // What every boot loader that arrives from now on is like.
  void setBootLoaderConfig(SimulatedDfuseConfig config);
  // Its faults, also of the boot loader now on the bus.
  void setBootLoaderFaults(const SimulatedDfuseFaults& faults);
  // How many times the boot loader has arrived.
  int bootLoaderArrivals() const;

 private:
  void leaveBootLoader();  // transition_ held
  void bootLoaderLeft(const std::weak_ptr<SimulatedDfuseDevice>& device);

  DfuClock& clock_;
  SimulatedPad pad_;
  SimulatedUsbBus bus_;
  mutable std::mutex transition_;  // one change of the buses at a time
  SimulatedDfuseConfig config_;
  int arrivals_ = 0;
};

}  // namespace ostrel
