// The profile download screen against a real FTP server: the list sequence,
// the ticked list, Download's walk with the progress strip, and leaving the
// screen while a download runs.

#include <QTest>

#include <set>
#include <utility>

#include "DownloadScreenFixture.h"
#include "online/ProfileServer.h"

namespace ostrel::testing {
namespace {

using Names = std::vector<std::string>;

TEST_F(DownloadScreenTest, ContactsTheServerWithBusyCursorThenShowsTheSortedList) {
  offerList("Kelto-Racing\r\nkelto-Arcade\r\nKelto-Shooter\r\n");
  open();
  // Until the server has answered the contacting picture shows, the list is
  // hidden and the cursor is busy.
  EXPECT_EQ(screen->downloadState(), Screen::kFetchList);
  EXPECT_FALSE(screen->list()->isVisible());
  const QImage contacting = grab(Screen::kContactingPlace);
  screen->tick();
  EXPECT_TRUE(screen->busy());
  EXPECT_EQ(screen->cursor().shape(), Qt::WaitCursor);

  ASSERT_TRUE(waitForState(kProfileFetched));
  EXPECT_TRUE(screen->list()->isVisible());
  EXPECT_EQ(listed(), (QStringList{"kelto-Arcade", "Kelto-Racing", "Kelto-Shooter"}));
  EXPECT_NE(screen->cursor().shape(), Qt::WaitCursor);
  EXPECT_NE(grab(Screen::kContactingPlace), contacting);
  EXPECT_EQ(app.ScreenId, kDownloadScreen);
  EXPECT_TRUE(missingPictures.isEmpty()) << missingPictures.join('\n').toStdString();
}

TEST_F(DownloadScreenTest, EmptyOrMissingServerListShowsAnEmptyList) {
  for (const bool listOnServer : {true, false}) {
    std::filesystem::remove(server_->root() / kServerProfileList);
    if (listOnServer) offerList("");
    open();
    ASSERT_TRUE(waitForState(kProfileFetched)) << listOnServer;
    EXPECT_TRUE(screen->list()->isVisible());
    EXPECT_EQ(screen->list()->count(), 0);
  }
}

TEST_F(DownloadScreenTest, UnreachableServerLeavesTheListEmpty) {
  ServerSettings nowhere = server_->settings();
  nowhere.port = test::closedLoopbackPort();
  open(nowhere);
  ASSERT_TRUE(waitForState(kListNotFetched));
  EXPECT_TRUE(screen->list()->isVisible());
  EXPECT_EQ(screen->list()->count(), 0);
  EXPECT_FALSE(screen->busy());
}

// The settings are read when the screen contacts the server: a server that
// became known after the screen was made (the demo's) is the one asked.
TEST_F(DownloadScreenTest, ContactsTheServerKnownWhenTheListIsFetched) {
  offerList("Kelto-Racing\r\n");
  SharedServerSettings shared(ServerSettings::none());
  open(shared);
  shared.set(server_->settings());
  ASSERT_TRUE(waitForState(kProfileFetched));
  EXPECT_EQ(listed(), QStringList{"Kelto-Racing"});
}

// No server known yet: the list stays empty, as without a network.
TEST_F(DownloadScreenTest, NoServerLeavesTheListEmpty) {
  open(ServerSettings::none());
  ASSERT_TRUE(waitForState(kListNotFetched));
  EXPECT_EQ(screen->list()->count(), 0);
  EXPECT_FALSE(screen->busy());
}

TEST_F(DownloadScreenTest, NamesThatCannotBeFilesAreNotListed) {
  offerList("Kelto-Racing\r\n../Kelto-Escape\r\nKelto\\Back\r\n..\r\nKelto\x01Odd\r\n\xC9t\xE9\r\n");
  open();
  ASSERT_TRUE(waitForState(kProfileFetched));
  EXPECT_EQ(listed(), (QStringList{"Kelto-Racing", QString::fromUtf8("\u00C9t\u00E9")}));
}

TEST_F(DownloadScreenTest, ThreeTickedAreFetchedRegisteredAndTheStripEndsOnSuccess) {
  offerList("Kelto-A\r\nKelto-B\r\nKelto-C\r\nKelto-D\r\n");
  for (const char* name : {"Kelto-A", "Kelto-B", "Kelto-C", "Kelto-D"}) offerProfile(name);
  open();
  ASSERT_TRUE(waitForState(kProfileFetched));
  const QImage emptyStrip = grab(Screen::kStripPlace);
  for (const char* name : {"Kelto-A", "Kelto-B", "Kelto-D"}) tick(name);
  EXPECT_EQ(screen->list()->selectedItems().size(), 3);

  // Every frame shown while each count of profiles had arrived.
  std::vector<std::pair<int32_t, int32_t>> seen;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    const auto& strip = screen->animation();
    if (seen.empty() || seen.back() != std::pair{strip.doneCount(), strip.frame()})
      seen.emplace_back(strip.doneCount(), strip.frame());
  });
  watch.start(1);
  click(Screen::kDownload);
  ASSERT_TRUE(waitForDownloads());
  ASSERT_TRUE(QTest::qWaitFor([&] { return screen->animation().frame() == 12; }, 5000));
  watch.stop();

