#pragma once
// A real FTP server (Debian's pyftpdlib) on loopback, serving a temporary
// folder to one account with write access. Started by the constructor on a
// free port, stopped by the destructor.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "ServerProcess.h"
#include "TempDir.h"
#include "online/ServerSettings.h"

namespace ostrel::test {

class PyFtpServer {
 public:
  static constexpr const char* kUser = "soft_px_720_lt";
  static constexpr const char* kPassword = "TEST_PASSWORD_12345";

  PyFtpServer();
  ~PyFtpServer();
  PyFtpServer(const PyFtpServer&) = delete;
  PyFtpServer& operator=(const PyFtpServer&) = delete;

  bool running() const { return process_ && process_->started(); }
  uint16_t port() const { return port_; }
  // The folder the account sees as its start folder.
  std::filesystem::path root() const { return dir_.path() / "root"; }
  // Settings that reach this server, with short time-outs.
  ServerSettings settings() const;

 private:
  bool start();
  void stop();

  TempDir dir_;
  std::unique_ptr<ServerProcess> process_;
  uint16_t port_ = 0;
};

// A loopback port on which nothing listens.
uint16_t closedLoopbackPort();

}  // namespace ostrel::test
