// The button mapping screen's commands: loading, applying, saving and
// resetting the slot's codes, the shortcut switch, and the ways out.

#include <QLabel>

#include <algorithm>
#include <cmath>

#include "controls/ImageButton.h"
#include "library/ValueText.h"
#include "library/ProfileLibrary.h"
#include "profile/AppState.h"
#include "profile/KeyTables.h"
#include "profile/ProfileRecord.h"
#include "screens/ChosenButtons.h"
#include "screens/ButtonScreen.h"
#include "screens/SameNamedSlots.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenLead.h"
#include "screens/SlotPages.h"
#include "screens/WindowsText.h"

namespace ostrel {
namespace {

// What the save prompt does after its answer: finish this screen's save.
constexpr int32_t kSaveReasonButtons = 2;

// A code as its profile line: the whole number with one decimal ("20.0"),
// spelt the same in every locale.
std::string codeText(int code) { return std::to_string(code) + ".0"; }

int storedCode(float value) { return std::isfinite(value) ? static_cast<int>(std::trunc(value)) : 0; }

}  // namespace

void ButtonScreen::connectCommands() {
  const std::array<int, 4> slotTabs = {kProfile1Tab, kProfile2Tab, kProfile3Tab, kProfile4Tab};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    buttons_.onClick(slotTabs[static_cast<std::size_t>(slot - 1)], [this, slot] { selectSlot(slot); });
  }
  buttons_.onClick(kGeneralTab, [this] { openGeneralSettings(); });
  buttons_.onClick(kHome, [this] { goHome(); });
  buttons_.onClick(kSave, [this] { saveButtonScreen(); });
  buttons_.onClick(kReset, [this] { resetToDefaults(); });
  buttons_.onClick(kOn, [this] { switchShortcuts(false); });
  buttons_.onClick(kOff, [this] { switchShortcuts(true); });
}

void ButtonScreen::loadSlot() {
  const int index = slotIndex();
  if (index < 0) return;
  nameLabel_->setText(fromWindows1252(context_.app.slotNames[static_cast<std::size_t>(index)]));
  tabs_->choose(index);
  if (paddlesOff()) select(0);
  const auto& values = context_.library.editValues[static_cast<std::size_t>(index)];
  const int l = layout();
  for (int cell = 0; cell < kButtonCellCount; ++cell) {
    const float value = values[static_cast<std::size_t>(kButtonCells[static_cast<std::size_t>(cell)].recordIndex)];
    cellKeys_[static_cast<std::size_t>(cell)] = usageToKey(l, storedCode(value));
  }
  showSwitch();
  update();
  loaded_.take(context_.app, context_.library, cellValues());
}

void ButtonScreen::followSlot() {
  if (!loaded_.holds(context_.app, context_.library)) loadSlot();
}

ControlValues ButtonScreen::cellValues() const {
  ControlValues values;
  const int l = layout();
  for (int cell = 0; cell < kButtonCellCount; ++cell) {
    values.emplace_back(kButtonCells[static_cast<std::size_t>(cell)].recordIndex,
                        static_cast<float>(keyToUsage(l, cellKey(cell))));
  }
  return values;
}

bool ButtonScreen::collectChanges() {
  const int index = slotIndex();
  if (index < 0) return false;
  const AppState& app = context_.app;
  ProfileLibrary& library = context_.library;
  if (loaded_.store(app, library, cellValues())) copyToSameNamedSlots(index);
  const auto& edited = library.editValues[static_cast<std::size_t>(index)];
  const auto& saved = library.savedValues[static_cast<std::size_t>(index)];
  bool changed = false;
  for (const ButtonCell& cell : kButtonCells) {
    const auto record = static_cast<std::size_t>(cell.recordIndex);
    changed = changed || !sameValue(edited[record], saved[record]);
  }
  const auto s = static_cast<std::size_t>(index);
  return changed || app.slotOff[s] != app.savedSlotOff[s];
}

void ButtonScreen::copyToSameNamedSlots(int index) {
  AppState& app = context_.app;
  auto& edits = context_.library.editValues;
  const auto& source = edits[static_cast<std::size_t>(index)];
  for (int other : sameNamedSlots(app, index)) {
    if (other == index) continue;
    std::copy(source.begin(), source.begin() + kProfileSize, edits[static_cast<std::size_t>(other)].begin());
    app.slotOff[static_cast<std::size_t>(other)] = app.slotOff[static_cast<std::size_t>(index)];
  }
}

