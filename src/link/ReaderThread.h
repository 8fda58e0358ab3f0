#pragma once
// A thread that reads one interface's input reports and hands each to a
// handler, until the device is closed or leaves. Destroying it closes the
// device and waits for the thread.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "link/hid/HidDevice.h"

namespace ostrel {

class ReaderThread {
 public:
  using Handler = std::function<void(const uint8_t* data, std::size_t length)>;

  ReaderThread(std::shared_ptr<HidDevice> device, std::size_t bufferSize, Handler handler);
  ~ReaderThread();
  ReaderThread(const ReaderThread&) = delete;
  ReaderThread& operator=(const ReaderThread&) = delete;

 private:
  void run(std::size_t bufferSize);

  std::shared_ptr<HidDevice> device_;
  Handler handler_;
  std::thread thread_;
};

}  // namespace ostrel
