// The simulated pad and boot loader coupled: '^', an update through the
// engine, and the pad's return with the version of the image it was given.

#include "dfu/DfuEngine.h"
#include "dfu/sim/SimulatedFirmwareImage.h"
#include "dfu/sim/SimulatedPadRig.h"
#include "link/PadIdentity.h"
#include "link/ReportCodec.h"

#include "DfuTestSupport.h"
#include "ManualDfuClock.h"

#include <gtest/gtest.h>

namespace ostrel::test {
namespace {

TEST(SimulatedFirmwareImage, IsAValidFileWithTheVersionInSuffixAndImage) {
  const auto bytes = makeSimulatedFirmware(0x0110, 5000);
  DfuseFile file;
  ASSERT_EQ(DfuseFile::parse(bytes, file), DfuseFileError::none);
  EXPECT_EQ(file.version, 0x0110);
  ASSERT_EQ(file.images.size(), 1u);
  ASSERT_EQ(file.images[0].elements.size(), 1u);
  const DfuseElement& image = file.images[0].elements[0];
  EXPECT_EQ(image.address, kSimulatedFlashStart);
  EXPECT_EQ(image.data.size(), 5000u);
  EXPECT_EQ(image.data[kFirmwareVersionOffset], 0x10);
  EXPECT_EQ(image.data[kFirmwareVersionOffset + 1], 0x01);
  DfuseFile tiny;
  ASSERT_EQ(DfuseFile::parse(makeSimulatedFirmware(0x0123, 1), tiny), DfuseFileError::none);
  EXPECT_EQ(tiny.images[0].elements[0].data.size(), kMinimumFirmwareSize) << "room for the version word";
}

TEST(SimulatedFirmwareImage, BcdWordsReadAsMajorDotMinor) {
  EXPECT_FLOAT_EQ(*firmwareVersionFromBcd(0x0110), 1.10f);
  EXPECT_FLOAT_EQ(*firmwareVersionFromBcd(0x0299), 2.99f);
  EXPECT_FLOAT_EQ(*firmwareVersionFromBcd(0x1005), 10.05f);
  EXPECT_FALSE(firmwareVersionFromBcd(0xFFFF)) << "erased flash";
  EXPECT_FALSE(firmwareVersionFromBcd(0x011A));
}

class SimulatedPadRigTest : public ::testing::Test {
 protected:
  SimulatedPadRigTest() { rig.pad().withFirmware([](SimulatedPadFirmware& f) { f.version = 1.0f; }); }

  void sendDetach() {
    auto device = rig.pad().open(SimulatedPad::interfacePath(kCommandInterface));
    ASSERT_NE(device, nullptr);
    const Report report = makeReport(Letter::detach);
    device->writeReport(report.data(), report.size(), std::chrono::milliseconds(100));
  }
  float padVersion() {
    float version = 0;
    rig.pad().withFirmware([&](SimulatedPadFirmware& f) { version = f.version; });
    return version;
  }
  // Loads, erases, programs and leaves DFU mode as the update screen drives the engine.
  void update(const std::string& file) {
    folder.write("Version/" + file, makeSimulatedFirmware(0x0110, 40000));
    app.ScreenId = 11;
    app.LinkState = file == "factory.dfu" ? 3 : 1;
    view.state = 8;
    engine.loadFirmwareFile();
    engine.enumerateDfuDevices();
    ASSERT_EQ(engine.deviceReady, 1);
    engine.startUpgrade();
    ASSERT_TRUE(pollUntilIdle());
    ASSERT_EQ(engine.upgradeFinished, 1) << testing::PrintToString(view.texts);
    engine.leaveDfuMode();
    ASSERT_TRUE(pollUntilIdle());
  }
  bool pollUntilIdle() {
    return eventually([this] {
      engine.pollOperation();
      return engine.operationHandle == 0;
    });
  }

  ScratchFolder folder;
  ManualDfuClock clock;
  SimulatedPadRig rig{clock};
  AppState app;
  RecordingView view;
  DfuSharedFlags shared;
  DfuEngine engine{app, folder.root(), rig.bus(), clock, view, shared};
};

TEST_F(SimulatedPadRigTest, DetachedPadComesBackWithTheFlashedVersion) {
  rig.plugPad();
  sendDetach();
  EXPECT_EQ(rig.pad().mode(), SimulatedPad::Mode::Unplugged);
  ASSERT_NE(rig.bootLoader(), nullptr);
  update("Ostrel.dfu");
  EXPECT_EQ(rig.bootLoader(), nullptr);
  EXPECT_EQ(rig.pad().mode(), SimulatedPad::Mode::Pad);
  EXPECT_FLOAT_EQ(padVersion(), 1.10f);
  EXPECT_EQ(rig.bootLoaderArrivals(), 1);
}

TEST_F(SimulatedPadRigTest, UnplugDuringProgrammingTakesThePadAway) {
  rig.setBootLoaderFaults({.unplugAtWrite = 3});
  rig.enterBootLoader();
  app.ScreenId = 11;
  app.LinkState = 3;
  view.state = 8;
  folder.write("Version/factory.dfu", makeSimulatedFirmware(0x0110, 40000));
  engine.loadFirmwareFile();
  engine.enumerateDfuDevices();
  engine.startUpgrade();
  ASSERT_TRUE(pollUntilIdle());
  EXPECT_EQ(engine.upgradeFinished, 0);
  EXPECT_EQ(rig.bootLoader(), nullptr);
  EXPECT_EQ(rig.pad().mode(), SimulatedPad::Mode::Unplugged);
  EXPECT_FLOAT_EQ(padVersion(), 1.0f);

  // Plugged in again it is still in its boot loader, and recovery succeeds.
  rig.setBootLoaderFaults({});
  rig.enterBootLoader();
  update("factory.dfu");
  EXPECT_EQ(rig.pad().mode(), SimulatedPad::Mode::Pad);
  EXPECT_FLOAT_EQ(padVersion(), 1.10f);
}

TEST_F(SimulatedPadRigTest, PlugAndUnplugMoveThePadBetweenTheBuses) {
  rig.enterBootLoader();
  EXPECT_EQ(rig.bus().findDfuDevices().size(), 1u);
  rig.plugPad();
  EXPECT_TRUE(rig.bus().findDfuDevices().empty());
  EXPECT_EQ(rig.pad().mode(), SimulatedPad::Mode::Pad);
  rig.unplug();
  EXPECT_EQ(rig.pad().mode(), SimulatedPad::Mode::Unplugged);
  EXPECT_TRUE(rig.bus().findDfuDevices().empty());
}

}  // namespace
}  // namespace ostrel::test
