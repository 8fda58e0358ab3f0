// The button screen's slot work: load, apply, save, reset, the paddle switch
// and the ways out.

#include <QLabel>

#include "ButtonScreenFixture.h"
#include "controls/ImageButton.h"
#include "profile/KeyTables.h"

namespace ostrel::testing {
namespace {

constexpr int kEvdevA = 30;

using ButtonSlots = ButtonScreenTest;

bool lit(QWidget* button) { return static_cast<ImageButton*>(button)->isHighlighted(); }

TEST_F(ButtonSlots, SaveWritesTheCodesAndTheSwitchToTheSharedFile) {
  name(0, "Mine");
  name(2, "Mine");
  name(1, "Other");
  buttons->loadSlot();
  typeKey(kEvdevA, Qt::Key_A);  // cell 0: A button
  pressCell(23);
  pressCell(23);                // cell 23: S2, left mouse button
  clickButton(ButtonScreen::kOff);
  // An edit of another screen that is not saved yet.
  library.editValues[0][0] = 7;

  clickButton(ButtonScreen::kSave);
  const ProfileRecord file = fileValues("Mine");
  EXPECT_EQ(file[28], 4.0f);
  EXPECT_EQ(file[53], 232.0f);
  EXPECT_EQ(file[165], 1.0f);
  for (int cell = 0; cell < kButtonCellCount; ++cell) {
    const int record = kButtonCells[static_cast<std::size_t>(cell)].recordIndex;
    EXPECT_EQ(file[record], static_cast<float>(keyToUsage(kQwerty, buttons->cellKey(cell)))) << cell;
  }
  for (int slot : {0, 2}) {
    EXPECT_EQ(library.savedValues[slot][28], 4.0f) << slot;
    EXPECT_EQ(library.savedValues[slot][53], 232.0f) << slot;
    EXPECT_EQ(app.slotOff[slot], 1) << slot;
    EXPECT_EQ(app.savedSlotOff[slot], 1) << slot;
  }
  EXPECT_EQ(app.savedSlotOff[1], 0);
  EXPECT_EQ(fileValues("Other")[28], defaultProfile[28]);
  // Only what was written counts as saved: the other edit is still a change.
  EXPECT_EQ(file[0], defaultProfile[0]);
  EXPECT_EQ(library.savedValues[0][0], defaultProfile[0]);
  EXPECT_EQ(library.editValues[0][0], 7.0f);
  EXPECT_TRUE(lit(buttonControl(ButtonScreen::kOff)));
  EXPECT_TRUE(pad.receivedReports().empty());
}

TEST_F(ButtonSlots, ResetRestoresTheDefaultCodesAndSavesOnlyTheSwitch) {
  typeKey(kEvdevA, Qt::Key_A);
  buttons->saveButtonScreen();
  clickButton(ButtonScreen::kOff);
  buttons->saveButtonScreen();
  ASSERT_EQ(fileValues(app.slotNames[0])[165], 1.0f);

  clickButton(ButtonScreen::kReset);
  for (int cell = 0; cell < kButtonCellCount; ++cell) {
    const int record = kButtonCells[static_cast<std::size_t>(cell)].recordIndex;
    EXPECT_EQ(buttons->cellKey(cell), usageToKey(kQwerty, static_cast<int>(defaultProfile[record]))) << cell;
    EXPECT_EQ(library.editValues[0][record], defaultProfile[record]) << cell;
  }
  EXPECT_EQ(app.slotOff[0], 0);
  EXPECT_TRUE(lit(buttonControl(ButtonScreen::kOn)));
  const ProfileRecord file = fileValues(app.slotNames[0]);
  EXPECT_EQ(file[165], 0.0f);
  EXPECT_EQ(file[28], 4.0f);  // the codes are not written by the reset
  EXPECT_TRUE(buttons->collectChanges());
}

TEST_F(ButtonSlots, WithThePaddlesOffTheirCellsCannotBeSelected) {
  name(0, "Mine");
  name(3, "Mine");
  pressCell(19);
  ASSERT_EQ(buttons->selection(), 19);
  clickButton(ButtonScreen::kOff);
  EXPECT_EQ(buttons->selection(), 0);
  EXPECT_EQ(app.slotOff, (std::array<uint8_t, 4>{1, 0, 0, 1}));
  for (int cell = 18; cell <= 21; ++cell) {
    pressCell(cell);
    pressCell(cell);
    EXPECT_EQ(buttons->selection(), 0) << cell;
  }
  EXPECT_NE(buttons->cellKey(0), kMouseLeft);
  pressCell(22);
  EXPECT_EQ(buttons->selection(), 22);
  buttons->loadSlot();  // a slot whose paddles are off starts at cell 0
  EXPECT_EQ(buttons->selection(), 0);

  clickButton(ButtonScreen::kOn);
  EXPECT_EQ(app.slotOff, (std::array<uint8_t, 4>{0, 0, 0, 0}));
  pressCell(20);
  EXPECT_EQ(buttons->selection(), 20);
}

TEST_F(ButtonSlots, ApplyReportsChangesAndCarriesThemToSameNamedSlots) {
  name(0, "Mine");
  name(1, "Mine");
  buttons->loadSlot();
  EXPECT_FALSE(buttons->collectChanges());
  clickButton(ButtonScreen::kOff);
  EXPECT_TRUE(buttons->collectChanges());
  clickButton(ButtonScreen::kOn);
  EXPECT_FALSE(buttons->collectChanges());
  turnWheel(-1);
  EXPECT_TRUE(buttons->collectChanges());
  EXPECT_EQ(library.editValues[0][28], static_cast<float>(kMouseWheelDown));
  EXPECT_EQ(library.editValues[1][28], static_cast<float>(kMouseWheelDown));
  // Mouse buttons 4 and 5 cannot be captured but keep their stored codes.
  library.editValues[0][38] = kMouseButton4;
  buttons->loadSlot();
  buttons->collectChanges();
  EXPECT_EQ(library.editValues[0][38], static_cast<float>(kMouseButton4));
}

TEST_F(ButtonSlots, HomeAsksToSaveOnlyWhenSomethingChanged) {
  RecordingScreen homeScreen;
  host->screens[kHomeScreen] = &homeScreen;
  app.slotPage[0] = 2;
  clickButton(ButtonScreen::kHome);
  EXPECT_EQ(app.ScreenId, kHomeScreen);
  EXPECT_EQ(app.slotPage[0], 0);
  EXPECT_GE(homeScreen.loads, 1);
  EXPECT_FALSE(buttons->isVisible());

  buttons->show();
  typeKey(kEvdevA, Qt::Key_A);
  clickButton(ButtonScreen::kHome);
  EXPECT_EQ(app.saveReason, 2);
  EXPECT_EQ(library.editValues[0][28], 4.0f);
  EXPECT_EQ(host->shown.back(), kSavePromptScreen);
}

TEST_F(ButtonSlots, SlotTabsReopenThePageTheNewSlotWasLeftOn) {
  RecordingScreen homeScreen;
  host->screens[kHomeScreen] = &homeScreen;
  name(2, "Third");
  library.editValues[2][28] = 20;
  app.slotPage[2] = 2;
  typeKey(kEvdevA, Qt::Key_A);

  clickButton(ButtonScreen::kProfile3Tab);  // left on this screen: stay
  EXPECT_EQ(app.currentSlot, 3);
  EXPECT_EQ(library.editValues[0][28], 4.0f);  // slot 1's key was applied
  EXPECT_EQ(app.slotPage[0], 2);
  EXPECT_TRUE(host->shown.empty());
  EXPECT_EQ(buttons->findChild<QLabel*>("1177")->text(), "Third");
  EXPECT_EQ(buttons->cellKey(0), 'Q');
  EXPECT_TRUE(lit(buttonControl(ButtonScreen::kProfile3Tab)));

  clickButton(ButtonScreen::kProfile2Tab);  // slot 2 was left home
  EXPECT_EQ(app.currentSlot, 2);
  EXPECT_EQ(app.slotPage[2], 2);
  EXPECT_EQ(host->shown, std::vector<int32_t>{kHomeScreen});
  EXPECT_EQ(homeScreen.loads, 1);
}

TEST_F(ButtonSlots, TheGeneralTabOpensTheGeneralScreenWithTheWayBack) {
  RecordingScreen general;
  host->screens[kGeneralScreen] = &general;
  app.currentSlot = 2;
  buttons->loadSlot();
  typeKey(kEvdevA, Qt::Key_A);
  clickButton(ButtonScreen::kGeneralTab);
  EXPECT_EQ(app.returnSlot, 2);
  EXPECT_EQ(app.returnPending, 3);
  EXPECT_EQ(app.slotPage[1], 2);
  EXPECT_EQ(app.ScreenId, kGeneralScreen);
  EXPECT_EQ(general.loads, 1);
  EXPECT_EQ(library.editValues[1][28], 4.0f);
  EXPECT_FALSE(buttons->isVisible());
}

}  // namespace
}  // namespace ostrel::testing
