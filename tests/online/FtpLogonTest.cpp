// The logon dialogues and reply reading of FtpConnection against a scripted
// server that sends exactly the replies each case needs.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "PyFtpServer.h"
#include "ScriptedServer.h"
#include "online/FtpConnection.h"

namespace ostrel {
namespace {

using namespace std::chrono_literals;
using test::ScriptedServer;
using test::ScriptedSession;
using Lines = std::vector<std::string>;

constexpr FtpTimeouts kQuick{1000ms, 200ms};

// A logon through a firewall reaching "ftp.example.com" port 2121: the
// commands name that host, the connection goes to the scripted server.
LogonParams firewallParams(int logonType, uint16_t serverPort) {
  LogonParams params;
  params.host = "ftp.example.com";
  params.port = 2121;
  params.user = "u";
  params.password = "p";
  params.account = "a";
  params.fwhost = "127.0.0.1";
  params.fwport = serverPort;
  params.fwuser = "fu";
  params.fwpassword = "fp";
  params.logonType = logonType;
  return params;
}

LogonParams directParams(uint16_t serverPort) {
  LogonParams params = firewallParams(0, 0);
  params.host = "127.0.0.1";
  params.port = serverPort;
  params.fwhost = "192.0.2.1";  // must not be used by the direct logon
  return params;
}

struct LogonCase {
  int logonType;
  Lines replies;   // answers to the commands, in order
  Lines commands;  // what the client must send
  bool loggedOn;
  std::string lastReply;
};

class LogonDialogue : public ::testing::TestWithParam<LogonCase> {};

TEST_P(LogonDialogue, FollowsItsTableRow) {
  const LogonCase& c = GetParam();
  ScriptedServer server([&](ScriptedSession& s) {
    s.send("220 ready");
    s.answer(c.replies);
    s.drain();
  });
  FtpConnection ftp(kQuick);
  const LogonParams params =
      c.logonType == 0 ? directParams(server.port()) : firewallParams(c.logonType, server.port());
  EXPECT_EQ(ftp.logOn(params), c.loggedOn);
  EXPECT_EQ(ftp.lastReply(), c.lastReply);
  ftp.closeControl();
  EXPECT_EQ(server.finish(), c.commands);
}

const std::string kHost = "ftp.example.com:2121";

INSTANTIATE_TEST_SUITE_P(
    EveryLogonType, LogonDialogue,
    ::testing::Values(
        LogonCase{0, {"331 pw", "230 in"}, {"USER u", "PASS p"}, true, "230 in"},
        LogonCase{0, {"230 no password needed"}, {"USER u"}, true, "230 no password needed"},
        LogonCase{0, {"331 pw", "332 acct", "230 in"}, {"USER u", "PASS p", "ACCT a"}, true, "230 in"},
        LogonCase{0, {"331 pw", "332 acct", "332 more"}, {"USER u", "PASS p", "ACCT a"}, false, "Logon failed"},
        LogonCase{0, {"331 pw", "530 Login incorrect."}, {"USER u", "PASS p"}, false, "530 Login incorrect."},
        LogonCase{0, {"421 busy"}, {"USER u"}, false, "421 busy"},
        LogonCase{1,
                  {"331 fw pw", "230 fw in", "331 site", "331 pw", "230 in"},
                  {"USER fu", "PASS fp", "SITE " + kHost, "USER u", "PASS p"},
                  true,
                  "230 in"},
        LogonCase{1, {"230 fw in", "230 site"}, {"USER fu", "SITE " + kHost}, false, "Logon failed"},
        LogonCase{1, {"331 fw pw", "331 again"}, {"USER fu", "PASS fp"}, false, "Logon failed"},
        LogonCase{2,
                  {"331 fw pw", "230 fw in", "331 pw", "230 in"},
                  {"USER fu", "PASS fp", "USER u@" + kHost, "PASS p"},
                  true,
                  "230 in"},
        LogonCase{2, {"230 fw in", "230 in"}, {"USER fu", "USER u@" + kHost}, true, "230 in"},
        LogonCase{3,
                  {"220 open", "331 pw", "332 acct", "230 in"},
                  {"OPEN " + kHost, "USER u", "PASS p", "ACCT a"},
                  true,
                  "230 in"},
        LogonCase{4,
                  {"331 fw pw", "230 fw in", "331 pw", "230 in"},
                  {"USER fu", "PASS fp", "USER u", "PASS p"},
                  true,
                  "230 in"},
        LogonCase{5, {"331 pw", "230 in"}, {"USER u@" + kHost, "PASS p"}, true, "230 in"},
        LogonCase{6,
                  {"331 fw pw", "230 fw in", "331 pw", "230 in"},
                  {"USER fu@" + kHost, "PASS fp", "USER u", "PASS p"},
                  true,
                  "230 in"},
        LogonCase{7, {"331 pw", "230 in"}, {"USER u@" + kHost + " fu", "PASS p"}, true, "230 in"},
        LogonCase{7, {"230 too soon"}, {"USER u@" + kHost + " fu"}, false, "Logon failed"},
        LogonCase{8,
                  {"331 pw", "332 acct", "230 in"},
                  {"USER u@fu@" + kHost, "PASS p@fp", "ACCT a"},
                  true,
                  "230 in"}),
    [](const auto& info) {
      return "Type" + std::to_string(info.param.logonType) + "_" + std::to_string(info.index);
    });

TEST(LogonTarget, PortTwentyOneIsNotNamedInCommands) {
  ScriptedServer server([](ScriptedSession& s) {
    s.send("220 ready");
    s.answer({"331 pw", "230 in"});
    s.drain();
  });
  FtpConnection ftp(kQuick);
  LogonParams params = firewallParams(5, server.port());
  params.port = 21;
  EXPECT_TRUE(ftp.logOn(params));
  ftp.closeControl();
  EXPECT_EQ(server.finish(), (Lines{"USER u@ftp.example.com", "PASS p"}));
}

TEST(LogonTarget, UnknownLogonTypeConnectsNowhere) {
  ScriptedServer server([](ScriptedSession& s) { s.send("220 ready"); });
  FtpConnection ftp(kQuick);
  LogonParams params = directParams(server.port());
  for (int type : {9, -1}) {
    params.logonType = type;
    EXPECT_FALSE(ftp.logOn(params));
  }
  // Let the scripted server's wait end by connecting once ourselves.
  FtpConnection unblock(kQuick);
  EXPECT_TRUE(unblock.openControl("127.0.0.1", server.port()));
  unblock.closeControl();
  EXPECT_TRUE(server.finish().empty());
}

TEST(LogonTarget, RefusedConnectionIsReported) {
  FtpConnection ftp(kQuick);
  EXPECT_FALSE(ftp.logOn(directParams(test::closedLoopbackPort())));
  EXPECT_EQ(ftp.lastReply(), FtpConnection::kNoConnection);
}

struct GreetingCase {
  const char* name;
  Lines greeting;
  bool loggedOn;
  std::string lastReply;
};

class Greeting : public ::testing::TestWithParam<GreetingCase> {};

// The whole greeting is sent at once; a client that stopped reading early
// would take its later lines for the answers to USER and PASS.
TEST_P(Greeting, IsReadWholeBeforeTheFirstCommand) {
  const GreetingCase& c = GetParam();
  ScriptedServer server([&](ScriptedSession& s) {
    for (const std::string& line : c.greeting) s.send(line);
    s.answer({"331 pw", "230 in"});
    s.drain();
  });
  FtpConnection ftp(kQuick);
  EXPECT_EQ(ftp.logOn(directParams(server.port())), c.loggedOn);
  EXPECT_EQ(ftp.lastReply(), c.lastReply);
  ftp.closeControl();
  const Lines sent = server.finish();
  if (c.loggedOn) {
    EXPECT_EQ(sent, (Lines{"USER u", "PASS p"}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, Greeting,
    ::testing::Values(
        GreetingCase{"MultiLine", {"220-Welcome", "220-to the server", "220 ready"}, true, "230 in"},
        GreetingCase{"DifferentNumberInside", {"220-Welcome", "221 not the end", "220 ready"}, true, "230 in"},
        GreetingCase{"LinesWithoutCode", {"220-Welcome", "  plain text", "", "220 ready"}, true, "230 in"},
        GreetingCase{"NotReady", {"421 Too many users"}, false, "421 Too many users"}),
    [](const auto& info) { return std::string(info.param.name); });

struct HostileCase {
  const char* name;
  std::string greeting;  // sent whole; nothing when empty
  bool hangUp;           // close right after it instead of waiting silently
  Lines commands;        // what the client gets to send before giving up
};

class HostileServer : public ::testing::TestWithParam<HostileCase> {};

// Every case ends in "Network error", never in a frozen or flooded client.
TEST_P(HostileServer, EndsInNetworkError) {
  const HostileCase& c = GetParam();
  ScriptedServer server([&](ScriptedSession& s) {
    if (!c.greeting.empty()) s.send(c.greeting);
    if (!c.hangUp) s.drain();
  });
  FtpConnection ftp(kQuick);
  EXPECT_FALSE(ftp.logOn(directParams(server.port())));
  EXPECT_EQ(ftp.lastReply(), FtpConnection::kNetworkError);
  ftp.closeControl();
  EXPECT_EQ(server.finish(), c.commands);
}

std::string endlessReply() {
  std::string flood = "220-Welcome";
  for (int line = 0; line < 10001; ++line) flood += "\r\n220-more";
  return flood + "\r\n220 ready";
}

INSTANTIATE_TEST_SUITE_P(
    Replies, HostileServer,
    ::testing::Values(HostileCase{"ClosedMidReply", "220-Welcome", true, {}},
                      HostileCase{"SilentFromTheStart", "", false, {}},
                      HostileCase{"SilentAfterACommand", "220 ready", false, {"USER u"}},
                      // A line or a reply without end is not held in memory.
                      HostileCase{"OverlongLine", "220 " + std::string(70 * 1024, 'x'), false, {}},
                      HostileCase{"EndlessMultiLineReply", endlessReply(), false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, WithALineBreakIsNeverSent) {
  ScriptedServer server([](ScriptedSession& s) {
    s.send("220 ready");
    s.answer({"230 in"});
    s.drain();
  });
  FtpConnection ftp(kQuick);
  ASSERT_TRUE(ftp.logOn(directParams(server.port())));
  EXPECT_FALSE(ftp.command("RETR a\r\nDELE b"));
  EXPECT_FALSE(ftp.writeLine("NOOP\n"));
  EXPECT_EQ(ftp.lastReply(), FtpConnection::kNetworkError);
  ftp.closeControl();
  EXPECT_EQ(server.finish(), (Lines{"USER u"}));
}

TEST(ReplyClass, ComesFromTheLastNonEmptyLine) {
  ScriptedServer server([](ScriptedSession& s) {
    s.send("220 ready");
    s.send("");
    s.send("550 gone");
    s.drain();
  });
  FtpConnection ftp(kQuick);
  EXPECT_EQ(ftp.replyClass(), 0);
  ASSERT_TRUE(ftp.openControl("127.0.0.1", server.port()));
  EXPECT_TRUE(ftp.command(""));
  EXPECT_EQ(ftp.replyClass(), 2);
  EXPECT_TRUE(ftp.readLine());
  EXPECT_EQ(ftp.lastReply(), "");
  EXPECT_EQ(ftp.replyClass(), 2);
  EXPECT_FALSE(ftp.command(""));
  EXPECT_EQ(ftp.replyClass(), 5);
  ftp.closeControl();
  ftp.closeControl();  // harmless when already closed
  server.finish();
}

}  // namespace
}  // namespace ostrel
