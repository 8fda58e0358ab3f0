// The stick screen's rules without the screen: zone widths, the values the
// controls show, the fields' checks and the geometry of the curve and circles.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "screens/StickField.h"
#include "screens/StickPicture.h"
#include "screens/StickValues.h"
#include "screens/StickZones.h"

namespace ostrel::testing {
namespace {

using W = StickZones::Widths;
constexpr int S = StickZones::kSmall;
constexpr int M = StickZones::kMedium;
constexpr int B = StickZones::kBig;

StickZones zonesWith(const W& widths, int locked) {
  StickZones zones;
  zones.setWidths(widths);
  zones.lock(locked);
  return zones;
}

TEST(StickZones, StartsAtFiftyThirtyTwentyWithTheBigZoneLocked) {
  StickZones zones;
  EXPECT_EQ(zones.widths(), (W{50, 30, 20}));
  EXPECT_EQ(zones.locked(), B);
  EXPECT_FALSE(zones.lock(B));
  EXPECT_TRUE(zones.lock(S));
  zones.reset({33, 33, 34});
  EXPECT_EQ(zones.widths(), (W{33, 33, 34}));
  EXPECT_EQ(zones.locked(), B);
}

struct DragCase {
  W widths;
  int locked;
  int zone;
  int v;
  W expected;  // the widths unchanged when refused
};

TEST(StickZones, DragGivesTheZoneTheHeightAndTheLockedZoneTheRest) {
  const DragCase cases[] = {
      {{33, 33, 34}, B, S, 55, {55, 33, 12}},  // the knob dragged to y 200
      {{33, 33, 34}, B, M, 10, {33, 10, 57}},
      {{33, 33, 34}, B, S, 66, {66, 33, 1}},   // the largest v below 100 - medium
      {{33, 33, 34}, B, S, 67, {33, 33, 34}},  // would leave big at 0
      {{33, 33, 34}, B, B, 20, {33, 33, 34}},  // the locked zone's column does not react
      {{33, 33, 34}, S, B, 40, {27, 33, 40}},
      {{33, 33, 34}, M, S, 1, {1, 65, 34}},
      {{50, 50, 50}, B, S, 45, {45, 50, 5}},  // a damaged profile adds up to 100 again
      {{50, 50, 50}, B, S, 49, {49, 50, 1}},
      {{0, 0, 100}, M, S, 50, {0, 0, 100}},  // big 100 leaves no room
      {{99, 1, 0}, B, M, 1, {99, 1, 0}},     // no room beside a small zone of 99
  };
  for (const DragCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.zone << " to " << c.v << " locked " << c.locked);
    StickZones zones = zonesWith(c.widths, c.locked);
    const bool moved = zones.drag(c.zone, c.v);
    EXPECT_EQ(moved, c.expected != c.widths);
    EXPECT_EQ(zones.widths(), c.expected);
  }
}

struct StepCase {
  W widths;
  int locked;
  int zone;
  int delta;
  W expected;  // the widths unchanged when refused
};

TEST(StickZones, UpDownFollowsItsTableRowByRow) {
  const StepCase cases[] = {
      // small, big locked: accepted when the current small < 99 - medium.
      {{40, 30, 30}, B, S, +1, {41, 30, 29}},
      {{68, 30, 2}, B, S, +1, {69, 30, 1}},
      {{69, 30, 1}, B, S, +1, {69, 30, 1}},
      {{69, 30, 1}, B, S, -1, {69, 30, 1}},  // the current width is tested for both arrows
      // small, medium locked: accepted when the new small < 99 - big.
      {{2, 50, 48}, M, S, -1, {1, 51, 48}},
      {{49, 2, 49}, M, S, +1, {49, 2, 49}},  // new 50 is not below 50
      {{48, 3, 49}, M, S, +1, {49, 2, 49}},
      // medium, big locked: current medium < 99 - small.
      {{30, 40, 30}, B, M, +1, {30, 41, 29}},
      {{30, 69, 1}, B, M, -1, {30, 69, 1}},
      // medium, small locked: new medium < 99 - big.
      {{30, 40, 30}, S, M, +1, {29, 41, 30}},
      {{2, 68, 30}, S, M, +1, {2, 68, 30}},
      // big, medium locked: current big < 99 - small.
      {{30, 30, 40}, M, B, +1, {30, 29, 41}},
      {{30, 1, 69}, M, B, -1, {30, 1, 69}},
      // big, small locked: current big < 99 - medium.
      {{30, 30, 40}, S, B, -1, {31, 30, 39}},
      {{1, 30, 69}, S, B, +1, {1, 30, 69}},
      // the locked zone's own arrows and the 1..98 limits.
      {{30, 30, 40}, B, B, +1, {30, 30, 40}},
      {{1, 50, 49}, B, S, -1, {1, 50, 49}},
      {{1, 97, 2}, B, M, +1, {1, 98, 1}},
      {{1, 98, 1}, B, M, +1, {1, 98, 1}},
  };
  for (const StepCase& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "zone " << c.zone << " delta " << c.delta << " locked " << c.locked << " from "
                 << c.widths[0] << "," << c.widths[1] << "," << c.widths[2]);
    StickZones zones = zonesWith(c.widths, c.locked);
    const bool stepped = zones.step(c.zone, c.delta);
    EXPECT_EQ(stepped, c.expected != c.widths);
    EXPECT_EQ(zones.widths(), c.expected);
  }
}

