#include "app/NotConnectedScreen.h"

#include <QPainter>

#include "app/ProcessShell.h"
#include "app/placeButton.h"
#include "controls/PictureCache.h"
#include "controls/ImageButton.h"
#include "profile/AppState.h"

namespace ostrel {

NotConnectedScreen::NotConnectedScreen(AppContext& context,
                                                                         QWidget* parent)
    : QWidget(parent), context_(context) {
  setObjectName(QStringLiteral("160"));
  quitFolder_ = context_.app.resourceFolder;
  quit_ = placeButton(context_.pictures, this, kQuitId, QString::fromStdString(quitFolder_) + "quit0.png",
                      {578, 425});
  connect(quit_, &ImageButton::clicked, this, [this] { context_.shell.quit(); });
}

void NotConnectedScreen::followFolder() {
  if (context_.app.resourceFolder == quitFolder_) return;
  quitFolder_ = context_.app.resourceFolder;
  quit_->setPicture(QString::fromStdString(quitFolder_) + "quit0.png");
  update();
}

const char* NotConnectedScreen::stillPicture(int32_t screenId, int32_t saveReason) {
  switch (screenId) {
    case kStickScreen: return "Screen-4.jpg";
    case kButtonScreen: return "Screen-5.jpg";
    case kGeneralScreen: return "Screen-3.jpg";
    case kControllerListScreen: return "Screen-10.jpg";
    case kNameListScreen: return "Screen-7.jpg";
    case kDownloadScreen: return "Screen-9.jpg";
    case kMakerListScreen: return "Screen-8.jpg";
    case kQuitPromptScreen: return "Screen-11.jpg";
    case kUpdateScreen: return "Screen-13.jpg";
    case kSaveNameScreen: return "Screen-6.jpg";
    case kSavePromptScreen:
      switch (saveReason) {
        case 0: case 4: case 5: return "Screen-14b.jpg";
        case 1: return "Screen-14a.jpg";
        case 2: return "Screen-14c.jpg";
        default: return nullptr;
      }
    default: return "Screen-2.jpg";  // the home screen, and any other number
  }
}

const char* NotConnectedScreen::message(int32_t linkState) {
  switch (linkState) {
    case kNoPad: return "Screen-15b.png";
    case kPadXbox360: return "Screen-15a.png";
    default: return nullptr;
  }
}

void NotConnectedScreen::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect full(0, 0, 1280, 720);
  painter.fillRect(full, Qt::black);
  for (const char* name : {stillPicture(context_.app.ScreenId, context_.app.saveReason),
                           message(context_.app.LinkState)}) {
    if (name) painter.drawPixmap(full, context_.pictures.languagePicture(QString::fromUtf8(name)));
  }
}

}  // namespace ostrel
