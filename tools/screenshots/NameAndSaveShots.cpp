#include "NameAndSaveShots.h"

#include <QLineEdit>

#include "ScreenshotRun.h"
#include "app/ProfileContainer.h"
#include "screens/FieldSpinner.h"
#include "screens/NameScreen.h"
#include "screens/ButtonScreen.h"
#include "screens/StickScreen.h"
#include "screens/HomeScreen.h"
#include "screens/SavePrompt.h"

namespace ostrel {
namespace {

// Types name into the name screen's box and presses Save.
void typeAndSave(ScreenshotRun& run, QLineEdit* box, const QString& name) {
  box->setText(name);
  run.click(kSaveNameScreen, NameScreen::kSave);
}

// One step up on the value arrows id of a screen: an unsaved change.
void stepValue(ScreenshotRun& run, int32_t screen, int id) {
  QWidget* page = run.page(screen);
  auto* spinner = page ? page->findChild<FieldSpinner*>(QString::number(id)) : nullptr;
  if (spinner) {
    Q_EMIT spinner->stepped(1);
  } else {
    run.problem(QStringLiteral("Screen %1 has no value arrows %2").arg(screen).arg(id));
  }
}

// Saves the prompt opened for reason, then answers No (nothing is saved).
void savePrompt(ScreenshotRun& run, int32_t reason, const QString& name) {
  if (!run.waitUntil([&] { return run.shown(kSavePromptScreen); })) return;
  if (run.app().state().saveReason != reason)
    run.problem(QStringLiteral("The save prompt came with reason %1").arg(run.app().state().saveReason));
  run.save(name);
  run.click(kSavePromptScreen, SavePrompt::kNo);
}

}  // namespace

void nameScreenShots(ScreenshotRun& run) {
  run.container()->showScreen(kHomeScreen);
  run.click(kHomeScreen, HomeScreen::kNew);
  if (!run.waitUntil([&] { return run.shown(kSaveNameScreen); })) return;
  auto* screen = static_cast<NameScreen*>(run.page(kSaveNameScreen));
  auto* box = screen->findChild<QLineEdit*>(QString::number(NameScreen::kNameBox));
  if (!box) return run.problem(QStringLiteral("The name screen has no name box"));
  box->setText(QStringLiteral("Racing setup"));  // the space becomes "_"
  run.save(QStringLiteral("name-new.png"));
  typeAndSave(run, box, QStringLiteral("Default"));
  if (run.waitUntil([&] { return screen->warning() == NameScreen::kNameTaken; }))
    run.save(QStringLiteral("name-warning-1-taken.png"));
  typeAndSave(run, box, QStringLiteral("Racing\\setup"));
  if (run.waitUntil([&] { return screen->warning() == NameScreen::kNameNotAllowed; }))
    run.save(QStringLiteral("name-warning-2-not-allowed.png"));
  typeAndSave(run, box, QStringLiteral("Racing setup"));
  if (!run.waitUntil([&] { return run.shown(kHomeScreen); })) return;
  run.click(kHomeScreen, HomeScreen::kRename);
  if (!run.waitUntil([&] { return run.shown(kSaveNameScreen) && screen->renaming(); })) return;
  run.save(QStringLiteral("name-rename.png"));
  run.click(kSaveNameScreen, NameScreen::kCancel);
  run.waitUntil([&] { return run.shown(kHomeScreen); });
}

void savePromptShots(ScreenshotRun& run) {
  run.container()->showScreen(kHomeScreen);
  stepValue(run, kHomeScreen, HomeScreen::kSpinner1);
  run.click(kHomeScreen, HomeScreen::kQuit);
  savePrompt(run, 0, QStringLiteral("save-prompt-0-quit.png"));
  run.container()->showScreen(kHomeScreen);  // No leads to the quit prompt

  run.click(kHomeScreen, HomeScreen::kAim);
  if (!run.waitUntil([&] { return run.shown(kStickScreen); })) return;
  stepValue(run, kStickScreen, StickScreen::kStaticUpDown);
  run.click(kStickScreen, StickScreen::kHome);
  savePrompt(run, 1, QStringLiteral("save-prompt-1-stick.png"));

  if (!run.waitUntil([&] { return run.shown(kStickScreen) || run.shown(kHomeScreen); })) return;
  run.container()->showScreen(kHomeScreen);
  run.click(kHomeScreen, HomeScreen::kKey);
  if (!run.waitUntil([&] { return run.shown(kButtonScreen); })) return;
  run.click(kButtonScreen, ButtonScreen::kOff);
  run.click(kButtonScreen, ButtonScreen::kHome);
  savePrompt(run, 2, QStringLiteral("save-prompt-2-buttons.png"));
  run.container()->showScreen(kHomeScreen);
}

}  // namespace ostrel
