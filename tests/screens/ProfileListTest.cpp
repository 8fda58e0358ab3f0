// The user's and the maker's profile lists: filling, loading into the current
// slot with the profile's own shortcut switch, the delete prompt, and the
// keys and double clicks in which the two lists differ.

#include <QAbstractButton>
#include <QTest>

#include <fstream>
#include <iterator>

#include "ProfileListFixture.h"
#include "controls/PlainList.h"
#include "profile/ProfileRecord.h"

namespace ostrel::testing {
namespace {

struct ListCase {
  ProfileListTest::Which which;
  const char* profile;  // listed there, shortcut value 1
  int yes, no;          // the prompt's button ids
};

constexpr ListCase kLists[] = {
    {ProfileListTest::kMine, "Paddles", 1189, 1190},
    {ProfileListTest::kMaker, "kelto-paddles", 1191, 1192},
};

std::string fileBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool promptButtonsShown(ProfileListScreen& screen, const ListCase& c) {
  auto* yes = screen.findChild<QAbstractButton*>(QString::number(c.yes));
  auto* no = screen.findChild<QAbstractButton*>(QString::number(c.no));
  return yes && no && yes->isVisible() && no->isVisible();
}

TEST_F(ProfileListTest, EachListShowsItsFolderSortedWithNothingSelected) {
  makeProfile("zeta", 0);
  makeProfile("Alpha", 0);
  makeProfile("kelto-B", 0);
  makeProfile("kelto-a", 0);
  open(*myList);
  EXPECT_EQ(rows(*myList), (std::vector<std::string>{"Alpha", "Default", "zeta"}));
  EXPECT_TRUE(myList->list()->selectedItems().isEmpty());
  open(*makerList);
  EXPECT_EQ(rows(*makerList), (std::vector<std::string>{"kelto-a", "kelto-B"}));
  EXPECT_EQ(app.ScreenId, kMakerListScreen);

  // Opening again shows the folder as it is now, and no prompt.
  clickAt(*makerList, rowCentre(*makerList, "kelto-B"));
  press(*makerList, Qt::Key_Delete);
  ASSERT_TRUE(makerList->deletePromptShown());
  fs::remove(root / "Keltoprofile" / "kelto-a.klt");
  open(*makerList);
  EXPECT_EQ(rows(*makerList), std::vector<std::string>{"kelto-B"});
  EXPECT_FALSE(makerList->deletePromptShown());
  EXPECT_FALSE(promptButtonsShown(*makerList, kLists[1]));
}

TEST_F(ProfileListTest, DoubleClickLoadsTheProfileWithItsShortcutSwitch) {
  for (const ListCase& c : kLists) {
    SCOPED_TRACE(c.profile);
    makeProfile(c.profile, 1);
    makeProfile(std::string(c.profile) + "-on", 0);
    // Slot 4 already uses the profile, slot 2 is the current one.
    useInSlot(3, c.profile, 0);
    useInSlot(1, "Default", 0);
    app.currentSlot = 2;
    const std::vector<std::string> slotsBefore = slotList();
    ProfileListScreen& screen = list(c.which);
    open(screen);
    doubleClickAt(screen, rowCentre(screen, c.profile));

    EXPECT_EQ(app.slotNames[1], c.profile);
    EXPECT_EQ(library.savedValues[1][ProfileIndex::shortcutsOff], 1.0f);
    EXPECT_EQ(library.editValues[1][ProfileIndex::shortcutsOff], 1.0f);
    for (int slot : {1, 3}) {
      EXPECT_EQ(app.savedSlotOff[slot], 1) << slot;
      EXPECT_EQ(app.slotOff[slot], 1) << slot;
    }
    EXPECT_EQ(app.slotOff[0], 0);
    EXPECT_EQ(home->nameLabelBytes(), c.profile);
    EXPECT_EQ(host->shown, std::vector<int32_t>{kHomeScreen});
    EXPECT_FALSE(screen.isVisible());
    // Loading changes the slot, not the pad's slot list.
    EXPECT_EQ(slotList(), slotsBefore);

    // A profile whose paddles are on switches them on again.
    open(screen);
    doubleClickAt(screen, rowCentre(screen, std::string(c.profile) + "-on"));
    EXPECT_EQ(app.slotNames[1], std::string(c.profile) + "-on");
    EXPECT_EQ(app.savedSlotOff[1], 0);
    EXPECT_EQ(app.slotOff[1], 0);
    EXPECT_EQ(app.slotOff[3], 1);
  }
}

TEST_F(ProfileListTest, TheSwitchFollowsTheWholePartOfTheShortcutValue) {
  const std::pair<float, uint8_t> cases[] = {{0.5f, 0}, {-0.9f, 0}, {1.0f, 1},
                                             {-1.5f, 1}, {2.7f, 1},  {1e20f, 1}};
  for (const auto& [value, off] : cases) {
    SCOPED_TRACE(value);
    makeProfile("Value", value);
    app.slotOff[0] = app.savedSlotOff[0] = off ? 0 : 1;
    open(*myList);
    doubleClickAt(*myList, rowCentre(*myList, "Value"));
    EXPECT_EQ(app.slotOff[0], off);
    EXPECT_EQ(app.savedSlotOff[0], off);
    fs::remove(root / "Myprofile" / "Value.klt");
  }
}

TEST_F(ProfileListTest, DoubleClickBelowTheRowsOnlyLeadsHome) {
  makeProfile("Paddles", 1);
  open(*myList);
  doubleClickAt(*myList, QPoint(200, 400));
  EXPECT_EQ(host->shown, std::vector<int32_t>{kHomeScreen});
  EXPECT_EQ(app.slotNames[0], "Default");
  EXPECT_EQ(app.slotOff[0], 0);
}

TEST_F(ProfileListTest, DeletingAUsedProfileGivesItsSlotsDefault) {
  for (const ListCase& c : kLists) {
    SCOPED_TRACE(c.profile);
    makeProfile(c.profile, 1);
    useInSlot(0, c.profile, 1);
    useInSlot(2, c.profile, 1);
    library.editValues[2][0] = 42.0f;
    app.currentSlot = 3;
    home->loadSlot();
    ProfileListScreen& screen = list(c.which);
    open(screen);
    const QImage before = screen.grab(ProfileListScreen::kPromptArea).toImage();
    clickAt(screen, rowCentre(screen, c.profile));
    press(screen, Qt::Key_Delete);
    ASSERT_TRUE(screen.deletePromptShown());
    EXPECT_TRUE(promptButtonsShown(screen, c));
    EXPECT_NE(screen.grab(ProfileListScreen::kPromptArea).toImage(), before);
    QTest::mouseClick(screen.findChild<QAbstractButton*>(QString::number(c.yes)), Qt::LeftButton);

    const char* folder = c.which == kMine ? "Myprofile" : "Keltoprofile";
    EXPECT_FALSE(fs::exists(root / folder / (std::string(c.profile) + ".klt")));
    // The maker's folder holds no "Default".
    EXPECT_EQ(rows(screen), c.which == kMine ? std::vector<std::string>{"Default"}
                                             : std::vector<std::string>{});
    for (int slot : {0, 2}) {
      EXPECT_EQ(app.slotNames[slot], "Default") << slot;
      EXPECT_EQ(app.slotOff[slot], 0) << slot;
      EXPECT_EQ(app.savedSlotOff[slot], 0) << slot;
      EXPECT_EQ(library.editValues[slot][0], defaultProfile[0]) << slot;
    }
    EXPECT_EQ(slotList(), (std::vector<std::string>{"Default", "Default", "Default", "Default"}));
    EXPECT_EQ(home->nameLabelBytes(), "Default");
    EXPECT_FALSE(screen.deletePromptShown());
    EXPECT_FALSE(promptButtonsShown(screen, c));
    EXPECT_EQ(screen.grab(ProfileListScreen::kPromptArea).toImage(), before);
    // The list stays open for more.
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(missingPictures.isEmpty()) << missingPictures.join(' ').toStdString();
  }
}

TEST_F(ProfileListTest, DeleteNeedsASelectionAndNeverRemovesDefault) {
  makeProfile("Mine", 0);
  open(*myList);
  press(*myList, Qt::Key_Delete);
  EXPECT_FALSE(myList->deletePromptShown());

  clickAt(*myList, rowCentre(*myList, "Default"));
  press(*myList, Qt::Key_Delete);
  ASSERT_TRUE(myList->deletePromptShown());
  QTest::mouseClick(myList->findChild<QAbstractButton*>("1189"), Qt::LeftButton);
  EXPECT_FALSE(myList->deletePromptShown());
  EXPECT_TRUE(fs::exists(root / "Myprofile" / "Default.klt"));
  EXPECT_EQ(rows(*myList), (std::vector<std::string>{"Default", "Mine"}));

  // No keeps the profile too.
  clickAt(*myList, rowCentre(*myList, "Mine"));
  press(*myList, Qt::Key_Delete);
  QTest::mouseClick(myList->findChild<QAbstractButton*>("1190"), Qt::LeftButton);
  EXPECT_FALSE(myList->deletePromptShown());
  EXPECT_TRUE(fs::exists(root / "Myprofile" / "Mine.klt"));

  // A selection let go while the prompt is open (a Ctrl click) deletes nothing.
  press(*myList, Qt::Key_Delete);
  ASSERT_TRUE(myList->deletePromptShown());
  QTest::mouseClick(myList->list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    rowCentre(*myList, "Mine"));
  ASSERT_FALSE(myList->selectedName());
  QTest::mouseClick(myList->findChild<QAbstractButton*>("1189"), Qt::LeftButton);
  EXPECT_FALSE(myList->deletePromptShown());
  EXPECT_TRUE(fs::exists(root / "Myprofile" / "Mine.klt"));
  EXPECT_EQ(rows(*myList), (std::vector<std::string>{"Default", "Mine"}));
}

TEST_F(ProfileListTest, TheListsTakeTheirOwnKeys) {
  struct KeyCase {
    Which which;
    int key;
    bool opensPrompt;
  };
  const KeyCase cases[] = {
      {kMine, Qt::Key_Delete, true},  {kMine, Qt::Key_Backspace, false},
      {kMaker, Qt::Key_Delete, true}, {kMaker, Qt::Key_Backspace, true},
  };
  makeProfile("Mine", 0);
  makeProfile("kelto-2", 0);
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.key);
    ProfileListScreen& screen = list(c.which);
    open(screen);
    clickAt(screen, rowCentre(screen, c.which == kMine ? "Mine" : "kelto-2"));
    press(screen, c.key);
    EXPECT_EQ(screen.deletePromptShown(), c.opensPrompt) << c.which;
  }
}

