#include "link/ReportWriter.h"

namespace ostrel {

void ReportWriter::attach(std::shared_ptr<HidDevice> device) {
  std::lock_guard lock(mutex_);
  device_ = std::move(device);
}

bool ReportWriter::sendReport(const Report& report) {
  std::unique_lock lock(mutex_);
  const uint64_t ticket = nextTicket_++;
  const auto deadline = std::chrono::steady_clock::now() + kTurnWait;
  if (!turnChanged_.wait_until(lock, deadline, [&] { return serving_ == ticket; })) {
    abandoned_.insert(ticket);
    return false;
  }
  const std::shared_ptr<HidDevice> device = device_;
  writeBusy_ = true;
  lock.unlock();
  const bool written = device && device->writeReport(report.data(), report.size(), kWriteWait);
  lock.lock();
  writeBusy_ = false;
  finishTurn();
  return written;
}

void ReportWriter::finishTurn() {
  ++serving_;
  while (abandoned_.erase(serving_) > 0) ++serving_;
  turnChanged_.notify_all();
}

}  // namespace ostrel
