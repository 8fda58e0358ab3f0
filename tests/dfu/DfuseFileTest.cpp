#include "dfu/Crc32.h"
#include "dfu/DfuseFile.h"

#include "DfuTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace ostrel {
namespace {

using test::padFile;
using test::pattern;

DfuseFile sampleFile() {
  DfuseFile file = padFile({{0x08000000, pattern(3000, 1)}, {0x08020000, pattern(17, 2)}});
  file.images.push_back({1, "", {{0x1FFFF800, pattern(16, 3)}}});
  return file;
}

// Rewrites the CRC after a deliberate change, so only the change is at fault.
void resealCrc(std::vector<uint8_t>& bytes) {
  const uint32_t crc = Crc32::dfu(bytes.data(), bytes.size() - 4);
  for (int i = 0; i < 4; ++i) bytes[bytes.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
}

TEST(Crc32, MatchesTheDfuSuffixConvention) {
  // zlib's CRC-32 of "123456789" is 0xCBF43926; DFU keeps the register uninverted.
  const uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(Crc32::dfu(digits, sizeof digits), ~0xCBF43926u);
}

TEST(DfuseFile, RoundTripKeepsEverything) {
  const DfuseFile file = sampleFile();
  const std::vector<uint8_t> bytes = file.serialise();
  ASSERT_EQ(0, std::memcmp(bytes.data(), "DfuSe\x01", 6));
  ASSERT_EQ(0, std::memcmp(bytes.data() + bytes.size() - 8, "UFD\x10", 4));
  DfuseFile back;
  ASSERT_EQ(DfuseFile::parse(bytes, back), DfuseFileError::none);
  EXPECT_EQ(back.vendor, 0x0483);
  EXPECT_EQ(back.product, 0xDF11);
  EXPECT_EQ(back.version, 0x2200);
  ASSERT_EQ(back.images.size(), 2u);
  EXPECT_EQ(back.images[0].name, "Internal Flash");
  EXPECT_EQ(back.images[1].name, "");
  EXPECT_EQ(back.images[1].alternate, 1);
  ASSERT_EQ(back.images[0].elements.size(), 2u);
  EXPECT_EQ(back.images[0].elements[1].address, 0x08020000u);
  EXPECT_EQ(back.images[0].elements[0].data, pattern(3000, 1));
  EXPECT_EQ(back.images[0].dataSize(), 3017u);
}

struct Corruption {
  const char* name;
  std::function<void(std::vector<uint8_t>&)> apply;
  DfuseFileError expected;
};

TEST(DfuseFile, RefusesMalformedFiles) {
  const std::vector<uint8_t> good = sampleFile().serialise();
  const size_t firstElementSize = 11 + 274 + 4;  // prefix, target prefix, element address
  const std::vector<Corruption> cases = {
      {"flipped data byte", [](auto& b) { b[400] ^= 1; }, DfuseFileError::badCrc},
      {"suffix signature", [](auto& b) { b[b.size() - 8] = 'X'; resealCrc(b); }, DfuseFileError::badSuffix},
      {"bcdDFU", [](auto& b) { b[b.size() - 10] = 0x00; resealCrc(b); }, DfuseFileError::badSuffix},
      {"prefix signature", [](auto& b) { b[0] = 'X'; resealCrc(b); }, DfuseFileError::badPrefix},
      {"prefix image size", [](auto& b) { b[6] ^= 4; resealCrc(b); }, DfuseFileError::badPrefix},
      {"target signature", [](auto& b) { b[11] = 't'; resealCrc(b); }, DfuseFileError::badTarget},
      {"element larger than its target",
       [&](auto& b) { b[firstElementSize + 1] = 0x7F; resealCrc(b); }, DfuseFileError::badElement},
      {"more targets than present", [](auto& b) { b[10] = 3; resealCrc(b); }, DfuseFileError::badTarget},
      {"fewer targets than present", [](auto& b) { b[10] = 1; resealCrc(b); }, DfuseFileError::trailingData},
      {"suffix only", [](auto& b) { b.erase(b.begin(), b.end() - 16); }, DfuseFileError::tooShort},
  };
  for (const Corruption& c : cases) {
    std::vector<uint8_t> bytes = good;
    c.apply(bytes);
    DfuseFile out;
    out.vendor = 0x1234;
    EXPECT_EQ(DfuseFile::parse(bytes, out), c.expected) << c.name;
    EXPECT_EQ(out.vendor, 0x1234) << c.name << ": a refused file leaves the output alone";
  }
}

TEST(DfuseFile, RefusesOverlappingElementsAndAddressWrap) {
  for (const auto& elements : std::vector<std::vector<DfuseElement>>{
           {{0x08000000, pattern(100, 1)}, {0x08000050, pattern(100, 2)}},
           {{0xFFFFFFF0, pattern(32, 1)}}}) {
    const std::vector<uint8_t> bytes = padFile(elements).serialise();
    DfuseFile out;
    EXPECT_NE(DfuseFile::parse(bytes, out), DfuseFileError::none);
  }
}

TEST(DfuseFile, EveryTruncationIsRefusedWithoutReadingPastTheEnd) {
  const std::vector<uint8_t> good = sampleFile().serialise();
  for (size_t length = 0; length < good.size(); ++length) {
    // A copy of exactly length bytes, so AddressSanitizer sees any read past it.
    std::vector<uint8_t> cut(good.begin(), good.begin() + length);
    if (cut.size() >= 4) resealCrc(cut);
    DfuseFile out;
    EXPECT_NE(DfuseFile::parse(cut, out), DfuseFileError::none) << length;
  }
}

}  // namespace
}  // namespace ostrel
