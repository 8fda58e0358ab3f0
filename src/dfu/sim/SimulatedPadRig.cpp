#include "dfu/sim/SimulatedPadRig.h"

#include "dfu/sim/SimulatedFirmwareImage.h"

namespace ostrel {

SimulatedPadRig::SimulatedPadRig(DfuClock& clock, SimulatedDfuseConfig bootLoader)
    : clock_(clock), config_(std::move(bootLoader)) {
  pad_.setDetachHandler([this] { enterBootLoader(); });
}

SimulatedPadRig::~SimulatedPadRig() {
  pad_.setDetachHandler(nullptr);
  std::lock_guard lock(transition_);
  leaveBootLoader();
}

void SimulatedPadRig::plugPad() {
  std::lock_guard lock(transition_);
  leaveBootLoader();
  pad_.plug();
}

void SimulatedPadRig::enterBootLoader() {
  std::lock_guard lock(transition_);
  pad_.unplug();
  if (bus_.device(kBootLoaderPath)) return;
  auto device = std::make_shared<SimulatedDfuseDevice>(config_, clock_);
  ++arrivals_;
  bus_.plug(kBootLoaderPath, device, [this, weak = std::weak_ptr(device)] { bootLoaderLeft(weak); });
}

void SimulatedPadRig::unplug() {
  std::lock_guard lock(transition_);
  leaveBootLoader();
  pad_.unplug();
}

std::shared_ptr<SimulatedDfuseDevice> SimulatedPadRig::bootLoader() const { return bus_.device(kBootLoaderPath); }

void SimulatedPadRig::setBootLoaderConfig(SimulatedDfuseConfig config) {
  std::lock_guard lock(transition_);
  config_ = std::move(config);
}

void SimulatedPadRig::setBootLoaderFaults(const SimulatedDfuseFaults& faults) {
  std::lock_guard lock(transition_);
  config_.faults = faults;
  if (auto device = bus_.device(kBootLoaderPath)) device->setFaults(faults);
}

int SimulatedPadRig::bootLoaderArrivals() const {
  std::lock_guard lock(transition_);
  return arrivals_;
}

void SimulatedPadRig::leaveBootLoader() {
  if (bus_.device(kBootLoaderPath)) bus_.unplug(kBootLoaderPath);
}

void SimulatedPadRig::bootLoaderLeft(const std::weak_ptr<SimulatedDfuseDevice>& weak) {
  const auto device = weak.lock();
  // Pulled out in the middle of its work, the boot loader takes the pad with it.
  if (!device || !device->leftDfuMode()) return;
  const auto word = device->memory(kSimulatedFlashStart + kFirmwareVersionOffset, 2);
  const auto version =
      word.size() == 2 ? firmwareVersionFromBcd(static_cast<uint16_t>(word[0] | word[1] << 8)) : std::nullopt;
  std::lock_guard lock(transition_);
  if (version) pad_.withFirmware([&](SimulatedPadFirmware& firmware) { firmware.version = *version; });
  pad_.plug();
}

}  // namespace ostrel
