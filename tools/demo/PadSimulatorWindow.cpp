#include "PadSimulatorWindow.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/WindowsText.h"

namespace ostrel {
namespace {

const char* modeText(SimulatedPad::Mode mode) {
  switch (mode) {
    case SimulatedPad::Mode::Pad: return "plugged in";
    case SimulatedPad::Mode::Xbox360: return "Xbox 360 mode";
    case SimulatedPad::Mode::Unplugged: break;
  }
  return "not on the bus";
}

}  // namespace

PadSimulatorWindow::PadSimulatorWindow(SimulatedPadRig& rig) : rig_(rig), pad_(rig.pad()) {
  setWindowTitle(QStringLiteral("Kelto PX-720LT simulator"));
  auto* buttons = new QHBoxLayout;
  const auto add = [&](const char* text, auto action) {
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    connect(button, &QPushButton::clicked, this, action);
    buttons->addWidget(button);
  };
  add("Plug", [this] { rig_.plugPad(); });
  add("Unplug", [this] { rig_.unplug(); });
  add("Xbox 360 mode", [this] {
    rig_.unplug();
    pad_.switchToXbox360();
  });
  add("Boot loader", [this] { rig_.enterBootLoader(); });

  view_ = new QPlainTextEdit(this);
  view_->setReadOnly(true);
  view_->setMinimumSize(460, 300);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(view_);

  connect(&timer_, &QTimer::timeout, this, &PadSimulatorWindow::refresh);
  timer_.start(250);
  refresh();
}

QString PadSimulatorWindow::describePad() {
  QString text = QStringLiteral("Pad: %1\nBoot loader (USB 0483:DF11): %2\n")
                     .arg(modeText(pad_.mode()), rig_.bootLoader() ? "on the bus" : "absent");
  pad_.withFirmware([&text](SimulatedPadFirmware& firmware) {
    text += QStringLiteral("Firmware v%1, LED level %2 mode %3 value %4\nActivations stored: %5\n\n")
                .arg(firmware.version, 0, 'f', 2)
                .arg(firmware.pulse.level)
                .arg(firmware.pulse.mode)
                .arg(firmware.pulse.value)
                .arg(firmware.activations);
    for (std::size_t i = 0; i < firmware.slots.size(); ++i) {
      const SimulatedSlot& slot = firmware.slots[i];
      text += QStringLiteral("Slot %1: \"%2\"  language %3  shortcut paddles %4  sensitivity %5 / %6\n")
                  .arg(i + 1)
                  .arg(fromWindows1252(slot.name))
                  .arg(slot.flags & 0x7F)
                  .arg(slot.flags & 0x80 ? "off" : "on")
                  .arg(slot.values[0])
                  .arg(slot.values[1]);
    }
  });
  text += QStringLiteral("\nReports received: %1").arg(pad_.receivedReports().size());
  return text;
}

void PadSimulatorWindow::refresh() {
  const QString text = describePad();
  if (text != view_->toPlainText()) view_->setPlainText(text);
}

}  // namespace ostrel
