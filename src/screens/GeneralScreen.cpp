#include "screens/GeneralScreen.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include "controls/PictureSlider.h"
#include "controls/PictureCache.h"
#include "controls/ImageButton.h"
#include "controls/WindowsFont.h"
#include "profile/AppState.h"
#include "screens/ChosenButtons.h"

namespace ostrel {
namespace {

constexpr const char* kBackground = "Screen-3.jpg";
constexpr const char* kPointPicture = "Screen3/Point.png";

constexpr PlacedButton kButtonPlaces[] = {
    // The flags in language order (0 English .. 6 Portuguese).
    {GeneralScreen::kEnglish, "Screen3/uk-flag.png", {256, 96}},
    {GeneralScreen::kFrench, "Screen3/fr-flag.png", {302, 96}},
    {GeneralScreen::kGerman, "Screen3/gr-flag.png", {348, 96}},
    {GeneralScreen::kNederlands, "Screen3/nd-flag.png", {394, 96}},
    {GeneralScreen::kSpanish, "Screen3/es-flag.png", {440, 96}},
    {GeneralScreen::kItalian, "Screen3/it-flag.png", {486, 96}},
    {GeneralScreen::kPortuguese, "Screen3/po-flag.png", {532, 96}},
    // The layouts in KeyboardLayout order.
    {GeneralScreen::kAzertyButton, "Screen3/keyboard-fr.png", {249, 153}},
    {GeneralScreen::kQwertyButton, "Screen3/keyboard-uk.png", {328, 153}},
    {GeneralScreen::kQwertySpButton, "Screen3/keyboard-sp.png", {410, 153}},
    {GeneralScreen::kQwertzuButton, "Screen3/keyboard-gr.png", {508, 153}},
    // The LED modes: off, slow, medium, quick.
    {GeneralScreen::kLedOff, "Screen3/LED-off.png", {883, 364}},
    {GeneralScreen::kLedSlow, "Screen3/LED-slow.png", {966, 364}},
    {GeneralScreen::kLedMedium, "Screen3/LED-med.png", {1049, 364}},
    {GeneralScreen::kLedQuick, "Screen3/LED-quick.png", {1132, 364}},
    {GeneralScreen::kReset, "Screen3/reset.png", {1076, 404}},
    {GeneralScreen::kSave, "Screen3/save.png", {933, 404}},
    {GeneralScreen::kCalibrate, "Screen3/calibrate.png", {336, 624}},
    {GeneralScreen::kFirmwareUpdate, "Screen3/firmwareupdate.png", {849, 76}},
    {GeneralScreen::kWebSite, "Screen3/website.png", {843, 150}},
    {GeneralScreen::kHome, "home.png", {1185, 647}},
    {GeneralScreen::kProfile1Tab, "profile1-uk.png", {0, 0}},
    {GeneralScreen::kProfile2Tab, "profile2-uk.png", {0, 135}},
    {GeneralScreen::kProfile3Tab, "profile3-uk.png", {0, 270}},
    {GeneralScreen::kProfile4Tab, "profile4-uk.png", {0, 405}},
    {GeneralScreen::kGeneralTab, "General-uk.png", {0, 540}},
};

constexpr int kFirstFlag = 0, kFirstLayout = 7, kFirstLed = 11, kFirstTab = 21;

ChosenButtons* group(QObject* parent, const ScreenButtons& buttons, int first, int count) {
  auto* chosen = new ChosenButtons(parent);
  for (int i = first; i < first + count; ++i) chosen->add(buttons.at(kButtonPlaces[i].id));
  return chosen;
}

}  // namespace

GeneralScreen::GeneralScreen(const ScreenContext& context, QWidget* parent)
    : QWidget(parent), context_(context), buttons_(context.pictures, this) {
  setObjectName(QStringLiteral("GeneralScreen"));
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  buildControls();
  connectCommands();
  // The screen takes no keyboard input.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

  layouts_->choose(0);
  leds_->choose(0);
  connect(&timer_, &QTimer::timeout, this, &GeneralScreen::tick);
  timer_.start(kTimerInterval);
}

GeneralScreen::~GeneralScreen() = default;

void GeneralScreen::buildControls() {
  buttons_.addAll(kButtonPlaces);
  buttons_.loadPictures(context_.app.resourceFolder);
  flags_ = group(this, buttons_, kFirstFlag, kLanguageCount);
  layouts_ = group(this, buttons_, kFirstLayout, 4);
  leds_ = group(this, buttons_, kFirstLed, 4);
  tabs_ = group(this, buttons_, kFirstTab, 5);

  slider_ = new PictureSlider(this);
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

void GeneralScreen::showVersion() {
  version_->setText(QString::asprintf("v%.2f", static_cast<double>(context_.app.padFirmwareVersion)));
}

void GeneralScreen::loadSlot() {
  const AppState& app = context_.app;
  showVersion();
  buttons_.at(kReset)->setFocus();
  tabs_->choose(4);
  if (app.language >= 0 && app.language < kLanguageCount) flags_->choose(app.language);
  showKeyboardLayout();
}

void GeneralScreen::showKeyboardLayout() {
  const AppState& app = context_.app;
  if (app.language < 0 || app.language >= kLanguageCount) return;
  const int layout = app.keyboardLayout[static_cast<std::size_t>(app.language)];
  if (layout >= 0 && layout < 4) layouts_->choose(layout);
}

void GeneralScreen::reloadPictures() {
  buttons_.loadPictures(context_.app.resourceFolder);
  update();
}

void GeneralScreen::tick() {
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

void GeneralScreen::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kGeneralScreen;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawPixmap(QRect(0, 0, 1280, 720), context_.pictures.languagePicture(QLatin1String(kBackground)));
  if (calibrationMarker_) {
    painter.drawPixmap(kCalibrationPoint, context_.pictures.languagePicture(QLatin1String(kPointPicture)));
  }
}

void GeneralScreen::showEvent(QShowEvent* event) {
  context_.app.ScreenId = kGeneralScreen;
  buttons_.followFolder(context_.app.resourceFolder);
  QWidget::showEvent(event);
}

bool GeneralScreen::eventFilter(QObject* watched, QEvent* event) {
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
