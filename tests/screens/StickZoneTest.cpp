// The zone widths on the screen: dragging the knobs, the up-down arrows, the
// lock buttons and the zone reset.

#include <QAbstractButton>

#include "StickScreenFixture.h"
#include "controls/ImageButton.h"
#include "library/ProfileLibrary.h"
#include "profile/ProfileRecord.h"

namespace ostrel::testing {
namespace {

QString widths(const StickZones& zones) {
  return QStringLiteral("%1,%2,%3").arg(zones.width(0)).arg(zones.width(1)).arg(zones.width(2));
}

TEST_F(StickScreenTest, DraggingTheSmallKnobWithTheBigZoneLockedMovesTheBigOne) {
  mouse(QEvent::MouseButtonPress, {600, 200});
  EXPECT_TRUE(stick->dragging());
  EXPECT_EQ(widths(stick->zones()), "55,33,12");
  EXPECT_EQ(text(1152), "55");
  EXPECT_EQ(text(1153), "33");
  EXPECT_EQ(text(1154), "12");
  mouse(QEvent::MouseMove, {640, 215});
  EXPECT_EQ(widths(stick->zones()), "40,33,27");
  // The medium column answers the same drag; the big (locked) one does not.
  mouse(QEvent::MouseMove, {850, 235});
  EXPECT_EQ(widths(stick->zones()), "40,20,40");
  mouse(QEvent::MouseMove, {1100, 180});
  EXPECT_EQ(widths(stick->zones()), "40,20,40");
  mouse(QEvent::MouseButtonRelease, {1100, 180});
  EXPECT_FALSE(stick->dragging());
  mouse(QEvent::MouseMove, {600, 200});
  EXPECT_EQ(widths(stick->zones()), "40,20,40");
}

TEST_F(StickScreenTest, LeavingTheSliderAreaEndsTheDrag) {
  mouse(QEvent::MouseButtonPress, {600, 230});
  EXPECT_EQ(widths(stick->zones()), "25,33,42");
  mouse(QEvent::MouseMove, {600, 266});  // just below the area
  EXPECT_FALSE(stick->dragging());
  mouse(QEvent::MouseMove, {600, 200});
  EXPECT_EQ(widths(stick->zones()), "25,33,42");
  // A press outside the columns starts a drag that changes nothing yet.
  mouse(QEvent::MouseButtonPress, {700, 200});
  EXPECT_TRUE(stick->dragging());
  EXPECT_EQ(widths(stick->zones()), "25,33,42");
}

TEST_F(StickScreenTest, DragThatWouldEmptyTheLockedZoneIsIgnored) {
  mouse(QEvent::MouseButtonPress, {600, 188});  // v 67 = 100 - medium
  EXPECT_EQ(widths(stick->zones()), "33,33,34");
  mouse(QEvent::MouseMove, {600, 189});  // v 66 leaves big 1
  EXPECT_EQ(widths(stick->zones()), "66,33,1");
}

TEST_F(StickScreenTest, LockButtonsChooseTheZoneThatFollows) {
  clickStick(1120);
  EXPECT_EQ(stick->zones().locked(), StickZones::kMedium);
  EXPECT_TRUE(stickControl<ImageButton>(1120)->isHeld());
  EXPECT_FALSE(stickControl<ImageButton>(1121)->isHeld());
  EXPECT_FALSE(stickControl<ImageButton>(1119)->isHeld());
  mouse(QEvent::MouseButtonPress, {1100, 200});
  EXPECT_EQ(widths(stick->zones()), "33,12,55");
  mouse(QEvent::MouseButtonRelease, {1100, 200});
  clickStick(1120);  // the locked zone's own button does nothing
  EXPECT_EQ(stick->zones().locked(), StickZones::kMedium);
}

TEST_F(StickScreenTest, UpDownArrowsStepTheZoneAndTheLockedZoneTakesTheRest) {
  clickArrow(1147, true);
  EXPECT_EQ(widths(stick->zones()), "34,33,33");
  clickArrow(1148, false);
  EXPECT_EQ(widths(stick->zones()), "34,32,34");
  clickArrow(1149, true);  // locked
  EXPECT_EQ(widths(stick->zones()), "34,32,34");
  EXPECT_EQ(text(1154), "34");
  // With the medium zone locked, small 2 steps down to 1.
  clickStick(1120);
  for (int i = 0; i < 32; ++i) clickArrow(1147, false);
  EXPECT_EQ(widths(stick->zones()), "2,64,34");
  clickArrow(1147, false);
  EXPECT_EQ(widths(stick->zones()), "1,65,34");
  clickArrow(1147, false);
  EXPECT_EQ(widths(stick->zones()), "1,65,34");
}

TEST_F(StickScreenTest, ZoneResetGivesDefaultWidthsAndLocksTheBigZone) {
  name(1, "Other");
  clickStick(1119);
  mouse(QEvent::MouseButtonPress, {850, 230});
  mouse(QEvent::MouseButtonRelease, {850, 230});
  ASSERT_EQ(widths(stick->zones()), "41,25,34");
  stick->applyStickScreen();
  ASSERT_EQ(app.slotNames[2], app.slotNames[0]);
  ASSERT_EQ(library.editValues[2][ProfileIndex::smallZone], 0.41f);
  EXPECT_EQ(library.editValues[1][ProfileIndex::smallZone],
            defaultProfile[ProfileIndex::smallZone]);
  clickStick(1117);
  EXPECT_EQ(widths(stick->zones()), "33,33,34");
  EXPECT_EQ(stick->zones().locked(), StickZones::kBig);
  EXPECT_TRUE(stickControl<ImageButton>(1121)->isHeld());
  EXPECT_EQ(text(1152), "33");
  for (int at : {ProfileIndex::smallZone, ProfileIndex::mediumZone, ProfileIndex::bigZone}) {
    EXPECT_EQ(library.editValues[0][at], defaultProfile[at]) << at;
    // Slot 3 shares the profile's name; slot 2 has its own.
    EXPECT_EQ(library.editValues[2][at], defaultProfile[at]) << at;
  }
}

TEST_F(StickScreenTest, ZonesComeFromTheSlotAndAnEmptyWidthShowsTheDefault) {
  auto& edited = library.editValues[0];
  edited[ProfileIndex::smallZone] = 0.29f;
  edited[ProfileIndex::mediumZone] = 0.0f;
  edited[ProfileIndex::bigZone] = 0.0f;
  stick->loadStickScreen();
  EXPECT_EQ(widths(stick->zones()), "29,33,34");
  EXPECT_EQ(text(1152), "29");
}

}  // namespace
}  // namespace ostrel::testing
