#pragma once
// The answers of one connection, read from the command interface on the
// reader thread: each is decoded here, the follow-up request of the
// connection sequence is sent from here (with its pauses), and every change an
// answer makes to AppState or the library is posted to the owner thread.

#include <atomic>
#include <functional>

#include "link/LinkContext.h"
#include "link/PadCommands.h"
#include "link/ProfileAssembler.h"
#include "link/ProfileTransfer.h"

namespace ostrel {

class CommandReader {
 public:
  static constexpr std::chrono::milliseconds kNamePause{100};

  // Set up as the connection sequence starts: the name of slot 1 is the
  // first request, no profile has been requested yet.
  CommandReader(LinkContext& context, PadCommands& commands, ProfileTransfer& transfer);

  // One input report of the command interface (reader thread). A report
  // shorter than kReportSize only becomes lastReport.
  void handleReport(const uint8_t* data, std::size_t length);

  int nameRequestCount() const { return nameRequestCount_; }
  int profileRequestCount() const { return profileRequestCount_; }

 private:
  void onName(const Report& report);
  void onProfile(const Report& report);
  // Posts a change of AppState and tells the observer about it.
  void apply(std::function<void(AppState&)> change);

  LinkContext& context_;
  PadCommands& commands_;
  ProfileTransfer& transfer_;
  ProfileAssembler assembler_;
  std::atomic<int> nameRequestCount_{1};
  std::atomic<int> profileRequestCount_{0};
};

}  // namespace ostrel
