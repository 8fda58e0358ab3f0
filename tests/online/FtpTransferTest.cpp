// FtpConnection's transfers: against a real FTP server (pyftpdlib) for the
// normal dialogue, against a scripted one for the replies it never sends.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "PyFtpServer.h"
#include "RealServerTest.h"
#include "ScriptedServer.h"
#include "online/FtpConnection.h"
#include "online/PassiveReply.h"

namespace ostrel {
namespace {

using namespace std::chrono_literals;
using test::readFile;
using test::ScriptedServer;
using test::ScriptedSession;
using test::writeFile;
using Lines = std::vector<std::string>;

// Nothing but the destination may be left in a download folder.
std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// ---- the real server ----

class RealServer : public test::RealServerTest {
 protected:
  bool logOn(FtpConnection& ftp, const char* password = test::PyFtpServer::kPassword) {
    return ftp.logOn(settings(password).logonParams());
  }
};

TEST_F(RealServer, LogsOnAndRefusesAWrongPassword) {
  FtpConnection good;
  EXPECT_TRUE(logOn(good));
  EXPECT_EQ(good.lastReply().substr(0, 3), "230");
  FtpConnection bad;
  EXPECT_FALSE(logOn(bad, "WRONG_PASSWORD_0000"));
  EXPECT_EQ(bad.lastReply().substr(0, 3), "530");
}

struct TransferCase {
  bool passive;
  bool retrieve;
  std::size_t size;
};

class RealTransfer : public RealServer, public ::testing::WithParamInterface<TransferCase> {};

TEST_P(RealTransfer, CopiesEveryByte) {
  const TransferCase& c = GetParam();
  const std::string content = test::patternBytes(c.size);
  const std::string name = "file-" + std::to_string(c.passive) + std::to_string(c.retrieve) + "-" +
                           std::to_string(c.size) + ".bin";
  const auto remote = serverRoot() / name;
  const auto local = local_.path() / name;
  writeFile(c.retrieve ? remote : local, content);
  if (c.retrieve) writeFile(local, "old local content");
  FtpConnection ftp;
  ASSERT_TRUE(logOn(ftp));
  ASSERT_TRUE(ftp.transfer(name, local, c.passive, c.retrieve)) << ftp.lastReply();
  EXPECT_EQ(ftp.replyClass(), 2);
  EXPECT_TRUE(ftp.writeLine("QUIT"));
  ftp.closeControl();
  EXPECT_EQ(readFile(c.retrieve ? local : remote), content);
  EXPECT_EQ(folderEntries(local_.path()), Lines{name});
}

std::vector<TransferCase> transferCases() {
  std::vector<TransferCase> cases;
  for (bool passive : {true, false})
    for (bool retrieve : {true, false})
      for (std::size_t size : {std::size_t{0}, std::size_t{4096}, std::size_t{3 * 1024 * 1024 + 7}})
        cases.push_back({passive, retrieve, size});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(ModesDirectionsSizes, RealTransfer, ::testing::ValuesIn(transferCases()),
                         [](const auto& info) {
                           const TransferCase& c = info.param;
                           return std::string(c.passive ? "Passive" : "Active") +
                                  (c.retrieve ? "Retrieve" : "Store") + std::to_string(c.size);
                         });

TEST_F(RealServer, MissingRemoteFileLeavesTheLocalFileAlone) {
  const auto local = local_.path() / "kept.bin";
  writeFile(local, "what was here before");
  for (bool passive : {true, false}) {
    FtpConnection ftp;
    ASSERT_TRUE(logOn(ftp));
    EXPECT_FALSE(ftp.transfer("no/such/file.bin", local, passive, true));
    EXPECT_EQ(ftp.lastReply().substr(0, 3), "550");
  }
  EXPECT_EQ(readFile(local), "what was here before");
  EXPECT_EQ(folderEntries(local_.path()), Lines{"kept.bin"});
}

TEST_F(RealServer, LocalFileThatCannotBeOpenedIsReportedFirst) {
  FtpConnection ftp;
  ASSERT_TRUE(logOn(ftp));
  EXPECT_FALSE(ftp.transfer("x.bin", local_.path() / "missing" / "x.bin", true, true));
  EXPECT_EQ(ftp.lastReply(), FtpConnection::kNoLocalFile);
  EXPECT_FALSE(ftp.transfer("x.bin", local_.path() / "absent.bin", true, false));
  EXPECT_EQ(ftp.lastReply(), FtpConnection::kNoLocalFile);
  EXPECT_FALSE(std::filesystem::exists(serverRoot() / "x.bin"));
}

// ---- the scripted server ----

constexpr FtpTimeouts kQuick{1000ms, 200ms};

// Logs on with one USER that the script answers with 230.
void logOnTo(FtpConnection& ftp, const ScriptedServer& server) {
  LogonParams params;
  params.host = "127.0.0.1";
  params.port = server.port();
  params.user = "u";
  ASSERT_TRUE(ftp.logOn(params));
}

void greetAndLogOn(ScriptedSession& s) {
  s.send("220 ready");
  s.answer({"230 in", "200 binary"});
}

// "227 ... (h1,h2,h3,h4,p1,p2)" naming host for the given port.
std::string passiveReply(const std::string& host, uint16_t port) {
  return "227 Entering Passive Mode (" + host + "," + std::to_string(port / 256) + "," +
         std::to_string(port % 256) + ")";
}

class ScriptedTransfer : public ::testing::Test {
 protected:
  std::filesystem::path local() const { return local_.path() / "version.klt"; }
  void SetUp() override { writeFile(local(), "1.00"); }
  test::TempDir local_;
};

TEST_F(ScriptedTransfer, DataGoesToTheControlPeerWhateverPasvNames) {
  ScriptedServer server([](ScriptedSession& s) {
    greetAndLogOn(s);
    const uint16_t port = s.listenForData();
    s.answer({passiveReply("10,9,8,7", port)});
    s.receive();  // RETR
    s.send("150 here it comes");
    s.sendData("1.10");
    s.send("226 done");
    s.drain();
  });
  FtpConnection ftp(kQuick);
  logOnTo(ftp, server);
  EXPECT_TRUE(ftp.transfer("version.klt", local(), true, true)) << ftp.lastReply();
  ftp.closeControl();
  EXPECT_EQ(server.finish(), (Lines{"USER u", "TYPE I", "PASV", "RETR version.klt"}));
  EXPECT_EQ(readFile(local()), "1.10");
}

// Active mode: a connection to the client's data port from anywhere but the
// server is turned away, so nobody else can slip bytes into the file.
TEST_F(ScriptedTransfer, ActiveDataComesOnlyFromTheServer) {
  ScriptedServer server([](ScriptedSession& s) {
    greetAndLogOn(s);
    const std::optional<std::string> port = s.receive();
    const auto client = port ? parsePassiveReply("(" + port->substr(5) + ")") : std::nullopt;
    s.send("200 PORT ok");
    s.receive();  // RETR
    s.send("150 here it comes");
    if (!client) return;
    EXPECT_EQ(client->address, "127.0.0.1");
    s.sendDataTo(client->port, "intruder's bytes", "127.0.0.2");
    s.sendDataTo(client->port, "1.10");
    s.send("226 done");
    s.drain();
  });
  FtpConnection ftp(FtpTimeouts{1000ms, 2000ms});
  logOnTo(ftp, server);
  EXPECT_TRUE(ftp.transfer("version.klt", local(), false, true)) << ftp.lastReply();
  ftp.closeControl();
  const Lines sent = server.finish();
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[2].substr(0, 15), "PORT 127,0,0,1,");
  EXPECT_EQ(readFile(local()), "1.10");
}

TEST_F(ScriptedTransfer, UnwritableDestinationSendsNoCommand) {
  ScriptedServer server([](ScriptedSession& s) {
    s.send("220 ready");
    s.answer({"230 in"});
    s.drain();
  });
  FtpConnection ftp(kQuick);
  logOnTo(ftp, server);
  EXPECT_FALSE(ftp.transfer("version.klt", local_.path() / "no-folder" / "version.klt", true, true));
  EXPECT_EQ(ftp.lastReply(), FtpConnection::kNoLocalFile);
  ftp.closeControl();
  EXPECT_EQ(server.finish(), Lines{"USER u"});
}

TEST_F(ScriptedTransfer, PasvWithoutParenthesesOpensNoDataConnection) {
  ScriptedServer server([](ScriptedSession& s) {
    greetAndLogOn(s);
    s.answer({"227 Entering Passive Mode 127,0,0,1,19,137"});
    s.drain();
  });
  FtpConnection ftp(kQuick);
  logOnTo(ftp, server);
  EXPECT_FALSE(ftp.transfer("version.klt", local(), true, true));
  EXPECT_EQ(ftp.lastReply(), "227 Entering Passive Mode 127,0,0,1,19,137");
  ftp.closeControl();
  EXPECT_EQ(server.finish(), (Lines{"USER u", "TYPE I", "PASV"}));
  EXPECT_EQ(readFile(local()), "1.00");
}

struct OddEnd {
  const char* name;
  const char* finalReply;  // nullptr: the server never sends it
  bool keepDataOpen;       // the data connection goes silent instead of closing
  std::string lastReply;
};

class OddTransferEnd : public ScriptedTransfer, public ::testing::WithParamInterface<OddEnd> {};

// Whatever arrived, the old local file stays unless the server confirms.
TEST_P(OddTransferEnd, LeavesTheOldLocalFile) {
  const OddEnd& c = GetParam();
  ScriptedServer server([&](ScriptedSession& s) {
    greetAndLogOn(s);
    const uint16_t port = s.listenForData();
    s.answer({passiveReply("127,0,0,1", port)});
    s.receive();
    s.send("150 here it comes");
    s.sendData("1.10", c.keepDataOpen);
    if (c.finalReply) s.send(c.finalReply);
    s.drain();
  });
  FtpConnection ftp(kQuick);
  logOnTo(ftp, server);
  EXPECT_FALSE(ftp.transfer("version.klt", local(), true, true));
  EXPECT_EQ(ftp.lastReply(), c.lastReply);
  ftp.closeControl();
  server.finish();
  EXPECT_EQ(readFile(local()), "1.00");
  EXPECT_EQ(folderEntries(local_.path()), Lines{"version.klt"});
}

INSTANTIATE_TEST_SUITE_P(
    Replies, OddTransferEnd,
    ::testing::Values(OddEnd{"FinalReplyNotPositive", "451 aborted", false, "451 aborted"},
                      OddEnd{"FinalReplyNeverComes", nullptr, false, "Network error"},
                      OddEnd{"DataConnectionGoesSilent", "226 done", true, "Network error"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScriptedTransfer, RefusedRequestEndsBeforeAnyCopy) {
  ScriptedServer server([](ScriptedSession& s) {
    greetAndLogOn(s);
    const uint16_t port = s.listenForData();
    s.answer({passiveReply("127,0,0,1", port), "550 No such file"});
    s.drain();
  });
  FtpConnection ftp(kQuick);
  logOnTo(ftp, server);
  EXPECT_FALSE(ftp.transfer("version.klt", local(), true, true));
  EXPECT_EQ(ftp.lastReply(), "550 No such file");
  ftp.closeControl();
  server.finish();
  EXPECT_EQ(readFile(local()), "1.00");
}

struct PassiveCase {
  std::string reply;
  bool parsed;
  std::string host;
  uint16_t port;
};

class PassiveReplyText : public ::testing::TestWithParam<PassiveCase> {};

TEST_P(PassiveReplyText, GivesHostAndPort) {
  const PassiveCase& c = GetParam();
  const auto endpoint = parsePassiveReply(c.reply);
  ASSERT_EQ(endpoint.has_value(), c.parsed);
  if (c.parsed) {
    EXPECT_EQ(endpoint->address, c.host);
    EXPECT_EQ(endpoint->port, c.port);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, PassiveReplyText,
    ::testing::Values(PassiveCase{"227 Entering Passive Mode (192,168,0,5,19,137)", true, "192.168.0.5", 5001},
                      PassiveCase{"227 =(127,0,0,1,255,255). ok", true, "127.0.0.1", 65535},
                      PassiveCase{"227 (10,0,0,1,0,21) (1,2,3,4,5,6)", true, "10.0.0.1", 21},
                      PassiveCase{"227 Entering Passive Mode 192,168,0,5,19,137", false, "", 0},
                      PassiveCase{"227 Entering Passive Mode (192,168,0,5,19,137", false, "", 0},
                      PassiveCase{"227 ) (192,168,0,5,19,137)", false, "", 0},
                      PassiveCase{"227 (192,168,0,5,19,256)", false, "", 0},
                      PassiveCase{"227 (192,168,0,5,x,1)", false, "", 0},
                      PassiveCase{"227 (192,168,0,5,0,0)", false, "", 0},
                      PassiveCase{"227 (137)", false, "", 0}));

}  // namespace
}  // namespace ostrel
