// Journeys through the whole program on a pad whose four slots differ, each a
// short story; the journey checks its invariants after every step.
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

#include "Journey.h"
#include "app/NotConnectedScreen.h"
#include "app/QuitPrompt.h"
#include "controls/ImageButton.h"
#include "screens/ButtonScreen.h"
#include "screens/HomeScreen.h"
#include "screens/PadProfilesList.h"
#include "screens/StickScreen.h"

namespace ostrel::test {

RandomRun* requestedRandomRun = nullptr;

namespace {

using enum Step;

struct Journeys : ::testing::Test, Journey {
  void SetUp() override { begin(); }
  void TearDown() override {
    if (HasFailure()) return;
    finish();
    EXPECT_EQ(failure(), "") << storyText();
  }
};

TEST_F(Journeys, LookingAtEveryScreenAndQuittingAsksNothing) {
  // A slot tab leads to the page the slot was left on: slot 2 to the stick
  // screen, the others home.
  walk({Aim, Home, Key, Home, GeneralTab, Home, Tab2, Aim, Tab3, Key, Tab2, Home, Quit});
  EXPECT_EQ(screenInView(), kQuitPromptScreen);
}

TEST_F(Journeys, AnotherSlotsTabThenQuitAsksNothingAndWritesNothing) {
  // The editors were filled for slot 1 and must not count for slot 2.
  walk({Tab2, Quit});
  EXPECT_EQ(screenInView(), kQuitPromptScreen);
}

TEST_F(Journeys, QuitAfterSavingATypedSensitivityAsksNothing) {
  walk({TypeSensitivity, Save, Quit});
  EXPECT_EQ(screenInView(), kQuitPromptScreen);
  walk({QuitPromptNo, Aim, StickSensitivity, Save, Home, Quit});
  EXPECT_EQ(screenInView(), kQuitPromptScreen);
}

TEST_F(Journeys, AKeyCapturedInOneSlotThenAnotherSlotsTabStillAsksAtQuit) {
  walk({Tab2, Key, Tab1, Key, CaptureKey, Tab2, Home, Quit});
  EXPECT_EQ(screenInView(), kSavePromptScreen);
  walk({PromptYes});
  EXPECT_EQ(screenInView(), kQuitPromptScreen);
}

TEST_F(Journeys, TheUpperResetShowsTheResetSensitivities) {
  // The reset is unsaved: Aim asks first, and Yes saves what the home screen shows.
  walk({ResetUpper, Aim, PromptYes, Home});
}

TEST_F(Journeys, EditorsFollowALayoutChangeAndThePadsProfilesArriving) {
  walk({Key, GeneralTab, Layout, Tab1, Home, Quit, QuitPromptNo, Key, Unplug, Replug, Home, Quit});
  EXPECT_EQ(screenInView(), kQuitPromptScreen);
}

TEST_F(Journeys, AProfileLoadedFromTheListFillsTheEditorsAgain) {
  // The editors were filled for slot 1's own profile before the load.
  // The slot's name now differs from the pad's: the editors ask first.
  walk({Key, Home, Aim, Home, MyProfiles, LoadProfile, Key, PromptYes, Home, Aim, PromptYes, Home, Quit});
  EXPECT_EQ(screenInView(), kSavePromptScreen) << "the slot holds another profile than the pad's";
}

TEST_F(Journeys, ActivationStoresTheFourFilesInThePad) {
  walk({Aim, StickSensitivity, Tab3, Tab1, Home, PromptYes, Activate, Key, Home, Quit});
}

TEST_F(Journeys, DuringTheGraceTimeTheScreensStillLeadToEachOther) {
  walk({Unplug, Aim});
  EXPECT_EQ(screenInView(), kStickScreen);
  walk({Home, Key});
  EXPECT_EQ(screenInView(), kButtonScreen);
  walk({GraceEnds});
  EXPECT_TRUE(container().notConnectedScreen()->isVisible());
  walk({Replug});
  EXPECT_EQ(screenInView(), kButtonScreen);
}

TEST_F(Journeys, ACloseRequestIsTheWayOutOfTheScreenInView) {
  walk({Aim, CloseRequest});
  EXPECT_EQ(screenInView(), kQuitPromptScreen);
  walk({CloseRequest});  // a prompt stays until answered
  EXPECT_EQ(screenInView(), kQuitPromptScreen);
  walk({QuitPromptNo, TypeSensitivity, CloseRequest});
  EXPECT_EQ(screenInView(), kSavePromptScreen);
  walk({PromptNo, Unplug, GraceEnds});
  const int quitsBefore = shell.quits;
  walk({CloseRequest});
  EXPECT_EQ(shell.quits, quitsBefore + 1);  // the not-connected screen's QUIT
  EXPECT_TRUE(shell.endedWith.empty());
}

TEST(FirstScreenJourney, ACloseRequestIsItsQuit) {
  Journey journey;
  ASSERT_TRUE(journey.start());
  QCloseEvent close;
  QApplication::sendEvent(&journey.window(), &close);
  EXPECT_EQ(journey.shell.quits, 1);
  EXPECT_FALSE(close.isAccepted());
}

TEST_F(Journeys, TheQuitPromptSpeaksTheLanguageChosenLast) {
  walk({GeneralTab, Language, Home, Quit});
  ASSERT_EQ(state().resourceFolder, "res/French/");
  QWidget& prompt = *container().page(kQuitPromptScreen);
  EXPECT_TRUE(showsPicture(control(prompt, QuitPrompt::kYesId), "res/French/Screen7/quityes.png"));
  EXPECT_TRUE(showsPicture(control(prompt, QuitPrompt::kNoId), "res/French/Screen7/quitno.png"));
}

// What a label draws, next to a plain-text label of the same look.
void expectDrawnAsText(QLabel* label) {
  ASSERT_NE(label, nullptr);
  QLabel plain;
  plain.setTextFormat(Qt::PlainText);
  plain.setFont(label->font());
  plain.setStyleSheet(label->styleSheet());
  plain.setAlignment(label->alignment());
  plain.setAttribute(Qt::WA_TranslucentBackground);
  plain.resize(label->size());
  plain.setText(label->text());
  EXPECT_EQ(ownPainting(*label), ownPainting(plain)) << label->objectName().toStdString();
}

TEST_F(Journeys, NamesAreDrawnAsTextNeverAsMarkup) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string name = "a<b>" + std::to_string(slot) + "</b>";
    state().slotNames[static_cast<std::size_t>(slot)] = state().savedSlotNames[static_cast<std::size_t>(slot)] = name;
  }
  walk({Tab1});
  expectDrawnAsText(control<QLabel>(*container().page(kHomeScreen), HomeScreen::kNameLabel));
  walk({Aim});
  expectDrawnAsText(control<QLabel>(*container().page(kStickScreen), StickScreen::kNameLabel));
  walk({Home, Key});
  expectDrawnAsText(control<QLabel>(*container().page(kButtonScreen), ButtonScreen::kNameLabel));
  walk({Home, PadProfiles});
  for (QLabel* label : container().page(kControllerListScreen)->findChildren<QLabel*>()) expectDrawnAsText(label);
}

TEST(RandomJourneys, HoldTheirInvariants) {
  std::vector<RandomRun> runs = {{1, 150}, {2, 150}, {3, 150}};
  if (requestedRandomRun) runs = {*requestedRandomRun};
  for (const RandomRun& run : runs) {
    std::string failure;
    const std::vector<Step> journey = randomJourney(run, failure);
    std::string steps;
    for (Step step : journey) steps += " " + stepName(step);
    EXPECT_EQ(failure, "") << "seed " << run.seed << ", " << run.steps << " steps; shortest failing journey:"
                           << steps;
  }
}

}  // namespace
}  // namespace ostrel::test
