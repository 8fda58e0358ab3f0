#pragma once
// One background operation of the DFU layer, on its own worker thread and its
// own open device: erase the sectors an image touches, program an image and
// read it back, or leave DFU mode. Progress and result are read from any
// thread; stop() ends the worker and waits for it.

#include "dfu/DfuClock.h"
#include "dfu/DfuImage.h"
#include "dfu/DfuSession.h"
#include "dfu/UsbTransport.h"

#include <atomic>
#include <string>
#include <thread>

namespace ostrel {

struct DfuOperationStatus {
  uint32_t percent = 0;     // 0..100; 100 only once the operation has succeeded
  uint32_t result = 0;      // kDfuSuccess while running and after success
};

class DfuOperation {
 public:
  DfuOperation(UsbTransport& transport, DfuClock& clock, std::string path, DfuImage image);
  ~DfuOperation();
  DfuOperation(const DfuOperation&) = delete;
  DfuOperation& operator=(const DfuOperation&) = delete;

  // Starts the worker; throws std::system_error when no thread can be made.
  void start();
  void stop();
  DfuOperationStatus status() const;
  bool finished() const { return finished_; }

 private:
  void run();
  uint32_t runOn(DfuSession& session);
  uint32_t erase(DfuSession& session);
  uint32_t upgrade(DfuSession& session);
  uint32_t leave(DfuSession& session);
  uint32_t programRange(DfuSession& session, uint32_t address, const uint8_t* data, size_t size);
  void advance(uint64_t done, uint64_t total);

  UsbTransport& transport_;
  DfuClock& clock_;
  const std::string path_;
  const DfuImage image_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{false};
  std::atomic<uint32_t> percent_{0};
  std::atomic<uint32_t> result_;
  uint64_t done_ = 0;
  uint64_t total_ = 0;
  std::thread thread_;
};

}  // namespace ostrel
