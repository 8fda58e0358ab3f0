// The engine finding devices, loading files and reporting what goes wrong.

#include "dfu/DfuCodes.h"

#include "DfuEngineFixture.h"

namespace ostrel::test {
namespace {

class DfuEngineDevice : public DfuEngineFixture {};

TEST_F(DfuEngineDevice, ListsDfuModeDevicesFirstAndMapsTheBootLoader) {
  SimulatedDfuseConfig application;
  application.protocol = 1;
  application.productName = "Kelto PX-720LT";
  plugPad(application, "usb-001-002-e7c1-5a0d");
  plugPad({}, kPadPath);
  app.ScreenId = 11;
  view.state = 7;
  engine->enumerateDfuDevices();
  EXPECT_EQ(engine->deviceList(), (std::vector<std::string>{"DFU in FS Mode", "Kelto PX-720LT"}));
  EXPECT_EQ(engine->pathList()[0], "USB-001-004-0483-DF11");
  EXPECT_EQ(engine->selectedDevice(), 0);
  EXPECT_EQ(engine->deviceReady, 1);
  EXPECT_EQ(engine->dfuModeFields(), (std::array<std::string, 3>{"0483", "DF11", "2200"}));
  ASSERT_EQ(engine->targetRows().size(), 2u);
  EXPECT_EQ(engine->targetRows()[0].name, "Internal Flash  ");
  EXPECT_EQ(engine->targetRows()[1].name, "Option Bytes  ");
  EXPECT_TRUE(engine->targetRows()[0].selected);
  EXPECT_EQ(engine->memoryMap()->at(0).sectors[11].flags, kSectorReadable | kSectorErasable | kSectorWriteable);
}

TEST_F(DfuEngineDevice, ApplicationModeDeviceIsNotMapped) {
  SimulatedDfuseConfig application;
  application.protocol = 1;
  application.vendor = 0xE7C1;
  plugPad(application);
  engine->enumerateDfuDevices();
  EXPECT_EQ(engine->applicationFields()[0], "E7C1");
  EXPECT_EQ(engine->deviceReady, 0);
  EXPECT_TRUE(engine->targetRows().empty());
  engine->startUpgrade();
  EXPECT_EQ(view.lastText(), "Please select one or several targets before !");
  EXPECT_EQ(view.colours, kErrorColours);
}

TEST_F(DfuEngineDevice, OldDfuVersionIsListedButNeverMapped) {
  SimulatedDfuseConfig old;
  old.bcdDfuVersion = 0x0100;
  plugPad(old);
  engine->enumerateDfuDevices();
  EXPECT_EQ(engine->deviceList().size(), 1u);
  EXPECT_EQ(engine->deviceReady, 0);
  EXPECT_EQ(engine->memoryMap(), nullptr);
  EXPECT_TRUE(engine->targetRows().empty());
  EXPECT_EQ(app.LinkState, 0);
}

TEST_F(DfuEngineDevice, DeviceWithoutDescriptionIsUnnamed) {
  SimulatedDfuseConfig unnamed;
  unnamed.productName = "";
  plugPad(unnamed);
  engine->enumerateDfuDevices();
  EXPECT_EQ(engine->deviceList(), (std::vector<std::string>{"(Unnamed DFU device)"}));
}

TEST_F(DfuEngineDevice, UndecodableMemoryMapIsBadFirmware) {
  SimulatedDfuseConfig broken;
  broken.memoryMaps = {"@Internal Flash  /0x08000000/04*016Kq"};
  plugPad(broken);
  engine->enumerateDfuDevices();
  EXPECT_EQ(view.lastText(), "Unable to find or decode device mapping... Bad Firmware");
  EXPECT_EQ(view.colours, kErrorColours);
  EXPECT_EQ(engine->deviceReady, 0);
}

TEST_F(DfuEngineDevice, FirmwareFileFollowsTheLinkState) {
  writeFirmware("Ostrel.dfu", padFile({{0x08000000, pattern(64, 1)}}));
  writeFirmware("factory.dfu", padFile({{0x08000000, pattern(64, 2)}}, 1));
  for (int32_t linkState : {0, 1, 2, 3}) {
    app.LinkState = linkState;
    view.texts.clear();
    engine->loadFirmwareFile();
    const bool factory = linkState == kPadDfu;
    EXPECT_EQ(engine->firmwarePath(), folder.root() + (factory ? "Version/factory.dfu" : "Version/Ostrel.dfu"));
    EXPECT_EQ(engine->fileImages(), (std::vector<std::string>{factory ? "01\tInternal Flash" : "00\tInternal Flash"}));
    EXPECT_EQ(engine->fileFields(), (std::array<std::string, 3>{"0483", "DF11", "2200"}));
    EXPECT_EQ(view.lastText(), "File correctly loaded.");
    EXPECT_EQ(view.colours, (DfuProgressColours{{0, 128, 128}, {0, 128, 128}, {255, 255, 250}, {255, 255, 250}}));
  }
}

TEST_F(DfuEngineDevice, ImageWithoutTargetZeroStopsBeforeErasing) {
  writeFirmware("Ostrel.dfu", padFile({{0x1FFFF800, pattern(16, 1)}}, 1));
  auto pad = plugPad();
  startAsTheScreenDoes();
  EXPECT_EQ(view.lastText(), "Target 00: Unable to find data for that device/target from the file ...");
  EXPECT_EQ(engine->operationHandle, 0u);
  EXPECT_EQ(pad->erasedSectors(), 0u);
}

struct BadFile {
  const char* name;
  std::function<std::vector<uint8_t>()> bytes;
  bool loads;  // the file itself is sound, only the device cannot take it
};

TEST_F(DfuEngineDevice, BadFilesNeverEraseAnything) {
  const auto good = [] { return padFile({{0x08000000, pattern(5000, 1)}}).serialise(); };
  const std::vector<BadFile> cases = {
      {"bad CRC", [&] { auto b = good(); b[500] ^= 0x10; return b; }, false},
      {"truncated element", [&] { auto b = good(); b.erase(b.begin() + 2000, b.begin() + 2100); return b; }, false},
      {"element outside the flash", [] { return padFile({{0x08100000 - 16, pattern(64, 1)}}).serialise(); }, true},
      {"element in no memory", [] { return padFile({{0x30000000, pattern(64, 1)}}).serialise(); }, true},
  };
  for (const BadFile& c : cases) {
    SCOPED_TRACE(c.name);
    folder.write("Version/Ostrel.dfu", c.bytes());
    const std::string path = std::string(kPadPath) + c.name;
    auto pad = plugPad({}, path);
    view = RecordingView();
    startAsTheScreenDoes();
    EXPECT_EQ(view.shown("File correctly loaded."), c.loads);
    EXPECT_TRUE(view.shown("This file doesn't have a correct format...") ||
                view.shown("Target 00: This file doesn't have a correct format..."));
    EXPECT_EQ(engine->operationHandle, 0u);
    EXPECT_EQ(pad->erasedSectors(), 0u);
    EXPECT_EQ(pad->writtenBlocks(), 0u);
    bus.unplug(path);
    deliverDeviceChanges();
  }
}

// Whether a downloaded firmware file is worth sending the pad to its boot
// loader for: read whole, an image for target 00, and made for the pad (its
// boot loader or its own ids) where the file names a device.
TEST_F(DfuEngineDevice, FirmwareFileFitsPadOnlyWhenAnUpgradeCouldUseIt) {
  struct Case {
    const char* name;
    uint16_t vendor, product;
    uint8_t alternate;
    bool damaged;
    bool fits;
  };
  const Case cases[] = {
      {"boot loader", 0x0483, 0xDF11, 0, false, true},
      {"no device named", 0xFFFF, 0xFFFF, 0, false, true},
      {"only the product named", 0xFFFF, 0xDF11, 0, false, true},
      {"the pad itself", 0xE7C1, 0x5A0D, 0, false, true},
      {"another vendor", 0x1234, 0xDF11, 0, false, false},
      {"another product", 0x0483, 0x1234, 0, false, false},
      {"ids of two devices mixed", 0x0483, 0x5A0D, 0, false, false},
      {"no image for target 00", 0x0483, 0xDF11, 1, false, false},
      {"bad CRC", 0x0483, 0xDF11, 0, true, false},
  };
  EXPECT_FALSE(engine->firmwareFileFitsPad()) << "no file at all";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DfuseFile file = padFile({{0x08000000, pattern(5000, 1)}}, c.alternate);
    file.vendor = c.vendor;
    file.product = c.product;
    std::vector<uint8_t> bytes = file.serialise();
    if (c.damaged) bytes[300] ^= 0x01;
    folder.write("Version/Ostrel.dfu", bytes);
    EXPECT_EQ(engine->firmwareFileFitsPad(), c.fits);
  }
}

TEST_F(DfuEngineDevice, ReadyHookFollowsWhatTheUserSees) {
  struct Case {
    int32_t screenId, state;
    int recoveryScreens, recoveries;
    int32_t linkState;
  };
  const Case cases[] = {
      {11, 7, 0, 0, 0},   // the running update picks the pad up itself
      {11, 12, 0, 1, 3},  // failed update: recovery
      {5, 0, 0, 1, 3},    // another screen: recovery
      {0, 0, 1, 0, 3},    // no screen yet: the container opens on the update screen
  };
  plugPad();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screenId * 100 + c.state);
    app = AppState();
    app.ScreenId = c.screenId;
    view = RecordingView();
    view.state = c.state;
    engine->deviceReady = 0;
    engine->recoveryMode = 0;
    engine->enumerateDfuDevices();
    EXPECT_EQ(engine->deviceReady, 1);
    EXPECT_EQ(view.recoveryScreens, c.recoveryScreens);
    EXPECT_EQ(view.recoveries, c.recoveries);
    EXPECT_EQ(app.LinkState, c.linkState);
    EXPECT_EQ(engine->recoveryMode, c.linkState == 3 ? 1 : 0);
    if (c.screenId == 0) {
      EXPECT_EQ(app.ScreenId, 100);
      EXPECT_EQ(app.currentSlot, 1);
      EXPECT_EQ(app.returnPending, 1);
      EXPECT_TRUE(engine->targetRows().empty()) << "the update screen's own engine takes over";
    }
  }
}

