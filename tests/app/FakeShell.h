#pragma once
// The process seam of the tests: records what would end the program, the
// messages it would show and the addresses it would open.

#include <QStringList>

#include <vector>

#include "app/ProcessShell.h"

namespace ostrel::test {

class FakeShell : public ProcessShell {
 public:
  void quit() override { ++quits; }
  void endProcess(int code) override { endedWith.push_back(code); }
  void showMessage(const QString& text) override { messages << text; }
  bool askYesNo(const QString& question) override {
    questions << question;
    return answerYes;
  }
  void openWebAddress(const QString& address) override { addresses << address; }

  int quits = 0;
  std::vector<int> endedWith;
  QStringList messages;
  QStringList questions;
  QStringList addresses;
  bool answerYes = false;
};

}  // namespace ostrel::test
