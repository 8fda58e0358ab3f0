#include "dfu/sim/SimulatedDfuseDevice.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace ostrel {
namespace {

// Status codes of DFU 1.1.
constexpr uint8_t kErrTarget = 0x01;
constexpr uint8_t kErrWrite = 0x03;
constexpr uint8_t kErrErase = 0x04;
constexpr uint8_t kErrCheckErased = 0x05;
constexpr uint8_t kErrAddress = 0x08;
constexpr uint8_t kErrUnknown = 0x0E;
constexpr uint8_t kErrStalledPkt = 0x0F;

// DfuSe commands sent as block 0.
constexpr uint8_t kGetCommands = 0x00;
constexpr uint8_t kSetAddress = 0x21;
constexpr uint8_t kErase = 0x41;
constexpr uint8_t kReadUnprotect = 0x92;

const char* const kManufacturer = "Boot loader";
const char* const kSerial = "3276366B3032";

std::vector<MemoryTarget> regionsOf(const std::vector<std::string>& maps) {
  std::vector<MemoryTarget> regions;
  for (size_t i = 0; i < maps.size(); ++i) {
    MemoryTarget t;
    if (MemoryTarget::parse(maps[i], static_cast<uint8_t>(i), t)) regions.push_back(std::move(t));
  }
  return regions;
}

std::vector<uint8_t> stringDescriptor(const std::string& text) {
  std::vector<uint8_t> d = {static_cast<uint8_t>(2 + 2 * text.size()), 3};
  for (char c : text) d.insert(d.end(), {static_cast<uint8_t>(c), 0});
  return d;
}

uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

}  // namespace

SimulatedDfuseDevice::SimulatedDfuseDevice(SimulatedDfuseConfig config, DfuClock& clock)
    : config_(std::move(config)), clock_(clock), flash_(regionsOf(config_.memoryMaps)) {
  // F1-style option bytes: RDP, USER, DATA0/1, WRP0..3, each beside its complement.
  const uint8_t rdp = config_.readProtected ? 0x00 : 0xA5;
  const uint8_t options[16] = {rdp, static_cast<uint8_t>(~rdp), 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00,
                               0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00};
  flash_.write(kOptionBytesAddress, options, sizeof options);
}

void SimulatedDfuseDevice::setDetachHandler(std::function<void()> handler) {
  std::lock_guard lock(mutex_);
  detachHandler_ = std::move(handler);
}

void SimulatedDfuseDevice::setAfterRequest(std::function<void(uint32_t, uint32_t)> hook) {
  std::lock_guard lock(mutex_);
  afterRequest_ = std::move(hook);
}

void SimulatedDfuseDevice::setFaults(const SimulatedDfuseFaults& faults) {
  std::lock_guard lock(mutex_);
  config_.faults = faults;
}

void SimulatedDfuseDevice::detach() {
  std::lock_guard lock(mutex_);
  attached_ = false;
}

UsbStatus SimulatedDfuseDevice::control(const UsbSetup& setup, uint8_t* data, size_t& transferred) {
  std::function<void()> notify;
  std::function<void(uint32_t, uint32_t)> after;
  uint32_t erased = 0, written = 0, answerMs = 0;
  UsbStatus result;
  {
    std::lock_guard lock(mutex_);
    transferred = 0;
    if (!attached_) return UsbStatus::noDevice;
    const bool isClass = (setup.requestType & 0x60) != 0;
    result = isClass ? classRequest(setup, data, transferred) : standardRequest(setup, data, transferred);
    if (result == UsbStatus::ok && !(setup.requestType & kUsbDirIn)) transferred = setup.length;
    if (leaving_) {
      attached_ = false;
      leaving_ = false;
      notify = detachHandler_;
    }
    if (isClass) after = afterRequest_;
    if (isClass && setup.request == DfuRequests::kGetStatus && stuck_ && state_ == kDfuDnBusy)
      answerMs = config_.faults.stuckAnswerMs;
    erased = erased_;
    written = written_;
  }
  if (notify) notify();
  if (answerMs) std::this_thread::sleep_for(std::chrono::milliseconds(answerMs));
  if (after) after(erased, written);
  return result;
}

