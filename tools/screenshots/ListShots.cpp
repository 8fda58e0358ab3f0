#include "ListShots.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "ScreenshotRun.h"
#include "app/ProfileContainer.h"
#include "controls/PlainList.h"
#include "screens/ProfileListScreen.h"
#include "screens/HomeScreen.h"
#include "screens/PadProfilesList.h"
#include "screens/MakerProfilesList.h"
#include "screens/MyProfilesList.h"

namespace ostrel {
namespace {

// Opens a list screen from the home screen's button with its last row
// selected; null when it did not open.
ProfileListScreen* openList(ScreenshotRun& run, int button, int32_t screen) {
  run.container()->showScreen(kHomeScreen);
  run.click(kHomeScreen, button);
  auto* list = dynamic_cast<ProfileListScreen*>(run.page(screen));
  if (!list || !run.waitUntil([&] { return run.shown(screen); })) return nullptr;
  if (list->list()->count() > 0) list->list()->setCurrentRow(list->list()->count() - 1);
  return list;
}

void pressKey(QWidget* target, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  QCoreApplication::sendEvent(target, &release);
}

}  // namespace

void listShots(ScreenshotRun& run) {
  if (ProfileListScreen* names = openList(run, HomeScreen::kMyProfiles, kNameListScreen)) {
    run.save(QStringLiteral("name-list.png"));
    pressKey(names->list(), Qt::Key_Delete);
    if (run.waitUntil([&] { return names->deletePromptShown(); })) run.save(QStringLiteral("name-list-delete-prompt.png"));
    run.click(kNameListScreen, MyProfilesList::kNo);
    run.click(kNameListScreen, MyProfilesList::kCancel);
  }
  if (openList(run, HomeScreen::kMakerProfiles, kMakerListScreen)) {
    run.save(QStringLiteral("maker-list.png"));
    run.click(kMakerListScreen, MakerProfilesList::kCancel);
  }
  run.container()->showScreen(kHomeScreen);
  run.click(kHomeScreen, HomeScreen::kControllerProfiles);
  if (run.waitUntil([&] { return run.shown(kControllerListScreen); })) {
    run.save(QStringLiteral("controller-list.png"));
    run.click(kControllerListScreen, PadProfilesList::kCancel);
  }
  run.waitUntil([&] { return run.shown(kHomeScreen); });
}

}  // namespace ostrel
