#include "link/CommandReader.h"

#include <algorithm>

#include "library/SafeName.h"

namespace ostrel {

CommandReader::CommandReader(LinkContext& context, PadCommands& commands,
                             ProfileTransfer& transfer)
    : context_(context), commands_(commands), transfer_(transfer) {}

void CommandReader::handleReport(const uint8_t* data, std::size_t length) {
  Report report{};
  std::copy_n(data, std::min(length, report.size()), report.begin());
  apply([report](AppState& app) { app.lastReport = report; });
  // A report cut short is not decoded: its missing bytes would read as zeros
  // and be filed as the pad's values or settings.
  if (length < report.size() || !isCommandReport(report)) return;
  switch (report[1]) {
    case Letter::version:
      apply([version = decodeVersion(report)](AppState& app) { app.padFirmwareVersion = version; });
      break;
    case Letter::pulse:
      apply([pulse = decodePulse(report)](AppState& app) {
        app.pulseLevel = pulse.level;
        app.pulseMode = pulse.mode;
        app.pulseValue = pulse.value;
        app.pulseReceived = 1;
      });
      break;
    case Letter::name:
      onName(report);
      break;
    case Letter::profile:
      onProfile(report);
      break;
    case Letter::stored:
      apply([](AppState& app) { app.storedNotice = 1; });
      break;
    default:
      break;
  }
}

void CommandReader::onName(const Report& report) {
  NameAnswer answer = decodeName(report);
  context_.sleeper.sleepFor(kNamePause);
  // An empty name keeps the slot's name; so does a slot outside 1..4 or a
  // name that could not be a file name, since the profile is filed under it.
  if (answer.slot >= 1 && answer.slot <= kSlotCount && isSafeName(answer.name)) {
    apply([answer](AppState& app) {
      app.slotNames[answer.slot - 1] = answer.name;
      app.savedSlotNames[answer.slot - 1] = answer.name;
    });
  }
  if (answer.slot == kSlotCount) {
    profileRequestCount_ = 1;
    commands_.sendProfileRequest(1);
  }
  if (nameRequestCount_ < kSlotCount) commands_.sendNameRequest(++nameRequestCount_);
}

void CommandReader::onProfile(const Report& report) {
  if (auto profile = assembler_.add(report)) {
    // Posted work outlives this reader (it ends with its connection).
    ProfileTransfer& transfer = transfer_;
    context_.dispatcher.post([&transfer, received = *profile] { transfer.fileReceivedProfile(received); });
  }
  if (report[2] != kProfilePackets) return;
  if (profileRequestCount_ < kSlotCount) {
    commands_.sendProfileRequest(++profileRequestCount_);
    return;
  }
  LinkContext& context = context_;
  context.dispatcher.post([&context] {
    context.app.resourceFolder = languageFolder(context.app.language);
    if (context.observer) context.observer->connectionSequenceDone();
  });
}

void CommandReader::apply(std::function<void(AppState&)> change) {
  LinkContext& context = context_;
  context.dispatcher.post([&context, change = std::move(change)] {
    change(context.app);
    if (context.observer) context.observer->padDataChanged();
  });
}

}  // namespace ostrel
