#pragma once
// The maker's FTP server as the demo program and the screenshot tool play
// it: the server's files in a temporary folder, served on loopback. Both
// end with this object.

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <thread>

#include "DemoFtpServer.h"
#include "online/ServerSettings.h"

namespace ostrel {

class DemoServer {
 public:
  DemoServer() = default;
  ~DemoServer();
  DemoServer(const DemoServer&) = delete;
  DemoServer& operator=(const DemoServer&) = delete;

  // False when the files could not be made or the server did not come up;
  // problem() then says why.
  bool start();
  // As start(), without waiting: the files are made on a thread of their
  // own, the server then starts; ready runs on this (the user-interface)
  // thread with start()'s answer.
  void startInBackground(std::function<void(bool)> ready);
  const QString& problem() const { return problem_; }
  // Settings that reach the server once started.
  ServerSettings settings() const { return ftp_.settings(); }
  // The server away (connections refused) and back with the same settings.
  void pause() { ftp_.stop(); }
  bool resume();

 private:
  QString root() const { return folder_.filePath(QStringLiteral("root")); }
  QString makeFiles();  // empty on success, otherwise what failed

  QTemporaryDir folder_;
  QObject receiver_;  // this thread's end of the file maker's answer
  std::thread maker_;
  DemoFtpServer ftp_;
  QString problem_;
};

}  // namespace ostrel
