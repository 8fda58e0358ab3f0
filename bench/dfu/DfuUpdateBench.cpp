// Updates a 256 KB image on the simulated boot loader in real time and
// reports (a) the USB requests used against the protocol's minimum and (b) the
// engine's wall time against the poll time-outs the device imposed.
//
// Minimum DFU class requests for an update of one image (S sectors to erase,
// elements e of n_e bytes, transfer size T, b_e = ceil(n_e / T) blocks), with
// each DfuSe download command costing DNLOAD + GETSTATUS (busy) + GETSTATUS
// (done):
//   erase   1 + 3 S                     status check, then one command per sector
//   program 1 + sum_e (3 + 3 b_e)       status check, set address, the blocks
//   verify  sum_e (b_e + 2)             ABORT to dfuIDLE, one UPLOAD per block, ABORT
//   leave   1 + 3 + 2                   status check, set address, DNLOAD 0, GETSTATUS
// The read-back reuses the programming's address pointer, so verifying costs
// b_e + 2 requests per element and no device waits.

#include "dfu/DfuEngine.h"
#include "dfu/SystemDfuClock.h"
#include "dfu/sim/SimulatedFirmwareImage.h"
#include "dfu/sim/SimulatedUsbBus.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

namespace ostrel {
namespace {

class QuietView : public DfuEngineView {
 public:
  bool askYesNo(const std::string&) override { return true; }
  void showMessage(const std::string&) override {}
  void setProgressColours(const DfuProgressColours&) override {}
  void setProgressText(const std::string&) override {}
  void setProgressPosition(int) override {}
  int32_t updateState() const override { return 8; }
  void failUpdate() override {}
  void openRecoveryScreen() override {}
  void startRecovery() override {}
};

constexpr uint32_t kImageSize = 256 * 1024;

uint64_t minimumRequests(uint64_t sectors, const std::vector<uint64_t>& elementSizes, uint64_t transferSize) {
  uint64_t program = 1, verify = 0;
  for (uint64_t n : elementSizes) {
    const uint64_t blocks = (n + transferSize - 1) / transferSize;
    program += 3 + 3 * blocks;
    verify += blocks + 2;
  }
  return (1 + 3 * sectors) + program + verify + 6;
}

std::string writeImage(const std::filesystem::path& root) {
  std::filesystem::create_directories(root / "Version");
  const std::vector<uint8_t> bytes = makeSimulatedFirmware(0x0110, kImageSize);
  std::ofstream(root / "Version/Ostrel.dfu", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return root.string() + "/";
}

void pollUntilIdle(DfuEngine& engine) {
  while (engine.operationHandle) {
    engine.pollOperation();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));  // far more often than the screen's 300 ms timer
  }
}

void BM_Update256K(benchmark::State& state) {
  const auto root = std::filesystem::temp_directory_path() / "ostrel-dfu-bench";
  const std::string dataRoot = writeImage(root);
  SystemDfuClock clock;
  uint64_t requests = 0, imposedMs = 0, verifyRequests = 0;
  double wallMs = 0;
  for (auto _ : state) {
    SimulatedUsbBus bus;
    auto pad = std::make_shared<SimulatedDfuseDevice>(SimulatedDfuseConfig{}, clock);
    bus.plug("pad", pad);
    AppState app;
    app.ScreenId = 11;
    QuietView view;
    DfuSharedFlags shared;
    DfuEngine engine(app, dataRoot, bus, clock, view, shared);
    engine.loadFirmwareFile();
    engine.enumerateDfuDevices();
    const uint64_t requestsBefore = pad->classRequests(), waitsBefore = pad->imposedWaitMs();
    const auto start = std::chrono::steady_clock::now();
    engine.startUpgrade();
    pollUntilIdle(engine);
    engine.leaveDfuMode();
    pollUntilIdle(engine);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!pad->leftDfuMode()) state.SkipWithError("the update did not complete");
    state.SetIterationTime(elapsed.count());
    requests = pad->classRequests() - requestsBefore;
    imposedMs = pad->imposedWaitMs() - waitsBefore;
    wallMs = elapsed.count() * 1000;
  }
  const uint16_t transfer = SimulatedDfuseConfig{}.transferSize;
  const uint64_t minimum = minimumRequests(6, {kImageSize}, transfer);
  verifyRequests = kImageSize / transfer + 2;
  std::printf("\n256 KB image, transfer size %u, 6 sectors: %llu DFU requests, minimum %llu "
              "(verify pass: %llu of them, no device waits)\n"
              "wall time %.1f ms, device-imposed waits %llu ms, the engine's own pause after leaving %u ms,\n"
              "overhead beyond these waits %.2f %% of the imposed waits\n",
              transfer, static_cast<unsigned long long>(requests), static_cast<unsigned long long>(minimum),
              static_cast<unsigned long long>(verifyRequests), wallMs, static_cast<unsigned long long>(imposedMs),
              DfuEngine::kEnumeratePauseMs,
              imposedMs ? (wallMs - imposedMs - DfuEngine::kEnumeratePauseMs) * 100.0 / imposedMs : 0.0);
  state.counters["requests"] = static_cast<double>(requests);
  state.counters["minimum"] = static_cast<double>(minimum);
  state.counters["imposed_ms"] = static_cast<double>(imposedMs);
  state.counters["wall_ms"] = wallMs;
  std::filesystem::remove_all(root);
}

BENCHMARK(BM_Update256K)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace ostrel

BENCHMARK_MAIN();
