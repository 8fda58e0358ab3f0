#include "controls/PictureComboBox.h"

#include <QAbstractItemView>
#include <QPainter>

#include "controls/FixedRowDelegate.h"
#include "controls/OffscreenImage.h"
#include "controls/PictureCache.h"
#include "controls/WindowsFont.h"

namespace ostrel {

namespace {
constexpr int kTextCellHeight = 23;
constexpr int kRowRightGap = 10;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
}  // namespace

PictureComboBox::PictureComboBox(PictureCache& pictures, QWidget* parent)
    : QComboBox(parent),
      pictures_(pictures),
      faceFont_(windowsFont(QStringLiteral("Arial"), kTextCellHeight)) {
  setEditable(false);
  setFrame(false);
  setFont(faceFont_);
  view()->setItemDelegate(new FixedRowDelegate(
      kRowHeight,
      [this](QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) {
        paintRow(painter, option, index);
      },
      this));
  setColours(focusBack_, focusText_, back_, text_);
}

void PictureComboBox::setFaceBitmaps(const QString& left, const QString& middle,
                                  const QString& right) {
  left_ = left;
  middle_ = middle;
  right_ = right;
  update();
}

void PictureComboBox::setListBitmaps(const QString& left, const QString& right, const QString& top,
                                  const QString& bottom) {
  listLeft_ = left;
  listRight_ = right;
  listTop_ = top;
  listBottom_ = bottom;
  view()->viewport()->update();
}

void PictureComboBox::setColours(const QColor& focusBack, const QColor& focusText,
                              const QColor& back, const QColor& text) {
  focusBack_ = focusBack;
  focusText_ = focusText;
  back_ = back;
  text_ = text;
  // The open list's background between and around the rows.
  QPalette listPalette = view()->palette();
  listPalette.setColor(QPalette::Base, back_);
  listPalette.setColor(QPalette::Window, back_);
  view()->setPalette(listPalette);
  update();
}

QPixmap PictureComboBox::bitmap(const QString& path) const { return pictures_.picture(path); }

int PictureComboBox::textStart() const { return bitmap(left_).width(); }

void PictureComboBox::paintFace(QPainter& painter) const {
  const QPixmap backdrop = bitmap(QStringLiteral("res/combobox.png"));
  if (!backdrop.isNull()) painter.drawPixmap(QRect(40, 0, 100, 100), backdrop);
  const QPixmap left = bitmap(left_);
  const QPixmap right = bitmap(right_);
  const QPixmap middle = bitmap(middle_);
  if (!left.isNull()) painter.drawPixmap(0, 0, left);
  if (!right.isNull()) painter.drawPixmap(width() - right.width(), 0, right);
  const QRect between(left.width(), 0, width() - left.width() - right.width(), height());
  // The text lies on the middle picture when there is one, else on the
  // background colour.
  if (!middle.isNull()) {
    painter.drawPixmap(between, middle);
  } else {
    painter.fillRect(between, back_);
  }
  painter.setFont(faceFont_);
  painter.setPen(text_);
  const int textLeft = textStart() + 2;
  painter.drawText(QRect(textLeft, 0, between.right() + 1 - textLeft, height()), kTextFlags,
                   currentText());
}

void PictureComboBox::paintRow(QPainter& painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  if (!index.isValid()) return;
  const QRect row = option.rect.adjusted(0, 0, -kRowRightGap, 0);
  const bool focused = option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
  painter.fillRect(row, focused ? focusBack_ : back_);
  const QPixmap left = bitmap(listLeft_);
  const QPixmap right = bitmap(listRight_);
  if (!left.isNull()) painter.drawPixmap(QRect(row.left(), row.top(), left.width(), row.height()), left);
  if (!right.isNull()) {
    painter.drawPixmap(QRect(row.right() + 1 - right.width(), row.top(), right.width(), row.height()),
                       right);
  }
  const QPixmap top = index.row() == 0 ? bitmap(listTop_) : QPixmap();
  if (!top.isNull()) painter.drawPixmap(QRect(row.left(), row.top(), row.width(), top.height()), top);
  const QPixmap bottom = index.row() == count() - 1 ? bitmap(listBottom_) : QPixmap();
  if (!bottom.isNull()) {
    painter.drawPixmap(
        QRect(row.left(), row.bottom() + 1 - bottom.height(), row.width(), bottom.height()), bottom);
  }
  painter.setFont(view()->font());
  painter.setPen(focused ? focusText_ : text_);
  painter.drawText(row.adjusted(textStart(), 0, 0, 0), kTextFlags, index.data().toString());
}

QImage PictureComboBox::renderImage() const {
  return offscreenImage(size(), [this](QPainter& painter) { paintFace(painter); });
}

void PictureComboBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintFace(painter);
}

}  // namespace ostrel
