#include "DownloadShots.h"

#include <QListWidgetItem>

#include "ScreenshotRun.h"
#include "app/Profile.h"
#include "controls/CTransparentListBox.h"
#include "online/ProfileServer.h"
#include "screens/profile1_Dialog.h"
#include "screens/profile_Dialog_Download_Profile.h"

namespace ostrel {

void downloadShots(ScreenshotRun& run) {
  run.container()->showScreen(kHomeScreen);
  run.click(kHomeScreen, profile1_Dialog::kDownloadProfiles);
  auto* screen = dynamic_cast<profile_Dialog_Download_Profile*>(run.page(kDownloadScreen));
  if (!screen || !run.waitUntil([&] { return run.shown(kDownloadScreen); })) return;
  // Drawn before the list sequence's first tick asks the server.
  if (screen->downloadState() < kListNotFetched) run.save(QStringLiteral("download-contacting.png"), false);
  if (!run.waitUntil([&] { return screen->downloadState() == kProfileFetched && !screen->busy(); })) return;
  CTransparentListBox* list = screen->list();
  if (list->count() < 5) return run.problem(QStringLiteral("The download list shows %1 profiles").arg(list->count()));
  for (int row : {0, 2, 4}) list->item(row)->setSelected(true);
  run.save(QStringLiteral("download-list-ticked.png"));

  run.click(kDownloadScreen, profile_Dialog_Download_Profile::kDownload);
  const DownloadAnimation& strip = screen->animation();
  for (int32_t frame : {3, 7}) {
    if (run.waitUntil([&] { return strip.frame() >= frame || strip.finished(); }))
      run.save(QStringLiteral("download-progress-%1.png").arg(frame));
  }
  if (run.waitUntil([&] { return strip.finished(); })) run.save(QStringLiteral("download-success.png"));
  run.click(kDownloadScreen, profile_Dialog_Download_Profile::kCancel);
  run.waitUntil([&] { return run.shown(kHomeScreen); });
}

}  // namespace ostrel
