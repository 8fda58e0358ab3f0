#pragma once
// The firmware update's process-wide facts, shared by the two update windows
// (the update screen and the hidden start-up window). The application makes
// one and hands it to both engines.

#include <cstdint>

namespace ostrel {

struct DfuSharedFlags {
  uint8_t readProtected = 0;  // the pad's flash reads back as protected
};

}  // namespace ostrel
