#pragma once
// The hidden firmware-update window of the start-up: until the first screen
// is left, its DFU engine looks for a pad that is already in DFU mode (an
// interrupted update) and, on finding one, has the main window open the
// profile container with the update screen, which then recovers the pad.
//
// User-interface thread; USB device events are handed over to it.

#include <QObject>

#include <functional>
#include <memory>
#include <string>

#include "dfu/DfuEngineView.h"

namespace ostrel {

class DfuClock;
class DfuEngine;
class ProcessShell;
class UsbTransport;
struct AppState;
struct DfuSharedFlags;
struct UsbDeviceEvent;

class DfuStartupWatch : public QObject, public DfuEngineView {
 public:
  // openRecovery runs when a pad in DFU mode was found, from inside this
  // watch's engine: it must post what it does if that destroys the watch.
  DfuStartupWatch(AppState& app, const std::string& dataRoot, UsbTransport& usb, DfuClock& clock,
                  DfuSharedFlags& shared, ProcessShell& shell, std::function<void()> openRecovery);
  ~DfuStartupWatch() override;

  DfuEngine& engine() { return *engine_; }

  bool askYesNo(const std::string& question) override;
  void showMessage(const std::string& text) override;
  // Its progress bar is never shown.
  void setProgressColours(const DfuProgressColours&) override {}
  void setProgressText(const std::string&) override {}
  void setProgressPosition(int) override {}
  // Its update sequence never starts.
  int32_t updateState() const override { return kNeverStarted; }
  void failUpdate() override {}
  void openRecoveryScreen() override;
  void startRecovery() override { openRecoveryScreen(); }

 private:
  static constexpr int32_t kNeverStarted = 15;

  UsbTransport& usb_;
  ProcessShell& shell_;
  std::function<void()> openRecovery_;
  std::unique_ptr<DfuEngine> engine_;
};

}  // namespace ostrel
