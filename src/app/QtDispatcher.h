#pragma once
// Hands the link's work to the user-interface thread as queued calls on Qt's
// event loop. Work still queued when the dispatcher goes is dropped with it,
// so destroy it only after the link whose threads post to it.

#include <QObject>

#include "link/Dispatcher.h"

namespace ostrel {

class QtDispatcher : public Dispatcher {
 public:
  // The work runs on the thread that creates the dispatcher.
  QtDispatcher() = default;
  void post(std::function<void()> work) override;

 private:
  QObject receiver_;
};

}  // namespace ostrel
