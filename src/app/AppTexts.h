#pragma once
// The program's own fixed texts.

namespace ostrel {

inline constexpr const char* kCaption = "Kelto PX-720LT Software";
inline constexpr const char* kAlreadyRunning = "Kelto PX-720LT Software is already running";
inline constexpr double kProgramVersion = 1.01;

}  // namespace ostrel
