// The download screen's progress strip, step by step, and the order in which
// Download walks the list.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "online/DownloadAnimation.h"
#include "online/DownloadWalk.h"

namespace ostrel {
namespace {

struct TargetCase {
  int32_t total;
  std::vector<int32_t> targets;  // after 1, 2, ... arrived
};

TEST(DownloadAnimationTarget, FollowsTheShareOfArrivedProfiles) {
  const TargetCase cases[] = {
      {2, {5, 11}},
      {3, {3, 6, 11}},
      {4, {2, 4, 7, 11}},
      {5, {2, 4, 6, 8, 11}},
      {6, {2, 4, 5, 6, 8, 11}},
      {7, {1, 3, 4, 6, 7, 9, 11}},
      {8, {1, 2, 4, 5, 6, 7, 9, 11}},
      {9, {1, 2, 3, 4, 5, 6, 7, 8, 11}},
      {10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11}},
      {13, {0, 1, 2, 3, 3, 4, 5, 6, 6, 7, 8, 9, 11}},
  };
  for (const TargetCase& c : cases) {
    for (std::size_t i = 0; i < c.targets.size(); ++i) {
      EXPECT_EQ(DownloadAnimation::targetFrame(c.total, static_cast<int32_t>(i) + 1), c.targets[i])
          << c.total << " chosen, " << i + 1 << " arrived";
    }
  }
}

TEST(DownloadAnimationTarget, NothingMovesWithoutAShare) {
  for (const auto& [total, done] : std::vector<std::pair<int, int>>{
           {0, 0}, {1, 1}, {1, 0}, {3, 0}, {20, 1}, {3, 4}, {12, 13}, {-1, 1}})
    EXPECT_EQ(DownloadAnimation::targetFrame(total, done), 0) << total << "/" << done;
}

// Steps until the frame changes; the number of steps taken (0 when it did
// not change within limit).
int stepsToNextFrame(DownloadAnimation& strip, int limit = 1000) {
  const int32_t before = strip.frame();
  for (int steps = 1; steps <= limit; ++steps) {
    strip.step();
    if (strip.frame() != before) return steps;
  }
  return 0;
}

// Every frame the strip shows, stepping until it rests.
std::vector<int32_t> framesUntilStill(DownloadAnimation& strip) {
  std::vector<int32_t> frames;
  for (int steps; (steps = stepsToNextFrame(strip)) != 0;) {
    EXPECT_EQ(steps, DownloadAnimation::kStepsPerFrame) << "to frame " << strip.frame();
    frames.push_back(strip.frame());
    if (strip.finished()) break;
  }
  return frames;
}

TEST(DownloadAnimation, ThreeChosenRunOnePastEachTargetThenToSuccess) {
  DownloadAnimation strip;
  strip.start(3);
  EXPECT_EQ(strip.frame(), 1);
  EXPECT_FALSE(strip.moving());  // nothing arrived yet
  EXPECT_EQ(stepsToNextFrame(strip, 50), 0);

  strip.profileArrived();
  EXPECT_TRUE(strip.moving());
  EXPECT_EQ(framesUntilStill(strip), (std::vector<int32_t>{2, 3, 4}));
  EXPECT_FALSE(strip.moving());  // one past the target, until the next arrives
  strip.profileArrived();
  EXPECT_EQ(framesUntilStill(strip), (std::vector<int32_t>{5, 6, 7}));
  strip.profileArrived();
  EXPECT_EQ(framesUntilStill(strip), (std::vector<int32_t>{8, 9, 10, 11}));
  EXPECT_TRUE(strip.finished());
  EXPECT_EQ(stepsToNextFrame(strip), DownloadAnimation::kStepsPerFrame);
  EXPECT_EQ(strip.frame(), DownloadAnimation::kSuccessFrame);

  // The success picture stays a while, then everything clears.
  int shown = stepsToNextFrame(strip);
  EXPECT_GT(shown, 100);
  EXPECT_FALSE(strip.finished());
  EXPECT_EQ(strip.frame(), 0);
  EXPECT_EQ(strip.selectedTotal(), 0);
  EXPECT_FALSE(strip.moving());
}

TEST(DownloadAnimation, SingleDownloadRunsToSuccessAndTimesOut) {
  DownloadAnimation strip;
  strip.start(1);
  EXPECT_EQ(stepsToNextFrame(strip, 50), 0);  // not yet arrived
  strip.profileArrived();
  for (int frame = 2; frame <= DownloadAnimation::kSuccessFrame; ++frame) {
    EXPECT_EQ(stepsToNextFrame(strip), DownloadAnimation::kStepsPerFrame);
    EXPECT_EQ(strip.frame(), frame);
  }
  EXPECT_TRUE(strip.finished());
  EXPECT_FALSE(strip.animating());
  EXPECT_EQ(stepsToNextFrame(strip), DownloadAnimation::kSuccessSteps);
  EXPECT_EQ(strip.frame(), 0);
  EXPECT_FALSE(strip.moving());
}

TEST(DownloadAnimation, TenChosenEndOnTheLastPictureToo) {
  DownloadAnimation strip;
  strip.start(10);
  for (int i = 0; i < 10; ++i) {
    strip.profileArrived();
    framesUntilStill(strip);
  }
  EXPECT_TRUE(strip.finished());
  EXPECT_EQ(strip.frame(), DownloadAnimation::kLastStripFrame);
}

TEST(DownloadAnimation, NothingChosenNothingMoves) {
  DownloadAnimation strip;
  strip.start(0);
  EXPECT_FALSE(strip.animating());
  EXPECT_EQ(strip.frame(), 0);
  EXPECT_FALSE(strip.moving());
  EXPECT_EQ(stepsToNextFrame(strip, 300), 0);
}

TEST(DownloadAnimation, ResetStopsAStripHalfWay) {
  DownloadAnimation strip;
  strip.start(3);
  strip.profileArrived();
  strip.reset();
  EXPECT_EQ(strip.frame(), 0);
  EXPECT_FALSE(strip.moving());
  EXPECT_EQ(stepsToNextFrame(strip, 300), 0);
}

// The names fetched, in order, from a sorted list where chosen names are
// fetched, unless they fail, and then leave the list.
std::vector<std::string> walkOrder(std::vector<std::string> list, const std::set<std::string>& chosen,
                                   const std::set<std::string>& failing = {}) {
  DownloadWalk walk;
  walk.start(static_cast<int>(list.size()));
  std::vector<std::string> fetched;
  const auto isChosen = [&](int i) { return chosen.count(list[static_cast<std::size_t>(i)]) > 0; };
  for (int i; (i = walk.next(static_cast<int>(list.size()), isChosen)) >= 0;) {
    const std::string name = list[static_cast<std::size_t>(i)];
    fetched.push_back(name + "@" + std::to_string(walk.pass()));
    if (!failing.count(name)) list.erase(list.begin() + i);
  }
  return fetched;
}

TEST(DownloadWalk, TakesTheEntryThatMovedUpInALaterPass) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(walkOrder({"A", "B", "C", "D", "E"}, {"B", "C"}), (Names{"B@0", "C@1"}));
  EXPECT_EQ(walkOrder({"A", "B", "C"}, {"A", "B", "C"}), (Names{"A@0", "C@0", "B@1"}));
  EXPECT_EQ(walkOrder({"A", "B", "C"}, {}), Names{});
  EXPECT_EQ(walkOrder({}, {"A"}), Names{});
  // A failing entry is tried again in every pass.
  EXPECT_EQ(walkOrder({"A", "B", "C"}, {"A", "C"}, {"A"}), (Names{"A@0", "C@0", "A@1", "A@2"}));
}

TEST(DownloadWalk, StopEndsTheWalk) {
  DownloadWalk walk;
  walk.start(4);
  EXPECT_TRUE(walk.walking());
  EXPECT_EQ(walk.next(4, [](int) { return true; }), 0);
  walk.stop();
  EXPECT_FALSE(walk.walking());
  EXPECT_EQ(walk.next(4, [](int) { return true; }), -1);
}

}  // namespace
}  // namespace ostrel
