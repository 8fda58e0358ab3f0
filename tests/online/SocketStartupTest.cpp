#include <gtest/gtest.h>

#include "online/net/Socket.h"
#include "online/net/SocketStartup.h"

namespace ostrel::net {
namespace {

using namespace std::chrono_literals;

// The program starts the socket service before anything else; so does this
// test program, for every test in it.
const SocketStartup sockets;

TEST(SocketStartupTest, StartsTheServiceSoSocketsConnectOverLoopback) {
  ASSERT_TRUE(sockets.ok());
  // A second start-up, as a library might make, is counted, not refused.
  const SocketStartup again;
  EXPECT_TRUE(again.ok());

  Socket listener;
  ASSERT_TRUE(listener.create());
  ASSERT_TRUE(listener.listen("127.0.0.1", 1));
  const auto local = listener.localEndpoint();
  ASSERT_TRUE(local.has_value());
  Socket client;
  ASSERT_TRUE(client.create());
  ASSERT_TRUE(client.connect("127.0.0.1", local->port, 2s));
  auto served = listener.accept(2s);
  ASSERT_TRUE(served.has_value());
  ASSERT_TRUE(client.sendAll("ping", 4));
  char got[4] = {};
  ASSERT_EQ(served->receive(got, sizeof got), 4);
  EXPECT_EQ(std::string(got, 4), "ping");
  EXPECT_EQ(served->peerEndpoint()->port, client.localEndpoint()->port);
}

}  // namespace
}  // namespace ostrel::net
