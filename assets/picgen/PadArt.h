#pragma once
// The drawing of the pad, front view with its four back paddles below the
// grips, with one control highlighted.

#include <QPainter>
#include <QRectF>
#include <array>

namespace ostrel {

// The 24 controls of the button screen, in its cell order.
enum class PadControl {
  A, X, Y, B, DPadUp, DPadRight, DPadDown, DPadLeft, RightBumper, RightTrigger, LeftBumper,
  LeftTrigger, LeftStickUp, LeftStickRight, LeftStickDown, LeftStickLeft, RightStickClick,
  LeftStickClick, M1, M2, M3, M4, S1, S2, None
};

class PadArt {
 public:
  // Draws the pad centred in r, as large as fits; the highlighted control is
  // drawn in teal with a glow. paddlesOff greys the four paddles.
  static void draw(QPainter& p, const QRectF& r, PadControl highlighted, bool paddlesOff = false);
  // The pad at low opacity, as a quiet backdrop (drawn whole, then faded, so
  // its parts do not show through each other).
  static void drawFaint(QPainter& p, const QRectF& r, qreal opacity);
  // Where the four paddles M1..M4 are when the pad is drawn in r.
  static std::array<QRectF, 4> paddleRects(const QRectF& r);
  // The rectangle the pad takes inside r (for laying out around it).
  static QRectF bounds(const QRectF& r);
};

}  // namespace ostrel
