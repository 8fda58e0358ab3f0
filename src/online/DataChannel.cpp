#include "online/DataChannel.h"

#include <vector>

namespace ostrel {
namespace {

// Measured on loopback with a 50 MB file: 4096-byte blocks took 1.2 to 1.7
// times as long as curl, 64 KiB blocks about 0.6 times.
constexpr std::size_t kBlockSize = 64 * 1024;
constexpr int kListenBacklog = 5;

}  // namespace

bool DataChannel::connect(const net::Endpoint& target) {
  return data_.create() && data_.connect(target.address, target.port, timeouts_.connect) &&
         data_.setIoTimeout(timeouts_.io);
}

std::optional<uint16_t> DataChannel::listen(const std::string& localAddress) {
  if (!listener_.create() || !listener_.listen(localAddress, kListenBacklog)) return std::nullopt;
  const auto local = listener_.localEndpoint();
  if (!local) return std::nullopt;
  return local->port;
}

bool DataChannel::accept(const std::string& peerAddress) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + timeouts_.io;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    std::optional<net::Socket> incoming = listener_.accept(left);
    if (!incoming) return false;
    const auto peer = incoming->peerEndpoint();
    if (peer && peer->address == peerAddress) {
      data_ = std::move(*incoming);
      listener_.close();
      return data_.setIoTimeout(timeouts_.io);
    }
  }
}

DataChannel::CopyResult DataChannel::receiveInto(DownloadFile& file) {
  std::vector<char> block(kBlockSize);
  for (;;) {
    const std::ptrdiff_t got = data_.receive(block.data(), block.size());
    if (got == 0) return CopyResult::Complete;
    // A reset or a silent server leaves the copy incomplete.
    if (got < 0) return CopyResult::NetworkError;
    if (!file.write(block.data(), static_cast<std::size_t>(got))) return CopyResult::FileError;
  }
}

DataChannel::CopyResult DataChannel::sendFrom(std::istream& file) {
  std::vector<char> block(kBlockSize);
  for (;;) {
    file.read(block.data(), block.size());
    const std::streamsize got = file.gcount();
    if (file.bad()) return CopyResult::FileError;
    if (got == 0) return CopyResult::Complete;
    if (!data_.sendAll(block.data(), static_cast<std::size_t>(got))) return CopyResult::NetworkError;
  }
}

void DataChannel::close() {
  data_.close();
  listener_.close();
}

}  // namespace ostrel
