#include "screens/PadProfilesList.h"

#include <QLabel>
#include <QPainter>

#include "controls/PictureCache.h"
#include "controls/WindowsFont.h"
#include "profile/AppState.h"
#include "screens/ScreenKeyFilter.h"
#include "screens/ScreenLead.h"
#include "screens/WindowsText.h"

namespace ostrel {
namespace {

constexpr const char* kBackground = "Screen-10.jpg";
constexpr int kNameIds[] = {
    PadProfilesList::kSlot1Name, PadProfilesList::kSlot2Name,
    PadProfilesList::kSlot3Name, PadProfilesList::kSlot4Name,
};
constexpr int kNameTop[] = {184, 242, 300, 358};

}  // namespace

PadProfilesList::PadProfilesList(const ScreenContext& context,
                                                                     QWidget* parent)
    : QWidget(parent), context_(context), buttons_(context.pictures, this) {
  setObjectName(QStringLiteral("PadProfilesList"));
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  buttons_.add(kCancel, "Screen6/cancel.png", {879, 100});
  buttons_.loadPictures(context_.app.resourceFolder);
  buttons_.onClick(kCancel, [this] { showHome(); });
  buildNames();
  (new ScreenKeyFilter({}, this))->installOn(this);
}

PadProfilesList::~PadProfilesList() = default;

void PadProfilesList::buildNames() {
  QFont font = windowsFont(QStringLiteral("Arial"), 26);
  font.setStyleHint(QFont::SansSerif);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);  // a name is text, never markup
    label->setObjectName(QString::number(kNameIds[i]));
    label->setGeometry(520, kNameTop[i], 350, 30);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Names are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    names_[i] = label;
  }
}

void PadProfilesList::loadSlot() {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    names_[i]->setText(fromWindows1252(context_.app.savedSlotNames[i]));
  }
}

void PadProfilesList::showHome() { leadToScreen(*this, context_, kHomeScreen); }

void PadProfilesList::reloadPictures() {
  buttons_.loadPictures(context_.app.resourceFolder);
  update();
}

void PadProfilesList::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kControllerListScreen;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawPixmap(QRect(0, 0, 1280, 720),
                     context_.pictures.languagePicture(QLatin1String(kBackground)));
}

void PadProfilesList::showEvent(QShowEvent* event) {
  context_.app.ScreenId = kControllerListScreen;
  buttons_.followFolder(context_.app.resourceFolder);
  QWidget::showEvent(event);
}

}  // namespace ostrel
