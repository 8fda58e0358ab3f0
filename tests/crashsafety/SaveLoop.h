#pragma once
// The work of the child process that the crash-safety test kills: an endless
// loop of library writes, each announced on a pipe before it starts and
// confirmed after it returns, so the test knows which writes may have been
// cut short. Every value it writes tells the line and the step it came from.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "library/ProfileLibrary.h"

namespace ostrel::testing {

enum class SaveOp : uint8_t { SaveAs, SetValue, Assign, Append, Rebuild, StorePad, Done };

// One record on the pipe: small enough for the pipe to pass it whole.
struct SaveStep {
  SaveOp op = SaveOp::Done;
  uint8_t name = 0;  // index into kLoopNames
  uint8_t slot = 0;
  uint8_t line = 0;
  uint32_t generation = 0;
};

// The user's profiles first, the maker's last (setProfileValue refuses it).
inline const std::array<std::string, 4> kLoopNames = {"Alpha", "Bravo", "Charlie", "Kelto Race"};
inline constexpr std::size_t kMakerLoopName = 3;

// The value that step generation writes to line.
float loopValue(std::size_t line, uint32_t generation);

// The step's effect on a profile's values (lines the step does not touch stay).
void applyToProfile(const SaveStep& step, std::vector<float>& values);

// Runs the steps seeded by seed, writing each record to fd out, until killed.
[[noreturn]] void runSaveLoop(const std::string& basePath, int out, uint32_t seed);

}  // namespace ostrel::testing
