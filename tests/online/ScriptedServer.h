#pragma once
// A hand-scripted FTP server on loopback for the replies a well-behaved
// server never sends. It accepts one control connection and runs the script
// on its own thread; every line the client sent is recorded.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "online/net/Socket.h"

namespace ostrel::test {

class ScriptedSession {
 public:
  explicit ScriptedSession(net::Socket& control) : control_(control) {}

  // Sends text followed by CR LF.
  bool send(const std::string& line);
  // Reads one command line from the client; absent when it closed or went quiet.
  std::optional<std::string> receive();
  // Answers each command the client sends with the next reply, in order.
  bool answer(const std::vector<std::string>& replies);
  // Reads and records commands until the client closes the connection.
  void drain();

  // Opens a data listener on loopback; gives its port.
  uint16_t listenForData();
  // Accepts the client's data connection and sends bytes over it; closes it
  // unless keepOpen, in which case it stays open and silent until drain ends.
  bool sendData(const std::string& bytes, bool keepOpen = false);

  // Active mode: connects to the client's data port from the given local
  // loopback address, sends bytes and waits for the client to close.
  bool sendDataTo(uint16_t port, const std::string& bytes, const char* fromAddress = "127.0.0.1");

  std::vector<std::string> lines;

 private:
  net::Socket& control_;
  net::Socket dataListener_;
  net::Socket data_;
  std::string pending_;
};

class ScriptedServer {
 public:
  using Script = std::function<void(ScriptedSession&)>;

  explicit ScriptedServer(Script script);
  ~ScriptedServer();

  uint16_t port() const { return port_; }
  // Waits for the script to end and gives the lines the client sent.
  std::vector<std::string> finish();

 private:
  void run(Script script);

  net::Socket listener_;
  uint16_t port_ = 0;
  std::vector<std::string> lines_;
  std::thread thread_;
};

}  // namespace ostrel::test
