#pragma once
// What the parts of the link share: the owner thread's state and library, the
// dispatcher that reaches that thread, the pacing seam and the observer.
// app, library and observer are touched on the owner thread only.

#include "library/ProfileLibrary.h"
#include "link/Dispatcher.h"
#include "link/LinkObserver.h"
#include "link/Sleeper.h"
#include "profile/AppState.h"

namespace ostrel {

struct LinkContext {
  AppState& app;
  ProfileLibrary& library;
  Dispatcher& dispatcher;
  Sleeper& sleeper;
  LinkObserver* observer = nullptr;
};

}  // namespace ostrel
