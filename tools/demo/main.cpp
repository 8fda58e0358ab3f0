// ostrel-demo: the program wired to the simulated pad (plugged in at start),
// beside a simulator window that plays the pad's owner.
#include <QApplication>

#include "PadSimulatorWindow.h"
#include "app/AppProgram.h"
#include "link/SystemSleeper.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ostrel::SimulatedPad pad;
  ostrel::SimulatedUsbBus bus;
  ostrel::SystemSleeper sleeper;
  pad.plug();
  ostrel::AppProgram program(pad, sleeper);
  ostrel::PadSimulatorWindow simulator(pad, bus);
  simulator.move(1290, 150);
  simulator.show();
  return program.run();
}
