#include "PyFtpServer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>
#include <vector>

#include "online/net/Socket.h"

extern char** environ;

namespace ostrel::test {
namespace {

using namespace std::chrono_literals;

bool acceptsConnections(uint16_t port) {
  net::Socket probe;
  return probe.create() && probe.connect("127.0.0.1", port, 200ms);
}

bool exited(pid_t pid) {
  int status = 0;
  return ::waitpid(pid, &status, WNOHANG) == pid;
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
  const std::string port = std::to_string(port_);
  const std::string folder = root().string();
  const std::string log = (dir_.path() / "server.log").string();
  std::vector<std::string> args = {"/usr/bin/python3", "-m", "pyftpdlib", "-i", "127.0.0.1", "-p", port,
                                   "-d", folder, "-u", kUser, "-P", kPassword, "-w"};
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  const int failed = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) {
    pid_ = -1;
    return false;
  }
  for (auto waited = 0ms; waited < 10s; waited += 20ms) {
    if (acceptsConnections(port_)) return true;
    if (exited(pid_)) {
      pid_ = -1;
      return false;
    }
    std::this_thread::sleep_for(20ms);
  }
  stop();
  return false;
}

void PyFtpServer::stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  int status = 0;
  ::waitpid(pid_, &status, 0);
  pid_ = -1;
}

}  // namespace ostrel::test
