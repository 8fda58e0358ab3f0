#include "UpdateShots.h"

#include "DemoServer.h"
#include "ScreenshotRun.h"
#include "app/ProfileContainer.h"
#include "controls/TextProgressBar.h"
#include "dfu/sim/SimulatedPadRig.h"
#include "screens/UpdateScreen.h"
#include "screens/GeneralScreen.h"

namespace ostrel {
namespace {

using State = UpdateScreen::State;

constexpr int kFailureTickMs = 30;

// The update screen, opened by the general screen's firmware-update button.
UpdateScreen* openUpdate(ScreenshotRun& run) {
  run.container()->showScreen(kGeneralScreen);
  run.click(kGeneralScreen, GeneralScreen::kFirmwareUpdate);
  auto* screen = dynamic_cast<UpdateScreen*>(run.page(kUpdateScreen));
  return screen && run.waitUntil([&] { return run.shown(kUpdateScreen); }) ? screen : nullptr;
}

bool reach(ScreenshotRun& run, UpdateScreen* screen, State state) {
  return screen && run.waitUntil([&] { return screen->updateState() == state; });
}

// Saves the screen once it reaches state, then presses OK.
void saveEnd(ScreenshotRun& run, UpdateScreen* screen, State state, const QString& name) {
  if (!reach(run, screen, state)) return;
  run.save(name);
  run.click(kUpdateScreen, UpdateScreen::kOk);
}

// Saves the progress bar once it has moved.
void saveProgress(ScreenshotRun& run, UpdateScreen* screen, const QString& name) {
  if (run.waitUntil([&] { return screen->progressBar().isVisible() && screen->progressBar().pos() > 0; }))
    run.save(name);
}

void padAnswers(ScreenshotRun& run, SimulatedPadRig& rig) {
  rig.pad().setRequestFilter(nullptr);
  rig.unplug();
  rig.plugPad();
  run.waitUntil([&] { return run.app().state().padFirmwareVersion > 0; });
}

void failedAndRecovered(ScreenshotRun& run, SimulatedPadRig& rig) {
  SimulatedDfuseFaults faults;
  faults.statusErrorAtWrite = 3;
  rig.setBootLoaderFaults(faults);
  // The screen gives up on the programming after 65 ticks; quicker ticks
  // bring that picture sooner and change nothing else it shows.
  if (auto* update = dynamic_cast<UpdateScreen*>(run.page(kUpdateScreen))) update->setTickPeriod(kFailureTickMs);
  UpdateScreen* screen = openUpdate(run);
  if (!reach(run, screen, State::kOffer)) return;
  run.click(kUpdateScreen, UpdateScreen::kYes);
  if (!reach(run, screen, State::kFailed)) return;
  run.save(QStringLiteral("update-failed.png"));
  screen->setTickPeriod(UpdateScreen::kTickMs);
  // The failed state's last tick stops the timer; the pad stays in its boot
  // loader, and found again while the failure shows, it is recovered.
  if (!run.waitUntil([&] { return !screen->timer().isActive(); })) return;
  rig.setBootLoaderFaults({});
  rig.unplug();
  rig.enterBootLoader();
  saveProgress(run, screen, QStringLiteral("update-recovery.png"));
  saveEnd(run, screen, State::kDone, QStringLiteral("update-success-recovery.png"));
  run.waitUntil([&] { return rig.pad().mode() == SimulatedPad::Mode::Pad; });
}

void wholeUpdate(ScreenshotRun& run) {
  UpdateScreen* screen = openUpdate(run);
  if (!screen) return;
  const auto contacting = [&] {
    const int32_t state = screen->updateState();
    return (state == State::kContacting || state == State::kVersionReceived) && screen->blinkOn();
  };
  if (run.waitUntil(contacting)) run.save(QStringLiteral("update-contacting.png"), false);
  if (!reach(run, screen, State::kOffer)) return;
  run.save(QStringLiteral("update-offer.png"));
  run.click(kUpdateScreen, UpdateScreen::kYes);
  saveProgress(run, screen, QStringLiteral("update-progress.png"));
  saveEnd(run, screen, State::kDone, QStringLiteral("update-success.png"));
}

}  // namespace

void updateShots(ScreenshotRun& run, SimulatedPadRig& rig, DemoServer& server) {
  // So far the pad has answered nothing, so it has reported no firmware.
  saveEnd(run, openUpdate(run), State::kNoPad, QStringLiteral("update-no-pad.png"));
  padAnswers(run, rig);
  server.pause();
  saveEnd(run, openUpdate(run), State::kNoServer, QStringLiteral("update-no-internet.png"));
  if (!server.resume()) run.problem(QStringLiteral("The server did not come back: ") + server.problem());
  failedAndRecovered(run, rig);
  wholeUpdate(run);
}

}  // namespace ostrel
