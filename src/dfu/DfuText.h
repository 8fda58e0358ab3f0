#pragma once
// Text helpers of the firmware update: device paths are compared without
// regard to case and kept in capitals; fields are printed like "%04X".

#include <cstdint>
#include <string>
#include <string_view>

namespace ostrel {

std::string upperCase(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);
std::string hex4(uint16_t value);

}  // namespace ostrel
