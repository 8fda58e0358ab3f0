#include "dfu/DfuEngine.h"

#include "dfu/BootLoaderIdentity.h"
#include "dfu/DfuCodes.h"
#include "dfu/DfuOptionBytes.h"
#include "dfu/DfuText.h"
#include "link/PadIdentity.h"

#include <algorithm>
#include <cstdio>

namespace ostrel {
namespace {

constexpr DfuRgb kWhite{255, 255, 250};
constexpr DfuRgb kRed{255, 0, 0};
constexpr DfuRgb kTeal{0, 128, 128};
constexpr DfuRgb kGreen{0, 128, 0};
constexpr DfuRgb kBlue{0, 0, 255};

constexpr uint16_t kDfuSeVersionMin = 0x011A;
constexpr uint16_t kDfuSeVersionEnd = 0x0120;
constexpr uint32_t kDfuModeProtocol = 2;
constexpr int32_t kUpdateScreenId = 11;
constexpr int32_t kFailedState = 12;
constexpr const char* kUnnamedDevice = "(Unnamed DFU device)";
constexpr const char* kOptionBytesName = "Option Bytes  ";
constexpr size_t kMaxDescriptionBytes = 253;
constexpr uint16_t kAnyId = 0xFFFF;  // a DFU suffix naming no vendor or product

DfuProgressColours coloured(DfuRgb colour) { return {colour, kWhite, kWhite, colour}; }

uint16_t word(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

std::string joinPath(const std::string& root, const char* relative) {
  if (root.empty() || root.back() == '/' || root.back() == '\\') return root + relative;
  return root + "/" + relative;
}

}  // namespace

DfuEngine::DfuEngine(AppState& app, std::string dataRoot, UsbTransport& transport, DfuClock& clock,
                     DfuEngineView& view, DfuSharedFlags& shared)
    : app_(app),
      dataRoot_(std::move(dataRoot)),
      transport_(transport),
      clock_(clock),
      view_(view),
      shared_(shared),
      dfu_(transport),
      prt_(transport, dfu_, files_, clock) {}

DfuEngine::~DfuEngine() {
  if (operationHandle) prt_.stopOperation(operationHandle);
}

// ---- messages -------------------------------------------------------------

void DfuEngine::message(const std::string& text, bool error) {
  if (error) view_.setProgressColours(coloured(kRed));
  if (selectedTarget_ >= 0 && selectedTarget_ < static_cast<int>(targetRows_.size())) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "Target %02i: ", targetRows_[selectedTarget_].number);
    view_.setProgressText(prefix + text);
  } else {
    view_.setProgressText(text);
  }
}

void DfuEngine::progressText(const std::string& text) { view_.setProgressText(text); }

// ---- devices --------------------------------------------------------------

void DfuEngine::enumerateDfuDevices() {
  rememberedRows_.clear();
  for (size_t i = 0; i < targetRows_.size(); ++i)
    if (targetRows_[i].selected) rememberedRows_.push_back(static_cast<int>(i));
  const std::string previous = selectedDevice_ >= 0 ? currentPath_ : std::string();
  appFields_ = {};
  dfuFields_ = {};
  deviceList_.clear();
  pathList_.clear();
  targetRows_.clear();
  std::vector<UsbDeviceEntry> entries = transport_.findDfuDevices();
  std::stable_partition(entries.begin(), entries.end(), [](const UsbDeviceEntry& e) { return e.dfuMode; });
  for (const UsbDeviceEntry& e : entries) {
    pathList_.push_back(upperCase(e.path));
    deviceList_.push_back(e.description.empty() ? kUnnamedDevice : e.description.substr(0, kMaxDescriptionBytes));
  }
  selectedDevice_ = pathList_.empty() ? -1 : 0;
  for (size_t i = 0; !previous.empty() && i < pathList_.size(); ++i)
    if (startsWithIgnoreCase(pathList_[i], previous)) {
      selectedDevice_ = static_cast<int>(i);
      break;
    }
  clock_.sleepMillis(kEnumeratePauseMs);
  selectDevice();
}

