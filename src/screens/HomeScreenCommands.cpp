// The home screen's commands: slot selection, the switch, save, reset,
// activation, and the buttons that lead to other screens.

#include <QGuiApplication>
#include <QLineEdit>

#include "controls/ImageButton.h"
#include "library/ValueText.h"
#include "library/ProfileLibrary.h"
#include "link/ControllerLink.h"
#include "profile/AppState.h"
#include "profile/ProfileRecord.h"
#include "screens/ChosenButtons.h"
#include "screens/HomeFields.h"
#include "screens/MakerWebSite.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenLead.h"
#include "screens/SensitivityField.h"
#include "screens/HomeScreen.h"

namespace ostrel {
namespace {

// slotPage values 1..3 and the screens they stand for.
int32_t pageScreen(int32_t page) {
  switch (page) {
    case 1: return kStickScreen;
    case 2: return kButtonScreen;
    case 3: return kGeneralScreen;
    default: return kHomeScreen;
  }
}

}  // namespace

void HomeScreen::connectCommands() {
  const auto on = [this](int id, auto action) {
    connect(buttons_.at(id), &QAbstractButton::clicked, this, action);
  };
  const std::array<int, 4> slotTabs = {kProfile1Tab, kProfile2Tab, kProfile3Tab, kProfile4Tab};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    on(slotTabs[static_cast<std::size_t>(slot - 1)], [this, slot] { selectSlot(slot); });
  }
  on(kGeneralTab, [this] { openGeneralSettings(); });
  on(kControllerProfiles, [this] { openLibraryScreen(kControllerListScreen); });
  on(kMyProfiles, [this] { openLibraryScreen(kNameListScreen); });
  on(kDownloadProfiles, [this] { openLibraryScreen(kDownloadScreen); });
  on(kMakerProfiles, [this] { openLibraryScreen(kMakerListScreen); });
  on(kNew, [this] { openNameDialog(false); });
  on(kRename, [this] { openNameDialog(true); });
  on(kResetUpper, [this] { resetEditors(); });
  on(kOn, [this] { switchShortcuts(false); });
  on(kOff, [this] { switchShortcuts(true); });
  on(kResetLower, [this] { resetSlot(); });
  on(kSaveLower, [this] { saveSlot(); });
  on(kActivate, [this] { activate(); });
  on(kWebSite, [this] { openWebSite(); });
  on(kAim, [this] { openEditor(kStickScreen, 4, 1); });
  on(kKey, [this] { openEditor(kButtonScreen, 5, 2); });
  on(kQuit, [this] { quit(); });
  on(kQuitHidden, [this] { context_.host.quitProgram(); });
  // The upper Save (1097) does nothing.
}

void HomeScreen::selectSlot(int slot) {
  if (slot < 1 || slot > kSlotCount) return;
  AppState& app = context_.app;
  const int previous = slotIndex();
  selectedTab_ = slot;
  tabs_->choose(slot - 1);
  if (previous >= 0) storeFields();
  app.currentSlot = slot;
  loadSlot();
  const int32_t page = app.slotPage[static_cast<std::size_t>(slot - 1)];
  if (previous >= 0) app.slotPage[static_cast<std::size_t>(previous)] = 0;
  if (page >= 1 && page <= 3) leadToScreen(*this, context_, pageScreen(page));
}

void HomeScreen::openGeneralSettings() {
  AppState& app = context_.app;
  const int index = slotIndex();
  selectedTab_ = 5;
  tabs_->choose(4);
  if (index < 0) return;
  storeFields();
  app.returnSlot = app.currentSlot;
  app.returnPending = 1;
  app.slotPage[static_cast<std::size_t>(index)] = 0;
  leadToScreen(*this, context_, kGeneralScreen);
}

void HomeScreen::switchSameNamedSlots(int index, uint8_t off, bool saved) {
  AppState& app = context_.app;
  const std::string name = app.slotNames[static_cast<std::size_t>(index)];
  for (int i = 0; i < kSlotCount; ++i) {
    if (i != index && app.slotNames[static_cast<std::size_t>(i)] != name) continue;
    app.slotOff[static_cast<std::size_t>(i)] = off;
    if (saved) app.savedSlotOff[static_cast<std::size_t>(i)] = off;
  }
}

void HomeScreen::switchShortcuts(bool off) {
  const int index = slotIndex();
  if (index < 0) return;
  onOff_->choose(off ? 1 : 0);
  switchSameNamedSlots(index, off ? 1 : 0, false);
}

