#include "screens/UpdateScreen.h"

#include <QEvent>
#include <QPainter>

#include "controls/TextProgressBar.h"
#include "controls/PictureCache.h"
#include "controls/ImageButton.h"
#include "dfu/DfuEngine.h"
#include "library/ProfileLibrary.h"
#include "profile/AppState.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenLead.h"

namespace ostrel {
namespace {

constexpr const char* kBackground = "Screen-13.jpg";
constexpr QRect kFullWindow(0, 0, 1280, 720);
constexpr QRect kProgressPlace(461, 417, 423, 48);

constexpr PlacedButton kButtonPlaces[] = {
    {UpdateScreen::kYes, "Screen8/yes.png", {540, 414}},
    {UpdateScreen::kNo, "Screen8/no.png", {690, 414}},
    {UpdateScreen::kOk, "Screen8/ok.png", {617, 432}},
};

QColor qColour(const DfuRgb& rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

}  // namespace

UpdateScreen::UpdateScreen(const ScreenContext& context, UpdateScreenSetup setup, QWidget* parent)
    : QWidget(parent), context_(context), setup_(std::move(setup)), buttons_(context.pictures, this) {
  setObjectName(QStringLiteral("UpdateScreen"));
  resize(kFullWindow.size());
  setAttribute(Qt::WA_OpaquePaintEvent);
  buttons_.addAll(kButtonPlaces);
  buttons_.loadPictures(context_.app.resourceFolder);
  buttons_.onClick(kYes, [this] { pressYes(); });
  buttons_.onClick(kNo, [this] { pressNo(); });
  buttons_.onClick(kOk, [this] { pressOk(); });
  showButtons(false, false);

  progress_ = new TextProgressBar(this);
  progress_->setObjectName(QString::number(kProgress));
  progress_->setGeometry(kProgressPlace);
  progress_->setRange(0, 100);
  progress_->hide();

  // No key presses a button or closes the screen.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

  engine_ = std::make_unique<DfuEngine>(context_.app, context_.library.basePath, setup_.usb, setup_.clock, *this,
                                        setup_.shared);
  connect(&timer_, &QTimer::timeout, this, &UpdateScreen::tick);
  // Device changes come on the transport's thread; the engine takes them here.
  setup_.usb.setListener([this](const UsbDeviceEvent& event) {
    QMetaObject::invokeMethod(this, [this, event] { deviceChanged(event); }, Qt::QueuedConnection);
  });
  // A pad already waiting in its boot loader starts the recovery at once.
  engine_->enumerateDfuDevices();
}

UpdateScreen::~UpdateScreen() { setup_.usb.setListener({}); }

void UpdateScreen::deviceChanged(const UsbDeviceEvent& event) { engine_->onDfuDeviceChange(event); }

void UpdateScreen::loadSlot() { startUpdate(); }

void UpdateScreen::reloadPictures() { buttons_.followFolder(context_.app.resourceFolder); }

QString UpdateScreen::statePicture() const {
  const bool recovery = engine_->recoveryMode;
  switch (updateState_) {
    case kContacting:
    case kVersionReceived: return blinkOn_ ? QStringLiteral("Screen8/contacting.png") : QString();
    case kNoPad: return QStringLiteral("Screen8/nocontroller.png");
    case kOffer: return QStringLiteral("Screen8/firmware-update.png");
    case kDownloading:
    case kWaitingForDfu:
    case kProgramming: return recovery ? QStringLiteral("Screen8/recover.png") : QStringLiteral("Screen8/updating.png");
    case kNoServer:
    case kDownloadFailed: return QStringLiteral("Screen8/no-internet.png");
    case kNotNeeded: return QStringLiteral("Screen8/update-notneeded.png");
    case kFailed: return QStringLiteral("Screen8/failed-update.png");
    case kDone:
      return recovery ? QStringLiteral("Screen8/success-recover.png") : QStringLiteral("Screen8/success-update.png");
    default: return {};
  }
}

void UpdateScreen::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kUpdateScreen;
  QPainter painter(this);
  painter.fillRect(kFullWindow, Qt::black);
  painter.drawPixmap(kFullWindow, context_.pictures.languagePicture(QString::fromUtf8(kBackground)));
  const QString picture = statePicture();
  if (!picture.isEmpty()) painter.drawPixmap(kPicturePlace, context_.pictures.languagePicture(picture));
}

bool UpdateScreen::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: return true;
    default: return QWidget::eventFilter(watched, event);
  }
}

void UpdateScreen::showButtons(bool ok, bool yesNo) {
  buttons_.at(kOk)->setVisible(ok);
  buttons_.at(kYes)->setVisible(yesNo);
  buttons_.at(kNo)->setVisible(yesNo);
}

void UpdateScreen::hideProgress() { progress_->hide(); }

void UpdateScreen::pressYes() {
  showButtons(false, false);
  updateState_ = kDownloading;
  update();
}

void UpdateScreen::pressNo() {
  showButtons(false, false);
  leaveScreen();
}

void UpdateScreen::pressOk() {
  showButtons(false, false);
  leaveScreen();
}

void UpdateScreen::leaveScreen() {
  ++sequence_;
  awaitingServer_ = false;
  leadToScreen(*this, context_, kGeneralScreen);
  timer_.stop();
  engine_->deviceReady = 0;
  engine_->recoveryMode = 0;
  if (engine_->leavingDfuMode()) {
    // Stopping that request would keep the freshly programmed pad in its
    // boot loader: the ticks go on until it is through.
    leftWhileLeavingDfu_ = true;
    timer_.start(tickPeriod_);
  } else if (engine_->operationHandle) {
    engine_->stopOperation();
  }
}

// The engine's side.

bool UpdateScreen::askYesNo(const std::string& question) { return setup_.askYesNo(question); }

void UpdateScreen::showMessage(const std::string& text) { setup_.showMessage(text); }

void UpdateScreen::setProgressColours(const DfuProgressColours& colours) {
  progress_->setBarColour(qColour(colours.bar));
  progress_->setBackColour(qColour(colours.background));
  progress_->setTextOnBarColour(qColour(colours.textOnBar));
  progress_->setTextOnBackColour(qColour(colours.textOnBackground));
}

void UpdateScreen::setProgressText(const std::string& text) { progress_->setText(QString::fromStdString(text)); }

void UpdateScreen::setProgressPosition(int position) { progress_->setPos(position); }

void UpdateScreen::failUpdate() {
  enterFailed();
  engine_->deviceReady = 0;
  setup_.clock.sleepMillis(kStartPauseMs);
}

void UpdateScreen::openRecoveryScreen() {
  // Only the start-up's hidden watch sees no screen yet; this screen always
  // has its container, so it recovers in place.
  startRecovery();
}

void UpdateScreen::startRecovery() {
  showButtons(false, false);
  context_.app.ScreenId = kUpdateScreen;
  startUpdate();
  // Found while the container is still being made (its first look for a
  // boot loader), the screen is shown once the container is complete.
  // A screen still in view may paint meanwhile and take the screen number.
  QMetaObject::invokeMethod(
      this,
      [this] {
        context_.app.ScreenId = kUpdateScreen;
        context_.host.showCurrentScreen();
      },
      Qt::QueuedConnection);
}

}  // namespace ostrel
