#include "ServerProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace ostrel::test {

struct ServerProcess::Handles {
  pid_t pid = -1;
};

ServerProcess::ServerProcess(const std::vector<std::string>& serverArgs, const std::filesystem::path& log)
    : handles_(std::make_unique<Handles>()) {
  std::vector<std::string> args = {"/usr/bin/python3", "-m", "pyftpdlib"};
  args.insert(args.end(), serverArgs.begin(), serverArgs.end());
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  if (::posix_spawn(&handles_->pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) handles_->pid = -1;
  posix_spawn_file_actions_destroy(&actions);
}

ServerProcess::~ServerProcess() { stop(); }

bool ServerProcess::started() const { return handles_->pid > 0; }

bool ServerProcess::exited() {
  int status = 0;
  if (!started() || ::waitpid(handles_->pid, &status, WNOHANG) != handles_->pid) return false;
  handles_->pid = -1;
  return true;
}

void ServerProcess::stop() {
  if (!started()) return;
  ::kill(handles_->pid, SIGTERM);
  int status = 0;
  ::waitpid(handles_->pid, &status, 0);
  handles_->pid = -1;
}

std::string ServerProcess::serverPath(const std::filesystem::path& folder) { return folder.string(); }

}  // namespace ostrel::test
