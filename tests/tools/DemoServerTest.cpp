#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "DemoFtpServer.h"
#include "DemoServer.h"
#include "DemoServerContent.h"
#include "dfu/DfuseFile.h"
#include "dfu/sim/SimulatedFirmwareImage.h"
#include "library/ProfileLibrary.h"
#include "online/FirmwareServer.h"
#include "online/ProfileServer.h"
#include "online/net/Socket.h"
#include "profile/ProfileRecord.h"

namespace ostrel {
namespace {

using namespace std::chrono_literals;

bool accepts(uint16_t port) {
  net::Socket probe;
  return probe.create() && probe.connect("127.0.0.1", port, 500ms);
}

// True once nothing listens on port any more (gives up after 10 s).
bool closesSoon(uint16_t port) {
  const QDeadlineTimer deadline(10000);
  while (accepts(port) && !deadline.hasExpired()) QThread::msleep(50);
  return !accepts(port);
}

std::vector<uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The firmware file's version word, as a flashed pad would report it.
float flashedVersion(const std::vector<uint8_t>& bytes, uint16_t& fileVersion) {
  DfuseFile file;
  if (DfuseFile::parse(bytes, file) != DfuseFileError::none || file.images.size() != 1) return -1;
  fileVersion = file.version;
  const std::vector<uint8_t>& image = file.images[0].elements.at(0).data;
  if (image.size() != kDemoFirmwareSize) return -1;
  const uint16_t word = static_cast<uint16_t>(image[kFirmwareVersionOffset] | image[kFirmwareVersionOffset + 1] << 8);
  return firmwareVersionFromBcd(word).value_or(-1);
}

class DemoServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(data_.isValid());
    library_.basePath = data_.path().toStdString() + "/";
    ASSERT_TRUE(library_.ensureFolders());
  }

  QTemporaryDir data_;
  ProfileLibrary library_;
};

TEST_F(DemoServerTest, TheProgramsOwnClientsFetchEveryFileTheServerHolds) {
  DemoServer server;
  ASSERT_TRUE(server.start()) << server.problem().toStdString();
  const ServerSettings settings = server.settings();

  ASSERT_EQ(downloadProfileList(settings, library_.basePath), kListFetched);
  ASSERT_TRUE(library_.readDownloadList("Name.klt"));
  const std::vector<std::string> names = demoMakerProfiles();
  ASSERT_EQ(library_.downloadCount, static_cast<int32_t>(names.size()));
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(library_.downloadNames[i], names[i]);
    ASSERT_EQ(downloadProfile(settings, library_.basePath, names[i]), kProfileFetched) << names[i];
    // Stored as the program stores profiles: it reads them back scrambled.
    EXPECT_TRUE(library_.registerMakerProfile(names[i]));
    EXPECT_TRUE(library_.loadProfileIntoSlot(0, names[i]));
  }
  library_.loadProfileIntoSlot(0, "kelto-FPS");
  EXPECT_FLOAT_EQ(library_.savedValues[0][ProfileIndex::sensitivity1], 1.4f);
  EXPECT_FLOAT_EQ(library_.savedValues[0][ProfileIndex::sensitivity2], 1.2f);

  const VersionCheck check = checkVersion(settings, library_.basePath);
  EXPECT_EQ(check.state, kVersionChecked);
  EXPECT_TRUE(check.offersUpdate(1.0f, library_.readVersion()));
  EXPECT_EQ(library_.readVersion(), "1.10");
  ASSERT_EQ(downloadFirmware(settings, library_.basePath), kFirmwareReceived);
  uint16_t fileVersion = 0;
  EXPECT_FLOAT_EQ(flashedVersion(readFile(library_.basePath + kLocalFirmwareFile), fileVersion), 1.10f);
  EXPECT_EQ(fileVersion, kDemoServerFirmware);
}

TEST_F(DemoServerTest, ServerLogsOnOnlyWithItsOwnPassword) {
  DemoServer server;
  ASSERT_TRUE(server.start()) << server.problem().toStdString();
  ServerSettings wrong = server.settings();
  EXPECT_EQ(wrong.password.size(), 19u);
  wrong.password = "NOT_THE_PASSWORD_00";
  EXPECT_EQ(checkVersion(wrong, library_.basePath).state, kNoServer);
}

