// Activation writes the four slots to the pad, with the busy cursor up; the
// pad's answer shows the stored-profiles notice for 30 ticks; an activation
// that did not get through says so on the screen.

#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include "HomeScreenFixture.h"
#include "link/ProfileCodec.h"

namespace ostrel::testing {
namespace {

QImage picture(const char* name) {
  return QImage(QStringLiteral(OSTREL_TEST_RES_ROOT "/res/English/") + QLatin1String(name))
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The notice area of the screen as drawn.
QImage noticeArea(const QImage& screen) {
  return screen.copy(HomeScreen::kNoticeArea).convertToFormat(QImage::Format_RGB32);
}

// The notice picture laid over the screen's background, as the screen draws it.
QImage expectedNotice(const char* name) {
  QImage ground = picture("Screen-2.jpg").copy(HomeScreen::kNoticeArea);
  QPainter painter(&ground);
  painter.drawImage(0, 0, picture(name));
  painter.end();
  return ground.convertToFormat(QImage::Format_RGB32);
}

TEST_F(HomeScreenTest, ActivationSendsTheFourSlotsAfterSavingTheFields) {
  for (int i = 0; i < kSlotCount; ++i) {
    app.slotNames[i] = app.savedSlotNames[i] = "Slot " + std::to_string(i + 1);
    library.loadProfileIntoSlot(i, app.slotNames[i]);
  }
  app.language = 2;
  app.savedSlotOff[3] = 1;
  click(1232);  // slot 3
  control<QLineEdit>(1161)->selectAll();
  control<QLineEdit>(1161)->insert("8");

  click(1102);
  const auto reports = pad.receivedReports();
  ASSERT_EQ(reports.size(), 44u);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    SCOPED_TRACE(slot);
    const int index = slot - 1;
    const uint8_t flags = profileFlags(2, slot == 4);
    EXPECT_EQ(reports[11 * index], encodeNameReport(slot, flags, app.slotNames[index]));
    ProfileRecord saved{};
    std::copy_n(library.savedValues[index].begin(), kProfileSize, saved.begin());
    const ProfilePackets packets = encodeProfilePackets('U', slot, flags, saved);
    for (int p = 0; p < kProfilePackets; ++p) EXPECT_EQ(reports[11 * index + 1 + p], packets[p]) << p;
  }
  EXPECT_EQ(library.savedValues[2][0], 8.0f);  // the typed field went out saved

  // Every pause of the activation happened under the busy cursor, and it is
  // gone afterwards.
  EXPECT_EQ(sleeper.busyDuringUiPauses.size(), 44u);
  EXPECT_TRUE(std::all_of(sleeper.busyDuringUiPauses.begin(), sleeper.busyDuringUiPauses.end(),
                          [](bool busy) { return busy; }));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  ASSERT_TRUE(runUntil([&] { return app.storedNotice == 1; }));
  pad.withFirmware([](SimulatedPadFirmware& firmware) {
    EXPECT_EQ(firmware.activations, 1);
    EXPECT_EQ(firmware.slots[2].values[0], 8.0f);
    EXPECT_EQ(firmware.slots[2].name, "Slot 3");
  });
  EXPECT_FALSE(home->showsNotStored());
}

TEST_F(HomeScreenTest, TheStoredNoticeShowsForThirtyTicks) {
  EXPECT_TRUE(home->timer().isActive());
  EXPECT_EQ(home->timer().interval(), 100);
  const QImage plain = noticeArea(grab());
  ASSERT_TRUE(home->activate());
  ASSERT_TRUE(runUntil([&] { return app.storedNotice == 1; }));
  for (int tick = 1; tick < 30; ++tick) home->tick();
  EXPECT_EQ(app.storedNotice, 1);
  EXPECT_EQ(noticeArea(grab()), expectedNotice("Screen2/Profiles-Downloaded.png"));
  home->tick();
  EXPECT_EQ(app.storedNotice, 0);
  EXPECT_EQ(noticeArea(grab()), plain);
  // A second notice counts from zero again.
  app.storedNotice = 1;
  for (int tick = 1; tick < 30; ++tick) home->tick();
  EXPECT_EQ(app.storedNotice, 1);
}

TEST_F(HomeScreenTest, AnActivationThatDidNotGetThroughSaysSo) {
  pad.unplug();
  dispatcher.drain();
  const QImage plain = noticeArea(grab());
  click(1102);
  EXPECT_TRUE(home->showsNotStored());
  EXPECT_EQ(app.storedNotice, 0);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(noticeArea(grab()), expectedNotice("Screen2/Profiles-NotStored.png"));
  // It stays until the next activation, and the ticks leave it alone.
  for (int tick = 0; tick < 40; ++tick) home->tick();
  EXPECT_TRUE(home->showsNotStored());
  pad.plug();
  ASSERT_TRUE(runUntil([&] { return observer.sequencesDone >= 2; }));
  click(1102);
  EXPECT_FALSE(home->showsNotStored());
  EXPECT_EQ(noticeArea(grab()), plain);
  EXPECT_TRUE(missingPictures.isEmpty()) << missingPictures.join('\n').toStdString();
}

}  // namespace
}  // namespace ostrel::testing
