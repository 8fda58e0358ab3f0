#pragma once
// The check every piece of code applies before it turns a profile name into a
// file name: the name must stay inside its folder and be a valid file name.

#include <string_view>

namespace ostrel {

// True for a name that is not empty, is not "." or "..", and holds no '/',
// no backslash, no NUL and no other control character (below 0x20, or 0x7F).
// Bytes 0x80..0xFF (Windows-1252 letters) are allowed.
bool isSafeName(std::string_view name);

// True when a name contains no control character at all (so it fits on one
// line of a list file); empty names pass.
bool isSingleLine(std::string_view name);

}  // namespace ostrel
