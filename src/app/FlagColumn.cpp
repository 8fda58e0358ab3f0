#include "app/FlagColumn.h"

namespace ostrel {
namespace {
constexpr int kLeft = 1187;
constexpr int kTop = 13;
constexpr int kWidth = 45;
constexpr int kHeight = 29;
}  // namespace

QRect FlagColumn::flagRect(int index) { return {kLeft, kTop + kHeight * index, kWidth, kHeight}; }

QRect FlagColumn::area() { return {kLeft, kTop, kWidth, 245 - kTop}; }

std::optional<int> FlagColumn::flagAt(QPoint point) const {
  for (int i = 0; i < kFlagCount; ++i) {
    if (flagRect(i).contains(point)) return i;
  }
  return std::nullopt;
}

bool FlagColumn::hover(QPoint point) {
  bool repaint = false;
  hoveringNow_ = false;
  if (const auto flag = flagAt(point)) {
    hoveringNow_ = hoveringBefore_ = true;
    repaint = *flag != highlighted_;
    highlighted_ = *flag;
  }
  if (!hoveringNow_ && hoveringBefore_) {
    // Leaving the column shows the chosen language again.
    hoveringBefore_ = false;
    highlighted_ = selected_;
    repaint = true;
  }
  return repaint;
}

std::optional<int> FlagColumn::click(QPoint point) {
  const auto flag = flagAt(point);
  if (flag) select(*flag);
  return flag;
}

void FlagColumn::select(int index) { highlighted_ = selected_ = index; }

void FlagColumn::reset() {
  select(0);
  hoveringNow_ = hoveringBefore_ = false;
}

}  // namespace ostrel
