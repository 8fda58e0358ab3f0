#pragma once
// A real FTP server (pyftpdlib) on a free loopback port, serving one folder
// read-only to the maker's account with a password made for this run. The
// server ends with the object, and also when this program ends in any other
// way: it watches its standard input and leaves when that pipe closes.

#include <QProcess>
#include <QString>

#include <cstdint>
#include <functional>
#include <utility>

#include "online/ServerSettings.h"

namespace ostrel {

class DemoFtpServer {
 public:
  static constexpr const char* kUser = "soft_px_720_lt";

  DemoFtpServer() = default;
  ~DemoFtpServer();
  DemoFtpServer(const DemoFtpServer&) = delete;
  DemoFtpServer& operator=(const DemoFtpServer&) = delete;

  // Serves folder on a new port with a new password. False when the server
  // did not come up; problem() says why.
  bool start(const QString& folder);
  // As start(), without waiting: done runs on this thread once the server
  // has reported its port (true) or has failed (false).
  void startWithoutWaiting(const QString& folder, std::function<void(bool)> done);
  // Serves again, after stop(), on the same port with the same password, as
  // a server that was away for a while.
  bool resume();
  // The Python interpreter to run (by default Debian's, else python3 on PATH).
  void setInterpreter(QString program) { interpreter_ = std::move(program); }
  void stop();
  bool running() const { return process_.state() == QProcess::Running; }
  const QString& problem() const { return problem_; }
  // Settings that reach the running server.
  ServerSettings settings() const;

 private:
  bool launch(uint16_t port);
  void begin(uint16_t port);
  bool takePort();
  bool fail(const QString& why);

  QProcess process_;
  QString interpreter_;
  QString folder_;
  QString password_;
  uint16_t port_ = 0;
  QString problem_;
};

}  // namespace ostrel
