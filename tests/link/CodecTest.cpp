// The report codec: every command's bytes and every answer's fields.

#include <gtest/gtest.h>

#include <cstring>

#include "link/ReportCodec.h"

namespace ostrel {
namespace {

struct CommandCase {
  const char* name;
  Report report;
  std::vector<std::pair<int, int>> bytes;  // every nonzero byte
};

TEST(ReportCodec, EveryCommandHasItsBytesAndZerosElsewhere) {
  const CommandCase cases[] = {
      {"W", makeReport(Letter::version), {{0, 4}, {1, 0x57}}},
      {"]", makeReport(Letter::pulse), {{0, 4}, {1, 0x5D}}},
      {"[ slot 3", makeSlotRequest(Letter::name, 3), {{0, 4}, {1, 0x5B}, {2, 3}}},
      {"V slot 4", makeSlotRequest(Letter::profile, 4), {{0, 4}, {1, 0x56}, {2, 4}}},
      {"\\", makePulseSettings({2, 3, 0x1234}), {{0, 4}, {1, 0x5C}, {2, 2}, {3, 3}, {4, 0x34}, {5, 0x12}}},
      {"^", makeReport(Letter::detach), {{0, 4}, {1, 0x5E}}},
  };
  for (const auto& c : cases) {
    Report expected{};
    for (auto [at, value] : c.bytes) expected[at] = static_cast<uint8_t>(value);
    EXPECT_EQ(c.report, expected) << c.name;
  }
}

TEST(ReportCodec, FirstTwoBytesReadAsTheLittleEndianWord) {
  const Report report = makeReport(Letter::version);
  uint16_t word = static_cast<uint16_t>(report[0] | report[1] << 8);
  EXPECT_EQ(word, 0x5704);
}

TEST(ReportCodec, VersionAnswerIsALittleEndianFloat) {
  Report answer = makeReport(Letter::version);
  const uint8_t onePointTwoFive[] = {0x00, 0x00, 0xA0, 0x3F};  // 1.25f
  std::memcpy(&answer[2], onePointTwoFive, 4);
  EXPECT_EQ(decodeVersion(answer), 1.25f);
  EXPECT_EQ(decodeVersion(makeVersionAnswer(2.5f)), 2.5f);
}

TEST(ReportCodec, PulseAnswerFields) {
  Report answer = makeReport(Letter::pulse);
  answer[2] = 7;
  answer[3] = 2;
  answer[4] = 0x10;  // low byte
  answer[5] = 0x02;
  const PulseSettings pulse = decodePulse(answer);
  EXPECT_EQ(pulse.level, 7);
  EXPECT_EQ(pulse.mode, 2);
  EXPECT_EQ(pulse.value, 0x0210);
  const PulseSettings back = decodePulse(makePulseAnswer({255, 3, 65535}));
  EXPECT_EQ(back.level, 255);
  EXPECT_EQ(back.value, 65535);
}

TEST(ReportCodec, NameAnswerDropsZeroBytesAnywhere) {
  Report answer = makeReport(Letter::name);
  answer[3] = 2;
  const char spaced[] = {'R', 0, 0, 'a', 'c', 0, 'e'};
  std::memcpy(&answer[5], spaced, sizeof spaced);
  answer[24] = '!';  // the last name byte counts
  answer[25] = 'x';  // past the name field
  const NameAnswer decoded = decodeName(answer);
  EXPECT_EQ(decoded.slot, 2);
  EXPECT_EQ(decoded.name, "Race!");

  Report empty = makeReport(Letter::name);
  empty[3] = 1;
  EXPECT_EQ(decodeName(empty).name, "");
}

TEST(ReportCodec, NameAnswerCarriesTwentyBytes) {
  const NameAnswer decoded = decodeName(makeNameAnswer(4, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
  EXPECT_EQ(decoded.slot, 4);
  EXPECT_EQ(decoded.name, "ABCDEFGHIJKLMNOPQRST");
}

TEST(ReportCodec, OnlyReportIdFourIsACommandReport) {
  Report report = makeReport(Letter::version);
  EXPECT_TRUE(isCommandReport(report));
  report[0] = 1;
  EXPECT_FALSE(isCommandReport(report));
}

}  // namespace
}  // namespace ostrel
