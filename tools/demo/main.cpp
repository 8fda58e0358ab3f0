// ostrel-demo: the program wired to the simulated pad (plugged in at start),
// beside a simulator window that plays the pad's owner, and to a loopback FTP
// server that plays the maker's (profiles to download, a newer firmware).
//   ostrel-demo --quit-after-first-paint   ends once the main window has been
//                                          painted (the start-up benchmark)
#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "DemoServer.h"
#include "DemoServerContent.h"
#include "PadSimulatorWindow.h"
#include "app/AppProgram.h"
#include "dfu/SystemDfuClock.h"
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

// The demo's own server when it comes up, else the built-in one (which the
// online screens then fail to reach, as they would without a network).
ostrel::ServerSettings startServer(ostrel::DemoServer& server) {
  if (server.start()) return server.settings();
  std::fprintf(stderr, "ostrel-demo: no local FTP server, the online screens will find no server: %s\n",
               qPrintable(server.problem()));
  return ostrel::ServerSettings::builtIn();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  FirstPaintQuit firstPaintQuit;
  if (application.arguments().contains(QStringLiteral("--quit-after-first-paint")))
    application.installEventFilter(&firstPaintQuit);
  ostrel::SystemDfuClock clock;
  ostrel::SimulatedPadRig rig(clock);
  ostrel::SimulatedPad& pad = rig.pad();
  ostrel::SystemSleeper sleeper;
  rig.plugPad();
  ostrel::DemoServer server;
  const std::string factory = ostrel::writeFactoryFirmware(ostrel::AppProgram::dataRoot());
  if (!factory.empty()) std::fprintf(stderr, "ostrel-demo: no factory firmware for a recovery: %s\n", factory.c_str());
  ostrel::AppProgram program(pad, sleeper, startServer(server), &rig.bus());
  ostrel::PadSimulatorWindow simulator(rig);
  simulator.move(1290, 150);
  simulator.show();
  return program.run();
}
