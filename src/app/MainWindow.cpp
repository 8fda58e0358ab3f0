#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/AppTexts.h"
#include "app/DfuStartupWatch.h"
#include "app/ProcessShell.h"
#include "app/placeButton.h"
#include "app/ProfileContainer.h"
#include "controls/PictureCache.h"
#include "controls/ImageButton.h"
#include "controls/WindowsFont.h"
#include "link/ControllerLink.h"
#include "pictures/PictureCatalog.h"
#include "profile/AppState.h"
#include "screens/ScreenKeyFilter.h"

namespace ostrel {
namespace {

const QRect kFullWindow(0, 0, MainWindow::kWidth, MainWindow::kHeight);

// The message the first screen lays over its picture, or null when the pad
// is connected.
const char* stateOverlay(int32_t linkState) {
  switch (linkState) {
    case kNoPad: return "Screen-15b.png";
    case kPadXbox360: return "Screen-15a.png";
    case kPadDfu: return "Screen-15c.png";
    default: return nullptr;
  }
}

}  // namespace

MainWindow::MainWindow(AppContext& context) : context_(context) {
  setObjectName(QStringLiteral("102"));
  setMouseTracking(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::placeWindow() {
  // A caption without a system menu or caption buttons: the program is left
  // through its QUIT buttons.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(QString::fromUtf8(kCaption));
  const QString icon = QString::fromLatin1(kAppIconPicture.data(), kAppIconPicture.size());
  setWindowIcon(QIcon(context_.pictures.picture(QStringLiteral("res/") + icon)));
  setFixedSize(kWidth, kHeight);
  move(context_.app.windowX, context_.app.windowY);
}

ImageButton* MainWindow::addButton(int id, const QString& picture, QPoint place) {
  return placeButton(context_.pictures, this, id, picture, place);
}

void MainWindow::placeButtons() {
  setting_ = addButton(kSettingId, QStringLiteral("res/Master.png"), {100, 100});
  setting_->hide();
  next_ = addButton(kNextId, QStringLiteral("res/next.png"), {1090, 650});
  // Taken once, in the start-up language; a later language choice keeps it.
  quit_ = addButton(kQuitId, QString::fromStdString(context_.app.resourceFolder) + "quit0.png", {578, 425});
  connect(next_, &ImageButton::clicked, this, &MainWindow::openProfileWindow);
  connect(quit_, &ImageButton::clicked, this, [this] { context_.shell.quit(); });
  refresh();
}

void MainWindow::resetFirstScreen() {
  profileWindowOpen_ = false;
  flags_.reset();
}

void MainWindow::placeVersionLabel() {
  version_ = new QLabel(QString::asprintf("v%.2f", kProgramVersion), this);
  version_->setObjectName(QString::number(kVersionId));
  version_->setGeometry(1210, 680, 48, 48);
  version_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  version_->setFont(windowsFont(QStringLiteral("Arial"), 14));
  QPalette palette = version_->palette();
  palette.setColor(QPalette::WindowText, QColor(80, 168, 169));
  version_->setPalette(palette);
  version_->show();
}

void MainWindow::filterKeys() {
  (new ScreenKeyFilter({Qt::Key_Space, Qt::Key_F1}, this))->installOn(this);
}

void MainWindow::refresh() {
  const bool padMessage = stateOverlay(context_.app.LinkState) != nullptr;
  if (quit_) quit_->setVisible(padMessage);
  if (next_) next_->setVisible(!padMessage);
  update();
}

void MainWindow::storePosition() {
  context_.app.windowX = x();
  context_.app.windowY = y();
}

void MainWindow::paintEvent(QPaintEvent*) {
  if (profileWindowOpen_) return;  // the container covers this window
  storePosition();
  QPainter painter(this);
  painter.fillRect(kFullWindow, Qt::black);
  painter.drawPixmap(kFullWindow, context_.pictures.picture(QStringLiteral("res/Screen1.jpg")));
  if (const char* overlay = stateOverlay(context_.app.LinkState)) {
    painter.drawPixmap(kFullWindow, context_.pictures.languagePicture(QString::fromUtf8(overlay)));
    return;
  }
  if (const char* flag = languageFlag(flags_.highlighted())) {
    painter.drawPixmap(FlagColumn::flagRect(flags_.highlighted()),
                       context_.pictures.picture(QString::fromUtf8(flag)));
  }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  storePosition();
  if (event->button() != Qt::LeftButton || context_.app.LinkState != kPadConnected) return;
  const auto flag = flags_.click(event->position().toPoint());
  if (!flag) return;
  context_.app.language = *flag;
  context_.app.resourceFolder = languageFolder(*flag);
  update();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (context_.app.LinkState != kPadConnected) return;
  if (flags_.hover(event->position().toPoint())) update(FlagColumn::area());
}

void MainWindow::moveEvent(QMoveEvent* event) {
  storePosition();
  QWidget::moveEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The title bar's close button or Alt+F4 never ends the program by
  // itself: the screen in view answers it as its own way out would (the
  // first screen's QUIT, the home screen's Quit, ...).
  event->ignore();
  if (container_) {
    container_->closeRequested();
  } else {
    context_.shell.quit();
  }
}

void MainWindow::openProfileWindow() {
  if (container_) return;
  context_.app.currentSlot = 1;
  profileWindowOpen_ = true;
  context_.app.ScreenId = kHomeScreen;
  startupWatch_.reset();
  container_ = new ProfileContainer(context_, this);
  // A language chosen on the general settings screen selects its flag here.
  connect(container_, &ProfileContainer::languageShown, this, &MainWindow::languageReceived);
  container_->setGeometry(kFullWindow);
  container_->show();
  container_->setFocus();
}

void MainWindow::watchForDfuMode() {
  if (!context_.usb) return;
  // Found from inside the watch's engine: the watch goes with the opening,
  // so the opening waits for the engine to return.
  startupWatch_ = std::make_unique<DfuStartupWatch>(
      context_.app, context_.library.basePath, *context_.usb, *context_.dfuClock, *context_.dfuShared,
      context_.shell, [this] { QMetaObject::invokeMethod(this, [this] { openRecoveryWindow(); }, Qt::QueuedConnection); });
}

void MainWindow::openRecoveryWindow() {
  openProfileWindow();
  // The update screen's own engine finds the pad again and, seeing no
  // screen of its own chosen (100), starts the recovery.
  context_.app.currentSlot = 1;
  context_.app.returnPending = 1;
  context_.app.ScreenId = 100;
  container_->showScreen(kUpdateScreen);
  refresh();
}

void MainWindow::refreshContainer() {
  if (!container_) return;
  container_->update();
  container_->showCurrentScreen();
}

void MainWindow::linkStateChanged(int32_t) {
  refreshContainer();
  refresh();
}

void MainWindow::graceTimeEnded() {
  if (container_ && context_.app.LinkState == kNoPad) {
    container_->update();
    container_->padGone();
  }
  refresh();
}

void MainWindow::padDataChanged() {
  if (!container_) return;
  container_->update();
  container_->followSlot();
}

void MainWindow::languageReceived(int language) {
  flags_.select(language);
  update(FlagColumn::area());
}

void MainWindow::connectionSequenceDone() {
  // The language folder now follows the pad.
  if (container_) {
    container_->update();
    container_->followSlot();
  }
  refresh();
}

}  // namespace ostrel
