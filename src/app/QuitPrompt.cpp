#include "app/profile_Dialog_Qiut.h"

#include <QPainter>

#include "app/ProcessShell.h"
#include "app/Profile.h"
#include "app/placeButton.h"
#include "controls/PictureCache.h"
#include "controls/PngButton.h"
#include "profile/AppState.h"

namespace ostrel {

profile_Dialog_Qiut::profile_Dialog_Qiut(AppContext& context, Profile& container)
    : QWidget(&container), context_(context), container_(container) {
  setObjectName(QStringLiteral("158"));
  PngButton* yes = addButton(kYesId, "Screen7/quityes.png", {528, 369});
  PngButton* no = addButton(kNoId, "Screen7/quitno.png", {683, 369});
  connect(yes, &PngButton::clicked, this, [this] { context_.shell.endProcess(kYesExitCode); });
  connect(no, &PngButton::clicked, this, [this] { container_.showScreen(kHomeScreen); });
}

PngButton* profile_Dialog_Qiut::addButton(int id, const char* picture, QPoint place) {
  return placeButton(context_.pictures, this, id,
                     QString::fromStdString(context_.app.resourceFolder) + picture, place);
}

void profile_Dialog_Qiut::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kQuitPromptScreen;
  QPainter painter(this);
  const QRect full(0, 0, 1280, 720);
  painter.fillRect(full, Qt::black);
  painter.drawPixmap(full, context_.pictures.languagePicture(QStringLiteral("Screen-11.jpg")));
}

}  // namespace ostrel
