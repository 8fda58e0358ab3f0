#include "app/QtProcessShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

#include "app/AppTexts.h"

namespace ostrel {

void QtProcessShell::quit() { QCoreApplication::exit(kNormalExitCode); }

void QtProcessShell::endProcess(int code) {
  // At once: no window, thread or handle is closed first; the system does it.
  std::fflush(nullptr);
  std::_Exit(code);
}

void QtProcessShell::showMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kCaption), text, QMessageBox::Ok);
  box.exec();
}

bool QtProcessShell::askYesNo(const QString& question) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(kCaption), question,
                  QMessageBox::Yes | QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace ostrel

namespace ostrel {

void QtProcessShell::openWebAddress(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

}  // namespace ostrel
