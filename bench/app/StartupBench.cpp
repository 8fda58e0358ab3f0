// Starts ostrel-demo offscreen (the program's folder beside this benchmark)
// and waits for it to end after its first painted frame: the time from start
// to first paint, and the peak resident memory of the process.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string demoPath() {
  char self[PATH_MAX] = {};
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string folder(self, length > 0 ? static_cast<std::size_t>(length) : 0);
  return folder.substr(0, folder.rfind('/') + 1) + OSTREL_DEMO_FILE_NAME;
}

void BM_DemoStartupToFirstPaint(benchmark::State& state) {
  const std::string program = demoPath();
  std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen"};
  for (char** entry = environ; *entry; ++entry) {
    if (std::string(*entry).rfind("QT_QPA_PLATFORM=", 0) != 0) environment.emplace_back(*entry);
  }
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string flag = "--quit-after-first-paint";
  std::string name = program;
  char* argv[] = {name.data(), flag.data(), nullptr};

  long peakKb = 0;
  for (auto _ : state) {
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
      state.SkipWithError("cannot start ostrel-demo");
      return;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("ostrel-demo did not end after its first paint");
      return;
    }
    peakKb = std::max(peakKb, usage.ru_maxrss);
  }
  state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024.0;
}
BENCHMARK(BM_DemoStartupToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
