#pragma once
// The transparent list with a tick left of each row: "res/Tick-On.png" for a
// selected row, "res/Tick-Off.png" otherwise, 30 x 30 at x = 10; the text
// starts at x = 50. Clicking a row toggles its selection, so several rows can
// be chosen.

#include "controls/PlainList.h"

namespace ostrel {

class PictureCache;

class CheckList : public PlainList {
  Q_OBJECT

 public:
  explicit CheckList(PictureCache& pictures, QWidget* parent = nullptr);

 protected:
  void drawRow(QPainter& painter, int row, const QRect& rowRect, bool selected) const override;

 private:
  PictureCache& pictures_;
};

}  // namespace ostrel
