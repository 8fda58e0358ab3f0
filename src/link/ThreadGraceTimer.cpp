#include "link/ThreadGraceTimer.h"

namespace ostrel {

ThreadGraceTimer::ThreadGraceTimer(Dispatcher& dispatcher)
    : dispatcher_(dispatcher),
      generation_(std::make_shared<std::atomic<uint64_t>>(0)),
      thread_([this] { run(); }) {}

ThreadGraceTimer::~ThreadGraceTimer() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
    ++*generation_;
  }
  changed_.notify_all();
  thread_.join();
}

void ThreadGraceTimer::start(std::chrono::milliseconds delay, std::function<void()> expired) {
  {
    std::lock_guard lock(mutex_);
    ++*generation_;
    armed_ = true;
    deadline_ = std::chrono::steady_clock::now() + delay;
    expired_ = std::move(expired);
  }
  changed_.notify_all();
}

void ThreadGraceTimer::stop() {
  {
    std::lock_guard lock(mutex_);
    ++*generation_;
    armed_ = false;
    expired_ = nullptr;
  }
  changed_.notify_all();
}

void ThreadGraceTimer::run() {
  std::unique_lock lock(mutex_);
  while (!quit_) {
    if (!armed_) {
      changed_.wait(lock);
      continue;
    }
    const uint64_t armedAs = *generation_;
    const auto deadline = deadline_;
    if (changed_.wait_until(lock, deadline, [&] { return quit_ || *generation_ != armedAs; })) {
      continue;
    }
    armed_ = false;
    dispatcher_.post([generation = generation_, armedAs, expired = std::move(expired_)] {
      if (*generation == armedAs && expired) expired();
    });
    expired_ = nullptr;
  }
}

}  // namespace ostrel
