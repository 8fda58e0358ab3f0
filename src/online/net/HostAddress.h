#pragma once
// The IPv4 address of a host named by a dotted address or by name.

#include <string>

#include "online/net/SystemSockets.h"

namespace ostrel::net {

// Dotted address first, then a name lookup restricted to IPv4; false when
// neither gives one.
bool resolveHost(const std::string& host, in_addr& out);

}  // namespace ostrel::net
