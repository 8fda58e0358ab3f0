// One journey through the whole program on the real Linux HID backend: the
// pad emulated at the hidraw level under umockdev, answering as the pad does.
// Connect, Next, edit and Save, activate, Quit, with what the pad received.
#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <mutex>

#include "AppHarness.h"
#include "MockedBus.h"
#include "library/ProfileLibrary.h"
#include "link/PadIdentity.h"
#include "link/hid/HidBackend.h"
#include "link/hid/SimulatedPadFirmware.h"
#include "screens/HomeScreen.h"

namespace ostrel::test {
namespace {

using ostrel::testing::MockedBus;

TEST(LinuxJourney, ConnectEditSaveActivateAndQuitOnAnEmulatedPad) {
  MockedBus bus;  // before any udev context
  bus.addHidDevice("1-1", kPadVendor, kPadProduct, 4, 0);
  std::mutex padMutex;
  SimulatedPadFirmware firmware;
  for (int i = 0; i < kSlotCount; ++i) firmware.slots[static_cast<std::size_t>(i)].name = "Mocked " + std::to_string(i + 1);
  std::vector<Report> received;
  bus.onWrite("/dev/hidraw3", [&](const Report& command) {
    std::vector<Report> answers;
    {
      std::lock_guard lock(padMutex);
      received.push_back(command);
      answers = firmware.handle(command).answers;
    }
    for (const Report& answer : answers) bus.answer("/dev/hidraw3", answer);
  });
  const auto padHolds = [&](auto&& check) {
    std::lock_guard lock(padMutex);
    return check(firmware, received);
  };

  const std::unique_ptr<HidBackend> backend = createHidBackend();
  AppHarness program;
  program.hidOverride = backend.get();
  ASSERT_TRUE(program.start());
  ASSERT_TRUE(program.waitFor([&] {
    return program.state().LinkState == kPadConnected && program.state().slotNames[3] == "Mocked 4" &&
           program.app().library().fileExists(program.app().library().basePath + "Myprofile/Mocked 4.klt");
  }));
  program.click(program.window(), MainWindow::kNextId);
  QWidget& home = *program.container().page(kHomeScreen);

  auto* sensitivity = program.control<QLineEdit>(home, HomeScreen::kSensitivity1);
  sensitivity->selectAll();
  sensitivity->insert(QStringLiteral("7"));
  program.click(home, HomeScreen::kSaveLower);
  ProfileLibrary reader;
  reader.basePath = program.app().library().basePath;
  ASSERT_TRUE(reader.loadProfileIntoSlot(0, "Mocked 1"));
  EXPECT_EQ(reader.savedValues[0][ProfileIndex::sensitivity1], 7.0f);

  padHolds([](SimulatedPadFirmware&, std::vector<Report>& reports) {
    reports.clear();
    return true;
  });
  program.click(home, HomeScreen::kActivate);
  ASSERT_TRUE(program.waitFor([&] {
    return padHolds([](SimulatedPadFirmware& pad, std::vector<Report>&) { return pad.activations == 1; });
  }));
  padHolds([&](SimulatedPadFirmware& pad, std::vector<Report>& reports) {
    // Four slots of one name report and ten profile packets each.
    EXPECT_EQ(reports.size(), 44u);
    for (int i = 0; i < kSlotCount; ++i) {
      const auto s = static_cast<std::size_t>(i);
      EXPECT_EQ(pad.slots[s].name, "Mocked " + std::to_string(i + 1));
      EXPECT_TRUE(reader.loadProfileIntoSlot(i, pad.slots[s].name));
      EXPECT_TRUE(std::equal(pad.slots[s].values.begin(), pad.slots[s].values.end(), reader.savedValues[s].begin()))
          << "slot " << i + 1 << " holds its file";
    }
    EXPECT_EQ(pad.slots[0].values[ProfileIndex::sensitivity1], 7.0f);
    return true;
  });

  program.click(home, HomeScreen::kQuit);
  EXPECT_TRUE(program.container().page(kQuitPromptScreen)->isVisible());
}

}  // namespace
}  // namespace ostrel::test
