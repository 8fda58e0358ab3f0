#include "DemoFtpServer.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <memory>

namespace ostrel {
namespace {

// Binds the port given (0: one the system picks) and reports it as the first
// line on standard output. Standard input is never written: its end means the
// program that started the server is gone, whatever way it ended.
constexpr const char* kServerScript = R"(
import logging, os, sys, threading
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
folder, user, password, port = sys.argv[1:5]
logging.basicConfig(level=logging.WARNING)
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, folder, perm="elr")
class Handler(FTPHandler):
    auth_failed_timeout = 0.2
Handler.authorizer = authorizer
server = FTPServer(("127.0.0.1", int(port)), Handler)
print(server.address[1], flush=True)
def watch_parent():
    sys.stdin.buffer.read()
    os._exit(0)
threading.Thread(target=watch_parent, daemon=True).start()
server.serve_forever(handle_exit=False)
)";

constexpr int kStartMs = 10000;
constexpr int kStopMs = 3000;

// Debian's interpreter holds the system's modules; elsewhere the one on PATH.
QString pythonProgram() {
  const QString debian = QStringLiteral("/usr/bin/python3");
  return QFileInfo::exists(debian) ? debian : QStringLiteral("python3");
}

// 19 characters of capital letters, digits and underscores, new for each run.
QString makePassword() {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
  QString password;
  for (int i = 0; i < 19; ++i)
    password += QLatin1Char(kAlphabet[QRandomGenerator::system()->bounded(int(sizeof kAlphabet - 1))]);
  return password;
}

}  // namespace

DemoFtpServer::~DemoFtpServer() { stop(); }

bool DemoFtpServer::start(const QString& folder) {
  stop();
  folder_ = folder;
  password_ = makePassword();
  return launch(0);
}

void DemoFtpServer::startWithoutWaiting(const QString& folder, std::function<void(bool)> done) {
  stop();
  folder_ = folder;
  password_ = makePassword();
  auto reported = std::make_shared<bool>(false);
  auto finish = [this, done, reported](bool ok) {
    if (*reported) return;
    *reported = true;
    QObject::disconnect(&process_, nullptr, nullptr, nullptr);
    done(ok);
  };
  QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this, finish] {
    if (process_.canReadLine()) finish(takePort());
  });
  QObject::connect(&process_, &QProcess::errorOccurred, [this, finish](QProcess::ProcessError) {
    finish(fail(QStringLiteral("cannot start the FTP server: %1").arg(process_.errorString())));
  });
  QObject::connect(&process_, &QProcess::finished, [this, finish] { finish(takePort()); });
  begin(0);
}

bool DemoFtpServer::resume() {
  if (running()) return true;
  return port_ != 0 && launch(port_);
}

void DemoFtpServer::begin(uint16_t port) {
  const QString program = interpreter_.isEmpty() ? pythonProgram() : interpreter_;
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.start(program, {QStringLiteral("-c"), QString::fromUtf8(kServerScript), folder_,
                           QString::fromUtf8(kUser), password_, QString::number(port)});
}

bool DemoFtpServer::launch(uint16_t port) {
  begin(port);
  if (!process_.waitForStarted(kStartMs))
    return fail(QStringLiteral("cannot start %1: %2").arg(process_.program(), process_.errorString()));
  while (!process_.canReadLine() && process_.waitForReadyRead(kStartMs)) {
  }
  return takePort();
}

// The port the server reported on its first line.
bool DemoFtpServer::takePort() {
  bool ok = false;
  const uint given = process_.readLine().trimmed().toUInt(&ok);
  if (!ok || given == 0 || given > 65535)
    return fail(QStringLiteral("the FTP server did not start (is python3-pyftpdlib installed?)"));
  port_ = static_cast<uint16_t>(given);
  return true;
}

bool DemoFtpServer::fail(const QString& why) {
  problem_ = why;
  stop();
  return false;
}

void DemoFtpServer::stop() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.closeWriteChannel();
  if (!process_.waitForFinished(kStopMs)) {
    process_.kill();
    process_.waitForFinished(kStopMs);
  }
}

ServerSettings DemoFtpServer::settings() const {
  ServerSettings settings;
  settings.address = "127.0.0.1";
  settings.port = port_;
  settings.user = kUser;
  settings.password = password_.toStdString();
  return settings;
}

}  // namespace ostrel
