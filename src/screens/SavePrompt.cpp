#include "screens/SavePrompt.h"

#include <QPainter>

#include "controls/PictureCache.h"
#include "profile/AppState.h"
#include "screens/ScreenKeyFilter.h"

namespace ostrel {
namespace {

constexpr PlacedButton kButtonPlaces[] = {
    {SavePrompt::kYes, "Screen7/quityes.png", {551, 356}},
    {SavePrompt::kNo, "Screen7/quitno.png", {706, 356}},
};

}  // namespace

SavePrompt::SavePrompt(const ScreenContext& context, QWidget* parent)
    : QWidget(parent), context_(context), buttons_(context.pictures, this) {
  setObjectName(QStringLiteral("SavePrompt"));
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  buttons_.addAll(kButtonPlaces);
  buttons_.loadPictures(context_.app.resourceFolder);
  buttons_.onClick(kYes, [this] { answerYes(); });
  buttons_.onClick(kNo, [this] { answerNo(); });
  (new ScreenKeyFilter({Qt::Key_F1}, this))->installOn(this);
}

SavePrompt::~SavePrompt() = default;

const char* SavePrompt::backgroundFor(int32_t saveReason) {
  switch (saveReason) {
    case 0:
    case 4:
    case 5: return "Screen-14b.jpg";
    case 1: return "Screen-14a.jpg";
    case 2: return "Screen-14c.jpg";
    default: return nullptr;
  }
}

int SavePrompt::slotIndex() const {
  const int slot = context_.app.currentSlot;
  return slot >= 1 && slot <= kSlotCount ? slot - 1 : -1;
}

void SavePrompt::reloadPictures() {
  buttons_.loadPictures(context_.app.resourceFolder);
  update();
}

void SavePrompt::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kSavePromptScreen;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (const char* background = backgroundFor(context_.app.saveReason)) {
    painter.drawPixmap(QRect(0, 0, 1280, 720), context_.pictures.languagePicture(QLatin1String(background)));
  }
}

void SavePrompt::showEvent(QShowEvent* event) {
  context_.app.ScreenId = kSavePromptScreen;
  buttons_.followFolder(context_.app.resourceFolder);
  QWidget::showEvent(event);
}

}  // namespace ostrel
