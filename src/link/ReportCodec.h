#pragma once
// The pad's 64-byte command reports: building every command the program sends
// and reading every answer it handles. Bytes in, values out; no I/O.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ostrel {

inline constexpr std::size_t kReportSize = 64;
inline constexpr uint8_t kReportId = 4;
using Report = std::array<uint8_t, kReportSize>;

// Command letters (byte 1), host to pad and pad to host.
namespace Letter {
inline constexpr uint8_t version = 'W';
inline constexpr uint8_t pulse = ']';
inline constexpr uint8_t name = '[';
inline constexpr uint8_t profile = 'V';
inline constexpr uint8_t profileName = 'Z';
inline constexpr uint8_t profileData = 'U';
inline constexpr uint8_t pulseSettings = '\\';
inline constexpr uint8_t detach = '^';
inline constexpr uint8_t stored = '_';
}  // namespace Letter

struct PulseSettings {
  int level = 0;
  int mode = 0;
  int value = 0;
};

struct NameAnswer {
  int slot = 0;
  std::string name;  // zero bytes removed
};

// Little-endian field access shared by every report layout.
void putFloat(uint8_t* at, float value);
float getFloat(const uint8_t* at);

// A zeroed report with the report id and the letter set.
Report makeReport(uint8_t letter);
// '[' and 'V' carry the slot (1..4) in byte 2.
Report makeSlotRequest(uint8_t letter, int slot);
Report makePulseSettings(const PulseSettings& settings);

// True when byte 0 is the report id the pad's answers carry.
bool isCommandReport(const Report& report);
float decodeVersion(const Report& report);
PulseSettings decodePulse(const Report& report);
NameAnswer decodeName(const Report& report);

// The pad's side of the same answers (the simulated pad speaks them).
Report makeVersionAnswer(float version);
Report makePulseAnswer(const PulseSettings& settings);
// At most 20 name bytes fit; a longer name is cut.
Report makeNameAnswer(int slot, const std::string& name);

}  // namespace ostrel
