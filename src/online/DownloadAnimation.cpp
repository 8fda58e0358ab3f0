#include "online/DownloadAnimation.h"

#include <array>

namespace ostrel {
namespace {

// Targets for 2 to 9 chosen profiles (rows) after 1 to 9 arrived (columns).
constexpr std::array<std::array<int8_t, 9>, 8> kTargets{{
    {5, 11},
    {3, 6, 11},
    {2, 4, 7, 11},
    {2, 4, 6, 8, 11},
    {2, 4, 5, 6, 8, 11},
    {1, 3, 4, 6, 7, 9, 11},
    {1, 2, 4, 5, 6, 7, 9, 11},
    {1, 2, 3, 4, 5, 6, 7, 8, 11},
}};
constexpr int32_t kTableTotals = 9;

}  // namespace

int32_t DownloadAnimation::targetFrame(int32_t total, int32_t done) {
  if (total < 2 || done < 1 || done > total) return 0;
  if (total <= kTableTotals) return kTargets[static_cast<std::size_t>(total - 2)][static_cast<std::size_t>(done - 1)];
  const int32_t share = done * 10 / total;
  return share == 10 ? kLastStripFrame : share;
}

void DownloadAnimation::reset() { *this = DownloadAnimation(); }

void DownloadAnimation::start(int32_t selected) {
  doneCount_ = 0;
  frame_ = 0;
  selectedTotal_ = selected;
  stepCount_ = 0;
  animating_ = selected >= 1;
  if (animating_) frame_ = 1;
}

void DownloadAnimation::profileArrived() { ++doneCount_; }

bool DownloadAnimation::moving() const {
  if (finished_) return true;
  if (!animating_) return false;
  if (singleDone()) return true;
  const int32_t target = targetFrame(selectedTotal_, doneCount_);
  return target > 0 && frame_ <= target;
}

bool DownloadAnimation::step() {
  bool changed = finished_ && stepSuccess();
  if (!animating_) return changed;
  if (singleDone()) return stepSingle() || changed;
  const int32_t target = targetFrame(selectedTotal_, doneCount_);
  return (target > 0 && stepTowards(target)) || changed;
}

// The success picture times out. Several fetches count this step twice (here
// and towards the last target), so the count is reached, not met exactly.
bool DownloadAnimation::stepSuccess() {
  if (++stepCount_ < kSuccessSteps) return false;
  stepCount_ = 0;
  finished_ = false;
  frame_ = 0;
  selectedTotal_ = 0;
  return true;
}

bool DownloadAnimation::stepSingle() {
  ++stepCount_;
  if (stepCount_ % kStepsPerFrame != 0 || frame_ > kLastStripFrame) return false;
  ++frame_;
  if (frame_ == kSuccessFrame) {
    doneCount_ = 0;
    stepCount_ = 0;
    animating_ = false;
    finished_ = true;
  }
  return true;
}

bool DownloadAnimation::stepTowards(int32_t target) {
  ++stepCount_;
  if (stepCount_ % kStepsPerFrame != 0 || frame_ > target) return false;
  ++frame_;
  stepCount_ = 0;
  if (frame_ == kLastStripFrame) finished_ = true;
  return true;
}

}  // namespace ostrel
