#pragma once
// The maker's FTP server as the demo program and the screenshot tool play
// it: the server's files in a temporary folder, served on loopback. Both
// end with this object.

#include <QString>
#include <QTemporaryDir>

#include "DemoFtpServer.h"
#include "online/ServerSettings.h"

namespace ostrel {

class DemoServer {
 public:
  // False when the files could not be made or the server did not come up;
  // problem() then says why.
  bool start();
  const QString& problem() const { return problem_; }
  // Settings that reach the server once started.
  ServerSettings settings() const { return ftp_.settings(); }
  // The server away (connections refused) and back with the same settings.
  void pause() { ftp_.stop(); }
  bool resume();

 private:
  QTemporaryDir folder_;
  DemoFtpServer ftp_;
  QString problem_;
};

}  // namespace ostrel
