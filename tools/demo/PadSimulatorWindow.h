#pragma once
// The demo's pad simulator: buttons that plug the simulated pad in, pull it
// out, switch it to Xbox 360 mode or send it to its boot loader, and a live
// view of what the pad has stored.

#include <QTimer>
#include <QWidget>

#include <memory>

#include "dfu/sim/SimulatedPadRig.h"

class QPlainTextEdit;

namespace ostrel {

class PadSimulatorWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PadSimulatorWindow(SimulatedPadRig& rig);

  // What the pad holds, as the live view shows it.
  QString describePad();

 private:
  void refresh();

  SimulatedPadRig& rig_;
  SimulatedPad& pad_;
  QPlainTextEdit* view_ = nullptr;
  QTimer timer_;
};

}  // namespace ostrel
