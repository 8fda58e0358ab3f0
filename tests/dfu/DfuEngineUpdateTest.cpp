// The engine driving whole updates on the simulated boot loader.

#include "DfuEngineFixture.h"

#include <atomic>
#include <thread>

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

// A sector the boot loader refuses to erase (write protected, or a boot
// loader that will not): the erase pass fails and nothing is programmed; once
// the boot loader takes erases again, the recovery programs the pad.
TEST_F(DfuEngineUpdate, RefusedEraseProgramsNothingAndRecoveryStillWorks) {
  writeFirmware("Ostrel.dfu", multiElementImage());
  const DfuseFile factory = padFile({{kFlash, pattern(6000, 9)}});
  writeFirmware("factory.dfu", factory);
  SimulatedDfuseConfig config;
  config.faults.statusErrorAtErase = 1;  // the second sector
  auto pad = plugPad(config);
  startAsTheScreenDoes();
  ASSERT_TRUE(pollUntilIdle());
  EXPECT_EQ(engine->upgradeFinished, 0);
  EXPECT_EQ(pad->erasedSectors(), 1u);
  EXPECT_EQ(pad->writtenBlocks(), 0u) << "nothing is programmed after a failed erase";
  EXPECT_EQ(engine->selectedTarget(), -1);
  EXPECT_TRUE(pad->attached());
  EXPECT_FALSE(pad->leftDfuMode());
  EXPECT_EQ(engine->deviceReady, 1) << "found again, so recovery can run";

  pad->setFaults({});
  app.LinkState = kPadDfu;  // what the ready hook sets for a recovery
  engine->recoveryMode = 1;
  startAsTheScreenDoes();
  ASSERT_TRUE(pollUntilIdle());
  EXPECT_EQ(engine->upgradeFinished, 1);
  EXPECT_EQ(pad->memory(kFlash, 6000), factory.images[0].elements[0].data);
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

// Another USB device arriving or leaving while the pad is erased or
// programmed: the pass is held at the point named while the engine takes the
// change, then goes on.
struct Interference {
  const char* name;
  uint32_t erased, written;  // the point: after this many sector erases and block writes
  bool arrival;              // another device arrives; else one leaves
};

class OtherDevicesDuringTheUpdate : public DfuEngineFixture, public ::testing::WithParamInterface<Interference> {};

TEST_P(OtherDevicesDuringTheUpdate, LeaveEveryBlockWrittenOnceAtItsOwnAddress) {
  const Interference& c = GetParam();
  const DfuseFile file = multiElementImage();
  writeFirmware("Ostrel.dfu", file);
  SimulatedDfuseConfig other;
  other.protocol = 1;  // an unrelated device in its application mode
  other.vendor = 0x1234;
  plugPad(other, "usb-001-002-1234-0001");
  auto pad = plugPad();
  const std::thread::id testThread = std::this_thread::get_id();
  std::atomic<bool> interfered{false};
  pad->setAfterRequest([&](uint32_t erased, uint32_t written) {
    if (erased != c.erased || written != c.written || std::this_thread::get_id() == testThread ||
        interfered.exchange(true))
      return;
    const size_t before = delivered;
    if (c.arrival)
      bus.plug("usb-001-009-1234-0002", std::make_shared<SimulatedDfuseDevice>(other, clock));
    else
      bus.unplug("usb-001-002-1234-0001");
    eventually([&] { return delivered > before; });
  });
  startAsTheScreenDoes();
  ASSERT_TRUE(eventually([this] {
    deliverDeviceChanges();
    engine->pollOperation();
    return engine->operationHandle == 0;
  }));
  EXPECT_TRUE(interfered);
  EXPECT_EQ(engine->upgradeFinished, 1) << testing::PrintToString(view.texts);
  EXPECT_EQ(view.failures, 0);
  EXPECT_EQ(pad->erasedSectors(), 3u);
  std::vector<uint32_t> blocks;
  for (const DfuseElement& e : file.images[0].elements) {
    for (size_t offset = 0; offset < e.data.size(); offset += 2048)
      blocks.push_back(e.address + static_cast<uint32_t>(offset));
    EXPECT_EQ(pad->memory(e.address, e.data.size()), e.data) << std::hex << e.address;
  }
  EXPECT_EQ(pad->writtenAddresses(), blocks) << "each block once, at its own address, nothing else";
}

INSTANTIATE_TEST_SUITE_P(
    Points, OtherDevicesDuringTheUpdate,
    ::testing::Values(Interference{"ArrivalWhileErasing", 1, 0, true},
                      Interference{"RemovalWhileErasing", 2, 0, false},
                      Interference{"ArrivalAtTheFirstBlock", 3, 1, true},
                      Interference{"RemovalWithinAnElement", 3, 4, false},
                      Interference{"ArrivalAtTheEndOfAnElement", 3, 8, true},
                      Interference{"ArrivalAtTheLastBlock", 3, 13, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrel::test