void ButtonScreen::saveButtonScreen() {
  const int index = slotIndex();
  if (index < 0) return;
  AppState& app = context_.app;
  ProfileLibrary& library = context_.library;
  const std::string name = app.slotNames[static_cast<std::size_t>(index)];
  for (int cell = 0; cell < kButtonCellCount; ++cell) {
    const int code = keyToUsage(layout(), cellKey(cell));
    library.setProfileValue(index, name, kButtonCells[static_cast<std::size_t>(cell)].recordIndex, codeText(code));
  }
  const uint8_t off = app.slotOff[static_cast<std::size_t>(index)];
  app.savedSlotOff[static_cast<std::size_t>(index)] = off;
  showSwitch();
  library.setProfileValue(index, name, ProfileIndex::shortcutsOff, formatValue(off));
  // The same-named slots share the file: they now hold what it holds. Only
  // what was written counts as saved; other edits of the slot stay unsaved.
  const auto& written = library.savedValues[static_cast<std::size_t>(index)];
  for (int other : sameNamedSlots(app, index)) {
    auto& saved = library.savedValues[static_cast<std::size_t>(other)];
    std::copy(written.begin(), written.begin() + kProfileSize, saved.begin());
    app.slotOff[static_cast<std::size_t>(other)] = off;
    app.savedSlotOff[static_cast<std::size_t>(other)] = off;
  }
  loaded_.take(app, library, cellValues());
}

void ButtonScreen::resetToDefaults() {
  const int index = slotIndex();
  if (index < 0) return;
  AppState& app = context_.app;
  auto& edited = context_.library.editValues[static_cast<std::size_t>(index)];
  const int l = layout();
  for (int cell = 0; cell < kButtonCellCount; ++cell) {
    const auto record = static_cast<std::size_t>(kButtonCells[static_cast<std::size_t>(cell)].recordIndex);
    const int vk = usageToKey(l, storedCode(defaultProfile[record]));
    cellKeys_[static_cast<std::size_t>(cell)] = vk;
    edited[record] = static_cast<float>(keyToUsage(l, vk));
  }
  app.slotOff[static_cast<std::size_t>(index)] = 0;
  onOff_->choose(0);
  // The switch is written at once; the codes stay unsaved changes.
  context_.library.setProfileValue(index, app.slotNames[static_cast<std::size_t>(index)],
                                   ProfileIndex::shortcutsOff, formatValue(0.0f));
  copyToSameNamedSlots(index);
  update();
  loaded_.take(app, context_.library, cellValues());
}

void ButtonScreen::switchShortcuts(bool off) {
  const int index = slotIndex();
  if (index < 0) return;
  onOff_->choose(off ? 1 : 0);
  AppState& app = context_.app;
  for (int slot : sameNamedSlots(app, index)) app.slotOff[static_cast<std::size_t>(slot)] = off ? 1 : 0;
  if (isPaddleCell(selection_)) select(0);
  update();
}

void ButtonScreen::goHome() {
  const int index = slotIndex();
  if (index < 0) return;
  AppState& app = context_.app;
  const bool changed = collectChanges();
  app.slotPage[static_cast<std::size_t>(index)] = kHomePage;
  if (ProfileScreen* home = context_.host.screen(kHomeScreen)) home->loadSlot();
  if (changed) app.saveReason = kSaveReasonButtons;
  leadToScreen(*this, context_, changed ? kSavePromptScreen : kHomeScreen);
}

void ButtonScreen::selectSlot(int slot) {
  const int left = slotIndex();
  if (slot < 1 || slot > kSlotCount || left < 0) return;
  AppState& app = context_.app;
  tabs_->choose(slot - 1);
  collectChanges();
  app.currentSlot = slot;
  loadSlot();
  app.slotPage[static_cast<std::size_t>(left)] = kButtonsPage;
  const int32_t next = pageScreen(app.slotPage[static_cast<std::size_t>(slot - 1)]);
  if (next != 0 && next != kButtonScreen) leadToScreen(*this, context_, next);
}

void ButtonScreen::openGeneralSettings() {
  const int index = slotIndex();
  if (index < 0) return;
  AppState& app = context_.app;
  tabs_->choose(4);
  collectChanges();
  app.returnSlot = app.currentSlot;
  app.returnPending = 3;
  app.slotPage[static_cast<std::size_t>(index)] = kButtonsPage;
  leadToScreen(*this, context_, kGeneralScreen);
}


}  // namespace ostrel
