#pragma once
// Where the stick screen's zone columns, knobs and help squares lie; shared by
// the files that build the screen and the ones that draw it and follow the
// pointer.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "screens/StickZones.h"

namespace ostrel::StickLayout {

inline constexpr int kColumnX[StickZones::kCount] = {565, 814, 1063};
inline constexpr int kColumnTop = 156;
inline constexpr int kColumnBottom = 255;  // excluded; a pointer at y gives width 255 - y
inline constexpr int kColumnRedrawBottom = 294;
inline constexpr int kColumnWidth = 110;
inline constexpr QSize kKnobSize{108, 18};
inline constexpr int kWidthLabelX[StickZones::kCount] = {582, 832, 1081};
inline constexpr int kWidthUpDownX[StickZones::kCount] = {629, 879, 1128};
inline constexpr int kHelpSquare = 30;
// Top-left corners of the help points' squares, in help picture order.
inline constexpr QPoint kHelpSquares[] = {
    {407, 103}, {407, 144}, {407, 200}, {407, 245}, {407, 285}, {407, 327}, {407, 383},
    {407, 427}, {407, 535}, {407, 581}, {677, 102}, {929, 102}, {1178, 102}};

// The part of zone's column that answers the mouse.
constexpr QRect columnRect(int zone) {
  return QRect(kColumnX[zone], kColumnTop, kColumnWidth, kColumnBottom - kColumnTop);
}

}  // namespace ostrel::StickLayout
