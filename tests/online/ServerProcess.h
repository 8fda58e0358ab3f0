#pragma once
// The pyftpdlib server program as a child of a test: started with the
// server's arguments and its output going to a log file, ended by stop() or
// the destructor, never outliving the test program. One implementation per
// platform, picked by the build. The Windows one runs under Wine too, where
// the server is the native Linux Python started through Wine.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace ostrel::test {

class ServerProcess {
 public:
  ServerProcess(const std::vector<std::string>& serverArgs, const std::filesystem::path& log);
  ~ServerProcess();
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  bool started() const;
  // True once the server ended by itself (e.g. its port was taken).
  bool exited();
  void stop();

  // A folder as the server program names it.
  static std::string serverPath(const std::filesystem::path& folder);

 private:
  struct Handles;
  std::unique_ptr<Handles> handles_;
};

}  // namespace ostrel::test