TEST_F(ProfileListTest, TabStaysInTheNameListSpaceInTheMakerList) {
  makeProfile("Mine", 0);
  makeProfile("kelto-2", 0);
  for (const ListCase& c : kLists) {
    SCOPED_TRACE(c.profile);
    ProfileListScreen& screen = list(c.which);
    open(screen);
    PlainList* rows = screen.list();
    rows->setFocus();
    ASSERT_TRUE(rows->hasFocus());
    QTest::keyClick(rows, Qt::Key_Tab);
    EXPECT_EQ(rows->hasFocus(), c.which == kMine);

    // Space would select the row the list is on.
    rows->setFocus();
    rows->setCurrentRow(rows->count() - 1, QItemSelectionModel::NoUpdate);
    QTest::keyClick(rows, Qt::Key_Space);
    EXPECT_EQ(rows->selectedItems().isEmpty(), c.which == kMaker);
  }
}

TEST_F(ProfileListTest, ALoadedMakerProfileIsNeverChangedByEdits) {
  makeProfile("kelto-2", 0);
  open(*makerList);
  doubleClickAt(*makerList, rowCentre(*makerList, "kelto-2"));
  ASSERT_EQ(app.slotNames[0], "kelto-2");
  const fs::path file = root / "Keltoprofile" / "kelto-2.klt";
  const std::string before = fileBytes(file);
  // The home screen's lower Save writes the slot value by value.
  home->switchShortcuts(true);
  home->saveSlot();
  EXPECT_EQ(fileBytes(file), before);
}

