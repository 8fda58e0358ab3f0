#include "SendFrom.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace ostrel::test {

bool sendFrom(const char* fromAddress, uint16_t port, const std::string& bytes) {
  const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in from{};
  from.sin_family = AF_INET;
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  const DWORD patienceMs = 5000;
  const int size = static_cast<int>(bytes.size());
  bool sent = socket != INVALID_SOCKET &&
              ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&patienceMs),
                           sizeof patienceMs) == 0 &&
              ::inet_pton(AF_INET, fromAddress, &from.sin_addr) == 1 &&
              ::inet_pton(AF_INET, "127.0.0.1", &to.sin_addr) == 1 &&
              ::bind(socket, reinterpret_cast<sockaddr*>(&from), sizeof from) == 0 &&
              ::connect(socket, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0 &&
              ::send(socket, bytes.data(), size, 0) == size && ::shutdown(socket, SD_SEND) == 0;
  char ignored;
  while (sent && ::recv(socket, &ignored, 1, 0) > 0) {
  }
  if (socket != INVALID_SOCKET) ::closesocket(socket);
  return sent;
}

}  // namespace ostrel::test
