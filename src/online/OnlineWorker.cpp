#include "online/OnlineWorker.h"

#include <utility>

namespace ostrel {

OnlineWorker::OnlineWorker() : thread_([this] { loop(); }) {}

OnlineWorker::~OnlineWorker() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

bool OnlineWorker::start(std::function<void()> work, std::function<void()> done) {
  {
    std::lock_guard lock(mutex_);
    if (busy_ || stopping_) return false;
    busy_ = true;
    work_ = std::move(work);
    done_ = std::move(done);
  }
  wake_.notify_one();
  return true;
}

bool OnlineWorker::busy() const {
  std::lock_guard lock(mutex_);
  return busy_;
}

void OnlineWorker::loop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || work_; });
    if (!work_) return;  // stopping with nothing left to run
    auto work = std::exchange(work_, nullptr);
    auto done = std::exchange(done_, nullptr);
    lock.unlock();
    if (work) work();
    {
      std::lock_guard finished(mutex_);
      busy_ = false;
    }
    if (done) done();
    lock.lock();
  }
}

}  // namespace ostrel
