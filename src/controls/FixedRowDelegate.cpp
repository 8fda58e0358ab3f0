#include "controls/FixedRowDelegate.h"

#include <QPainter>

#include <utility>

namespace ostrel {

FixedRowDelegate::FixedRowDelegate(int rowHeight, RowPainter painter, QObject* parent)
    : QAbstractItemDelegate(parent), rowHeight_(rowHeight), painter_(std::move(painter)) {}

void FixedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  painter->save();
  painter_(*painter, option, index);
  painter->restore();
}

QSize FixedRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return {0, rowHeight_};
}

}  // namespace ostrel
