#include "controls/PlainList.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "controls/FixedRowDelegate.h"
#include "controls/WindowsFont.h"

namespace ostrel {

namespace {
constexpr int kTextCellHeight = 32;
const QColor kShadowColour(140, 140, 140);
}  // namespace

PlainList::PlainList(QWidget* parent)
    : PlainList(100, parent) {}

PlainList::PlainList(int textLeft, QWidget* parent)
    : QListWidget(parent), textLeft_(textLeft) {
  textColour_ = palette().color(QPalette::WindowText);
  selectedColour_ = palette().color(QPalette::HighlightedText);
  // Nothing of the list's own is painted: the screen shows through.
  setAutoFillBackground(false);
  viewport()->setAutoFillBackground(false);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setUniformItemSizes(true);
  setItemDelegate(new FixedRowDelegate(
      kRowHeight,
      [this](QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) {
        drawRow(painter, index.row(), option.rect, option.state & QStyle::State_Selected);
      },
      this));
}

void PlainList::setTextStyle(const QString& face, const QColor& text,
                                              const QColor& selected, bool shadow) {
  textColour_ = text;
  selectedColour_ = selected;
  shadow_ = shadow;
  shadowOffset_ = 0;
  setFont(windowsFont(face, kTextCellHeight));
  viewport()->update();
}

int PlainList::addString(const QString& text) {
  int row = count();
  for (int i = 0; i < count(); ++i) {
    if (QString::compare(text, item(i)->text(), Qt::CaseInsensitive) < 0) {
      row = i;
      break;
    }
  }
  insertItem(row, text);
  return row;
}

int PlainList::topIndex() const {
  const QModelIndex top = indexAt(QPoint(0, 0));
  return top.isValid() ? top.row() : 0;
}

void PlainList::setTopIndex(int row) {
  if (row >= 0 && row < count()) scrollToItem(item(row), QAbstractItemView::PositionAtTop);
}

void PlainList::redraw(bool now) {
  if (now) {
    viewport()->repaint();
  } else {
    viewport()->update();
  }
}

void PlainList::refresh() { redraw(true); }

void PlainList::drawRow(QPainter& painter, int row, const QRect& rowRect,
                                         bool selected) const {
  if (row < 0 || row >= count()) return;
  // The text cell is a little taller than the row: the text runs over the
  // row's lower edge rather than losing its descenders and underscores.
  const int textHeight = std::max(kRowHeight, QFontMetrics(font()).height());
  const QRect textRect(textLeft_, rowRect.top(), rowRect.right() + 1 - textLeft_, textHeight);
  const QString text = item(row)->text();
  // Tabs expanded; '&' is plain text (no mnemonic flag).
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs;
  painter.setFont(font());
  if (shadow_) {
    painter.setPen(kShadowColour);
    painter.drawText(textRect.translated(shadowOffset_, shadowOffset_), flags, text);
  }
  QColor colour = selected ? selectedColour_ : textColour_;
  if (!isEnabled()) colour = Qt::white;
  painter.setPen(colour);
  painter.drawText(textRect, flags, text);
}

}  // namespace ostrel
