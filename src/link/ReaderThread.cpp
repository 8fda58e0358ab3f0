#include "link/ReaderThread.h"

#include <vector>

namespace ostrel {

ReaderThread::ReaderThread(std::shared_ptr<HidDevice> device, std::size_t bufferSize,
                           Handler handler)
    : device_(std::move(device)), handler_(std::move(handler)) {
  thread_ = std::thread([this, bufferSize] { run(bufferSize); });
}

ReaderThread::~ReaderThread() {
  device_->close();
  thread_.join();
}

void ReaderThread::run(std::size_t bufferSize) {
  std::vector<uint8_t> buffer(bufferSize);
  for (;;) {
    const int length = device_->readReport(buffer.data(), buffer.size());
    if (length <= 0) return;  // closed, or the device left: its removal follows
    handler_(buffer.data(), static_cast<std::size_t>(length));
  }
}

}  // namespace ostrel