UsbStatus SimulatedDfuseDevice::selectInterface(uint8_t interfaceNumber, uint8_t alternate) {
  std::lock_guard lock(mutex_);
  if (!attached_) return UsbStatus::noDevice;
  return interfaceNumber == 0 && alternate < config_.memoryMaps.size() ? UsbStatus::ok : UsbStatus::stall;
}

UsbStatus SimulatedDfuseDevice::standardRequest(const UsbSetup& setup, uint8_t* data, size_t& transferred) {
  constexpr uint8_t kGetDescriptor = 6;
  if (setup.requestType != kUsbDirIn || setup.request != kGetDescriptor) return UsbStatus::stall;
  const std::vector<uint8_t> d = descriptor(setup.value >> 8, setup.value & 0xFF);
  if (d.empty()) return UsbStatus::stall;
  transferred = std::min<size_t>(d.size(), setup.length);
  std::memcpy(data, d.data(), transferred);
  return UsbStatus::ok;
}

std::vector<uint8_t> SimulatedDfuseDevice::descriptor(uint8_t type, uint8_t index) const {
  const auto lo = [](uint16_t v) { return static_cast<uint8_t>(v); };
  const auto hi = [](uint16_t v) { return static_cast<uint8_t>(v >> 8); };
  const uint8_t productIndex = config_.productName.empty() ? 0 : 2;
  if (type == 1)
    return {18, 1, 0x00, 0x02, 0, 0, 0, 64, lo(config_.vendor), hi(config_.vendor), lo(config_.product),
            hi(config_.product), lo(config_.bcdDevice), hi(config_.bcdDevice), 1, productIndex, 3, 1};
  if (type == 2) return configurationDescriptor();
  if (type != 3) return {};
  if (index == 0) return {4, 3, 0x09, 0x04};
  if (index == 1) return stringDescriptor(kManufacturer);
  if (index == 2 && productIndex) return stringDescriptor(config_.productName);
  if (index == 3) return stringDescriptor(kSerial);
  if (index >= 4 && index - 4u < config_.memoryMaps.size()) return stringDescriptor(config_.memoryMaps[index - 4]);
  return {};
}

std::vector<uint8_t> SimulatedDfuseDevice::configurationDescriptor() const {
  std::vector<uint8_t> d = {9, 2, 0, 0, 1, 1, 0, 0xC0, 50};
  for (size_t alt = 0; alt < config_.memoryMaps.size(); ++alt)
    d.insert(d.end(), {9, 4, 0, static_cast<uint8_t>(alt), 0, 0xFE, 0x01, config_.protocol,
                       static_cast<uint8_t>(4 + alt)});
  d.insert(d.end(), {9, 0x21, config_.attributes, 0xFF, 0x00, static_cast<uint8_t>(config_.transferSize),
                     static_cast<uint8_t>(config_.transferSize >> 8), static_cast<uint8_t>(config_.bcdDfuVersion),
                     static_cast<uint8_t>(config_.bcdDfuVersion >> 8)});
  d[2] = static_cast<uint8_t>(d.size());
  d[3] = static_cast<uint8_t>(d.size() >> 8);
  return d;
}

UsbStatus SimulatedDfuseDevice::stall() {
  state_ = kDfuErrorState;
  status_ = kErrStalledPkt;
  return UsbStatus::stall;
}

