// The general settings screen: LED settings and their timing, languages and
// layouts, calibration, version, web site and the ways out.

#include <QLabel>
#include <QTest>

#include "HomeScreenFixture.h"
#include "controls/PictureSlider.h"
#include "controls/ImageButton.h"
#include "link/ReportCodec.h"
#include "screens/MakerWebSite.h"
#include "screens/GeneralScreen.h"

namespace ostrel::testing {
namespace {

using G = GeneralScreen;

// A screen the container holds, counting loads and picture reloads.
struct CountingScreen : RecordingScreen {
  void reloadPictures() override { ++reloads; }
  int reloads = 0;
};

class GeneralScreenTest : public HomeScreenTest {
 protected:
  void SetUp() override {
    HomeScreenTest::SetUp();
    if (HasFatalFailure()) return;
    general = std::make_unique<GeneralScreen>(
        ScreenContext{app, library, *link, *pictures, *host, QStringLiteral(OSTREL_TEST_RES_ROOT)});
    host->screens[kGeneralScreen] = general.get();
    host->screens[kStickScreen] = &stick;
    home->hide();
    general->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(general.get()));
    // The connection sequence's LED answer is taken over in its own test.
    app.pulseReceived = 0;
    pad.clearReceivedReports();
  }
  void TearDown() override {
    general.reset();
    HomeScreenTest::TearDown();
  }

  template <typename T = QWidget>
  T* at(int id) const {
    return general->findChild<T*>(QString::number(id));
  }
  void press(int id) {
    QWidget* widget = at(id);
    ASSERT_NE(widget, nullptr) << id;
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
  }
  bool lit(int id) const { return at<ImageButton>(id)->isHighlighted(); }
  // The '\' reports the pad received, decoded.
  std::vector<std::array<int, 3>> settingsSent() const {
    std::vector<std::array<int, 3>> sent;
    for (const Report& report : pad.receivedReports()) {
      if (report[1] != Letter::pulseSettings) continue;
      const PulseSettings s = decodePulse(report);
      sent.push_back({s.level, s.mode, s.value});
    }
    return sent;
  }
  using Sent = std::vector<std::array<int, 3>>;

