// How long the connection sequence takes against the simulated pad answering
// at once, with the protocol's real pauses, next to the pauses' own sum:
// 30 + 30 + 4 x (30 + 100) + 4 x 30 ms = 700 ms.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "link/ControllerLink.h"
#include "link/QueueDispatcher.h"
#include "link/SystemSleeper.h"
#include "link/ThreadGraceTimer.h"
#include "link/hid/SimulatedPad.h"

namespace {

using namespace ostrel;
namespace fs = std::filesystem;

constexpr double kLowerBoundMs = 30 + 30 + 4 * (30 + 100) + 4 * 30;

struct SequenceDone : LinkObserver {
  void connectionSequenceDone() override { done = true; }
  bool done = false;
};

fs::path scratchFolder() {
  std::random_device random;
  for (;;) {
    const fs::path folder = fs::temp_directory_path() / ("ostrel-link-bench-" + std::to_string(random()));
    if (fs::create_directory(folder)) return folder;
  }
}

void BM_ConnectionSequence(benchmark::State& state) {
  const fs::path root = scratchFolder();
  ProfileLibrary library;
  library.basePath = root.string() + "/";
  library.ensureFolders();
  for (auto _ : state) {
    AppState app;
    app.resetToStartup();
    SimulatedPad pad;
    pad.setAnswerDelay(std::chrono::milliseconds(0));
    pad.plug();
    QueueDispatcher dispatcher;
    ThreadGraceTimer timer(dispatcher);
    SystemSleeper sleeper;
    SequenceDone observer;
    ControllerLink link(app, library, pad, dispatcher, timer, sleeper);
    link.setObserver(&observer);

    const auto start = std::chrono::steady_clock::now();
    link.startLink();
    const bool done = dispatcher.runUntil([&] { return observer.done; }, std::chrono::seconds(10));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!done) state.SkipWithError("the connection sequence did not finish");
    state.SetIterationTime(took.count());
  }
  state.counters["bound_ms"] = kLowerBoundMs;
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

BENCHMARK(BM_ConnectionSequence)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
