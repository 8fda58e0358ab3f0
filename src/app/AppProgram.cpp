#include "app/AppProgram.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "app/InstanceClaim.h"
#include "app/ResourceRoot.h"

namespace ostrel {

AppProgram::AppProgram(HidBackend& hid, Sleeper& sleeper)
    : lock_(createInstanceLock(kInstanceLockName)),
      app_(environment(hid, sleeper, shell_, *lock_)) {}

COstrel_ControllerApp::Environment AppProgram::environment(HidBackend& hid, Sleeper& sleeper,
                                                           ProcessShell& shell, InstanceLock& lock) {
  // The name places the user's data folder (~/.local/share/ostrel-controller).
  QCoreApplication::setApplicationName(QStringLiteral("ostrel-controller"));
  const std::string programFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
  const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return {hid,
          sleeper,
          shell,
          [&lock] { return claimInstance(lock); },
          programFolder,
          dataFolder.toStdString(),
          QString::fromStdString(resourceRoot(programFolder))};
}

}  // namespace ostrel
