#include "screens/LoadedSlot.h"

#include <algorithm>
#include <cstring>

#include "library/ProfileLibrary.h"
#include "profile/AppState.h"

namespace ostrel {
namespace {

int currentIndex(const AppState& app) {
  return app.currentSlot >= 1 && app.currentSlot <= kSlotCount ? app.currentSlot - 1 : -1;
}

template <typename Values>
bool sameRecord(const ProfileRecord& record, const Values& values) {
  return std::memcmp(record.data(), values.data(), sizeof(ProfileRecord)) == 0;
}

}  // namespace

bool sameValue(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void LoadedSlot::take(const AppState& app, const ProfileLibrary& library, ControlValues shown) {
  index_ = currentIndex(app);
  if (index_ < 0) return;
  const auto slot = static_cast<std::size_t>(index_);
  name_ = app.slotNames[slot];
  layout_ = app.currentKeyboardLayout();
  std::copy_n(library.editValues[slot].begin(), kProfileSize, values_.begin());
  shown_ = std::move(shown);
}

bool LoadedSlot::sameSlotAndLayout(const AppState& app) const {
  const int index = currentIndex(app);
  return index >= 0 && index == index_ && app.currentKeyboardLayout() == layout_;
}

bool LoadedSlot::holds(const AppState& app, const ProfileLibrary& library) const {
  if (!sameSlotAndLayout(app)) return false;
  const auto slot = static_cast<std::size_t>(index_);
  return app.slotNames[slot] == name_ && sameRecord(values_, library.editValues[slot]);
}

bool LoadedSlot::store(const AppState& app, ProfileLibrary& library, const ControlValues& now) {
  if (!sameSlotAndLayout(app) || now.size() != shown_.size()) return false;
  auto& edited = library.editValues[static_cast<std::size_t>(index_)];
  for (std::size_t i = 0; i < now.size(); ++i) {
    const auto [at, value] = now[i];
    if (!sameValue(value, shown_[i].second)) edited[static_cast<std::size_t>(at)] = value;
  }
  take(app, library, now);
  return true;
}

bool slotUnsaved(const AppState& app, const ProfileLibrary& library, int index) {
  if (index < 0 || index >= kSlotCount) return false;
  const auto slot = static_cast<std::size_t>(index);
  const auto& edited = library.editValues[slot];
  const auto& saved = library.savedValues[slot];
  const bool valuesDiffer = std::memcmp(edited.data(), saved.data(), kProfileSize * sizeof(float)) != 0;
  return valuesDiffer || app.slotOff[slot] != app.savedSlotOff[slot] ||
         app.slotNames[slot] != app.savedSlotNames[slot];
}

bool anySlotUnsaved(const AppState& app, const ProfileLibrary& library) {
  for (int index = 0; index < kSlotCount; ++index) {
    if (slotUnsaved(app, library, index)) return true;
  }
  return false;
}

}  // namespace ostrel
