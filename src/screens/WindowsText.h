#pragma once
// Names travel as Windows-1252 bytes (the pad, the profile files); the
// screens show and read them as QString. The one place that converts.

#include <QString>

#include <optional>
#include <string>

namespace ostrel {

// Every byte has a character; the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same number.
QString fromWindows1252(const std::string& bytes);

// The bytes of text, or nothing when a character has no Windows-1252 byte.
std::optional<std::string> toWindows1252(const QString& text);

}  // namespace ostrel
