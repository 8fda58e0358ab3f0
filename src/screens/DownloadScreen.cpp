#include "screens/DownloadScreen.h"

#include <QEvent>
#include <QPainter>

#include "controls/CheckList.h"
#include "controls/PictureCache.h"
#include "online/OnlineWorker.h"
#include "online/ProfileServer.h"
#include "profile/AppState.h"
#include "screens/ScreenKeyFilter.h"
#include "screens/ScreenLead.h"

namespace ostrel {
namespace {

constexpr const char* kBackground = "Screen-9.jpg";
constexpr const char* kContacting = "Screen8/contacting.png";
constexpr const char* kSuccess = "Screen8/Download-Successful.png";

constexpr PlacedButton kButtonPlaces[] = {
    {DownloadScreen::kCancel, "Screen6/cancel.png", {879, 100}},
    {DownloadScreen::kDownload, "Screen8/Download.png", {793, 589}},
};

// The strip's picture for a frame: 1 to 11 the strip, 12 the success picture.
QString stripPicture(int32_t frame) {
  if (frame == DownloadAnimation::kSuccessFrame) return QLatin1String(kSuccess);
  return QString::asprintf("Screen8/downloading_%02d.png", frame - 1);
}

}  // namespace

DownloadScreen::DownloadScreen(const ScreenContext& context,
                                                                 QWidget* parent)
    : QWidget(parent),
      context_(context),
      buttons_(context.pictures, this),
      worker_(std::make_unique<OnlineWorker>()) {
  setObjectName(QStringLiteral("DownloadScreen"));
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  buildControls();
  (new ScreenKeyFilter({}, this))->installOn(this);
  connect(&timer_, &QTimer::timeout, this, &DownloadScreen::tick);
  animationTimer_.setInterval(kAnimationInterval);
  connect(&animationTimer_, &QTimer::timeout, this, &DownloadScreen::animate);
}

// The worker goes first: once it has joined, no result can be handed to this
// screen any more, and results already queued die with it.
DownloadScreen::~DownloadScreen() { worker_.reset(); }

void DownloadScreen::buildControls() {
  buttons_.addAll(kButtonPlaces);
  buttons_.loadPictures(context_.app.resourceFolder);
  buttons_.onClick(kCancel, [this] { cancel(); });
  buttons_.onClick(kDownload, [this] { download(); });

  list_ = new CheckList(context_.pictures, this);
  list_->setObjectName(QString::number(kList));
  list_->setGeometry(kListPlace);
  list_->setTextStyle(QStringLiteral("Arial"), QColor(255, 255, 255), QColor(80, 168, 169), false);
  list_->hide();
  // While Download walks the list, its rows and their ticks stay as they are.
  list_->installEventFilter(this);
  list_->viewport()->installEventFilter(this);
}

void DownloadScreen::reloadPictures() {
  buttons_.loadPictures(context_.app.resourceFolder);
  update();
}

void DownloadScreen::startDownloadScreen() {
  timer_.stop();
  ++session_;
  walk_.stop();
  listRequested_ = false;
  // A strip left from an earlier visit does not move on a fresh screen.
  animation_.reset();
  animationTimer_.stop();
  downloadState_ = kFetchList;
  timer_.start(kTimerInterval);
  list_->clear();
  list_->hide();
  update();
}

void DownloadScreen::cancel() {
  timer_.stop();
  ++session_;
  walk_.stop();
  list_->redraw(true);
  leadToScreen(*this, context_, kHomeScreen);
}

void DownloadScreen::animate() {
  if (animation_.step()) update(kStripPlace);
  if (!animation_.moving()) animationTimer_.stop();
}

void DownloadScreen::keepAnimating() {
  if (animation_.moving() && !animationTimer_.isActive()) animationTimer_.start();
}

void DownloadScreen::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kDownloadScreen;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawPixmap(rect(), context_.pictures.languagePicture(QLatin1String(kBackground)));
  if (downloadState_ < kListNotFetched) {
    painter.drawPixmap(kContactingPlace, context_.pictures.languagePicture(QLatin1String(kContacting)));
  }
  paintStrip(painter);
}

void DownloadScreen::paintStrip(QPainter& painter) {
  const int32_t frame = animation_.frame();
  if (frame >= 1 && frame <= DownloadAnimation::kSuccessFrame) {
    painter.drawPixmap(kStripPlace, context_.pictures.languagePicture(stripPicture(frame)));
  }
  if (animation_.finished()) {
    painter.drawPixmap(kStripPlace, context_.pictures.languagePicture(QLatin1String(kSuccess)));
  }
}

void DownloadScreen::showEvent(QShowEvent* event) {
  context_.app.ScreenId = kDownloadScreen;
  buttons_.followFolder(context_.app.resourceFolder);
  QWidget::showEvent(event);
}

bool DownloadScreen::eventFilter(QObject* watched, QEvent* event) {
  if (!walk_.walking()) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
      event->accept();
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

}  // namespace ostrel
