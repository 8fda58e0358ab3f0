#include "screens/profile_Dialog_Controller_Profile.h"

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
    profile_Dialog_Controller_Profile::kSlot1Name, profile_Dialog_Controller_Profile::kSlot2Name,
    profile_Dialog_Controller_Profile::kSlot3Name, profile_Dialog_Controller_Profile::kSlot4Name,
};
constexpr int kNameTop[] = {184, 242, 300, 358};

}  // namespace

profile_Dialog_Controller_Profile::profile_Dialog_Controller_Profile(const ScreenContext& context,
                                                                     QWidget* parent)
    : QWidget(parent), context_(context), buttons_(context.pictures, this) {
  setObjectName(QStringLiteral("profile_Dialog_Controller_Profile"));
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  buttons_.add(kCancel, "Screen6/cancel.png", {879, 100});
  buttons_.loadPictures(context_.app.resourceFolder);
  buttons_.onClick(kCancel, [this] { showHome(); });
  buildNames();
  (new ScreenKeyFilter({}, this))->installOn(this);
}

profile_Dialog_Controller_Profile::~profile_Dialog_Controller_Profile() = default;

void profile_Dialog_Controller_Profile::buildNames() {
  QFont font = windowsFont(QStringLiteral("Arial"), 26);
  font.setStyleHint(QFont::SansSerif);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    auto* label = new QLabel(this);
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

void profile_Dialog_Controller_Profile::loadSlot() {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    names_[i]->setText(fromWindows1252(context_.app.savedSlotNames[i]));
  }
}

void profile_Dialog_Controller_Profile::showHome() { leadToScreen(*this, context_, kHomeScreen); }

void profile_Dialog_Controller_Profile::reloadPictures() {
  buttons_.loadPictures(context_.app.resourceFolder);
  update();
}

void profile_Dialog_Controller_Profile::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kControllerListScreen;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawPixmap(QRect(0, 0, 1280, 720),
                     context_.pictures.languagePicture(QLatin1String(kBackground)));
}

void profile_Dialog_Controller_Profile::showEvent(QShowEvent* event) {
  context_.app.ScreenId = kControllerListScreen;
  buttons_.followFolder(context_.app.resourceFolder);
  QWidget::showEvent(event);
}

}  // namespace ostrel
