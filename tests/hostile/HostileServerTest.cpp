// A server that lies: a profile list naming places outside the maker folder,
// and a passive reply naming another host.
//
// Proven elsewhere: a server that stops talking, or sends endless or overlong
// lines, ends in "Network error" (online FtpLogonTest: Replies/HostileServer.*);
// data goes to the control peer whatever PASV names
// (online FtpTransferTest: ScriptedTransfer.DataGoesToTheControlPeerWhateverPasvNames);
// a transfer cut short keeps the old local file (Ends/OddTransferEnd.*).

#include <set>

#include "LibraryTestFolder.h"
#include "RealServerTest.h"
#include "ScriptedServer.h"
#include "library/LibraryFolders.h"
#include "online/FtpConnection.h"
#include "online/ProfileServer.h"

namespace ostrel::testing {
namespace {

using namespace std::chrono_literals;

class HostileProfileList : public test::RealServerTest {
 protected:
  void SetUp() override {
    RealServerTest::SetUp();
    fs::create_directory(root.path() / "app");
    library.basePath = (root.path() / "app").string() + "/";
    ASSERT_TRUE(library.ensureFolders());
  }
  static void serve(const std::string& relative, const std::string& bytes) {
    fs::create_directories((serverRoot() / relative).parent_path());
    writeAll(serverRoot() / relative, bytes);
  }

  test::TempDir root;
  ProfileLibrary library;
};

TEST_F(HostileProfileList, NamesThatLeaveTheMakerFolderAreNeverFetched) {
  const std::vector<std::string> listed = {"../x", "/etc/passwd", "..\\..\\y", "../../../../tmp/z",
                                           "Kelto-Good"};
  std::string list;
  for (const std::string& name : listed) list += name + "\r\n";
  serve(kServerProfileList, list);
  serve("x.klt", "beside the profile folder");
  serve(std::string(kServerProfileFolder) + "Kelto-Good.klt", "good");
  const auto before = snapshot(root.path());

  ASSERT_EQ(downloadProfileList(settings(), library.basePath), kListFetched);
  ASSERT_TRUE(library.readDownloadList(kIndexFile));
  ASSERT_EQ(library.downloadCount, static_cast<int32_t>(listed.size()));
  std::set<std::string> fetched;
  for (int32_t i = 0; i < library.downloadCount; ++i) {
    const std::string& name = library.downloadNames[i];
    if (downloadProfile(settings(), library.basePath, name) != kProfileFetched) continue;
    fetched.insert(name);
    EXPECT_TRUE(library.registerMakerProfile(name)) << name;
  }
  EXPECT_EQ(fetched, std::set<std::string>{"Kelto-Good"});

  auto after = snapshot(root.path());
  for (const auto& [path, bytes] : before) {
    EXPECT_EQ(after[path], bytes) << path;
    after.erase(path);
  }
  const std::set<std::string> added = {"app/Downloadprofile/Name.klt",
                                       "app/Keltoprofile/Kelto-Good.klt",
                                       "app/Keltoprofile/Name.klt"};
  std::set<std::string> found;
  for (const auto& [path, bytes] : after) found.insert(fs::path(path).generic_string());
  EXPECT_EQ(found, added);
}

// A trap listens where the passive reply points; the client connects only to
// the control connection's peer (where nothing listens on that port), so the
// transfer fails and the trap is never reached.
TEST(HostilePassiveReply, AnotherHostIsNeverConnected) {
  net::Socket trap;
  ASSERT_TRUE(trap.create() && trap.listen("127.0.0.2", 1));
  const uint16_t port = trap.localEndpoint()->port;
  const std::string passive = "227 Entering Passive Mode (127,0,0,2," + std::to_string(port / 256) +
                              "," + std::to_string(port % 256) + ")";
  test::ScriptedServer server([&](test::ScriptedSession& s) {
    s.send("220 ready");
    s.answer({"230 in", "200 binary", passive});
    s.drain();
  });
  test::TempDir local;
  writeAll(local.path() / "version.klt", "1.00");

  FtpConnection ftp(FtpTimeouts{1000ms, 200ms});
  LogonParams params;
  params.host = "127.0.0.1";
  params.port = server.port();
  params.user = "u";
  ASSERT_TRUE(ftp.logOn(params));
  EXPECT_FALSE(ftp.transfer("version.klt", local.path() / "version.klt", true, true));
  ftp.closeControl();
  server.finish();
  EXPECT_FALSE(trap.accept(0ms)) << "the client went where the reply pointed";
  EXPECT_EQ(readAll(local.path() / "version.klt"), "1.00");
}

}  // namespace
}  // namespace ostrel::testing
