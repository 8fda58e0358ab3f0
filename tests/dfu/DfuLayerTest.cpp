// The DFU layer below the engine: handles, background operations and the
// DfuSe steps against the simulated boot loader.

#include "dfu/DfuCodes.h"
#include "dfu/DfuOperation.h"
#include "dfu/DfuOptionBytes.h"
#include "dfu/DfuOperations.h"
#include "dfu/sim/SimulatedUsbBus.h"

#include "DfuTestSupport.h"
#include "ManualDfuClock.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

using test::pattern;

constexpr uint32_t kFlash = 0x08000000;

class DfuLayer : public ::testing::Test {
 protected:
  DfuLayer() { bus.plug("pad", pad); }

  MemoryTarget flashTarget() {
    MemoryTarget t;
    MemoryTarget::parse(pad->config().memoryMaps[0], 0, t);
    return t;
  }
  // Runs one operation to its end and gives its result.
  DfuOperationStatus run(const DfuseImage& content, uint32_t operation) {
    DfuImage image{content, 0, {}, 0};
    EXPECT_TRUE(image.fitTo(flashTarget(), operation));
    DfuOperation op(bus, clock, "pad", image);
    op.start();
    EXPECT_TRUE(test::eventually([&] { return op.finished(); }));
    return op.status();
  }

  ManualDfuClock clock;
  SimulatedUsbBus bus;
  std::shared_ptr<SimulatedDfuseDevice> pad = std::make_shared<SimulatedDfuseDevice>(SimulatedDfuseConfig{}, clock);
};

TEST_F(DfuLayer, EraseThenUpgradeWritesAndReadsBack) {
  const DfuseImage content{0, "", {{kFlash + 0x3000, pattern(9000, 5)}}};
  DfuOperationStatus erased = run(content, kOperationErase);
  EXPECT_EQ(erased.result, kDfuSuccess);
  EXPECT_EQ(erased.percent, 100u);
  EXPECT_EQ(pad->erasedSectors(), 2u);
  DfuOperationStatus written = run(content, kOperationUpgrade);
  EXPECT_EQ(written.result, kDfuSuccess);
  EXPECT_EQ(pad->memory(kFlash + 0x3000, 9000), content.elements[0].data);
}

TEST_F(DfuLayer, VerifyMismatchStatusErrorAndStuckDeviceFail) {
  const DfuseImage content{0, "", {{kFlash, pattern(6000, 7)}}};
  struct Case {
    SimulatedDfuseFaults faults;
    uint32_t expected;
  };
  const Case cases[] = {
      {{-1, -1, 2, false}, kDfuError},      // a block stored wrong: caught by the read-back
      {{-1, 1, -1, false}, kDfuError},      // errWRITE from the device
      {{-1, -1, -1, true}, kDfuRetryError}, // never leaves dfuDNBUSY
      {{2, -1, -1, false}, kDfuUnexpected}, // gone from the bus
  };
  for (const Case& c : cases) {
    pad = std::make_shared<SimulatedDfuseDevice>(SimulatedDfuseConfig{}, clock);
    bus.plug("pad", pad);
    ASSERT_EQ(run(content, kOperationErase).result, kDfuSuccess);
    pad->setFaults(c.faults);
    const DfuOperationStatus status = run(content, kOperationUpgrade);
    EXPECT_EQ(status.result, c.expected);
    EXPECT_LT(status.percent, 100u);
    bus.unplug("pad");
  }
}

TEST_F(DfuLayer, UnknownAndStaleHandlesAreRefused) {
  DfuDevice dfu(bus);
  DfuFiles files;
  DfuOperations prt(bus, dfu, files, clock);
  std::array<uint8_t, 6> status{};
  DfuOperationStatus op;
  std::string text;
  uint8_t alternate = 0;
  DfuHandle device = 0, image = 0, copy = 0, map = 0;
  ASSERT_EQ(dfu.open("PAD", device), kDfuSuccess);
  ASSERT_EQ(dfu.close(device), kDfuSuccess);
  ASSERT_EQ(files.createImageFromMapping(image, flashTarget()), kDfuSuccess);
  const DfuHandle destroyed = image;
  ASSERT_EQ(files.destroyImage(image), kDfuSuccess);
  for (DfuHandle h : {DfuHandle{0}, DfuHandle{1}, device, destroyed}) {
    SCOPED_TRACE(h);
    EXPECT_EQ(dfu.getStatus(h, status), kDfuBadParameter);
    EXPECT_EQ(dfu.close(h), kDfuBadParameter);
    EXPECT_EQ(files.getImageAlternate(h, alternate), kDfuBadParameter);
    EXPECT_EQ(files.getImageName(h, text), kDfuBadParameter);
    EXPECT_EQ(files.duplicateImage(h, copy), kDfuBadParameter);
    EXPECT_EQ(files.closeFile(h), kDfuBadParameter);
    EXPECT_EQ(prt.getOperationStatus(h, op), kDfuBadParameter);
    EXPECT_EQ(prt.stopOperation(h), kDfuBadParameter);
    EXPECT_EQ(prt.getMapping(h), nullptr);
    DfuHandle again = h;
    EXPECT_EQ(files.destroyImage(again), kDfuBadParameter);
    EXPECT_EQ(again, 0u);
  }
  uint32_t count = 0;
  ASSERT_EQ(prt.createMappingFromDevice("pad", map, count), kDfuSuccess);
  EXPECT_EQ(count, 2u);
  DfuOperationRecord record{kDfuDeviceClass, kDfuSecondDeviceClass, kOperationErase, 0, map, "pad"};
  DfuHandle operation = 0;
  EXPECT_EQ(prt.launchOperation(record, operation), kDfuBadParameter) << "a map is not an image";
  EXPECT_EQ(prt.destroyMapping(map), kDfuSuccess);
  EXPECT_EQ(prt.destroyMapping(map), kDfuBadParameter);
}

TEST(DfuOptionBytes, SectorFlagsFollowProtection) {
  MemoryTarget target;
  target.sectors.resize(140, MemorySector{0, 1024, 0});
  struct Case {
    uint8_t rdp;
    uint32_t wrp;
    size_t sector;
    uint8_t flags;
  };
  const Case cases[] = {
      {0xA5, 0xFFFFFFFF, 0, 7}, {0x00, 0xFFFFFFFF, 0, 6}, {0xA5, 0xFFFFFFFE, 3, 1},
      {0xA5, 0xFFFFFFFE, 4, 7}, {0xA5, 0x7FFFFFFF, 123, 7}, {0xA5, 0x7FFFFFFF, 124, 1}, {0xA5, 0x7FFFFFFF, 128, 1},
      {0xA5, 0x80000000, 139, 7},
  };
  for (const Case& c : cases) {
    std::vector<MemoryTarget> targets{target};
    DfuOptionBytes{false, c.rdp, c.wrp}.applyTo(targets);
    EXPECT_EQ(targets[0].sectors[c.sector].flags, c.flags) << c.sector;
  }
}

}  // namespace
}  // namespace ostrel
