#pragma once
// Line rules of every library file: lines are read split at LF with a CR
// before the LF removed, a last line without a line end counts; lines are
// written with CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

std::vector<std::string> splitLines(std::string_view text);

// Every line followed by CR LF (the body and slot-list form).
std::string joinLines(const std::vector<std::string>& lines);

// The name-index form: every line followed by CR LF, then every line end at
// the end of the text stripped.
std::string indexText(const std::vector<std::string>& lines);

}  // namespace ostrel
