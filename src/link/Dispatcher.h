#pragma once
// Hands work to the thread that owns AppState and the library (the
// user-interface thread). The link's reader threads change shared state only
// through it. post() may be called from any thread and never blocks for long.

#include <functional>

namespace ostrel {

class Dispatcher {
 public:
  virtual ~Dispatcher() = default;
  virtual void post(std::function<void()> work) = 0;
};

}  // namespace ostrel
