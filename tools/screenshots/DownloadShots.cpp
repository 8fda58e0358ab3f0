#include "DownloadShots.h"

#include <QListWidgetItem>

#include "ScreenshotRun.h"
#include "app/ProfileContainer.h"
#include "controls/CheckList.h"
#include "online/ProfileServer.h"
#include "screens/HomeScreen.h"
#include "screens/DownloadScreen.h"

namespace ostrel {

void downloadShots(ScreenshotRun& run) {
  run.container()->showScreen(kHomeScreen);
  run.click(kHomeScreen, HomeScreen::kDownloadProfiles);
  auto* screen = dynamic_cast<DownloadScreen*>(run.page(kDownloadScreen));
  if (!screen || !run.waitUntil([&] { return run.shown(kDownloadScreen); })) return;
  // Drawn before the list sequence's first tick asks the server.
  if (screen->downloadState() < kListNotFetched) run.save(QStringLiteral("download-contacting.png"), false);
  if (!run.waitUntil([&] { return screen->downloadState() == kProfileFetched && !screen->busy(); })) return;
  CheckList* list = screen->list();
  if (list->count() < 5) return run.problem(QStringLiteral("The download list shows %1 profiles").arg(list->count()));
  for (int row : {0, 2, 4}) list->item(row)->setSelected(true);
  run.save(QStringLiteral("download-list-ticked.png"));

  run.click(kDownloadScreen, DownloadScreen::kDownload);
  const DownloadAnimation& strip = screen->animation();
  for (int32_t frame : {3, 7}) {
    if (run.waitUntil([&] { return strip.frame() >= frame || strip.finished(); }))
      run.save(QStringLiteral("download-progress-%1.png").arg(frame));
  }
  if (run.waitUntil([&] { return strip.finished(); })) run.save(QStringLiteral("download-success.png"));
  run.click(kDownloadScreen, DownloadScreen::kCancel);
  run.waitUntil([&] { return run.shown(kHomeScreen); });
}

}  // namespace ostrel
