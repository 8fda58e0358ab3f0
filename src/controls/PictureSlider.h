#pragma once
// A horizontal slider that sits on a painted screen: it paints its channel,
// tick marks and thumb but no background, so the screen's picture shows
// around them. Keys step the way the pad owner's Windows trackbar does: Left
// and Up one line toward the minimum, Right and Down one line toward the
// maximum, Page Up and Page Down one page, Home and End to the ends.

#include <QSlider>

namespace ostrel {

class PictureSlider : public QSlider {
  Q_OBJECT

 public:
  explicit PictureSlider(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ostrel
