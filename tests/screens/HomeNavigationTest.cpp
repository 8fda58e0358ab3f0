// The buttons that lead to other screens, the web site and quit.

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include "HomeScreenFixture.h"
#include "screens/MakerWebSite.h"

namespace ostrel::testing {
namespace {

struct LeadCase {
  int id;
  int32_t screen;
};

TEST_F(HomeScreenTest, LibraryAndNameButtonsLeadToTheirScreens) {
  const LeadCase cases[] = {
      {1090, kControllerListScreen}, {1093, kNameListScreen}, {1092, kDownloadScreen},
      {1091, kMakerListScreen},      {1094, kSaveNameScreen}, {1108, kSaveNameScreen},
      {1045, kGeneralScreen},
  };
  for (const LeadCase& c : cases) {
    SCOPED_TRACE(c.id);
    RecordingScreen next;
    host->screens = {{c.screen, &next}};
    host->shown.clear();
    home->show();
    click(c.id);
    EXPECT_EQ(host->shown, std::vector<int32_t>{c.screen});
    EXPECT_EQ(app.ScreenId, c.screen);
    EXPECT_EQ(next.loads, 1);
    EXPECT_FALSE(home->isVisible());
  }
}

TEST_F(HomeScreenTest, NewAndRenameTellTheNameDialogWhichItIs) {
  click(1094);
  EXPECT_EQ(home->newRenameFlag(), 0);
  // The name shown on the Rename button is part of the button.
  click(1170);
  EXPECT_EQ(home->newRenameFlag(), 1);
  EXPECT_EQ(host->shown, (std::vector<int32_t>{kSaveNameScreen, kSaveNameScreen}));
}

TEST_F(HomeScreenTest, MyProfilesRebuildsTheIndexAndKeepsThePosition) {
  ProfileLibrary other;
  other.basePath = library.basePath;
  ASSERT_TRUE(other.createProfile("Mine"));
  std::filesystem::remove(root / "Myprofile" / "Name.klt");
  home->move(30, 40);
  const QPoint place = home->geometry().topLeft();
  click(1093);
  EXPECT_EQ(app.windowX, place.x());
  EXPECT_EQ(app.windowY, place.y());
  ASSERT_TRUE(library.loadMyNames());
  EXPECT_NE(std::find(library.myNames.begin(), library.myNames.begin() + library.myCount, "Mine"),
            library.myNames.begin() + library.myCount);
}

TEST_F(HomeScreenTest, TheGeneralTabRemembersWhereToReturn) {
  click(1043);
  app.slotPage[1] = 0;
  click(1045);
  EXPECT_EQ(app.returnSlot, 2);
  EXPECT_EQ(app.returnPending, 1);
  EXPECT_EQ(app.slotPage[1], 0);
  // No general screen yet: the home screen stays, its slot tab lit again.
  EXPECT_TRUE(home->isVisible());
  EXPECT_EQ(app.ScreenId, kHomeScreen);
}

struct EditorCase {
  int id;
  int32_t screen;
  int32_t saveReason;
  int32_t page;
};

TEST_F(HomeScreenTest, AimAndKeyAskToSaveFirstWhenTheSlotChanged) {
  const EditorCase cases[] = {{1105, kStickScreen, 4, 1}, {1104, kButtonScreen, 5, 2}};
  for (const EditorCase& c : cases) {
    SCOPED_TRACE(c.id);
    RecordingScreen editor;
    RecordingScreen prompt;
    host->screens = {{c.screen, &editor}, {kSavePromptScreen, &prompt}};
    home->show();
    app.slotPage[0] = 0;
    app.saveReason = -1;
    click(c.id);  // nothing changed
    EXPECT_EQ(app.ScreenId, c.screen);
    EXPECT_EQ(app.slotPage[0], c.page);
    EXPECT_EQ(app.saveReason, -1);
    EXPECT_EQ(editor.loads, 1);

    home->show();
    app.slotPage[0] = 0;
    control<QLineEdit>(1161)->selectAll();
    control<QLineEdit>(1161)->insert(library.savedValues[0][0] == 9.0f ? "8" : "9");
    click(c.id);
    EXPECT_EQ(app.ScreenId, kSavePromptScreen);
    EXPECT_EQ(app.saveReason, c.saveReason);
    EXPECT_EQ(app.slotPage[0], 0);
    EXPECT_EQ(editor.loads, 1);
    library.editValues[0][0] = library.savedValues[0][0];  // unchanged again
  }
}

TEST_F(HomeScreenTest, QuitAsksToSaveWhenAnyEditorHoldsChanges) {
  RecordingScreen stick;
  RecordingScreen buttons;
  RecordingScreen prompt;
  host->screens = {{kStickScreen, &stick}, {kButtonScreen, &buttons}, {kSavePromptScreen, &prompt}};
  app.saveReason = 7;
  click(1106);
  EXPECT_EQ(host->shown, std::vector<int32_t>{kQuitPromptScreen});
  EXPECT_EQ(app.saveReason, 7);
  EXPECT_EQ(stick.checks, 1);
  EXPECT_EQ(buttons.checks, 1);
  // No quit prompt in this host: the home screen is shown again.
  EXPECT_TRUE(home->isVisible());
  EXPECT_EQ(app.ScreenId, kHomeScreen);

  buttons.changed = true;
  click(1106);
  EXPECT_EQ(app.ScreenId, kSavePromptScreen);
  EXPECT_EQ(app.saveReason, 0);
  EXPECT_EQ(stick.checks, 2);
  EXPECT_FALSE(home->isVisible());
  EXPECT_EQ(host->quits, 0);

  control<QAbstractButton>(1107)->click();
  EXPECT_EQ(host->quits, 1);
}

TEST_F(HomeScreenTest, UpperResetResetsTheStickAndButtonScreens) {
  RecordingScreen stick;
  RecordingScreen buttons;
  click(1095);  // without them: nothing to do, nothing breaks
  host->screens = {{kStickScreen, &stick}, {kButtonScreen, &buttons}};
  click(1095);
  EXPECT_EQ(stick.resets, 1);
  EXPECT_EQ(buttons.resets, 1);
  click(1097);  // the upper Save does nothing
  EXPECT_TRUE(host->shown.empty());
}

TEST_F(HomeScreenTest, TheWebSiteOpensInTheLanguageOfTheScreen) {
  const std::string base = makerWebBase();
  const std::pair<int, const char*> cases[] = {{0, ""},    {1, "/fr"}, {2, "/de"}, {3, ""},
                                               {4, "/es"}, {5, "/it"}, {6, ""}};
  for (const auto& [language, suffix] : cases) {
    host->opened.clear();
    app.language = language;
    click(1103);
    EXPECT_EQ(host->opened, std::vector<std::string>{base + suffix}) << language;
  }
  host->opened.clear();
  for (int language : {7, 200, -1}) {
    app.language = language;
    click(1103);
  }
  EXPECT_TRUE(host->opened.empty());
}

}  // namespace
}  // namespace ostrel::testing
