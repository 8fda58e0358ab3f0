#include "controls/CheckList.h"

#include <QPainter>

#include "controls/PictureCache.h"

namespace ostrel {

namespace {
constexpr int kTickLeft = 10;
constexpr int kTickSize = 30;
constexpr int kTextLeft = 50;
}  // namespace

CheckList::CheckList(PictureCache& pictures, QWidget* parent)
    : PlainList(kTextLeft, parent), pictures_(pictures) {
  setSelectionMode(QAbstractItemView::MultiSelection);
}

void CheckList::drawRow(QPainter& painter, int row, const QRect& rowRect,
                                  bool selected) const {
  if (row < 0 || row >= count()) return;
  const QPixmap tick =
      pictures_.picture(selected ? QStringLiteral("res/Tick-On.png") : QStringLiteral("res/Tick-Off.png"));
  if (!tick.isNull()) {
    painter.drawPixmap(QRect(kTickLeft, rowRect.top(), kTickSize, kTickSize), tick);
  }
  PlainList::drawRow(painter, row, rowRect, selected);
}

}  // namespace ostrel
