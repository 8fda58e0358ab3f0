#include "app/AfterFirstFrame.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace ostrel {

AfterFirstFrame::AfterFirstFrame(QWidget& window, std::function<void()> work) : work_(std::move(work)) {
  window.installEventFilter(this);
  latest_.setSingleShot(true);
  connect(&latest_, &QTimer::timeout, this, &AfterFirstFrame::runOnce);
  latest_.start(kLatestMs);
}

bool AfterFirstFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    watched->removeEventFilter(this);
    // Queued: it runs once this paint has been drawn and shown.
    QMetaObject::invokeMethod(this, &AfterFirstFrame::runOnce, Qt::QueuedConnection);
  }
  return false;
}

void AfterFirstFrame::runOnce() {
  latest_.stop();
  if (!work_) return;
  const std::function<void()> work = std::move(work_);
  work_ = nullptr;
  work();
}

}  // namespace ostrel
