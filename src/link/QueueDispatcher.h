#pragma once
// A dispatcher whose owner thread runs the posted work when it chooses to:
// programs without an event loop (benchmarks, tools) and tests drain it.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "link/Dispatcher.h"

namespace ostrel {

class QueueDispatcher : public Dispatcher {
 public:
  void post(std::function<void()> work) override;

  // Runs everything posted so far, and what that work posts in turn.
  // Returns how many items ran.
  int drain();
  // Runs posted work as it arrives until done() holds (checked after each
  // batch and every few milliseconds), or until the time limit passes.
  // Returns done().
  bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

 private:
  std::function<void()> take();

  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::function<void()>> queue_;
};

}  // namespace ostrel
