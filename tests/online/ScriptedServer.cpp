#include "ScriptedServer.h"

#include <chrono>

#include "SendFrom.h"

namespace ostrel::test {
namespace {

using namespace std::chrono_literals;
// Long enough for any client under test, short enough that a broken test ends.
constexpr auto kPatience = 5s;

}  // namespace

bool ScriptedSession::send(const std::string& line) {
  const std::string text = line + "\r\n";
  return control_.sendAll(text.data(), text.size());
}

std::optional<std::string> ScriptedSession::receive() {
  for (;;) {
    const std::size_t feed = pending_.find("\r\n");
    if (feed != std::string::npos) {
      std::string line = pending_.substr(0, feed);
      pending_.erase(0, feed + 2);
      lines.push_back(line);
      return line;
    }
    char block[512];
    const std::ptrdiff_t got = control_.receive(block, sizeof block);
    if (got <= 0) return std::nullopt;
    pending_.append(block, static_cast<std::size_t>(got));
  }
}

bool ScriptedSession::answer(const std::vector<std::string>& replies) {
  for (const std::string& reply : replies)
    if (!receive() || !send(reply)) return false;
  return true;
}

void ScriptedSession::drain() {
  while (receive()) {
  }
}

uint16_t ScriptedSession::listenForData() {
  if (!dataListener_.create() || !dataListener_.listen("127.0.0.1", 1)) return 0;
  const auto local = dataListener_.localEndpoint();
  return local ? local->port : 0;
}

bool ScriptedSession::sendData(const std::string& bytes, bool keepOpen) {
  std::optional<net::Socket> data = dataListener_.accept(kPatience);
  if (!data || !data->setIoTimeout(kPatience) || !data->sendAll(bytes.data(), bytes.size())) return false;
  if (keepOpen) data_ = std::move(*data);
  return true;
}

bool ScriptedSession::sendDataTo(uint16_t port, const std::string& bytes, const char* fromAddress) {
  return sendFrom(fromAddress, port, bytes);
}

ScriptedServer::ScriptedServer(Script script) {
  if (listener_.create() && listener_.listen("127.0.0.1", 1)) {
    const auto local = listener_.localEndpoint();
    port_ = local ? local->port : 0;
  }
  thread_ = std::thread([this, script = std::move(script)] { run(script); });
}

ScriptedServer::~ScriptedServer() {
  if (thread_.joinable()) thread_.join();
}

std::vector<std::string> ScriptedServer::finish() {
  if (thread_.joinable()) thread_.join();
  return lines_;
}

void ScriptedServer::run(Script script) {
  std::optional<net::Socket> control = listener_.accept(kPatience);
  if (!control) return;
  control->setIoTimeout(kPatience);
  ScriptedSession session(*control);
  script(session);
  lines_ = session.lines;
}

}  // namespace ostrel::test
