#pragma once
// Ending the program, the message boxes it shows and the desktop's browser,
// behind one seam so that tests can check a choice that ends the program, or a
// box that waits for a click, without ending the test run or opening anything.

#include <QString>

namespace ostrel {

class ProcessShell {
 public:
  // What the program returns after a normal quit: its exit routine's result.
  static constexpr int kNormalExitCode = 1;

  virtual ~ProcessShell() = default;
  // Ends the main loop; the program then leaves through its exit routine
  // with kNormalExitCode.
  virtual void quit() = 0;
  // Ends the process at once with code; nothing is torn down or closed.
  virtual void endProcess(int code) = 0;
  // A message with an OK button; returns once the person has pressed it.
  virtual void showMessage(const QString& text) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool askYesNo(const QString& question) = 0;
  // Opens a web address with the desktop's browser.
  virtual void openWebAddress(const QString& address) = 0;
};

}  // namespace ostrel
