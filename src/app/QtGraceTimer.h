#pragma once
// The link's grace timer on the user-interface thread's event loop.

#include <QTimer>

#include "link/GraceTimer.h"

namespace ostrel {

class QtGraceTimer : public GraceTimer {
 public:
  QtGraceTimer();
  void start(std::chrono::milliseconds delay, std::function<void()> expired) override;
  void stop() override;
  bool isActive() const { return timer_.isActive(); }

 private:
  QTimer timer_;
  std::function<void()> expired_;
};

}  // namespace ostrel
