// The three editors in the real container: the home screen's doors to them,
// their way back, the general screen's return to the editor that opened it,
// the upper Reset reaching both editors, and a language change reaching every
// screen, the main window's flags and the not-connected screen.
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include "AppHarness.h"
#include "app/NotConnectedScreen.h"
#include "controls/ImageButton.h"
#include "library/ProfileLibrary.h"
#include "profile/ProfileRecord.h"
#include "screens/GeneralScreen.h"
#include "screens/ButtonScreen.h"
#include "screens/StickScreen.h"
#include "screens/HomeScreen.h"

namespace ostrel::test {
namespace {

using Home = HomeScreen;
using General = GeneralScreen;
using Buttons = ButtonScreen;

struct EditorWiring : ::testing::Test, AppHarness {
  void SetUp() override {
    ASSERT_TRUE(start());
    plug();
    click(window(), MainWindow::kNextId);
    ASSERT_NE(window().container(), nullptr);
    ASSERT_TRUE(page(kHomeScreen).isVisible());
  }

  QWidget& page(int32_t screen) {
    QWidget* widget = container().page(screen);
    EXPECT_NE(widget, nullptr) << "no screen " << screen;
    return *widget;
  }
  QString label(int32_t screen, int id) {
    auto* shown = control<QLabel>(page(screen), id);
    return shown ? shown->text() : QStringLiteral("<no label>");
  }
  std::array<float, kEditCapacity>& edited(int slot) {
    return app().library().editValues[static_cast<std::size_t>(slot - 1)];
  }
  void nameSlot(int slot, const std::string& name) {
    state().slotNames[static_cast<std::size_t>(slot - 1)] = name;
    state().savedSlotNames[static_cast<std::size_t>(slot - 1)] = name;
  }
};

TEST_F(EditorWiring, AimLeadsToTheStickScreenWithTheSlotLoadedAndHomeLeadsBack) {
  nameSlot(1, "Sniper");
  edited(1)[ProfileIndex::staticDeadZone] = 0.25f;
  app().library().savedValues[0][ProfileIndex::staticDeadZone] = 0.25f;
  click(page(kHomeScreen), Home::kAim);
  EXPECT_EQ(shownScreen(), kStickScreen);
  EXPECT_EQ(state().ScreenId, kStickScreen);
  EXPECT_EQ(label(kStickScreen, StickScreen::kNameLabel), QStringLiteral("Sniper"));
  auto* field = control(page(kStickScreen), StickScreen::kStaticField);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->property("text").toString(), QStringLiteral("25"));

