#include "link/ProfileCodec.h"

#include <cmath>

namespace ostrel {
namespace {

constexpr std::size_t kDataFirst = 5;
constexpr int kValuesPerPacket = 14;
constexpr std::size_t kGroupSize = 16;
constexpr std::size_t kTailOffset = kControlCount * kGroupSize;  // 432
constexpr int kTailFirst = ProfileIndex::padParam163;
constexpr int kTailValues = 3;

Report profileReport(uint8_t letter, int packet, int slot, uint8_t flags) {
  Report report = makeReport(letter);
  report[2] = static_cast<uint8_t>(packet);
  report[3] = static_cast<uint8_t>(slot);
  report[4] = flags;
  return report;
}

}  // namespace

uint8_t profileFlags(int language, bool shortcutsOff) {
  return static_cast<uint8_t>((language & 0x7F) | (shortcutsOff ? 0x80 : 0));
}

int flagsLanguage(uint8_t flags) { return flags & 0x7F; }

bool flagsShortcutsOff(uint8_t flags) { return (flags & 0x80) != 0; }

uint8_t smallIntegerByte(float value) {
  // Converting a float outside the integer range is undefined; such values
  // cannot be codes, so they go out as "nothing".
  if (!std::isfinite(value) || std::fabs(value) >= 9.0e18f) return 0;
  return static_cast<uint8_t>(static_cast<int64_t>(value) & 0xFF);
}

Report encodeNameReport(int slot, uint8_t flags, std::string_view name) {
  Report report = profileReport(Letter::profileName, 0, slot, flags);
  for (std::size_t i = 0; i < name.size() && i < kMaxSentNameBytes; ++i) {
    report[kDataFirst + i] = static_cast<uint8_t>(name[i]);
  }
  return report;
}

ProfilePackets encodeProfilePackets(uint8_t letter, int slot, uint8_t flags,
                                    const ProfileRecord& values) {
  ProfilePackets packets{};
  for (int p = 1; p <= kProfilePackets; ++p) {
    packets[p - 1] = profileReport(letter, p, slot, flags);
  }
  for (int i = 0; i < 2 * kValuesPerPacket; ++i) {
    Report& packet = packets[i / kValuesPerPacket];
    putFloat(&packet[kDataFirst + 4 * (i % kValuesPerPacket)], values[i]);
  }
  const ControlBlock block = encodeControlBlock(values);
  for (std::size_t i = 0; i < kControlBlockSize; ++i) {
    packets[2 + i / kPacketDataSize][kDataFirst + i % kPacketDataSize] = block[i];
  }
  return packets;
}

ControlBlock encodeControlBlock(const ProfileRecord& values) {
  ControlBlock block{};
  for (int g = 0; g < kControlCount; ++g) {
    const int first = controlIndex(g);
    uint8_t* group = &block[g * kGroupSize];
    group[0] = smallIntegerByte(values[first + ControlEntry::code]);
    group[2] = smallIntegerByte(values[first + ControlEntry::option]);
    putFloat(group + 4, values[first + ControlEntry::paramA]);
    putFloat(group + 8, values[first + ControlEntry::paramB]);
    putFloat(group + 12, values[first + ControlEntry::paramC]);
  }
  for (int i = 0; i < kTailValues; ++i) {
    putFloat(&block[kTailOffset + 4 * i], values[kTailFirst + i]);
  }
  return block;
}

void decodeControlBlock(const ControlBlock& block, ProfileRecord& values) {
  for (int g = 0; g < kControlCount; ++g) {
    const int first = controlIndex(g);
    const uint8_t* group = &block[g * kGroupSize];
    values[first + ControlEntry::code] = group[0];
    values[first + ControlEntry::option] = group[2];
    values[first + ControlEntry::paramA] = getFloat(group + 4);
    values[first + ControlEntry::paramB] = getFloat(group + 8);
    values[first + ControlEntry::paramC] = getFloat(group + 12);
  }
  for (int i = 0; i < kTailValues; ++i) {
    values[kTailFirst + i] = getFloat(&block[kTailOffset + 4 * i]);
  }
}

}  // namespace ostrel
