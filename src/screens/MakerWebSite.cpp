#include "screens/MakerWebSite.h"

#include <array>

#ifndef OSTREL_WEB_ADDRESS
#error "OSTREL_WEB_ADDRESS is set by the build"
#endif

namespace ostrel {

std::string makerWebBase() { return OSTREL_WEB_ADDRESS; }

std::optional<std::string> makerWebAddress(int language) {
  static constexpr std::array<const char*, 7> kSuffix = {"", "/fr", "/de", "", "/es", "/it", ""};
  if (language < 0 || language >= static_cast<int>(kSuffix.size())) return std::nullopt;
  return makerWebBase() + kSuffix[static_cast<std::size_t>(language)];
}

}  // namespace ostrel
