#include "screens/ProfileListScreen.h"

#include <QEvent>
#include <QListWidgetItem>
#include <QMouseEvent>
#include <QPainter>

#include "controls/PlainList.h"
#include "controls/PictureCache.h"
#include "controls/ImageButton.h"
#include "profile/AppState.h"
#include "screens/ProfileListKeyFilter.h"
#include "screens/WindowsText.h"

namespace ostrel {
namespace {

constexpr const char* kPromptPicture = "Screen6/Profile-Delete.png";
constexpr QRect kListArea{422, 145, 500, 438};
const QColor kSelectedText(80, 168, 169);
// The row keeps the name's own bytes, so what is loaded or deleted is exactly
// the indexed name, whatever the display makes of it.
constexpr int kNameRole = Qt::UserRole;

}  // namespace

ProfileListScreen::ProfileListScreen(const ScreenContext& context, ProfileListLook look,
                                     QWidget* parent)
    : QWidget(parent), context_(context), look_(std::move(look)), buttons_(context.pictures, this) {
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  buildControls();
  auto* keys = new ProfileListKeyFilter(look_.swallowedKeys, look_.promptKeys,
                                        [this] { openDeletePrompt(); }, this);
  keys->installOn(this);
  list_->viewport()->installEventFilter(this);
}

ProfileListScreen::~ProfileListScreen() = default;

void ProfileListScreen::buildControls() {
  const PlacedButton places[] = {
      {look_.cancelId, "Screen6/cancel.png", {879, 100}},
      {look_.yesId, "Screen7/quityes.png", {628, 588}},
      {look_.noId, "Screen7/quitno.png", {772, 588}},
  };
  buttons_.addAll(places);
  buttons_.loadPictures(context_.app.resourceFolder);
  buttons_.onClick(look_.cancelId, [this] { showHome(); });
  buttons_.onClick(look_.yesId, [this] { deleteSelected(); });
  buttons_.onClick(look_.noId, [this] { closeDeletePrompt(); });
  buttons_.at(look_.yesId)->hide();
  buttons_.at(look_.noId)->hide();

  list_ = new PlainList(this);
  list_->setObjectName(QString::number(look_.listId));
  list_->setGeometry(kListArea);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setTextStyle(QStringLiteral("Arial"), Qt::white, kSelectedText, true);
}

void ProfileListScreen::fill() {
  ProfileLibrary& library = context_.library;
  (library.*look_.loadNames)();
  list_->redraw(true);
  list_->clear();
  setPromptShown(false);
  list_->refresh();
  const auto& names = library.*look_.names;
  const int32_t count = std::min<int32_t>(library.*look_.count, kNameCapacity);
  for (int32_t i = 0; i < count; ++i) addName(names[static_cast<std::size_t>(i)]);
  list_->clearSelection();
}

void ProfileListScreen::addName(const std::string& name) {
  const int row = list_->addString(fromWindows1252(name));
  list_->item(row)->setData(kNameRole, QByteArray::fromStdString(name));
}

std::optional<std::string> ProfileListScreen::selectedName() const {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return selected.front()->data(kNameRole).toByteArray().toStdString();
}

void ProfileListScreen::openDeletePrompt() {
  if (list_->count() == 0 || !selectedName()) return;
  setPromptShown(true);
}

void ProfileListScreen::closeDeletePrompt() { setPromptShown(false); }

void ProfileListScreen::setPromptShown(bool shown) {
  buttons_.at(look_.yesId)->setVisible(shown);
  buttons_.at(look_.noId)->setVisible(shown);
  deletePrompt_ = shown;
  update(kPromptArea);
}

void ProfileListScreen::reloadPictures() {
  buttons_.loadPictures(context_.app.resourceFolder);
  update();
}

void ProfileListScreen::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = look_.screenNumber;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawPixmap(QRect(0, 0, 1280, 720),
                     context_.pictures.languagePicture(QLatin1String(look_.background)));
  if (deletePrompt_) {
    painter.drawPixmap(kPromptArea.topLeft(),
                       context_.pictures.languagePicture(QLatin1String(kPromptPicture)));
  }
}

void ProfileListScreen::showEvent(QShowEvent* event) {
  context_.app.ScreenId = look_.screenNumber;
  buttons_.followFolder(context_.app.resourceFolder);
  list_->setFocus();
  QWidget::showEvent(event);
}

bool ProfileListScreen::eventFilter(QObject* watched, QEvent* event) {
  // A double click anywhere in the list counts, also below the last row (no
  // row selected then), so it is taken before the list sees it; its first
  // click has already selected the row under the pointer.
  if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    loadSelected();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ostrel
