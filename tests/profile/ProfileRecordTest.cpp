#include "profile/ProfileRecord.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace ostrel {
namespace {

std::string fixed6(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6f", v);
  return buf;
}

TEST(ProfileRecord, DefaultRecordTextForm) {
  std::vector<std::string> lines;
  for (float v : defaultProfile) lines.push_back(fixed6(v));
  ASSERT_EQ(lines.size(), 166u);
  const std::vector<std::string> head = {"1.000000", "1.000000", "0.100000",
                                         "0.330000", "0.000000", "1.010101"};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6), head);
  const std::vector<std::string> tail = {"0.150000", "0.000000", "0.000000"};
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()), tail);
}

TEST(ProfileRecord, DefaultControlEntries) {
  // code as listed, then option 0, paramA -1, paramB -1, paramC 1
  struct Case { ControlId id; float code; };
  const Case cases[] = {
      {ControlId::AButton, 44}, {ControlId::Reserved9, 0}, {ControlId::ZRTrigger, 232},
      {ControlId::M4Shortcut, 238}, {ControlId::M2Shortcut, 237}, {ControlId::LeftStickDown, 22},
  };
  for (const auto& c : cases) {
    const int at = controlIndex(c.id);
    EXPECT_EQ(defaultProfile[at + ControlEntry::code], c.code) << at;
    EXPECT_EQ(defaultProfile[at + ControlEntry::option], 0);
    EXPECT_EQ(defaultProfile[at + ControlEntry::paramA], -1);
    EXPECT_EQ(defaultProfile[at + ControlEntry::paramB], -1);
    EXPECT_EQ(defaultProfile[at + ControlEntry::paramC], 1);
  }
  EXPECT_EQ(controlIndex(ControlId::LeftStickDown), 158);
  EXPECT_EQ(defaultProfile[ProfileIndex::latencyMs], 1200);
  EXPECT_EQ(defaultProfile[ProfileIndex::padParam24], 16);
}

TEST(ProfileRecord, ZoneCoefficientsAsWritten) {
  struct Case {
    int small, medium, big;
    const char* text[6];  // offset and slope of each zone, "%.6f"
  };
  const Case cases[] = {
      {33, 33, 34, {"0.000000", "1.010101", "0.000000", "1.010101", "0.019608", "0.980392"}},
      {1, 1, 98, {"0.000000", "33.333341", "0.000000", "33.333341", "0.659864", "0.340136"}},
      {50, 30, 20, {"0.000000", "0.666667", "-0.222222", "1.111111", "-0.666667", "1.666667"}},
  };
  for (const auto& c : cases) {
    const ZoneCoefficients z = deriveZoneCoefficients(c.small, c.medium, c.big);
    for (int zone = 0; zone < 3; ++zone) {
      EXPECT_EQ(fixed6(z.offset[zone]), c.text[2 * zone]) << c.small << "/" << zone;
      EXPECT_EQ(fixed6(z.slope[zone]), c.text[2 * zone + 1]) << c.small << "/" << zone;
    }
  }
}

TEST(ProfileRecord, DefaultZonesMatchDerivation) {
  const ZoneCoefficients z = deriveZoneCoefficients(33, 33, 34);
  const int zones[] = {ProfileIndex::smallZone, ProfileIndex::mediumZone, ProfileIndex::bigZone};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(fixed6(defaultProfile[zones[i] + ZoneSegment::offset]), fixed6(z.offset[i]));
    EXPECT_EQ(fixed6(defaultProfile[zones[i] + ZoneSegment::slope]), fixed6(z.slope[i]));
    EXPECT_EQ(defaultProfile[zones[i] + ZoneSegment::reserved1], 0);
    EXPECT_EQ(defaultProfile[zones[i] + ZoneSegment::reserved2], 0);
  }
}

}  // namespace
}  // namespace ostrel
