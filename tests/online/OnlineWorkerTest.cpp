// OnlineWorker runs one operation at a time off the calling thread.

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "online/OnlineWorker.h"

namespace ostrel {
namespace {

// Collects results handed over from the worker, like the GUI's queued calls.
class Results {
 public:
  void add(int value) {
    std::lock_guard lock(mutex_);
    values_.push_back(value);
    arrived_.notify_all();
  }
  std::vector<int> waitFor(std::size_t count) {
    std::unique_lock lock(mutex_);
    arrived_.wait(lock, [&] { return values_.size() >= count; });
    return values_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<int> values_;
};

TEST(OnlineWorker, RunsTheOperationElsewhereAndHandsBackItsResult) {
  Results results;
  std::thread::id ranOn;
  OnlineWorker worker;
  ASSERT_TRUE(worker.run<int>(
      [&] {
        ranOn = std::this_thread::get_id();
        return 9;
      },
      [&](int state) { results.add(state); }));
  EXPECT_EQ(results.waitFor(1), std::vector<int>{9});
  EXPECT_NE(ranOn, std::this_thread::get_id());
}

TEST(OnlineWorker, RefusesASecondOperationWhileOneRuns) {
  std::mutex gate;
  std::unique_lock hold(gate);
  Results results;
  OnlineWorker worker;
  ASSERT_TRUE(worker.run<int>(
      [&] {
        std::lock_guard wait(gate);
        return 2;
      },
      [&](int state) { results.add(state); }));
  EXPECT_TRUE(worker.busy());
  EXPECT_FALSE(worker.run<int>([] { return 11; }, [&](int state) { results.add(state); }));
  hold.unlock();
  EXPECT_EQ(results.waitFor(1), std::vector<int>{2});
}

TEST(OnlineWorker, CompletionMayStartTheNextOperation) {
  Results results;
  OnlineWorker worker;
  ASSERT_TRUE(worker.run<int>([] { return 6; },
                              [&](int first) {
                                results.add(first);
                                EXPECT_TRUE(worker.run<int>([] { return 7; }, [&](int next) { results.add(next); }));
                              }));
  EXPECT_EQ(results.waitFor(2), (std::vector<int>{6, 7}));
}

TEST(OnlineWorker, DestructionFinishesTheAcceptedOperation) {
  Results results;
  {
    OnlineWorker worker;
    ASSERT_TRUE(worker.run<int>([] { return 3; }, [&](int state) { results.add(state); }));
  }
  EXPECT_EQ(results.waitFor(1), std::vector<int>{3});
}

}  // namespace
}  // namespace ostrel
