#include "dfu/DfuSession.h"

#include "dfu/DfuCodes.h"

#include <algorithm>

namespace ostrel {
namespace {

constexpr uint8_t kSetAddressCommand = 0x21;
constexpr uint8_t kEraseCommand = 0x41;
constexpr int kMaxPolls = 100000;     // a device that names no time-out must still end
constexpr uint32_t kWaitSliceMs = 50;  // how promptly a stop request ends a long wait

}  // namespace

DfuSession::DfuSession(UsbDevice& device, uint16_t interfaceNumber, uint16_t transferSize, DfuClock& clock,
                       const std::atomic<bool>& stop)
    : requests_(device, interfaceNumber), transferSize_(transferSize), clock_(clock), stop_(stop) {}

uint32_t DfuSession::wait(uint32_t ms) {
  while (ms > 0) {
    if (stop_) return kDfuStopped;
    const uint32_t slice = std::min(ms, kWaitSliceMs);
    clock_.sleepMillis(slice);
    ms -= slice;
  }
  return stop_ ? kDfuStopped : kDfuSuccess;
}

uint32_t DfuSession::begin() {
  for (int attempt = 0; attempt < 8; ++attempt) {
    if (stop_) return kDfuStopped;
    DfuStatus s;
    if (UsbStatus u = requests_.getStatus(s); u != UsbStatus::ok) return DfuRequests::code(u);
    UsbStatus u = UsbStatus::ok;
    switch (s.state) {
      case kDfuIdle:
      case kDfuDnloadIdle: return kDfuSuccess;
      case kDfuUploadIdle: u = requests_.abort(); break;
      case kDfuErrorState: u = requests_.clearStatus(); break;
      case kDfuDnloadSync:
      case kDfuDnBusy:
        if (uint32_t code = wait(s.pollTimeout); code != kDfuSuccess) return code;
        break;
      default: return kDfuBadStateMachine;
    }
    if (u != UsbStatus::ok) return DfuRequests::code(u);
  }
  return kDfuBadStateMachine;
}

uint32_t DfuSession::command(uint16_t block, const uint8_t* data, uint16_t length) {
  if (stop_) return kDfuStopped;
  if (UsbStatus u = requests_.dnload(block, data, length); u != UsbStatus::ok) return DfuRequests::code(u);
  uint64_t waited = 0;
  for (int poll = 0; poll < kMaxPolls; ++poll) {
    DfuStatus s;
    if (UsbStatus u = requests_.getStatus(s); u != UsbStatus::ok) return DfuRequests::code(u);
    if (s.state == kDfuDnBusy || s.state == kDfuDnloadSync) {
      waited += s.pollTimeout;
      if (waited > kMaxBusyMs) return kDfuRetryError;
      if (uint32_t code = wait(s.pollTimeout); code != kDfuSuccess) return code;
      continue;
    }
    if (s.state == kDfuErrorState || s.status != 0) return kDfuError;
    return s.state == kDfuDnloadIdle || s.state == kDfuIdle ? kDfuSuccess : kDfuBadStateMachine;
  }
  return kDfuRetryError;
}

uint32_t DfuSession::addressCommand(uint8_t code, uint32_t address) {
  const uint8_t bytes[5] = {code, static_cast<uint8_t>(address), static_cast<uint8_t>(address >> 8),
                            static_cast<uint8_t>(address >> 16), static_cast<uint8_t>(address >> 24)};
  return command(0, bytes, sizeof bytes);
}

uint32_t DfuSession::setAddress(uint32_t address) { return addressCommand(kSetAddressCommand, address); }

uint32_t DfuSession::eraseSector(uint32_t address) { return addressCommand(kEraseCommand, address); }

uint32_t DfuSession::write(uint16_t block, const uint8_t* data, uint16_t length) {
  return command(block, data, length);
}

uint32_t DfuSession::read(uint16_t block, uint8_t* data, uint16_t length) {
  if (stop_) return kDfuStopped;
  size_t received = 0;
  if (UsbStatus u = requests_.upload(block, data, length, received); u != UsbStatus::ok)
    return DfuRequests::code(u);
  return received == length ? kDfuSuccess : kDfuError;
}

uint32_t DfuSession::abort() {
  if (stop_) return kDfuStopped;
  return DfuRequests::code(requests_.abort());
}

uint32_t DfuSession::leave() {
  if (stop_) return kDfuStopped;
  if (UsbStatus u = requests_.dnload(0, nullptr, 0); u != UsbStatus::ok) return DfuRequests::code(u);
  DfuStatus s;
  const UsbStatus u = requests_.getStatus(s);
  if (u == UsbStatus::noDevice) return kDfuSuccess;  // already gone to start its program
  if (u != UsbStatus::ok) return DfuRequests::code(u);
  return s.state == kDfuManifest || s.state == kDfuManifestSync || s.state == kDfuManifestWaitReset
             ? kDfuSuccess
             : kDfuBadStateMachine;
}

}  // namespace ostrel
