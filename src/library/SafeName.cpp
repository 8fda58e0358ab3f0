#include "library/SafeName.h"

#include <algorithm>
#include <array>

#include "library/LibraryFolders.h"

namespace ostrel {

namespace {

bool isControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

// Windows takes these for devices whatever follows the first dot, and also
// with spaces before that dot. Superscript digits (Windows-1252 0xB9, 0xB2,
// 0xB3) count as digits there.
bool isDeviceName(std::string_view name) {
  std::string_view base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
    if (equalsIgnoringCase(base, device)) return true;
  }
  if (base.size() != 4) return false;
  const bool numbered = equalsIgnoringCase(base.substr(0, 3), "COM") || equalsIgnoringCase(base.substr(0, 3), "LPT");
  const char digit = base[3];
  return numbered && ((digit >= '1' && digit <= '9') || digit == '\xB9' || digit == '\xB2' || digit == '\xB3');
}

// A profile is its name + ".klt" beside these files, on file systems that
// ignore letter case too.
bool isLibraryFileName(std::string_view name) {
  const std::string_view extension = kProfileExtension;
  for (std::string_view file : {std::string_view(kIndexFile), std::string_view(kSlotListFile)}) {
    if (equalsIgnoringCase(name, file.substr(0, file.size() - extension.size()))) return true;
  }
  return false;
}

}  // namespace

bool isSingleLine(std::string_view name) {
  return std::none_of(name.begin(), name.end(), isControl);
}

bool isSafeName(std::string_view name) {
  if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
  if (name.find_first_of("/\\:*?\"<>|") != std::string_view::npos) return false;
  return isSingleLine(name) && !isDeviceName(name) && !isLibraryFileName(name);
}

}  // namespace ostrel
