#include "link/SystemSleeper.h"

#include <thread>

namespace ostrel {

void SystemSleeper::sleepFor(std::chrono::milliseconds pause) {
  std::this_thread::sleep_for(pause);
}

}  // namespace ostrel
