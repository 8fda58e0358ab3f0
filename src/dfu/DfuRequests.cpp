#include "dfu/DfuRequests.h"

namespace ostrel {

DfuStatus DfuStatus::decode(const std::array<uint8_t, 6>& b) {
  return {b[0], static_cast<uint32_t>(b[1] | b[2] << 8 | b[3] << 16), b[4], b[5]};
}

std::array<uint8_t, 6> DfuStatus::encode() const {
  return {status, static_cast<uint8_t>(pollTimeout), static_cast<uint8_t>(pollTimeout >> 8),
          static_cast<uint8_t>(pollTimeout >> 16), state, stringIndex};
}

uint32_t DfuRequests::code(UsbStatus status) {
  switch (status) {
    case UsbStatus::ok: return kDfuSuccess;
    case UsbStatus::stall: return kDfuError;
    default: return kDfuUnexpected;
  }
}

UsbStatus DfuRequests::request(bool in, Request request, uint16_t value, uint8_t* data, uint16_t length,
                               size_t& moved) {
  const UsbSetup setup{static_cast<uint8_t>(in ? kUsbDirIn | kUsbClassInterface : kUsbClassInterface), request,
                       value, interface_, length};
  moved = 0;
  return device_.control(setup, data, moved);
}

UsbStatus DfuRequests::dnload(uint16_t block, const uint8_t* data, uint16_t length) {
  size_t moved = 0;
  const UsbStatus status = request(false, kDnload, block, const_cast<uint8_t*>(data), length, moved);
  return status == UsbStatus::ok && moved != length ? UsbStatus::error : status;
}

UsbStatus DfuRequests::upload(uint16_t block, uint8_t* data, uint16_t length, size_t& received) {
  return request(true, kUpload, block, data, length, received);
}

UsbStatus DfuRequests::getStatus(std::array<uint8_t, 6>& raw) {
  size_t moved = 0;
  const UsbStatus status = request(true, kGetStatus, 0, raw.data(), 6, moved);
  return status == UsbStatus::ok && moved != 6 ? UsbStatus::error : status;
}

UsbStatus DfuRequests::getStatus(DfuStatus& out) {
  std::array<uint8_t, 6> raw{};
  const UsbStatus status = getStatus(raw);
  if (status == UsbStatus::ok) out = DfuStatus::decode(raw);
  return status;
}

UsbStatus DfuRequests::clearStatus() {
  size_t moved = 0;
  return request(false, kClrStatus, 0, nullptr, 0, moved);
}

UsbStatus DfuRequests::abort() {
  size_t moved = 0;
  return request(false, kAbort, 0, nullptr, 0, moved);
}

}  // namespace ostrel
