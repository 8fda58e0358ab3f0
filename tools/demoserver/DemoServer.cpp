#include "DemoServer.h"

#include <filesystem>

#include "DemoServerContent.h"

namespace ostrel {

bool DemoServer::start() {
  if (!folder_.isValid()) {
    problem_ = QStringLiteral("cannot make a temporary folder for the server's files");
    return false;
  }
  const QString root = folder_.filePath(QStringLiteral("root"));
  const std::string made = writeDemoServerFiles(std::filesystem::path(root.toStdString()));
  if (!made.empty()) {
    problem_ = QString::fromStdString(made);
    return false;
  }
  if (!ftp_.start(root)) {
    problem_ = ftp_.problem();
    return false;
  }
  return true;
}

bool DemoServer::resume() {
  if (ftp_.resume()) return true;
  problem_ = ftp_.problem().isEmpty() ? QStringLiteral("the server was never started") : ftp_.problem();
  return false;
}

}  // namespace ostrel
