// The general settings screen's commands: language and layout, the LED
// settings, calibration, and the ways out.

#include "controls/PictureSlider.h"
#include "controls/ImageButton.h"
#include "link/ControllerLink.h"
#include "profile/AppState.h"
#include "screens/ChosenButtons.h"
#include "screens/MakerWebSite.h"
#include "screens/GeneralScreen.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenLead.h"
#include "screens/SlotPages.h"

namespace ostrel {
namespace {

// The value sent with each LED mode (off, slow, medium, quick).
constexpr int kLedValues[] = {500, 1000, 750, 500};
constexpr int kResetLevel = 50;

// Who opened this screen, and so where a slot tab leads (returnPending).
int32_t returnScreen(int32_t returnPending) {
  switch (returnPending) {
    case 1: return kHomeScreen;
    case 2: return kStickScreen;
    case 3: return kButtonScreen;
    default: return 0;
  }
}

// A flag sets its language's own layout: the one the program starts with.
int32_t defaultLayout(int language) {
  AppState startup;
  startup.resetToStartup();
  return startup.keyboardLayout[static_cast<std::size_t>(language)];
}

}  // namespace

void GeneralScreen::connectCommands() {
  const int flagIds[kLanguageCount] = {kEnglish, kFrench, kGerman, kNederlands, kSpanish, kItalian, kPortuguese};
  for (int language = 0; language < kLanguageCount; ++language) {
    buttons_.onClick(flagIds[language], [this, language] { chooseLanguage(language); });
  }
  const int layoutIds[] = {kAzertyButton, kQwertyButton, kQwertySpButton, kQwertzuButton};
  const int ledIds[] = {kLedOff, kLedSlow, kLedMedium, kLedQuick};
  for (int i = 0; i < 4; ++i) {
    buttons_.onClick(layoutIds[i], [this, i] { chooseLayout(i); });
    buttons_.onClick(ledIds[i], [this, i] { chooseLedMode(i); });
  }
  const int tabIds[] = {kProfile1Tab, kProfile2Tab, kProfile3Tab, kProfile4Tab};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    buttons_.onClick(tabIds[slot - 1], [this, slot] { selectSlot(slot); });
  }
  buttons_.onClick(kGeneralTab, [this] { showGeneralTab(); });
  buttons_.onClick(kReset, [this] { resetLed(); });
  // Save (1100) does nothing: nothing on this screen is saved.
  buttons_.onClick(kCalibrate, [this] { calibrate(); });
  buttons_.onClick(kFirmwareUpdate, [this] { openFirmwareUpdate(); });
  buttons_.onClick(kWebSite, [this] { openWebSite(); });
  buttons_.onClick(kHome, [this] { goHome(); });
}

void GeneralScreen::chooseLanguage(int language) {
  if (language < 0 || language >= kLanguageCount) return;
  AppState& app = context_.app;
  app.language = language;
  // A layout chosen earlier for this language gives way to its default.
  app.keyboardLayout[static_cast<std::size_t>(language)] = defaultLayout(language);
  applyLanguage();
  flags_->choose(language);
  showKeyboardLayout();
}

void GeneralScreen::applyLanguage() {
  context_.app.resourceFolder = languageFolder(context_.app.language);
  reloadPictures();
  // The update screen shows at once from here; the other screens follow
  // when the user leaves through Home or a slot tab.
  if (ProfileScreen* update = context_.host.screen(kUpdateScreen)) update->reloadPictures();
}

void GeneralScreen::reloadAllPictures() {
  for (int32_t screen = kHomeScreen; screen <= kSaveNameScreen; ++screen) {
    ProfileScreen* held = context_.host.screen(screen);
    if (held != nullptr) held->reloadPictures();
  }
}

void GeneralScreen::chooseLayout(int layout) {
  AppState& app = context_.app;
  if (app.language < 0 || app.language >= kLanguageCount) return;
  app.keyboardLayout[static_cast<std::size_t>(app.language)] = layout;
  showKeyboardLayout();
}

void GeneralScreen::chooseLedMode(int mode) {
  if (mode < 0 || mode >= 4) return;
  leds_->choose(mode);
  mode_ = mode;
  value_ = kLedValues[mode];
  sendSettings();
}

void GeneralScreen::resetLed() {
  AppState& app = context_.app;
  leds_->choose(0);
  value_ = kLedValues[0];
  mode_ = 0;
  app.pulseMode = 0;
  app.pulseValue = value_;
  level_ = kResetLevel;
  slider_->setValue(level_);
  app.pulseLevel = level_;
  lastSentLevel_ = level_;
  sendSettings();
}

void GeneralScreen::sendSettings() {
  // Sent whether or not a pad is there: the link refuses what it cannot send.
  context_.link.commands().sendPulseSettings(PulseSettings{level_, mode_, value_});
}

void GeneralScreen::calibrate() {
  if (calibrationMarker_) return;
  calibrationMarker_ = true;
  update(kCalibrationPoint);
}

void GeneralScreen::openFirmwareUpdate() {
  buttons_.at(kReset)->setFocus();
  // The update screen starts its work when it is loaded; until the
  // container holds one, the button stays here.
  if (context_.host.screen(kUpdateScreen) == nullptr) return;
  leadToScreen(*this, context_, kUpdateScreen);
}

void GeneralScreen::openWebSite() {
  if (const auto address = makerWebAddress(context_.app.language)) {
    context_.host.openWebAddress(*address);
  }
}

void GeneralScreen::goHome() {
  AppState& app = context_.app;
  reloadAllPictures();
  calibrationMarker_ = false;
  app.currentSlot = app.returnSlot;
  if (app.currentSlot < 1 || app.currentSlot > kSlotCount) app.returnSlot = app.currentSlot = 1;
  app.slotPage[static_cast<std::size_t>(app.currentSlot - 1)] = kHomePage;
  leadToScreen(*this, context_, kHomeScreen);
}

void GeneralScreen::selectSlot(int slot) {
  if (slot < 1 || slot > kSlotCount) return;
  AppState& app = context_.app;
  tabs_->choose(slot - 1);
  reloadAllPictures();
  app.currentSlot = slot;
  calibrationMarker_ = false;
  update(kCalibrationPoint);
  if (const int32_t screen = returnScreen(app.returnPending)) leadToScreen(*this, context_, screen);
}

void GeneralScreen::showGeneralTab() {
  tabs_->choose(4);
  context_.app.ScreenId = kGeneralScreen;
  context_.host.showCurrentScreen();
}


}  // namespace ostrel
