#include "screens/WindowsText.h"

#include <array>

namespace ostrel {
namespace {

// Characters of bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t characterOf(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighTable[byte - 0x80];
  return byte;
}

std::optional<unsigned char> byteOf(char16_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<unsigned char>(character);
  }
  for (std::size_t i = 0; i < kHighTable.size(); ++i) {
    if (kHighTable[i] == character) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

}  // namespace

QString fromWindows1252(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char byte : bytes) text.append(QChar(characterOf(static_cast<unsigned char>(byte))));
  return text;
}

std::optional<std::string> toWindows1252(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar character : text) {
    const auto byte = byteOf(character.unicode());
    if (!byte) return std::nullopt;
    bytes.push_back(static_cast<char>(*byte));
  }
  return bytes;
}

}  // namespace ostrel
