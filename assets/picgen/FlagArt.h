#pragma once
// The seven language flags, drawn from their geometry.

#include <QPainter>
#include <QRectF>

namespace ostrel {

class FlagArt {
 public:
  // The flag of language 0..6 (United Kingdom, France, Germany, Netherlands,
  // Spain, Italy, Portugal) filling r.
  static void draw(QPainter& p, const QRectF& r, int language);
};

}  // namespace ostrel
