#pragma once
// The commands the program sends to the pad, each followed by the pause the
// pad needs before the next one.

#include "link/ReportWriter.h"
#include "link/Sleeper.h"
#include "profile/AppState.h"

namespace ostrel {

class PadCommands {
 public:
  static constexpr std::chrono::milliseconds kCommandPause{30};
  static constexpr std::chrono::milliseconds kSettingsPause{10};

  PadCommands(ReportWriter& writer, Sleeper& sleeper) : writer_(writer), sleeper_(sleeper) {}

  // One report through the single writer, without a pause.
  bool sendReport(const Report& report) { return writer_.sendReport(report); }
  // Each returns whether its report went out; the pause is kept either way.
  bool sendVersionQuery();            // 'W'
  bool sendPulseQuery();              // ']'
  bool sendNameRequest(int slot);     // '[' for slot 1..4
  bool sendProfileRequest(int slot);  // 'V' for slot 1..4
  bool sendPulseSettings(const PulseSettings& settings);  // '\'
  // '^': the pad leaves for its boot loader. expectDetach is set first so
  // that its removal is not taken for a disconnection, and cleared again when
  // the report could not be sent.
  bool sendDetach(AppState& app);

 private:
  bool sendPaced(const Report& report, std::chrono::milliseconds pause);

  ReportWriter& writer_;
  Sleeper& sleeper_;
};

}  // namespace ostrel
