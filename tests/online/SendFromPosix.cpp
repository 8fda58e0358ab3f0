#include "SendFrom.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace ostrel::test {

bool sendFrom(const char* fromAddress, uint16_t port, const std::string& bytes) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in from{};
  from.sin_family = AF_INET;
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  timeval patience{5, 0};
  bool sent = fd >= 0 && ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience) == 0 &&
              ::inet_pton(AF_INET, fromAddress, &from.sin_addr) == 1 &&
              ::inet_pton(AF_INET, "127.0.0.1", &to.sin_addr) == 1 &&
              ::bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from) == 0 &&
              ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0 &&
              ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size()) &&
              ::shutdown(fd, SHUT_WR) == 0;
  char ignored;
  while (sent && ::recv(fd, &ignored, 1, 0) > 0) {
  }
  if (fd >= 0) ::close(fd);
  return sent;
}

}  // namespace ostrel::test
