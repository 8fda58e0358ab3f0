#include "link/hid/UsbIdsInPath.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace ostrel {
namespace {

// The four hexadecimal digits after the first occurrence of key.
std::optional<uint16_t> idAfter(const std::string& upperPath, std::string_view key) {
  const std::size_t at = upperPath.find(key);
  if (at == std::string::npos || upperPath.size() - at - key.size() < 4) return std::nullopt;
  uint16_t value = 0;
  for (std::size_t i = at + key.size(); i < at + key.size() + 4; ++i) {
    const char c = upperPath[i];
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = static_cast<uint16_t>(value * 16 + (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'A' + 10));
  }
  return value;
}

}  // namespace

bool readUsbIdsFromPath(std::string_view path, HidInterfaceInfo& info) {
  std::string upper(path);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const auto vendor = idAfter(upper, "VID_");
  const auto product = idAfter(upper, "PID_");
  if (!vendor || !product) return false;
  info.vendorId = *vendor;
  info.productId = *product;
  return true;
}

}  // namespace ostrel
