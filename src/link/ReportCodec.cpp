#include "link/ReportCodec.h"

#include <bit>

namespace ostrel {
namespace {

constexpr std::size_t kNameFirst = 5;
constexpr std::size_t kNameBytes = 20;

void putWord(uint8_t* at, int value) {
  at[0] = static_cast<uint8_t>(value & 0xFF);
  at[1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

}  // namespace

void putFloat(uint8_t* at, float value) {
  const auto bits = std::bit_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(bits >> (8 * i));
}

float getFloat(const uint8_t* at) {
  uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(at[i]) << (8 * i);
  return std::bit_cast<float>(bits);
}

Report makeReport(uint8_t letter) {
  Report report{};
  report[0] = kReportId;
  report[1] = letter;
  return report;
}

Report makeSlotRequest(uint8_t letter, int slot) {
  Report report = makeReport(letter);
  report[2] = static_cast<uint8_t>(slot);
  return report;
}

Report makePulseSettings(const PulseSettings& settings) {
  Report report = makeReport(Letter::pulseSettings);
  report[2] = static_cast<uint8_t>(settings.level);
  report[3] = static_cast<uint8_t>(settings.mode);
  putWord(&report[4], settings.value);
  return report;
}

bool isCommandReport(const Report& report) { return report[0] == kReportId; }

float decodeVersion(const Report& report) { return getFloat(&report[2]); }

PulseSettings decodePulse(const Report& report) {
  return {report[2], report[3], report[4] + 256 * report[5]};
}

NameAnswer decodeName(const Report& report) {
  NameAnswer answer;
  answer.slot = report[3];
  for (std::size_t i = kNameFirst; i < kNameFirst + kNameBytes; ++i) {
    if (report[i] != 0) answer.name.push_back(static_cast<char>(report[i]));
  }
  return answer;
}

Report makeVersionAnswer(float version) {
  Report report = makeReport(Letter::version);
  putFloat(&report[2], version);
  return report;
}

Report makePulseAnswer(const PulseSettings& settings) {
  Report report = makePulseSettings(settings);
  report[1] = Letter::pulse;
  return report;
}

Report makeNameAnswer(int slot, const std::string& name) {
  Report report = makeReport(Letter::name);
  report[3] = static_cast<uint8_t>(slot);
  for (std::size_t i = 0; i < name.size() && i < kNameBytes; ++i) {
    report[kNameFirst + i] = static_cast<uint8_t>(name[i]);
  }
  return report;
}

}  // namespace ostrel
