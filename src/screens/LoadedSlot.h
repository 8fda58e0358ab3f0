#pragma once
// What an editor's controls were filled from: the slot, its name, the
// keyboard layout and the slot's edit values at that moment, with the value
// each control showed. Once the slot, its profile or the layout changed
// elsewhere (a slot tab, a list's load, the pad's profiles arriving, ...) the
// controls show another profile and are filled again when next shown.
//
// Storing takes only the values whose control the person changed since
// filling, and only into the slot they were filled for under the same
// layout: an editor that was merely looked at never rounds or rewrites a
// value, and one filled for another slot or layout writes nothing.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "profile/ProfileRecord.h"

namespace ostrel {

struct AppState;
class ProfileLibrary;

// Each control's profile index and the value it shows.
using ControlValues = std::vector<std::pair<int, float>>;

class LoadedSlot {
 public:
  // The controls now show the current slot's edit values as shown.
  void take(const AppState& app, const ProfileLibrary& library, ControlValues shown);
  // True while the controls still show the current slot's profile as it is.
  bool holds(const AppState& app, const ProfileLibrary& library) const;
  // Stores each value of now whose control changed since take into the
  // current slot's edit values, then takes again. False, storing nothing,
  // when the controls were filled for another slot or keyboard layout.
  bool store(const AppState& app, ProfileLibrary& library, const ControlValues& now);

 private:
  int index_ = -1;
  std::string name_;
  int32_t layout_ = -1;
  ProfileRecord values_{};
  bool sameSlotAndLayout(const AppState& app) const;
  ControlValues shown_;
};

// The same value bit for bit (a NaN from a pad equals itself, -0 is not 0).
bool sameValue(float a, float b);

// True when slot index differs from what is saved for it: a value, the
// shortcut switch, or the name (against the pad's).
bool slotUnsaved(const AppState& app, const ProfileLibrary& library, int index);
bool anySlotUnsaved(const AppState& app, const ProfileLibrary& library);

}  // namespace ostrel
