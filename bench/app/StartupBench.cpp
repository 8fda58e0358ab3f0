// Start-up to the first painted frame, offscreen, and peak memory: the
// product installed as a package installs it (its data in a fresh user data
// folder, and again in one an earlier run made), the demo, and a minimal Qt
// Widgets program showing one 1280 x 720 picture as the floor. Each run of a
// program is paired with a run of the floor just before it; over_baseline_ms
// is the median of the pairs' differences, which holds when the machine's
// speed drifts.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "FirstFrameRun.h"

namespace fs = std::filesystem;

namespace ostrel::bench {
namespace {

constexpr int kRuns = 15;

fs::path ownFolder() {
  char self[PATH_MAX] = {};
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  return fs::path(std::string(self, length > 0 ? static_cast<std::size_t>(length) : 0)).parent_path();
}

// A package's layout in a temporary folder: bin/ with the product, the
// build's pictures as share/ostrel-controller/res, and homes for the runs.
class InstalledCopy {
 public:
  InstalledCopy() {
    char pattern[] = "/tmp/ostrel-startup-bench-XXXXXX";
    root_ = mkdtemp(pattern) ? fs::path(pattern) : fs::path();
    if (root_.empty()) return;
    fs::create_directories(root_ / "bin");
    fs::create_directories(root_ / "share" / "ostrel-controller");
    const fs::path built = ownFolder() / OSTREL_PRODUCT_FILE_NAME;
    std::error_code linked;
    fs::create_hard_link(built, program(), linked);
    if (linked) fs::copy_file(built, program());
    fs::create_directory_symlink(ownFolder() / "res", root_ / "share" / "ostrel-controller" / "res");
  }
  ~InstalledCopy() {
    std::error_code ignored;
    if (!root_.empty()) fs::remove_all(root_, ignored);
  }
  bool ok() const { return !root_.empty(); }
  fs::path program() const { return root_ / "bin" / OSTREL_PRODUCT_FILE_NAME; }
  // A new home folder with a private runtime folder, as a login gives, and
  // a temporary folder that goes with this copy: the programs are ended by a
  // signal and leave theirs behind (the demo its server's files).
  fs::path makeHome(const std::string& name) const {
    const fs::path home = root_ / name;
    fs::remove_all(home);
    fs::create_directories(home / "tmp");
    fs::create_directories(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all);
    return home;
  }

 private:
  fs::path root_;
};

std::vector<std::string> homeEnvironment(const fs::path& home) {
  return {"HOME=" + home.string(), "XDG_DATA_HOME=" + (home / "data").string(),
          "XDG_CONFIG_HOME=" + (home / "config").string(), "XDG_CACHE_HOME=" + (home / "cache").string(),
          "XDG_RUNTIME_DIR=" + (home / "runtime").string(), "TMPDIR=" + (home / "tmp").string()};
}

std::vector<std::string> baselineCommand() {
  return {(ownFolder() / OSTREL_BASELINE_FILE_NAME).string(), (ownFolder() / "res" / "Screen1.jpg").string()};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// One run of the floor, then one of the program; the program's time is the
// iteration's.
void pairedRuns(benchmark::State& state, const std::vector<std::string>& command,
                const std::function<fs::path()>& homeForRun) {
  std::vector<double> times, floors, differences;
  long peakKb = 0;
  std::string problem;
  for (auto _ : state) {
    const fs::path home = homeForRun();
    const auto floor = runToFirstFrame(baselineCommand(), homeEnvironment(home), problem);
    const auto run = floor ? runToFirstFrame(command, homeEnvironment(home), problem) : std::nullopt;
    if (!run) {
      state.SkipWithError(problem.c_str());
      return;
    }
    state.SetIterationTime(run->seconds);
    times.push_back(run->seconds * 1e3);
    floors.push_back(floor->seconds * 1e3);
    differences.push_back((run->seconds - floor->seconds) * 1e3);
    peakKb = std::max(peakKb, run->peakKb);
  }
  state.counters["median_ms"] = median(times);
  state.counters["baseline_median_ms"] = median(floors);
  state.counters["over_baseline_ms"] = median(differences);
  state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024.0;
}

void BM_ProductFreshDataFolder(benchmark::State& state) {
  InstalledCopy copy;
  if (!copy.ok()) return state.SkipWithError("cannot make a temporary folder");
  int run = 0;
  pairedRuns(state, {copy.program().string()}, [&] { return copy.makeHome("home-" + std::to_string(run++)); });
}
BENCHMARK(BM_ProductFreshDataFolder)->Unit(benchmark::kMillisecond)->Iterations(kRuns)->UseManualTime();

void BM_ProductExistingDataFolder(benchmark::State& state) {
  InstalledCopy copy;
  if (!copy.ok()) return state.SkipWithError("cannot make a temporary folder");
  const fs::path home = copy.makeHome("home");
  std::string problem;
  if (!runToFirstFrame({copy.program().string()}, homeEnvironment(home), problem))
    return state.SkipWithError(problem.c_str());
  pairedRuns(state, {copy.program().string()}, [&] { return home; });
}
BENCHMARK(BM_ProductExistingDataFolder)->Unit(benchmark::kMillisecond)->Iterations(kRuns)->UseManualTime();

// The demo keeps its data beside itself in the build.
void BM_Demo(benchmark::State& state) {
  InstalledCopy copy;
  if (!copy.ok()) return state.SkipWithError("cannot make a temporary folder");
  const fs::path home = copy.makeHome("home");
  pairedRuns(state, {(ownFolder() / OSTREL_DEMO_FILE_NAME).string()}, [&] { return home; });
}
BENCHMARK(BM_Demo)->Unit(benchmark::kMillisecond)->Iterations(kRuns)->UseManualTime();

}  // namespace
}  // namespace ostrel::bench

BENCHMARK_MAIN();