void DfuEngine::selectDevice() {
  optionBytesTarget_ = false;
  prt_.destroyMapping(map_);
  if (!targetRows_.empty()) {
    rememberedRows_.clear();
    for (size_t i = 0; i < targetRows_.size(); ++i)
      if (targetRows_[i].selected) rememberedRows_.push_back(static_cast<int>(i));
  }
  targetRows_.clear();
  deviceDescriptor_ = {};
  dfuDescriptor_ = {};
  if (selectedDevice_ < 0 || selectedDevice_ >= static_cast<int>(pathList_.size())) return;
  currentPath_ = pathList_[selectedDevice_];
  DfuHandle device = 0;
  if (dfu_.open(currentPath_, device) != kDfuSuccess) return;
  bool ended = false;
  if (readDescriptors(device)) readyHook(ended);
  if (!ended) {
    if (optionBytesTarget_) {
      const DfuOptionBytes ob = DfuOptionBytes::read(dfu_, device, clock_);
      if (ob.readProtected) shared_.readProtected = 1;
      if (auto* targets = prt_.getMapping(map_)) ob.applyTo(*targets);
    }
    fillTargetRows();
  }
  dfu_.close(device);
}

// Steps 3 to 6 of selecting a device; false when selection stops there.
bool DfuEngine::readDescriptors(DfuHandle device) {
  if (dfu_.getDeviceDescriptor(device, deviceDescriptor_) != kDfuSuccess) {
    message("Unable to get descriptors... Bad Firmware", true);
    return false;
  }
  uint32_t interfaceNumber = 0, protocol = 0;
  if (dfu_.getDfuDescriptor(device, interfaceNumber, protocol, dfuDescriptor_) != kDfuSuccess) {
    message("Unable to get DFU descriptor... Bad Firmware", true);
    return false;
  }
  const uint16_t bcdDfu = word(&dfuDescriptor_[7]);
  if (bcdDfu < kDfuSeVersionMin || bcdDfu >= kDfuSeVersionEnd) {
    deviceReady = 0;  // not a DfuSe device
    return false;
  }
  const std::array<std::string, 3> ids = {hex4(word(&deviceDescriptor_[8])), hex4(word(&deviceDescriptor_[10])),
                                          hex4(word(&deviceDescriptor_[12]))};
  // Windows tells a device in DFU mode by the DFU interface class in its path;
  // the portable equivalent is the DFU interface's protocol: 2 in DFU mode,
  // 1 (runtime) in application mode.
  if (protocol != kDfuModeProtocol) {
    appFields_ = ids;
    return false;
  }
  dfuFields_ = ids;
  uint32_t count = 0;
  if (prt_.createMappingFromDevice(currentPath_, map_, count) != kDfuSuccess) {
    message("Unable to find or decode device mapping... Bad Firmware", true);
    return false;
  }
  const auto& targets = *prt_.getMapping(map_);
  for (size_t i = 0; i < targets.size() && i < 2; ++i)
    if (targets[i].name == kOptionBytesName) optionBytesTarget_ = true;
  return true;
}

void DfuEngine::readyHook(bool& ended) {
  if (deviceReady) return;
  deviceReady = 1;
  if (app_.ScreenId == kUpdateScreenId && view_.updateState() != kFailedState) return;
  app_.LinkState = kPadDfu;
  recoveryMode = 1;
  if (app_.ScreenId == 0) {
    app_.ScreenId = 100;
    view_.openRecoveryScreen();
    app_.currentSlot = 1;
    app_.returnPending = 1;
    app_.ScreenId = 100;
    ended = true;
    return;
  }
  view_.startRecovery();
}

void DfuEngine::fillTargetRows() {
  targetRows_.clear();
  if (const auto* targets = prt_.getMapping(map_))
    for (const MemoryTarget& t : *targets) targetRows_.push_back({t.alternate, t.name, false});
  bool any = false;
  for (int row : rememberedRows_)
    if (row < static_cast<int>(targetRows_.size())) targetRows_[row].selected = any = true;
  if (!any && !targetRows_.empty()) targetRows_[0].selected = true;
}

