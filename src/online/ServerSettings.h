#pragma once
// Where the maker's FTP server is and how to log on to it: one value that the
// firmware check and the profile downloads are given.

#include <cstdint>
#include <string>

#include "online/FtpTimeouts.h"
#include "online/LogonParams.h"

namespace ostrel {

struct ServerSettings {
  std::string address;  // dotted IPv4 address
  uint16_t port = 21;
  std::string user = "soft_px_720_lt";
  std::string password;
  bool passive = true;
  FtpTimeouts timeouts;

  // The server this build was configured with.
  static ServerSettings builtIn();
  // No server: every dialogue fails at once, as without a network.
  static ServerSettings none() { return ServerSettings{}; }

  // The direct logon (type 0, no account, no firewall) these settings describe.
  LogonParams logonParams() const;
};

}  // namespace ostrel
