#pragma once
// One HID interface on Windows, opened twice with overlapped I/O: a handle
// for reading and one for writing, as the pad's driver expects. A read or
// write waits on its own completion event together with the close event, so
// close() wakes both; a write that outlasts its time-out is cancelled.
// Reports are moved through buffers of the lengths the device declares
// (Windows refuses other lengths): short reports are padded with zeros.

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "link/hid/HidDevice.h"

namespace ostrel {

class WindowsHidDevice : public HidDevice {
 public:
  // nullptr when the path can be opened neither for reading nor for writing;
  // a device with only one of the two fails the other direction's calls.
  static std::unique_ptr<WindowsHidDevice> open(const std::string& path);
  ~WindowsHidDevice() override;
  WindowsHidDevice(const WindowsHidDevice&) = delete;
  WindowsHidDevice& operator=(const WindowsHidDevice&) = delete;

  int readReport(uint8_t* buffer, std::size_t size) override;
  bool writeReport(const uint8_t* data, std::size_t size, std::chrono::milliseconds timeout) override;
  void close() override;

 private:
  WindowsHidDevice(HANDLE reader, HANDLE writer);
  // Waits for an overlapped operation on handle, at most timeoutMs or until
  // close(); cancels it when it did not finish. The bytes moved, or nothing.
  bool finish(HANDLE handle, OVERLAPPED& operation, DWORD timeoutMs, DWORD& moved);
  void readLengths();

  HANDLE reader_;
  HANDLE writer_;
  HANDLE closing_;  // manual reset: once set, stays set
  HANDLE readDone_;
  HANDLE writeDone_;
  std::atomic<bool> closed_{false};
  std::mutex writeMutex_;  // one write in flight at a time
  std::vector<uint8_t> input_;
  std::vector<uint8_t> output_;
};

}  // namespace ostrel
