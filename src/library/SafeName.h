#pragma once
// The check every piece of code applies before it turns a profile name into a
// file name: the name must stay inside its folder, be a file name that
// Windows and Linux can both store, and address none of the library's own
// files.

#include <string_view>

namespace ostrel {

// True for a name that is not empty and
// - holds no '/', backslash, ':', '*', '?', '"', '<', '>', '|', NUL or other
//   control character (below 0x20, or 0x7F);
// - does not end with '.' or ' ' (Windows drops them, so "." and ".." and
//   "a." are refused);
// - is not a Windows device name (CON, PRN, AUX, NUL, COM1..COM9,
//   LPT1..LPT9), with or without an extension, in any letter case;
// - is not, in any letter case, the name of a file the library keeps beside
//   the profiles ("Name" of "Name.klt", "Profile" of "Profile.klt").
// Bytes 0x80..0xFF (Windows-1252 letters) are allowed.
bool isSafeName(std::string_view name);

// True when a name contains no control character at all (so it fits on one
// line of a list file); empty names pass.
bool isSingleLine(std::string_view name);

}  // namespace ostrel
