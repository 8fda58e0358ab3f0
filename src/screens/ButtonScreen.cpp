#include "screens/ButtonScreen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "controls/PictureCache.h"
#include "controls/ImageButton.h"
#include "controls/WindowsFont.h"
#include "profile/AppState.h"
#include "profile/KeyTables.h"
#include "screens/ChosenButtons.h"
#include "screens/WindowsText.h"

namespace ostrel {
namespace {

constexpr const char* kBackground = "Screen-5.jpg";
constexpr const char* kPaddlesOffPicture = "Screen5/Shortcuts-Off.png";
constexpr const char* kLayoutIndicators[] = {"Screen5/azerty.png", "Screen5/qwerty.png",
                                             "Screen5/qwertysp.png", "Screen5/qwertzu.png"};

constexpr PlacedButton kButtonPlaces[] = {
    {ButtonScreen::kHome, "home.png", {1185, 647}},
    {ButtonScreen::kReset, "Screen5/reset.png", {1045, 494}},
    {ButtonScreen::kSave, "Screen5/save.png", {1045, 546}},
    {ButtonScreen::kProfile1Tab, "profile1-uk.png", {0, 0}},
    {ButtonScreen::kProfile2Tab, "profile2-uk.png", {0, 135}},
    {ButtonScreen::kProfile3Tab, "profile3-uk.png", {0, 270}},
    {ButtonScreen::kProfile4Tab, "profile4-uk.png", {0, 405}},
    {ButtonScreen::kGeneralTab, "General-uk.png", {0, 540}},
    {ButtonScreen::kOn, "Screen5/On.png", {569, 634}},
    {ButtonScreen::kOff, "Screen5/Off.png", {710, 634}},
};

}  // namespace

ButtonScreen::ButtonScreen(const ScreenContext& context, QWidget* parent)
    : QWidget(parent), context_(context), buttons_(context.pictures, this) {
  setObjectName(QStringLiteral("ButtonScreen"));
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Key messages must reach the screen, whichever control was clicked last.
  setFocusPolicy(Qt::StrongFocus);
  buildControls();
  connectCommands();
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) {
    child->setFocusPolicy(Qt::NoFocus);
    child->installEventFilter(this);
  }
  onOff_->choose(0);
  loadSlot();
}

ButtonScreen::~ButtonScreen() = default;

void ButtonScreen::buildControls() {
  buttons_.addAll(kButtonPlaces);
  buttons_.loadPictures(context_.app.resourceFolder);
  tabs_ = new ChosenButtons(this);
  for (int id : {kProfile1Tab, kProfile2Tab, kProfile3Tab, kProfile4Tab, kGeneralTab}) {
    tabs_->add(buttons_.at(id));
  }
  onOff_ = new ChosenButtons(this);
  onOff_->add(buttons_.at(kOn));
  onOff_->add(buttons_.at(kOff));

  nameLabel_ = new QLabel(this);
  nameLabel_->setTextFormat(Qt::PlainText);  // a name is text, never markup
  nameLabel_->setObjectName(QString::number(kNameLabel));
  nameLabel_->setGeometry(135, 24, 220, 30);
  nameLabel_->setFont(windowsFont(QStringLiteral("Arial"), 23));
  nameLabel_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  nameLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

int ButtonScreen::slotIndex() const {
  const int slot = context_.app.currentSlot;
  return slot >= 1 && slot <= kSlotCount ? slot - 1 : -1;
}

int ButtonScreen::layout() const { return context_.app.currentKeyboardLayout(); }

bool ButtonScreen::paddlesOff() const {
  const int index = slotIndex();
  return index >= 0 && context_.app.slotOff[static_cast<std::size_t>(index)] != 0;
}

void ButtonScreen::select(int cell) {
  const int previous = selection_;
  selection_ = cell;
  update(kControlPictureArea);
  update(cellRedrawArea(previous));
  update(cellRedrawArea(cell));
}

void ButtonScreen::assign(int vk) {
  // The cell shows what will be stored: a key the layout has no code for
  // shows nothing, as it will once stored.
  const int l = layout();
  cellKeys_[static_cast<std::size_t>(selection_)] = usageToKey(l, keyToUsage(l, vk));
  update(cellRedrawArea(selection_));
}

void ButtonScreen::showSwitch() { onOff_->choose(paddlesOff() ? 1 : 0); }

void ButtonScreen::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kButtonScreen;
  PictureCache& pictures = context_.pictures;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawPixmap(QRect(0, 0, 1280, 720), pictures.languagePicture(QLatin1String(kBackground)));
  const int l = layout();
  if (l >= 0 && l < kLayoutCount) {
    painter.drawPixmap(kLayoutIndicatorArea, pictures.languagePicture(QLatin1String(kLayoutIndicators[l])));
  }
  const QString control = QStringLiteral("Screen5/") +
                          QLatin1String(kButtonCells[static_cast<std::size_t>(selection_)].picture);
  painter.drawPixmap(kControlPictureArea, pictures.languagePicture(control));
  paintCells(painter);
  if (paddlesOff()) {
    painter.drawPixmap(kControlPictureArea, pictures.languagePicture(QLatin1String(kPaddlesOffPicture)));
  }
}

void ButtonScreen::paintCells(QPainter& painter) {
  QFont font = windowsFont(QStringLiteral("Arial"), 32);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  for (int cell = 0; cell < kButtonCellCount; ++cell) paintKey(painter, cell);
}

void ButtonScreen::paintKey(QPainter& painter, int cell) {
  const int l = layout();
  const KeyPicture shown = keyPicture(l, cellKey(cell));
  if (shown.kind == KeyPicture::Picture) {
    const QString path = QLatin1String(layoutFolder(l)) + QStringLiteral("Screen5/") +
                         QString::fromStdString(shown.text);
    painter.drawPixmap(cellPictureArea(cell), context_.pictures.picture(path));
  } else if (shown.kind == KeyPicture::Label) {
    const QString text = fromWindows1252(shown.text);
    const QPoint centre = cellLabelPoint(cell);
    const int width = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText(QPoint(centre.x() - width / 2, centre.y()), text);
  }
}

void ButtonScreen::reloadPictures() {
  buttons_.loadPictures(context_.app.resourceFolder);
  update();
}

void ButtonScreen::showEvent(QShowEvent* event) {
  context_.app.ScreenId = kButtonScreen;
  buttons_.followFolder(context_.app.resourceFolder);
  followSlot();
  keyRule_.reset();
  setFocus();
  QWidget::showEvent(event);
}

void ButtonScreen::mousePressEvent(QMouseEvent* event) {
  switch (event->button()) {
    case Qt::LeftButton: {
      const int cell = buttonCellAt(event->position().toPoint(), paddlesOff());
      if (cell < 0) return;
      if (cell == selection_) {
        assign(kMouseLeft);
      } else {
        select(cell);
      }
      return;
    }
    case Qt::RightButton: assign(kMouseRight); return;
    case Qt::MiddleButton: assign(kMouseMiddle); return;
    default: QWidget::mousePressEvent(event); return;
  }
}

void ButtonScreen::wheelEvent(QWheelEvent* event) {
  // A touchpad's scroll phases and sideways scrolling are no wheel turn.
  const int delta = event->angleDelta().y();
  if (delta == 0) return;
  assign(delta > 0 ? kMouseWheelUp : kMouseWheelDown);
}

bool ButtonScreen::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Keys are captured, never used as shortcuts.
      event->accept();
      return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      if (const auto vk = keyRule_.assignedKey(*static_cast<QKeyEvent*>(event), layout())) assign(*vk);
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

}  // namespace ostrel
