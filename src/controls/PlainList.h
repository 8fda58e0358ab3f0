#pragma once
// A list drawn over the screen's picture as if it had no background of its
// own: rows 30 pixels high show only their text, starting at x = 100, in the
// text colour, the selected colour for selected rows, and white while the list
// is disabled. Rows are kept in case-insensitive order (addString).

#include <QColor>
#include <QImage>
#include <QListWidget>

namespace ostrel {

class PlainList : public QListWidget {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 30;

  explicit PlainList(QWidget* parent = nullptr);

  // The look the screens give their lists: face at a 32-pixel cell height,
  // colours of unselected and selected rows, and a grey shadow under the text.
  void setTextStyle(const QString& face, const QColor& text, const QColor& selected, bool shadow);

  // Inserts a row at its sorted place and returns its row number.
  int addString(const QString& text);

  // The first visible row, and scrolling so that a row is the first visible.
  int topIndex() const;
  void setTopIndex(int row);

  // Repaints the list, at once when now is set.
  void redraw(bool now);
  // Repaints it over the current screen picture (after rows were removed).
  void refresh();

  const QColor& textColour() const { return textColour_; }
  const QColor& selectedColour() const { return selectedColour_; }
  bool hasShadow() const { return shadow_; }

 protected:
  PlainList(int textLeft, QWidget* parent);

  // Paints one row; rowRect spans the list's whole width.
  virtual void drawRow(QPainter& painter, int row, const QRect& rowRect, bool selected) const;

 private:
  int textLeft_;
  QColor textColour_;
  QColor selectedColour_;
  bool shadow_ = false;
  int shadowOffset_ = 0;
};

}  // namespace ostrel
