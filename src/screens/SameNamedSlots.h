#pragma once
// Slots that carry the same profile name share one profile file, so what one
// of them edits or saves is carried over to the others.

#include <vector>

namespace ostrel {

struct AppState;

// Indexes (0..3) of the slots whose name equals that of slot index, the slot
// itself included, in slot order.
std::vector<int> sameNamedSlots(const AppState& app, int index);

}  // namespace ostrel
