#pragma once
// A connection that a test makes from a chosen local loopback address (say
// 127.0.0.2, another host to the client under test), which the socket layer
// does not offer. One implementation per platform, picked by the build.

#include <cstdint>
#include <string>

namespace ostrel::test {

// Connects from fromAddress to 127.0.0.1:port, sends bytes, ends its sending
// side and waits (up to 5 s) until the peer has closed: it took the bytes or
// turned the connection away. False when the connection or send failed.
bool sendFrom(const char* fromAddress, uint16_t port, const std::string& bytes);

}  // namespace ostrel::test
