// WinSock start-up: version 1.1 requested, and only 1.1 accepted.

#include "online/net/SocketStartup.h"

#include <winsock2.h>

namespace ostrel::net {

SocketStartup::SocketStartup() {
  constexpr WORD kVersion = MAKEWORD(1, 1);
  WSADATA data{};
  if (::WSAStartup(kVersion, &data) != 0) return;
  if (data.wVersion != kVersion) {
    ::WSACleanup();  // a started service of another version is not ours to keep
    return;
  }
  started_ = true;
}

SocketStartup::~SocketStartup() {
  if (started_) ::WSACleanup();
}

}  // namespace ostrel::net
