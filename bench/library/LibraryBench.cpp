// Library operations with 10, 100 and 1000 profiles in the folders. The
// rebuilds and index appends should grow linearly with the count.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "library/ProfileLibrary.h"

namespace {

namespace fs = std::filesystem;
using ostrel::ProfileLibrary;

// A data root holding count user profiles and count maker profiles, indexed.
class Library {
 public:
  explicit Library(int count) {
    std::random_device random;
    root_ = fs::temp_directory_path() / ("ostrel-library-bench-" + std::to_string(random()));
    fs::create_directories(root_);
    lib_ = std::make_unique<ProfileLibrary>();
    lib_->basePath = root_.string() + "/";
    lib_->ensureFolders();
    lib_->createProfile("p0");
    const fs::path first = root_ / "Myprofile" / "p0.klt";
    for (int i = 1; i < count; ++i) fs::copy_file(first, root_ / "Myprofile" / ("p" + std::to_string(i) + ".klt"));
    for (int i = 0; i < count; ++i) fs::copy_file(first, root_ / "Keltoprofile" / ("kelto-" + std::to_string(i) + ".klt"));
    lib_->rebuildMyIndex();
    lib_->rebuildMakerIndex();
  }
  ~Library() {
    lib_.reset();
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  ProfileLibrary& operator*() { return *lib_; }
  ProfileLibrary* operator->() { return lib_.get(); }

 private:
  fs::path root_;
  std::unique_ptr<ProfileLibrary> lib_;
};

void setSize(benchmark::State& state) {
  state.SetComplexityN(state.range(0));
}

void BM_createProfile(benchmark::State& state) {
  Library lib(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(lib->createProfile("new"));
    state.PauseTiming();
    lib->deleteProfile("new");
    state.ResumeTiming();
  }
  setSize(state);
}

void BM_loadProfileIntoSlot(benchmark::State& state) {
  Library lib(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(lib->loadProfileIntoSlot(0, "p0"));
  setSize(state);
}

void BM_setProfileValue(benchmark::State& state) {
  Library lib(static_cast<int>(state.range(0)));
  int index = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lib->setProfileValue(0, "p0", index, "1.500000"));
    index = (index + 1) % 166;
  }
  setSize(state);
}

void BM_saveSlotAs(benchmark::State& state) {
  Library lib(static_cast<int>(state.range(0)));
  lib->editValues[0].fill(0.25f);
  for (auto _ : state) benchmark::DoNotOptimize(lib->saveSlotAs(0, "p0"));
  setSize(state);
}

void BM_rebuildMyIndex(benchmark::State& state) {
  Library lib(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(lib->rebuildMyIndex());
  setSize(state);
}

void BM_rebuildMakerIndex(benchmark::State& state) {
  Library lib(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(lib->rebuildMakerIndex());
  setSize(state);
}

#define LIBRARY_SIZES ->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond)
BENCHMARK(BM_createProfile) LIBRARY_SIZES->Complexity(benchmark::oN);
BENCHMARK(BM_loadProfileIntoSlot) LIBRARY_SIZES->Complexity(benchmark::o1);
BENCHMARK(BM_setProfileValue) LIBRARY_SIZES->Complexity(benchmark::o1);
BENCHMARK(BM_saveSlotAs) LIBRARY_SIZES->Complexity(benchmark::o1);
BENCHMARK(BM_rebuildMyIndex) LIBRARY_SIZES->Complexity(benchmark::oN);
BENCHMARK(BM_rebuildMakerIndex) LIBRARY_SIZES->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
