#pragma once
// What the windows of the program share: the run's state and library, the
// controller link with its grace timer, the picture cache and the process
// seam. The application owns them; the windows hold this by reference.

#include <QString>

#include "online/SharedServerSettings.h"

namespace ostrel {

struct AppState;
class ControllerLink;
class DfuClock;
class UsbTransport;
struct DfuSharedFlags;
class GraceTimer;
class ProfileLibrary;
class PictureCache;
class ProcessShell;

struct AppContext {
  AppState& app;
  ProfileLibrary& library;
  ControllerLink& link;
  GraceTimer& graceTimer;
  PictureCache& pictures;
  ProcessShell& shell;
  QString resourceRoot;  // the folder that holds res/
  SharedServerSettings server;  // the maker's FTP server
  // The firmware update's USB seam, its clock and its process-wide flags.
  UsbTransport* usb = nullptr;
  DfuClock* dfuClock = nullptr;
  DfuSharedFlags* dfuShared = nullptr;
};

}  // namespace ostrel
