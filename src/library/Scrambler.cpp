#include "library/Scrambler.h"

namespace ostrel {

namespace {
constexpr char kTrailerText[] = "love";
constexpr std::size_t kTrailerSize = 5;

uint8_t keyByte(uint32_t key) { return static_cast<uint8_t>(key & 0xFFu); }

void xorBody(std::string& bytes, std::size_t length, uint8_t mask) {
  for (std::size_t j = 0; j < length; ++j) {
    bytes[j] = static_cast<char>(static_cast<uint8_t>(bytes[j]) ^ mask);
  }
}
}  // namespace

uint32_t deriveScrambleKey() {
  uint32_t accumulator = kKeyInitial;
  for (std::size_t i = 0; i + 1 < sizeof kKeySeed; ++i) {
    const auto widened = static_cast<int32_t>(static_cast<int8_t>(kKeySeed[i]));
    accumulator ^= static_cast<uint32_t>(widened) | 0x80u;
  }
  return accumulator;
}

std::string scrambleBytes(std::string_view body, uint32_t key) {
  const uint8_t k = keyByte(key);
  std::string stored(body);
  xorBody(stored, body.size(), static_cast<uint8_t>(k ^ (body.size() & 0xFFu)));
  for (std::size_t i = 0; i + 1 < sizeof kTrailerText; ++i) {
    stored += static_cast<char>(static_cast<uint8_t>(kTrailerText[i]) ^ k);
  }
  stored += static_cast<char>(k);
  return stored;
}

std::optional<std::string> unscrambleBytes(std::string_view stored, uint32_t key) {
  if (stored.size() < kTrailerSize) return std::nullopt;
  const uint8_t k = keyByte(key);
  const std::size_t length = stored.size() - kTrailerSize;
  for (std::size_t i = 0; i < kTrailerSize; ++i) {
    const auto decoded = static_cast<uint8_t>(static_cast<uint8_t>(stored[length + i]) ^ k);
    if (decoded != static_cast<uint8_t>(kTrailerText[i])) return std::nullopt;  // '\0' last
  }
  std::string body(stored.substr(0, length));
  xorBody(body, length, static_cast<uint8_t>(k ^ (length & 0xFFu)));
  return body;
}

}  // namespace ostrel
