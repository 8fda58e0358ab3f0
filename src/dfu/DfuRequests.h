#pragma once
// The DFU 1.1 class requests to one interface of an open device.

#include "dfu/UsbTransport.h"

#include "dfu/DfuCodes.h"

#include <array>
#include <cstdint>

namespace ostrel {

// Device states of DFU 1.1.
enum DfuState : uint8_t {
  kAppIdle = 0,
  kAppDetach = 1,
  kDfuIdle = 2,
  kDfuDnloadSync = 3,
  kDfuDnBusy = 4,
  kDfuDnloadIdle = 5,
  kDfuManifestSync = 6,
  kDfuManifest = 7,
  kDfuManifestWaitReset = 8,
  kDfuUploadIdle = 9,
  kDfuErrorState = 10,
};

// The six bytes of DFU_GETSTATUS.
struct DfuStatus {
  uint8_t status = 0;        // 0 OK, else an error code (errTARGET ...)
  uint32_t pollTimeout = 0;  // milliseconds before the next GETSTATUS
  uint8_t state = 0;
  uint8_t stringIndex = 0;

  static DfuStatus decode(const std::array<uint8_t, 6>& bytes);
  std::array<uint8_t, 6> encode() const;
};

class DfuRequests {
 public:
  enum Request : uint8_t { kDetach = 0, kDnload = 1, kUpload = 2, kGetStatus = 3, kClrStatus = 4, kGetState = 5, kAbort = 6 };

  // The layer's result code for a transfer's outcome: a stall is the device's
  // refusal, anything else (gone, time-out) is unexpected.
  static uint32_t code(UsbStatus status);

  DfuRequests(UsbDevice& device, uint16_t interfaceNumber) : device_(device), interface_(interfaceNumber) {}

  UsbStatus dnload(uint16_t block, const uint8_t* data, uint16_t length);
  UsbStatus upload(uint16_t block, uint8_t* data, uint16_t length, size_t& received);
  UsbStatus getStatus(std::array<uint8_t, 6>& raw);
  UsbStatus getStatus(DfuStatus& status);
  UsbStatus clearStatus();
  UsbStatus abort();

 private:
  UsbStatus request(bool in, Request request, uint16_t value, uint8_t* data, uint16_t length, size_t& moved);

  UsbDevice& device_;
  uint16_t interface_;
};

}  // namespace ostrel