// ---- firmware file --------------------------------------------------------

bool DfuEngine::loadFirmwareFile() {
  firmwarePath_ = joinPath(dataRoot_, app_.LinkState == kPadDfu ? "Version/factory.dfu" : "Version/Ostrel.dfu");
  fileImages_.clear();
  fileAlternates_.clear();
  DfuHandle file = 0;
  uint16_t version = 0;
  uint8_t count = 0;
  if (files_.openExistingFile(firmwarePath_, file, &fileVendor_, &fileProduct_, &version, count) != kDfuSuccess) {
    message("This file doesn't have a correct format...", true);
    return false;
  }
  fileFields_ = {hex4(fileVendor_), hex4(fileProduct_), hex4(version)};
  bool failed = false;
  for (uint32_t i = 0; i < count && !failed; ++i) {
    DfuHandle image = 0;
    uint8_t alternate = 0;
    std::string name;
    if (files_.readImage(file, i, image) != kDfuSuccess) {
      message("Bad file format...", true);
      failed = true;
    } else if (files_.getImageAlternate(image, alternate) != kDfuSuccess) {
      message("Unable to get data from image...", true);
      failed = true;
    } else {
      files_.getImageName(image, name);
      char row[300];
      std::snprintf(row, sizeof row, "%02i\t%s", alternate, name.c_str());
      fileImages_.push_back(row);
      fileAlternates_.push_back(alternate);
    }
    files_.destroyImage(image);
  }
  files_.closeFile(file);
  if (failed) return false;
  view_.setProgressColours({kTeal, kTeal, kWhite, kWhite});
  message("File correctly loaded.", false);
  return true;
}

bool DfuEngine::firmwareFileFitsPad() {
  if (!loadFirmwareFile()) return false;
  const auto names = [this](uint16_t vendor, uint16_t product) {
    return (fileVendor_ == kAnyId || fileVendor_ == vendor) && (fileProduct_ == kAnyId || fileProduct_ == product);
  };
  const bool forThePad = names(kBootLoaderVendor, kBootLoaderProduct) || names(kPadVendor, kPadProduct);
  return forThePad && std::find(fileAlternates_.begin(), fileAlternates_.end(), 0) != fileAlternates_.end();
}


// ---- upgrade --------------------------------------------------------------

void DfuEngine::startUpgrade() {
  if (shared_.readProtected) {
    if (!view_.askYesNo("Your device is read protected.\nWould you remove the read protection?")) return;
    removeReadProtection();
  }
  selectedTarget_ = firstSelectedRow();
  if (selectedTarget_ < 0) {
    message("Please select one or several targets before !", true);
    return;
  }
  if (!appFields_[0].empty() && (appFields_[0] != fileFields_[0] || appFields_[1] != fileFields_[1]) &&
      !view_.askYesNo("This file is not supposed to be used with that device.\n\nContinue however ?"))
    return;
  launchUpgrade();
}

void DfuEngine::removeReadProtection() {
  DfuHandle device = 0;
  if (dfu_.open(currentPath_, device) == kDfuSuccess) {
    dfu_.selectCurrentConfiguration(device, 0, 0, 1);
    DfuOptionBytes::bringToIdle(dfu_, device, clock_);
    const uint8_t readUnprotect = 0x92;
    dfu_.download(device, &readUnprotect, 1, 0);
    std::array<uint8_t, 6> status{};
    dfu_.getStatus(device, status);
    dfu_.close(device);
  }
  shared_.readProtected = 0;
  // The map's sector flags were worked out while the flash was protected
  // (nothing writeable); read them again so the upgrade sees the real ones.
  refreshSectorFlags();
}

