// What the profile lists do to the slots and the library.

#include <QListWidgetItem>

#include <cmath>

#include "controls/PlainList.h"
#include "profile/AppState.h"
#include "profile/ProfileRecord.h"
#include "screens/ProfileListScreen.h"
#include "screens/SameNamedSlots.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenLead.h"

namespace ostrel {
namespace {

// The profile's own shortcut switch: set when the value's integer part is not
// 0. A value that has no integer part (not a number) counts as set, as the
// pad's own conversion of it would give.
uint8_t shortcutSwitch(float value) { return std::fabs(value) < 1.0f ? 0 : 1; }

}  // namespace

int ProfileListScreen::slotIndex() const {
  const int slot = context_.app.currentSlot;
  return slot >= 1 && slot <= kSlotCount ? slot - 1 : -1;
}

void ProfileListScreen::showHome() { leadToScreen(*this, context_, kHomeScreen); }

void ProfileListScreen::loadSelected() {
  if (deletePrompt_ && !look_.loadsDuringPrompt) return;
  const std::optional<std::string> name = selectedName();
  const int index = slotIndex();
  if (!name || index < 0) {
    showHome();
    return;
  }
  AppState& app = context_.app;
  ProfileLibrary& library = context_.library;
  library.loadProfileIntoSlot(index, *name);
  const uint8_t off =
      shortcutSwitch(library.savedValues[static_cast<std::size_t>(index)][ProfileIndex::shortcutsOff]);
  // The slot takes the name first, so the slots that share it are found in one go.
  app.slotNames[static_cast<std::size_t>(index)] = *name;
  for (int i : sameNamedSlots(app, index)) {
    app.savedSlotOff[static_cast<std::size_t>(i)] = off;
    app.slotOff[static_cast<std::size_t>(i)] = off;
  }
  showHome();
}

void ProfileListScreen::deleteSelected() {
  const std::optional<std::string> name = selectedName();
  if (name && *name != kDefaultName) {
    delete list_->takeItem(list_->row(list_->selectedItems().front()));
    context_.library.deleteProfile(*name);
    list_->refresh();
    giveDefaultToSlotsOf(*name);
  }
  setPromptShown(false);
}

void ProfileListScreen::giveDefaultToSlotsOf(const std::string& name) {
  AppState& app = context_.app;
  ProfileLibrary& library = context_.library;
  for (int i = 0; i < kSlotCount; ++i) {
    const auto s = static_cast<std::size_t>(i);
    if (app.slotNames[s] != name) continue;
    app.slotNames[s] = kDefaultName;
    library.loadProfileIntoSlot(i, kDefaultName);
    library.assignSlot(i, kDefaultName);
    app.savedSlotOff[s] = 0;
    app.slotOff[s] = 0;
    if (i == slotIndex()) {
      if (ProfileScreen* home = context_.host.screen(kHomeScreen)) home->loadSlot();
    }
  }
}

}  // namespace ostrel
