#pragma once
// A push button drawn from one picture: a strip of two frames side by side,
// normal on the left and highlighted on the right. The button takes the size
// of one frame. The highlighted frame shows while the mouse is over the button,
// while it is pressed, and while the program holds the highlight to mark the
// chosen button of a group. Transparent parts of the picture show the parent
// screen behind the button.

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>

namespace ostrel {

class PictureCache;

class ImageButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit ImageButton(PictureCache& pictures, QWidget* parent = nullptr);

  // Loads the picture and sizes the button to one frame, keeping its top-left
  // corner. A picture that cannot be read leaves the button 0 x 0.
  void setPicture(const QString& path);

  // Holds the highlight until clearHighlight, or until the mouse next enters
  // the button (it is then an ordinary hovered button again).
  void setHighlight();
  void clearHighlight();

  bool isHighlighted() const { return hovered_; }
  bool isHeld() const { return held_; }
  int frameWidth() const { return picture_.width() / 2; }

  // The button's look on a transparent image of its size.
  QImage renderImage() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void paintFace(QPainter& painter) const;

  PictureCache& pictures_;
  QPixmap picture_;
  bool hovered_ = false;
  bool held_ = false;
};

}  // namespace ostrel
