#pragma once
// The stick screen's three travel zones: their widths in whole percent and
// which one is locked. The locked zone follows: it never moves by itself and
// takes up every change of the other two, so the widths keep adding up to 100.
// A change that would leave any zone outside 1..98 is refused.

#include <array>
#include <optional>

namespace ostrel {

class StickZones {
 public:
  enum Zone : int { kSmall = 0, kMedium = 1, kBig = 2 };
  static constexpr int kCount = 3;
  static constexpr int kMinWidth = 1;
  static constexpr int kMaxWidth = 98;

  using Widths = std::array<int, kCount>;

  // 50, 30, 20 with the big zone locked, as the screen starts.
  StickZones();

  const Widths& widths() const { return widths_; }
  int width(int zone) const { return widths_.at(static_cast<std::size_t>(zone)); }
  int locked() const { return locked_; }

  // The slot's widths as stored, without the 100 rule (the screen shows what
  // the profile holds). The lock stays.
  void setWidths(const Widths& widths) { widths_ = widths; }
  // The default widths with the big zone locked.
  void reset(const Widths& defaults);
  // Makes zone the locked one; false when it already was.
  bool lock(int zone);

  // The mouse gives zone the width v (the column's height above the pointer);
  // the locked zone takes the remainder. True when the widths changed.
  bool drag(int zone, int v);
  // An arrow of the up-down of zone: delta +1 or -1. True when accepted.
  bool step(int zone, int delta);

 private:
  // The zone that is neither a nor b.
  static int third(int a, int b) { return kCount - a - b; }
  // Sets zone to value and the locked zone to the remainder, when every
  // width then lies in 1..98.
  bool apply(int zone, int value);

  Widths widths_{50, 30, 20};
  int locked_ = kBig;
};

}  // namespace ostrel
