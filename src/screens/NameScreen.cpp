#include "screens/NameScreen.h"

#include <QLineEdit>
#include <QPainter>

#include <algorithm>

#include "controls/PictureCache.h"
#include "controls/WindowsFont.h"
#include "profile/AppState.h"
#include "screens/ProfileNameRules.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenKeyFilter.h"
#include "screens/WindowsText.h"
#include "screens/HomeScreen.h"

namespace ostrel {
namespace {

constexpr const char* kNewBackground = "Screen-6.jpg";
constexpr const char* kRenameBackground = "Screen-6a.jpg";
constexpr const char* kWarningPictures[] = {nullptr, "Screen6/warning.png", "Screen6/warning2.png"};

constexpr PlacedButton kButtonPlaces[] = {
    {NameScreen::kSave, "Screen6/save.png", {609, 430}},
    {NameScreen::kCancel, "Screen6/cancel.png", {879, 213}},
};

}  // namespace

NameScreen::NameScreen(const ScreenContext& context, QWidget* parent)
    : QWidget(parent), context_(context), buttons_(context.pictures, this) {
  setObjectName(QStringLiteral("NameScreen"));
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  buildControls();
  // Tab would leave the box; Escape, Enter and F1 would close or ask for help.
  (new ScreenKeyFilter({Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_F1}, this))->installOn(this);
}

NameScreen::~NameScreen() = default;

void NameScreen::buildControls() {
  buttons_.addAll(kButtonPlaces);
  buttons_.loadPictures(context_.app.resourceFolder);
  buttons_.onClick(kSave, [this] { save(); });
  buttons_.onClick(kCancel, [this] { cancel(); });

  box_ = new QLineEdit(this);
  box_->setObjectName(QString::number(kNameBox));
  box_->setGeometry(458, 338, 425, 35);
  box_->setFont(windowsFont(QStringLiteral("Arial"), 26));
  box_->setFrame(false);
  connect(box_, &QLineEdit::textChanged, this, [this] { clean(); });
}

int NameScreen::slotIndex() const {
  const int slot = context_.app.currentSlot;
  return slot >= 1 && slot <= kSlotCount ? slot - 1 : -1;
}

void NameScreen::loadSlot() {
  const auto* home = dynamic_cast<const HomeScreen*>(context_.host.screen(kHomeScreen));
  rename_ = home && home->newRenameFlag() != 0;
  const int index = slotIndex();
  QString text;
  if (rename_ && index >= 0) {
    // A name from the pad may be longer than a typed one; offer what fits.
    text = fromWindows1252(context_.app.slotNames[static_cast<std::size_t>(index)])
               .left(kMaxProfileNameLength);
  }
  // The box starts afresh: nothing typed before comes back.
  previous_.clear();
  box_->setText(text);
  clean();
  box_->setFocus();
  box_->setCursorPosition(static_cast<int>(box_->text().size()));
  setWarning(kNoWarning);
  update();
}

void NameScreen::clean() {
  if (cleaning_) return;
  cleaning_ = true;
  QString text = underscoredName(box_->text());
  if (text.size() > kMaxProfileNameLength) text = previous_;
  if (text != box_->text()) box_->setText(text);
  previous_ = text;
  box_->setCursorPosition(static_cast<int>(text.size()));
  cleaning_ = false;
  setWarning(kNoWarning);
}

void NameScreen::setWarning(int warning) {
  warning_ = warning;
  update(kWarningArea);
}

void NameScreen::reloadPictures() {
  buttons_.loadPictures(context_.app.resourceFolder);
  update();
}

void NameScreen::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kSaveNameScreen;
  PictureCache& pictures = context_.pictures;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const char* background = rename_ ? kRenameBackground : kNewBackground;
  painter.drawPixmap(QRect(0, 0, 1280, 720), pictures.languagePicture(QLatin1String(background)));
  const int shown = std::clamp(warning_, 0, 2);
  if (const char* picture = kWarningPictures[shown]) {
    painter.drawPixmap(kWarningArea.topLeft(), pictures.languagePicture(QLatin1String(picture)));
  }
}

void NameScreen::showEvent(QShowEvent* event) {
  context_.app.ScreenId = kSaveNameScreen;
  buttons_.followFolder(context_.app.resourceFolder);
  box_->setFocus();
  QWidget::showEvent(event);
}

}  // namespace ostrel
