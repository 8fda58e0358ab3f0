// The save prompt's answers. Yes saves what the screen that opened the prompt
// edits; No puts the profile file's values back into every slot that holds
// the profile. Both then continue where saveReason says.

#include <algorithm>

#include "library/ProfileLibrary.h"
#include "profile/AppState.h"
#include "screens/ButtonScreen.h"
#include "screens/SameNamedSlots.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenLead.h"
#include "screens/SlotPages.h"
#include "screens/StickScreen.h"
#include "screens/HomeScreen.h"
#include "screens/SavePrompt.h"

namespace ostrel {
namespace {

// Slots that share a profile file hold what it holds, saved and edited.
void shareSavedValues(const AppState& app, ProfileLibrary& library, int index) {
  const auto& file = library.savedValues[static_cast<std::size_t>(index)];
  for (int slot : sameNamedSlots(app, index)) {
    auto& saved = library.savedValues[static_cast<std::size_t>(slot)];
    if (slot != index) saved = file;
    std::copy(saved.begin(), saved.end(), library.editValues[static_cast<std::size_t>(slot)].begin());
  }
}

template <typename Screen>
Screen* heldScreen(ScreenHost& host, int32_t number) {
  return dynamic_cast<Screen*>(host.screen(number));
}

}  // namespace

void SavePrompt::answerYes() {
  AppState& app = context_.app;
  ScreenHost& host = context_.host;
  const int index = slotIndex();
  auto* home = heldScreen<HomeScreen>(host, kHomeScreen);
  if (index >= 0) {
    switch (app.saveReason) {
      case 0:
        if (home) home->saveSlot();
        saveEverySlot(index);
        leadToScreen(*this, context_, kQuitPromptScreen);
        return;
      case 1:
        if (auto* stick = heldScreen<StickScreen>(host, kStickScreen)) stick->saveStickScreen();
        break;
      case 2:
        if (auto* buttons = heldScreen<ButtonScreen>(host, kButtonScreen)) buttons->saveButtonScreen();
        break;
      case 4:
      case 5:
        if (home) home->saveSlot();
        openEditor(index, app.saveReason == 4 ? kStickScreen : kButtonScreen,
                   app.saveReason == 4 ? kStickPage : kButtonsPage);
        return;
      default:
        break;
    }
  }
  leadToScreen(*this, context_, kHomeScreen);
}

void SavePrompt::saveEverySlot(int index) {
  const AppState& app = context_.app;
  ProfileLibrary& library = context_.library;
  const std::string& current = app.slotNames[static_cast<std::size_t>(index)];
  // Slots of the current slot's name share its file: it gets the current
  // slot's values once, rather than whichever of them came last.
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string& name = app.slotNames[static_cast<std::size_t>(slot)];
    if (slot != index && name != current) library.saveSlotAs(slot, name);
  }
  library.saveSlotAs(index, current);
  shareSavedValues(app, library, index);
}

void SavePrompt::answerNo() {
  AppState& app = context_.app;
  const int index = slotIndex();
  if (index < 0) {
    leadToScreen(*this, context_, kHomeScreen);
    return;
  }
  const auto s = static_cast<std::size_t>(index);
  context_.library.loadProfileIntoSlot(index, app.slotNames[s]);
  shareSavedValues(app, context_.library, index);
  const int32_t reason = app.saveReason;
  const bool fromEditor = reason == 0 || reason == 1 || reason == 2 || reason == 4 || reason == 5;
  if (fromEditor) {
    // The switch goes back to what the file holds; the stick screen's way
    // also takes it as saved for the slots of the same name.
    const uint8_t off = app.savedSlotOff[s];
    for (int slot : sameNamedSlots(app, index)) {
      app.slotOff[static_cast<std::size_t>(slot)] = off;
      if (reason == 1 || reason == 4) app.savedSlotOff[static_cast<std::size_t>(slot)] = off;
    }
  }
  switch (reason) {
    case 0:
      reloadScreen(kHomeScreen);
      leadToScreen(*this, context_, kQuitPromptScreen);
      return;
    case 1: reloadScreen(kStickScreen); break;
    case 2: reloadScreen(kButtonScreen); break;
    case 4: openEditor(index, kStickScreen, kStickPage); return;
    case 5: openEditor(index, kButtonScreen, kButtonsPage); return;
    default: break;
  }
  // Any other reason still leaves the prompt: it must never stay stuck.
  leadToScreen(*this, context_, kHomeScreen);
}

void SavePrompt::reloadScreen(int32_t screen) {
  if (ProfileScreen* held = context_.host.screen(screen)) held->loadSlot();
}

void SavePrompt::openEditor(int index, int32_t screen, int32_t page) {
  context_.app.slotPage[static_cast<std::size_t>(index)] = page;
  leadToScreen(*this, context_, screen);
}

}  // namespace ostrel
