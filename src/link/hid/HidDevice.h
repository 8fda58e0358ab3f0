#pragma once
// One open HID interface of a device: blocking reads of input reports, writes
// of output reports. Every member may be called from any thread; one thread
// reads at a time.

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace ostrel {

class HidDevice {
 public:
  // Results of readReport besides a report length.
  static constexpr int kClosed = 0;  // close() woke the read
  static constexpr int kGone = -1;   // the device left or failed

  virtual ~HidDevice() = default;
  // Blocks until one report arrives and returns its length (at most size),
  // or kClosed, or kGone.
  virtual int readReport(uint8_t* buffer, std::size_t size) = 0;
  // Writes one report (byte 0 is the report id). False when the device is
  // closed or gone, or the write failed or did not finish within timeout.
  virtual bool writeReport(const uint8_t* data, std::size_t size,
                           std::chrono::milliseconds timeout) = 0;
  // Wakes a blocked read; every later read returns kClosed and every write
  // fails. The platform handle is released by the destructor.
  virtual void close() = 0;
};

}  // namespace ostrel