TEST_F(ProfileListTest, ALowerCasePNeverReachesTheList) {
  makeProfile("paddles", 0);
  makeProfile("mine", 0);
  open(*myList);
  // The list finds a row by its first letter, but not by a p.
  press(*myList, Qt::Key_P, QStringLiteral("p"));
  EXPECT_TRUE(myList->list()->selectedItems().isEmpty());
  press(*myList, Qt::Key_M, QStringLiteral("m"));
  ASSERT_EQ(myList->selectedName(), std::optional<std::string>("mine"));
}

TEST_F(ProfileListTest, ADoubleClickDuringThePromptActsOnlyInTheMakerList) {
  for (const ListCase& c : kLists) {
    SCOPED_TRACE(c.profile);
    makeProfile(c.profile, 1);
    useInSlot(0, "Default", 0);
    app.currentSlot = 1;
    ProfileListScreen& screen = list(c.which);
    open(screen);
    clickAt(screen, rowCentre(screen, c.profile));
    press(screen, Qt::Key_Delete);
    ASSERT_TRUE(screen.deletePromptShown());
    doubleClickAt(screen, rowCentre(screen, c.profile));
    const bool loads = c.which == kMaker;
    EXPECT_EQ(app.slotNames[0], loads ? c.profile : "Default");
    EXPECT_EQ(app.slotOff[0], loads ? 1 : 0);
    EXPECT_EQ(screen.isVisible(), !loads);
    EXPECT_TRUE(fs::exists(root / (loads ? "Keltoprofile" : "Myprofile") /
                           (std::string(c.profile) + ".klt")));
  }
}

TEST_F(ProfileListTest, CancelLeadsHomeAndChangesNothing) {
  for (const ListCase& c : kLists) {
    ProfileListScreen& screen = list(c.which);
    open(screen);
    clickAt(screen, rowCentre(screen, "Default"));
    QTest::mouseClick(screen.findChild<QAbstractButton*>(c.which == kMine ? "1172" : "1173"),
                      Qt::LeftButton);
    EXPECT_EQ(host->shown, std::vector<int32_t>{kHomeScreen});
    EXPECT_FALSE(screen.isVisible());
  }
  EXPECT_EQ(app.slotNames[0], "Default");
}

}  // namespace
}  // namespace ostrel::testing
