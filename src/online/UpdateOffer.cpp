#include "online/UpdateOffer.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

#include "library/ProfileLibrary.h"
#include "profile/AppState.h"

namespace ostrel {

std::string formatVersion(float version) {
  char text[64];
  const auto result =
      std::to_chars(text, text + sizeof text, static_cast<double>(version), std::chars_format::fixed, 2);
  return std::string(text, result.ptr);
}

namespace {

// Above any version a pad firmware carries (its BCD word reads at most
// 99.99), and where a float still tells hundredths apart.
constexpr double kMaxVersion = 10000.0;

// The version a text states, or nothing when it states none a pad could run:
// no number, or one that is not finite or absurdly large.
std::optional<float> statedVersion(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // Only digits or a point may follow: no "inf", "nan" or second sign.
  if (at == text.size() || !(std::isdigit(static_cast<unsigned char>(text[at])) || text[at] == '.'))
    return std::nullopt;
  double value = 0.0;
  const auto result = std::from_chars(text.data() + at, text.data() + text.size(), value, std::chars_format::fixed);
  // Checked before the conversion: a double beyond a float's range does not convert.
  if (result.ec != std::errc() || !std::isfinite(value) || value >= kMaxVersion) return std::nullopt;
  return static_cast<float>(negative ? -value : value);
}

}  // namespace

float versionNumber(const std::string& text) { return statedVersion(text).value_or(0.0f); }

bool updateOffered(float padFirmwareVersion, const std::string& serverText) {
  const std::optional<float> server = statedVersion(serverText);
  return server && serverText != formatVersion(padFirmwareVersion) && padFirmwareVersion < *server;
}

void refreshVersion(ProfileLibrary& library, AppState& state, bool recoveryMode) {
  if (recoveryMode) library.writeVersion(formatVersion(1.0f));
  state.padFirmwareVersion = versionNumber(library.readVersion());
}

}  // namespace ostrel
