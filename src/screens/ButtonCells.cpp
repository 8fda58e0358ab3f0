#include "screens/ButtonCells.h"

namespace ostrel {
namespace {

constexpr int kColumnX[] = {88, 342, 596};
constexpr int kRowY[] = {184, 236, 287, 338, 390, 441, 493, 545};

constexpr QPoint anchorOf(int cell) { return {kColumnX[cell / 8], kRowY[cell % 8]}; }

const QPoint& anchor(int cell) { return kButtonCells[static_cast<std::size_t>(cell)].anchor; }

}  // namespace

const std::array<ButtonCell, kButtonCellCount> kButtonCells = {{
    {anchorOf(0), 28, "A-Button.png"},        {anchorOf(1), 38, "X-Button.png"},
    {anchorOf(2), 43, "Y-Button.png"},        {anchorOf(3), 33, "B-Button.png"},
    {anchorOf(4), 58, "DPad-Up.png"},         {anchorOf(5), 48, "DPad-R.png"},
    {anchorOf(6), 78, "DPad-Dwn.png"},        {anchorOf(7), 68, "DPad-L.png"},
    {anchorOf(8), 93, "R-Bumper.png"},        {anchorOf(9), 88, "ZR-Trigger.png"},
    {anchorOf(10), 103, "L-Bumper.png"},      {anchorOf(11), 98, "ZL-Trigger.png"},
    {anchorOf(12), 148, "L-Stick-Up.png"},    {anchorOf(13), 143, "L-Stick-R.png"},
    {anchorOf(14), 158, "L-Stick-Dwn.png"},   {anchorOf(15), 153, "L-Stick-L.png"},
    {anchorOf(16), 128, "R-Stick-Click.png"}, {anchorOf(17), 133, "L-Stick-Click.png"},
    {anchorOf(18), 113, "M1-Shortcut.png"},   {anchorOf(19), 123, "M2-Shortcut.png"},
    {anchorOf(20), 108, "M3-Shortcut.png"},   {anchorOf(21), 118, "M4-Shortcut.png"},
    {anchorOf(22), 63, "S1-Button.png"},      {anchorOf(23), 53, "S2-Button.png"},
}};

// Areas run from the first coordinate to the last inclusive.
QRect cellClickArea(int cell) {
  const QPoint a = anchor(cell);
  return QRect(QPoint(a.x() - 5, a.y() - 7), QPoint(a.x() + 215, a.y() + 49));
}

QRect cellRedrawArea(int cell) {
  const QPoint a = anchor(cell);
  return QRect(QPoint(a.x() - 10, a.y() - 7), QPoint(a.x() + 220, a.y() + 49));
}

QRect cellPictureArea(int cell) {
  const QPoint a = anchor(cell);
  return QRect(a.x() + 130, a.y() + 1, 80, 40);
}

QPoint cellLabelPoint(int cell) {
  const QPoint a = anchor(cell);
  return {a.x() + 170, a.y() + 30};
}

int buttonCellAt(QPoint point, bool paddlesOff) {
  for (int cell = 0; cell < kButtonCellCount; ++cell) {
    if (paddlesOff && isPaddleCell(cell)) continue;
    if (cellClickArea(cell).contains(point)) return cell;
  }
  return -1;
}

}  // namespace ostrel
