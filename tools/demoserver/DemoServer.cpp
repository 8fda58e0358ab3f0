#include "DemoServer.h"

#include <filesystem>

#include "DemoServerContent.h"

namespace ostrel {

DemoServer::~DemoServer() {
  if (maker_.joinable()) maker_.join();
}

QString DemoServer::makeFiles() {
  if (!folder_.isValid()) return QStringLiteral("cannot make a temporary folder for the server's files");
  return QString::fromStdString(writeDemoServerFiles(std::filesystem::path(root().toStdString())));
}

bool DemoServer::start() {
  problem_ = makeFiles();
  if (!problem_.isEmpty()) return false;
  if (!ftp_.start(root())) {
    problem_ = ftp_.problem();
    return false;
  }
  return true;
}

void DemoServer::startInBackground(std::function<void(bool)> ready) {
  maker_ = std::thread([this, ready = std::move(ready)] {
    QString made = makeFiles();
    QMetaObject::invokeMethod(&receiver_, [this, ready, made] {
      problem_ = made;
      if (!made.isEmpty()) return ready(false);
      ftp_.startWithoutWaiting(root(), [this, ready](bool ok) {
        if (!ok) problem_ = ftp_.problem();
        ready(ok);
      });
    }, Qt::QueuedConnection);
  });
}

bool DemoServer::resume() {
  if (ftp_.resume()) return true;
  problem_ = ftp_.problem().isEmpty() ? QStringLiteral("the server was never started") : ftp_.problem();
  return false;
}

}  // namespace ostrel
