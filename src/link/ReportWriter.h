#pragma once
// The single writer of the command interface. Reports go out one at a time in
// the order their senders arrive; a sender waits for the write in progress
// instead of losing its report, but only for a bounded time, and every report
// that does not go out is reported to its sender.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>

#include "link/ReportCodec.h"
#include "link/hid/HidDevice.h"

namespace ostrel {

class ReportWriter {
 public:
  // How long a sender waits for its turn, and how long one write may take.
  static constexpr std::chrono::milliseconds kTurnWait{1000};
  static constexpr std::chrono::milliseconds kWriteWait{1000};

  // The command interface reports go to; null (or detach) makes every send fail.
  void attach(std::shared_ptr<HidDevice> device);
  void detach() { attach(nullptr); }

  // True when the report was written. False when no pad is attached, the
  // turn did not come within kTurnWait, or the write failed or timed out.
  bool sendReport(const Report& report);
  // A write is in progress.
  bool writeBusy() const { return writeBusy_; }

 private:
  void finishTurn();

  std::mutex mutex_;
  std::condition_variable turnChanged_;
  uint64_t nextTicket_ = 0;
  uint64_t serving_ = 0;
  std::set<uint64_t> abandoned_;  // tickets whose senders gave up waiting
  std::shared_ptr<HidDevice> device_;
  std::atomic<bool> writeBusy_{false};
};

}  // namespace ostrel
