#pragma once
// The DfuSe steps a background operation takes on one open device: each
// download command is DNLOAD, then GETSTATUS until the device has finished,
// waiting the poll time-out the device names before every new GETSTATUS.
// Waits go through the clock; a stop request ends the session between
// requests and inside long waits.

#include "dfu/DfuClock.h"
#include "dfu/DfuRequests.h"

#include <atomic>

namespace ostrel {

class DfuSession {
 public:
  // Longest a device may stay busy on one command before the session gives up.
  static constexpr uint32_t kMaxBusyMs = 60000;

  DfuSession(UsbDevice& device, uint16_t interfaceNumber, uint16_t transferSize, DfuClock& clock,
             const std::atomic<bool>& stop);

  uint16_t transferSize() const { return transferSize_; }

  // Brings the device to dfuIDLE or dfuDNLOAD-IDLE.
  uint32_t begin();
  uint32_t setAddress(uint32_t address);
  uint32_t eraseSector(uint32_t address);
  uint32_t write(uint16_t block, const uint8_t* data, uint16_t length);
  // Reads exactly length bytes of block (DfuSe: address pointer + (block - 2) * transfer size).
  uint32_t read(uint16_t block, uint8_t* data, uint16_t length);
  uint32_t abort();
  // The zero-length download that makes the device manifest and start its program.
  uint32_t leave();

 private:
  uint32_t command(uint16_t block, const uint8_t* data, uint16_t length);
  uint32_t addressCommand(uint8_t command, uint32_t address);
  uint32_t wait(uint32_t ms);

  DfuRequests requests_;
  uint16_t transferSize_;
  DfuClock& clock_;
  const std::atomic<bool>& stop_;
};

}  // namespace ostrel