  // A, then D (B moved into A's place and waits for the next pass), then B.
  EXPECT_EQ(makerIndex(), (Names{"Kelto-A", "Kelto-D", "Kelto-B"}));
  for (const char* name : {"Kelto-A", "Kelto-B", "Kelto-D"}) EXPECT_TRUE(fetched(name)) << name;
  EXPECT_FALSE(std::filesystem::exists(local_.path() / "Keltoprofile" / "Kelto-C.klt"));
  EXPECT_EQ(listed(), QStringList{"Kelto-C"});
  EXPECT_EQ(screen->downloadState(), kProfileFetched);

  // One picture at a time, never more than one past the target of the count.
  const int32_t targets[] = {0, 3, 6, 11};
  for (std::size_t i = 0; i < seen.size(); ++i) {
    const auto [done, frame] = seen[i];
    EXPECT_LE(frame, targets[done] + 1) << done << " arrived";
    if (i > 0) {
      EXPECT_LE(frame - seen[i - 1].second, 1);
    }
  }
  EXPECT_EQ(seen.front().second, 1);
  EXPECT_TRUE(screen->animation().finished());
  const QImage success = grab(Screen::kStripPlace);
  EXPECT_NE(success, emptyStrip);

  // Download is ignored while the success picture shows.
  tick("Kelto-C");
  click(Screen::kDownload);
  EXPECT_FALSE(screen->walking());
  EXPECT_FALSE(screen->busy());

  // The success picture times out and the strip is empty again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !screen->animation().finished(); }, 10000));
  EXPECT_EQ(screen->animation().frame(), 0);
  EXPECT_EQ(grab(Screen::kStripPlace), emptyStrip);
  EXPECT_TRUE(missingPictures.isEmpty()) << missingPictures.join('\n').toStdString();
}

TEST_F(DownloadScreenTest, NothingTickedFetchesNothing) {
  offerList("Kelto-A\r\nKelto-B\r\n");
  offerProfile("Kelto-A");
  open();
  ASSERT_TRUE(waitForState(kProfileFetched));
  click(Screen::kDownload);
  EXPECT_FALSE(screen->walking());
  EXPECT_FALSE(screen->busy());
  EXPECT_EQ(screen->animation().frame(), 0);
  EXPECT_FALSE(screen->animation().moving());
  EXPECT_EQ(listed(), (QStringList{"Kelto-A", "Kelto-B"}));
  EXPECT_EQ(makerIndex(), Names{});
}

TEST_F(DownloadScreenTest, SecondAndThirdOfFiveAreFetchedInTwoPasses) {
  offerList("Kelto-1\r\nKelto-2\r\nKelto-3\r\nKelto-4\r\nKelto-5\r\n");
  for (const char* name : {"Kelto-1", "Kelto-2", "Kelto-3", "Kelto-4", "Kelto-5"}) offerProfile(name);
  open();
  ASSERT_TRUE(waitForState(kProfileFetched));
  tick("Kelto-2");
  tick("Kelto-3");
  // The list, and the walk's pass (from 0), at the start and at each removal.
  std::vector<std::pair<int, QStringList>> seen{{screen->walk().pass(), listed()}};
  const QMetaObject::Connection removals = QObject::connect(
      screen->list()->model(), &QAbstractItemModel::rowsRemoved,
      [&] { seen.emplace_back(screen->walk().pass(), listed()); });
  click(Screen::kDownload);
  ASSERT_TRUE(waitForDownloads());
  QObject::disconnect(removals);
  EXPECT_EQ(makerIndex(), (Names{"Kelto-2", "Kelto-3"}));
  // The second went in the first pass; the third, now second, in the next.
  const QStringList all{"Kelto-1", "Kelto-2", "Kelto-3", "Kelto-4", "Kelto-5"};
  const QStringList withoutSecond{"Kelto-1", "Kelto-3", "Kelto-4", "Kelto-5"};
  const QStringList rest{"Kelto-1", "Kelto-4", "Kelto-5"};
  EXPECT_EQ(seen, (std::vector<std::pair<int, QStringList>>{{0, all}, {0, withoutSecond}, {1, rest}}));
}