UsbStatus SimulatedDfuseDevice::classRequest(const UsbSetup& setup, uint8_t* data, size_t& transferred) {
  ++classRequests_;
  if (config_.protocol != 2) return UsbStatus::stall;  // application mode: only DETACH would be served
  switch (setup.request) {
    case DfuRequests::kDnload: return dnload(setup, data);
    case DfuRequests::kUpload: return upload(setup, data, transferred);
    case DfuRequests::kGetStatus: return getStatus(data, transferred);
    case DfuRequests::kClrStatus:
      if (state_ != kDfuErrorState) return stall();
      state_ = kDfuIdle;
      status_ = 0;
      return UsbStatus::ok;
    case DfuRequests::kGetState:
      if (setup.length < 1) return stall();
      data[0] = state_;
      transferred = 1;
      return UsbStatus::ok;
    case DfuRequests::kAbort:
      if (state_ != kDfuIdle && state_ != kDfuDnloadIdle && state_ != kDfuUploadIdle) return stall();
      state_ = kDfuIdle;
      return UsbStatus::ok;
    default: return stall();
  }
}

UsbStatus SimulatedDfuseDevice::dnload(const UsbSetup& setup, const uint8_t* data) {
  if (state_ != kDfuIdle && state_ != kDfuDnloadIdle) return stall();
  if (setup.length == 0) {
    if (state_ != kDfuDnloadIdle) return stall();
    state_ = kDfuManifestSync;
    return UsbStatus::ok;
  }
  if (setup.length > config_.transferSize || setup.value == 1) return stall();
  if (setup.value >= 2 && config_.faults.unplugAtWrite == static_cast<int>(written_) + 1) {
    leaving_ = true;
    return UsbStatus::noDevice;
  }
  pendingBlock_ = setup.value;
  pending_.assign(data, data + setup.length);
  state_ = kDfuDnloadSync;
  return UsbStatus::ok;
}

UsbStatus SimulatedDfuseDevice::upload(const UsbSetup& setup, uint8_t* data, size_t& transferred) {
  if ((state_ != kDfuIdle && state_ != kDfuUploadIdle) || setup.length > config_.transferSize) return stall();
  if (setup.value == 0) {
    const uint8_t commands[] = {kGetCommands, kSetAddress, kErase, kReadUnprotect};
    transferred = std::min<size_t>(sizeof commands, setup.length);
    std::memcpy(data, commands, transferred);
  } else {
    if (setup.value == 1) return stall();
    const uint64_t address = pointer_ + uint64_t{setup.value - 2u} * config_.transferSize;
    const MemoryTarget* region = address > 0xFFFFFFFFull ? nullptr : flash_.regionAt(static_cast<uint32_t>(address));
    if (!region || (config_.readProtected && region->alternate == 0)) return stall();
    transferred = flash_.read(static_cast<uint32_t>(address), data, setup.length);
    if (transferred == 0) return stall();
  }
  // A short frame ends the upload.
  state_ = transferred < config_.transferSize ? kDfuIdle : kDfuUploadIdle;
  return UsbStatus::ok;
}

UsbStatus SimulatedDfuseDevice::getStatus(uint8_t* data, size_t& transferred) {
  uint32_t poll = 0;
  if (state_ == kDfuDnloadSync) {
    execute();
    poll = busyMs_;
  } else if (state_ == kDfuDnBusy) {
    const uint64_t now = clock_.nowMicros();
    if (stuck_ || now < busyUntil_) {
      poll = stuck_ ? busyMs_ : static_cast<uint32_t>((busyUntil_ - now + 999) / 1000);
    } else {
      status_ = pendingStatus_;
      state_ = status_ ? kDfuErrorState : kDfuDnloadIdle;
    }
  } else if (state_ == kDfuManifestSync) {
    state_ = kDfuManifest;
    poll = config_.timing.manifest;
    imposedWaitMs_ += poll;
    left_ = true;
    leaving_ = true;
  }
  const auto bytes = DfuStatus{status_, poll, state_, 0}.encode();
  transferred = bytes.size();
  std::memcpy(data, bytes.data(), bytes.size());
  return UsbStatus::ok;
}

void SimulatedDfuseDevice::startBusy(uint32_t ms) {
  busyMs_ = ms;
  busyUntil_ = clock_.nowMicros() + uint64_t{ms} * 1000;
  imposedWaitMs_ += ms;
  stuck_ = config_.faults.stuckBusy;
  state_ = kDfuDnBusy;
}

