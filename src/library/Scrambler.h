#pragma once
// The stored form of a profile body: every byte XORed with the key byte and
// with the body length mod 256, followed by the trailer "love" XOR key byte
// and the key byte itself.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrel {

// Fixed for good: every stored profile depends on these two values.
inline constexpr char kKeySeed[] = "K7PX720LTOSTREL9";
inline constexpr uint32_t kKeyInitial = 0x5A0DE7C1u;

// The key value built from the seed and initial value; its low byte is the
// key byte.
uint32_t deriveScrambleKey();

// body -> stored bytes (body length + 5).
std::string scrambleBytes(std::string_view body, uint32_t key);

// stored bytes -> body; nullopt when the bytes carry no valid trailer.
std::optional<std::string> unscrambleBytes(std::string_view stored, uint32_t key);

}  // namespace ostrel
