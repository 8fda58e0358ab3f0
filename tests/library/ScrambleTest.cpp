// The stored form of profile files: key, trailer rules, file-level operations.
#include <gtest/gtest.h>

#include <string>

#include "LibraryTestFolder.h"
#include "library/Scrambler.h"

namespace ostrel {
namespace {

using testing::LibraryTest;
constexpr char K = static_cast<char>(0xB2);

// Stored files depend on this key: it must never change.
TEST(Scrambler, KeyIsPinned) {
  EXPECT_EQ(deriveScrambleKey(), 0x5A0DE7B2u);
  ProfileLibrary lib;
  EXPECT_EQ(lib.deriveKey() & 0xFFu, 0xB2u);
}

TEST(Scrambler, StoredFormIsBodyXorKeyXorLengthThenTrailer) {
  const std::string body = "1.000000\r\n";  // 10 bytes
  const std::string stored = scrambleBytes(body, deriveScrambleKey());
  ASSERT_EQ(stored.size(), body.size() + 5);
  EXPECT_EQ(stored[0], static_cast<char>('1' ^ 0xB2 ^ 10));
  EXPECT_EQ(stored.substr(10), std::string({static_cast<char>('l' ^ 0xB2), static_cast<char>('o' ^ 0xB2),
                                            static_cast<char>('v' ^ 0xB2), static_cast<char>('e' ^ 0xB2), K}));
  EXPECT_EQ(unscrambleBytes(stored, deriveScrambleKey()), body);
}

TEST(Scrambler, LengthModulo256PicksTheMask) {
  const uint32_t key = deriveScrambleKey();
  const auto firstByte = [&](std::size_t length) {
    return scrambleBytes(std::string(length, 'a'), key)[0];
  };
  EXPECT_NE(firstByte(10), firstByte(11));
  EXPECT_EQ(firstByte(10), firstByte(266));
}

TEST(Scrambler, OnlyAValidTrailerCounts) {
  const uint32_t key = deriveScrambleKey();
  const std::string love = scrambleBytes("", key);  // the bare trailer
  std::string nonZeroLast = love;
  nonZeroLast.back() = static_cast<char>(K ^ 1);
  const std::string cases[] = {"", "a", "abcd", "1.000000\r\n", nonZeroLast, "love" + std::string(1, '\0')};
  for (const auto& bytes : cases) EXPECT_FALSE(unscrambleBytes(bytes, key)) << bytes.size();
  EXPECT_EQ(unscrambleBytes(love, key), "");
}

TEST_F(LibraryTest, ScrambleFileRoundTripsInPlace) {
  const std::string body = "1.000000\r\n-0.500000\r\n";
  write("p.klt", body);
  const std::string path = file("p.klt").string();
  ASSERT_TRUE(lib->scrambleFile(path));
  EXPECT_EQ(read("p.klt"), scrambleBytes(body, deriveScrambleKey()));
  EXPECT_EQ(lib->scrambleKey, 0x5A0DE7B2u);
  ASSERT_TRUE(lib->unscrambleFile(path));
  EXPECT_EQ(read("p.klt"), body);
}

TEST_F(LibraryTest, ScrambleFileOnMissingFileCreatesNothing) {
  EXPECT_FALSE(lib->scrambleFile(file("none.klt").string()));
  EXPECT_FALSE(has("none.klt"));
}

TEST_F(LibraryTest, UnscrambleFileLeavesUnscrambledFilesAlone) {
  for (const std::string bytes : {"", "a", "abcd", "1.000000\r\n"}) {
    write("p.klt", bytes);
    EXPECT_FALSE(lib->unscrambleFile(file("p.klt").string()));
    EXPECT_EQ(read("p.klt"), bytes);
  }
  EXPECT_FALSE(lib->unscrambleFile(file("missing.klt").string()));
}

TEST_F(LibraryTest, TwiceScrambledNeedsTwoUnscrambles) {
  write("p.klt", "2.000000\r\n");
  const std::string path = file("p.klt").string();
  ASSERT_TRUE(lib->scrambleFile(path));
  ASSERT_TRUE(lib->scrambleFile(path));
  ASSERT_TRUE(lib->unscrambleFile(path));
  ASSERT_TRUE(lib->unscrambleFile(path));
  EXPECT_FALSE(lib->unscrambleFile(path));
  EXPECT_EQ(read("p.klt"), "2.000000\r\n");
}

// A crash between the finished temporary file and the rename leaves the old
// file whole.
TEST_F(LibraryTest, CrashBeforeRenameKeepsTheOldFile) {
  write("p.klt", "plain\r\n");
  lib->beforeReplace = [](const auto&, const auto&) { return false; };
  EXPECT_FALSE(lib->scrambleFile(file("p.klt").string()));
  EXPECT_EQ(read("p.klt"), "plain\r\n");
}

}  // namespace
}  // namespace ostrel
