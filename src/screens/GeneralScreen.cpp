#include "screens/Profile3_Dialog.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include "controls/CMySliderCtrl.h"
#include "controls/PictureCache.h"
#include "controls/PngButton.h"
#include "controls/WindowsFont.h"
#include "profile/AppState.h"
#include "screens/ChosenButtons.h"

namespace ostrel {
namespace {

constexpr const char* kBackground = "Screen-3.jpg";
constexpr const char* kPointPicture = "Screen3/Point.png";

constexpr PlacedButton kButtonPlaces[] = {
    // The flags in language order (0 English .. 6 Portuguese).
    {Profile3_Dialog::kEnglish, "Screen3/uk-flag.png", {256, 96}},
    {Profile3_Dialog::kFrench, "Screen3/fr-flag.png", {302, 96}},
    {Profile3_Dialog::kGerman, "Screen3/gr-flag.png", {348, 96}},
    {Profile3_Dialog::kNederlands, "Screen3/nd-flag.png", {394, 96}},
    {Profile3_Dialog::kSpanish, "Screen3/es-flag.png", {440, 96}},
    {Profile3_Dialog::kItalian, "Screen3/it-flag.png", {486, 96}},
    {Profile3_Dialog::kPortuguese, "Screen3/po-flag.png", {532, 96}},
    // The layouts in KeyboardLayout order.
    {Profile3_Dialog::kAzertyButton, "Screen3/keyboard-fr.png", {249, 153}},
    {Profile3_Dialog::kQwertyButton, "Screen3/keyboard-uk.png", {328, 153}},
    {Profile3_Dialog::kQwertySpButton, "Screen3/keyboard-sp.png", {410, 153}},
    {Profile3_Dialog::kQwertzuButton, "Screen3/keyboard-gr.png", {508, 153}},
    // The LED modes: off, slow, medium, quick.
    {Profile3_Dialog::kLedOff, "Screen3/LED-off.png", {883, 364}},
    {Profile3_Dialog::kLedSlow, "Screen3/LED-slow.png", {966, 364}},
    {Profile3_Dialog::kLedMedium, "Screen3/LED-med.png", {1049, 364}},
    {Profile3_Dialog::kLedQuick, "Screen3/LED-quick.png", {1132, 364}},
    {Profile3_Dialog::kReset, "Screen3/reset.png", {1076, 404}},
    {Profile3_Dialog::kSave, "Screen3/save.png", {933, 404}},
    {Profile3_Dialog::kCalibrate, "Screen3/calibrate.png", {336, 624}},
    {Profile3_Dialog::kFirmwareUpdate, "Screen3/firmwareupdate.png", {849, 76}},
    {Profile3_Dialog::kWebSite, "Screen3/website.png", {843, 150}},
    {Profile3_Dialog::kHome, "home.png", {1185, 647}},
    {Profile3_Dialog::kProfile1Tab, "profile1-uk.png", {0, 0}},
    {Profile3_Dialog::kProfile2Tab, "profile2-uk.png", {0, 135}},
    {Profile3_Dialog::kProfile3Tab, "profile3-uk.png", {0, 270}},
    {Profile3_Dialog::kProfile4Tab, "profile4-uk.png", {0, 405}},
    {Profile3_Dialog::kGeneralTab, "General-uk.png", {0, 540}},
};

constexpr int kFirstFlag = 0, kFirstLayout = 7, kFirstLed = 11, kFirstTab = 21;

ChosenButtons* group(QObject* parent, const ScreenButtons& buttons, int first, int count) {
  auto* chosen = new ChosenButtons(parent);
  for (int i = first; i < first + count; ++i) chosen->add(buttons.at(kButtonPlaces[i].id));
  return chosen;
}

}  // namespace

Profile3_Dialog::Profile3_Dialog(const ScreenContext& context, QWidget* parent)
    : QWidget(parent), context_(context), buttons_(context.pictures, this) {
  setObjectName(QStringLiteral("Profile3_Dialog"));
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  buildControls();
  connectCommands();
  // The screen takes no keyboard input.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

  layouts_->choose(0);
  leds_->choose(0);
  connect(&timer_, &QTimer::timeout, this, &Profile3_Dialog::tick);
  timer_.start(kTimerInterval);
}

Profile3_Dialog::~Profile3_Dialog() = default;

void Profile3_Dialog::buildControls() {
  buttons_.addAll(kButtonPlaces);
  buttons_.loadPictures(context_.app.resourceFolder);
  flags_ = group(this, buttons_, kFirstFlag, kLanguageCount);
  layouts_ = group(this, buttons_, kFirstLayout, 4);
  leds_ = group(this, buttons_, kFirstLed, 4);
  tabs_ = group(this, buttons_, kFirstTab, 5);

  slider_ = new CMySliderCtrl(this);
  slider_->setObjectName(QString::number(kLevel));
  slider_->setGeometry(875, 309, 340, 26);
  slider_->setRange(0, 100);
  slider_->setTickInterval(10);
  slider_->setPageStep(10);
  slider_->setValue(0);

  version_ = new QLabel(this);
  version_->setObjectName(QString::number(kVersion));
  version_->setGeometry(1185, 78, 220, 30);
  version_->setFont(windowsFont(QStringLiteral("Arial"), 16));
  version_->setStyleSheet(QStringLiteral("color: rgb(42, 85, 85); background: transparent;"));
  version_->setAttribute(Qt::WA_TransparentForMouseEvents);
  showVersion();
}

void Profile3_Dialog::showVersion() {
  version_->setText(QString::asprintf("v%.2f", static_cast<double>(context_.app.padFirmwareVersion)));
}

void Profile3_Dialog::loadSlot() {
  const AppState& app = context_.app;
  showVersion();
  buttons_.at(kReset)->setFocus();
  tabs_->choose(4);
  if (app.language >= 0 && app.language < kLanguageCount) flags_->choose(app.language);
  showKeyboardLayout();
}

void Profile3_Dialog::showKeyboardLayout() {
  const AppState& app = context_.app;
  if (app.language < 0 || app.language >= kLanguageCount) return;
  const int layout = app.keyboardLayout[static_cast<std::size_t>(app.language)];
  if (layout >= 0 && layout < 4) layouts_->choose(layout);
}

void Profile3_Dialog::reloadPictures() {
  buttons_.loadPictures(context_.app.resourceFolder);
  update();
}

void Profile3_Dialog::tick() {
  AppState& app = context_.app;
  level_ = slider_->value();
  if (level_ != lastSentLevel_) {
    sendSettings();
    lastSentLevel_ = level_;
    return;
  }
  if (!app.pulseReceived) return;
  // The pad's own settings: shown here, and sent back on the next tick when
  // its level differs from the one last sent.
  app.pulseReceived = 0;
  mode_ = app.pulseMode;
  value_ = app.pulseValue;
  level_ = app.pulseLevel;
  slider_->setValue(level_);
  if (mode_ >= 0 && mode_ < 4) leds_->choose(mode_);
}

void Profile3_Dialog::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kGeneralScreen;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawPixmap(QRect(0, 0, 1280, 720), context_.pictures.languagePicture(QLatin1String(kBackground)));
  if (calibrationMarker_) {
    painter.drawPixmap(kCalibrationPoint, context_.pictures.languagePicture(QLatin1String(kPointPicture)));
  }
}

void Profile3_Dialog::showEvent(QShowEvent* event) {
  context_.app.ScreenId = kGeneralScreen;
  buttons_.followFolder(context_.app.resourceFolder);
  QWidget::showEvent(event);
}

bool Profile3_Dialog::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
      event->accept();
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

}  // namespace ostrel
