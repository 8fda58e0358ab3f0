#include "app/DfuStartupWatch.h"

#include <QString>

#include "app/ProcessShell.h"
#include "dfu/DfuEngine.h"

namespace ostrel {

DfuStartupWatch::DfuStartupWatch(AppState& app, const std::string& dataRoot, UsbTransport& usb, DfuClock& clock,
                                 DfuSharedFlags& shared, ProcessShell& shell, std::function<void()> openRecovery)
    : usb_(usb), shell_(shell), openRecovery_(std::move(openRecovery)) {
  engine_ = std::make_unique<DfuEngine>(app, dataRoot, usb, clock, *this, shared);
  usb_.setListener([this](const UsbDeviceEvent& event) {
    QMetaObject::invokeMethod(this, [this, event] { engine_->onDfuDeviceChange(event); }, Qt::QueuedConnection);
  });
  engine_->enumerateDfuDevices();
}

DfuStartupWatch::~DfuStartupWatch() { usb_.setListener({}); }

bool DfuStartupWatch::askYesNo(const std::string& question) {
  return shell_.askYesNo(QString::fromStdString(question));
}

void DfuStartupWatch::showMessage(const std::string& text) { shell_.showMessage(QString::fromStdString(text)); }

void DfuStartupWatch::openRecoveryScreen() { openRecovery_(); }

}  // namespace ostrel
