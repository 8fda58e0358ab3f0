#include "app/AppProgram.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <utility>

#include "app/InstanceClaim.h"
#include "app/ResourceRoot.h"
#include "library/DataRoot.h"

namespace ostrel {
namespace {

std::string programFolder() { return QCoreApplication::applicationDirPath().toStdString() + "/"; }

std::string userDataFolder() {
  // The name places the user's data folder (~/.local/share/ostrel-controller).
  QCoreApplication::setApplicationName(QStringLiteral("ostrel-controller"));
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

}  // namespace

AppProgram::AppProgram(HidBackend& hid, Sleeper& sleeper, SharedServerSettings server, UsbTransport* dfuTransport,
                       std::function<void()> afterFirstFrame)
    : lock_(createInstanceLock(kInstanceLockName)),
      app_(environment(hid, sleeper, shell_, *lock_, std::move(server), dfuTransport, std::move(afterFirstFrame))) {}

std::string AppProgram::dataRoot() { return chooseDataRoot(programFolder(), userDataFolder()); }

Application::Environment AppProgram::environment(HidBackend& hid, Sleeper& sleeper, ProcessShell& shell,
                                                           InstanceLock& lock, SharedServerSettings server,
                                                           UsbTransport* dfuTransport,
                                                           std::function<void()> afterFirstFrame) {
  const std::string program = programFolder();
  Application::Environment environment{hid,
                                                 sleeper,
                                                 shell,
                                                 [&lock] { return claimInstance(lock); },
                                                 program,
                                                 userDataFolder(),
                                                 QString::fromStdString(resourceRoot(program))};
  environment.server = std::move(server);
  environment.dfuTransport = dfuTransport;
  environment.afterFirstFrame = std::move(afterFirstFrame);
  return environment;
}

}  // namespace ostrel
