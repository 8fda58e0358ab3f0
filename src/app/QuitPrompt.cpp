#include "app/QuitPrompt.h"

#include <QPainter>

#include "app/ProcessShell.h"
#include "app/ProfileContainer.h"
#include "app/placeButton.h"
#include "controls/PictureCache.h"
#include "controls/ImageButton.h"
#include "profile/AppState.h"

namespace ostrel {

QuitPrompt::QuitPrompt(AppContext& context, ProfileContainer& container)
    : QWidget(&container), context_(context), container_(container) {
  setObjectName(QStringLiteral("158"));
  ImageButton* yes = addButton(kYesId, "Screen7/quityes.png", {528, 369});
  ImageButton* no = addButton(kNoId, "Screen7/quitno.png", {683, 369});
  connect(yes, &ImageButton::clicked, this, [this] { context_.shell.endProcess(kYesExitCode); });
  connect(no, &ImageButton::clicked, this, [this] { container_.showScreen(kHomeScreen); });
}

ImageButton* QuitPrompt::addButton(int id, const char* picture, QPoint place) {
  return placeButton(context_.pictures, this, id,
                     QString::fromStdString(context_.app.resourceFolder) + picture, place);
}

void QuitPrompt::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kQuitPromptScreen;
  QPainter painter(this);
  const QRect full(0, 0, 1280, 720);
  painter.fillRect(full, Qt::black);
  painter.drawPixmap(full, context_.pictures.languagePicture(QStringLiteral("Screen-11.jpg")));
}

}  // namespace ostrel
