#pragma once
// The controller link: finds the pad among the HID interfaces, opens its key
// and command interfaces, follows arrivals and removals, keeps LinkState, and
// runs the connection sequence each time the pad is (re)connected.
//
// Threads: every member runs on the owner thread (the user-interface
// thread). Device events of the backend are posted to it through the
// dispatcher; the two reader threads post every change they make. The
// dispatcher's pending work refers to this link, its AppState and library:
// run it only while they live.

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "link/CommandReader.h"
#include "link/GraceTimer.h"
#include "link/PadIdentity.h"
#include "link/PadCommands.h"
#include "link/ProfileTransfer.h"
#include "link/ReaderThread.h"
#include "link/ReportWriter.h"
#include "link/hid/HidBackend.h"

namespace ostrel {

class ControllerLink {
 public:
  static constexpr std::chrono::milliseconds kGraceTime{3000};

  ControllerLink(AppState& app, ProfileLibrary& library, HidBackend& hid, Dispatcher& dispatcher,
                 GraceTimer& graceTimer, Sleeper& sleeper);
  ~ControllerLink();
  ControllerLink(const ControllerLink&) = delete;
  ControllerLink& operator=(const ControllerLink&) = delete;

  void setObserver(LinkObserver* observer) { context_.observer = observer; }

  // Starts following device events, then looks for the pad.
  void startLink();
  // Enumerates and, when all four pad interfaces are present and not already
  // open, opens the key and command interfaces and starts the sequence.
  void openPad();
  // One arrival or removal (the backend's events arrive here).
  void onDeviceChange(const HidEvent& event);
  // Closes both interfaces and ends their readers.
  void closePad();

  PadCommands& commands() { return commands_; }
  ProfileTransfer& transfer() { return transfer_; }
  bool padFound() const { return padFound_; }
  int interfaceCount() const { return interfaceCount_; }

 private:
  using PadInterfaces = std::array<std::optional<HidInterfaceInfo>, kPadInterfaceCount>;

  PadInterfaces findPad(const std::vector<HidInterfaceInfo>& present, bool& xbox360Found);
  bool isOpen() const;  // the pad's interfaces were opened and not closed since
  bool alreadyOpen(const PadInterfaces& pad) const;
  void connect(const PadInterfaces& pad);
  void startReaders();
  void onRemoval();
  void lose();  // the pad has left: closes it, then LinkState and the grace time
  void startGraceTime();
  void setLinkState(int32_t state);

  LinkContext context_;
  HidBackend& hid_;
  GraceTimer& graceTimer_;
  ReportWriter writer_;
  PadCommands commands_;
  ProfileTransfer transfer_;
  std::atomic<bool> padFound_{false};
  std::atomic<int> interfaceCount_{0};
  std::array<std::string, kPadInterfaceCount> openPaths_;
  std::shared_ptr<HidDevice> keyDevice_;
  std::shared_ptr<HidDevice> commandDevice_;
  std::unique_ptr<CommandReader> commandReader_;
  std::unique_ptr<ReaderThread> keyThread_;
  std::unique_ptr<ReaderThread> commandThread_;
};

}  // namespace ostrel
