#include "DownloadScreenFixture.h"

#include <QListWidgetItem>
#include <QTest>

#include "library/LibraryFolders.h"
#include "library/TextLines.h"
#include "online/ProfileServer.h"

namespace ostrel::testing {

void DownloadScreenTest::SetUp() {
  ASSERT_TRUE(server_->running()) << "pyftpdlib did not start";
  std::filesystem::remove_all(server_->root() / kServerProfileFolder);
  library.basePath = local_.path().string() + "/";
  ASSERT_TRUE(library.ensureFolders());
  app.resetToStartup();
  app.programFolder = library.basePath;
  app.resourceFolder = languageFolder(0);
  app.LinkState = kPadConnected;
  link = std::make_unique<ControllerLink>(app, library, pad, dispatcher, graceTimer, sleeper);
  pictures = std::make_unique<PictureCache>(QStringLiteral(OSTREL_TEST_RES_ROOT), app);
  pictures->setWarningSink([this](const QString& line) { missingPictures << line; });
  host = std::make_unique<FakeHost>(app);
}

void DownloadScreenTest::TearDown() {
  screen.reset();
  link.reset();
}

void DownloadScreenTest::offerList(const std::string& text) {
  test::writeFile(server_->root() / kServerProfileList, text);
}

void DownloadScreenTest::offerProfile(const std::string& name) {
  test::writeFile(server_->root() / (std::string(kServerProfileFolder) + name + ".klt"), bodyOf(name));
}

std::string DownloadScreenTest::bodyOf(const std::string& name) {
  return name + "\r\n" + test::patternBytes(700);
}

void DownloadScreenTest::open() { open(server_->settings()); }

// Shown without waiting, so the test sees the screen before its first tick.
void DownloadScreenTest::open(const SharedServerSettings& settings) {
  ScreenContext context{app, library, *link, *pictures, *host, QStringLiteral(OSTREL_TEST_RES_ROOT)};
  context.server = settings;
  screen = std::make_unique<Screen>(context);
  host->screens[kDownloadScreen] = screen.get();
  screen->loadSlot();
  app.ScreenId = kDownloadScreen;
  screen->show();
}

bool DownloadScreenTest::waitForState(int32_t state) {
  return QTest::qWaitFor([&] { return screen->downloadState() == state && !screen->timer().isActive(); },
                         10000);
}

bool DownloadScreenTest::waitForDownloads() {
  return QTest::qWaitFor([&] { return !screen->walking() && !screen->busy(); }, 20000);
}

int DownloadScreenTest::rowOf(const QString& text) const {
  const auto found = screen->list()->findItems(text, Qt::MatchExactly);
  return found.isEmpty() ? -1 : screen->list()->row(found.front());
}

QStringList DownloadScreenTest::listed() const {
  QStringList rows;
  for (int i = 0; i < screen->list()->count(); ++i) rows << screen->list()->item(i)->text();
  return rows;
}

void DownloadScreenTest::tick(const QString& text) {
  const int row = rowOf(text);
  ASSERT_GE(row, 0) << text.toStdString();
  const QRect list = Screen::kListPlace;
  const QPoint place(list.left() + 25, list.top() + CheckList::kRowHeight * row + 15);
  QWidget* target = screen->childAt(place);
  ASSERT_NE(target, nullptr);
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(screen.get(), place));
}

void DownloadScreenTest::click(int id) {
  QWidget* button = screen->findChild<QWidget*>(QString::number(id));
  ASSERT_NE(button, nullptr) << id;
  const QPoint centre = button->mapTo(screen.get(), button->rect().center());
  QWidget* target = screen->childAt(centre);
  ASSERT_NE(target, nullptr) << id;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(screen.get(), centre));
}

std::vector<std::string> DownloadScreenTest::makerIndex() const {
  const auto index = local_.path() / kMakerFolder / kIndexFile;
  if (!std::filesystem::exists(index)) return {};
  return splitLines(test::readFile(index));
}

bool DownloadScreenTest::fetched(const std::string& name) const {
  const auto file = local_.path() / kMakerFolder / (name + ".klt");
  return std::filesystem::exists(file) && test::readFile(file) == bodyOf(name);
}

QImage DownloadScreenTest::grab(const QRect& area) const {
  return screen->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace ostrel::testing
