#include "dfu/DfuOptionBytes.h"

#include "dfu/DfuCodes.h"
#include "dfu/DfuRequests.h"

namespace ostrel {
namespace {

constexpr int kMaxIdleSteps = 16;  // a device that never reaches idle must not hang the engine
constexpr uint8_t kFlashPointer[5] = {0x21, 0x00, 0x00, 0x00, 0x08};
constexpr uint8_t kOptionBytesPointer[5] = {0x21, 0x00, 0xF8, 0xFF, 0x1F};

}  // namespace

bool DfuOptionBytes::bringToIdle(DfuDevice& dfu, DfuHandle device, DfuClock& clock) {
  for (int step = 0; step < kMaxIdleSteps; ++step) {
    std::array<uint8_t, 6> raw{};
    if (dfu.getStatus(device, raw) != kDfuSuccess) return false;
    const DfuStatus s = DfuStatus::decode(raw);
    if (s.state == kDfuIdle) return true;
    if (s.state == kDfuDnBusy || s.state == kDfuDnloadSync) {
      clock.sleepMillis(s.pollTimeout);  // a command still runs: let it finish
    } else if (s.state == kDfuDnloadIdle || s.state == kDfuUploadIdle) {
      dfu.abort(device);
    } else {
      dfu.clearStatus(device);
    }
  }
  return false;
}

DfuOptionBytes DfuOptionBytes::read(DfuDevice& dfu, DfuHandle device, DfuClock& clock) {
  DfuOptionBytes ob;
  std::array<uint8_t, 16> bytes{};
  if (dfu.selectCurrentConfiguration(device, 0, 0, 1) == kDfuSuccess) {
    bringToIdle(dfu, device, clock);
    dfu.download(device, kFlashPointer, sizeof kFlashPointer, 0);
    bringToIdle(dfu, device, clock);
    dfu.upload(device, bytes.data(), bytes.size(), 2);
    std::array<uint8_t, 6> raw{};
    dfu.getStatus(device, raw);
    ob.readProtected = raw[4] == kDfuErrorState;
    if (raw[4] != kDfuIdle) bringToIdle(dfu, device, clock);
  }
  if (!ob.readProtected && dfu.selectCurrentConfiguration(device, 0, 0, 1) == kDfuSuccess) {
    bringToIdle(dfu, device, clock);
    dfu.download(device, kOptionBytesPointer, sizeof kOptionBytesPointer, 0);
    bringToIdle(dfu, device, clock);
    if (dfu.upload(device, bytes.data(), bytes.size(), 2) == kDfuSuccess) {
      ob.readProtection = bytes[0];
      ob.writeProtection = uint32_t{bytes[14]} << 24 | uint32_t{bytes[12]} << 16 | uint32_t{bytes[10]} << 8 | bytes[8];
    }
  }
  return ob;
}

void DfuOptionBytes::applyTo(std::vector<MemoryTarget>& targets) const {
  for (MemoryTarget& target : targets) {
    for (size_t n = 0; n < target.sectors.size(); ++n) {
      const unsigned bit = n <= 127 ? static_cast<unsigned>(n / 4) : 31;
      uint8_t flags = readProtection == 0xA5 ? kSectorReadable : 0;
      if (writeProtection >> bit & 1) flags |= kSectorErasable | kSectorWriteable;
      target.sectors[n].flags = flags;
    }
  }
}

}  // namespace ostrel
