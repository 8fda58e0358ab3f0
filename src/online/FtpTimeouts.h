#pragma once
// How long the FTP client waits before it gives up on the server.

#include <chrono>

namespace ostrel {

struct FtpTimeouts {
  // Setting up a control or data connection.
  std::chrono::milliseconds connect{5000};
  // Any single read or write on the control or data connection, and the wait
  // for the server to open an active-mode data connection.
  std::chrono::milliseconds io{20000};
};

}  // namespace ostrel
