// libFuzzer target: any bytes as a stored profile file. Unscrambling either
// refuses them and leaves the file alone, or gives the body that scrambles
// back to exactly those bytes. Loading reads one value per line, leaves the
// file stored (scrambled) and reads back to the same values; changing a line
// changes that value only.

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "FuzzLibrary.h"
#include "library/Scrambler.h"
#include "library/TextLines.h"
#include "library/ValueText.h"

namespace {

using ostrel::kSavedCapacity;
using Values = std::array<float, kSavedCapacity>;

constexpr char kName[] = "Fuzz";
constexpr char kFile[] = "Myprofile/Fuzz.klt";

void check(bool holds) {
  if (!holds) std::abort();
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void checkUnscramble(ostrel::fuzz::FuzzLibrary& fuzz, const std::string& stored) {
  fuzz.write(kFile, stored);
  ostrel::ProfileLibrary& library = fuzz.library();
  const bool done = library.unscrambleFile(fuzz.at(kFile).string());
  const std::string after = fuzz.read(kFile);
  if (!done) {
    check(after == stored);
    return;
  }
  check(ostrel::scrambleBytes(after, library.scrambleKey) == stored);
}

// The body the load saw: the unscrambled bytes, or the bytes as they are.
std::vector<std::string> bodyLines(const std::string& stored, uint32_t key) {
  const auto plain = ostrel::unscrambleBytes(stored, key);
  return ostrel::splitLines(plain ? *plain : stored);
}

void checkLoad(ostrel::fuzz::FuzzLibrary& fuzz, const std::string& stored) {
  fuzz.write(kFile, stored);
  ostrel::ProfileLibrary& library = fuzz.library();
  library.savedValues[0].fill(-7.0f);
  library.editValues[0].fill(-7.0f);
  check(library.loadProfileIntoSlot(0, kName));
  const Values first = library.savedValues[0];
  const auto lines = bodyLines(stored, library.deriveKey());
  for (std::size_t i = 0; i < kSavedCapacity; ++i) {
    const float expected = i < lines.size() ? ostrel::parseValue(lines[i]) : -7.0f;
    check(sameBits(first[i], expected) && sameBits(library.editValues[0][i], expected));
  }
  // The file is now stored and reads back to the same values.
  const std::string rewritten = fuzz.read(kFile);
  check(ostrel::unscrambleBytes(rewritten, library.deriveKey()).has_value());
  check(library.loadProfileIntoSlot(0, kName));
  check(fuzz.read(kFile) == rewritten);
  for (std::size_t i = 0; i < kSavedCapacity; ++i) check(sameBits(library.savedValues[0][i], first[i]));

  // One changed line changes one value, and only when the line exists.
  constexpr int kLine = 3;
  const bool changed = library.setProfileValue(0, kName, kLine, "2.5");
  check(changed == (lines.size() > kLine));
  if (!changed) return;
  check(library.loadProfileIntoSlot(0, kName));
  for (std::size_t i = 0; i < kSavedCapacity; ++i)
    check(sameBits(library.savedValues[0][i], i == kLine ? 2.5f : first[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ostrel::fuzz::FuzzLibrary& fuzz = ostrel::fuzz::fuzzLibrary();
  const std::string stored(reinterpret_cast<const char*>(data), size);
  checkUnscramble(fuzz, stored);
  checkLoad(fuzz, stored);
  return 0;
}
