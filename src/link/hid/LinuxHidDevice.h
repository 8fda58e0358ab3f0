#pragma once
// One open /dev/hidrawN node. Reads wait in poll() together with an eventfd
// that close() signals; POLLHUP or POLLERR means the device left.

#include <atomic>

#include "link/hid/HidDevice.h"

namespace ostrel {

class LinuxHidDevice : public HidDevice {
 public:
  // Takes ownership of fd (opened read-write, non-blocking).
  explicit LinuxHidDevice(int fd);
  ~LinuxHidDevice() override;
  LinuxHidDevice(const LinuxHidDevice&) = delete;
  LinuxHidDevice& operator=(const LinuxHidDevice&) = delete;

  // False when the wake-up eventfd could not be made; the device is unusable.
  bool valid() const { return wake_ >= 0; }

  int readReport(uint8_t* buffer, std::size_t size) override;
  bool writeReport(const uint8_t* data, std::size_t size,
                   std::chrono::milliseconds timeout) override;
  void close() override;

 private:
  int fd_;
  int wake_;
  std::atomic<bool> closed_{false};
};

}  // namespace ostrel
