// The firmware update screen in the whole program: a real loopback FTP server
// with the version file and the firmware, the simulated pad that leaves for
// its boot loader on '^', and the boot loader that brings the pad back
// running what was flashed. Timer 1 is driven by hand.

#include <QApplication>
#include <QCloseEvent>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "AppHarness.h"
#include "PyFtpServer.h"
#include "controls/TextProgressBar.h"
#include "dfu/DfuEngine.h"
#include "dfu/sim/SimulatedFirmwareImage.h"
#include "library/ProfileLibrary.h"
#include "link/ReportCodec.h"
#include "screens/UpdateScreen.h"
#include "screens/GeneralScreen.h"

namespace ostrel::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFirmwareSize = 64 * 1024;

void writeFile(const fs::path& file, const std::vector<uint8_t>& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> text(const std::string& s) { return {s.begin(), s.end()}; }

class UpdateScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ftp.running());
    harness.server = ftp.settings();
  }

  void serveVersion(const std::string& version) { writeFile(serverFolder() / "version.klt", text(version + "\r\n")); }
  void serveFirmware() { writeFile(serverFolder() / "Ostrel.dfu", firmware); }
  fs::path serverFolder() const { return ftp.root() / "Firmware_updates_PX720_LT"; }
  fs::path dataFile(const std::string& relative) const {
    return fs::path(harness.programFolder().toStdString()) / relative;
  }
  void putFactoryFirmware() { writeFile(dataFile("Version/factory.dfu"), factory); }

  // The program with the pad connected (and answering, so its firmware
  // version is known unless told otherwise), the general screen in view.
  void openGeneralScreen(bool answers = true) {
    ASSERT_TRUE(harness.start());
    harness.plug(answers);
    if (answers) {
      ASSERT_TRUE(harness.waitFor([this] { return harness.state().padFirmwareVersion == 1.0f; }));
    }
    harness.click(harness.window(), MainWindow::kNextId);
    harness.state().ScreenId = kGeneralScreen;
    harness.container().showCurrentScreen();
    screen().setTickPeriod(3600 * 1000);
  }
  void pressFirmwareUpdate() {
    harness.click(*harness.container().page(kGeneralScreen), GeneralScreen::kFirmwareUpdate);
    ASSERT_TRUE(screen().isVisible());
  }

  UpdateScreen& screen() { return *static_cast<UpdateScreen*>(harness.container().page(kUpdateScreen)); }
  int32_t state() { return screen().updateState(); }
  bool shows(int id) { return harness.control(screen(), id)->isVisible(); }

  // One tick of timer 1, then what the worker and the USB bus handed over.
  void tick() {
    screen().tick();
    QCoreApplication::processEvents();
  }
  // Ticks until done holds; between ticks the server's answers and device
  // changes may come in. False after a generous number of ticks.
  bool tickUntil(const std::function<bool()>& done, int ticks = 200) {
    for (int i = 0; i < ticks && !done(); ++i) {
      tick();
      if (!done()) QTest::qWait(5);
    }
    return done();
  }
  bool tickUntilState(int32_t wanted) {
    return tickUntil([&] { return state() == wanted; });
  }
  bool padBackWith(float version) {
    return tickUntil([&] {
      return harness.pad.mode() == SimulatedPad::Mode::Pad && harness.state().LinkState == kPadConnected &&
             harness.state().padFirmwareVersion == version;
    });
  }
  void waitForBootLoaderInVain();
  bool detachSent() {
    for (const Report& report : harness.pad.receivedReports())
      if (report[1] == Letter::detach) return true;
    return false;
  }

  PyFtpServer ftp;
  AppHarness harness;
  const std::vector<uint8_t> firmware = makeSimulatedFirmware(0x0110, kFirmwareSize);
  const std::vector<uint8_t> factory = makeSimulatedFirmware(0x0100, kFirmwareSize);
};

