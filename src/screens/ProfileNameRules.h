#pragma once
// What the name screen accepts as the name of one of the user's profiles.

#include <QString>

#include <optional>
#include <string>

namespace ostrel {

// A typed name never grows past this many characters.
inline constexpr int kMaxProfileNameLength = 20;

// The text with every space turned into "_" (names become file names).
QString underscoredName(const QString& text);

// The name as the library stores it (Windows-1252 bytes), or nothing when it
// is not allowed: empty; holding one of * : " ? > < | / or a backslash;
// starting with the maker's prefix "kelto" or "Kelto"; holding a character
// Windows-1252 cannot hold; or otherwise no file name (control characters,
// "." and "..").
std::optional<std::string> allowedProfileName(const QString& text);

}  // namespace ostrel