  click(page(kStickScreen), StickScreen::kHome);
  EXPECT_EQ(shownScreen(), kHomeScreen);
  EXPECT_EQ(state().ScreenId, kHomeScreen);
}

TEST_F(EditorWiring, AnEditOnTheStickScreenAsksForTheSavePromptAndKeepsTheEdit) {
  click(page(kHomeScreen), Home::kAim);
  click(page(kStickScreen), StickScreen::kSmallUpDown);
  click(page(kStickScreen), StickScreen::kHome);
  EXPECT_EQ(state().saveReason, 1);
  EXPECT_FLOAT_EQ(edited(1)[ProfileIndex::smallZone], 0.34f);
  EXPECT_EQ(shownScreen(), kSavePromptScreen);
}

TEST_F(EditorWiring, KeyGeneralTabAndASlotTabComeBackToTheButtonScreenForThatSlot) {
  nameSlot(2, "Racing");
  click(page(kHomeScreen), Home::kKey);
  ASSERT_EQ(shownScreen(), kButtonScreen);

  click(page(kButtonScreen), Buttons::kGeneralTab);
  EXPECT_EQ(shownScreen(), kGeneralScreen);
  EXPECT_EQ(state().returnPending, 3);
  EXPECT_EQ(state().returnSlot, 1);

  click(page(kGeneralScreen), General::kProfile2Tab);
  EXPECT_EQ(shownScreen(), kButtonScreen);
  EXPECT_EQ(state().currentSlot, 2);
  EXPECT_EQ(label(kButtonScreen, Buttons::kNameLabel), QStringLiteral("Racing"));

  click(page(kButtonScreen), Buttons::kGeneralTab);
  click(page(kGeneralScreen), General::kHome);
  EXPECT_EQ(shownScreen(), kHomeScreen);
  EXPECT_EQ(state().ScreenId, kHomeScreen);
  EXPECT_EQ(state().currentSlot, 2);
  EXPECT_EQ(label(kHomeScreen, Home::kNameLabel), QStringLiteral("Racing"));
}

TEST_F(EditorWiring, TheStickScreensGeneralTabComesBackToTheStickScreen) {
  click(page(kHomeScreen), Home::kAim);
  click(page(kStickScreen), StickScreen::kGeneralTab);
  ASSERT_EQ(shownScreen(), kGeneralScreen);
  EXPECT_EQ(state().returnPending, 2);
  click(page(kGeneralScreen), General::kProfile3Tab);
  EXPECT_EQ(shownScreen(), kStickScreen);
  EXPECT_EQ(state().currentSlot, 3);
}

TEST_F(EditorWiring, ThePadsReturnShowsTheEditorThatWasShown) {
  click(page(kHomeScreen), Home::kKey);
  unplug();
  timer.fire();
  EXPECT_TRUE(container().notConnectedScreen()->isVisible());
  EXPECT_EQ(shownScreen(), 0);
  EXPECT_EQ(state().ScreenId, kButtonScreen);
  plug();
  EXPECT_EQ(shownScreen(), kButtonScreen);
  EXPECT_FALSE(container().notConnectedScreen()->isVisible());
}

TEST_F(EditorWiring, TheUpperResetPutsBothEditorsPartsBackToTheDefaults) {
  const std::size_t firstCode = ProfileIndex::controls;
  for (std::size_t at : {std::size_t{ProfileIndex::staticDeadZone}, std::size_t{ProfileIndex::latencyMs},
                         std::size_t{ProfileIndex::smallZone}, std::size_t{ProfileIndex::bigZone}, firstCode}) {
    edited(1)[at] = defaultProfile[at] + 7.0f;
  }
  click(page(kHomeScreen), Home::kResetUpper);
  for (std::size_t at : {std::size_t{ProfileIndex::staticDeadZone}, std::size_t{ProfileIndex::latencyMs},
                         std::size_t{ProfileIndex::smallZone}, std::size_t{ProfileIndex::bigZone}, firstCode}) {
    EXPECT_FLOAT_EQ(edited(1)[at], defaultProfile[at]) << at;
  }
  EXPECT_EQ(shownScreen(), kHomeScreen);
}

TEST_F(EditorWiring, AChangeOnTheHomeScreenAsksForTheSavePrompt) {
  state().slotOff[0] = state().savedSlotOff[0] ? 0 : 1;
  click(page(kHomeScreen), Home::kKey);
  EXPECT_EQ(state().saveReason, 5);
  EXPECT_EQ(shownScreen(), kSavePromptScreen);
  EXPECT_EQ(state().ScreenId, kSavePromptScreen);
}

TEST_F(EditorWiring, ALanguageChosenOnTheGeneralScreenReachesEveryScreen) {
  ASSERT_TRUE(showsPicture(control(page(kStickScreen), StickScreen::kHome), "res/English/home.png"));
  click(page(kHomeScreen), Home::kGeneralTab);
  ASSERT_EQ(shownScreen(), kGeneralScreen);
  click(page(kGeneralScreen), General::kFrench);
  EXPECT_EQ(state().language, 1);
  click(page(kGeneralScreen), General::kHome);
  ASSERT_EQ(shownScreen(), kHomeScreen);

  EXPECT_TRUE(showsPicture(control(page(kStickScreen), StickScreen::kHome), "res/French/home.png"));
  EXPECT_TRUE(showsPicture(control(page(kButtonScreen), Buttons::kHome), "res/French/home.png"));
  EXPECT_TRUE(showsPicture(control(page(kGeneralScreen), General::kHome), "res/French/home.png"));
  EXPECT_TRUE(showsPicture(control(page(kHomeScreen), Home::kSaveLower), "res/French/Screen2/save2.png"));
  EXPECT_EQ(window().flags().selected(), 1);
  EXPECT_TRUE(showsPicture(control(*container().notConnectedScreen(),
                                   NotConnectedScreen::kQuitId),
                           "res/French/quit0.png"));
}

}  // namespace
}  // namespace ostrel::test