TEST_F(UpdateScreenTest, OfferAndYesUpdateThePadWhichComesBackWithTheNewVersion) {
  serveVersion("1.10");
  serveFirmware();
  openGeneralScreen();
  pressFirmwareUpdate();
  EXPECT_EQ(harness.state().ScreenId, kUpdateScreen);
  EXPECT_EQ(state(), UpdateScreen::kStarting);
  EXPECT_TRUE(screen().timer().isActive());

  tick();
  EXPECT_EQ(state(), UpdateScreen::kContacting);
  EXPECT_EQ(screen().statePicture(), "Screen8/contacting.png");
  ASSERT_TRUE(tickUntilState(UpdateScreen::kOffer));
  EXPECT_EQ(screen().statePicture(), "Screen8/firmware-update.png");
  EXPECT_TRUE(shows(UpdateScreen::kYes) && shows(UpdateScreen::kNo));
  EXPECT_FALSE(shows(UpdateScreen::kOk));

  harness.click(screen(), UpdateScreen::kYes);
  EXPECT_EQ(state(), UpdateScreen::kDownloading);
  EXPECT_EQ(screen().statePicture(), "Screen8/updating.png");
  ASSERT_TRUE(tickUntilState(UpdateScreen::kWaitingForDfu));
  EXPECT_EQ(readFile(dataFile("Version/Ostrel.dfu")), firmware);
  EXPECT_TRUE(detachSent());
  EXPECT_EQ(harness.state().LinkState, kPadConnected) << "leaving for the boot loader is no disconnection";

  ASSERT_TRUE(tickUntilState(UpdateScreen::kProgramming));
  EXPECT_TRUE(screen().progressBar().isVisible());
  ASSERT_TRUE(tickUntilState(UpdateScreen::kDone));
  EXPECT_EQ(screen().statePicture(), "Screen8/success-update.png");
  EXPECT_TRUE(shows(UpdateScreen::kOk));
  EXPECT_FALSE(screen().progressBar().isVisible());
  EXPECT_EQ(harness.app().library().readVersion(), "1.10");
  EXPECT_FLOAT_EQ(harness.state().padFirmwareVersion, 1.10f) << "shown before the pad reports it";

  ASSERT_TRUE(padBackWith(1.10f)) << "the pad restarts with the flashed firmware";
  EXPECT_TRUE(screen().isVisible());
  harness.click(screen(), UpdateScreen::kOk);
  EXPECT_EQ(harness.state().ScreenId, kGeneralScreen);
  EXPECT_TRUE(harness.container().page(kGeneralScreen)->isVisible());
  EXPECT_TRUE(tickUntil([&] { return !screen().timer().isActive(); }));
}

// Leaving while the pad is in its boot loader would strand it there: a
// window-manager close request is refused until the pad is through.
TEST_F(UpdateScreenTest, ACloseRequestWhileThePadIsFlashedIsRefused) {
  serveVersion("1.10");
  serveFirmware();
  openGeneralScreen();
  pressFirmwareUpdate();
  ASSERT_TRUE(tickUntilState(UpdateScreen::kOffer));
  harness.click(screen(), UpdateScreen::kYes);
  for (const int32_t busy : {UpdateScreen::kWaitingForDfu, UpdateScreen::kProgramming}) {
    ASSERT_TRUE(tickUntilState(busy));
    QCloseEvent close;
    QApplication::sendEvent(&harness.window(), &close);
    EXPECT_TRUE(screen().isVisible());
    EXPECT_EQ(state(), busy);
  }
  EXPECT_EQ(harness.shell.quits, 0);
  ASSERT_TRUE(tickUntilState(UpdateScreen::kDone));
}

// OK pressed the moment success shows: the request that restarts the pad is
// still on its way and must not be stopped by leaving the screen.
TEST_F(UpdateScreenTest, OkRightAfterSuccessStillRestartsThePad) {
  serveVersion("1.10");
  serveFirmware();
  openGeneralScreen();
  pressFirmwareUpdate();
  ASSERT_TRUE(tickUntilState(UpdateScreen::kOffer));
  harness.click(screen(), UpdateScreen::kYes);
  ASSERT_TRUE(tickUntilState(UpdateScreen::kDone));
  ASSERT_TRUE(screen().engine().leavingDfuMode());
  harness.click(screen(), UpdateScreen::kOk);
  EXPECT_TRUE(harness.container().page(kGeneralScreen)->isVisible());
  EXPECT_TRUE(screen().timer().isActive());
  EXPECT_TRUE(tickUntil([&] { return !screen().timer().isActive(); })) << "the ticks end with the request";
  ASSERT_TRUE(padBackWith(1.10f)) << "the pad restarts with the flashed firmware";
  EXPECT_FALSE(screen().isVisible());
  EXPECT_EQ(harness.state().ScreenId, kGeneralScreen);
}

