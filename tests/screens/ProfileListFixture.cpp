#include "ProfileListFixture.h"

#include <QListWidgetItem>
#include <QTest>

#include <fstream>
#include <sstream>

#include "controls/PlainList.h"
#include "library/ValueText.h"
#include "profile/ProfileRecord.h"

namespace ostrel::testing {

void ProfileListTest::SetUp() {
  HomeScreenTest::SetUp();
  const ScreenContext context{app, library, *link, *pictures, *host, QStringLiteral(OSTREL_TEST_RES_ROOT)};
  myList = std::make_unique<MyProfilesList>(context);
  makerList = std::make_unique<MakerProfilesList>(context);
  padList = std::make_unique<PadProfilesList>(context);
  host->screens = {{kHomeScreen, home.get()},
                   {kNameListScreen, myList.get()},
                   {kMakerListScreen, makerList.get()},
                   {kControllerListScreen, padList.get()}};
}

void ProfileListTest::TearDown() {
  myList.reset();
  makerList.reset();
  padList.reset();
  HomeScreenTest::TearDown();
}

ProfileListScreen& ProfileListTest::list(Which which) {
  if (which == kMine) return *myList;
  return *makerList;
}

void ProfileListTest::open(ProfileListScreen& screen) {
  home->hide();
  if (&screen == myList.get()) {
    library.rebuildMyIndex();
  } else {
    library.rebuildMakerIndex();
  }
  screen.loadSlot();
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
  host->shown.clear();
}

std::vector<std::string> ProfileListTest::rows(ProfileListScreen& screen) {
  std::vector<std::string> texts;
  for (int i = 0; i < screen.list()->count(); ++i) texts.push_back(screen.list()->item(i)->text().toStdString());
  return texts;
}

QPoint ProfileListTest::rowCentre(ProfileListScreen& screen, const std::string& text) {
  const auto found = screen.list()->findItems(QString::fromStdString(text), Qt::MatchExactly);
  if (found.isEmpty()) return {};
  return screen.list()->visualItemRect(found.front()).center();
}

void ProfileListTest::clickAt(ProfileListScreen& screen, QPoint place) {
  QTest::mouseClick(screen.list()->viewport(), Qt::LeftButton, {}, place);
}

void ProfileListTest::doubleClickAt(ProfileListScreen& screen, QPoint place) {
  QWidget* viewport = screen.list()->viewport();
  QTest::mouseClick(viewport, Qt::LeftButton, {}, place);
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, place);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, place);
}

void ProfileListTest::press(ProfileListScreen& screen, int key, const QString& text) {
  QWidget* target = screen.list();
  QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &down);
  QApplication::sendEvent(target, &up);
}

void ProfileListTest::makeProfile(const std::string& name, float off) {
  // A second library object, so the screens' slot tables stay untouched.
  ProfileLibrary maker;
  maker.basePath = library.basePath;
  const std::string made = "Made-" + name;
  ASSERT_TRUE(maker.createProfile(made));
  maker.setProfileValue(0, made, ProfileIndex::shortcutsOff, formatValue(off));
  const bool makers = name.rfind("kelto", 0) == 0 || name.rfind("Kelto", 0) == 0;
  const fs::path to = root / (makers ? "Keltoprofile" : "Myprofile") / (name + ".klt");
  fs::rename(root / "Myprofile" / (made + ".klt"), to);
  ASSERT_TRUE(maker.rebuildMyIndex());
  ASSERT_TRUE(maker.rebuildMakerIndex());
}

std::vector<std::string> ProfileListTest::slotList() const {
  std::ifstream file(root / "Myprofile" / "Profile.klt", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void ProfileListTest::useInSlot(int index, const std::string& name, uint8_t off) {
  const auto s = static_cast<std::size_t>(index);
  app.slotNames[s] = app.savedSlotNames[s] = name;
  app.slotOff[s] = app.savedSlotOff[s] = off;
  ASSERT_TRUE(library.loadProfileIntoSlot(index, name));
  ASSERT_TRUE(library.assignSlot(index, name));
}

}  // namespace ostrel::testing
