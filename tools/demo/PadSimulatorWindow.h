#pragma once
// The demo's pad simulator: buttons that plug the simulated pad in, pull it
// out, switch it to Xbox 360 mode or send it to its boot loader, and a live
// view of what the pad has stored.

#include <QTimer>
#include <QWidget>

#include <memory>

#include "dfu/SystemDfuClock.h"
#include "dfu/sim/SimulatedUsbBus.h"
#include "link/hid/SimulatedPad.h"

class QPlainTextEdit;

namespace ostrel {

class PadSimulatorWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kBootLoaderPath = "sim-usb-1";

  PadSimulatorWindow(SimulatedPad& pad, SimulatedUsbBus& bus);

  // What the pad holds, as the live view shows it.
  QString describePad();

 private:
  void plug();
  void enterBootLoader();
  void leaveBootLoader();
  void refresh();

  SimulatedPad& pad_;
  SimulatedUsbBus& bus_;
  SystemDfuClock clock_;
  QPlainTextEdit* view_ = nullptr;
  QTimer timer_;
};

}  // namespace ostrel
