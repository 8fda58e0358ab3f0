#include "library/SafeName.h"

namespace ostrel {

namespace {
bool isControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}
}  // namespace

bool isSingleLine(std::string_view name) {
  for (char c : name) {
    if (isControl(c)) return false;
  }
  return true;
}

bool isSafeName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  if (name.find_first_of("/\\") != std::string_view::npos) return false;
  return isSingleLine(name);
}

}  // namespace ostrel
