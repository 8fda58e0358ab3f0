// The update screen's sequence: start, the steps of timer 1, and the server
// dialogues handed to the worker thread.
#include "screens/UpdateScreen.h"

#include "controls/TextProgressBar.h"
#include "dfu/DfuEngine.h"
#include "library/ProfileLibrary.h"
#include "link/ControllerLink.h"
#include "online/UpdateOffer.h"
#include "profile/AppState.h"

namespace ostrel {
namespace {

const QColor kTeal(0, 128, 128);
const QColor kPale(255, 255, 250);

}  // namespace

void UpdateScreen::startUpdate() {
  ++sequence_;
  leftWhileLeavingDfu_ = false;
  awaitingServer_ = false;
  engine_->upgradeFinished = 0;
  tickCount_ = 0;
  showButtons(false, false);
  engine_->loadFirmwareFile();
  if (context_.app.LinkState == kPadDfu) {
    setup_.clock.sleepMillis(kDfuModePauseMs);
    updateState_ = kWaitingForDfu;
    progress_->show();
  } else {
    updateState_ = kStarting;
    engine_->enumerateDfuDevices();
  }
  timer_.start(tickPeriod_);
}

void UpdateScreen::tick() {
  if (leftWhileLeavingDfu_) {
    engine_->pollOperation();
    if (!engine_->operationHandle) {
      leftWhileLeavingDfu_ = false;
      timer_.stop();
    }
    return;
  }
  ++tickCount_;
  stepState();
  blink();
  engine_->pollOperation();
}

void UpdateScreen::stepState() {
  switch (updateState_) {
    case kStarting: return stepStarting();
    case kContacting: return stepContacting();
    case kVersionReceived: return stepVersionReceived();
    case kDownloading: return stepDownloading();
    case kWaitingForDfu: return stepWaitingForDfu();
    case kProgramming: return stepProgramming();
    case kFailed:
      hideProgress();
      engine_->deviceReady = 0;
      timer_.stop();
      return;
    default: return;
  }
}

void UpdateScreen::stepStarting() {
  if (context_.app.padFirmwareVersion != 0.0f || engine_->deviceReady) {
    blinkOn_ = true;
    blinkCount_ = 0;
    tickCount_ = 0;
    updateState_ = kContacting;
  } else {
    updateState_ = kNoPad;
    engine_->deviceReady = 0;
    showButtons(true, false);
  }
  update();
}

void UpdateScreen::stepContacting() { askServer(&checkVersion, &UpdateScreen::versionChecked); }

void UpdateScreen::versionChecked(VersionCheck check) {
  check_ = check;
  updateState_ = check.state;
  showButtons(updateState_ == kNoServer, false);
  update();
}

void UpdateScreen::stepVersionReceived() {
  if (check_.offersUpdate(context_.app.padFirmwareVersion, context_.library.readVersion())) {
    updateState_ = kOffer;
    showButtons(false, true);
  } else {
    updateState_ = kNotNeeded;
    showButtons(true, false);
  }
  update();
}

void UpdateScreen::stepDownloading() { askServer(&downloadFirmware, &UpdateScreen::firmwareDownloaded); }

void UpdateScreen::firmwareDownloaded(int32_t state) {
  // A file the engine could not program must not cost the pad its firmware:
  // it is checked before the pad is sent to its boot loader.
  if (state != kDownloadFailed && !engine_->firmwareFileFitsPad()) return enterFailed();
  updateState_ = state;
  if (state == kDownloadFailed) {
    showButtons(true, false);
  } else {
    context_.link.commands().sendDetach(context_.app);
    tickCount_ = 0;
    showButtons(false, false);
    progress_->show();
  }
  update();
}

void UpdateScreen::stepWaitingForDfu() {
  if (engine_->canDownload() && engine_->deviceReady) return beginProgramming();
  const int percent = tickCount_ % 100;
  progress_->setText(QString::asprintf("%i: (%i%%)...", 0, percent));
  progress_->setPos(percent);
  if (tickCount_ >= kDfuWaitTicks) enterFailed();
}

void UpdateScreen::beginProgramming() {
  engine_->deviceReady = 0;
  engine_->upgradeFinished = 0;
  tickCount_ = 0;
  progress_->setPos(0);
  progress_->setText(QString());
  progress_->setBarColour(kTeal);
  progress_->setTextOnBackColour(kTeal);
  progress_->setBackColour(kPale);
  progress_->setTextOnBarColour(kPale);
  updateState_ = kProgramming;
  repaint();
  setup_.clock.sleepMillis(kStartPauseMs);
  progress_->show();
  engine_->startUpgrade();
}

void UpdateScreen::stepProgramming() {
  if (tickCount_ >= kProgrammingTicks) {
    // The timer stops polling in the failed state: the pass must not run on
    // unseen, nor keep the next upgrade from starting.
    engine_->stopOperation();
    return enterFailed();
  }
  if (!engine_->upgradeFinished) return;
  engine_->upgradeFinished = 0;
  engine_->leaveDfuMode();
  updateState_ = kDone;
  update();
  showButtons(true, false);
  hideProgress();
  refreshVersion(context_.library, context_.app, engine_->recoveryMode);
}

void UpdateScreen::enterFailed() {
  tickCount_ = 0;
  showButtons(true, false);
  hideProgress();
  updateState_ = kFailed;
  repaint();
}

void UpdateScreen::blink() {
  if (updateState_ != kContacting && updateState_ != kVersionReceived) return;
  if (++blinkCount_ <= 1) return;
  blinkCount_ = 0;
  blinkOn_ = !blinkOn_;
  update();
}

template <class Result>
void UpdateScreen::askServer(Result (*operation)(const ServerSettings&, const std::string&),
                              void (UpdateScreen::*done)(Result)) {
  if (awaitingServer_) return;  // ticks meanwhile leave the state alone
  const uint64_t sequence = sequence_;
  const ServerSettings server = context_.server.current();
  const std::string root = context_.library.basePath;
  auto ask = [operation, server, root] { return operation(server, root); };
  const bool started = worker_.run<Result>(ask, [this, done, sequence](Result result) {
    QMetaObject::invokeMethod(
        this,
        [this, done, sequence, result] {
          // A sequence left or started anew meanwhile takes no stale answer.
          if (sequence != sequence_) return;
          awaitingServer_ = false;
          (this->*done)(result);
        },
        Qt::QueuedConnection);
  });
  // A worker still busy with an earlier sequence's dialogue: the next tick asks again.
  awaitingServer_ = started;
}

}  // namespace ostrel
