#pragma once
// Moving profiles between the pad and the library: filing a profile the pad
// sent, and writing the four slots into the pad.

#include <functional>
#include <string>

#include "link/LinkContext.h"
#include "link/PadCommands.h"
#include "link/ProfileAssembler.h"

namespace ostrel {

class ProfileTransfer {
 public:
  static constexpr std::chrono::milliseconds kSlotPause{100};
  static constexpr std::chrono::milliseconds kPacketPause{30};
  static constexpr int kReportsPerSlot = 1 + kProfilePackets;

  ProfileTransfer(LinkContext& context, PadCommands& commands)
      : context_(context), commands_(commands) {}

  // Writes slots 1 to 4 to the pad (owner thread, about 1.6 s). nameLabel is
  // the name the home screen shows for currentSlot; storeEdits, when given,
  // saves the home screen's edited fields before the slots are loaded.
  // Returns true when all 44 reports went out. With currentSlot 0 nothing is
  // sent and the result is false.
  bool activateProfiles(const std::string& nameLabel, const std::function<void()>& storeEdits = {});
  // Sends one slot (1..4) as its name report and ten packets; stops at the
  // first report that does not go out and returns false.
  bool writeSlot(int slot, const std::string& nameLabel);

  // Files a profile received from the pad (owner thread): the slot's
  // padValues, its file under the slot's saved name, its shortcut switch, and
  // the language the pad uses.
  void fileReceivedProfile(const ReceivedProfile& profile);

 private:
  ProfileRecord savedProfile(int index) const;

  LinkContext& context_;
  PadCommands& commands_;
};

}  // namespace ostrel
