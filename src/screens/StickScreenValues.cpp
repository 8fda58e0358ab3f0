// What the stick screen shows and stores: the slot's values into the
// controls, the controls into the slot's edit values and its profile file,
// and the two resets.

#include <QLabel>

#include "controls/PictureComboBox.h"
#include "library/ValueText.h"
#include "library/ProfileLibrary.h"
#include "profile/AppState.h"
#include "profile/ProfileRecord.h"
#include "screens/ChosenButtons.h"
#include "screens/SameNamedSlots.h"
#include "screens/StickField.h"
#include "screens/StickScreen.h"
#include "screens/StickValues.h"
#include "screens/WindowsText.h"

namespace ostrel {
namespace {

// First index of zone z's five values (width, offset, slope, two reserved).
constexpr int zoneIndex(int zone) { return ProfileIndex::smallZone + ZoneSegment::size * zone; }

QString percentText(float value) {
  return QString::number(truncatedProduct(value, 100.0f).value_or(0));
}

}  // namespace

void StickScreen::showWidths(const StickZones::Widths& widths) {
  zones_.setWidths(widths);
  showZones();
}

void StickScreen::showWidthLabels() {
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    widthLabels_[static_cast<std::size_t>(zone)]->setText(QString::number(zones_.width(zone)));
  }
}

void StickScreen::showZones() {
  showWidthLabels();
  locks_->choose(zones_.locked());
  update();
}

void StickScreen::loadStickScreen() {
  const int index = slotIndex();
  if (index < 0) return;
  tabs_->choose(index);
  nameLabel_->setText(fromWindows1252(context_.app.slotNames[static_cast<std::size_t>(index)]));
  const auto& values = context_.library.editValues[static_cast<std::size_t>(index)];
  const auto show = [](StickField* field, std::optional<int> number) {
    if (number) field->load(QString::number(*number));
  };
  show(staticField_, truncatedProduct(values[ProfileIndex::staticDeadZone], 100.0f));
  show(dynamicField_, truncatedProduct(values[ProfileIndex::dynamicDeadZone], 100.0f));
  if (const auto item = latencyItem(values[ProfileIndex::latencyMs]))
    latencyList_->setCurrentIndex(*item);
  if (const auto item = thresholdItem(values[ProfileIndex::activationThreshold])) {
    thresholdList_->setCurrentIndex(*item);
  }
  show(sensitivities_[0], truncatedProduct(values[ProfileIndex::sensitivity1], 1.0f));
  show(sensitivities_[1], truncatedProduct(values[ProfileIndex::sensitivity2], 1.0f));
  StickZones::Widths widths{};
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    const int at = zoneIndex(zone);
    const int shown = truncatedProduct(values[at], 100.0f).value_or(0);
    // A profile without widths shows the default ones.
    widths[static_cast<std::size_t>(zone)] =
        shown != 0 ? shown : truncatedProduct(defaultProfile[at], 100.0f).value_or(0);
  }
  showWidths(widths);
  hover_.fill(false);
  remember();
}

void StickScreen::remember() { loaded_.take(context_.app, context_.library, controlValues()); }

void StickScreen::followSlot() {
  if (!loaded_.holds(context_.app, context_.library)) loadStickScreen();
}

void StickScreen::settle() {
  if (loaded_.holds(context_.app, context_.library)) {
    applyStickScreen();
  } else {
    loadStickScreen();
  }
}

int StickScreen::chosenLatencyMs() const {
  return kLatencyItemsMs.at(static_cast<std::size_t>(latencyList_->currentIndex()));
}

float StickScreen::chosenThreshold() const {
  return kThresholdItemValues.at(static_cast<std::size_t>(thresholdList_->currentIndex()));
}

