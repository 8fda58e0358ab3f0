#pragma once
// A test fixture with one pyftpdlib server shared by all tests of the suite,
// and a fresh local folder per test.

#include <gtest/gtest.h>

#include "PyFtpServer.h"
#include "TempDir.h"

namespace ostrel::test {

class RealServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new PyFtpServer; }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(server_->running()) << "pyftpdlib did not start"; }

  // The server's settings, with another password when one is given.
  static ServerSettings settings(const char* password = PyFtpServer::kPassword) {
    ServerSettings settings = server_->settings();
    settings.password = password;
    return settings;
  }
  static std::filesystem::path serverRoot() { return server_->root(); }

  inline static PyFtpServer* server_ = nullptr;
  TempDir local_;
};

}  // namespace ostrel::test
