// The name screen's Save and Cancel: a new profile from the defaults, or the
// current profile copied under its new name for every slot that used it.

#include <QLineEdit>

#include "library/ProfileLibrary.h"
#include "profile/AppState.h"
#include "screens/NameScreen.h"
#include "screens/ProfileNameRules.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenLead.h"

namespace ostrel {

void NameScreen::save() {
  const QString text = underscoredName(box_->text());
  if (text != box_->text()) box_->setText(text);
  const std::optional<std::string> name = allowedProfileName(text);
  if (!name) {
    setWarning(kNameNotAllowed);
    return;
  }
  if (slotIndex() < 0) return;
  if (!(rename_ ? renameTo(*name) : createNamed(*name))) setWarning(kNameTaken);
}

bool NameScreen::createNamed(const std::string& name) {
  ProfileLibrary& library = context_.library;
  if (!library.createProfile(name)) return false;
  AppState& app = context_.app;
  const int index = slotIndex();
  const auto s = static_cast<std::size_t>(index);
  app.slotNames[s] = name;
  library.loadProfileIntoSlot(index, name);
  app.savedSlotOff[s] = 0;
  app.slotOff[s] = 0;
  // The slot list follows when the profiles are activated.
  finish();
  return true;
}

bool NameScreen::renameTo(const std::string& name) {
  ProfileLibrary& library = context_.library;
  AppState& app = context_.app;
  const int index = slotIndex();
  const std::string old = app.slotNames[static_cast<std::size_t>(index)];
  // The old file stays in the library: a rename leaves a copy behind.
  if (!library.copyProfile(old, name)) return false;
  const auto rename = [&](int slot) {
    app.slotNames[static_cast<std::size_t>(slot)] = name;
    library.loadProfileIntoSlot(slot, name);
    library.assignSlot(slot, name);
  };
  rename(index);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (app.slotNames[static_cast<std::size_t>(slot)] == old) rename(slot);
  }
  app.savedSlotOff[static_cast<std::size_t>(index)] = 0;
  app.slotOff[static_cast<std::size_t>(index)] = 0;
  finish();
  return true;
}

void NameScreen::finish() {
  // The editors show the slot's name and its values as the file holds them.
  for (int32_t screen : {kStickScreen, kButtonScreen}) {
    if (ProfileScreen* editor = context_.host.screen(screen)) editor->loadSlot();
  }
  leadToScreen(*this, context_, kHomeScreen);
}

void NameScreen::cancel() { leadToScreen(*this, context_, kHomeScreen); }

}  // namespace ostrel
