#pragma once
// The 24 cells of the button mapping screen: which control entry each edits,
// the picture of its pad control, and where it lies on the screen.

#include <QPoint>
#include <QRect>

#include <array>

namespace ostrel {

struct ButtonCell {
  QPoint anchor;
  int recordIndex;      // the code field of the cell's control entry
  const char* picture;  // below the language folder's "Screen5/"
};

inline constexpr int kButtonCellCount = 24;
extern const std::array<ButtonCell, kButtonCellCount> kButtonCells;

// Cells 18 to 21 are the shortcut paddles M1 to M4.
constexpr bool isPaddleCell(int cell) { return cell >= 18 && cell <= 21; }

// The cell whose clickable area holds point, skipping the paddles while they
// are off; -1 for none.
int buttonCellAt(QPoint point, bool paddlesOff);

// Around a cell's anchor: what a click reaches, what is redrawn when the cell
// changes, where its key picture goes, and the centre of its label's baseline.
QRect cellClickArea(int cell);
QRect cellRedrawArea(int cell);
QRect cellPictureArea(int cell);
QPoint cellLabelPoint(int cell);

}  // namespace ostrel
