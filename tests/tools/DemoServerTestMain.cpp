// The server needs an application object. Started with --serve-then-die, the
// program starts the demo server, prints its port and kills itself, so a test
// can see the server go with it.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>

#include "DemoServer.h"

namespace {

int serveThenDie() {
  ostrel::DemoServer server;
  if (!server.start()) return 1;
  std::printf("%u\n", static_cast<unsigned>(server.settings().port));
  std::fflush(stdout);
  std::raise(SIGKILL);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc == 2 && std::strcmp(argv[1], "--serve-then-die") == 0) return serveThenDie();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
