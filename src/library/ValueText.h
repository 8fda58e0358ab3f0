#pragma once
// Profile values as the text of one body line: written as C printf "%.6f",
// read as C atof, both in the "C" locale whatever the process locale is.

#include <cstddef>
#include <string>
#include <string_view>

namespace ostrel {

// "%.6f" of the value widened to double: 1 -> "1.000000", -0.5 -> "-0.500000".
std::string formatValue(float value);

// "%.6f" of a double, for values computed in double precision.
std::string formatDouble(double value);

// atof in the "C" locale narrowed to float: leading white space skipped, the
// longest number prefix read (decimal, hexadecimal, inf, nan), the rest
// ignored, 0 when no number can be read.
float parseValue(std::string_view text);

// The plain body of count values: one formatted value per line, CR LF after each.
std::string bodyText(const float* values, std::size_t count);

}  // namespace ostrel
