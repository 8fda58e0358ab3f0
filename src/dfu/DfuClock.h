#pragma once
// Time as the DFU layer waits for it. The device names its poll time-outs; the
// layer waits through this seam so tests can run device time without sleeping.
// Implementations are used from several threads.

#include <cstdint>

namespace ostrel {

class DfuClock {
 public:
  virtual ~DfuClock() = default;
  virtual uint64_t nowMicros() const = 0;
  virtual void sleepMillis(uint32_t ms) = 0;
};

}  // namespace ostrel
