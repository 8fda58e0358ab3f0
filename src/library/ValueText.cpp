#include "library/ValueText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ostrel {

namespace {

bool isCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// from_chars leaves the value alone when it is out of range; strtod would
// give infinity for a huge number and 0 for a tiny one. The exponent's sign
// (or, without one, digits before the point) tells which it was.
double outOfRange(std::string_view number, bool hex) {
  const std::size_t mark = number.find_first_of(hex ? "pP" : "eE");
  if (mark != std::string_view::npos) {
    const bool negative = mark + 1 < number.size() && number[mark + 1] == '-';
    return negative ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return number.find_first_of("123456789abcdefABCDEF") < number.find('.')
             ? std::numeric_limits<double>::infinity()
             : 0.0;
}

double parseMagnitude(std::string_view rest) {
  bool hex = rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X');
  if (hex) rest.remove_prefix(2);
  if (rest.empty() || rest.front() == '-' || rest.front() == '+') return 0.0;
  double value = 0.0;
  const auto format = hex ? std::chars_format::hex : std::chars_format::general;
  const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value, format);
  if (result.ec == std::errc::result_out_of_range) {
    return outOfRange(rest.substr(0, result.ptr - rest.data()), hex);
  }
  return result.ec == std::errc() ? value : 0.0;
}

// Narrowing as the hardware does it, without the undefined behaviour of a
// cast from a double beyond float's range.
float narrow(double value) {
  constexpr double kRoundsToInfinity = 0x1.ffffffp127;
  if (std::isnan(value) || std::fabs(value) <= std::numeric_limits<float>::max()) {
    return static_cast<float>(value);
  }
  const float limit = std::fabs(value) >= kRoundsToInfinity ? std::numeric_limits<float>::infinity()
                                                            : std::numeric_limits<float>::max();
  return value < 0 ? -limit : limit;
}

}  // namespace

std::string formatValue(float value) { return formatDouble(static_cast<double>(value)); }

std::string formatDouble(double value) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

float parseValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const double magnitude = parseMagnitude(text.substr(i));
  return narrow(negative ? -magnitude : magnitude);
}

std::string bodyText(const float* values, std::size_t count) {
  std::string text;
  text.reserve(count * 12);
  for (std::size_t i = 0; i < count; ++i) {
    text += formatValue(values[i]);
    text += "\r\n";
  }
  return text;
}

}  // namespace ostrel
