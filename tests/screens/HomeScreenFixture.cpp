#include "HomeScreenFixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <QThread>

namespace ostrel::testing {

void CursorSleeper::sleepFor(std::chrono::milliseconds pause) {
  if (QThread::currentThread() == qApp->thread()) {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    busyDuringUiPauses.push_back(cursor && cursor->shape() == Qt::WaitCursor);
  }
  InstantSleeper::sleepFor(pause);
}

void HomeScreenTest::SetUp() {
  root = makeScratchFolder();
  library.basePath = root.string() + "/";
  ASSERT_TRUE(library.ensureFolders());
  app.resetToStartup();
  app.programFolder = library.basePath;
  app.resourceFolder = languageFolder(0);
  for (int i = 0; i < kSlotCount; ++i) {
    app.slotNames[i] = app.savedSlotNames[i] = library.getSlotName(i);
    library.loadProfileIntoSlot(i, app.slotNames[i]);
  }
  pad.plug();
  link = std::make_unique<ControllerLink>(app, library, pad, dispatcher, graceTimer, sleeper);
  link->setObserver(&observer);
  link->startLink();
  ASSERT_TRUE(runUntil([&] { return observer.sequencesDone >= 1; }));
  pad.clearReceivedReports();
  sleeper.busyDuringUiPauses.clear();
  app.resourceFolder = languageFolder(0);
  app.currentSlot = 1;  // as Next sets it
  app.ScreenId = kHomeScreen;

  pictures = std::make_unique<PictureCache>(QStringLiteral(OSTREL_TEST_RES_ROOT), app);
  pictures->setWarningSink([this](const QString& line) { missingPictures << line; });
  host = std::make_unique<FakeHost>(app);
  home = std::make_unique<HomeScreen>(
      ScreenContext{app, library, *link, *pictures, *host, QStringLiteral(OSTREL_TEST_RES_ROOT)});
  host->home = home.get();
  home->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(home.get()));
}

void HomeScreenTest::TearDown() {
  home.reset();
  link.reset();
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

void HomeScreenTest::click(int id) {
  QWidget* widget = control(id);
  ASSERT_NE(widget, nullptr) << id;
  // Whatever a person's click at the control's centre would reach.
  const QPoint centre = widget->mapTo(home.get(), widget->rect().center());
  QWidget* target = home->childAt(centre);
  ASSERT_NE(target, nullptr) << id;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(home.get(), centre));
}

QImage HomeScreenTest::grab() { return home->grab().toImage(); }

bool HomeScreenTest::runUntil(const std::function<bool()>& done) {
  return dispatcher.runUntil(done, std::chrono::seconds(10));
}

}  // namespace ostrel::testing
