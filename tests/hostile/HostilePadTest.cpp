// A pad that lies: names made of path characters and control bytes, reports
// cut short, answers for slots that do not exist, profile packets out of
// order. Each ends with the pad's word refused or nothing filed, and no file
// written anywhere but the data folders.
//
// Proven elsewhere, at the level of the codec: stray name answers keep names
// (link AnswerTest.EmptyOrStrayNameAnswersKeepNamesButAdvance), packets of
// slots outside 1..4 and packets out of order are never filed
// (link ProfileCodecTest: ProfileAssembler.*).

#include <algorithm>
#include <set>

#include "HostilePad.h"
#include "LibraryTestFolder.h"
#include "LinkTestSupport.h"
#include "link/PadIdentity.h"

namespace ostrel::testing {
namespace {

using Answers = std::vector<Report>;
using Names = std::array<std::string, 4>;
using Twist = std::function<std::vector<Bytes>(const Answers&)>;

// What the pad makes of its own answers.
std::vector<Bytes> asSent(const Answers& answers) {
  std::vector<Bytes> sent;
  for (const Report& answer : answers) sent.emplace_back(answer.begin(), answer.end());
  return sent;
}

// Changes the answers of one letter.
Twist onLetter(uint8_t letter, std::function<void(Answers&)> change) {
  return [letter, change](Answers answers) {
    if (!answers.empty() && answers.front()[1] == letter) change(answers);
    return asSent(answers);
  };
}

// Every answer loses its tail; the profile packets keep their numbers.
std::vector<Bytes> cutShort(const Answers& answers) {
  std::vector<Bytes> sent = asSent(answers);
  for (std::size_t i = 0; i < sent.size(); ++i) sent[i].resize(5 + (i * 7) % (kReportSize - 5));
  return sent;
}

// Every answer followed by bytes the report does not have.
std::vector<Bytes> overlong(const Answers& answers) {
  std::vector<Bytes> sent = asSent(answers);
  for (Bytes& answer : sent) answer.resize(kReportSize + 36, 0xEE);
  return sent;
}

struct PadCase {
  const char* name;
  Names padNames;
  Twist twist;
  bool sequenceEnds;
  Names namesTaken;
  std::set<std::string> changed;  // files below the temporary root that may change
};

const Names kDefaults = {"Default", "Default", "Default", "Default"};
const Names kPlain = {"One", "Two", "Three", "Four"};
const std::set<std::string> kNothing;

std::vector<PadCase> padCases() {
  const std::string defaultFiles[] = {"app/Myprofile/Default.klt", "app/Myprofile/Profile.klt"};
  return {
      // 20-byte names that would leave the folder, or break a line or a terminal.
      {"PathAndControlNames",
       {"../../../../../../..", "/etc/passwd/////////", "..\\..\\..\\..\\Windows",
        std::string("\x01\x02\x1b[2J\x7f\x08\t\r\nname\x1f\x1e\x1d\x1c\x1b\x1a\x19\x18", 20)},
       asSent,
       true,
       kDefaults,
       {std::begin(defaultFiles), std::end(defaultFiles)}},
      {"ReportsCutShort", kPlain, cutShort, false, kDefaults, kNothing},
      // The reader takes one report's worth; the rest is not taken for another.
      {"ReportsOverlong",
       kPlain,
       overlong,
       true,
       kPlain,
       {"app/Myprofile/Four.klt", "app/Myprofile/Name.klt", "app/Myprofile/One.klt",
        "app/Myprofile/Profile.klt", "app/Myprofile/Three.klt", "app/Myprofile/Two.klt"}},
      {"ProfilePacketsCutShort", kPlain,
       [](const Answers& a) { return a[0][1] == Letter::profile ? cutShort(a) : asSent(a); }, false,
       kPlain, kNothing},
      {"NameAnswersForSlotsZeroAndNine", kPlain,
       onLetter(Letter::name, [](Answers& a) { a[0][3] = a[0][3] == 1 ? 0 : 9; }), false, kDefaults,
       kNothing},
      {"ProfilePacketsForSlotsZeroAndNine", kPlain,
       onLetter(Letter::profile,
                [](Answers& a) {
                  for (Report& r : a) r[3] = r[2] % 2 ? 0 : 9;
                }),
       true, kPlain, kNothing},
      {"ProfilePacketsReversed", kPlain,
       onLetter(Letter::profile, [](Answers& a) { std::reverse(a.begin(), a.end()); }), true,
       kPlain, kNothing},
      {"ProfilePacketRepeated", kPlain,
       onLetter(Letter::profile, [](Answers& a) { a.insert(a.begin() + 4, a[4]); }), true, kPlain,
       kNothing},
  };
}

// Paths whose bytes differ between two snapshots, or that only one has.
std::set<std::string> changes(const std::map<std::string, std::string>& before,
                              const std::map<std::string, std::string>& after) {
  std::set<std::string> changed;
  for (const auto& [path, bytes] : before) {
    const auto found = after.find(path);
    if (found == after.end() || found->second != bytes) changed.insert(path);
  }
  for (const auto& [path, bytes] : after) {
    if (!before.count(path)) changed.insert(path);
  }
  return changed;
}

class HostilePadTest : public ::testing::TestWithParam<PadCase> {
 protected:
  void SetUp() override {
    root = makeScratchFolder();
    fs::create_directory(root / "app");
    writeAll(root / "passwd", "bait beside the data root");
    startLibrary(root / "app", library, app);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }

  fs::path root;
  AppState app;
  ProfileLibrary library;
  QueueDispatcher dispatcher;
  ManualTimer timer;
  InstantSleeper sleeper;
  RecordingObserver observer;
};

TEST_P(HostilePadTest, EndsRefusedOrUnfiledAndWritesNothingElsewhere) {
  const PadCase& c = GetParam();
  SimulatedPadFirmware firmware;
  for (int i = 0; i < kSlotCount; ++i) {
    firmware.slots[i].name = c.padNames[i];
    firmware.slots[i].values[0] = 40.0f + static_cast<float>(i);  // what filing would show
  }
  std::mutex firmwareMutex;
  HostilePad pad([&](const Report& command) {
    std::lock_guard lock(firmwareMutex);
    return c.twist(firmware.handle(command).answers);
  });
  const auto before = snapshot(root);
  {
    ControllerLink link(app, library, pad, dispatcher, timer, sleeper);
    link.setObserver(&observer);
    link.startLink();
    ASSERT_TRUE(dispatcher.runUntil([&] { return pad.idle(); }, std::chrono::seconds(10)));
    dispatcher.drain();
    EXPECT_EQ(app.LinkState, kPadConnected);
  }
  EXPECT_EQ(observer.sequencesDone, c.sequenceEnds ? 1 : 0);
  for (int i = 0; i < kSlotCount; ++i)
    EXPECT_EQ(app.slotNames[i], c.namesTaken[i]) << "slot " << i + 1;
  EXPECT_EQ(changes(before, snapshot(root)), c.changed);
}

INSTANTIATE_TEST_SUITE_P(Pad, HostilePadTest, ::testing::ValuesIn(padCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrel::testing
