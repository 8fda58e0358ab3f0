#pragma once
// Real pauses: the calling thread sleeps.

#include "link/Sleeper.h"

namespace ostrel {

class SystemSleeper : public Sleeper {
 public:
  void sleepFor(std::chrono::milliseconds pause) override;
};

}  // namespace ostrel