TEST_F(DownloadScreenTest, FailedDownloadStaysTickedAndHoldsTheStrip) {
  offerList("Kelto-A\r\nKelto-Gone\r\n");
  offerProfile("Kelto-A");
  open();
  ASSERT_TRUE(waitForState(kProfileFetched));
  tick("Kelto-A");
  tick("Kelto-Gone");
  click(Screen::kDownload);
  ASSERT_TRUE(waitForDownloads());
  EXPECT_EQ(screen->downloadState(), kProfileFailed);
  EXPECT_EQ(makerIndex(), Names{"Kelto-A"});
  EXPECT_EQ(listed(), QStringList{"Kelto-Gone"});
  EXPECT_TRUE(screen->list()->item(0)->isSelected());
  EXPECT_FALSE(std::filesystem::exists(local_.path() / "Keltoprofile" / "Kelto-Gone.klt"));
  // One of two arrived: the strip rests one past its target and never succeeds.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !screen->animation().moving(); }, 5000));
  EXPECT_EQ(screen->animation().frame(), DownloadAnimation::targetFrame(2, 1) + 1);
  EXPECT_FALSE(screen->animation().finished());
}

TEST_F(DownloadScreenTest, CancelWhileFetchingLeadsHomeAndStillRegistersWhatArrived) {
  offerList("Kelto-A\r\nKelto-B\r\nKelto-C\r\n");
  for (const char* name : {"Kelto-A", "Kelto-B", "Kelto-C"}) offerProfile(name);
  open();
  ASSERT_TRUE(waitForState(kProfileFetched));
  for (const char* name : {"Kelto-A", "Kelto-B", "Kelto-C"}) tick(name);
  click(Screen::kDownload);
  ASSERT_TRUE(screen->busy());
  click(Screen::kCancel);
  EXPECT_EQ(app.ScreenId, kHomeScreen);
  EXPECT_EQ(host->shown, std::vector<int32_t>{kHomeScreen});
  EXPECT_FALSE(screen->isVisible());
  EXPECT_FALSE(screen->walking());
  ASSERT_TRUE(waitForDownloads());
  // The download under way when the person left arrived and is kept; no
  // further one was started.
  EXPECT_EQ(makerIndex(), Names{"Kelto-A"});
  EXPECT_TRUE(fetched("Kelto-A"));
  EXPECT_FALSE(std::filesystem::exists(local_.path() / "Keltoprofile" / "Kelto-B.klt"));

  // Opened again, the screen starts over with a still strip.
  screen->loadSlot();
  screen->show();
  ASSERT_TRUE(waitForState(kProfileFetched));
  EXPECT_EQ(listed(), (QStringList{"Kelto-A", "Kelto-B", "Kelto-C"}));
  EXPECT_EQ(screen->animation().frame(), 0);
  EXPECT_FALSE(screen->animation().moving());
}

TEST_F(DownloadScreenTest, ScreenMayGoWhileADownloadRuns) {
  offerList("Kelto-A\r\nKelto-B\r\n");
  offerProfile("Kelto-A");
  offerProfile("Kelto-B");
  open();
  ASSERT_TRUE(waitForState(kProfileFetched));
  tick("Kelto-A");
  tick("Kelto-B");
  click(Screen::kDownload);
  ASSERT_TRUE(screen->busy());
  screen.reset();
  // Nothing is handed to the screen that is gone.
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  EXPECT_LE(makerIndex().size(), 1u);
}

TEST_F(DownloadScreenTest, ListDoesNotChangeWhileDownloadWalksIt) {
  offerList("Kelto-A\r\nKelto-B\r\n");
  offerProfile("Kelto-A");
  open();
  ASSERT_TRUE(waitForState(kProfileFetched));
  tick("Kelto-A");
  click(Screen::kDownload);
  ASSERT_TRUE(screen->walking());
  tick("Kelto-B");  // swallowed while the walk runs
  ASSERT_TRUE(waitForDownloads());
  EXPECT_EQ(listed(), QStringList{"Kelto-B"});
  EXPECT_FALSE(screen->list()->item(0)->isSelected());
  EXPECT_EQ(makerIndex(), Names{"Kelto-A"});
}

}  // namespace
}  // namespace ostrel::testing
