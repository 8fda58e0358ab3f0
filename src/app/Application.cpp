#include "app/Application.h"

#include <QGuiApplication>

#include <utility>

#include "app/AfterFirstFrame.h"
#include "app/AppTexts.h"
#include "app/MainWindow.h"
#include "app/ProcessShell.h"
#include "library/DataRoot.h"
#include "link/ControllerLink.h"
#include "online/net/SocketStartup.h"

namespace ostrel {

Application::Application(Environment environment)
    : env_(std::move(environment)),
      graceTimer_(env_.graceTimer ? *env_.graceTimer : ownGraceTimer_),
      link_(std::make_unique<ControllerLink>(app_, library_, env_.hid, dispatcher_, graceTimer_,
                                             env_.sleeper)),
      pictures_(env_.resourceRoot, app_),
      ownUsb_(env_.dfuTransport ? nullptr : createUsbTransport()),
      context_(std::make_unique<AppContext>(AppContext{
          app_, library_, *link_, graceTimer_, pictures_, env_.shell, env_.resourceRoot, env_.server,
          env_.dfuTransport ? env_.dfuTransport : ownUsb_.get(),
          env_.dfuClock ? env_.dfuClock : &ownDfuClock_, &dfuShared_})) {}

Application::~Application() {
  // The windows go before the link, whose events they observe, and before
  // the USB transport, whose events they take.
  if (link_) link_->setObserver(nullptr);
  afterFirstFrame_.reset();
  window_.reset();
}

bool Application::start() {
  if (!startSockets()) {
    // No window is shown; the program ends the normal way.
    env_.shell.showMessage(QString::fromUtf8(net::SocketStartup::kFailureText));
    failedExitCode_ = ProcessShell::kNormalExitCode;
    return false;
  }
  window_ = std::make_unique<MainWindow>(*context_);

  // The start-up values of the run's state (window place, no pad, English,
  // switches, keyboard layouts) are set together here; what the link's
  // answers change reaches this thread only after start-up.
  app_.resetToStartup();
  window_->placeWindow();
  if (!env_.claimInstance()) {
    env_.shell.showMessage(QString::fromUtf8(kAlreadyRunning));
    env_.shell.endProcess(0);
    return false;
  }
  graceTimer_.stop();
  link_->setObserver(window_.get());
  link_->startLink();
  window_->placeButtons();
  openLibrary();
  window_->resetFirstScreen();
  // The task-bar pin request is a Windows shell verb; not made here.
  window_->placeVersionLabel();
  window_->filterKeys();
  afterFirstFrame_ = std::make_unique<AfterFirstFrame>(*window_, [this] { finishStartup(); });
  window_->show();
  return true;
}

void Application::finishStartup() {
  library_.rebuildMyIndex();
  library_.rebuildMakerIndex();
  if (env_.afterFirstFrame) env_.afterFirstFrame();
  // The watch's first look at the bus waits for the boot loader to settle;
  // the first screen is drawn before it. A screen already left needs none.
  if (!window_->profileWindowOpen()) window_->watchForDfuMode();
  startupFinished_ = true;
}

bool Application::startSockets() {
  if (env_.startSockets) return env_.startSockets();
  sockets_ = std::make_unique<net::SocketStartup>();
  return sockets_->ok();
}

void Application::openLibrary() {
  app_.programFolder = env_.programFolder;
  library_.basePath = chooseDataRoot(env_.programFolder, env_.userDataFolder);
  if (!library_.ensureFolders()) env_.shell.showMessage(QString::fromStdString(library_.problem()));
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string name = library_.getSlotName(slot);
    app_.slotNames[slot] = app_.savedSlotNames[slot] = name;
    library_.loadProfileIntoSlot(slot, name);
  }
}

int Application::run() {
  if (!start()) return failedExitCode_;
  // The program ends through its quit commands, not when a window closes.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  return QGuiApplication::exec();
}

}  // namespace ostrel
