#pragma once
// The pad's side of the report protocol, as the simulated pad runs it: four
// named profiles, a firmware version and LED settings; answers to 'W', ']',
// '[' and 'V'; 'Z'/'U' reports stored per slot, with '_' once all four slots
// arrived whole; '\' settings taken; '^' asks to leave the bus. Not
// thread-safe: its owner serialises the calls.

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <vector>

#include "link/ProfileAssembler.h"

namespace ostrel {

struct SimulatedSlot {
  std::string name = "Default";
  ProfileRecord values = defaultProfile;
  uint8_t flags = 0;  // language and shortcut switch, as in byte 4
};

class SimulatedPadFirmware {
 public:
  struct Outcome {
    std::vector<Report> answers;
    bool detach = false;  // the pad leaves for its boot loader
  };

  Outcome handle(const Report& command);

  float version = 1.0f;
  PulseSettings pulse;
  std::array<SimulatedSlot, 4> slots;
  int activations = 0;  // complete activations stored so far

 private:
  void takeName(const Report& command);
  bool takePacket(const Report& command);

  ProfileAssembler assembler_;
  std::array<std::optional<std::string>, 4> pendingNames_;
  std::bitset<4> storedSlots_;
};

}  // namespace ostrel
