#include "link/PadCommands.h"

namespace ostrel {

bool PadCommands::sendPaced(const Report& report, std::chrono::milliseconds pause) {
  const bool sent = writer_.sendReport(report);
  sleeper_.sleepFor(pause);
  return sent;
}

bool PadCommands::sendVersionQuery() {
  return sendPaced(makeReport(Letter::version), kCommandPause);
}

bool PadCommands::sendPulseQuery() { return sendPaced(makeReport(Letter::pulse), kCommandPause); }

bool PadCommands::sendNameRequest(int slot) {
  return sendPaced(makeSlotRequest(Letter::name, slot), kCommandPause);
}

bool PadCommands::sendProfileRequest(int slot) {
  return sendPaced(makeSlotRequest(Letter::profile, slot), kCommandPause);
}

bool PadCommands::sendPulseSettings(const PulseSettings& settings) {
  return sendPaced(makePulseSettings(settings), kSettingsPause);
}

bool PadCommands::sendDetach(AppState& app) {
  app.expectDetach = 1;
  const bool sent = writer_.sendReport(makeReport(Letter::detach));
  if (!sent) app.expectDetach = 0;
  return sent;
}

}  // namespace ostrel
