#include "online/PassiveReply.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace ostrel {
namespace {

// Splits off the part after the last comma as a port byte.
std::optional<unsigned> takeLastByte(std::string_view& text) {
  const std::size_t comma = text.rfind(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::string_view digits = text.substr(comma + 1);
  unsigned value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty() || value > 255)
    return std::nullopt;
  text = text.substr(0, comma);
  return value;
}

}  // namespace

std::optional<net::Endpoint> parsePassiveReply(const std::string& reply) {
  const std::size_t open = reply.find('(');
  const std::size_t close = reply.find(')');
  if (open == std::string::npos || close == std::string::npos || close < open) return std::nullopt;
  std::string_view inside = std::string_view(reply).substr(open + 1, close - open - 1);
  const auto low = takeLastByte(inside);
  if (!low) return std::nullopt;
  const auto high = takeLastByte(inside);
  if (!high || (*high == 0 && *low == 0)) return std::nullopt;
  std::string host(inside);
  std::replace(host.begin(), host.end(), ',', '.');
  return net::Endpoint{host, static_cast<uint16_t>(*high * 256 + *low)};
}

}  // namespace ostrel
