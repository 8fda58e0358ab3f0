// libFuzzer target: any text as the server's answer to PASV. An address it
// takes has a port other than 0 and a host without commas, and the same
// address written as a reply of its own reads back the same.

#include <cstdlib>
#include <string>

#include "online/PassiveReply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string reply(reinterpret_cast<const char*>(data), size);
  const auto endpoint = ostrel::parsePassiveReply(reply);
  if (!endpoint) return 0;
  if (endpoint->port == 0 || endpoint->address.find(',') != std::string::npos) std::abort();
  const std::string again = "227 Entering Passive Mode (" + endpoint->address + "," +
                            std::to_string(endpoint->port / 256) + "," +
                            std::to_string(endpoint->port % 256) + ").";
  const auto reread = ostrel::parsePassiveReply(again);
  if (!reread || reread->address != endpoint->address || reread->port != endpoint->port) std::abort();
  return 0;
}