void DfuEngine::refreshSectorFlags() {
  auto* targets = prt_.getMapping(map_);
  DfuHandle device = 0;
  if (!targets || !optionBytesTarget_ || dfu_.open(currentPath_, device) != kDfuSuccess) return;
  const DfuOptionBytes ob = DfuOptionBytes::read(dfu_, device, clock_);
  if (!ob.readProtected) ob.applyTo(*targets);
  dfu_.close(device);
}

int DfuEngine::firstSelectedRow(int from) const {
  for (int i = std::max(from, 0); i < static_cast<int>(targetRows_.size()); ++i)
    if (targetRows_[i].selected) return i;
  return -1;
}

// Opens the firmware file again and keeps the first image for the selected
// target; false (after its message) when there is none.
bool DfuEngine::findImage(DfuHandle& found) {
  found = 0;
  DfuHandle file = 0;
  uint8_t count = 0;
  const uint32_t code = files_.openExistingFile(firmwarePath_, file, nullptr, nullptr, nullptr, count);
  if (code != kDfuSuccess) {
    message("Unable to find data for that device/target from the file ...", true);
    reportOperationError(code);
    return false;
  }
  const uint8_t wanted = targetRows_[selectedTarget_].number;
  for (uint32_t i = 0; i < count; ++i) {
    DfuHandle image = 0;
    uint8_t alternate = 0;
    if (files_.readImage(file, i, image) != kDfuSuccess) continue;
    if (!found && files_.getImageAlternate(image, alternate) == kDfuSuccess && alternate == wanted)
      found = image;
    else
      files_.destroyImage(image);
  }
  files_.closeFile(file);
  if (!found) message("Unable to find data for that device/target from the file ...", true);
  return found != 0;
}

void DfuEngine::launchUpgrade() {
  DfuHandle found = 0;
  if (!findImage(found)) return;
  if (upgradeImage_) files_.destroyImage(upgradeImage_);
  files_.duplicateImage(found, upgradeImage_);
  const auto* targets = prt_.getMapping(map_);
  const MemoryTarget* target =
      targets && selectedTarget_ < static_cast<int>(targets->size()) ? &(*targets)[selectedTarget_] : nullptr;
  // The file's elements are checked against the target's sectors before
  // anything is erased: an image that does not fit is a bad file.
  if (!target || files_.filterImageForOperation(upgradeImage_, *target, kOperationUpgrade, 0) != kDfuSuccess ||
      files_.filterImageForOperation(found, *target, kOperationErase, 0) != kDfuSuccess) {
    files_.destroyImage(found);
    files_.destroyImage(upgradeImage_);
    message("This file doesn't have a correct format...", true);
    reportOperationError(kDfuBadFile);
    return;
  }
  record_ = {kDfuDeviceClass, kDfuSecondDeviceClass, kOperationErase, 0, found, currentPath_};
  eraseImage_ = found;
  DfuHandle handle = 0;
  if (const uint32_t code = prt_.launchOperation(record_, handle); code != kDfuSuccess) {
    destroyImages();
    reportOperationError(code);
    return;
  }
  operationHandle = handle;
  view_.setProgressPosition(0);
  progressText("");
  view_.setProgressColours(coloured(kGreen));
}

// ---- operations -----------------------------------------------------------

void DfuEngine::pollOperation() {
  if (!operationHandle) return;
  DfuOperationStatus status;
  uint32_t code = prt_.getOperationStatus(operationHandle, status);
  if (code == kDfuSuccess) code = status.result;
  if (code != kDfuSuccess) {
    failOperation(code);
    return;
  }
  char text[48];
  std::snprintf(text, sizeof text, record_.operation == kOperationLeave ? "Leaving DFU mode %i%%..." : "(%i%%)...",
                static_cast<int>(status.percent));
  progressText(text);
  view_.setProgressPosition(static_cast<int>(status.percent));
  if (status.percent >= 100) finishOperation();
}

