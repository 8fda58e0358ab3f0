#pragma once
// Everything a profile screen is built with. The application owns every part
// and outlives the screens; each screen keeps the context by value.

#include <QString>

#include "online/SharedServerSettings.h"

namespace ostrel {

struct AppState;
class ProfileLibrary;
class ControllerLink;
class PictureCache;
class ScreenHost;

struct ScreenContext {
  AppState& app;
  ProfileLibrary& library;
  // Commands to the pad and the profile transfer (activation).
  ControllerLink& link;
  // The screens' pictures, rooted at resourceRoot.
  PictureCache& pictures;
  ScreenHost& host;
  // The folder that holds res/ (design: beside the executable, or the
  // installed share folder).
  QString resourceRoot;
  // The maker's FTP server for the profile downloads and the firmware update
  // (the demo and the tests give their own loopback server), read when a
  // dialogue with it starts.
  SharedServerSettings server;
};

}  // namespace ostrel
