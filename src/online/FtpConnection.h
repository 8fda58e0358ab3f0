#pragma once
// A small blocking FTP client: logs on through a table-driven dialogue,
// moves one file in binary mode over a passive or active data connection, and
// keeps the last server reply, or the last local failure, as text.
//
// One object serves one logon and one transfer, on one thread. Every wait is
// bounded by the time-outs it is given, so a server that stops answering ends
// in "Network error" instead of holding the caller.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "online/FtpTimeouts.h"
#include "online/LogonParams.h"
#include "online/net/BufferedWriter.h"
#include "online/net/LineReader.h"
#include "online/net/Socket.h"

namespace ostrel {

class DataChannel;

class FtpConnection {
 public:
  // The texts lastReply holds after a local failure.
  static constexpr const char* kNoSocket = "Unable to create socket";
  static constexpr const char* kNoConnection = "Unable to connect to server";
  static constexpr const char* kNoLocalFile = "Unable to open file on local machine";
  static constexpr const char* kFileError = "File error";
  static constexpr const char* kNetworkError = "Network error";
  static constexpr const char* kLogonFailed = "Logon failed";

  explicit FtpConnection(FtpTimeouts timeouts = {});
  ~FtpConnection();
  FtpConnection(const FtpConnection&) = delete;
  FtpConnection& operator=(const FtpConnection&) = delete;

  // Connects, reads the greeting and runs the dialogue of params.logonType.
  bool logOn(const LogonParams& params);
  // Sends line (nothing when empty) and reads the reply; true on a 2xx reply.
  bool command(const std::string& line);
  // retrieve: downloads remoteName into localPath, which is replaced only
  // after the whole file arrived and the server confirmed it; otherwise
  // uploads localPath as remoteName. passive chooses PASV over PORT.
  bool transfer(const std::string& remoteName, const std::filesystem::path& localPath, bool passive,
                bool retrieve);
  // Sends line and its terminator at once. A line holding a line break is
  // refused: it would smuggle a second command to the server.
  bool writeLine(const std::string& line);
  // Reads a whole reply, multi-line ones included; its last line goes to
  // lastReply, its class to replyClass.
  bool readReply();
  bool readLine();
  bool openControl(const std::string& host, uint16_t port);
  // Replies come from reader instead of a control connection (fuzzing the
  // reply reader without a socket).
  void readRepliesFrom(std::unique_ptr<net::LineReader> reader) { reader_ = std::move(reader); }
  void closeControl();

  const std::string& lastReply() const { return lastReply_; }
  int32_t replyClass() const { return replyClass_; }

 private:
  bool runLogonDialogue(const LogonParams& params, const std::string& hostText);
  // Sends PASV and takes the data port from the reply.
  std::optional<uint16_t> passiveDataPort();
  // Listens for the data connection and announces it with PORT.
  bool prepareActive(DataChannel& data);
  // Sets up the data connection around the RETR or STOR request.
  bool openData(DataChannel& data, bool passive, const std::string& request);

  std::string lastReply_;
  std::unique_ptr<net::LineReader> reader_;
  std::unique_ptr<net::BufferedWriter> writer_;
  std::unique_ptr<net::Socket> control_;
  int32_t replyClass_ = 0;
  FtpTimeouts timeouts_;
};

}  // namespace ostrel
