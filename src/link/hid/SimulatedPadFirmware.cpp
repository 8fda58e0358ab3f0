#include "link/hid/SimulatedPadFirmware.h"

#include <algorithm>

namespace ostrel {
namespace {

constexpr std::size_t kNameFirst = 5;

bool validSlot(int slot) { return slot >= 1 && slot <= 4; }

}  // namespace

SimulatedPadFirmware::Outcome SimulatedPadFirmware::handle(const Report& command) {
  Outcome outcome;
  if (!isCommandReport(command)) return outcome;
  const int slot = command[2];
  switch (command[1]) {
    case Letter::version:
      outcome.answers.push_back(makeVersionAnswer(version));
      break;
    case Letter::pulse:
      outcome.answers.push_back(makePulseAnswer(pulse));
      break;
    case Letter::name:
      if (validSlot(slot)) outcome.answers.push_back(makeNameAnswer(slot, slots[slot - 1].name));
      break;
    case Letter::profile:
      if (validSlot(slot)) {
        const SimulatedSlot& stored = slots[slot - 1];
        const ProfilePackets packets = encodeProfilePackets(Letter::profile, slot, stored.flags, stored.values);
        outcome.answers.assign(packets.begin(), packets.end());
      }
      break;
    case Letter::profileName:
      takeName(command);
      break;
    case Letter::profileData:
      if (takePacket(command)) outcome.answers.push_back(makeReport(Letter::stored));
      break;
    case Letter::pulseSettings:
      pulse = decodePulse(command);
      break;
    case Letter::detach:
      outcome.detach = true;
      break;
    default:
      break;
  }
  return outcome;
}

void SimulatedPadFirmware::takeName(const Report& command) {
  const int slot = command[3];
  if (!validSlot(slot)) return;
  const auto first = command.begin() + kNameFirst;
  pendingNames_[slot - 1] = std::string(first, std::find(first, command.end(), 0));
  assembler_.reset();
  if (slot == 1) storedSlots_.reset();  // an activation always starts with slot 1
}

bool SimulatedPadFirmware::takePacket(const Report& command) {
  const auto profile = assembler_.add(command);
  if (!profile || !pendingNames_[profile->slot - 1]) return false;
  const int index = profile->slot - 1;
  slots[index] = {*pendingNames_[index], profile->values, profile->flags};
  pendingNames_[index].reset();
  storedSlots_.set(index);
  if (!storedSlots_.all()) return false;
  storedSlots_.reset();
  ++activations;
  return true;
}

}  // namespace ostrel
