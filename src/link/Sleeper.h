#pragma once
// The pauses of the pad's protocol go through this seam, so that tests of the
// link's logic need not wait while the product keeps its real pacing.

#include <chrono>

namespace ostrel {

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void sleepFor(std::chrono::milliseconds pause) = 0;
};

}  // namespace ostrel
