#pragma once
// The application as a real program starts it: the Qt process seam, the
// per-user instance lock, the executable's folder, the user's data folder
// and the picture folder. ostrel-controller and ostrel-demo differ only in
// the HID backend they pass. Make it after the QApplication.

#include <memory>

#include "app/Application.h"
#include "app/QtProcessShell.h"
#include "app/instance/InstanceLock.h"

namespace ostrel {

class AppProgram {
 public:
  // dfuTransport: the USB seam of the firmware update; null for the build's
  // own. afterFirstFrame: start-up work of the caller's that can follow the
  // first frame.
  AppProgram(HidBackend& hid, Sleeper& sleeper, SharedServerSettings server = ServerSettings::builtIn(),
             UsbTransport* dfuTransport = nullptr, std::function<void()> afterFirstFrame = {});

  // The folder that holds the program's data folders (Version/, ...).
  static std::string dataRoot();

  int run() { return app_.run(); }
  Application& app() { return app_; }

 private:
  static Application::Environment environment(HidBackend& hid, Sleeper& sleeper, ProcessShell& shell,
                                                        InstanceLock& lock, SharedServerSettings server,
                                                        UsbTransport* dfuTransport,
                                                        std::function<void()> afterFirstFrame);

  QtProcessShell shell_;
  std::unique_ptr<InstanceLock> lock_;
  Application app_;
};

}  // namespace ostrel
