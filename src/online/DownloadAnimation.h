#pragma once
// The progress strip of the profile download screen. Its owner steps it every
// 10 ms; a picture advances every fifth step towards the target that the
// share of chosen profiles already fetched gives, one picture past it at most,
// and the last fetch runs it to the success picture, which stays for a while.
//
// Frames: 0 shows nothing, 1 to 11 the strip's pictures, 12 the success
// picture, which also shows whenever finished() holds.
//
// One thread only: the screen steps it from a timer of its own thread, the
// same thread whose buttons start it, so nothing here is shared.

#include <cstdint>

namespace ostrel {

class DownloadAnimation {
 public:
  static constexpr int32_t kLastStripFrame = 11;
  static constexpr int32_t kSuccessFrame = 12;
  static constexpr int32_t kStepsPerFrame = 5;
  static constexpr int32_t kSuccessSteps = 250;

  // The screen was opened: nothing shows and nothing moves.
  void reset();
  // Download was pressed with selected entries chosen; with none the strip
  // stays still. The screen ignores Download while finished() holds.
  void start(int32_t selected);
  // One chosen profile arrived.
  void profileArrived();
  // One step; true when the strip must be drawn again.
  bool step();
  // False when no step could change the picture until start or
  // profileArrived, so the owner may stop stepping meanwhile.
  bool moving() const;

  // The frame the strip runs to after done of total chosen profiles arrived;
  // 0 when nothing moves.
  static int32_t targetFrame(int32_t total, int32_t done);

  int32_t frame() const { return frame_; }
  bool finished() const { return finished_; }
  bool animating() const { return animating_; }
  int32_t selectedTotal() const { return selectedTotal_; }
  int32_t doneCount() const { return doneCount_; }

 private:
  bool singleDone() const { return selectedTotal_ == 1 && doneCount_ == 1; }
  bool stepSuccess();
  bool stepSingle();
  bool stepTowards(int32_t target);

  int32_t selectedTotal_ = 0;
  int32_t doneCount_ = 0;
  int32_t frame_ = 0;
  int32_t stepCount_ = 0;
  bool animating_ = false;
  bool finished_ = false;
};

}  // namespace ostrel
