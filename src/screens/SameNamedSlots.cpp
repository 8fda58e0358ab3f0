#include "screens/SameNamedSlots.h"

#include "profile/AppState.h"

namespace ostrel {

std::vector<int> sameNamedSlots(const AppState& app, int index) {
  std::vector<int> slots;
  if (index < 0 || index >= kSlotCount) return slots;
  const std::string& name = app.slotNames[static_cast<std::size_t>(index)];
  for (int i = 0; i < kSlotCount; ++i) {
    if (i == index || app.slotNames[static_cast<std::size_t>(i)] == name) slots.push_back(i);
  }
  return slots;
}

}  // namespace ostrel
