#include "dfu/DfuText.h"

#include <cctype>
#include <cstdio>

namespace ostrel {

std::string upperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && upperCase(a) == upperCase(b);
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::string hex4(uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", value);
  return text;
}

}  // namespace ostrel
