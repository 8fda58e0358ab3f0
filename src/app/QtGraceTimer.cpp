#include "app/QtGraceTimer.h"

#include <utility>

namespace ostrel {

QtGraceTimer::QtGraceTimer() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    // A copy: the callback may start or stop this timer again.
    auto expired = expired_;
    if (expired) expired();
  });
}

void QtGraceTimer::start(std::chrono::milliseconds delay, std::function<void()> expired) {
  expired_ = std::move(expired);
  timer_.start(delay);
}

void QtGraceTimer::stop() {
  timer_.stop();
  expired_ = nullptr;
}

}  // namespace ostrel