void SimulatedDfuseDevice::execute() {
  pendingStatus_ = pendingBlock_ == 0 ? runCommand() : runWrite();
}

uint8_t SimulatedDfuseDevice::runCommand() {
  const SimulatedDfuseTiming& t = config_.timing;
  const uint8_t command = pending_[0];
  if (command == kSetAddress && pending_.size() == 5) {
    startBusy(t.command);
    const uint32_t address = le32(&pending_[1]);
    if (!flash_.regionAt(address)) return kErrAddress;
    pointer_ = address;
    return 0;
  }
  if (command == kErase && pending_.size() == 5) {
    const MemorySector* sector = flash_.sectorAt(le32(&pending_[1]));
    startBusy(t.eraseBase + t.erasePerKb * (sector ? sector->size / 1024 : 0));
    stuck_ = stuck_ || config_.faults.stuckErasing;
    if (config_.readProtected || config_.faults.statusErrorAtErase == static_cast<int>(erased_)) return kErrErase;
    if (!sector || flash_.eraseSector(sector->address) != SimulatedFlash::Result::ok) return kErrTarget;
    ++erased_;
    return 0;
  }
  if (command == kReadUnprotect && pending_.size() == 1) {
    startBusy(t.massErase);
    erased_ += static_cast<uint32_t>(flash_.eraseAll());
    const uint8_t rdp[2] = {0xA5, 0x5A};
    flash_.write(kOptionBytesAddress, rdp, 2);
    config_.readProtected = false;
    return 0;
  }
  startBusy(t.command);
  return kErrUnknown;
}

uint8_t SimulatedDfuseDevice::runWrite() {
  startBusy(config_.timing.write);
  const int number = static_cast<int>(++written_);
  if (config_.readProtected || config_.faults.statusErrorAtWrite == number) return kErrWrite;
  if (config_.faults.corruptWrite == number) pending_[0] ^= 0x5A;
  const uint64_t address = pointer_ + uint64_t{pendingBlock_ - 2u} * config_.transferSize;
  if (address > 0xFFFFFFFFull) return kErrAddress;
  switch (flash_.write(static_cast<uint32_t>(address), pending_.data(), pending_.size())) {
    case SimulatedFlash::Result::ok: writtenAddresses_.push_back(static_cast<uint32_t>(address)); return 0;
    case SimulatedFlash::Result::notErased: return kErrCheckErased;
    case SimulatedFlash::Result::notAllowed: return kErrWrite;
    case SimulatedFlash::Result::outside: break;
  }
  return kErrAddress;
}

std::vector<uint8_t> SimulatedDfuseDevice::memory(uint32_t address, size_t length) const {
  std::lock_guard lock(mutex_);
  std::vector<uint8_t> out(length);
  out.resize(flash_.read(address, out.data(), length));
  return out;
}

bool SimulatedDfuseDevice::attached() const { std::lock_guard lock(mutex_); return attached_; }
bool SimulatedDfuseDevice::leftDfuMode() const { std::lock_guard lock(mutex_); return left_; }
bool SimulatedDfuseDevice::readProtected() const { std::lock_guard lock(mutex_); return config_.readProtected; }
uint64_t SimulatedDfuseDevice::classRequests() const { std::lock_guard lock(mutex_); return classRequests_; }
uint64_t SimulatedDfuseDevice::imposedWaitMs() const { std::lock_guard lock(mutex_); return imposedWaitMs_; }
uint32_t SimulatedDfuseDevice::erasedSectors() const { std::lock_guard lock(mutex_); return erased_; }
uint32_t SimulatedDfuseDevice::writtenBlocks() const { std::lock_guard lock(mutex_); return written_; }
std::vector<uint32_t> SimulatedDfuseDevice::writtenAddresses() const {
  std::lock_guard lock(mutex_);
  return writtenAddresses_;
}

}  // namespace ostrel
