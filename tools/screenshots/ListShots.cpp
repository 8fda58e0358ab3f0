#include "ListShots.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "ScreenshotRun.h"
#include "app/Profile.h"
#include "controls/CTransparentListBoxnocheck.h"
#include "screens/ProfileListScreen.h"
#include "screens/profile1_Dialog.h"
#include "screens/profile_Dialog_Controller_Profile.h"
#include "screens/profile_Dialog_Kelto_Profile.h"
#include "screens/profile_Dialog_Name_List.h"

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
  if (ProfileListScreen* names = openList(run, profile1_Dialog::kMyProfiles, kNameListScreen)) {
    run.save(QStringLiteral("name-list.png"));
    pressKey(names->list(), Qt::Key_Delete);
    if (run.waitUntil([&] { return names->deletePromptShown(); })) run.save(QStringLiteral("name-list-delete-prompt.png"));
    run.click(kNameListScreen, profile_Dialog_Name_List::kNo);
    run.click(kNameListScreen, profile_Dialog_Name_List::kCancel);
  }
  if (openList(run, profile1_Dialog::kMakerProfiles, kMakerListScreen)) {
    run.save(QStringLiteral("maker-list.png"));
    run.click(kMakerListScreen, profile_Dialog_Kelto_Profile::kCancel);
  }
  run.container()->showScreen(kHomeScreen);
  run.click(kHomeScreen, profile1_Dialog::kControllerProfiles);
  if (run.waitUntil([&] { return run.shown(kControllerListScreen); })) {
    run.save(QStringLiteral("controller-list.png"));
    run.click(kControllerListScreen, profile_Dialog_Controller_Profile::kCancel);
  }
  run.waitUntil([&] { return run.shown(kHomeScreen); });
}

}  // namespace ostrel
