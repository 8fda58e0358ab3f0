#pragma once
// Device time for tests: sleeping advances the clock at once, so poll
// time-outs cost nothing while the simulated device still sees them pass.

#include "dfu/DfuClock.h"

#include <atomic>

namespace ostrel {

class ManualDfuClock : public DfuClock {
 public:
  uint64_t nowMicros() const override { return now_; }
  void sleepMillis(uint32_t ms) override {
    now_ += uint64_t{ms} * 1000;
    slept_ += ms;
  }
  uint64_t sleptMs() const { return slept_; }

 private:
  std::atomic<uint64_t> now_{1000000};
  std::atomic<uint64_t> slept_{0};
};

}  // namespace ostrel
