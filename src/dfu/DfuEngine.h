#pragma once
// The firmware update engine: finds the pad while its DFU boot loader runs,
// reads its descriptors and memory map, loads the firmware file from the
// Version/ folder, erases, programs (with read-back) and restarts the pad
// through the DFU layer, and reports through the update screen's view.
//
// Driven on one thread (the user-interface thread): the screen posts the
// commands, calls pollOperation on its timer, and passes device changes in.

#include "dfu/DfuClock.h"
#include "dfu/DfuEngineView.h"
#include "dfu/DfuSharedFlags.h"
#include "dfu/DfuDevice.h"
#include "dfu/DfuFiles.h"
#include "dfu/DfuOperations.h"
#include "profile/AppState.h"

#include <array>
#include <string>
#include <vector>

namespace ostrel {

struct DfuTargetRow {
  uint8_t number = 0;
  std::string name;
  bool selected = false;
};

class DfuEngine {
 public:
  // The pause before a freshly listed device is selected (the list is made
  // again after leaving DFU mode, so an update's wall time includes it once).
  static constexpr uint32_t kEnumeratePauseMs = 100;

  // dataRoot: the folder holding Version/.
  DfuEngine(AppState& app, std::string dataRoot, UsbTransport& transport, DfuClock& clock, DfuEngineView& view,
            DfuSharedFlags& shared);
  ~DfuEngine();
  DfuEngine(const DfuEngine&) = delete;
  DfuEngine& operator=(const DfuEngine&) = delete;

  void enumerateDfuDevices();
  void selectDevice();
  // False when the file could not be read whole.
  bool loadFirmwareFile();
  // Loads the firmware file and tells whether an upgrade can use it: read
  // whole as the upgrade reads it, with an image for target 00, and made for
  // the pad or its boot loader where it names a vendor or product. Asked
  // before the pad is sent to its boot loader, which a bad file must not cost.
  bool firmwareFileFitsPad();
  void startUpgrade();
  void pollOperation();
  void leaveDfuMode();
  // While an erase or programming pass runs, only the removal of the device
  // being written is taken (it ends the pass); other changes are let be.
  void onDfuDeviceChange(const UsbDeviceEvent& event);
  void reportOperationError(uint32_t code);
  // Stops the operation behind operationHandle and waits for its worker to
  // end (leaving the update screen, the update's time-out).
  void stopOperation();

  // Flags shared with the update screen.
  uint8_t deviceReady = 0;
  uint8_t upgradeFinished = 0;
  uint8_t recoveryMode = 0;
  DfuHandle operationHandle = 0;

  // The data of the never-shown DFU controls.
  const std::vector<std::string>& deviceList() const { return deviceList_; }
  const std::vector<std::string>& pathList() const { return pathList_; }
  int selectedDevice() const { return selectedDevice_; }
  const std::string& currentPath() const { return currentPath_; }
  const std::array<uint8_t, 9>& dfuDescriptor() const { return dfuDescriptor_; }
  const std::array<std::string, 3>& applicationFields() const { return appFields_; }  // vendor, product, version
  const std::array<std::string, 3>& dfuModeFields() const { return dfuFields_; }
  const std::array<std::string, 3>& fileFields() const { return fileFields_; }
  const std::vector<std::string>& fileImages() const { return fileImages_; }
  const std::string& firmwarePath() const { return firmwarePath_; }
  std::vector<DfuTargetRow>& targetRows() { return targetRows_; }
  int selectedTarget() const { return selectedTarget_; }
  const std::vector<MemoryTarget>* memoryMap() { return prt_.getMapping(map_); }
  // True while the request that restarts the pad out of DFU mode is on its way.
  bool leavingDfuMode() const { return operationHandle != 0 && record_.operation == kOperationLeave; }
  // True while the engine can download to the current device (bmAttributes bit 0).
  bool canDownload() const { return dfuDescriptor_[2] & 1; }

 private:
  bool readDescriptors(DfuHandle device);
  void readyHook(bool& ended);
  void fillTargetRows();
  void refreshSectorFlags();
  void removeReadProtection();
  void launchUpgrade();
  bool findImage(DfuHandle& found);
  void finishOperation();
  void failOperation(uint32_t code);
  void destroyImages();
  int firstSelectedRow(int from = 0) const;
  void message(const std::string& text, bool error);
  void progressText(const std::string& text);

  AppState& app_;
  const std::string dataRoot_;
  UsbTransport& transport_;
  DfuClock& clock_;
  DfuEngineView& view_;
  DfuSharedFlags& shared_;
  DfuDevice dfu_;
  DfuFiles files_;
  DfuOperations prt_;

  std::vector<std::string> deviceList_;
  std::vector<std::string> pathList_;
  int selectedDevice_ = -1;
  std::string currentPath_;
  std::array<uint8_t, 18> deviceDescriptor_{};
  std::array<uint8_t, 9> dfuDescriptor_{};
  std::array<std::string, 3> appFields_;
  std::array<std::string, 3> dfuFields_;
  std::array<std::string, 3> fileFields_;
  std::vector<std::string> fileImages_;
  std::vector<uint8_t> fileAlternates_;
  uint16_t fileVendor_ = 0;
  uint16_t fileProduct_ = 0;
  std::string firmwarePath_;
  DfuHandle map_ = 0;
  std::vector<DfuTargetRow> targetRows_;
  std::vector<int> rememberedRows_;
  int selectedTarget_ = -1;
  bool optionBytesTarget_ = false;
  DfuHandle upgradeImage_ = 0;
  DfuHandle eraseImage_ = 0;
  DfuOperationRecord record_;
};

}  // namespace ostrel
