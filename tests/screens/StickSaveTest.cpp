// What the stick screen stores: apply into the slot tables, save into the
// profile file, the dead-zone reset, and the ways out of the screen with the
// save prompt's hand-over.

#include <QLineEdit>

#include "StickScreenFixture.h"
#include "library/ValueText.h"
#include "library/ProfileLibrary.h"
#include "profile/ProfileRecord.h"

namespace ostrel::testing {
namespace {

class StickSaveTest : public StickScreenTest {
 protected:
  // Widths 50, 30, 20 by dragging with the big zone locked.
  void dragZones() {
    mouse(QEvent::MouseButtonPress, {600, 205});  // small 50
    mouse(QEvent::MouseMove, {850, 225});         // medium 30
    mouse(QEvent::MouseButtonRelease, {850, 225});
    ASSERT_EQ(stick->zones().widths(), (StickZones::Widths{50, 30, 20}));
  }
  // Gives slot index a saved value at line index, in its file and tables.
  void store(int index, int line, const std::string& value) {
    ASSERT_TRUE(library.setProfileValue(index, app.slotNames[static_cast<std::size_t>(index)], line,
                                        value));
  }
  void record(int32_t screen, RecordingScreen& recorder) { host->screens[screen] = &recorder; }
};

TEST_F(StickSaveTest, SaveWritesTheStickLinesAndTheirZoneCoefficients) {
  dragZones();
  stickControl<QLineEdit>(1155)->setText(QStringLiteral("12"));
  stickControl<QLineEdit>(1159)->setText(QStringLiteral("7"));
  clickStick(1118);
  const std::vector<std::string> lines = fileLines(app.slotNames[0]);
  ASSERT_EQ(lines.size(), kProfileSize);
  const struct {
    int line;
    const char* text;
  } expected[] = {
      {0, "7.000000"},  {1, "1.000000"},  {2, "0.120000"},  {3, "0.500000"},  {4, "0.000000"},
      {5, "0.666667"},  {6, "0.000000"},  {7, "0.000000"},  {8, "0.300000"},  {9, "-0.222222"},
      {10, "1.111111"}, {11, "0.000000"}, {12, "0.000000"}, {13, "0.200000"}, {14, "-0.666667"},
      {15, "1.666667"}, {16, "0.000000"}, {17, "0.000000"}, {18, "0.500000"}, {19, "0.005000"},
      {20, "1200"},
  };
  for (const auto& e : expected)
    EXPECT_EQ(lines[static_cast<std::size_t>(e.line)], e.text) << e.line;
  for (int slot : {0, 2, 3}) {
    SCOPED_TRACE(slot);
    ASSERT_EQ(app.slotNames[static_cast<std::size_t>(slot)], app.slotNames[0]);
    EXPECT_EQ(library.savedValues[static_cast<std::size_t>(slot)][9], -0.222222f);
    EXPECT_EQ(library.savedValues[static_cast<std::size_t>(slot)][0], 7.0f);
  }
  EXPECT_EQ(library.editValues[0][14], -0.666667f);
  EXPECT_FALSE(stick->applyStickScreen());
  // The screen sends nothing to the pad.
  EXPECT_TRUE(pad.receivedReports().empty());
}

TEST_F(StickSaveTest, SaveLeavesEditsOfOtherScreensUnsaved) {
  // A key the button screen assigned but nobody saved.
  const int code = controlIndex(ControlId::AButton) + ControlEntry::code;
  const float savedCode = library.savedValues[0][code];
  library.editValues[0][code] = 99.0f;
  clickStick(1118);
  EXPECT_EQ(library.savedValues[0][code], savedCode);
  EXPECT_EQ(library.savedValues[2][code], savedCode);
  EXPECT_EQ(library.editValues[0][code], 99.0f);
  EXPECT_EQ(fileLines(app.slotNames[0])[static_cast<std::size_t>(code)], formatValue(savedCode));
}

TEST_F(StickSaveTest, ApplyStoresTheControlsAndCopiesThemToSameNamedSlots) {
  name(1, "Other");
  EXPECT_FALSE(stick->applyStickScreen());
  stickControl<QLineEdit>(1157)->setText(QStringLiteral("70"));
  dragZones();
  EXPECT_TRUE(stick->applyStickScreen());
  for (int slot : {0, 2, 3}) {
    SCOPED_TRACE(slot);
    const auto& edited = library.editValues[static_cast<std::size_t>(slot)];
    EXPECT_EQ(edited[ProfileIndex::dynamicDeadZone], 0.7f);
    EXPECT_EQ(edited[ProfileIndex::smallZone], 0.5f);
    EXPECT_EQ(edited[ProfileIndex::mediumZone], 0.3f);
    EXPECT_EQ(edited[ProfileIndex::bigZone], 0.2f);
  }
  EXPECT_EQ(library.editValues[1][ProfileIndex::dynamicDeadZone],
            defaultProfile[ProfileIndex::dynamicDeadZone]);
  // Nothing reached the file.
  EXPECT_EQ(fileLines(app.slotNames[0])[ProfileIndex::dynamicDeadZone], "0.500000");
}

TEST_F(StickSaveTest, HomeWithoutChangesLeadsHome) {
  RecordingScreen prompt;
  record(kSavePromptScreen, prompt);
  app.slotPage[0] = 1;
  clickStick(1116);
  EXPECT_EQ(host->shown, std::vector<int32_t>{kHomeScreen});
  EXPECT_EQ(app.ScreenId, kHomeScreen);
  EXPECT_EQ(app.slotPage[0], 0);
  EXPECT_FALSE(stick->isVisible());
  EXPECT_TRUE(home->isVisible());
  EXPECT_EQ(prompt.loads, 0);
}

TEST_F(StickSaveTest, DeadZoneResetThenHomeHandsOverToTheSavePrompt) {
  store(0, ProfileIndex::staticDeadZone, "0.200000");
  store(0, ProfileIndex::latencyMs, "600");
  store(0, ProfileIndex::sensitivity2, "4.000000");
  stick->loadStickScreen();
  ASSERT_EQ(text(1155), "20");
  ASSERT_EQ(text(1163), "4");
  clickStick(1135);
  EXPECT_EQ(text(1155), "10");
  EXPECT_EQ(text(1157), "50");
  EXPECT_EQ(text(1163), "1");
  const auto& edited = library.editValues[0];
  EXPECT_EQ(edited[ProfileIndex::staticDeadZone], defaultProfile[ProfileIndex::staticDeadZone]);
  EXPECT_EQ(edited[ProfileIndex::latencyMs], 1200.0f);
  EXPECT_EQ(library.editValues[2][ProfileIndex::latencyMs], 1200.0f);
  // The file and the saved values keep what was saved.
  EXPECT_EQ(library.savedValues[0][ProfileIndex::latencyMs], 600.0f);
  EXPECT_EQ(fileLines(app.slotNames[0])[ProfileIndex::latencyMs], "600");

  RecordingScreen homeScreen, prompt;
  record(kHomeScreen, homeScreen);
  record(kSavePromptScreen, prompt);
  clickStick(1116);
  EXPECT_EQ(app.saveReason, 1);
  EXPECT_EQ(app.ScreenId, kSavePromptScreen);
  EXPECT_EQ(host->shown, std::vector<int32_t>{kSavePromptScreen});
  EXPECT_EQ(homeScreen.loads, 1);
  EXPECT_EQ(prompt.loads, 1);
  EXPECT_EQ(app.slotPage[0], 0);
  EXPECT_FALSE(stick->isVisible());
}

TEST_F(StickSaveTest, SlotTabsApplyAndOpenTheNewSlotsPage) {
  name(1, "Other");
  store(1, ProfileIndex::staticDeadZone, "0.300000");
  RecordingScreen buttons;
  record(kButtonScreen, buttons);
  const struct {
    int32_t page;
    int32_t screen;  // 0: the stick screen reloads for the slot
  } cases[] = {{1, 0}, {0, kHomeScreen}, {2, kButtonScreen}, {7, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    app.currentSlot = 1;
    app.slotPage = {0, c.page, 0, 0};
    stick->show();
    stick->loadStickScreen();
    host->shown.clear();
    stickControl<QLineEdit>(1155)->setText(QStringLiteral("15"));
    clickStick(1136);
    EXPECT_EQ(app.currentSlot, 2);
    EXPECT_EQ(app.slotPage[0], 1);
    EXPECT_EQ(library.editValues[0][ProfileIndex::staticDeadZone], 0.15f);
    if (c.screen == 0) {
      EXPECT_TRUE(host->shown.empty());
      EXPECT_TRUE(stick->isVisible());
      EXPECT_EQ(text(1155), "30");
      EXPECT_EQ(text(1176), "Other");
    } else {
      EXPECT_EQ(host->shown, std::vector<int32_t>{c.screen});
      EXPECT_FALSE(stick->isVisible());
    }
  }
  EXPECT_EQ(buttons.loads, 1);
}

TEST_F(StickSaveTest, GeneralTabRemembersTheStickScreenForTheReturn) {
  RecordingScreen general;
  record(kGeneralScreen, general);
  app.currentSlot = 3;
  stick->loadStickScreen();
  stickControl<QLineEdit>(1157)->setText(QStringLiteral("25"));
  clickStick(1140);
  EXPECT_EQ(app.returnSlot, 3);
  EXPECT_EQ(app.returnPending, 2);
  EXPECT_EQ(app.slotPage[2], 1);
  EXPECT_EQ(app.ScreenId, kGeneralScreen);
  EXPECT_EQ(general.loads, 1);
  EXPECT_EQ(library.editValues[2][ProfileIndex::dynamicDeadZone], 0.25f);
  EXPECT_FALSE(stick->isVisible());
}

TEST_F(StickSaveTest, HomeScreensUpperResetRunsBothResets) {
  dragZones();
  clickStick(1120);
  stickControl<QLineEdit>(1155)->setText(QStringLiteral("44"));
  stick->hide();
  home->show();
  click(1095);
  EXPECT_EQ(text(1155), "10");
  EXPECT_EQ(stick->zones().widths(), (StickZones::Widths{33, 33, 34}));
  EXPECT_EQ(stick->zones().locked(), StickZones::kBig);
  EXPECT_EQ(library.editValues[0][ProfileIndex::smallZone],
            defaultProfile[ProfileIndex::smallZone]);
}

}  // namespace
}  // namespace ostrel::testing
