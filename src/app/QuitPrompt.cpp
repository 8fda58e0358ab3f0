#include "app/QuitPrompt.h"

#include <QPainter>

#include "app/ProcessShell.h"
#include "app/ProfileContainer.h"
#include "controls/PictureCache.h"
#include "profile/AppState.h"

namespace ostrel {

QuitPrompt::QuitPrompt(AppContext& context, ProfileContainer& container)
    : QWidget(&container), context_(context), container_(container), buttons_(context.pictures, this) {
  setObjectName(QStringLiteral("158"));
  buttons_.add(kYesId, "Screen7/quityes.png", {528, 369});
  buttons_.add(kNoId, "Screen7/quitno.png", {683, 369});
  buttons_.loadPictures(context_.app.resourceFolder);
  buttons_.onClick(kYesId, [this] { context_.shell.endProcess(kYesExitCode); });
  buttons_.onClick(kNoId, [this] { container_.showScreen(kHomeScreen); });
}

void QuitPrompt::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kQuitPromptScreen;
  QPainter painter(this);
  const QRect full(0, 0, 1280, 720);
  painter.fillRect(full, Qt::black);
  painter.drawPixmap(full, context_.pictures.languagePicture(QStringLiteral("Screen-11.jpg")));
}

void QuitPrompt::showEvent(QShowEvent* event) {
  // The language may have changed since the last time: Yes and No follow it.
  buttons_.followFolder(context_.app.resourceFolder);
  QWidget::showEvent(event);
}

}  // namespace ostrel