TEST_F(DfuEngineDevice, FailureSwitchOnlyWhileTheUpdateRuns) {
  for (int32_t state : {6, 7, 10, 13, 14}) {
    view = RecordingView();
    view.state = state;
    engine->deviceReady = 1;
    engine->reportOperationError(kDfuError);
    const bool switched = state >= 7 && state <= 13;
    EXPECT_EQ(view.failures, switched ? 1 : 0) << state;
    EXPECT_EQ(engine->deviceReady, switched ? 0 : 1) << state;
    EXPECT_EQ(view.lastText(), "Error Code: DFU error\n");
    EXPECT_EQ(view.colours, kErrorColours);
  }
}

TEST_F(DfuEngineDevice, StaleOperationHandleIsRefusedHarmlessly) {
  plugPad();
  engine->enumerateDfuDevices();
  engine->operationHandle = 1;  // a handle the layer never gave out
  engine->pollOperation();
  EXPECT_EQ(engine->operationHandle, 0u);
  EXPECT_TRUE(view.shown("Error Code: Bad parameter\n"));
  engine->operationHandle = 1;
  engine->stopOperation();
  EXPECT_EQ(engine->operationHandle, 0u);
}

TEST(DfuErrorCodeText, TableOfCodes) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0x12340000, "Error Code: no error (!)\n"},
      {0x12345001, "Error Code: Unable to launch operation (Thread problem)\n"},
      {0x12345007, "Error Code: DFU already running\n"},
      {0x12345008, "Error Code: Bad parameter\n"},
      {0x12345009, "Error Code: Bad state machine in firmware\n"},
      {0x1234500A, "Error Code: Unexpected error\n"},
      {0x1234500B, "Error Code: DFU error\n"},
      {0x1234500C, "Error Code: Retry error\n"},
      {0x1234500D, "Error Code: Unknown error 0x1234500D. \n"},
      {0xDEADBEEF, "Error Code: Unknown error 0xDEADBEEF. \n"},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(dfuErrorCodeText(code), text);
}

}  // namespace
}  // namespace ostrel::test
