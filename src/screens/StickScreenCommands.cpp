// The stick screen's commands: save, the two resets, the zone buttons and the
// ways out of the screen.

#include "controls/CBitComboBox.h"
#include "library/ValueText.h"
#include "library/manageFile.h"
#include "profile/AppState.h"
#include "profile/ProfileRecord.h"
#include "screens/ChosenButtons.h"
#include "screens/SameNamedSlots.h"
#include "screens/ScreenButtons.h"
#include "screens/ScreenHost.h"
#include "screens/SlotPages.h"
#include "screens/StickField.h"
#include "screens/StickScreen.h"
#include "screens/StickValues.h"

namespace ostrel {
namespace {

// First index of zone z's five values (width, offset, slope, two reserved).
constexpr int zoneIndex(int zone) { return ProfileIndex::smallZone + ZoneSegment::size * zone; }

QString percentText(float value) { return QString::number(truncatedProduct(value, 100.0f).value_or(0)); }

}  // namespace

void StickScreen::connectCommands() {
  const std::array<int, kSlotCount> slotTabs = {kProfile1Tab, kProfile2Tab, kProfile3Tab, kProfile4Tab};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    buttons_->onClick(slotTabs[static_cast<std::size_t>(slot - 1)], [this, slot] { selectSlot(slot); });
  }
  buttons_->onClick(kGeneralTab, [this] { openGeneralSettings(); });
  buttons_->onClick(kHome, [this] { goHome(); });
  buttons_->onClick(kSave, [this] { saveStickScreen(); });
  buttons_->onClick(kZoneReset, [this] { resetZones(); });
  buttons_->onClick(kDeadZoneReset, [this] { resetDeadZones(); });
  const int locks[] = {kSmallLock, kMediumLock, kBigLock};
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    buttons_->onClick(locks[zone], [this, zone] { lockZone(zone); });
  }
}

void StickScreen::saveStickScreen() {
  const int index = slotIndex();
  if (index < 0) return;
  manageFile& library = context_.library;
  const std::string name = slotName();
  const auto write = [&](int line, const std::string& text) {
    library.setProfileValue(index, name, line, text);
  };
  write(ProfileIndex::staticDeadZone, formatDouble(staticField_->number() / 100.0));
  write(ProfileIndex::dynamicDeadZone, formatDouble(dynamicField_->number() / 100.0));
  write(ProfileIndex::latencyMs,
        std::to_string(kLatencyItemsMs.at(static_cast<std::size_t>(latencyList_->currentIndex()))));
  write(ProfileIndex::activationThreshold,
        formatValue(kThresholdItemValues.at(static_cast<std::size_t>(thresholdList_->currentIndex()))));
  write(ProfileIndex::sensitivity1, formatDouble(sensitivities_[0]->number()));
  write(ProfileIndex::sensitivity2, formatDouble(sensitivities_[1]->number()));
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    write(zoneIndex(zone), formatDouble(zones_.width(zone) / 100.0));
  }
  const StickZones::Widths& widths = zones_.widths();
  const ZoneCoefficients derived = deriveZoneCoefficients(widths[0], widths[1], widths[2]);
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    const auto z = static_cast<std::size_t>(zone);
    const int at = zoneIndex(zone);
    write(at + ZoneSegment::reserved2, formatDouble(0.0));
    write(at + ZoneSegment::reserved1, formatDouble(0.0));
    write(at + ZoneSegment::slope, formatDouble(derived.slope[z]));
    write(at + ZoneSegment::offset, formatValue(derived.offset[z]));
  }
  // The same-named slots share the file: they now hold what it holds. Only
  // the lines written count as saved; edits of other screens stay unsaved.
  const auto& saved = library.savedValues[static_cast<std::size_t>(index)];
  for (int other : sameNamedSlots(context_.app, index)) {
    auto& target = library.savedValues[static_cast<std::size_t>(other)];
    std::copy(saved.begin(), saved.begin() + kProfileSize, target.begin());
  }
}

void StickScreen::copyToSameNamed() {
  const int index = slotIndex();
  if (index < 0) return;
  auto& tables = context_.library.editValues;
  const auto& edited = tables[static_cast<std::size_t>(index)];
  for (int other : sameNamedSlots(context_.app, index)) {
    if (other == index) continue;
    std::copy(edited.begin(), edited.begin() + kProfileSize, tables[static_cast<std::size_t>(other)].begin());
  }
}

