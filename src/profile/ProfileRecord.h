#pragma once
// The profile: 166 single-precision values in the order the pad and the
// profile files use. Whole numbers, codes and flags are floats too; they are
// turned back into integers by truncation toward zero.

#include <array>
#include <cstddef>

namespace ostrel {

inline constexpr std::size_t kProfileSize = 166;
using ProfileRecord = std::array<float, kProfileSize>;

// Index of every named scalar entry.
namespace ProfileIndex {
inline constexpr int sensitivity1 = 0;
inline constexpr int sensitivity2 = 1;
inline constexpr int staticDeadZone = 2;
inline constexpr int smallZone = 3;
inline constexpr int mediumZone = 8;
inline constexpr int bigZone = 13;
inline constexpr int dynamicDeadZone = 18;
inline constexpr int activationThreshold = 19;
inline constexpr int latencyMs = 20;
inline constexpr int padParam21 = 21;
inline constexpr int padParam22 = 22;
inline constexpr int padParam23 = 23;
inline constexpr int padParam24 = 24;
inline constexpr int padParam25 = 25;
inline constexpr int padParam26 = 26;
inline constexpr int padParam27 = 27;
inline constexpr int controls = 28;
inline constexpr int padParam163 = 163;
inline constexpr int padParam164 = 164;
inline constexpr int shortcutsOff = 165;
}  // namespace ProfileIndex

// Field positions inside one travel zone (five values).
namespace ZoneSegment {
inline constexpr int width = 0;
inline constexpr int offset = 1;
inline constexpr int slope = 2;
inline constexpr int reserved1 = 3;
inline constexpr int reserved2 = 4;
inline constexpr int size = 5;
}  // namespace ZoneSegment

// Field positions inside one control entry (five values).
namespace ControlEntry {
inline constexpr int code = 0;
inline constexpr int option = 1;
inline constexpr int paramA = 2;
inline constexpr int paramB = 3;
inline constexpr int paramC = 4;
inline constexpr int size = 5;
}  // namespace ControlEntry

inline constexpr int kControlCount = 27;

// The pad's control inputs in the pad's own order; k is the control entry number.
enum class ControlId : int {
  AButton = 0, BButton, XButton, YButton, DPadRight, S2Button, DPadUp, S1Button,
  DPadLeft, Reserved9, DPadDown, Reserved11, ZRTrigger, RightBumper, ZLTrigger,
  LeftBumper, M3Shortcut, M1Shortcut, M4Shortcut, M2Shortcut, RightStickClick,
  LeftStickClick, Reserved22, LeftStickRight, LeftStickUp, LeftStickLeft, LeftStickDown,
};

// First index of control entry k (0..26).
constexpr int controlIndex(int k) { return ProfileIndex::controls + ControlEntry::size * k; }
constexpr int controlIndex(ControlId id) { return controlIndex(static_cast<int>(id)); }

// The built-in factory record: every new profile and every reset starts here.
extern const ProfileRecord defaultProfile;

// Offsets and slopes of the three travel zones. Offsets are single precision
// (they are stored as floats); slopes keep the double quotient because the
// stick screen writes them from it.
struct ZoneCoefficients {
  std::array<float, 3> offset{};
  std::array<double, 3> slope{};
};

// Widths are whole percentages (small, medium, big). Each must leave its zone a
// positive share; the stick screen keeps them in 1..98.
ZoneCoefficients deriveZoneCoefficients(int smallPercent, int mediumPercent, int bigPercent);

}  // namespace ostrel
