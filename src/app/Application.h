#pragma once
// The application: owns the run's state, library, controller link and main
// window, runs the start-up in its fixed order, the main loop, and the exit.
// The product, the demo and the tests differ only in the Environment.

#include <functional>
#include <memory>
#include <string>

#include "app/AppContext.h"
#include "app/QtDispatcher.h"
#include "app/QtGraceTimer.h"
#include "controls/PictureCache.h"
#include "dfu/DfuSharedFlags.h"
#include "dfu/SystemDfuClock.h"
#include "dfu/UsbTransport.h"
#include "library/ProfileLibrary.h"
#include "online/SharedServerSettings.h"
#include "profile/AppState.h"

namespace ostrel {

class AfterFirstFrame;
class MainWindow;
class ControllerLink;
class HidBackend;
class Sleeper;

namespace net {
class SocketStartup;
}

class Application {
 public:
  struct Environment {
    HidBackend& hid;
    Sleeper& sleeper;
    ProcessShell& shell;
    // Takes the per-user single-instance marker; false when another copy of
    // the program holds it.
    std::function<bool()> claimInstance;
    std::string programFolder;   // the executable's folder
    std::string userDataFolder;  // where an installed program keeps its data
    QString resourceRoot;        // the folder that holds res/
    // The link's grace timer; null for the event loop's own timer.
    GraceTimer* graceTimer = nullptr;
    // Starts the process's socket service for the online services; empty for
    // the system's own (net::SocketStartup). False when it cannot be started.
    std::function<bool()> startSockets{};
    // The maker's FTP server; the demo and the tests give a loopback one.
    SharedServerSettings server;
    // The USB seam and clock of the firmware update; null for the system's
    // own (the build's USB transport, the real clock).
    UsbTransport* dfuTransport = nullptr;
    DfuClock* dfuClock = nullptr;
    // The caller's own start-up work that can follow the first frame (the
    // demo's server); empty for none.
    std::function<void()> afterFirstFrame{};
  };

  explicit Application(Environment environment);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Start-up up to the shown main window; the rest follows its first frame
  // (finishStartup). False when the program must not
  // run: the process was then ended through the shell.
  bool start();
  // start(), the main loop and the exit: the process exit code.
  int run();
  // True once the start-up work that follows the first frame has run.
  bool startupFinished() const { return startupFinished_; }

  AppState& state() { return app_; }
  ProfileLibrary& library() { return library_; }
  ControllerLink& link() { return *link_; }
  GraceTimer& graceTimer() { return graceTimer_; }
  PictureCache& pictures() { return pictures_; }
  MainWindow& mainWindow() { return *window_; }

 private:
  void openLibrary();
  // What start-up does once the first frame is drawn.
  void finishStartup();
  bool startSockets();

  Environment env_;
  std::unique_ptr<net::SocketStartup> sockets_;
  int failedExitCode_ = 0;  // what run() returns when start-up fails
  AppState app_;
  ProfileLibrary library_;
  QtDispatcher dispatcher_;
  QtGraceTimer ownGraceTimer_;
  GraceTimer& graceTimer_;
  std::unique_ptr<ControllerLink> link_;
  PictureCache pictures_;
  std::unique_ptr<UsbTransport> ownUsb_;
  SystemDfuClock ownDfuClock_;
  DfuSharedFlags dfuShared_;
  std::unique_ptr<AppContext> context_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<AfterFirstFrame> afterFirstFrame_;
  bool startupFinished_ = false;
};

}  // namespace ostrel