void HomeScreen::saveSlot() {
  const int index = slotIndex();
  if (index < 0) return;
  AppState& app = context_.app;
  ProfileLibrary& library = context_.library;
  const std::string name = app.slotNames[static_cast<std::size_t>(index)];
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const HomeField& field = kHomeFields[i];
    const float value = fieldValue(fields_[i]->text(), field.scale);
    library.setProfileValue(index, name, field.valueIndex, formatValue(value));
  }
  // Slots of the same name share the file, so they share its saved switch.
  const uint8_t off = app.slotOff[static_cast<std::size_t>(index)];
  switchSameNamedSlots(index, off, true);
  showSwitch();
  library.setProfileValue(index, name, ProfileIndex::shortcutsOff, formatValue(off));
  // The fields now show what the slot holds.
  loaded_.take(app, library, fieldValues());
}

void HomeScreen::resetSlot() {
  const int index = slotIndex();
  if (index < 0) return;
  followSlot();
  auto& edited = context_.library.editValues[static_cast<std::size_t>(index)];
  for (int valueIndex : {ProfileIndex::sensitivity1, ProfileIndex::sensitivity2}) {
    edited[valueIndex] = defaultProfile[valueIndex];
  }
  static_cast<SensitivityField*>(fields_[0])->setAcceptedText(fieldText(defaultProfile[0], 1));
  static_cast<SensitivityField*>(fields_[1])->setAcceptedText(fieldText(defaultProfile[1], 1));
  onOff_->choose(0);
  // The file now holds the switch on, so that is its saved state too.
  switchSameNamedSlots(index, 0, true);
  context_.library.setProfileValue(index, context_.app.slotNames[static_cast<std::size_t>(index)],
                                   ProfileIndex::shortcutsOff, formatValue(0.0f));
  loaded_.take(context_.app, context_.library, fieldValues());
}

void HomeScreen::resetEditors() {
  for (int32_t screen : {kStickScreen, kButtonScreen}) {
    if (ProfileScreen* editor = context_.host.screen(screen)) editor->resetToDefaults();
  }
  // The sensitivities and the switch were reset too: show them, so that
  // leaving this screen does not write the old ones back.
  loadSlot();
}

bool HomeScreen::activate() {
  buttons_.at(kActivate)->setFocus();
  // About 1.6 s of paced reports on this thread: say so with the cursor.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const bool sent = context_.link.transfer().activateProfiles(nameLabelBytes(), [this] { saveSlot(); });
  QGuiApplication::restoreOverrideCursor();
  noticeTicks_ = 0;
  notStored_ = !sent;
  update(kNoticeArea);
  return sent;
}

void HomeScreen::openWebSite() {
  if (const auto address = makerWebAddress(context_.app.language)) {
    context_.host.openWebAddress(*address);
  }
}

void HomeScreen::openEditor(int32_t screen, int32_t saveReason, int32_t page) {
  const int index = slotIndex();
  if (index < 0) return;
  if (collectChanges()) {
    context_.app.saveReason = saveReason;
    leadToScreen(*this, context_, kSavePromptScreen);
    return;
  }
  context_.app.slotPage[static_cast<std::size_t>(index)] = page;
  leadToScreen(*this, context_, screen);
}

void HomeScreen::quit() {
  bool changed = collectChanges();
  for (int32_t screen : {kStickScreen, kButtonScreen}) {
    if (ProfileScreen* editor = context_.host.screen(screen)) changed = editor->collectChanges() || changed;
  }
  // Edits left in another slot (through an editor's slot tabs) count too:
  // the prompt's Yes saves all four.
  changed = changed || anySlotUnsaved(context_.app, context_.library);
  if (changed) context_.app.saveReason = 0;
  leadToScreen(*this, context_, changed ? kSavePromptScreen : kQuitPromptScreen);
}

void HomeScreen::openNameDialog(bool rename) {
  newRename_ = rename ? 1 : 0;
  leadToScreen(*this, context_, kSaveNameScreen);
}

void HomeScreen::openLibraryScreen(int32_t screen) {
  AppState& app = context_.app;
  if (screen == kNameListScreen) {
    context_.library.rebuildMyIndex();
    const QPoint place = window()->geometry().topLeft();
    app.windowX = place.x();
    app.windowY = place.y();
  } else if (screen == kMakerListScreen) {
    context_.library.rebuildMakerIndex();
  }
  leadToScreen(*this, context_, screen);
}


}  // namespace ostrel
