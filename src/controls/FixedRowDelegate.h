#pragma once
// Item delegate for the skinned lists: every row has one fixed height, and the
// owning control paints its rows itself through the function it passes in.

#include <QAbstractItemDelegate>

#include <functional>

namespace ostrel {

class FixedRowDelegate : public QAbstractItemDelegate {
  Q_OBJECT

 public:
  using RowPainter =
      std::function<void(QPainter&, const QStyleOptionViewItem&, const QModelIndex&)>;

  FixedRowDelegate(int rowHeight, RowPainter painter, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int rowHeight_;
  RowPainter painter_;
};

}  // namespace ostrel
