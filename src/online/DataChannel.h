#pragma once
// The data connection of one FTP transfer, passive or active, and the copy of
// the file's bytes over it in blocks of 64 KiB.

#include <istream>
#include <optional>
#include <string>

#include "online/DownloadFile.h"
#include "online/FtpTimeouts.h"
#include "online/net/Socket.h"

namespace ostrel {

class DataChannel {
 public:
  enum class CopyResult { Complete, NetworkError, FileError };

  explicit DataChannel(FtpTimeouts timeouts) : timeouts_(timeouts) {}

  // Passive: connects to the server's data port.
  bool connect(const net::Endpoint& target);

  // Active: listens on localAddress (the control connection's own address)
  // and gives the port the system chose.
  std::optional<uint16_t> listen(const std::string& localAddress);
  // Active: waits for the server's data connection. Connections from any
  // other address than peerAddress (the control connection's peer) are
  // turned away, so nobody else can slip their bytes into the transfer.
  bool accept(const std::string& peerAddress);

  // Copies until the server closes the data connection.
  CopyResult receiveInto(DownloadFile& file);
  // Copies until the file ends; the caller closes the channel to mark the end.
  CopyResult sendFrom(std::istream& file);

  void close();

 private:
  FtpTimeouts timeouts_;
  net::Socket listener_;
  net::Socket data_;
};

}  // namespace ostrel