TEST(StickValues, ShownNumbersTruncateTheSinglePrecisionProduct) {
  EXPECT_EQ(truncatedProduct(0.29f, 100.0f), 29);
  EXPECT_EQ(truncatedProduct(0.1f, 100.0f), 10);
  EXPECT_EQ(truncatedProduct(0.005f, 1000.0f), 5);
  EXPECT_EQ(truncatedProduct(-0.5f, 100.0f), -50);
  EXPECT_EQ(truncatedProduct(1.5f, 100.0f), 150);
  EXPECT_EQ(truncatedProduct(std::numeric_limits<float>::quiet_NaN(), 100.0f), std::nullopt);
  EXPECT_EQ(truncatedProduct(1e30f, 100.0f), std::nullopt);
}

TEST(StickValues, ListItemsMatchOrKeepTheCurrentOne) {
  EXPECT_EQ(latencyItem(1200.0f), 4);
  EXPECT_EQ(latencyItem(0.0f), 0);
  EXPECT_EQ(latencyItem(3000.9f), 7);
  EXPECT_EQ(latencyItem(1000.0f), std::nullopt);
  EXPECT_EQ(latencyItem(std::numeric_limits<float>::quiet_NaN()), std::nullopt);
  const struct {
    float stored;
    std::optional<int> item;
  } thresholds[] = {{0.001f, 0},         {0.002f, 1}, {0.005f, 2},
                    {0.01f, 3},          {0.05f, 4},  {0.003f, std::nullopt},
                    {0.0f, std::nullopt}};
  for (const auto& t : thresholds) EXPECT_EQ(thresholdItem(t.stored), t.item) << t.stored;
  for (std::size_t i = 0; i < kThresholdItemValues.size(); ++i) {
    EXPECT_EQ(thresholdItem(kThresholdItemValues[i]), static_cast<int>(i));
  }
}

TEST(StickField, EachKindAcceptsItsRange) {
  using K = StickField::Kind;
  const struct {
    K kind;
    const char* text;
    bool accepted;
  } cases[] = {
      {K::StaticDeadZone, "0", true},
      {K::StaticDeadZone, "99", true},
      {K::StaticDeadZone, "100", false},
      {K::StaticDeadZone, "105", false},
      {K::StaticDeadZone, "", true},
      {K::StaticDeadZone, "5'", false},
      {K::DynamicDeadZone, "100", true},
      {K::DynamicDeadZone, "0", true},
      {K::DynamicDeadZone, "101", false},
      {K::DynamicDeadZone, "1000", false},
      {K::Sensitivity, "10", true},
      {K::Sensitivity, "1", true},
      {K::Sensitivity, "0", false},
      {K::Sensitivity, "11", false},
      {K::Sensitivity, "", false},
      {K::Sensitivity, "-1", false},
      {K::Sensitivity, "99999999999", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StickField::accepts(c.kind, QString::fromLatin1(c.text)), c.accepted)
        << static_cast<int>(c.kind) << " '" << c.text << "'";
  }
}

TEST(StickPicture, CurveBendsAtTheZoneBordersOneAndTwoThirdsUp) {
  const auto defaults = StickPicture::curvePoints({33, 33, 34});
  EXPECT_EQ(defaults[0], QPoint(579, 606));
  EXPECT_EQ(defaults[1], QPoint(687, 524));
  EXPECT_EQ(defaults[2], QPoint(796, 442));
  EXPECT_EQ(defaults[3], QPoint(908, 360));
  const auto wide = StickPicture::curvePoints({50, 30, 20});
  EXPECT_EQ(wide[1], QPoint(743, 524));
  EXPECT_EQ(wide[2], QPoint(842, 442));
}

TEST(StickPicture, CircleRadiiScaleToNinetyPixels) {
  const struct {
    int v;
    int full;
    int radius;
  } cases[] = {{10, 99, 9},  {50, 100, 45},  {1, 99, 1}, {1, 100, 1}, {2, 99, 1},
               {99, 99, 90}, {100, 100, 90}, {0, 99, 0}, {0, 100, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(StickPicture::circleRadius(c.v, c.full), c.radius) << c.v << "/" << c.full;
  }
}

}  // namespace
}  // namespace ostrel::testing
