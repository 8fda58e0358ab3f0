// A firmware update of a 256 KB image on the simulated hardware, in real
// time, from Yes on the update screen to its success picture: the whole
// program with its 300 ms timer, a loopback FTP server holding the firmware,
// and the simulated pad and boot loader with the device's own poll times.
// Beside the wall time it prints what the wait is made of: the screen's
// ticks, its 1000 ms pause before programming, the engine's pause before it
// selects a listed device, and the waits the boot loader imposed.

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "FakeShell.h"
#include "PyFtpServer.h"
#include "TempDir.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/ProfileContainer.h"
#include "dfu/DfuEngine.h"
#include "dfu/SystemDfuClock.h"
#include "dfu/sim/SimulatedFirmwareImage.h"
#include "dfu/sim/SimulatedPadRig.h"
#include "link/SystemSleeper.h"
#include "screens/UpdateScreen.h"
#include "screens/GeneralScreen.h"

namespace ostrel {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t kImageSize = 256 * 1024;

void writeFile(const fs::path& file, const std::vector<uint8_t>& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 60000); }

void click(QWidget& screen, int id) {
  QWidget* control = screen.findChild<QWidget*>(QString::number(id));
  if (control) QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

struct Measure {
  double wallMs = 0;
  int ticks = 0;
  uint64_t imposedMs = 0;
  bool done = false;
};

Measure updateOnce() {
  Measure measure;
  test::PyFtpServer ftp;
  if (!ftp.running()) return measure;
  const std::string version = "1.10\r\n";
  writeFile(ftp.root() / "Firmware_updates_PX720_LT/version.klt", {version.begin(), version.end()});
  writeFile(ftp.root() / "Firmware_updates_PX720_LT/Ostrel.dfu", makeSimulatedFirmware(0x0110, kImageSize));
  test::TempDir program;
  SystemDfuClock clock;
  SimulatedPadRig rig(clock);
  SystemSleeper sleeper;
  test::FakeShell shell;
  Application app(Application::Environment{
      rig.pad(), sleeper, shell, [] { return true; }, program.path().string() + "/", std::string(),
      QCoreApplication::applicationDirPath(), nullptr, {}, ftp.settings(), &rig.bus(), &clock});
  if (!app.start()) return measure;
  rig.plugPad();
  if (!waitFor([&] { return app.state().padFirmwareVersion == 1.0f; })) return measure;
  click(app.mainWindow(), MainWindow::kNextId);
  ProfileContainer& container = *app.mainWindow().container();
  app.state().ScreenId = kGeneralScreen;
  container.showCurrentScreen();
  auto& screen = *static_cast<UpdateScreen*>(container.page(kUpdateScreen));
  click(*container.page(kGeneralScreen), GeneralScreen::kFirmwareUpdate);
  if (!waitFor([&] { return screen.updateState() == UpdateScreen::kOffer; })) return measure;

  QObject::connect(&screen.timer(), &QTimer::timeout, [&measure] { ++measure.ticks; });
  std::shared_ptr<SimulatedDfuseDevice> bootLoader;
  const auto start = std::chrono::steady_clock::now();
  click(screen, UpdateScreen::kYes);
  measure.done = waitFor([&] {
    if (!bootLoader) bootLoader = rig.bootLoader();
    return screen.updateState() == UpdateScreen::kDone;
  });
  measure.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (bootLoader) measure.imposedMs = bootLoader->imposedWaitMs();
  waitFor([&] { return rig.pad().mode() == SimulatedPad::Mode::Pad; });  // let the pad come back
  return measure;
}

void BM_UpdateFromYesToSuccess(benchmark::State& state) {
  Measure last;
  for (auto _ : state) {
    last = updateOnce();
    if (!last.done) {
      state.SkipWithError("the update did not reach its success picture");
      break;
    }
    state.SetIterationTime(last.wallMs / 1000);
  }
  // The pauses block the user-interface thread, so no tick falls in them:
  // they add to the ticks.
  const double tickMs = last.ticks * double(UpdateScreen::kTickMs);
  const double fixedMs = tickMs + UpdateScreen::kStartPauseMs + DfuEngine::kEnumeratePauseMs;
  std::printf("\n256 KB image from Yes to the success picture: wall %.0f ms\n"
              "  %d ticks x %d ms = %.0f ms, pause before programming %u ms, engine pause %u ms: sum %.0f ms\n"
              "  (the boot loader's own waits, %llu ms, run on the operation thread inside those ticks)\n"
              "  wall time is %.1f %% of the sum\n",
              last.wallMs, last.ticks, UpdateScreen::kTickMs, tickMs, UpdateScreen::kStartPauseMs,
              DfuEngine::kEnumeratePauseMs, fixedMs, static_cast<unsigned long long>(last.imposedMs),
              fixedMs > 0 ? last.wallMs * 100 / fixedMs : 0.0);
  state.counters["ticks"] = last.ticks;
  state.counters["fixed_ms"] = fixedMs;
  state.counters["imposed_ms"] = static_cast<double>(last.imposedMs);
}
BENCHMARK(BM_UpdateFromYesToSuccess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace ostrel

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