TEST_F(DemoServerTest, PausedServerRefusesThenServesAgainWithTheSameSettings) {
  DemoServer server;
  ASSERT_TRUE(server.start()) << server.problem().toStdString();
  const ServerSettings settings = server.settings();
  server.pause();
  EXPECT_EQ(checkVersion(settings, library_.basePath).state, kNoServer);
  ASSERT_TRUE(server.resume()) << server.problem().toStdString();
  EXPECT_EQ(checkVersion(settings, library_.basePath).state, kVersionChecked);
}

TEST_F(DemoServerTest, FactoryFirmwareIsWrittenOnceAndAnOwnOneKept) {
  ASSERT_EQ(writeFactoryFirmware(data_.path().toStdString()), "");
  const std::string path = library_.basePath + "Version/factory.dfu";
  uint16_t fileVersion = 0;
  EXPECT_FLOAT_EQ(flashedVersion(readFile(path), fileVersion), 1.0f);
  EXPECT_EQ(fileVersion, kDemoFactoryFirmware);

  std::ofstream(path, std::ios::binary | std::ios::trunc) << "the owner's own";
  ASSERT_EQ(writeFactoryFirmware(data_.path().toStdString()), "");
  const std::vector<uint8_t> kept = readFile(path);
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "the owner's own");
}

TEST_F(DemoServerTest, ServerEndsWithTheObject) {
  uint16_t port = 0;
  {
    DemoServer server;
    ASSERT_TRUE(server.start()) << server.problem().toStdString();
    port = server.settings().port;
    ASSERT_TRUE(accepts(port));
  }
  EXPECT_FALSE(accepts(port));
}

TEST_F(DemoServerTest, ServerEndsWhenItsProgramIsKilled) {
  QProcess program;
  program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--serve-then-die")});
  ASSERT_TRUE(program.waitForFinished(20000));
  bool ok = false;
  const uint port = program.readAllStandardOutput().trimmed().toUInt(&ok);
  ASSERT_TRUE(ok && port > 0);
  EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);
  EXPECT_TRUE(closesSoon(static_cast<uint16_t>(port)));
}

TEST_F(DemoServerTest, MissingInterpreterIsReported) {
  DemoFtpServer server;
  server.setInterpreter(data_.filePath(QStringLiteral("no-such-python")));
  EXPECT_FALSE(server.start(data_.path()));
  EXPECT_FALSE(server.running());
  EXPECT_TRUE(server.problem().startsWith(QStringLiteral("cannot start"))) << server.problem().toStdString();
}

// Runs this thread's events until answer is given or 15 s have passed.
bool awaitAnswer(const std::optional<bool>& answer) {
  QDeadlineTimer deadline(15000);
  while (!answer && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  return answer.has_value();
}

TEST_F(DemoServerTest, StartedInTheBackgroundItAnswersOnThisThreadOnceItServes) {
  DemoServer server;
  std::optional<bool> answer;
  server.startInBackground([&answer](bool ok) { answer = ok; });
  ASSERT_TRUE(awaitAnswer(answer));
  ASSERT_TRUE(*answer) << server.problem().toStdString();
  EXPECT_EQ(checkVersion(server.settings(), library_.basePath).state, kVersionChecked);
}

TEST_F(DemoServerTest, MissingInterpreterIsReportedWithoutWaitingToo) {
  DemoFtpServer server;
  server.setInterpreter(data_.filePath(QStringLiteral("no-such-python")));
  std::optional<bool> answer;
  server.startWithoutWaiting(data_.path(), [&answer](bool ok) { answer = ok; });
  ASSERT_TRUE(awaitAnswer(answer));
  EXPECT_FALSE(*answer);
  EXPECT_FALSE(server.running());
  EXPECT_TRUE(server.problem().startsWith(QStringLiteral("cannot start"))) << server.problem().toStdString();
}

}  // namespace
}  // namespace ostrel
