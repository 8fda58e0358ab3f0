// ostrel-controller: the program, on the machine's own pad.
#include <QApplication>

#include "app/AppProgram.h"
#include "link/SystemSleeper.h"
#include "link/hid/HidBackend.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const std::unique_ptr<ostrel::HidBackend> hid = ostrel::createHidBackend();
  ostrel::SystemSleeper sleeper;
  ostrel::AppProgram program(*hid, sleeper);
  return program.run();
}
