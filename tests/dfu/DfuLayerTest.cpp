// The DFU layer below the engine: handles, background operations and the
// DfuSe steps against the simulated boot loader.

#include "dfu/DfuCodes.h"
#include "dfu/DfuOperation.h"
#include "dfu/DfuOptionBytes.h"
#include "dfu/StDfuPrt.h"
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

}  // namespace
}  // namespace ostrel