void DfuEngine::finishOperation() {
  if (record_.operation == kOperationErase) {  // the erase pass is done: program with the same record
    prt_.stopOperation(operationHandle);
    operationHandle = 0;
    files_.destroyImage(eraseImage_);
    record_.operation = kOperationUpgrade;
    record_.image = upgradeImage_;
    DfuHandle handle = 0;
    if (const uint32_t code = prt_.launchOperation(record_, handle); code != kDfuSuccess)
      reportOperationError(code);
    operationHandle = handle;
    return;
  }
  DfuOperationRecord reported;
  prt_.stopOperation(operationHandle, &reported);
  view_.setProgressPosition(100);
  operationHandle = 0;
  const uint32_t operation = record_.operation;
  DfuHandle image = record_.image;
  if (operation == kOperationLeave) {
    currentPath_ = upperCase(reported.path);
    if (selectedDevice_ >= 0 && selectedDevice_ <= static_cast<int>(pathList_.size()))
      pathList_.insert(pathList_.begin() + selectedDevice_, currentPath_);
    message("Successfully left DFU mode !", false);
  } else if (operation == kOperationUpgrade) {
    upgradeFinished = 1;
    upgradeImage_ = 0;
    const int next = selectedTarget_ >= 0 ? firstSelectedRow(selectedTarget_ + 1) : -1;
    if (next >= 0) {
      selectedTarget_ = next;
      launchUpgrade();
    }
  }
  files_.destroyImage(image);
  if (operation == kOperationLeave) enumerateDfuDevices();
}

void DfuEngine::failOperation(uint32_t code) {
  prt_.stopOperation(operationHandle);
  operationHandle = 0;
  destroyImages();
  if (code == kDfuUnsupported)
    view_.showMessage("This feature is not supported by this firmware.");
  else
    reportOperationError(code);
  selectedTarget_ = -1;
  enumerateDfuDevices();
}

void DfuEngine::destroyImages() {
  for (DfuHandle* image : {&eraseImage_, &upgradeImage_, &record_.image})
    if (*image) files_.destroyImage(*image);
}

void DfuEngine::stopOperation() {
  if (!operationHandle) return;
  prt_.stopOperation(operationHandle);
  operationHandle = 0;
  destroyImages();
}

void DfuEngine::leaveDfuMode() {
  const int row = firstSelectedRow();
  const auto* targets = prt_.getMapping(map_);
  if (selectedDevice_ < 0 || row < 0 || !targets || row >= static_cast<int>(targets->size())) return;
  const MemoryTarget& target = (*targets)[row];
  DfuHandle image = 0;
  files_.createImageFromMapping(image, target);
  files_.setImageName(image, target.name);
  files_.filterImageForOperation(image, target, kOperationLeave, 0);
  record_ = {kDfuDeviceClass, kDfuSecondDeviceClass, kOperationLeave, 0, image, currentPath_};
  DfuHandle handle = 0;
  if (const uint32_t code = prt_.launchOperation(record_, handle); code != kDfuSuccess) {
    files_.destroyImage(record_.image);
    reportOperationError(code);
    return;
  }
  operationHandle = handle;
  view_.setProgressPosition(0);
  progressText("");
  view_.setProgressColours(coloured(kBlue));
}

void DfuEngine::reportOperationError(uint32_t code) {
  if (selectedTarget_ < 0) message(dfuErrorCodeText(code), true);
  const int32_t state = view_.updateState();
  if (state >= 7 && state <= 13 && deviceReady) {
    deviceReady = 0;
    view_.failUpdate();
  }
}

void DfuEngine::onDfuDeviceChange(const UsbDeviceEvent& event) {
  const bool writing = record_.operation == kOperationErase || record_.operation == kOperationUpgrade;
  if (operationHandle && writing) {
    // Selecting a device talks to it: it would reset the pad being written
    // and move its address pointer under the blocks. Only the pad's own
    // removal matters now.
    if (event.arrived || !equalsIgnoreCase(event.path, currentPath_)) return;
    prt_.stopOperation(operationHandle);
    destroyImages();
    operationHandle = 0;
    view_.setProgressColours(coloured(kRed));
    progressText("Device unplugged...");
  }
  enumerateDfuDevices();
}

}  // namespace ostrel
