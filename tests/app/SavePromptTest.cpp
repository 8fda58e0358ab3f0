// The save prompt and the name screen in the whole program: every screen that
// hands over to the prompt with unsaved changes, Yes saving what that screen
// edits, No putting the profile file back into every slot that holds it, and
// the home screen's Rename through the name screen.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "AppHarness.h"
#include "library/ProfileLibrary.h"
#include "profile/ProfileRecord.h"
#include "screens/NameScreen.h"
#include "screens/ButtonScreen.h"
#include "screens/StickScreen.h"
#include "screens/HomeScreen.h"
#include "screens/SavePrompt.h"

namespace ostrel::test {
namespace {

using Home = HomeScreen;
using Prompt = SavePrompt;
using Values = std::array<float, kSavedCapacity>;

struct PromptProgram : AppHarness {
  void open() {
    ASSERT_TRUE(start());
    plug();
    click(window(), MainWindow::kNextId);
    ASSERT_NE(window().container(), nullptr);
    // Slots 1 and 3 share a profile; 2 and 4 have their own.
    ProfileLibrary& library = app().library();
    for (const char* name : {"Racing", "Second", "Fourth"}) library.createProfile(name);
    const char* names[] = {"Racing", "Second", "Racing", "Fourth"};
    for (int slot = 0; slot < kSlotCount; ++slot) {
      state().slotNames[static_cast<std::size_t>(slot)] = names[slot];
      state().savedSlotNames[static_cast<std::size_t>(slot)] = names[slot];
      ASSERT_TRUE(library.loadProfileIntoSlot(slot, names[slot]));
    }
    page(kHomeScreen).hide();
    page(kHomeScreen).show();  // shows slot 1 as it now is
  }
  QWidget& page(int32_t screen) { return *container().page(screen); }
  // The values of a profile file, as a fresh reader of the folder finds them.
  Values fileValues(const std::string& name) {
    ProfileLibrary reader;
    reader.basePath = app().library().basePath;
    EXPECT_TRUE(reader.loadProfileIntoSlot(0, name));
    return reader.savedValues[0];
  }
  std::array<float, kEditCapacity>& edited(int slot) {
    return app().library().editValues[static_cast<std::size_t>(slot - 1)];
  }
  // Types a sensitivity other than the saved one on the home screen.
  float typeSensitivity() {
    const float other = static_cast<float>(static_cast<int>(edited(1)[0]) % 10 + 1);
    auto* field = control<QLineEdit>(page(kHomeScreen), Home::kSensitivity1);
    field->selectAll();
    field->insert(QString::number(other));
    return other;
  }
};

// One unsaved change made on a real screen, and the prompt it leads to.
struct Change {
  std::size_t index;  // the value the change is seen in
  float value;
};

Change reachPrompt(PromptProgram& p, int32_t reason) {
  switch (reason) {
    case 0: {
      const float typed = p.typeSensitivity();
      p.click(p.page(kHomeScreen), Home::kQuit);
      return {ProfileIndex::sensitivity1, typed};
    }
    case 1:
      p.click(p.page(kHomeScreen), Home::kAim);
      p.click(p.page(kStickScreen), StickScreen::kSmallUpDown);
      p.click(p.page(kStickScreen), StickScreen::kHome);
      return {ProfileIndex::smallZone, 0.34f};
    case 2:
      p.click(p.page(kHomeScreen), Home::kKey);
      p.click(p.page(kButtonScreen), ButtonScreen::kOff);
      p.click(p.page(kButtonScreen), ButtonScreen::kHome);
      return {ProfileIndex::shortcutsOff, 1.0f};
    default: {
      const float typed = p.typeSensitivity();
      p.click(p.page(kHomeScreen), reason == 4 ? Home::kAim : Home::kKey);
      return {ProfileIndex::sensitivity1, typed};
    }
  }
}

struct PromptCase {
  int32_t reason;
  bool yes;
  int32_t next;    // the screen shown after the answer
  int32_t page;    // slotPage of slot 1 then
  const char* background;
};

class SavePromptTest : public ::testing::TestWithParam<PromptCase>, public PromptProgram {};

TEST_P(SavePromptTest, ContinuesWhereTheReasonSaysAndSavesOrRevertsTheProfile) {
  const PromptCase c = GetParam();
  open();
  ASSERT_FALSE(HasFatalFailure());
  const Values before = fileValues("Racing");
  const Change change = reachPrompt(*this, c.reason);
  ASSERT_EQ(state().saveReason, c.reason);
  ASSERT_EQ(shownScreen(), kSavePromptScreen);
  EXPECT_EQ(differingPixels(ownPainting(page(kSavePromptScreen)), composed({QString("res/English/") + c.background})),
            0);

  // Edits other screens left in both slots of the profile.
  for (int slot : {1, 3}) {
    for (std::size_t i = 2; i < kProfileSize; ++i) {
      if (i != change.index) edited(slot)[i] += 0.5f;
    }
  }
  click(page(kSavePromptScreen), c.yes ? Prompt::kYes : Prompt::kNo);
  EXPECT_EQ(shownScreen(), c.next);
  EXPECT_EQ(state().ScreenId, c.next);
  EXPECT_EQ(state().slotPage[0], c.page);

  const Values after = fileValues("Racing");
  if (c.yes) {
    EXPECT_FLOAT_EQ(after[change.index], change.value);
    return;
  }
  for (std::size_t i = 0; i < kProfileSize; ++i) {
    ASSERT_FLOAT_EQ(after[i], before[i]) << i;
    ASSERT_FLOAT_EQ(edited(1)[i], before[i]) << i;
    ASSERT_FLOAT_EQ(edited(3)[i], before[i]) << i;
  }
  EXPECT_EQ(state().slotOff[0], state().savedSlotOff[0]);
  EXPECT_EQ(state().slotOff[2], state().savedSlotOff[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, SavePromptTest,
    ::testing::Values(PromptCase{0, true, kQuitPromptScreen, 0, "Screen-14b.jpg"},
                      PromptCase{0, false, kQuitPromptScreen, 0, "Screen-14b.jpg"},
                      PromptCase{1, true, kHomeScreen, 0, "Screen-14a.jpg"},
                      PromptCase{1, false, kHomeScreen, 0, "Screen-14a.jpg"},
                      PromptCase{2, true, kHomeScreen, 0, "Screen-14c.jpg"},
                      PromptCase{2, false, kHomeScreen, 0, "Screen-14c.jpg"},
                      PromptCase{4, true, kStickScreen, 1, "Screen-14b.jpg"},
                      PromptCase{4, false, kStickScreen, 1, "Screen-14b.jpg"},
                      PromptCase{5, true, kButtonScreen, 2, "Screen-14b.jpg"},
                      PromptCase{5, false, kButtonScreen, 2, "Screen-14b.jpg"}),
    [](const ::testing::TestParamInfo<PromptCase>& info) {
      return "Reason" + std::to_string(info.param.reason) + (info.param.yes ? "Yes" : "No");
    });

struct SavePromptQuit : ::testing::Test, PromptProgram {};

TEST_F(SavePromptQuit, YesWritesAllFourSlotsBeforeTheQuitPrompt) {
  open();
  ASSERT_FALSE(HasFatalFailure());
  const float typed = typeSensitivity();
  click(page(kHomeScreen), Home::kQuit);
  ASSERT_EQ(shownScreen(), kSavePromptScreen);
  edited(2)[ProfileIndex::staticDeadZone] = 0.21f;
  edited(4)[ProfileIndex::staticDeadZone] = 0.41f;
  // Slot 3 shares slot 1's file: slot 1, the one being edited, wins.
  edited(3)[ProfileIndex::staticDeadZone] = 0.31f;
  edited(1)[ProfileIndex::staticDeadZone] = 0.11f;
  click(page(kSavePromptScreen), Prompt::kYes);
  EXPECT_EQ(shownScreen(), kQuitPromptScreen);
  EXPECT_FLOAT_EQ(fileValues("Second")[ProfileIndex::staticDeadZone], 0.21f);
  EXPECT_FLOAT_EQ(fileValues("Fourth")[ProfileIndex::staticDeadZone], 0.41f);
  const Values racing = fileValues("Racing");
  EXPECT_FLOAT_EQ(racing[ProfileIndex::staticDeadZone], 0.11f);
  EXPECT_FLOAT_EQ(racing[ProfileIndex::sensitivity1], typed);
  EXPECT_FLOAT_EQ(edited(3)[ProfileIndex::staticDeadZone], 0.11f);
}

TEST_F(SavePromptQuit, RenameFromTheHomeScreenNamesTheSlotEverywhere) {
  open();
  ASSERT_FALSE(HasFatalFailure());
  click(page(kHomeScreen), Home::kRename);
  ASSERT_EQ(shownScreen(), kSaveNameScreen);
  EXPECT_EQ(differingPixels(ownPainting(page(kSaveNameScreen)), composed({"res/English/Screen-6a.jpg"})), 0);
  auto* box = control<QLineEdit>(page(kSaveNameScreen), NameScreen::kNameBox);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), "Racing");
  box->selectAll();
  QTest::keyClicks(box, "Rally cross");
  click(page(kSaveNameScreen), NameScreen::kSave);
  EXPECT_EQ(shownScreen(), kHomeScreen);
  EXPECT_EQ(state().slotNames[0], "Rally_cross");
  EXPECT_EQ(state().slotNames[2], "Rally_cross");
  EXPECT_EQ(control<QLabel>(page(kHomeScreen), Home::kNameLabel)->text(), "Rally_cross");
  EXPECT_EQ(control<QLabel>(page(kStickScreen), StickScreen::kNameLabel)->text(), "Rally_cross");
}

}  // namespace
}  // namespace ostrel::test
