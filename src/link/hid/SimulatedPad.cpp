#include "link/hid/SimulatedPad.h"

#include "link/PadIdentity.h"

namespace ostrel {

SimulatedPad::~SimulatedPad() { stopEvents(); }

std::string SimulatedPad::interfacePath(int number) {
  return "sim:pad/if" + std::to_string(number);
}

std::string SimulatedPad::xbox360Path() { return "sim:xbox360"; }

void SimulatedPad::plug() {
  std::vector<HidInterfaceInfo> arrived;
  {
    std::lock_guard lock(mutex_);
    if (mode_ == Mode::Pad) return;
    mode_ = Mode::Pad;
    arrived = present();
  }
  emit(HidEventType::Arrival, arrived);
}

void SimulatedPad::unplug() { leaveBus(); }

void SimulatedPad::switchToXbox360() {
  leaveBus();
  std::vector<HidInterfaceInfo> arrived;
  {
    std::lock_guard lock(mutex_);
    mode_ = Mode::Xbox360;
    arrived = present();
  }
  emit(HidEventType::Arrival, arrived);
}

SimulatedPad::Mode SimulatedPad::mode() const {
  std::lock_guard lock(mutex_);
  return mode_;
}

void SimulatedPad::setAnswerDelay(std::chrono::milliseconds delay) {
  std::lock_guard lock(mutex_);
  answerDelay_ = delay;
}

void SimulatedPad::setDetachHandler(std::function<void()> handler) {
  std::lock_guard lock(mutex_);
  detachHandler_ = std::move(handler);
}

void SimulatedPad::setRequestFilter(RequestFilter filter) {
  std::lock_guard lock(mutex_);
  requestFilter_ = std::move(filter);
}

void SimulatedPad::sendKeyReport(const Report& report) {
  std::lock_guard lock(mutex_);
  if (mode_ == Mode::Pad) deliver(kKeyInterface, {report}, std::chrono::milliseconds{0});
}

void SimulatedPad::withFirmware(const std::function<void(SimulatedPadFirmware&)>& use) {
  std::lock_guard lock(mutex_);
  use(firmware_);
}

std::vector<Report> SimulatedPad::receivedReports() const {
  std::lock_guard lock(mutex_);
  return received_;
}

void SimulatedPad::clearReceivedReports() {
  std::lock_guard lock(mutex_);
  received_.clear();
}

std::vector<HidInterfaceInfo> SimulatedPad::enumerate() {
  std::lock_guard lock(mutex_);
  return present();
}

std::unique_ptr<HidDevice> SimulatedPad::open(const std::string& path) {
  std::lock_guard lock(mutex_);
  if (mode_ != Mode::Pad) return nullptr;
  std::erase_if(channels_, [](const auto& entry) { return entry.second.expired(); });
  for (int number = 0; number < kPadInterfaceCount; ++number) {
    if (path != interfacePath(number)) continue;
    auto channel = std::make_shared<SimulatedChannel>();
    channels_.emplace_back(number, channel);
    return std::make_unique<SimulatedPadDevice>(
        channel, [this, number](const Report& report) { return hostWrite(number, report); });
  }
  return nullptr;
}

void SimulatedPad::startEvents(HidEventHandler handler) {
  std::lock_guard lock(handlerMutex_);
  handler_ = std::move(handler);
}

void SimulatedPad::stopEvents() {
  std::lock_guard lock(handlerMutex_);
  handler_ = nullptr;
}

bool SimulatedPad::hostWrite(int interfaceNumber, const Report& report) {
  SimulatedPadFirmware::Outcome outcome;
  {
    std::lock_guard lock(mutex_);
    if (mode_ != Mode::Pad) return false;
    if (interfaceNumber != kCommandInterface) return true;  // the pad ignores them
    received_.push_back(report);
    if (requestFilter_ && !requestFilter_(report)) return true;
    outcome = firmware_.handle(report);
    deliver(kCommandInterface, outcome.answers, answerDelay_);
  }
  if (outcome.detach) {
    leaveBus();
    std::function<void()> detached;
    {
      std::lock_guard lock(mutex_);
      detached = detachHandler_;
    }
    if (detached) detached();
  }
  return true;
}

std::vector<HidInterfaceInfo> SimulatedPad::present() const {
  std::vector<HidInterfaceInfo> devices;
  if (mode_ == Mode::Pad) {
    for (int number = 0; number < kPadInterfaceCount; ++number) {
      devices.push_back({interfacePath(number), kPadVendor, kPadProduct, number});
    }
  } else if (mode_ == Mode::Xbox360) {
    devices.push_back({xbox360Path(), kXboxVendor, kXboxProduct, 0});
  }
  return devices;
}

void SimulatedPad::deliver(int interfaceNumber, const std::vector<Report>& reports,
                           std::chrono::milliseconds delay) {
  const auto readyAt = SimulatedChannel::Clock::now() + delay;
  for (auto& [number, weak] : channels_) {
    auto channel = weak.lock();
    if (!channel || number != interfaceNumber) continue;
    for (const Report& report : reports) channel->deliver(report, readyAt);
  }
}

void SimulatedPad::emit(HidEventType type, const std::vector<HidInterfaceInfo>& devices) {
  std::lock_guard lock(handlerMutex_);
  if (!handler_) return;
  for (const HidInterfaceInfo& device : devices) handler_({type, device});
}

void SimulatedPad::leaveBus() {
  std::vector<HidInterfaceInfo> left;
  {
    std::lock_guard lock(mutex_);
    left = present();
    mode_ = Mode::Unplugged;
    for (auto& [number, weak] : channels_) {
      if (auto channel = weak.lock()) channel->disconnect();
    }
    channels_.clear();
  }
  emit(HidEventType::Removal, left);
}

}  // namespace ostrel
