#include "screens/StickZones.h"

namespace ostrel {
namespace {

// The up-down rule: for the arrow of one zone with another zone locked, the
// step is accepted when a width stays below 99 minus the remaining zone. The
// width tested is the new one only while the remaining zone is the big one.
struct StepRule {
  int zone;
  int locked;
  bool testsNewWidth;
};

constexpr StepRule kStepRules[] = {
    {StickZones::kSmall, StickZones::kBig, false},  {StickZones::kSmall, StickZones::kMedium, true},
    {StickZones::kMedium, StickZones::kBig, false}, {StickZones::kMedium, StickZones::kSmall, true},
    {StickZones::kBig, StickZones::kMedium, false}, {StickZones::kBig, StickZones::kSmall, false},
};

bool validZone(int zone) { return zone >= 0 && zone < StickZones::kCount; }

}  // namespace

StickZones::StickZones() = default;

void StickZones::reset(const Widths& defaults) {
  widths_ = defaults;
  locked_ = kBig;
}

bool StickZones::lock(int zone) {
  if (!validZone(zone) || zone == locked_) return false;
  locked_ = zone;
  return true;
}

bool StickZones::apply(int zone, int value) {
  Widths next = widths_;
  const int rest = third(zone, locked_);
  next[static_cast<std::size_t>(zone)] = value;
  next[static_cast<std::size_t>(locked_)] = 100 - width(rest) - value;
  for (int w : next) {
    if (w < kMinWidth || w > kMaxWidth) return false;
  }
  widths_ = next;
  return true;
}

bool StickZones::drag(int zone, int v) {
  if (!validZone(zone) || zone == locked_) return false;
  if (v >= 100 - width(third(zone, locked_))) return false;
  return apply(zone, v);
}

bool StickZones::step(int zone, int delta) {
  if (!validZone(zone) || zone == locked_) return false;
  const int current = width(zone);
  const int next = current + delta;
  if (next > kMaxWidth || next < kMinWidth) return false;
  for (const StepRule& rule : kStepRules) {
    if (rule.zone != zone || rule.locked != locked_) continue;
    const int tested = rule.testsNewWidth ? next : current;
    if (tested >= 99 - width(third(zone, locked_))) return false;
    return apply(zone, next);
  }
  return false;
}

}  // namespace ostrel
