#pragma once
// The firmware update screen: checks the maker's server for a newer firmware,
// offers it, downloads it, sends the pad to its boot loader and lets the DFU
// engine erase, program and restart it, with one full-window picture per
// step. It also takes over when the pad turns up in DFU mode by itself and
// then programs the factory firmware (recovery).
//
// A state machine stepped by a 300 ms timer. The server dialogues run on a
// worker thread and their results come back to the user-interface thread;
// USB device events come from the transport's thread the same way. All else
// runs on the user-interface thread.

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>

#include "dfu/DfuEngineView.h"
#include "online/FirmwareServer.h"
#include "online/OnlineWorker.h"
#include "screens/ProfileScreen.h"
#include "screens/ScreenButtons.h"
#include "screens/ScreenContext.h"
#include "screens/UpdateScreenSetup.h"

namespace ostrel {

class TextProgressBar;
class DfuEngine;
struct UsbDeviceEvent;

class UpdateScreen : public QWidget, public ProfileScreen, public DfuEngineView {
  Q_OBJECT

 public:
  enum Control : int { kYes = 1101, kNo = 1102, kOk = 1103, kProgress = 2011 };
  // The sequence's states (updateState).
  enum State : int32_t {
    kStarting = 0, kContacting = 1, kVersionReceived = 2, kNoPad = 4, kOffer = 5, kDownloading = 6,
    kWaitingForDfu = 7, kProgramming = 8, kNoServer = 9, kNotNeeded = 10, kDownloadFailed = 11,
    kFailed = 12, kDone = 14, kInitial = 15,
  };
  static constexpr int kTickMs = 300;
  static constexpr int kDfuWaitTicks = 60;       // for the boot loader to appear
  static constexpr int kProgrammingTicks = 65;   // for erasing and programming
  static constexpr uint32_t kStartPauseMs = 1000;  // before the progress bar shows
  static constexpr uint32_t kDfuModePauseMs = 100;
  static constexpr QRect kPicturePlace{423, 250, 499, 283};

  UpdateScreen(const ScreenContext& context, UpdateScreenSetup setup, QWidget* parent = nullptr);
  ~UpdateScreen() override;

  // Begins the sequence (the general screen's firmware-update button, the
  // engine's recovery).
  void startUpdate();
  // One step of timer 1: the state, the blinking, the engine's operation.
  void tick();
  // The period of timer 1 from the next start on (tests drive the ticks by
  // hand with a period that never ends).
  void setTickPeriod(int ms) { tickPeriod_ = ms; }
  void pressYes();
  void pressNo();
  void pressOk();

  // ProfileScreen: opening the screen starts the sequence.
  void loadSlot() override;
  void reloadPictures() override;

  // DfuEngineView.
  bool askYesNo(const std::string& question) override;
  void showMessage(const std::string& text) override;
  void setProgressColours(const DfuProgressColours& colours) override;
  void setProgressText(const std::string& text) override;
  void setProgressPosition(int position) override;
  int32_t updateState() const override { return updateState_; }
  void failUpdate() override;
  void openRecoveryScreen() override;
  void startRecovery() override;

  // The picture the state shows now ("" for none), below the language folder.
  QString statePicture() const;
  int32_t tickCount() const { return tickCount_; }
  bool blinkOn() const { return blinkOn_; }
  // True while a server dialogue runs for the sequence.
  bool awaitingServer() const { return awaitingServer_; }
  DfuEngine& engine() { return *engine_; }
  const QTimer& timer() const { return timer_; }
  TextProgressBar& progressBar() { return *progress_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void stepState();
  void stepStarting();
  void stepContacting();
  void stepVersionReceived();
  void stepDownloading();
  void stepWaitingForDfu();
  void stepProgramming();
  void blink();
  void versionChecked(VersionCheck check);
  void firmwareDownloaded(int32_t state);
  void beginProgramming();
  // The failed state, its OK button and picture.
  void enterFailed();
  void showButtons(bool ok, bool yesNo);
  void hideProgress();
  void leaveScreen();
  void deviceChanged(const UsbDeviceEvent& event);
  // Runs a server operation on the worker; done gets its result on this
  // thread, unless the sequence has moved on meanwhile.
  template <class Result>
  void askServer(Result (*operation)(const ServerSettings&, const std::string&), void (UpdateScreen::*done)(Result));

  ScreenContext context_;
  UpdateScreenSetup setup_;
  ScreenButtons buttons_;
  TextProgressBar* progress_ = nullptr;
  std::unique_ptr<DfuEngine> engine_;
  QTimer timer_;
  int tickPeriod_ = kTickMs;
  int32_t updateState_ = kInitial;
  int32_t tickCount_ = 0;
  bool blinkOn_ = false;
  int32_t blinkCount_ = 0;
  bool awaitingServer_ = false;
  uint64_t sequence_ = 0;  // a new one for every start and leave
  bool leftWhileLeavingDfu_ = false;  // the timer runs on only to see the pad restart
  VersionCheck check_;
  // Last, so it ends (and hands back nothing more) before the rest goes.
  OnlineWorker worker_;
};

}  // namespace ostrel
