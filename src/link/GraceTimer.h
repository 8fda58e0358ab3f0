#pragma once
// The one-shot timer that delays the visible consequence of a removal. Used on
// the owner thread only; the callback runs on the owner thread too.

#include <chrono>
#include <functional>

namespace ostrel {

class GraceTimer {
 public:
  virtual ~GraceTimer() = default;
  // (Re)arms the timer; a pending expiry is forgotten.
  virtual void start(std::chrono::milliseconds delay, std::function<void()> expired) = 0;
  // Disarms it; harmless when not armed.
  virtual void stop() = 0;
};

}  // namespace ostrel
