// The command reader's handling of single answers, without threads: each
// change reaches AppState only through the dispatcher.

#include "LinkTestSupport.h"

namespace ostrel::testing {
namespace {

class RecordingDevice : public HidDevice {
 public:
  int readReport(uint8_t*, std::size_t) override { return kClosed; }
  bool writeReport(const uint8_t* data, std::size_t, std::chrono::milliseconds) override {
    Report report{};
    std::copy_n(data, report.size(), report.begin());
    written.push_back(report);
    return true;
  }
  void close() override {}
  std::vector<Report> written;
};

class AnswerTest : public ::testing::Test {
 protected:
  AnswerTest() {
    app.resetToStartup();
    app.slotNames = {"A", "B", "C", "D"};
    app.savedSlotNames = app.slotNames;
    writer.attach(device);
  }
  void handle(const Report& report) { reader.handleReport(report.data(), report.size()); }

  AppState app;
  ProfileLibrary library;
  QueueDispatcher dispatcher;
  InstantSleeper sleeper;
  RecordingObserver observer;
  LinkContext context{app, library, dispatcher, sleeper, &observer};
  std::shared_ptr<RecordingDevice> device = std::make_shared<RecordingDevice>();
  ReportWriter writer;
  PadCommands commands{writer, sleeper};
  ProfileTransfer transfer{context, commands};
  CommandReader reader{context, commands, transfer};
};

TEST_F(AnswerTest, ChangesWaitForTheOwnerThread) {
  handle(makeVersionAnswer(2.25f));
  EXPECT_EQ(app.padFirmwareVersion, 0.0f);
  dispatcher.drain();
  EXPECT_EQ(app.padFirmwareVersion, 2.25f);
  EXPECT_GT(observer.dataChanged, 0);
}

TEST_F(AnswerTest, ReportsWithAnotherIdOnlyBecomeLastReport) {
  Report odd = makeVersionAnswer(9.0f);
  odd[0] = 1;
  handle(odd);
  dispatcher.drain();
  EXPECT_EQ(app.lastReport, odd);
  EXPECT_EQ(app.padFirmwareVersion, 0.0f);
}

TEST_F(AnswerTest, EmptyOrStrayNameAnswersKeepNamesButAdvance) {
  const Report answers[] = {
      makeNameAnswer(1, ""),        // all zeros
      makeNameAnswer(9, "Stray"),   // no such slot
      makeNameAnswer(3, "a/b"),     // not a file name
  };
  for (const Report& answer : answers) handle(answer);
  dispatcher.drain();
  EXPECT_EQ(app.slotNames, (std::array<std::string, 4>{"A", "B", "C", "D"}));
  EXPECT_EQ(letters(device->written), "[2 [3 [4");
  EXPECT_EQ(reader.nameRequestCount(), 4);
}

TEST_F(AnswerTest, SlotFourNameAnswerRequestsTheFirstProfile) {
  handle(makeNameAnswer(4, "Last"));
  dispatcher.drain();
  EXPECT_EQ(app.slotNames[3], "Last");
  EXPECT_EQ(reader.profileRequestCount(), 1);
  EXPECT_EQ(letters(device->written), "V1 [2");
}

TEST_F(AnswerTest, PulseAndStoredNotice) {
  handle(makePulseAnswer({4, 1, 300}));
  handle(makeReport(Letter::stored));
  dispatcher.drain();
  EXPECT_EQ(app.pulseLevel, 4);
  EXPECT_EQ(app.pulseMode, 1);
  EXPECT_EQ(app.pulseValue, 300);
  EXPECT_EQ(app.storedNotice, 1);
}

TEST_F(AnswerTest, TheLastPacketOfSlotFourEndsTheSequence) {
  handle(makeNameAnswer(4, "Last"));  // profile requests start at slot 1
  for (int slot = 1; slot <= 4; ++slot) {
    // A damaged profile is not filed, but the sequence still moves on.
    ProfilePackets packets = encodeProfilePackets(Letter::profile, slot, profileFlags(6, false), defaultProfile);
    for (int p = 0; p < kProfilePackets; ++p) {
      if (slot != 2 || p != 4) handle(packets[p]);
    }
  }
  library.basePath = "/nonexistent-ostrel-folder/";  // filing fails without harm
  dispatcher.drain();
  EXPECT_EQ(letters(device->written), "V1 [2 V2 V3 V4");
  EXPECT_EQ(observer.sequencesDone, 1);
  EXPECT_EQ(observer.languages, (std::vector<int>{6, 6, 6}));
  EXPECT_EQ(app.resourceFolder, "res/Portuguese/");
}

}  // namespace
}  // namespace ostrel::testing
