#pragma once
// Start-up work that nothing on the first screen needs, run once the window
// has drawn its first frame, so the window comes first. A window that draws
// nothing soon (shown minimized) gets the work after kLatestMs all the same.
//
// User-interface thread.

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace ostrel {

class AfterFirstFrame : public QObject {
 public:
  static constexpr int kLatestMs = 1000;

  // Make it before the window is shown.
  AfterFirstFrame(QWidget& window, std::function<void()> work);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void runOnce();

  std::function<void()> work_;
  QTimer latest_;
};

}  // namespace ostrel
