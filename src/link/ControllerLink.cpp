#include "link/ControllerLink.h"

#include <algorithm>

namespace ostrel {
namespace {

constexpr std::size_t kKeyReadSize = 512;
constexpr std::size_t kKeyReportBytes = 9;

bool isXbox360(const HidInterfaceInfo& device) {
  return device.vendorId == kXboxVendor && device.productId == kXboxProduct;
}

bool isPadInterface(const HidInterfaceInfo& device) {
  return device.vendorId == kPadVendor && device.productId == kPadProduct &&
         device.kind == HidNodeKind::HidInterface;
}

}  // namespace

ControllerLink::ControllerLink(AppState& app, ProfileLibrary& library, HidBackend& hid,
                               Dispatcher& dispatcher, GraceTimer& graceTimer, Sleeper& sleeper)
    : context_{app, library, dispatcher, sleeper},
      hid_(hid),
      graceTimer_(graceTimer),
      commands_(writer_, sleeper),
      transfer_(context_, commands_) {}

ControllerLink::~ControllerLink() {
  hid_.stopEvents();
  closePad();
  graceTimer_.stop();
}

void ControllerLink::startLink() {
  graceTimer_.stop();
  Dispatcher& dispatcher = context_.dispatcher;
  hid_.startEvents([this, &dispatcher](const HidEvent& event) {
    dispatcher.post([this, event] { onDeviceChange(event); });
  });
  openPad();
}

void ControllerLink::openPad() {
  const bool wasOpen = isOpen();
  bool xbox360Found = false;
  const PadInterfaces pad = findPad(hid_.enumerate(), xbox360Found);
  if (interfaceCount_ < kPadInterfaceCount) {
    const bool padAbsent = !padFound_;
    // Gone while open: an arrival handled after a quick unplug comes before
    // the unplug's removals, which then find the pad closed. This is its
    // removal.
    if (wasOpen) {
      lose();
    } else {
      closePad();
    }
    // Xbox 360 mode is the pad itself absent and the other identity present;
    // while the pad's four interfaces are found, the pad wins.
    if (xbox360Found && padAbsent) context_.app.LinkState = kPadXbox360;
    return;
  }
  // The platform announces each of the four interfaces; once they are open,
  // the later announcements of the same plug-in change nothing.
  if (alreadyOpen(pad)) return;
  closePad();
  connect(pad);
}

ControllerLink::PadInterfaces ControllerLink::findPad(const std::vector<HidInterfaceInfo>& present,
                                                      bool& xbox360Found) {
  PadInterfaces pad;
  padFound_ = false;
  for (const HidInterfaceInfo& device : present) {
    if (isXbox360(device)) xbox360Found = true;
    if (!isPadInterface(device)) continue;
    padFound_ = true;
    const int number = device.interfaceNumber;
    if (number >= 0 && number < kPadInterfaceCount) {
      if (!pad[number]) pad[number] = device;
      continue;
    }
    // Without interface numbers the roles follow the enumeration order.
    auto free = std::find(pad.begin(), pad.end(), std::nullopt);
    if (free != pad.end()) *free = device;
  }
  interfaceCount_ = static_cast<int>(std::count_if(pad.begin(), pad.end(), [](const auto& i) { return i.has_value(); }));
  return pad;
}

bool ControllerLink::isOpen() const { return !openPaths_[kCommandInterface].empty(); }

bool ControllerLink::alreadyOpen(const PadInterfaces& pad) const {
  if (!keyDevice_ || !commandDevice_) return false;
  for (int i = 0; i < kPadInterfaceCount; ++i) {
    if (openPaths_[i] != pad[i]->path) return false;
  }
  return true;
}

void ControllerLink::connect(const PadInterfaces& pad) {
  keyDevice_ = hid_.open(pad[kKeyInterface]->path);
  commandDevice_ = hid_.open(pad[kCommandInterface]->path);
  for (int i = 0; i < kPadInterfaceCount; ++i) openPaths_[i] = pad[i]->path;
  writer_.attach(commandDevice_);
  if (context_.app.LinkState != kPadConnected) {
    graceTimer_.stop();
    setLinkState(kPadConnected);
  }
  startReaders();
  commands_.sendVersionQuery();
  commands_.sendPulseQuery();
  commands_.sendNameRequest(1);
}

void ControllerLink::startReaders() {
  commandReader_ = std::make_unique<CommandReader>(context_, commands_, transfer_);
  if (commandDevice_) {
    CommandReader* reader = commandReader_.get();
    commandThread_ = std::make_unique<ReaderThread>(
        commandDevice_, kReportSize,
        [reader](const uint8_t* data, std::size_t length) { reader->handleReport(data, length); });
  }
  if (keyDevice_) {
    LinkContext& context = context_;
    keyThread_ = std::make_unique<ReaderThread>(
        keyDevice_, kKeyReadSize, [&context](const uint8_t* data, std::size_t length) {
          std::array<uint8_t, kKeyReportBytes> keys{};
          std::copy_n(data, std::min(length, keys.size()), keys.begin());
          context.dispatcher.post([&context, keys] {
            std::copy(keys.begin(), keys.end(), context.app.lastReport.begin());
          });
        });
  }
}

void ControllerLink::closePad() {
  keyThread_.reset();
  commandThread_.reset();
  writer_.detach();
  if (keyDevice_) keyDevice_->close();
  if (commandDevice_) commandDevice_->close();
  commandReader_.reset();
  keyDevice_.reset();
  commandDevice_.reset();
  openPaths_ = {};
}

void ControllerLink::onDeviceChange(const HidEvent& event) {
  const bool arrival = event.type == HidEventType::Arrival;
  if (isXbox360(event.device)) {
    // While the pad is open it wins: another device of that identity beside
    // it neither replaces it nor takes it away.
    if (isOpen()) return;
    if (arrival) {
      graceTimer_.stop();
      setLinkState(kPadXbox360);
    } else {
      context_.app.LinkState = kNoPad;
      startGraceTime();
    }
    return;
  }
  if (!isPadInterface(event.device)) return;
  if (arrival) {
    openPad();
  } else {
    onRemoval();
  }
}

void ControllerLink::onRemoval() {
  // The first removal of the pad's interfaces closes the link; the others
  // find it closed.
  if (!padFound_) return;
  lose();
}

void ControllerLink::lose() {
  closePad();
  padFound_ = false;
  interfaceCount_ = 0;
  if (context_.app.expectDetach) {
    context_.app.expectDetach = 0;  // leaving for the boot loader, not gone
    return;
  }
  // Its boot loader may be found before its removal is: the firmware update
  // then holds the view until the pad returns.
  if (context_.app.LinkState == kPadDfu) return;
  context_.app.LinkState = kNoPad;
  startGraceTime();
}

void ControllerLink::startGraceTime() {
  graceTimer_.stop();
  graceTimer_.start(kGraceTime, [this] {
    graceTimer_.stop();
    if (context_.observer) context_.observer->graceTimeEnded();
  });
}

void ControllerLink::setLinkState(int32_t state) {
  context_.app.LinkState = state;
  if (context_.observer) context_.observer->linkStateChanged(state);
}

}  // namespace ostrel
