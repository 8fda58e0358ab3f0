#include "online/UpdateOffer.h"

#include <cctype>
#include <charconv>

#include "library/ProfileLibrary.h"
#include "profile/AppState.h"

namespace ostrel {

std::string formatVersion(float version) {
  char text[64];
  const auto result =
      std::to_chars(text, text + sizeof text, static_cast<double>(version), std::chars_format::fixed, 2);
  return std::string(text, result.ptr);
}

float versionNumber(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // Only digits or a point may follow: no "inf", "nan" or second sign.
  if (at == text.size() || !(std::isdigit(static_cast<unsigned char>(text[at])) || text[at] == '.')) return 0.0f;
  double value = 0.0;
  const auto result = std::from_chars(text.data() + at, text.data() + text.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc()) return 0.0f;
  return static_cast<float>(negative ? -value : value);
}

bool updateOffered(float padFirmwareVersion, const std::string& serverText) {
  return serverText != formatVersion(padFirmwareVersion) && padFirmwareVersion < versionNumber(serverText);
}

void refreshVersion(ProfileLibrary& library, AppState& state, bool recoveryMode) {
  if (recoveryMode) library.writeVersion(formatVersion(1.0f));
  state.padFirmwareVersion = versionNumber(library.readVersion());
}

}  // namespace ostrel
