#pragma once
// slotPage remembers, per slot, the screen the slot was last left on; a slot
// tab reopens it.

#include <cstdint>

#include "profile/AppState.h"

namespace ostrel {

inline constexpr int32_t kHomePage = 0;
inline constexpr int32_t kStickPage = 1;
inline constexpr int32_t kButtonsPage = 2;
inline constexpr int32_t kGeneralPage = 3;

// The screen a page stands for; a value outside 0..3 stands for none (0).
constexpr int32_t pageScreen(int32_t page) {
  switch (page) {
    case kHomePage: return kHomeScreen;
    case kStickPage: return kStickScreen;
    case kButtonsPage: return kButtonScreen;
    case kGeneralPage: return kGeneralScreen;
    default: return 0;
  }
}

}  // namespace ostrel
