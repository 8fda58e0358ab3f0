#include "dfu/MemoryMap.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(MemoryMap, ParsesTheBootLoaderFlash) {
  MemoryTarget t;
  ASSERT_TRUE(MemoryTarget::parse("@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg", 0, t));
  EXPECT_EQ(t.name, "Internal Flash  ");
  ASSERT_EQ(t.sectors.size(), 12u);
  EXPECT_EQ(t.sectors[0].address, 0x08000000u);
  EXPECT_EQ(t.sectors[3].address, 0x0800C000u);
  EXPECT_EQ(t.sectors[4].address, 0x08010000u);
  EXPECT_EQ(t.sectors[4].size, 64u * 1024);
  EXPECT_EQ(t.sectors[11].end(), 0x08100000u);
  EXPECT_EQ(t.sectors[11].flags, kSectorReadable | kSectorErasable | kSectorWriteable);
  EXPECT_TRUE(t.covers(0x08000000, 0x100000, kSectorWriteable));
  EXPECT_FALSE(t.covers(0x080FFFFF, 2, 0));
}

struct MapCase {
  const char* text;
  bool valid;
  size_t sectors;
  uint32_t lastEnd;
  uint8_t firstFlags;
};

TEST(MemoryMap, TableOfStrings) {
  const MapCase cases[] = {
      {"@Option Bytes  /0x1FFFF800/01*016 e", true, 1, 0x1FFFF810, 5},
      {"@Flash/0x08000000/2*1Ka/0x20000000/1*2Mb", true, 3, 0x20200000, 1},
      {"@Flash/0x08000000/3*512Bf", true, 3, 0x08000600, 6},
      {"@Flash/0X08000000/1*1Kd", true, 1, 0x08000400, 4},
      {"", false, 0, 0, 0},
      {"Internal Flash/0x08000000/1*1Kg", false, 0, 0, 0},   // no @
      {"@Flash", false, 0, 0, 0},                            // no segment
      {"@Flash/0x08000000", false, 0, 0, 0},                 // no sectors
      {"@Flash/0x08000000/", false, 0, 0, 0},
      {"@Flash/08000000/1*1Kg", false, 0, 0, 0},             // address without 0x
      {"@Flash/0x08000000/1*1Kh", false, 0, 0, 0},           // flag past g
      {"@Flash/0x08000000/1*1Qg", false, 0, 0, 0},           // unknown multiplier
      {"@Flash/0x08000000/1*0Kg", false, 0, 0, 0},           // empty sector
      {"@Flash/0x08000000/1*1Kg,", false, 0, 0, 0},          // dangling comma
      {"@Flash/0x08000000/1*1Kgx", false, 0, 0, 0},          // trailing text
      {"@Flash/0xFFFFFC00/2*1Kg", false, 0, 0, 0},           // runs past 4 GB
      {"@Flash/0x100000000/1*1Kg", false, 0, 0, 0},          // address past 32 bits
      {"@Flash/0x08000000/99999999*1Kg", false, 0, 0, 0},    // absurd count
      {"@Flash/0x08000000/1*99999999Mg", false, 0, 0, 0},    // absurd size
  };
  for (const MapCase& c : cases) {
    MemoryTarget t;
    t.name = "untouched";
    ASSERT_EQ(MemoryTarget::parse(c.text, 3, t), c.valid) << c.text;
    if (!c.valid) {
      EXPECT_EQ(t.name, "untouched") << c.text;
      continue;
    }
    EXPECT_EQ(t.alternate, 3);
    ASSERT_EQ(t.sectors.size(), c.sectors) << c.text;
    EXPECT_EQ(t.sectors.back().end(), c.lastEnd) << c.text;
    EXPECT_EQ(t.sectors.front().flags, c.firstFlags) << c.text;
  }
}

TEST(MemoryMap, EveryPrefixOfAValidStringIsHandled) {
  const std::string text = "@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg";
  for (size_t length = 0; length < text.size(); ++length) {
    const std::string cut = text.substr(0, length);  // its own buffer, for AddressSanitizer
    MemoryTarget t;
    const bool parsed = MemoryTarget::parse(cut, 0, t);
    if (parsed) {
      EXPECT_FALSE(t.sectors.empty());
    }
  }
}

}  // namespace
}  // namespace ostrel
