// The version check, the firmware download and the update-offer rule, end to
// end against a real FTP server and the profile library's version file.

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "ServedLibraryTest.h"
#include "library/LibraryFolders.h"
#include "online/FirmwareServer.h"
#include "online/UpdateOffer.h"
#include "profile/AppState.h"

namespace ostrel {
namespace {

using test::readFile;
using test::writeFile;

class FirmwareServer : public test::ServedLibraryTest {
 protected:
  static void offerOnServer(const std::string& versionText) {
    writeFile(serverRoot() / kServerVersionFile, versionText);
  }
  static void removeFromServer(const char* path) { std::filesystem::remove(serverRoot() / path); }
  std::filesystem::path localFile(const char* relative) const { return local_.path() / relative; }
};

struct OfferCase {
  float pad;
  std::string server;
  bool offered;
};

class UpdateOfferEndToEnd : public FirmwareServer, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(UpdateOfferEndToEnd, FollowsTheServersVersionFile) {
  const OfferCase& c = GetParam();
  offerOnServer(c.server);
  const VersionCheck check = checkVersion(settings(), library_.basePath);
  EXPECT_EQ(check.state, kVersionChecked);
  EXPECT_TRUE(check.versionReceived);
  EXPECT_EQ(readFile(localFile(kVersionFile)), c.server);
  EXPECT_EQ(check.offersUpdate(c.pad, library_.readVersion()), c.offered);
}

INSTANTIATE_TEST_SUITE_P(PadAndServer, UpdateOfferEndToEnd,
                         ::testing::Values(OfferCase{1.00f, "1.10", true},    // newer on the server
                                           OfferCase{1.10f, "1.10", false},   // the same
                                           OfferCase{1.00f, "1.0", false},    // the same, written differently
                                           OfferCase{1.20f, "1.10", false},   // never a downgrade
                                           OfferCase{0.00f, "", false},       // empty file reads as 0
                                           OfferCase{1.00f, "1.00\n1.30", true}));  // the last line counts

TEST_F(FirmwareServer, MissingVersionFileIsNoOfferAndKeepsTheLocalFile) {
  offerOnServer("1.50");
  ASSERT_TRUE(checkVersion(settings(), library_.basePath).versionReceived);
  removeFromServer(kServerVersionFile);
  const VersionCheck check = checkVersion(settings(), library_.basePath);
  EXPECT_EQ(check.state, kVersionChecked);
  EXPECT_FALSE(check.versionReceived);
  EXPECT_EQ(library_.readVersion(), "1.50");
  EXPECT_FALSE(check.offersUpdate(1.00f, library_.readVersion()));
}

TEST_F(FirmwareServer, DownloadReplacesTheFirmwareOnlyWhenItArrivedWhole) {
  const std::string image = test::patternBytes(300 * 1024 + 11);
  writeFile(serverRoot() / kServerFirmwareFile, image);
  EXPECT_EQ(downloadFirmware(settings(), library_.basePath), kFirmwareReceived);
  EXPECT_EQ(readFile(localFile(kLocalFirmwareFile)), image);

  removeFromServer(kServerFirmwareFile);
  EXPECT_EQ(downloadFirmware(settings(), library_.basePath), kFirmwareFailed);
  EXPECT_EQ(readFile(localFile(kLocalFirmwareFile)), image);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(localFile("Version")), {}), 2);
}

TEST_F(FirmwareServer, RefusedLogonTouchesNothing) {
  writeFile(localFile(kLocalFirmwareFile), "old firmware");
  offerOnServer("1.10");
  writeFile(serverRoot() / kServerFirmwareFile, "new firmware");
  // The server delays every refusal by seconds: ask both questions at once.
  VersionCheck check;
  std::thread checking([&] { check = checkVersion(settings("WRONG_PASSWORD_0000"), library_.basePath); });
  EXPECT_EQ(downloadFirmware(settings("WRONG_PASSWORD_0000"), library_.basePath), kFirmwareFailed);
  checking.join();
  EXPECT_EQ(check.state, kNoServer);
  EXPECT_FALSE(check.versionReceived);
  EXPECT_EQ(readFile(localFile(kLocalFirmwareFile)), "old firmware");
  EXPECT_EQ(library_.readVersion(), "1.00");
}

TEST_F(FirmwareServer, UnreachableServerIsNoServer) {
  ServerSettings nowhere = settings();
  nowhere.port = test::closedLoopbackPort();
  EXPECT_EQ(checkVersion(nowhere, library_.basePath).state, kNoServer);
  EXPECT_EQ(downloadFirmware(nowhere, library_.basePath), kFirmwareFailed);
}

TEST_F(FirmwareServer, RefreshAfterAnUpdateTakesTheVersionFile) {
  AppState state;
  state.padFirmwareVersion = 1.0f;
  offerOnServer("1.10");
  ASSERT_TRUE(checkVersion(settings(), library_.basePath).versionReceived);
  refreshVersion(library_, state, false);
  EXPECT_FLOAT_EQ(state.padFirmwareVersion, 1.1f);
  // A recovery writes the factory firmware, version 1.00.
  refreshVersion(library_, state, true);
  EXPECT_EQ(readFile(localFile(kVersionFile)), "1.00");
  EXPECT_EQ(state.padFirmwareVersion, 1.0f);
}

TEST(VersionText, FormatsWithTwoDecimals) {
  EXPECT_EQ(formatVersion(1.0f), "1.00");
  EXPECT_EQ(formatVersion(1.1f), "1.10");
  EXPECT_EQ(formatVersion(0.0f), "0.00");
  EXPECT_EQ(formatVersion(12.345f), "12.35");
}

struct NumberCase {
  std::string text;
  float value;
};

class VersionNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(VersionNumber, ReadsTheLeadingDecimal) { EXPECT_EQ(versionNumber(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Texts, VersionNumber,
                         ::testing::Values(NumberCase{"1.10", 1.1f}, NumberCase{"  \t1.5 beta", 1.5f},
                                           NumberCase{"+2", 2.0f}, NumberCase{"-0.5", -0.5f},
                                           NumberCase{".25", 0.25f}, NumberCase{"v1.10", 0.0f},
                                           NumberCase{"", 0.0f}, NumberCase{"inf", 0.0f},
                                           NumberCase{"+-1", 0.0f}, NumberCase{"1,10", 1.0f},
                                           NumberCase{std::string(40, '9'), 0.0f},
                                           NumberCase{"1" + std::string(400, '0'), 0.0f},
                                           NumberCase{"10000", 0.0f}, NumberCase{"9999.5", 9999.5f}));

// A version no pad firmware can carry is no reason to update: a long run of
// digits, a number beyond a float, one past the four digits a version has.
class AbsurdServerVersion : public ::testing::TestWithParam<std::string> {};

TEST_P(AbsurdServerVersion, OffersNoUpdate) {
  for (float pad : {0.0f, 1.0f, -1.0f}) EXPECT_FALSE(updateOffered(pad, GetParam())) << pad;
}

INSTANTIATE_TEST_SUITE_P(Texts, AbsurdServerVersion,
                         ::testing::Values(std::string(40, '9'), std::string(39, '9') + ".5",
                                           "-" + std::string(40, '9'), "1" + std::string(400, '0'), "10000.00",
                                           "", "v2.00"));

}  // namespace
}  // namespace ostrel
