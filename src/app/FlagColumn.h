#pragma once
// The first screen's seven language flags: which one is highlighted while
// the mouse moves over the column, and which one a click selects.

#include <QPoint>
#include <QRect>

#include <optional>

namespace ostrel {

class FlagColumn {
 public:
  static constexpr int kFlagCount = 7;

  // Flag i covers x 1187 to 1232 and y 13 + 29 i to 42 + 29 i (45 x 29).
  static QRect flagRect(int index);
  // The whole column, repainted when the highlight moves.
  static QRect area();

  // Mouse moved to point; true when the column must be repainted.
  bool hover(QPoint point);
  // A click at point: the flag it selects, if any.
  std::optional<int> click(QPoint point);
  // The pad's language (or a start-up reset): highlighted and selected.
  void select(int index);
  void reset();

  int highlighted() const { return highlighted_; }
  int selected() const { return selected_; }

 private:
  std::optional<int> flagAt(QPoint point) const;

  int highlighted_ = 0;
  int selected_ = 0;
  bool hoveringNow_ = false;
  bool hoveringBefore_ = false;
};

}  // namespace ostrel
