// POSIX sockets need no start-up.

#include "online/net/SocketStartup.h"

namespace ostrel::net {

SocketStartup::SocketStartup() : started_(true) {}

SocketStartup::~SocketStartup() = default;

}  // namespace ostrel::net
