// Slot selection, the shortcut-paddle switch and the slot's reset.

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "HomeScreenFixture.h"
#include "controls/ImageButton.h"
#include "library/ValueText.h"

namespace ostrel::testing {
namespace {

constexpr int kTabs[] = {1088, 1043, 1232, 1044, 1045};

class HomeSlots : public HomeScreenTest {
 protected:
  void name(int index, const std::string& text) {
    app.slotNames[index] = app.savedSlotNames[index] = text;
    ASSERT_TRUE(library.loadProfileIntoSlot(index, text));
  }
  bool lit(int id) { return control<ImageButton>(id)->isHighlighted(); }
  QString text(int id) { return control<QLineEdit>(id)->text(); }
};

TEST_F(HomeSlots, SelectingASlotShowsItsNameAndValuesAndKeepsTheOldSlotsEdits) {
  for (int i = 0; i < kSlotCount; ++i) name(i, "Slot " + std::to_string(i + 1));
  library.editValues[2][0] = 4;
  library.editValues[2][1] = 9;
  library.editValues[2][27] = 0.75f;
  library.editValues[2][75] = 0.0125f;
  control<QLineEdit>(1161)->selectAll();
  control<QLineEdit>(1161)->insert("6");

  click(1232);
  EXPECT_EQ(app.currentSlot, 3);
  EXPECT_EQ(home->selectedTab(), 3);
  EXPECT_EQ(library.editValues[0][0], 6.0f);  // slot 1 keeps what was typed
  EXPECT_EQ(control<QLabel>(1170)->text(), "Slot 3");
  EXPECT_EQ(text(1161), "4");
  EXPECT_EQ(text(1165), "9");
  EXPECT_EQ(text(1168), "75");
  EXPECT_EQ(text(1169), "12");
  for (int tab : kTabs) EXPECT_EQ(lit(tab), tab == 1232) << tab;

  click(1088);
  EXPECT_EQ(text(1161), "6");
}

TEST_F(HomeSlots, ASlotLeftOnAnEditorReopensThatEditor) {
  RecordingScreen stick;
  host->screens[kStickScreen] = &stick;
  app.slotPage[2] = 1;
  app.slotPage[0] = 2;

  click(1232);
  EXPECT_EQ(app.slotPage[0], 0);  // the slot left behind is back home
  EXPECT_EQ(app.slotPage[2], 1);
  EXPECT_EQ(host->shown, std::vector<int32_t>{kStickScreen});
  EXPECT_EQ(stick.loads, 1);
  EXPECT_FALSE(home->isVisible());
  EXPECT_EQ(app.ScreenId, kStickScreen);
}

TEST_F(HomeSlots, AnEditorNotBuiltYetLeavesTheHomeScreenShown) {
  app.slotPage[1] = 2;
  click(1043);
  EXPECT_EQ(host->shown, std::vector<int32_t>{kButtonScreen});
  EXPECT_TRUE(home->isVisible());
  EXPECT_EQ(app.ScreenId, kHomeScreen);
  EXPECT_TRUE(lit(1043));
}

TEST_F(HomeSlots, TheSwitchAppliesToEverySlotOfTheSameName) {
  name(0, "Alone");
  name(1, "Shared");
  name(2, "Other");
  name(3, "Shared");
  click(1043);
  click(1099);
  EXPECT_EQ(app.slotOff, (std::array<uint8_t, 4>{0, 1, 0, 1}));
  EXPECT_EQ(app.savedSlotOff, (std::array<uint8_t, 4>{0, 0, 0, 0}));
  EXPECT_TRUE(home->collectChanges());
  click(1098);
  EXPECT_EQ(app.slotOff, (std::array<uint8_t, 4>{0, 0, 0, 0}));
  click(1099);
  click(1101);  // saved: the shared file holds it for both slots
  EXPECT_EQ(app.savedSlotOff, (std::array<uint8_t, 4>{0, 1, 0, 1}));
  EXPECT_EQ(library.savedValues[1][165], 1.0f);
}

TEST_F(HomeSlots, HoveringTheSwitchLightsTheButtonUnderTheMouse) {
  home->switchShortcuts(true);
  EXPECT_TRUE(lit(1099));
  EXPECT_FALSE(lit(1098));
  QTest::mouseMove(home.get(), QPoint(880, 430));  // over On
  EXPECT_TRUE(lit(1098));
  EXPECT_FALSE(lit(1099));
  QTest::mouseMove(home.get(), QPoint(640, 300));  // elsewhere: the switch shows
  EXPECT_FALSE(lit(1098));
  EXPECT_TRUE(lit(1099));
  QTest::mouseMove(home.get(), QPoint(1030, 430));  // over Off
  QTest::mouseMove(home.get(), QPoint(640, 300));
  EXPECT_TRUE(lit(1099));
  EXPECT_FALSE(lit(1098));
  // The tabs keep the selected slot lit the same way.
  QTest::mouseMove(home.get(), QPoint(20, 200));  // over Profile 2
  EXPECT_TRUE(lit(1043));
  EXPECT_FALSE(lit(1088));
  QTest::mouseMove(home.get(), QPoint(640, 300));
  EXPECT_TRUE(lit(1088));
  EXPECT_FALSE(lit(1043));
}

TEST_F(HomeSlots, ResetPutsTheSensitivitiesAndTheSwitchBack) {
  name(0, "Mine");
  name(2, "Mine");
  name(1, "Yours");
  library.editValues[0][0] = 7;
  library.editValues[0][1] = 9;
  home->loadSlot();
  home->switchShortcuts(true);
  click(1101);
  ASSERT_EQ(app.savedSlotOff[2], 1);
  app.slotOff[1] = 1;

  click(1100);
  EXPECT_EQ(text(1161), QString::number(static_cast<int>(defaultProfile[0])));
  EXPECT_EQ(text(1165), QString::number(static_cast<int>(defaultProfile[1])));
  EXPECT_EQ(library.editValues[0][0], defaultProfile[0]);
  EXPECT_EQ(library.editValues[0][1], defaultProfile[1]);
  EXPECT_EQ(app.slotOff, (std::array<uint8_t, 4>{0, 1, 0, 0}));
  // The file now holds the switch on: that is the saved state of both
  // slots of that name, and activation sends it so.
  EXPECT_EQ(app.savedSlotOff, (std::array<uint8_t, 4>{0, 0, 0, 0}));
  EXPECT_EQ(library.savedValues[0][165], 0.0f);
  EXPECT_TRUE(lit(1098));
  EXPECT_FALSE(lit(1099));
}

}  // namespace
}  // namespace ostrel::testing
