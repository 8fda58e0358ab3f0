// Retrieves one 50 MB file over loopback from a local pyftpdlib server, with
// FtpConnection and with curl, and prints how their times compare.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "PyFtpServer.h"
#include "online/FtpConnection.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kFileSize = 50 * 1024 * 1024;
constexpr const char* kFileName = "firmware-50MB.bin";

ostrel::test::PyFtpServer* server = nullptr;
ostrel::test::TempDir* local = nullptr;

struct Timing {
  double seconds = 0;
  int runs = 0;
  double mean() const { return runs ? seconds / runs : 0; }
};
Timing clientTiming;
Timing curlTiming;

bool runCurl(const std::filesystem::path& target) {
  const auto settings = server->settings();
  std::vector<std::string> args = {"curl", "--silent", "--show-error", "--fail", "--output", target.string(),
                                   "ftp://" + settings.user + ":" + settings.password + "@127.0.0.1:" +
                                       std::to_string(settings.port) + "/" + kFileName};
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, "curl", nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool runClient(const std::filesystem::path& target) {
  const auto settings = server->settings();
  ostrel::FtpConnection ftp(settings.timeouts);
  if (!ftp.logOn(settings.logonParams()) || !ftp.transfer(kFileName, target, true, true)) return false;
  ftp.writeLine("QUIT");
  ftp.closeControl();
  return true;
}

template <bool (*Retrieve)(const std::filesystem::path&)>
void retrieve(benchmark::State& state, Timing& timing) {
  const auto target = local->path() / "copy.bin";
  for (auto _ : state) {
    const auto start = Clock::now();
    const bool ok = Retrieve(target);
    timing.seconds += std::chrono::duration<double>(Clock::now() - start).count();
    ++timing.runs;
    if (!ok || std::filesystem::file_size(target) != kFileSize) {
      state.SkipWithError("retrieve failed");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

void BM_FtpConnectionRetrieve50MB(benchmark::State& state) { retrieve<runClient>(state, clientTiming); }
void BM_CurlRetrieve50MB(benchmark::State& state) { retrieve<runCurl>(state, curlTiming); }

// Alternating the two keeps a warming cache or a busy machine from favouring one.
BENCHMARK(BM_FtpConnectionRetrieve50MB)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CurlRetrieve50MB)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ostrel::test::PyFtpServer ftpServer;
  ostrel::test::TempDir folder;
  if (!ftpServer.running()) {
    std::fprintf(stderr, "pyftpdlib did not start\n");
    return 1;
  }
  server = &ftpServer;
  local = &folder;
  ostrel::test::writeFile(ftpServer.root() / kFileName, ostrel::test::patternBytes(kFileSize));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (clientTiming.runs && curlTiming.runs)
    std::printf("FtpConnection / curl time ratio: %.2f (%.1f ms / %.1f ms per 50 MB)\n",
                clientTiming.mean() / curlTiming.mean(), clientTiming.mean() * 1000, curlTiming.mean() * 1000);
  return 0;
}
