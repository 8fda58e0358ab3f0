#pragma once
// The logon dialogues of the FTP client: one row of steps per logon type,
// and the command line of each command kind.

#include <optional>
#include <string>

#include "online/LogonParams.h"

namespace ostrel {

inline constexpr int kLogonTypeCount = 9;
// Next-step values that end the dialogue.
inline constexpr int kStepLoggedOn = -2;
inline constexpr int kStepRefused = -1;

// One step: the command kind to send, then the index (counted in integers
// from the row's start, so step k begins at 3k) of the step that follows a
// 2xx reply and of the one that follows a 3xx reply.
struct LogonStep {
  int kind;
  int onPositive;
  int onIntermediate;
};

// The step that begins at integer index of the row of logonType; absent for
// a type outside 0..8 or an index that is not the start of a step of the row.
std::optional<LogonStep> logonStep(int logonType, int index);

// The command line of a command kind 0..11. hostText is the server host with
// ":" and the port already appended when the port is not 21.
std::string logonCommand(int kind, const LogonParams& params, const std::string& hostText);

}  // namespace ostrel
