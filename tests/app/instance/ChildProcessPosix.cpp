#include "ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace ostrel::test {

struct ChildProcess::Handles {
  pid_t pid = -1;
  int input = -1;   // the child's standard input, our end
  int output = -1;  // the child's standard output, our end
  std::optional<int> exitCode;
};

namespace {
void closeFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}
}  // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& args)
    : handles_(std::make_unique<Handles>()) {
  int toChild[2];
  int fromChild[2];
  if (::pipe2(toChild, O_CLOEXEC) != 0) return;
  if (::pipe2(fromChild, O_CLOEXEC) != 0) {
    ::close(toChild[0]);
    ::close(toChild[1]);
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
  posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
  std::vector<std::string> words{program.string()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) handles_->pid = pid;
  posix_spawn_file_actions_destroy(&actions);
  ::close(toChild[0]);
  ::close(fromChild[1]);
  handles_->input = toChild[1];
  handles_->output = fromChild[0];
}

ChildProcess::~ChildProcess() {
  if (running()) kill();
  wait();
  closeFd(handles_->input);
  closeFd(handles_->output);
}

bool ChildProcess::running() const { return handles_->pid > 0 && !handles_->exitCode; }

std::optional<std::string> ChildProcess::readLine() {
  std::string line;
  char c = 0;
  for (;;) {
    const ssize_t got = ::read(handles_->output, &c, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return line.empty() ? std::nullopt : std::optional(line);
    if (c == '\n') return line;
    if (c != '\r') line += c;
  }
}

void ChildProcess::closeInput() { closeFd(handles_->input); }

void ChildProcess::kill() {
  if (running()) ::kill(handles_->pid, SIGKILL);
}

int ChildProcess::wait() {
  if (handles_->pid <= 0) return -1;
  if (!handles_->exitCode) {
    int status = 0;
    while (::waitpid(handles_->pid, &status, 0) < 0 && errno == EINTR) {
    }
    handles_->exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  return *handles_->exitCode;
}

std::filesystem::path ChildProcess::besideThisProgram(const std::string& fileName) {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / fileName;
}

}  // namespace ostrel::test
