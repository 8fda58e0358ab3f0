// The profile wire layout and the in-order assembly of received packets.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "link/ProfileAssembler.h"
#include "link/ProfileCodec.h"

namespace ostrel {
namespace {

ProfileRecord sampleProfile() {
  ProfileRecord values{};
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = 0.25f * static_cast<float>(i) - 3.0f;
  for (int k = 0; k < kControlCount; ++k) {
    values[controlIndex(k) + ControlEntry::code] = static_cast<float>(4 + k);
    values[controlIndex(k) + ControlEntry::option] = static_cast<float>(k % 3);
  }
  return values;
}

TEST(ProfileCodec, SmallIntegerBytesTruncateAndKeepTheLowEightBits) {
  const std::pair<float, int> cases[] = {
      {300.7f, 44}, {-1.0f, 255}, {-1.9f, 255}, {255.9f, 255}, {256.0f, 0}, {0.99f, 0},
      {std::numeric_limits<float>::quiet_NaN(), 0}, {std::numeric_limits<float>::infinity(), 0},
      {1e30f, 0}, {-1e30f, 0},
  };
  for (auto [value, byte] : cases) EXPECT_EQ(smallIntegerByte(value), byte) << value;
}

TEST(ProfileCodec, FlagsByteHoldsLanguageAndShortcutSwitch) {
  EXPECT_EQ(profileFlags(2, true), 130);
  EXPECT_EQ(profileFlags(6, false), 6);
  EXPECT_EQ(flagsLanguage(130), 2);
  EXPECT_TRUE(flagsShortcutsOff(130));
  EXPECT_FALSE(flagsShortcutsOff(2));
}

TEST(ProfileCodec, NameReportLayoutCutsAtFiftyNineBytes) {
  const std::string longName(70, 'n');
  const Report report = encodeNameReport(3, 130, longName);
  EXPECT_EQ(report[0], 4);
  EXPECT_EQ(report[1], 'Z');
  EXPECT_EQ(report[2], 0);
  EXPECT_EQ(report[3], 3);
  EXPECT_EQ(report[4], 130);
  for (std::size_t i = 5; i < 64; ++i) EXPECT_EQ(report[i], 'n') << i;

  const Report shortName = encodeNameReport(1, 0, "Abc");
  EXPECT_EQ(shortName[7], 'c');
  EXPECT_EQ(shortName[8], 0);
}

TEST(ProfileCodec, PacketLayout) {
  ProfileRecord values = sampleProfile();
  values[controlIndex(0) + ControlEntry::code] = 300.7f;
  values[controlIndex(0) + ControlEntry::option] = -1.0f;
  const ProfilePackets packets = encodeProfilePackets(Letter::profileData, 2, 130, values);

  for (int p = 1; p <= kProfilePackets; ++p) {
    const Report& packet = packets[p - 1];
    EXPECT_EQ(packet[0], 4);
    EXPECT_EQ(packet[1], 'U');
    EXPECT_EQ(packet[2], p);
    EXPECT_EQ(packet[3], 2);
    EXPECT_EQ(packet[4], 130);
    EXPECT_EQ(packet[61] | packet[62] | packet[63], 0) << p;
  }
  EXPECT_EQ(getFloat(&packets[0][5]), values[0]);
  EXPECT_EQ(getFloat(&packets[0][57]), values[13]);
  EXPECT_EQ(getFloat(&packets[1][5]), values[14]);
  EXPECT_EQ(getFloat(&packets[1][57]), values[27]);

  const Report& group0 = packets[2];  // control entry 0 at block offset 0
  EXPECT_EQ(group0[5], 44);
  EXPECT_EQ(group0[6], 0);
  EXPECT_EQ(group0[7], 255);
  EXPECT_EQ(group0[8], 0);
  EXPECT_EQ(getFloat(&group0[9]), values[controlIndex(0) + ControlEntry::paramA]);
  EXPECT_EQ(getFloat(&group0[17]), values[controlIndex(0) + ControlEntry::paramC]);

  // Control entry 26 sits at block offset 416: packet 10, bytes 5 + 24.
  EXPECT_EQ(packets[9][29], smallIntegerByte(values[controlIndex(26)]));
  EXPECT_EQ(getFloat(&packets[9][33]), values[controlIndex(26) + ControlEntry::paramA]);
  // Values 163..165 at block offset 432 (packet 10, byte 45); 444..447 zero.
  EXPECT_EQ(getFloat(&packets[9][45]), values[163]);
  EXPECT_EQ(getFloat(&packets[9][53]), values[165]);
  EXPECT_EQ(packets[9][57] | packets[9][58] | packets[9][59] | packets[9][60], 0);
}

std::optional<ReceivedProfile> feed(ProfileAssembler& assembler, const ProfilePackets& packets,
                                    std::initializer_list<int> order) {
  std::optional<ReceivedProfile> last;
  for (int p : order) last = assembler.add(packets[p - 1]);
  return last;
}

TEST(ProfileAssembler, RoundTripThroughEncodeAndDecode) {
  ProfileRecord values = sampleProfile();
  values[controlIndex(5) + ControlEntry::code] = 300.7f;
  values[controlIndex(5) + ControlEntry::option] = -1.0f;
  ProfileAssembler assembler;
  const auto received = feed(assembler, encodeProfilePackets(Letter::profile, 4, 130, values),
                             {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  ASSERT_TRUE(received);
  EXPECT_EQ(received->slot, 4);
  EXPECT_EQ(received->flags, 130);
  ProfileRecord expected = values;
  expected[controlIndex(5) + ControlEntry::code] = 44.0f;
  expected[controlIndex(5) + ControlEntry::option] = 255.0f;
  EXPECT_EQ(received->values, expected);
}

TEST(ProfileAssembler, FilesOnlyTenPacketsOfOneSlotInOrder) {
  const ProfilePackets slot1 = encodeProfilePackets(Letter::profile, 1, 0, sampleProfile());
  const ProfilePackets slot2 = encodeProfilePackets(Letter::profile, 2, 0, sampleProfile());
  struct Case {
    const char* name;
    std::vector<const Report*> reports;
  };
  const Case broken[] = {
      {"gap", {&slot1[0], &slot1[1], &slot1[2], &slot1[4], &slot1[5], &slot1[6], &slot1[7], &slot1[8], &slot1[9]}},
      {"repeat", {&slot1[0], &slot1[1], &slot1[2], &slot1[3], &slot1[3], &slot1[4], &slot1[5], &slot1[6], &slot1[7], &slot1[8], &slot1[9]}},
      {"other slot", {&slot1[0], &slot1[1], &slot1[2], &slot2[3], &slot1[4], &slot1[5], &slot1[6], &slot1[7], &slot1[8], &slot1[9]}},
      {"no start", {&slot1[1], &slot1[2], &slot1[3], &slot1[4], &slot1[5], &slot1[6], &slot1[7], &slot1[8], &slot1[9]}},
  };
  for (const Case& c : broken) {
    ProfileAssembler assembler;
    std::optional<ReceivedProfile> result;
    for (const Report* report : c.reports) result = assembler.add(*report);
    EXPECT_FALSE(result) << c.name;
    // What was collected is gone: the next complete slot comes out whole.
    EXPECT_TRUE(feed(assembler, slot2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) << c.name;
  }
}

TEST(ProfileAssembler, IgnoresSlotsOutsideOneToFour) {
  const ProfilePackets good = encodeProfilePackets(Letter::profile, 3, 0, sampleProfile());
  ProfilePackets stray = encodeProfilePackets(Letter::profile, 0, 0, ProfileRecord{});
  ProfileAssembler assembler;
  feed(assembler, good, {1, 2, 3, 4, 5});
  EXPECT_FALSE(assembler.add(stray[5]));
  stray[9][3] = 5;
  EXPECT_FALSE(assembler.add(stray[9]));
  const auto received = feed(assembler, good, {6, 7, 8, 9, 10});
  ASSERT_TRUE(received);
  EXPECT_EQ(received->slot, 3);
}

}  // namespace
}  // namespace ostrel
