#include "PyFtpServer.h"

#include <chrono>
#include <thread>
#include <vector>

#include "online/net/Socket.h"

namespace ostrel::test {
namespace {

using namespace std::chrono_literals;

bool acceptsConnections(uint16_t port) {
  net::Socket probe;
  return probe.create() && probe.connect("127.0.0.1", port, 200ms);
}

}  // namespace

uint16_t closedLoopbackPort() {
  net::Socket socket;
  if (!socket.create() || !socket.listen("127.0.0.1", 1)) return 0;
  const auto local = socket.localEndpoint();
  return local ? local->port : 0;  // closed again when socket goes
}

PyFtpServer::PyFtpServer() {
  std::filesystem::create_directories(root());
  // A port found free may be taken again before the server binds it: retry.
  for (int attempt = 0; attempt < 5 && !running(); ++attempt) start();
}

PyFtpServer::~PyFtpServer() { stop(); }

ServerSettings PyFtpServer::settings() const {
  ServerSettings settings;
  settings.address = "127.0.0.1";
  settings.port = port_;
  settings.user = kUser;
  settings.password = kPassword;
  settings.timeouts = {2000ms, 5000ms};
  return settings;
}

bool PyFtpServer::start() {
  port_ = closedLoopbackPort();
  process_ = std::make_unique<ServerProcess>(
      std::vector<std::string>{"-i", "127.0.0.1", "-p", std::to_string(port_), "-d",
                               ServerProcess::serverPath(root()), "-u", kUser, "-P", kPassword, "-w"},
      dir_.path() / "server.log");
  for (auto waited = 0ms; running() && waited < 10s; waited += 20ms) {
    if (acceptsConnections(port_)) return true;
    if (process_->exited()) break;
    std::this_thread::sleep_for(20ms);
  }
  stop();
  return false;
}

void PyFtpServer::stop() { process_.reset(); }

}  // namespace ostrel::test
