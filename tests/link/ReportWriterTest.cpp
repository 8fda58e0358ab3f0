// The single writer: a report sent during another write waits for it instead
// of being dropped, and every report that does not go out is reported.

#include <gtest/gtest.h>

#include <condition_variable>
#include <future>
#include <mutex>

#include "link/ReportWriter.h"

namespace ostrel {
namespace {

// A device whose writes can be held at a gate and made to fail.
class GateDevice : public HidDevice {
 public:
  int readReport(uint8_t*, std::size_t) override { return kClosed; }
  bool writeReport(const uint8_t* data, std::size_t size, std::chrono::milliseconds) override {
    std::unique_lock lock(mutex_);
    ++entered_;
    changed_.notify_all();
    changed_.wait(lock, [&] { return open_; });
    written_.emplace_back(data, data + size);
    return !fail_;
  }
  void close() override {}

  void hold() { set([&] { open_ = false; }); }
  void release() { set([&] { open_ = true; }); }
  void failWrites() { set([&] { fail_ = true; }); }
  void waitForWrites(int count) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return entered_ >= count; });
  }
  std::vector<std::vector<uint8_t>> written() {
    std::lock_guard lock(mutex_);
    return written_;
  }

 private:
  template <typename F>
  void set(F change) {
    std::lock_guard lock(mutex_);
    change();
    changed_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  bool open_ = true;
  bool fail_ = false;
  int entered_ = 0;
  std::vector<std::vector<uint8_t>> written_;
};

TEST(ReportWriter, ASecondReportWaitsForTheWriteInProgress) {
  auto device = std::make_shared<GateDevice>();
  ReportWriter writer;
  writer.attach(device);
  device->hold();
  auto first = std::async(std::launch::async, [&] { return writer.sendReport(makeReport('W')); });
  device->waitForWrites(1);
  EXPECT_TRUE(writer.writeBusy());
  auto second = std::async(std::launch::async, [&] { return writer.sendReport(makeReport(']')); });
  device->release();
  EXPECT_TRUE(first.get());
  EXPECT_TRUE(second.get());
  const auto written = device->written();
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[0][1], 'W');
  EXPECT_EQ(written[1][1], ']');
  EXPECT_FALSE(writer.writeBusy());
}

TEST(ReportWriter, FailuresAreReported) {
  ReportWriter writer;
  EXPECT_FALSE(writer.sendReport(makeReport('W'))) << "no pad attached";
  auto device = std::make_shared<GateDevice>();
  writer.attach(device);
  device->failWrites();
  EXPECT_FALSE(writer.sendReport(makeReport('W')));
  writer.detach();
  EXPECT_FALSE(writer.sendReport(makeReport('W')));
  EXPECT_EQ(device->written().size(), 1u);
}

TEST(ReportWriter, ASenderGivesUpAfterItsBoundedWaitAndTheQueueMovesOn) {
  auto device = std::make_shared<GateDevice>();
  ReportWriter writer;
  writer.attach(device);
  device->hold();
  auto stuck = std::async(std::launch::async, [&] { return writer.sendReport(makeReport('W')); });
  device->waitForWrites(1);
  EXPECT_FALSE(writer.sendReport(makeReport(']'))) << "the turn never came";
  device->release();
  EXPECT_TRUE(stuck.get());
  EXPECT_TRUE(writer.sendReport(makeReport('[')));  // the abandoned turn is skipped
  const auto written = device->written();
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[1][1], '[');
}

}  // namespace
}  // namespace ostrel
