#pragma once
// The download screen against a real FTP server on loopback (one per suite),
// with a library in a temporary folder, the generated pictures, a link that
// is never started, and a host that records where the screen leads.

#include <QImage>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "HomeScreenFixture.h"
#include "PyFtpServer.h"
#include "TempDir.h"
#include "controls/CheckList.h"
#include "screens/DownloadScreen.h"

namespace ostrel::testing {

class DownloadScreenTest : public ::testing::Test {
 protected:
  using Screen = DownloadScreen;

  static void SetUpTestSuite() { server_ = new test::PyFtpServer; }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override;
  void TearDown() override;

  // The server's list file, and one profile file on the server.
  static void offerList(const std::string& text);
  static void offerProfile(const std::string& name);
  // The body offerProfile serves for name.
  static std::string bodyOf(const std::string& name);

  // Builds the screen with settings (the loopback server's unless given) and
  // opens it as the home screen's button does (no events processed yet).
  void open();
  void open(const SharedServerSettings& settings);
  bool waitForState(int32_t state);
  // Waits until Download's walk has ended and no server operation is left.
  bool waitForDownloads();
  // The row the list shows text in; -1 when it does not.
  int rowOf(const QString& text) const;
  QStringList listed() const;
  // A click on the tick of the row showing text, at the screen's place.
  void tick(const QString& text);
  void click(int id);
  // The lines of the maker index, and whether a maker profile file holds
  // what the server offered for name.
  std::vector<std::string> makerIndex() const;
  bool fetched(const std::string& name) const;
  QImage grab(const QRect& area) const;

  inline static test::PyFtpServer* server_ = nullptr;
  test::TempDir local_;
  AppState app;
  ProfileLibrary library;
  SimulatedPad pad;
  QueueDispatcher dispatcher;
  ManualTimer graceTimer;
  InstantSleeper sleeper;
  std::unique_ptr<ControllerLink> link;
  std::unique_ptr<PictureCache> pictures;
  QStringList missingPictures;
  std::unique_ptr<FakeHost> host;
  std::unique_ptr<Screen> screen;
};

}  // namespace ostrel::testing
