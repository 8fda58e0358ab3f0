// The simulated pad's own side of the protocol and the real grace timer.

#include "LinkTestSupport.h"
#include "link/ThreadGraceTimer.h"

namespace ostrel::testing {
namespace {

std::vector<Report> activation(int slots, int skippedPacket) {
  std::vector<Report> reports;
  for (int slot = 1; slot <= slots; ++slot) {
    reports.push_back(encodeNameReport(slot, 0, "Slot " + std::to_string(slot)));
    const ProfilePackets packets = encodeProfilePackets('U', slot, 0, defaultProfile);
    for (int p = 1; p <= kProfilePackets; ++p) {
      if (!(slot == 3 && p == skippedPacket)) reports.push_back(packets[p - 1]);
    }
  }
  return reports;
}

int storedAnswers(SimulatedPadFirmware& firmware, const std::vector<Report>& reports) {
  int stored = 0;
  for (const Report& report : reports) {
    for (const Report& answer : firmware.handle(report).answers) stored += answer[1] == '_';
  }
  return stored;
}

TEST(SimulatedPadFirmware, AnswersStoredOnlyAfterAWholeActivation) {
  SimulatedPadFirmware firmware;
  EXPECT_EQ(storedAnswers(firmware, activation(3, 0)), 0);
  EXPECT_EQ(storedAnswers(firmware, activation(4, 7)), 0) << "slot 3 lost a packet";
  EXPECT_EQ(storedAnswers(firmware, activation(4, 0)), 1);
  EXPECT_EQ(firmware.slots[2].name, "Slot 3");
  EXPECT_EQ(firmware.activations, 1);
}

TEST(SimulatedPadFirmware, TakesPulseSettingsAndAnswersWithThem) {
  SimulatedPadFirmware firmware;
  firmware.handle(makePulseSettings({5, 3, 1000}));
  const auto answers = firmware.handle(makeReport(Letter::pulse)).answers;
  ASSERT_EQ(answers.size(), 1u);
  const PulseSettings pulse = decodePulse(answers[0]);
  EXPECT_EQ(pulse.level, 5);
  EXPECT_EQ(pulse.value, 1000);
  EXPECT_TRUE(firmware.handle(makeSlotRequest(Letter::profile, 0)).answers.empty());
  EXPECT_EQ(firmware.handle(makeSlotRequest(Letter::profile, 2)).answers.size(), 10u);
}

TEST(SimulatedPad, AnswersAfterItsDelayAndGoesAwayWhenUnplugged) {
  SimulatedPad pad;
  pad.setAnswerDelay(std::chrono::milliseconds(5));
  pad.plug();
  auto device = pad.open(SimulatedPad::interfacePath(3));
  ASSERT_TRUE(device);
  EXPECT_FALSE(pad.open("sim:elsewhere"));
  const Report query = makeReport(Letter::version);
  ASSERT_TRUE(device->writeReport(query.data(), query.size(), std::chrono::milliseconds(100)));
  Report answer{};
  ASSERT_EQ(device->readReport(answer.data(), answer.size()), 64);
  EXPECT_EQ(answer[1], 'W');
  pad.unplug();
  EXPECT_EQ(device->readReport(answer.data(), answer.size()), HidDevice::kGone);
  EXPECT_FALSE(device->writeReport(query.data(), query.size(), std::chrono::milliseconds(100)));
}

TEST(ThreadGraceTimer, FiresOnTheOwnerThreadUnlessStopped) {
  QueueDispatcher dispatcher;
  int stopped = 0, fired = 0;
  {
    ThreadGraceTimer timer(dispatcher);
    timer.start(std::chrono::milliseconds(1), [&] { ++stopped; });
    timer.stop();
    timer.start(std::chrono::milliseconds(1), [&] { ++fired; });
    EXPECT_EQ(fired, 0) << "only the owner thread runs the callback";
    ASSERT_TRUE(dispatcher.runUntil([&] { return fired == 1; }, std::chrono::seconds(10)));
    timer.start(std::chrono::milliseconds(1), [&] { ++stopped; });
    timer.stop();
  }
  dispatcher.drain();
  EXPECT_EQ(stopped, 0);
  EXPECT_EQ(fired, 1);
}

}  // namespace
}  // namespace ostrel::testing
