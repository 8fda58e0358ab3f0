#include "online/FtpConnection.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>

#include "online/DataChannel.h"
#include "online/DownloadFile.h"
#include "online/LogonTable.h"
#include "online/PassiveReply.h"

namespace ostrel {
namespace {

// A reply of more lines than this is not an FTP reply but a flood.
constexpr int kMaxReplyLines = 10000;
constexpr int kHighestLogonType = 8;

// The decimal number at the start of a reply line, after optional white
// space; 0 when there is none. Long runs of digits saturate instead of
// overflowing.
long leadingNumber(const std::string& line) {
  std::size_t at = 0;
  while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) ++at;
  long value = 0;
  for (; at < line.size() && std::isdigit(static_cast<unsigned char>(line[at])); ++at)
    value = std::min(value * 10 + (line[at] - '0'), 1'000'000'000L);
  return value;
}

}  // namespace

FtpConnection::FtpConnection(FtpTimeouts timeouts) : timeouts_(timeouts) {}

FtpConnection::~FtpConnection() { closeControl(); }

bool FtpConnection::writeLine(const std::string& line) {
  lastReply_ = kNetworkError;
  if (!writer_ || line.find_first_of("\r\n") != std::string::npos) return false;
  return writer_->write(line) && writer_->write("\r\n") && writer_->flush();
}

bool FtpConnection::readLine() {
  std::string line;
  if (!reader_ || !reader_->readLine(line)) {
    lastReply_ = kNetworkError;
    return false;
  }
  lastReply_ = std::move(line);
  if (!lastReply_.empty()) replyClass_ = lastReply_[0] - '0';
  return true;
}

bool FtpConnection::readReply() {
  if (!readLine()) return false;
  if (lastReply_.size() < 4 || lastReply_[3] != '-') return true;
  // A multi-line reply ends with the line that repeats its code followed by a space.
  const long code = leadingNumber(lastReply_);
  for (int lines = 1; lines < kMaxReplyLines; ++lines) {
    if (!readLine()) return false;
    if (lastReply_.size() >= 4 && lastReply_[3] == ' ' && leadingNumber(lastReply_) == code) return true;
  }
  lastReply_ = kNetworkError;
  return false;
}

bool FtpConnection::command(const std::string& line) {
  if (!line.empty() && !writeLine(line)) return false;
  return readReply() && replyClass_ == 2;
}

bool FtpConnection::openControl(const std::string& host, uint16_t port) {
  lastReply_ = kNoSocket;
  control_ = std::make_unique<net::Socket>();
  if (!control_->create()) return false;
  lastReply_ = kNoConnection;
  if (!control_->connect(host, port, timeouts_.connect)) return false;
  lastReply_ = kNoSocket;
  if (!control_->setIoTimeout(timeouts_.io)) return false;
  reader_ = std::make_unique<net::LineReader>(*control_);
  writer_ = std::make_unique<net::BufferedWriter>(*control_);
  return true;
}

void FtpConnection::closeControl() {
  writer_.reset();
  reader_.reset();
  control_.reset();
}

bool FtpConnection::logOn(const LogonParams& params) {
  closeControl();
  if (params.logonType < 0 || params.logonType > kHighestLogonType) return false;
  // Every type but the direct one reaches the server through the firewall host.
  const bool direct = params.logonType == 0;
  const std::string& target = direct ? params.host : params.fwhost;
  const uint16_t targetPort = direct ? params.port : params.fwport;
  std::string hostText = params.host;
  if (params.port != 21) hostText += ":" + std::to_string(params.port);
  if (!openControl(target, targetPort) || !command("")) return false;
  return runLogonDialogue(params, hostText);
}

bool FtpConnection::runLogonDialogue(const LogonParams& params, const std::string& hostText) {
  int index = 0;
  for (;;) {
    const std::optional<LogonStep> step = logonStep(params.logonType, index);
    if (!step) break;
    if (!writeLine(logonCommand(step->kind, params, hostText)) || !readReply()) return false;
    if (replyClass_ == 2) {
      index = step->onPositive;
    } else if (replyClass_ == 3) {
      index = step->onIntermediate;
    } else {
      return false;  // lastReply keeps the server's refusal
    }
    if (index == kStepLoggedOn) return true;
    if (index == kStepRefused) break;
  }
  lastReply_ = kLogonFailed;
  return false;
}

bool FtpConnection::transfer(const std::string& remoteName, const std::filesystem::path& localPath,
                             bool passive, bool retrieve) {
  DownloadFile download(localPath);
  std::ifstream upload;
  if (!retrieve) upload.open(localPath, std::ios::binary);
  if (retrieve ? !download.open() : !upload.is_open()) {
    lastReply_ = kNoLocalFile;
    return false;
  }
  if (!command("TYPE I")) return false;
  DataChannel data(timeouts_);
  if (!openData(data, passive, (retrieve ? "RETR " : "STOR ") + remoteName)) return false;
  const auto copied = retrieve ? data.receiveInto(download) : data.sendFrom(upload);
  data.close();
  if (copied != DataChannel::CopyResult::Complete) {
    lastReply_ = copied == DataChannel::CopyResult::FileError ? kFileError : kNetworkError;
    return false;
  }
  if (!command("")) return false;
  if (retrieve && !download.commit()) {
    lastReply_ = kFileError;
    return false;
  }
  return true;
}

bool FtpConnection::openData(DataChannel& data, bool passive, const std::string& request) {
  const std::optional<net::Endpoint> peer = control_ ? control_->peerEndpoint() : std::nullopt;
  if (!peer) {
    lastReply_ = kNetworkError;
    return false;
  }
  std::optional<uint16_t> passivePort;
  if (passive ? !(passivePort = passiveDataPort()) : !prepareActive(data)) return false;
  if (!writeLine(request)) return false;
  // The data connection goes to the server we are talking to, whatever
  // address its PASV reply names: a server must not send us elsewhere.
  const bool connected = !passive || data.connect({peer->address, *passivePort});
  if (!readReply() || replyClass_ != 1) return false;
  const bool ready = passive ? connected : data.accept(peer->address);
  if (!ready) lastReply_ = kNetworkError;
  return ready;
}

std::optional<uint16_t> FtpConnection::passiveDataPort() {
  if (!command("PASV")) return std::nullopt;
  const std::optional<net::Endpoint> announced = parsePassiveReply(lastReply_);
  if (!announced) return std::nullopt;
  return announced->port;
}

bool FtpConnection::prepareActive(DataChannel& data) {
  lastReply_ = kNetworkError;
  const std::optional<net::Endpoint> local = control_->localEndpoint();
  if (!local) return false;
  const std::optional<uint16_t> port = data.listen(local->address);
  if (!port) return false;
  std::string text = local->address;
  std::replace(text.begin(), text.end(), '.', ',');
  text += "," + std::to_string(*port / 256) + "," + std::to_string(*port % 256);
  return command("PORT " + text);
}

}  // namespace ostrel
