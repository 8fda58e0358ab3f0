#include "link/ProfileTransfer.h"

#include <algorithm>

namespace ostrel {

bool ProfileTransfer::activateProfiles(const std::string& nameLabel,
                                       const std::function<void()>& storeEdits) {
  AppState& app = context_.app;
  if (app.currentSlot == 0) return false;
  if (storeEdits) storeEdits();
  for (int index = 0; index < kSlotCount; ++index) {
    context_.library.loadProfileIntoSlot(index, app.slotNames[index]);
  }
  app.storedNotice = 0;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (!writeSlot(slot, nameLabel)) return false;
  }
  return true;
}

bool ProfileTransfer::writeSlot(int slot, const std::string& nameLabel) {
  AppState& app = context_.app;
  const int index = slot - 1;
  context_.sleeper.sleepFor(kSlotPause);
  if (slot == app.currentSlot) app.slotNames[index] = nameLabel;
  const std::string name = app.slotNames[index];
  const uint8_t flags = profileFlags(app.language, app.savedSlotOff[index] != 0);
  app.savedSlotNames[index] = name;

  bool sent = commands_.sendReport(encodeNameReport(slot, flags, name));
  const ProfilePackets packets =
      encodeProfilePackets(Letter::profileData, slot, flags, savedProfile(index));
  for (auto packet = packets.begin(); sent && packet != packets.end(); ++packet) {
    context_.sleeper.sleepFor(kPacketPause);
    sent = commands_.sendReport(*packet);
  }
  context_.library.assignSlot(index, name);
  return sent;
}

void ProfileTransfer::fileReceivedProfile(const ReceivedProfile& profile) {
  AppState& app = context_.app;
  ProfileLibrary& library = context_.library;
  const int index = profile.slot - 1;
  {
    std::lock_guard lock(library.mutex());
    std::copy(profile.values.begin(), profile.values.end(), library.padValues[index].begin());
  }
  const std::string name = app.savedSlotNames[index];
  library.assignSlot(index, name);
  library.storePadProfile(index, name);
  const uint8_t off = flagsShortcutsOff(profile.flags) ? 1 : 0;
  app.savedSlotOff[index] = off;
  app.slotOff[index] = off;
  app.language = flagsLanguage(profile.flags);
  if (context_.observer) context_.observer->languageReceived(app.language);
}

ProfileRecord ProfileTransfer::savedProfile(int index) const {
  ProfileRecord values{};
  std::lock_guard lock(context_.library.mutex());
  const auto& saved = context_.library.savedValues[index];
  std::copy_n(saved.begin(), values.size(), values.begin());
  return values;
}

}  // namespace ostrel
