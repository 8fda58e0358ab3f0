#pragma once
// Another program started by a test, with a pipe to its standard input and
// one from its standard output. One implementation per platform, picked by
// the build.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ostrel::test {

class ChildProcess {
 public:
  // Starts program with args; running() tells whether that worked.
  ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& args);
  // A child still running is killed and waited for, so none outlives a test.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool running() const;
  // One line of the child's output without its line end; nullopt at the end.
  std::optional<std::string> readLine();
  // Ends the child's input: it reads end-of-file.
  void closeInput();
  // Ends the child at once, as a crash would.
  void kill();
  // Waits for the child to end: its exit code, or -1 when it was killed or
  // never started.
  int wait();

  // A program in the folder of the running test program.
  static std::filesystem::path besideThisProgram(const std::string& fileName);

 private:
  struct Handles;
  std::unique_ptr<Handles> handles_;
};

}  // namespace ostrel::test
