#pragma once
// How one profile screen leads to another through its container.

#include <cstdint>

class QWidget;

namespace ostrel {

struct ScreenContext;

// Leaves from for the screen with that number: hides from first (so what it
// holds is kept as the slot's edit, and the host may show it again when it
// does not hold the next screen), lets the next screen load the current slot,
// sets ScreenId and asks the host to show it.
void leadToScreen(QWidget& from, const ScreenContext& context, int32_t screen);

}  // namespace ostrel