TEST_F(UpdateScreenTest, NoReturnsToTheGeneralScreenWithoutDownloading) {
  serveVersion("1.10");
  serveFirmware();
  openGeneralScreen();
  pressFirmwareUpdate();
  ASSERT_TRUE(tickUntilState(UpdateScreen::kOffer));
  harness.click(screen(), UpdateScreen::kNo);
  EXPECT_FALSE(screen().isVisible());
  EXPECT_TRUE(harness.container().page(kGeneralScreen)->isVisible());
  EXPECT_FALSE(screen().timer().isActive());
  EXPECT_FALSE(fs::exists(dataFile("Version/Ostrel.dfu")));
  EXPECT_FALSE(detachSent());
}

struct EndCase {
  const char* name;
  bool padAnswers;
  bool serverUp;
  const char* served;  // the version on the server; null for no version file
  int32_t state;
  const char* picture;
};

class UpdateScreenEnds : public UpdateScreenTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(UpdateScreenEnds, WithItsPictureAndOk) {
  const EndCase& c = GetParam();
  if (c.served) serveVersion(c.served);
  if (!c.serverUp) harness.server.port = closedLoopbackPort();
  openGeneralScreen(c.padAnswers);
  pressFirmwareUpdate();
  ASSERT_TRUE(tickUntilState(c.state));
  EXPECT_EQ(screen().statePicture(), c.picture);
  EXPECT_TRUE(shows(UpdateScreen::kOk));
  EXPECT_FALSE(shows(UpdateScreen::kYes));
  EXPECT_FALSE(detachSent());
  // No key presses OK.
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space})
    QTest::keyClick(harness.control(screen(), UpdateScreen::kOk), key);
  EXPECT_TRUE(screen().isVisible());
  harness.click(screen(), UpdateScreen::kOk);
  EXPECT_TRUE(harness.container().page(kGeneralScreen)->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateScreenEnds,
    ::testing::Values(EndCase{"NoPadVersion", false, true, "1.10", UpdateScreen::kNoPad, "Screen8/nocontroller.png"},
                      EndCase{"ServerUnreachable", true, false, "1.10", UpdateScreen::kNoServer, "Screen8/no-internet.png"},
                      EndCase{"SameVersion", true, true, "1.00", UpdateScreen::kNotNeeded, "Screen8/update-notneeded.png"},
                      EndCase{"NoVersionFile", true, true, nullptr, UpdateScreen::kNotNeeded, "Screen8/update-notneeded.png"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdateScreenTest, FirmwareDownloadFailureShowsNoInternetAndKeepsThePad) {
  serveVersion("1.10");
  openGeneralScreen();
  pressFirmwareUpdate();
  ASSERT_TRUE(tickUntilState(UpdateScreen::kOffer));
  harness.click(screen(), UpdateScreen::kYes);
  ASSERT_TRUE(tickUntilState(UpdateScreen::kDownloadFailed));
  EXPECT_EQ(screen().statePicture(), "Screen8/no-internet.png");
  EXPECT_TRUE(shows(UpdateScreen::kOk));
  EXPECT_FALSE(detachSent());
  EXPECT_EQ(harness.pad.mode(), SimulatedPad::Mode::Pad);
}

// Waiting for a boot loader to program: the progress text counts the ticks,
// and the sixtieth ends in the failed state.
void UpdateScreenTest::waitForBootLoaderInVain() {
  serveVersion("1.10");
  serveFirmware();
  pressFirmwareUpdate();
  ASSERT_TRUE(tickUntilState(UpdateScreen::kOffer));
  harness.click(screen(), UpdateScreen::kYes);
  ASSERT_TRUE(tickUntilState(UpdateScreen::kWaitingForDfu));
  for (int i = 1; i < UpdateScreen::kDfuWaitTicks; ++i) tick();
  EXPECT_EQ(state(), UpdateScreen::kWaitingForDfu);
  EXPECT_EQ(screen().progressBar().text(), "0: (59%)...");
  tick();
  EXPECT_EQ(state(), UpdateScreen::kFailed);
  EXPECT_EQ(screen().statePicture(), "Screen8/failed-update.png");
  EXPECT_TRUE(shows(UpdateScreen::kOk));
  tick();
  EXPECT_FALSE(screen().timer().isActive()) << "the failed state stops timer 1";
}

TEST_F(UpdateScreenTest, BootLoaderThatNeverComesFailsAfterSixtyTicks) {
  openGeneralScreen();
  harness.pad.setRequestFilter([](const Report& r) { return r[1] != Letter::detach; });
  waitForBootLoaderInVain();
}

TEST_F(UpdateScreenTest, BootLoaderThatCannotDownloadIsNeverProgrammed) {
  SimulatedDfuseConfig uploadOnly;
  uploadOnly.attributes = 0x0A;  // bit 0 (download) clear
  harness.rig.setBootLoaderConfig(uploadOnly);
  openGeneralScreen();
  waitForBootLoaderInVain();
  ASSERT_NE(harness.rig.bootLoader(), nullptr);
  EXPECT_EQ(harness.rig.bootLoader()->erasedSectors(), 0u);
}

TEST_F(UpdateScreenTest, UnplugDuringProgrammingFailsThenTheReturningBootLoaderIsRecovered) {
  serveVersion("1.10");
  serveFirmware();
  putFactoryFirmware();
  openGeneralScreen();
  harness.rig.setBootLoaderFaults({.unplugAtWrite = 5});
  pressFirmwareUpdate();
  ASSERT_TRUE(tickUntilState(UpdateScreen::kOffer));
  harness.click(screen(), UpdateScreen::kYes);
  ASSERT_TRUE(tickUntilState(UpdateScreen::kProgramming));
  ASSERT_TRUE(tickUntil([&] { return harness.rig.bootLoader() == nullptr; }));
  ASSERT_TRUE(tickUntilState(UpdateScreen::kFailed));
  EXPECT_EQ(screen().statePicture(), "Screen8/failed-update.png");
  EXPECT_EQ(harness.pad.mode(), SimulatedPad::Mode::Unplugged);

  // Plugged in again, the pad is still in its boot loader: recovery.
  harness.rig.setBootLoaderFaults({});
  harness.rig.enterBootLoader();
  ASSERT_TRUE(harness.waitFor([&] { return state() == UpdateScreen::kWaitingForDfu; }));
  EXPECT_EQ(harness.state().LinkState, kPadDfu);
  EXPECT_EQ(screen().statePicture(), "Screen8/recover.png");
  EXPECT_TRUE(screen().isVisible());
  ASSERT_TRUE(tickUntilState(UpdateScreen::kDone));
  EXPECT_EQ(screen().statePicture(), "Screen8/success-recover.png");
  EXPECT_EQ(harness.app().library().readVersion(), "1.00");
  ASSERT_TRUE(padBackWith(1.0f));
  EXPECT_TRUE(screen().isVisible());
}

// A boot loader that hangs in its first erase: the programming time-out fails
// the update and stops the operation; OK leaves; then a recovery and a later
// update each run.
TEST_F(UpdateScreenTest, StuckBootLoaderTimesOutAndLaterUpdatesStillRun) {
  serveVersion("1.10");
  serveFirmware();
  putFactoryFirmware();
  openGeneralScreen();
  harness.rig.setBootLoaderFaults({.stuckErasing = true, .stuckAnswerMs = 20});
  pressFirmwareUpdate();
  ASSERT_TRUE(tickUntilState(UpdateScreen::kOffer));
  harness.click(screen(), UpdateScreen::kYes);
  ASSERT_TRUE(tickUntilState(UpdateScreen::kProgramming));
  for (int i = 0; i < UpdateScreen::kProgrammingTicks && state() == UpdateScreen::kProgramming; ++i) tick();
  ASSERT_EQ(state(), UpdateScreen::kFailed);
  EXPECT_EQ(screen().statePicture(), "Screen8/failed-update.png");
  EXPECT_EQ(screen().engine().operationHandle, 0u) << "the failed update's pass is stopped";
  tick();
  harness.click(screen(), UpdateScreen::kOk);
  EXPECT_TRUE(harness.container().page(kGeneralScreen)->isVisible());

  // Pulled and plugged in again, the pad is still in its boot loader.
  harness.rig.setBootLoaderFaults({});
  harness.rig.unplug();
  harness.rig.enterBootLoader();
  ASSERT_TRUE(harness.waitFor([&] { return state() == UpdateScreen::kWaitingForDfu; }));
  ASSERT_TRUE(tickUntilState(UpdateScreen::kDone));
  EXPECT_EQ(screen().statePicture(), "Screen8/success-recover.png");
  ASSERT_TRUE(padBackWith(1.0f));
  harness.click(screen(), UpdateScreen::kOk);

  pressFirmwareUpdate();
  ASSERT_TRUE(tickUntilState(UpdateScreen::kOffer));
  harness.click(screen(), UpdateScreen::kYes);
  ASSERT_TRUE(tickUntilState(UpdateScreen::kDone));
  EXPECT_EQ(screen().statePicture(), "Screen8/success-update.png");
  ASSERT_TRUE(padBackWith(1.10f));
}

// A damaged or foreign firmware file from the server is found out before the
// pad is sent to its boot loader: the pad keeps running, the screen fails.
TEST_F(UpdateScreenTest, UnusableFirmwareFileNeverDetachesThePad) {
  const std::vector<uint8_t> good = firmware;
  std::vector<uint8_t> badCrc = good;
  badCrc[1000] ^= 0x01;
  DfuseFile foreign;
  ASSERT_EQ(DfuseFile::parse(good, foreign), DfuseFileError::none);
  foreign.vendor = 0x1234;
  const std::vector<std::pair<const char*, std::vector<uint8_t>>> files = {
      {"bad CRC", badCrc},
      {"cut short", std::vector<uint8_t>(good.begin(), good.begin() + good.size() / 2)},
      {"for another device", foreign.serialise()},
  };
  serveVersion("1.10");
  openGeneralScreen();
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    writeFile(serverFolder() / "Ostrel.dfu", bytes);
    pressFirmwareUpdate();
    ASSERT_TRUE(tickUntilState(UpdateScreen::kOffer));
    harness.click(screen(), UpdateScreen::kYes);
    ASSERT_TRUE(tickUntilState(UpdateScreen::kFailed));
    EXPECT_EQ(screen().statePicture(), "Screen8/failed-update.png");
    EXPECT_TRUE(shows(UpdateScreen::kOk));
    EXPECT_FALSE(detachSent());
    EXPECT_EQ(harness.pad.mode(), SimulatedPad::Mode::Pad);
    EXPECT_EQ(harness.rig.bootLoaderArrivals(), 0);
    harness.click(screen(), UpdateScreen::kOk);
    EXPECT_TRUE(harness.container().page(kGeneralScreen)->isVisible());
  }
}

// A boot loader that turns up while another screen is shown takes over the
// view, whichever the pad's removal and the boot loader's arrival is handled
// first, and the end of the pad's grace time does not take the view back.
TEST_F(UpdateScreenTest, BootLoaderFoundWhileAnotherScreenIsShownIsRecoveredInView) {
  for (const bool arrivalFirst : {false, true}) {
    SCOPED_TRACE(arrivalFirst ? "boot loader seen before the pad's removal" : "pad's removal seen first");
    AppHarness program;
    program.server = ftp.settings();
    writeFile(fs::path(program.programFolder().toStdString()) / "Version/factory.dfu", factory);
    ASSERT_TRUE(program.start());
    program.plug(true);
    program.click(program.window(), MainWindow::kNextId);
    program.state().ScreenId = kGeneralScreen;
    program.container().showCurrentScreen();
    QTest::qWait(20);  // the general screen paints, taking the screen number
    auto& update = *static_cast<UpdateScreen*>(program.container().page(kUpdateScreen));
    update.setTickPeriod(3600 * 1000);
    if (arrivalFirst) {
      program.rig.bus().plug("early-boot-loader", std::make_shared<SimulatedDfuseDevice>(SimulatedDfuseConfig{}, program.dfuClock));
      ASSERT_TRUE(program.waitFor([&] { return update.updateState() == UpdateScreen::kWaitingForDfu; }));
      program.pad.unplug();
    } else {
      program.rig.enterBootLoader();
      ASSERT_TRUE(program.waitFor([&] { return update.updateState() == UpdateScreen::kWaitingForDfu; }));
    }
    QTest::qWait(20);
    program.timer.fire();  // the pad's grace time ends
    QTest::qWait(20);
    EXPECT_EQ(program.state().LinkState, kPadDfu);
    EXPECT_EQ(program.state().ScreenId, kUpdateScreen);
    EXPECT_TRUE(update.isVisible());
    EXPECT_FALSE(program.container().page(kGeneralScreen)->isVisible());
    EXPECT_EQ(update.statePicture(), "Screen8/recover.png");
  }
}

// A boot loader on the bus when the program starts: the pad is recovered
// before the first screen is left.
class UpdateScreenAtStartUp : public UpdateScreenTest {
 protected:
  void startInBootLoader() {
    harness.rig.enterBootLoader();
    ASSERT_TRUE(harness.start());
    ASSERT_TRUE(harness.waitFor([&] { return harness.window().container() != nullptr; }));
    screen().setTickPeriod(3600 * 1000);
    ASSERT_TRUE(harness.waitFor([&] { return state() == UpdateScreen::kWaitingForDfu; }))
        << state() << " id " << harness.state().ScreenId << " ready " << int(screen().engine().deviceReady) << " link "
        << harness.state().LinkState << " devs " << screen().engine().deviceList().size();
    EXPECT_EQ(harness.window().startupWatch(), nullptr);
    EXPECT_EQ(harness.state().LinkState, kPadDfu);
    EXPECT_TRUE(screen().isVisible());
  }
};

TEST_F(UpdateScreenAtStartUp, RecoversThePadWithTheFactoryFirmware) {
  putFactoryFirmware();
  startInBootLoader();
  EXPECT_EQ(screen().engine().firmwarePath(), dataFile("Version/factory.dfu").string());
  ASSERT_TRUE(tickUntilState(UpdateScreen::kDone));
  EXPECT_EQ(screen().statePicture(), "Screen8/success-recover.png");
  ASSERT_TRUE(padBackWith(1.0f));
  EXPECT_EQ(harness.state().ScreenId, kUpdateScreen);
  EXPECT_TRUE(screen().isVisible());
  harness.click(screen(), UpdateScreen::kOk);
  EXPECT_TRUE(harness.container().page(kGeneralScreen)->isVisible());
}

TEST_F(UpdateScreenAtStartUp, WithoutFactoryFirmwareFailsWithinTheTimeOut) {
  startInBootLoader();
  ASSERT_FALSE(fs::exists(dataFile("Version/factory.dfu")));
  int ticks = 0;
  for (; state() != UpdateScreen::kFailed && ticks < 200; ++ticks) tick();
  EXPECT_EQ(state(), UpdateScreen::kFailed);
  EXPECT_LE(ticks, UpdateScreen::kProgrammingTicks + 1) << "the programming time-out, not a hang";
  EXPECT_EQ(screen().statePicture(), "Screen8/failed-update.png");
  EXPECT_NE(harness.rig.bootLoader(), nullptr) << "the pad stays in DFU mode for another recovery";
  harness.click(screen(), UpdateScreen::kOk);
  EXPECT_TRUE(harness.container().page(kGeneralScreen)->isVisible());
}

}  // namespace
}  // namespace ostrel::test