ControlValues StickScreen::controlValues() const {
  const auto hundredths = [](int n) { return static_cast<float>(n / 100.0); };
  return {
      {ProfileIndex::staticDeadZone, hundredths(staticField_->number())},
      {ProfileIndex::dynamicDeadZone, hundredths(dynamicField_->number())},
      {ProfileIndex::latencyMs, static_cast<float>(chosenLatencyMs())},
      {ProfileIndex::activationThreshold, chosenThreshold()},
      {ProfileIndex::sensitivity1, static_cast<float>(sensitivities_[0]->number())},
      {ProfileIndex::sensitivity2, static_cast<float>(sensitivities_[1]->number())},
      {ProfileIndex::smallZone, hundredths(zones_.width(StickZones::kSmall))},
      {ProfileIndex::mediumZone, hundredths(zones_.width(StickZones::kMedium))},
      {ProfileIndex::bigZone, hundredths(zones_.width(StickZones::kBig))},
  };
}

bool StickScreen::applyStickScreen() {
  const int index = slotIndex();
  if (index < 0) return false;
  const ControlValues shown = controlValues();
  if (loaded_.store(context_.app, context_.library, shown)) copyToSameNamed();
  const auto& edited = context_.library.editValues[static_cast<std::size_t>(index)];
  const auto& saved = context_.library.savedValues[static_cast<std::size_t>(index)];
  bool changed = false;
  for (const auto& [at, value] : shown) {
    const auto i = static_cast<std::size_t>(at);
    changed = changed || !sameValue(edited[i], saved[i]);
  }
  return changed;
}

void StickScreen::saveStickScreen() {
  const int index = slotIndex();
  if (index < 0) return;
  ProfileLibrary& library = context_.library;
  const std::string name = slotName();
  const auto write = [&](int line, const std::string& text) {
    library.setProfileValue(index, name, line, text);
  };
  write(ProfileIndex::staticDeadZone, formatDouble(staticField_->number() / 100.0));
  write(ProfileIndex::dynamicDeadZone, formatDouble(dynamicField_->number() / 100.0));
  write(ProfileIndex::latencyMs, std::to_string(chosenLatencyMs()));
  write(ProfileIndex::activationThreshold, formatValue(chosenThreshold()));
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
  remember();
}

void StickScreen::copyToSameNamed() {
  const int index = slotIndex();
  if (index < 0) return;
  auto& tables = context_.library.editValues;
  const auto& edited = tables[static_cast<std::size_t>(index)];
  for (int other : sameNamedSlots(context_.app, index)) {
    if (other == index) continue;
    std::copy(edited.begin(), edited.begin() + kProfileSize,
              tables[static_cast<std::size_t>(other)].begin());
  }
}

void StickScreen::resetToDefaults() {
  resetDeadZones();
  resetZones();
}

void StickScreen::resetDeadZones() {
  const int index = slotIndex();
  if (index < 0) return;
  settle();
  auto& edited = context_.library.editValues[static_cast<std::size_t>(index)];
  for (int at : {ProfileIndex::staticDeadZone, ProfileIndex::dynamicDeadZone,
                 ProfileIndex::latencyMs, ProfileIndex::activationThreshold,
                 ProfileIndex::sensitivity1, ProfileIndex::sensitivity2}) {
    edited[static_cast<std::size_t>(at)] = defaultProfile[static_cast<std::size_t>(at)];
  }
  staticField_->load(percentText(defaultProfile[ProfileIndex::staticDeadZone]));
  dynamicField_->load(percentText(defaultProfile[ProfileIndex::dynamicDeadZone]));
  latencyList_->setCurrentIndex(latencyItem(defaultProfile[ProfileIndex::latencyMs]).value_or(0));
  thresholdList_->setCurrentIndex(
      thresholdItem(defaultProfile[ProfileIndex::activationThreshold]).value_or(0));
  for (std::size_t i = 0; i < sensitivities_.size(); ++i) {
    const float value = defaultProfile[ProfileIndex::sensitivity1 + i];
    sensitivities_[i]->load(QString::number(truncatedProduct(value, 1.0f).value_or(1)));
  }
  copyToSameNamed();
  remember();
}

void StickScreen::resetZones() {
  settle();
  StickZones::Widths widths{};
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    widths[static_cast<std::size_t>(zone)] =
        truncatedProduct(defaultProfile[zoneIndex(zone)], 100.0f).value_or(0);
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
  remember();
}

}  // namespace ostrel
