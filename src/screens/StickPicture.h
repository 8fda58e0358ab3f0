#pragma once
// What the stick screen draws over its background from the values shown: the
// response curve of the three travel zones and the two dead-zone circles.

#include <QPoint>
#include <QRect>

#include <array>

#include "screens/StickZones.h"

class QPainter;

namespace ostrel {

class StickPicture {
 public:
  static constexpr QPoint kCurveStart{579, 606};
  static constexpr QPoint kCurveEnd{908, 360};
  static constexpr QPoint kCircleCentre{258, 569};
  static constexpr QRect kCurveArea{579, 360, 379, 246};
  static constexpr QRect kCircleArea{166, 477, 184, 184};

  // Start, the two bends and the end of the curve. Each zone covers one third
  // of the output, so the bends lie one and two thirds up.
  static std::array<QPoint, 4> curvePoints(const StickZones::Widths& widths);

  // Radius of a dead-zone circle for field value v of a field whose largest
  // value (fullValue, 99 or 100) fills the 90-pixel circle area. A value of 1
  // is drawn as 2 so that it stays visible; 0 draws no circle (radius 0).
  static int circleRadius(int v, int fullValue);

  static void paintCurve(QPainter& painter, const StickZones::Widths& widths);
  static void paintCircles(QPainter& painter, int staticDeadZone, int dynamicDeadZone);
};

}  // namespace ostrel
