// ostrel-demo: the program wired to the simulated pad (plugged in at start),
// beside a simulator window that plays the pad's owner.
//   ostrel-demo --quit-after-first-paint   ends once the main window has been
//                                          painted (the start-up benchmark)
#include <QApplication>
#include <QTimer>

#include "PadSimulatorWindow.h"
#include "app/AppProgram.h"
#include "link/SystemSleeper.h"

namespace {

// Ends the program right after the main window's first paint.
class FirstPaintQuit : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("102") && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  FirstPaintQuit firstPaintQuit;
  if (application.arguments().contains(QStringLiteral("--quit-after-first-paint")))
    application.installEventFilter(&firstPaintQuit);
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
