#pragma once
// The process-wide socket service, started for the life of this object.
// Windows wants WSAStartup before any socket call; the program asks for
// WinSock 1.1 and accepts exactly that version. Other systems need nothing.
// The program starts it once, before its main window; when ok() is false it
// shows kFailureText and ends.

namespace ostrel::net {

class SocketStartup {
 public:
  static constexpr const char* kFailureText = "Could not initialize Windows Sockets!";

  SocketStartup();
  ~SocketStartup();
  SocketStartup(const SocketStartup&) = delete;
  SocketStartup& operator=(const SocketStartup&) = delete;

  bool ok() const { return started_; }

 private:
  bool started_ = false;
};

}  // namespace ostrel::net