  CountingScreen stick;
  std::unique_ptr<GeneralScreen> general;
};

TEST_F(GeneralScreenTest, DraggingTheSliderSendsOneReportPerTick) {
  auto* slider = at<PictureSlider>(G::kLevel);
  EXPECT_EQ(slider->geometry(), QRect(875, 309, 340, 26));
  for (int position : {5, 17, 29, 40}) slider->setValue(position);
  EXPECT_EQ(settingsSent(), Sent{});
  general->tick();
  EXPECT_EQ(settingsSent(), (Sent{{40, 0, 0}}));
  general->tick();
  general->tick();
  EXPECT_EQ(settingsSent(), (Sent{{40, 0, 0}}));
  EXPECT_EQ(general->lastSentLevel(), 40);
  EXPECT_EQ(pad.receivedReports().size(), 1u);
}

TEST_F(GeneralScreenTest, ResetSendsTheDefaultsOnce) {
  press(G::kLedQuick);
  pad.clearReceivedReports();
  press(G::kReset);
  EXPECT_EQ(settingsSent(), (Sent{{50, 0, 500}}));
  EXPECT_EQ(at<PictureSlider>(G::kLevel)->value(), 50);
  EXPECT_EQ(app.pulseLevel, 50);
  EXPECT_EQ(app.pulseMode, 0);
  EXPECT_EQ(app.pulseValue, 500);
  EXPECT_TRUE(lit(G::kLedOff));
  EXPECT_FALSE(lit(G::kLedQuick));
  general->tick();
  EXPECT_EQ(settingsSent(), (Sent{{50, 0, 500}}));
}

TEST_F(GeneralScreenTest, ThePadsAnswerIsShownAndSentBackOnTheNextTick) {
  pad.withFirmware([](SimulatedPadFirmware& firmware) { firmware.pulse = PulseSettings{30, 2, 750}; });
  link->commands().sendPulseQuery();
  ASSERT_TRUE(runUntil([&] { return app.pulseReceived != 0; }));
  pad.clearReceivedReports();

  general->tick();
  EXPECT_EQ(at<PictureSlider>(G::kLevel)->value(), 30);
  EXPECT_TRUE(lit(G::kLedMedium));
  EXPECT_FALSE(lit(G::kLedOff));
  EXPECT_EQ(app.pulseReceived, 0);
  EXPECT_EQ(settingsSent(), Sent{});
  general->tick();
  EXPECT_EQ(settingsSent(), (Sent{{30, 2, 750}}));
  general->tick();
  EXPECT_EQ(settingsSent(), (Sent{{30, 2, 750}}));
}

TEST_F(GeneralScreenTest, ModeButtonsSendAtOnceAndSaveDoesNothing) {
  at<PictureSlider>(G::kLevel)->setValue(70);
  general->tick();
  pad.clearReceivedReports();
  const int ids[] = {G::kLedSlow, G::kLedMedium, G::kLedQuick, G::kLedOff};
  const int modes[] = {1, 2, 3, 0};
  const int values[] = {1000, 750, 500, 500};
  Sent expected;
  for (int i = 0; i < 4; ++i) {
    press(ids[i]);
    expected.push_back({70, modes[i], values[i]});
    EXPECT_EQ(settingsSent(), expected);
    for (int id : ids) EXPECT_EQ(lit(id), id == ids[i]) << id;
  }
  EXPECT_EQ(app.pulseMode, 0);  // the pad's own answer fields stay
  const AppState before = app;
  press(G::kSave);
  EXPECT_EQ(settingsSent(), expected);
  EXPECT_EQ(app.language, before.language);
  EXPECT_EQ(app.ScreenId, kGeneralScreen);
}

TEST_F(GeneralScreenTest, AFlagSetsItsLanguagesLayoutAgain) {
  press(G::kFrench);
  EXPECT_EQ(app.language, 1);
  EXPECT_EQ(app.resourceFolder, "res/French/");
  EXPECT_TRUE(lit(G::kAzertyButton));
  press(G::kQwertySpButton);
  EXPECT_EQ(app.keyboardLayout[1], 2);
  EXPECT_TRUE(lit(G::kQwertySpButton));
  EXPECT_FALSE(lit(G::kAzertyButton));
  press(G::kEnglish);
  EXPECT_TRUE(lit(G::kQwertyButton));
  EXPECT_EQ(app.keyboardLayout[1], 2);  // French stays on QWERTY SP
  EXPECT_EQ(app.currentKeyboardLayout(), 1);
  press(G::kFrench);
  EXPECT_EQ(app.keyboardLayout[1], 0);
  EXPECT_TRUE(lit(G::kAzertyButton));
  EXPECT_TRUE(lit(G::kFrench));
  EXPECT_FALSE(lit(G::kEnglish));
}

TEST_F(GeneralScreenTest, TheGermanFlagChangesThisScreenAtOnceAndTheOthersOnLeaving) {
  CountingScreen update;
  host->screens[kUpdateScreen] = &update;
  const QImage english = at<ImageButton>(G::kReset)->renderImage();
  press(G::kGerman);
  EXPECT_EQ(app.resourceFolder, "res/German/");
  EXPECT_TRUE(lit(G::kQwertzuButton));
  EXPECT_NE(at<ImageButton>(G::kReset)->renderImage(), english);
  EXPECT_EQ(update.reloads, 1);
  EXPECT_EQ(stick.reloads, 0);
  press(G::kHome);
  EXPECT_EQ(stick.reloads, 1);
  EXPECT_TRUE(missingPictures.isEmpty()) << missingPictures.join('\n').toStdString();
}

TEST_F(GeneralScreenTest, HomeLeadsToTheHomeScreenOfTheReturnSlot) {
  app.returnSlot = 0;
  app.currentSlot = 3;
  app.slotPage[0] = 2;
  press(G::kCalibrate);
  press(G::kHome);
  EXPECT_EQ(app.currentSlot, 1);
  EXPECT_EQ(app.returnSlot, 1);
  EXPECT_EQ(app.slotPage[0], 0);
  EXPECT_FALSE(general->calibrationMarked());
  EXPECT_FALSE(general->isVisible());
  EXPECT_EQ(host->shown.back(), kHomeScreen);
  EXPECT_TRUE(home->isVisible());

  app.returnSlot = 4;
  general->goHome();
  EXPECT_EQ(app.currentSlot, 4);
  // A return slot that names no slot is taken as slot 1 too.
  app.returnSlot = 7;
  general->goHome();
  EXPECT_EQ(app.currentSlot, 1);
  EXPECT_EQ(app.returnSlot, 1);
}

TEST_F(GeneralScreenTest, SlotTabsReturnToTheScreenThatOpenedThis) {
  CountingScreen buttons;
  host->screens[kButtonScreen] = &buttons;
  app.slotPage = {1, 1, 1, 1};
  struct Case {
    int returnPending;
    int tab;
    int slot;
    int32_t shown;  // 0: stays
  };
  const Case cases[] = {
      {2, G::kProfile3Tab, 3, kStickScreen},
      {3, G::kProfile2Tab, 2, kButtonScreen},
      {1, G::kProfile4Tab, 4, kHomeScreen},
      {0, G::kProfile1Tab, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.returnPending);
    host->shown.clear();
    general->show();
    app.returnPending = c.returnPending;
    press(c.tab);
    EXPECT_EQ(app.currentSlot, c.slot);
    if (c.shown == 0) {
      EXPECT_TRUE(host->shown.empty());
      EXPECT_TRUE(general->isVisible());
    } else {
      EXPECT_EQ(host->shown, std::vector<int32_t>{c.shown});
    }
  }
  EXPECT_EQ(stick.loads, 1);
  EXPECT_EQ(buttons.loads, 1);
  EXPECT_EQ(app.slotPage, (std::array<int32_t, 4>{1, 1, 1, 1}));
}

TEST_F(GeneralScreenTest, CalibrateMarksThePointOnce) {
  const QImage before = general->grab().toImage();
  press(G::kCalibrate);
  EXPECT_TRUE(general->calibrationMarked());
  const QImage marked = general->grab().toImage();
  EXPECT_NE(marked.copy(G::kCalibrationPoint), before.copy(G::kCalibrationPoint));
  EXPECT_EQ(marked.copy(0, 0, 300, 300), before.copy(0, 0, 300, 300));
  press(G::kCalibrate);
  EXPECT_TRUE(general->calibrationMarked());
  EXPECT_TRUE(settingsSent().empty());
}

TEST_F(GeneralScreenTest, RefreshShowsTheVersionTheLanguageAndItsLayout) {
  app.padFirmwareVersion = 1.5f;
  app.language = 4;
  app.keyboardLayout[4] = 3;
  general->loadSlot();
  EXPECT_EQ(at<QLabel>(G::kVersion)->text(), "v1.50");
  EXPECT_TRUE(lit(G::kSpanish));
  EXPECT_TRUE(lit(G::kQwertzuButton));
  EXPECT_TRUE(lit(G::kGeneralTab));
  EXPECT_FALSE(lit(G::kProfile1Tab));
  // A language outside 0..6 leaves the flags and the layout as they are.
  app.language = 9;
  general->loadSlot();
  EXPECT_TRUE(lit(G::kSpanish));
  EXPECT_TRUE(lit(G::kQwertzuButton));
}

TEST_F(GeneralScreenTest, TheWebSiteFollowsTheLanguage) {
  for (int language : {0, 1, 3, 6}) {
    app.language = language;
    press(G::kWebSite);
  }
  const std::string base = makerWebBase();
  EXPECT_EQ(host->opened, (std::vector<std::string>{base, base + "/fr", base, base}));
}

TEST_F(GeneralScreenTest, TheScreenTakesNoKeys) {
  auto* slider = at<PictureSlider>(G::kLevel);
  slider->setFocus();
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_Escape, Qt::Key_Return}) {
    QTest::keyClick(slider, key);
    QTest::keyClick(general.get(), key);
  }
  EXPECT_EQ(slider->value(), 0);
  EXPECT_TRUE(general->isVisible());
}

TEST_F(GeneralScreenTest, TheFirmwareUpdateOpensTheUpdateScreenWhenThereIsOne) {
  press(G::kFirmwareUpdate);
  EXPECT_TRUE(general->isVisible());
  EXPECT_TRUE(host->shown.empty());
  CountingScreen update;
  host->screens[kUpdateScreen] = &update;
  press(G::kFirmwareUpdate);
  EXPECT_EQ(update.loads, 1);
  EXPECT_EQ(host->shown, std::vector<int32_t>{kUpdateScreen});
  EXPECT_FALSE(general->isVisible());
}

}  // namespace
}  // namespace ostrel::testing
