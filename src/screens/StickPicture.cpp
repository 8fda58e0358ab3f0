#include "screens/StickPicture.h"

#include <QPainter>

namespace ostrel {
namespace {

const QColor kBlue(121, 190, 255);
const QColor kGreen(147, 254, 124);
const QColor kRed(254, 121, 124);
constexpr int kCurvePen = 3;
constexpr int kCirclePen = 2;
constexpr int kCurveWidth = 329;   // 908 - 579
constexpr int kCurveHeight = 246;  // 606 - 360
constexpr int kLargestRadius = 90;

}  // namespace

std::array<QPoint, 4> StickPicture::curvePoints(const StickZones::Widths& widths) {
  const int x0 = kCurveStart.x();
  const int y0 = kCurveStart.y();
  return {kCurveStart, QPoint(x0 + widths[0] * kCurveWidth / 100, y0 - kCurveHeight / 3),
          QPoint(x0 + (widths[0] + widths[1]) * kCurveWidth / 100, y0 - kCurveHeight * 2 / 3),
          kCurveEnd};
}

int StickPicture::circleRadius(int v, int fullValue) {
  if (v <= 0 || fullValue <= 0) return 0;
  return (v == 1 ? 2 : v) * kLargestRadius / fullValue;
}

void StickPicture::paintCurve(QPainter& painter, const StickZones::Widths& widths) {
  const auto points = curvePoints(widths);
  const QColor colours[] = {kBlue, kGreen, kRed};
  painter.save();
  for (std::size_t i = 0; i < 3; ++i) {
    painter.setPen(QPen(colours[i], kCurvePen));
    painter.drawLine(points[i], points[i + 1]);
  }
  painter.restore();
}

void StickPicture::paintCircles(QPainter& painter, int staticDeadZone, int dynamicDeadZone) {
  const struct {
    int radius;
    QColor colour;
  } circles[] = {{circleRadius(staticDeadZone, 99), kGreen},
                 {circleRadius(dynamicDeadZone, 100), kRed}};
  painter.save();
  painter.setBrush(Qt::NoBrush);
  for (const auto& circle : circles) {
    if (circle.radius <= 0) continue;
    painter.setPen(QPen(circle.colour, kCirclePen));
    painter.drawEllipse(QPointF(kCircleCentre), circle.radius, circle.radius);
  }
  painter.restore();
}

}  // namespace ostrel
