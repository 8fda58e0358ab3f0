#pragma once
// The process seam of the real program: Qt's event loop, message boxes and
// the desktop's services.

#include "app/ProcessShell.h"

namespace ostrel {

class QtProcessShell : public ProcessShell {
 public:
  void quit() override;
  void endProcess(int code) override;
  void showMessage(const QString& text) override;
  bool askYesNo(const QString& question) override;
  void openWebAddress(const QString& address) override;
};

}  // namespace ostrel
