#pragma once
// Runs the server operations away from the user-interface thread, one at a
// time, so the screens keep painting while an FTP dialogue waits on the
// network. The completion callback runs on the worker thread; the GUI hands
// the result over to its own thread from there (a queued call), so the
// screens still change state only on their own thread.

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace ostrel {

class OnlineWorker {
 public:
  OnlineWorker();
  // Waits for the operation in progress (bounded by its time-outs).
  ~OnlineWorker();
  OnlineWorker(const OnlineWorker&) = delete;
  OnlineWorker& operator=(const OnlineWorker&) = delete;

  // Runs work, then done, on the worker thread. Refused (false) while an
  // earlier work has not finished; done may start the next one.
  bool start(std::function<void()> work, std::function<void()> done);

  // The same for an operation with a result, which done receives.
  template <class Result>
  bool run(std::function<Result()> operation, std::function<void(Result)> done) {
    auto result = std::make_shared<Result>();
    return start([operation = std::move(operation), result] { *result = operation(); },
                 [done = std::move(done), result] { done(*result); });
  }

  // True from an accepted start until its work has finished.
  bool busy() const;

 private:
  void loop();

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::function<void()> work_;
  std::function<void()> done_;
  bool busy_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace ostrel
