#include "link/ProfileAssembler.h"

#include <algorithm>

namespace ostrel {
namespace {

constexpr std::size_t kDataFirst = 5;
constexpr int kValuesPerPacket = 14;

}  // namespace

std::optional<ReceivedProfile> ProfileAssembler::add(const Report& packet) {
  const int number = packet[2];
  const int slot = packet[3];
  if (slot < 1 || slot > 4) return std::nullopt;
  if (number == 1) {
    slot_ = slot;
    expected_ = 1;
  } else if (slot != slot_ || number != expected_) {
    reset();
    return std::nullopt;
  }
  store(number, packet);
  if (++expected_ <= kProfilePackets) return std::nullopt;

  ReceivedProfile profile{slot_, packet[4], values_};
  decodeControlBlock(block_, profile.values);
  reset();
  return profile;
}

void ProfileAssembler::reset() {
  slot_ = 0;
  expected_ = 1;
  values_.fill(0.0f);
  block_.fill(0);
}

void ProfileAssembler::store(int packet, const Report& report) {
  if (packet <= 2) {
    const int first = (packet - 1) * kValuesPerPacket;
    for (int i = 0; i < kValuesPerPacket; ++i) {
      values_[first + i] = getFloat(&report[kDataFirst + 4 * i]);
    }
    return;
  }
  std::copy_n(&report[kDataFirst], kPacketDataSize,
              block_.begin() + (packet - 3) * kPacketDataSize);
}

}  // namespace ostrel
