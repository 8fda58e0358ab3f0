#include "link/QueueDispatcher.h"

#include <algorithm>

namespace ostrel {

void QueueDispatcher::post(std::function<void()> work) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(work));
  }
  posted_.notify_all();
}

std::function<void()> QueueDispatcher::take() {
  std::lock_guard lock(mutex_);
  if (queue_.empty()) return {};
  auto work = std::move(queue_.front());
  queue_.pop_front();
  return work;
}

int QueueDispatcher::drain() {
  int count = 0;
  while (auto work = take()) {
    work();
    ++count;
  }
  return count;
}

bool QueueDispatcher::runUntil(const std::function<bool()>& done,
                               std::chrono::milliseconds limit) {
  // done() may also turn true through other threads, without a post.
  constexpr std::chrono::milliseconds kRecheck{2};
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    drain();
    if (done()) return true;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    std::unique_lock lock(mutex_);
    posted_.wait_until(lock, std::min(deadline, now + kRecheck), [&] { return !queue_.empty(); });
  }
}

}  // namespace ostrel
