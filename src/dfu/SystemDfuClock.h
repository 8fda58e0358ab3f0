#pragma once
// The real clock: a monotonic time and real sleeps.

#include "dfu/DfuClock.h"

namespace ostrel {

class SystemDfuClock : public DfuClock {
 public:
  uint64_t nowMicros() const override;
  void sleepMillis(uint32_t ms) override;
};

}  // namespace ostrel
