#pragma once
// A grace timer for programs without an event loop of their own: a small
// thread waits for the deadline and posts the callback to the owner thread
// through the dispatcher. A stop() or start() made before the posted callback
// runs cancels it.

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "link/Dispatcher.h"
#include "link/GraceTimer.h"

namespace ostrel {

class ThreadGraceTimer : public GraceTimer {
 public:
  explicit ThreadGraceTimer(Dispatcher& dispatcher);
  ~ThreadGraceTimer() override;
  ThreadGraceTimer(const ThreadGraceTimer&) = delete;
  ThreadGraceTimer& operator=(const ThreadGraceTimer&) = delete;

  void start(std::chrono::milliseconds delay, std::function<void()> expired) override;
  void stop() override;

 private:
  void run();

  Dispatcher& dispatcher_;
  // Shared with posted callbacks, which may run after this timer is gone.
  std::shared_ptr<std::atomic<uint64_t>> generation_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool armed_ = false;
  bool quit_ = false;
  std::chrono::steady_clock::time_point deadline_;
  std::function<void()> expired_;
  std::thread thread_;
};

}  // namespace ostrel
