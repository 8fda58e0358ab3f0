#pragma once
// What logOn needs to reach and enter an FTP account, directly or through
// one of the firewall schemes that the logon types describe.

#include <cstdint>
#include <string>

namespace ostrel {

struct LogonParams {
  std::string host;
  uint16_t port = 21;
  std::string user;
  std::string password;
  std::string account;
  std::string fwhost;
  std::string fwuser;
  std::string fwpassword;
  uint16_t fwport = 0;
  int logonType = 0;  // 0..8, see LogonTable
};

}  // namespace ostrel
