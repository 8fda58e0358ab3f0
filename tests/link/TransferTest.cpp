// Profiles received from the pad are filed in the library; activation writes
// the four slots to the pad.

#include <fstream>

#include "LinkTestSupport.h"

namespace ostrel::testing {
namespace {

ProfileRecord patterned(float seed) {
  ProfileRecord values = defaultProfile;
  for (int i = 0; i < 28; ++i) values[i] = seed + 0.5f * static_cast<float>(i);
  for (int k = 0; k < kControlCount; ++k) {
    values[controlIndex(k) + ControlEntry::code] = static_cast<float>((static_cast<int>(seed) + k) % 256);
    values[controlIndex(k) + ControlEntry::paramB] = seed * 0.125f;
  }
  values[ProfileIndex::shortcutsOff] = seed;
  return values;
}

class TransferTest : public LinkTest {
 protected:
  void connectWithPadProfiles() {
    pad.withFirmware([](SimulatedPadFirmware& firmware) {
      for (int i = 0; i < 4; ++i) {
        firmware.slots[i] = {"Pad " + std::to_string(i + 1), patterned(10.0f * (i + 1)), profileFlags(1, false)};
      }
      firmware.slots[2].flags = 130;  // slot 3: paddles off, German
      firmware.slots[3].flags = profileFlags(5, false);
    });
    pad.plug();
    startLink();
    ASSERT_TRUE(runSequences(1));
  }
};

TEST_F(TransferTest, ReceivedProfilesAreFiledUnderTheSlotNames) {
  connectWithPadProfiles();
  for (int i = 0; i < 4; ++i) {
    const ProfileRecord expected = patterned(10.0f * (i + 1));
    const std::string name = "Pad " + std::to_string(i + 1);
    for (std::size_t v = 0; v < kProfileSize; ++v) {
      ASSERT_EQ(library.padValues[i][v], expected[v]) << "slot " << i << " value " << v;
      ASSERT_EQ(library.savedValues[i][v], expected[v]);
      ASSERT_EQ(library.editValues[i][v], expected[v]);
    }
    EXPECT_TRUE(library.fileExists(library.basePath + "Myprofile/" + name + ".klt"));
    EXPECT_EQ(library.getSlotName(i), name);
  }
  EXPECT_EQ(app.savedSlotOff[2], 1);
  EXPECT_EQ(app.slotOff[2], 1);
  EXPECT_EQ(app.slotOff[1], 0);
  EXPECT_EQ(observer.languages, (std::vector<int>{1, 1, 2, 5}));
  EXPECT_EQ(app.language, 5);
  EXPECT_EQ(app.resourceFolder, "res/Italian/");
}

TEST_F(TransferTest, NamesThatCannotBeFileNamesAreNotTaken) {
  pad.withFirmware([](SimulatedPadFirmware& firmware) {
    firmware.slots[0].name = "../../escape";
    firmware.slots[1].name = "";
    firmware.slots[2].name = "Profile";  // the slot list
    firmware.slots[3].name = "name";     // the name index, in another letter case
  });
  pad.plug();
  startLink();
  ASSERT_TRUE(runSequences(1));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(app.slotNames[i], "Default") << i;
    EXPECT_EQ(library.getSlotName(i), "Default") << i;  // still a readable list
  }
  ASSERT_TRUE(library.loadMyNames());
  EXPECT_EQ(library.myCount, 1);
  EXPECT_EQ(library.myNames[0], "Default");
  EXPECT_FALSE(fs::exists(root / "escape.klt"));
  EXPECT_FALSE(fs::exists(root.parent_path() / "escape.klt"));
}

// Start-up with a slot list whose names the library refuses (left by an
// earlier version, or made by hand), one line short.
class RefusedSlotNames : public TransferTest {
 protected:
  void SetUp() override {
    root = makeScratchFolder();
    fs::create_directory(root / "Myprofile");
    std::ofstream(root / "Myprofile" / "Profile.klt", std::ios::binary) << "CON\r\nName\r\nProfile";
    startLibrary(root, library, app);
  }
};

TEST_F(RefusedSlotNames, SlotsHoldTheDefaultsAndActivationSendsThem) {
  pad.withFirmware([](SimulatedPadFirmware& firmware) {
    for (auto& slot : firmware.slots) slot = {"", patterned(3.0f), 0};  // empty: the slots keep their names
  });
  pad.plug();
  startLink();
  ASSERT_TRUE(runSequences(1));
  pad.clearReceivedReports();
  app.currentSlot = 1;
  ASSERT_TRUE(link->transfer().activateProfiles(app.slotNames[0]));

  const auto reports = pad.receivedReports();
  ASSERT_EQ(reports.size(), 44u);
  for (int slot = 1; slot <= 4; ++slot) {
    const int index = slot - 1;
    const ProfilePackets packets = encodeProfilePackets('U', slot, profileFlags(app.language, false), defaultProfile);
    for (int p = 0; p < kProfilePackets; ++p) {
      EXPECT_EQ(reports[11 * index + 1 + p], packets[p]) << "slot " << slot << " packet " << p + 1;
    }
  }
  const std::string names[] = {"CON", "Name", "Profile", ""};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(library.getSlotName(i), names[i]) << i;  // the list is still plain
}

TEST_F(TransferTest, ActivationSendsElevenReportsPerSlotInOrder) {
  connectWithPadProfiles();
  pad.clearReceivedReports();
  sleeper.clear();
  app.currentSlot = 2;
  app.savedSlotOff[3] = 1;
  app.language = 4;
  bool edited = false;
  ASSERT_TRUE(link->transfer().activateProfiles("Renamed", [&] { edited = true; }));
  EXPECT_TRUE(edited);
  EXPECT_EQ(app.slotNames[1], "Renamed");
  EXPECT_EQ(app.savedSlotNames[1], "Renamed");

  const auto reports = pad.receivedReports();
  ASSERT_EQ(reports.size(), 44u);
  for (int slot = 1; slot <= 4; ++slot) {
    const int index = slot - 1;
    const uint8_t flags = profileFlags(4, slot >= 3);  // slot 3 arrived switched off
    EXPECT_EQ(reports[11 * index], encodeNameReport(slot, flags, app.slotNames[index])) << slot;
    ProfileRecord saved{};
    std::copy_n(library.savedValues[index].begin(), kProfileSize, saved.begin());
    const ProfilePackets packets = encodeProfilePackets('U', slot, flags, saved);
    for (int p = 0; p < kProfilePackets; ++p) {
      EXPECT_EQ(reports[11 * index + 1 + p], packets[p]) << "slot " << slot << " packet " << p + 1;
    }
  }
  const auto pauses = sleeper.pauses();
  EXPECT_EQ(std::count(pauses.begin(), pauses.end(), 100), 4);
  EXPECT_EQ(std::count(pauses.begin(), pauses.end(), 30), 40);

  ASSERT_TRUE(runUntil([&] { return app.storedNotice == 1; }));
  pad.withFirmware([](SimulatedPadFirmware& firmware) {
    EXPECT_EQ(firmware.activations, 1);
    EXPECT_EQ(firmware.slots[1].name, "Renamed");
    EXPECT_EQ(firmware.slots[3].flags, 132);
  });
  EXPECT_EQ(library.getSlotName(1), "Renamed");
}

TEST_F(TransferTest, ActivationWithoutACurrentSlotSendsNothing) {
  connectWithPadProfiles();
  pad.clearReceivedReports();
  app.currentSlot = 0;
  EXPECT_FALSE(link->transfer().activateProfiles("Name"));
  EXPECT_TRUE(pad.receivedReports().empty());
}

TEST_F(TransferTest, ActivationTellsWhenReportsDidNotGoOut) {
  connectWithPadProfiles();
  pad.unplug();
  dispatcher.drain();
  app.currentSlot = 1;
  EXPECT_FALSE(link->transfer().activateProfiles("Name"));
}

}  // namespace
}  // namespace ostrel::testing
