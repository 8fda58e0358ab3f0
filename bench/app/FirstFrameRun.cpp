#include "FirstFrameRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

extern char** environ;

namespace ostrel::bench {
namespace {

// The flush of a whole 1280 x 720 window, whatever its class.
constexpr const char* kFirstFrame = "Flushing QRegion(0,0 1280x720) of ";
constexpr int kWaitMs = 30000;

std::string nameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& overrides) {
  std::vector<std::string> merged{"QT_QPA_PLATFORM=offscreen", "QT_LOGGING_RULES=qt.widgets.painting=true"};
  merged.insert(merged.end(), overrides.begin(), overrides.end());
  std::vector<std::string> names;
  for (const std::string& entry : merged) names.push_back(nameOf(entry));
  for (char** entry = environ; *entry; ++entry) {
    const std::string own(*entry);
    bool replaced = false;
    for (const std::string& name : names) replaced = replaced || nameOf(own) == name;
    if (!replaced) merged.push_back(own);
  }
  return merged;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> result;
  for (std::string& text : texts) result.push_back(text.data());
  result.push_back(nullptr);
  return result;
}

// Reads the child's standard error until the first frame's line; false on
// its end or after kWaitMs.
bool awaitFirstFrame(int fd) {
  std::string seen;
  char buffer[4096];
  for (;;) {
    pollfd wanted{fd, POLLIN, 0};
    if (poll(&wanted, 1, kWaitMs) <= 0) return false;
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) return false;
    seen.append(buffer, static_cast<std::size_t>(got));
    if (seen.find(kFirstFrame) != std::string::npos) return true;
    // Keep only what may begin the line looked for.
    const std::size_t keep = std::string(kFirstFrame).size();
    if (seen.size() > keep) seen.erase(0, seen.size() - keep);
  }
}

}  // namespace

std::optional<FirstFrame> runToFirstFrame(const std::vector<std::string>& arguments,
                                          const std::vector<std::string>& environment, std::string& problem) {
  std::vector<std::string> argumentTexts = arguments;
  std::vector<std::string> environmentTexts = mergedEnvironment(environment);
  std::vector<char*> argv = pointers(argumentTexts);
  std::vector<char*> envp = pointers(environmentTexts);
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) {
    problem = "cannot make a pipe";
    return std::nullopt;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
  // A process group of its own, so that the end reaches what it started (the
  // demo's server) and nothing of a run overlaps the next.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, &attributes, argv.data(), envp.data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (spawned != 0) {
    close(pipeFds[0]);
    problem = "cannot start " + arguments[0];
    return std::nullopt;
  }
  const bool painted = awaitFirstFrame(pipeFds[0]);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  kill(-child, SIGTERM);
  close(pipeFds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (!painted) {
    problem = arguments[0] + " drew no first frame";
    return std::nullopt;
  }
  return FirstFrame{elapsed.count(), usage.ru_maxrss};
}

}  // namespace ostrel::bench
