#pragma once
// The wire layout of one profile: the name report 'Z' and the ten packets
// ('U' sent, 'V' received) that carry the 166 values. Bytes in, values out.

#include <array>
#include <cstdint>
#include <string_view>

#include "link/ReportCodec.h"
#include "profile/ProfileRecord.h"

namespace ostrel {

inline constexpr int kProfilePackets = 10;
inline constexpr std::size_t kControlBlockSize = 448;
inline constexpr std::size_t kPacketDataSize = 56;
inline constexpr std::size_t kMaxSentNameBytes = 59;

using ControlBlock = std::array<uint8_t, kControlBlockSize>;
using ProfilePackets = std::array<Report, kProfilePackets>;

// Byte 4 of every profile report: the language in bits 0..6, bit 7 set when
// the slot's shortcut paddles are switched off.
uint8_t profileFlags(int language, bool shortcutsOff);
int flagsLanguage(uint8_t flags);
bool flagsShortcutsOff(uint8_t flags);

// A code or option as its one wire byte: truncated toward zero, low 8 bits.
// Values that are not finite or lie beyond any integer travel as 0.
uint8_t smallIntegerByte(float value);

// 'Z', packet 0: the name's bytes from byte 5, cut to 59.
Report encodeNameReport(int slot, uint8_t flags, std::string_view name);
// Packets 1..10 with the given letter ('U' to send, 'V' as the pad answers).
ProfilePackets encodeProfilePackets(uint8_t letter, int slot, uint8_t flags,
                                    const ProfileRecord& values);

// Values 28..165 as the 448-byte control block and back.
ControlBlock encodeControlBlock(const ProfileRecord& values);
void decodeControlBlock(const ControlBlock& block, ProfileRecord& values);

}  // namespace ostrel
