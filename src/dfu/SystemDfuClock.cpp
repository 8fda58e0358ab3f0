#include "dfu/SystemDfuClock.h"

#include <chrono>
#include <thread>

namespace ostrel {

uint64_t SystemDfuClock::nowMicros() const {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemDfuClock::sleepMillis(uint32_t ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace ostrel
