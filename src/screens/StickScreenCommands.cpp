// The stick screen's buttons: the zone locks and up-downs, and the ways out of
// the screen.

#include "profile/AppState.h"
#include "screens/ChosenButtons.h"
#include "screens/ScreenButtons.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenLead.h"
#include "screens/SlotPages.h"
#include "screens/StickScreen.h"

namespace ostrel {

void StickScreen::connectCommands() {
  const std::array<int, kSlotCount> slotTabs = {kProfile1Tab, kProfile2Tab, kProfile3Tab,
                                                kProfile4Tab};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    buttons_->onClick(slotTabs[static_cast<std::size_t>(slot - 1)],
                      [this, slot] { selectSlot(slot); });
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
    leadToScreen(*this, context_, kHomeScreen);
    return;
  }
  // The home screen lies under the prompt and comes back when it is answered.
  if (ProfileScreen* home = context_.host.screen(kHomeScreen)) home->loadSlot();
  app.saveReason = 1;
  leadToScreen(*this, context_, kSavePromptScreen);
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
    leadToScreen(*this, context_, page);
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
  leadToScreen(*this, context_, kGeneralScreen);
}


}  // namespace ostrel
