// Finding the pad, following its arrivals and removals, and the connection
// sequence, against the simulated pad.

#include "LinkTestSupport.h"

namespace ostrel::testing {
namespace {

constexpr const char* kFullSequence = "W ] [1 [2 [3 [4 V1 V2 V3 V4";

int count(const std::string& text, char letter) {
  return static_cast<int>(std::count(text.begin(), text.end(), letter));
}

TEST_F(LinkTest, PadPresentAtStartRunsTheWholeSequence) {
  pad.withFirmware([](SimulatedPadFirmware& firmware) {
    firmware.version = 1.5f;
    firmware.pulse = {3, 2, 0x0102};
    for (int i = 0; i < 4; ++i) firmware.slots[i].name = "Pad " + std::to_string(i + 1);
    firmware.slots[3].flags = profileFlags(2, false);  // the last profile sets the language
  });
  pad.plug();
  startLink();
  EXPECT_EQ(app.LinkState, kPadConnected);
  ASSERT_TRUE(runSequences(1));
  EXPECT_EQ(sent(), kFullSequence);
  EXPECT_EQ(observer.states, std::vector<int32_t>{kPadConnected});
  EXPECT_EQ(app.padFirmwareVersion, 1.5f);
  EXPECT_EQ(app.pulseLevel, 3);
  EXPECT_EQ(app.pulseMode, 2);
  EXPECT_EQ(app.pulseValue, 0x0102);
  EXPECT_EQ(app.pulseReceived, 1);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(app.slotNames[i], "Pad " + std::to_string(i + 1));
    EXPECT_EQ(app.savedSlotNames[i], app.slotNames[i]);
  }
  EXPECT_EQ(app.language, 2);
  EXPECT_EQ(app.resourceFolder, "res/German/");
  EXPECT_EQ(app.lastReport[1], 'V');
}

TEST_F(LinkTest, NoPadAtStartStaysNotConnected) {
  startLink();
  dispatcher.drain();
  EXPECT_EQ(app.LinkState, kNoPad);
  EXPECT_FALSE(link->padFound());
  EXPECT_EQ(sent(), "");
}

TEST_F(LinkTest, OnePlugInRunsTheSequenceExactlyOnce) {
  startLink();
  pad.plug();  // four arrivals, one per interface
  ASSERT_TRUE(runSequences(1));
  dispatcher.drain();
  EXPECT_EQ(sent(), kFullSequence);
  EXPECT_EQ(observer.states, std::vector<int32_t>{kPadConnected});
}

// Shows the first interfaces of the pad only, as a platform may while the
// pad's interfaces are still arriving.
class PartialPad : public SimulatedPad {
 public:
  std::vector<HidInterfaceInfo> enumerate() override {
    auto present = SimulatedPad::enumerate();
    if (reversed) std::reverse(present.begin(), present.end());
    if (present.size() > visible) present.resize(visible);
    return present;
  }
  std::size_t visible = 4;
  bool reversed = false;
};

TEST(LinkCoalescing, EnumerationsOfOnePlugInConnectOnceInAnyOrder) {
  for (bool reversed : {false, true}) {
    AppState app;
    ProfileLibrary library;  // no files are touched before the profiles arrive
    PartialPad pad;
    QueueDispatcher dispatcher;
    ManualTimer timer;
    InstantSleeper sleeper;
    pad.reversed = reversed;
    pad.plug();
    ControllerLink link(app, library, pad, dispatcher, timer, sleeper);
    for (std::size_t visible : {1, 2, 3, 4, 4, 4}) {
      pad.visible = visible;
      link.openPad();  // what each arrival of the plug-in runs
      EXPECT_EQ(link.interfaceCount(), static_cast<int>(visible));
    }
    const auto reports = pad.receivedReports();
    EXPECT_EQ(std::count_if(reports.begin(), reports.end(), [](const Report& r) { return r[1] == 'W'; }), 1)
        << "reversed " << reversed;
    EXPECT_EQ(app.LinkState, kPadConnected);
  }
}

TEST_F(LinkTest, ReturnWithinTheGraceTimeNeverShowsNotConnected) {
  pad.plug();
  startLink();
  ASSERT_TRUE(runSequences(1));
  pad.unplug();
  dispatcher.drain();
  EXPECT_EQ(app.LinkState, kNoPad);
  EXPECT_FALSE(link->padFound());
  ASSERT_TRUE(timer.armed());
  EXPECT_EQ(timer.delay, std::chrono::milliseconds(3000));

  pad.plug();
  ASSERT_TRUE(runSequences(2));
  EXPECT_EQ(app.LinkState, kPadConnected);
  EXPECT_FALSE(timer.armed());
  EXPECT_EQ(observer.graceEnded, 0);
  EXPECT_EQ(count(sent(), 'W'), 2);
}

// An arrival handled after a quick unplug enumerates a bus without the pad,
// before the unplug's removals are handled; those then find the pad closed.
// The pad has left all the same: the grace time starts as for a removal (and
// a removal for the boot loader keeps the state, as a removal does).
TEST_F(LinkTest, AnArrivalThatFindsThePadGoneIsItsRemoval) {
  const HidInterfaceInfo lateArrival{SimulatedPad::interfacePath(1), kPadVendor, kPadProduct, 1};
  struct Case {
    uint8_t expectDetach;
    int32_t state;
    bool graceTime;
  };
  int plugIns = 0;
  for (const Case c : {Case{0, kNoPad, true}, Case{1, kPadConnected, false}}) {
    if (!link) startLink();
    pad.plug();
    ASSERT_TRUE(runSequences(++plugIns));
    app.expectDetach = c.expectDetach;
    pad.unplug();  // its removals wait behind the late arrival
    link->onDeviceChange({HidEventType::Arrival, lateArrival});
    for (int handled = 0; handled < 2; ++handled) {
      EXPECT_EQ(app.LinkState, c.state) << "expectDetach " << int{c.expectDetach};
      EXPECT_EQ(timer.armed(), c.graceTime);
      EXPECT_EQ(app.expectDetach, 0);
      EXPECT_FALSE(link->padFound());
      dispatcher.drain();  // the removals change nothing more
    }
    if (c.graceTime) {
      timer.fire();
      EXPECT_EQ(observer.graceEnded, 1);
    }
  }
}

TEST_F(LinkTest, LongerAbsenceEndsTheGraceTime) {
  pad.plug();
  startLink();
  ASSERT_TRUE(runSequences(1));
  pad.unplug();
  dispatcher.drain();
  timer.fire();
  EXPECT_EQ(observer.graceEnded, 1);
  EXPECT_EQ(app.LinkState, kNoPad);
  EXPECT_FALSE(timer.armed());
}

TEST_F(LinkTest, Xbox360Mode) {
  pad.plug();
  startLink();
  ASSERT_TRUE(runSequences(1));
  pad.switchToXbox360();
  dispatcher.drain();
  EXPECT_EQ(app.LinkState, kPadXbox360);
  EXPECT_FALSE(timer.armed());
  EXPECT_EQ(observer.states.back(), kPadXbox360);

  pad.unplug();
  dispatcher.drain();
  EXPECT_EQ(app.LinkState, kNoPad);
  EXPECT_TRUE(timer.armed());
}

TEST_F(LinkTest, Xbox360ModeAtStart) {
  pad.switchToXbox360();
  startLink();
  EXPECT_EQ(app.LinkState, kPadXbox360);
  EXPECT_EQ(sent(), "");
}

TEST_F(LinkTest, OtherDevicesChangeNothing) {
  pad.plug();
  startLink();
  ASSERT_TRUE(runSequences(1));
  const HidInterfaceInfo others[] = {
      {"other", kPadVendor, 0x1234, 3},                             // another product of the maker
      {"usb", kPadVendor, kPadProduct, -1, HidNodeKind::UsbDevice},  // the pad's USB node itself
      {"mouse", 0x046D, 0xC077, 0},
  };
  for (const auto& other : others) {
    link->onDeviceChange({HidEventType::Removal, other});
    link->onDeviceChange({HidEventType::Arrival, other});
  }
  dispatcher.drain();
  EXPECT_EQ(app.LinkState, kPadConnected);
  EXPECT_TRUE(link->padFound());
  EXPECT_FALSE(timer.armed());
  EXPECT_EQ(sent(), kFullSequence);
}

TEST_F(LinkTest, RemovalForTheBootLoaderKeepsTheState) {
  int detached = 0;
  pad.setDetachHandler([&] { ++detached; });
  pad.plug();
  startLink();
  ASSERT_TRUE(runSequences(1));
  EXPECT_TRUE(link->commands().sendDetach(app));
  EXPECT_EQ(detached, 1);
  dispatcher.drain();
  EXPECT_EQ(app.LinkState, kPadConnected);
  EXPECT_EQ(app.expectDetach, 0);
  EXPECT_FALSE(timer.armed());
  EXPECT_FALSE(link->padFound());
  EXPECT_EQ(pad.mode(), SimulatedPad::Mode::Unplugged);
}

TEST_F(LinkTest, DetachThatCannotBeSentIsNotExpected) {
  startLink();
  EXPECT_FALSE(link->commands().sendDetach(app));
  EXPECT_EQ(app.expectDetach, 0);
}

TEST_F(LinkTest, ALostAnswerStopsTheSequence) {
  const std::string before = app.slotNames[2];
  pad.withFirmware([](SimulatedPadFirmware& firmware) {
    for (int i = 0; i < 4; ++i) firmware.slots[i].name = "Pad " + std::to_string(i + 1);
  });
  pad.setRequestFilter([](const Report& command) { return !(command[1] == '[' && command[2] == 3); });
  pad.plug();
  startLink();
  ASSERT_TRUE(runUntil([&] { return sent() == "W ] [1 [2 [3"; }));
  ASSERT_TRUE(runUntil([&] { return app.slotNames[1] == "Pad 2"; }));
  dispatcher.drain();
  EXPECT_EQ(app.slotNames[2], before);
  EXPECT_EQ(observer.sequencesDone, 0);
  EXPECT_EQ(sent(), "W ] [1 [2 [3");
}

TEST_F(LinkTest, KeyReportsReachTheFirstBytesOfLastReport) {
  pad.plug();
  startLink();
  ASSERT_TRUE(runSequences(1));
  Report keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = static_cast<uint8_t>(100 + i);
  pad.sendKeyReport(keys);
  ASSERT_TRUE(runUntil([&] { return app.lastReport[0] == 100; }));
  EXPECT_EQ(app.lastReport[8], 108);
  EXPECT_EQ(app.lastReport[9], 0) << "bytes past 8 stay the command report's";
}

TEST_F(LinkTest, CommandPausesKeepTheProtocolPacing) {
  pad.plug();
  startLink();
  ASSERT_TRUE(runSequences(1));
  // The reader's pauses may interleave with the owner thread's: count them.
  auto pauses = sleeper.pauses();
  EXPECT_EQ(std::count(pauses.begin(), pauses.end(), 30), 10);  // W ] [1..[4 V1..V4
  EXPECT_EQ(std::count(pauses.begin(), pauses.end(), 100), 4);  // each name answer
  EXPECT_EQ(pauses.size(), 14u);
}

}  // namespace
}  // namespace ostrel::testing