void StickScreen::resetToDefaults() {
  resetDeadZones();
  resetZones();
}

void StickScreen::resetDeadZones() {
  const int index = slotIndex();
  if (index < 0) return;
  auto& edited = context_.library.editValues[static_cast<std::size_t>(index)];
  for (int at : {ProfileIndex::staticDeadZone, ProfileIndex::dynamicDeadZone, ProfileIndex::latencyMs,
                 ProfileIndex::activationThreshold, ProfileIndex::sensitivity1, ProfileIndex::sensitivity2}) {
    edited[static_cast<std::size_t>(at)] = defaultProfile[static_cast<std::size_t>(at)];
  }
  staticField_->load(percentText(defaultProfile[ProfileIndex::staticDeadZone]));
  dynamicField_->load(percentText(defaultProfile[ProfileIndex::dynamicDeadZone]));
  latencyList_->setCurrentIndex(latencyItem(defaultProfile[ProfileIndex::latencyMs]).value_or(0));
  thresholdList_->setCurrentIndex(thresholdItem(defaultProfile[ProfileIndex::activationThreshold]).value_or(0));
  for (std::size_t i = 0; i < sensitivities_.size(); ++i) {
    const float value = defaultProfile[ProfileIndex::sensitivity1 + i];
    sensitivities_[i]->load(QString::number(truncatedProduct(value, 1.0f).value_or(1)));
  }
  copyToSameNamed();
}

void StickScreen::resetZones() {
  StickZones::Widths widths{};
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    widths[static_cast<std::size_t>(zone)] = truncatedProduct(defaultProfile[zoneIndex(zone)], 100.0f).value_or(0);
  }
  zones_.reset(widths);
  showZones();
  const int index = slotIndex();
  if (index < 0) return;
  auto& edited = context_.library.editValues[static_cast<std::size_t>(index)];
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    edited[static_cast<std::size_t>(zoneIndex(zone))] = defaultProfile[zoneIndex(zone)];
  }
  copyToSameNamed();
}

void StickScreen::lockZone(int zone) {
  if (zones_.lock(zone)) locks_->choose(zone);
}

void StickScreen::stepZone(int zone, int delta) {
  if (zones_.step(zone, delta)) showZones();
}

void StickScreen::goHome() {
  const int index = slotIndex();
  if (index < 0) return;
  const bool changed = applyStickScreen();
  AppState& app = context_.app;
  app.slotPage[static_cast<std::size_t>(index)] = kHomePage;
  if (!changed) {
    leadTo(kHomeScreen);
    return;
  }
  // The home screen lies under the prompt and comes back when it is answered.
  if (ProfileScreen* home = context_.host.screen(kHomeScreen)) home->loadSlot();
  app.saveReason = 1;
  leadTo(kSavePromptScreen);
}

void StickScreen::selectSlot(int slot) {
  if (slot < 1 || slot > kSlotCount) return;
  AppState& app = context_.app;
  const int left = slotIndex();
  applyStickScreen();
  app.currentSlot = slot;
  if (left >= 0) app.slotPage[static_cast<std::size_t>(left)] = kStickPage;
  const int32_t page = pageScreen(app.slotPage[static_cast<std::size_t>(slot - 1)]);
  if (page == 0 || page == kStickScreen) {
    loadStickScreen();
  } else {
    leadTo(page);
  }
}

void StickScreen::openGeneralSettings() {
  const int index = slotIndex();
  if (index < 0) return;
  applyStickScreen();
  tabs_->choose(kSlotCount);
  AppState& app = context_.app;
  app.returnSlot = app.currentSlot;
  app.returnPending = 2;
  app.slotPage[static_cast<std::size_t>(index)] = kStickPage;
  leadTo(kGeneralScreen);
}

void StickScreen::leadTo(int32_t screen) {
  // The host shows this screen again when the one it leads to is not there.
  hide();
  if (ProfileScreen* next = context_.host.screen(screen)) next->loadSlot();
  context_.app.ScreenId = screen;
  context_.host.showCurrentScreen();
}

}  // namespace ostrel
