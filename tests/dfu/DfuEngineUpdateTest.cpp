// The engine driving whole updates on the simulated boot loader.

#include "DfuEngineFixture.h"

namespace ostrel::test {
namespace {

constexpr uint32_t kFlash = 0x08000000;

// Three elements across sectors 0, 1 and 4, the middle one ending mid-block.
DfuseFile multiElementImage() {
  return padFile({{kFlash, pattern(16000, 1)}, {kFlash + 0x4000 + 100, pattern(5000, 2)},
                  {kFlash + 0x10000, pattern(4096, 3)}});
}

class DfuEngineUpdate : public DfuEngineFixture {};

TEST_F(DfuEngineUpdate, FullUpdateErasesProgramsVerifiesAndLeaves) {
  const DfuseFile file = multiElementImage();
  writeFirmware("Ostrel.dfu", file);
  auto pad = plugPad();
  startAsTheScreenDoes();
  ASSERT_NE(engine->operationHandle, 0u) << testing::PrintToString(view.texts);
  EXPECT_EQ(view.colours.bar, (DfuRgb{0, 128, 0}));
  ASSERT_TRUE(pollUntilIdle());
  EXPECT_EQ(engine->upgradeFinished, 1);
  EXPECT_EQ(view.position, 100);
  EXPECT_EQ(view.lastText(), "(100%)...");
  EXPECT_EQ(pad->erasedSectors(), 3u) << "sectors 0, 1 and 4 only";
  for (const DfuseElement& e : file.images[0].elements)
    EXPECT_EQ(pad->memory(e.address, e.data.size()), e.data) << std::hex << e.address;
  EXPECT_EQ(pad->memory(kFlash + 0x4000, 100), std::vector<uint8_t>(100, 0xFF)) << "erased, not written";
  EXPECT_FALSE(pad->leftDfuMode());

  engine->leaveDfuMode();
  EXPECT_EQ(view.colours.bar, (DfuRgb{0, 0, 255}));
  ASSERT_TRUE(pollUntilIdle());
  EXPECT_TRUE(pad->leftDfuMode());
  EXPECT_TRUE(view.shown("Target 00: Successfully left DFU mode !"));
  EXPECT_TRUE(engine->deviceList().empty()) << "the pad has left the bus";
  EXPECT_EQ(view.failures, 0);
}

TEST_F(DfuEngineUpdate, SelectedTargetsAreProgrammedOneAfterAnother) {
  DfuseFile file = multiElementImage();
  std::vector<uint8_t> options = {0xA5, 0x5A, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00,
                                  0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00};
  options[4] = 0x12;  // a user data byte
  file.images.push_back({1, "Option Bytes", {{0x1FFFF800, options}}});
  writeFirmware("Ostrel.dfu", file);
  auto pad = plugPad();
  app.ScreenId = 11;
  view.state = 7;
  engine->loadFirmwareFile();
  EXPECT_EQ(engine->fileImages(), (std::vector<std::string>{"00\tInternal Flash", "01\tOption Bytes"}));
  engine->enumerateDfuDevices();
  engine->targetRows()[1].selected = true;
  engine->startUpgrade();
  ASSERT_TRUE(pollUntilIdle());
  EXPECT_EQ(engine->selectedTarget(), 1);
  EXPECT_EQ(pad->memory(0x1FFFF800, 16), options);
  EXPECT_EQ(pad->memory(kFlash, 16000), file.images[0].elements[0].data);
}

TEST_F(DfuEngineUpdate, ReadBackMismatchFailsAndKeepsThePadInDfuMode) {
  writeFirmware("Ostrel.dfu", multiElementImage());
  SimulatedDfuseConfig config;
  config.faults.corruptWrite = 4;
  auto pad = plugPad(config);
  startAsTheScreenDoes();
  ASSERT_TRUE(pollUntilIdle());
  EXPECT_EQ(engine->upgradeFinished, 0);
  EXPECT_EQ(engine->selectedTarget(), -1);
  EXPECT_TRUE(pad->attached());
  EXPECT_FALSE(pad->leftDfuMode());
  EXPECT_EQ(engine->deviceReady, 1) << "found again, so recovery can run";
}

TEST_F(DfuEngineUpdate, DeviceStatusErrorEndsTheOperation) {
  writeFirmware("Ostrel.dfu", multiElementImage());
  SimulatedDfuseConfig config;
  config.faults.statusErrorAtWrite = 2;
  auto pad = plugPad(config);
  startAsTheScreenDoes();
  ASSERT_TRUE(pollUntilIdle());
  EXPECT_EQ(engine->upgradeFinished, 0);
  EXPECT_EQ(pad->writtenBlocks(), 2u) << "nothing is written after the failed block";
}

TEST_F(DfuEngineUpdate, UnplugDuringProgrammingShowsDeviceUnplugged) {
  writeFirmware("Ostrel.dfu", multiElementImage());
  SimulatedDfuseConfig config;
  config.faults.unplugAtWrite = 5;
  plugPad(config);
  startAsTheScreenDoes();
  // Erase first, then programming runs until the pad leaves the bus.
  ASSERT_TRUE(eventually([this] {
    if (queuedDeviceChanges() == 0) engine->pollOperation();
    return queuedDeviceChanges() > 0;
  }));
  ASSERT_NE(engine->operationHandle, 0u);
  deliverDeviceChanges();
  EXPECT_EQ(engine->operationHandle, 0u);
  EXPECT_EQ(view.lastText(), "Device unplugged...");
  EXPECT_EQ(view.colours, kErrorColours);
  EXPECT_EQ(engine->upgradeFinished, 0);
  EXPECT_TRUE(engine->deviceList().empty());
  EXPECT_EQ(view.failures, 0) << "the screen's own time-out ends the sequence";
}

TEST_F(DfuEngineUpdate, ReadProtectionAnsweredNoChangesNothing) {
  writeFirmware("Ostrel.dfu", multiElementImage());
  SimulatedDfuseConfig config;
  config.readProtected = true;
  auto pad = plugPad(config);
  view.answers = {false};
  startAsTheScreenDoes();
  EXPECT_EQ(shared.readProtected, 1);
  ASSERT_EQ(view.questions,
            (std::vector<std::string>{"Your device is read protected.\nWould you remove the read protection?"}));
  EXPECT_EQ(engine->operationHandle, 0u);
  EXPECT_TRUE(pad->readProtected());
  EXPECT_EQ(pad->erasedSectors(), 0u);
}

TEST_F(DfuEngineUpdate, ReadProtectionAnsweredYesUnprotectsAndUpdates) {
  const DfuseFile file = multiElementImage();
  writeFirmware("Ostrel.dfu", file);
  SimulatedDfuseConfig config;
  config.readProtected = true;
  auto pad = plugPad(config);
  app.ScreenId = 11;
  view.state = 7;
  engine->enumerateDfuDevices();
  for (const MemorySector& s : engine->memoryMap()->at(0).sectors)
    EXPECT_EQ(s.flags, 0) << "protected flash: nothing readable or writeable";
  engine->loadFirmwareFile();
  engine->startUpgrade();
  EXPECT_EQ(view.questions.size(), 1u);
  EXPECT_FALSE(pad->readProtected());
  EXPECT_EQ(shared.readProtected, 0);
  ASSERT_TRUE(pollUntilIdle());
  EXPECT_EQ(engine->upgradeFinished, 1);
  EXPECT_EQ(pad->memory(kFlash, 16000), file.images[0].elements[0].data);
}

TEST_F(DfuEngineUpdate, StuckDeviceEndsWithoutHanging) {
  writeFirmware("Ostrel.dfu", multiElementImage());
  SimulatedDfuseConfig config;
  auto pad = plugPad(config);
  config.faults.stuckBusy = true;
  app.ScreenId = 11;
  view.state = 7;
  engine->loadFirmwareFile();
  engine->enumerateDfuDevices();
  pad->setFaults(config.faults);
  engine->startUpgrade();
  ASSERT_TRUE(pollUntilIdle());
  EXPECT_EQ(engine->upgradeFinished, 0);
  EXPECT_EQ(pad->erasedSectors(), 1u) << "the first erase never finished; no other was sent";
}

}  // namespace
}  // namespace ostrel::test
