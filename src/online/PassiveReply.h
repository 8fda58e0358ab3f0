#pragma once
// Reading the data address out of a server's answer to PASV.

#include <optional>

#include "online/net/Socket.h"

namespace ostrel {

// Takes the text between the first "(" and the first ")" of the reply line:
// the number after its last comma is the low port byte, the one after the
// comma before that the high byte, and the rest, with every "," turned into
// ".", the host. Absent when a parenthesis is missing, a port byte is not a
// decimal number of 0 to 255, or the port is 0.
std::optional<net::Endpoint> parsePassiveReply(const std::string& reply);

}  // namespace ostrel
