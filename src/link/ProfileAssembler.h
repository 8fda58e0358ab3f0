#pragma once
// Collects the ten 'V' packets of one slot's profile. A profile comes out only
// when packets 1 to 10 of one slot arrived in order; a gap, a repeat or a
// packet of another slot discards what was collected, so a lost packet can
// never shift values into the wrong places. Packets whose slot byte is
// outside 1..4 are ignored.

#include <optional>

#include "link/ProfileCodec.h"

namespace ostrel {

struct ReceivedProfile {
  int slot = 0;        // 1..4
  uint8_t flags = 0;   // byte 4 of the tenth packet
  ProfileRecord values{};
};

class ProfileAssembler {
 public:
  // Takes one packet; returns the profile when this was its tenth.
  std::optional<ReceivedProfile> add(const Report& packet);
  void reset();

 private:
  void store(int packet, const Report& report);

  int slot_ = 0;
  int expected_ = 1;  // next packet number; 1 when nothing is being collected
  ProfileRecord values_{};
  ControlBlock block_{};
};

}  // namespace ostrel
