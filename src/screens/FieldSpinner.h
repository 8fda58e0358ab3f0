#pragma once
// The up-down arrows beside a value field: a click on the upper half steps
// up by one, on the lower half down by one.

#include <QWidget>

namespace ostrel {

class FieldSpinner : public QWidget {
  Q_OBJECT

 public:
  explicit FieldSpinner(QWidget* parent = nullptr);

 Q_SIGNALS:
  void stepped(int delta);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace ostrel
