// ostrel-demo: the program wired to the simulated pad (plugged in at start),
// beside a simulator window that plays the pad's owner, and to a loopback FTP
// server that plays the maker's (profiles to download, a newer firmware).
#include <QApplication>

#include <cstdio>

#include "DemoServer.h"
#include "DemoServerContent.h"
#include "PadSimulatorWindow.h"
#include "app/AppProgram.h"
#include "dfu/SystemDfuClock.h"
#include "link/SystemSleeper.h"

namespace {

// The demo's own server once it is up; until then, and when it does not come
// up, the online screens find no server, as without a network.
void startServer(ostrel::DemoServer& server, ostrel::SharedServerSettings settings) {
  server.startInBackground([&server, settings](bool ok) mutable {
    if (ok) return settings.set(server.settings());
    std::fprintf(stderr, "ostrel-demo: no local FTP server, the online screens will find no server: %s\n",
                 qPrintable(server.problem()));
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ostrel::SystemDfuClock clock;
  ostrel::SimulatedPadRig rig(clock);
  ostrel::SimulatedPad& pad = rig.pad();
  ostrel::SystemSleeper sleeper;
  rig.plugPad();
  ostrel::DemoServer server;
  const std::string factory = ostrel::writeFactoryFirmware(ostrel::AppProgram::dataRoot());
  if (!factory.empty()) std::fprintf(stderr, "ostrel-demo: no factory firmware for a recovery: %s\n", factory.c_str());
  const ostrel::SharedServerSettings settings(ostrel::ServerSettings::none());
  // Started once the main window is drawn, so the server's start-up does not
  // compete with the program's.
  ostrel::AppProgram program(pad, sleeper, settings, &rig.bus(), [&server, settings] { startServer(server, settings); });
  ostrel::PadSimulatorWindow simulator(rig);
  simulator.move(1290, 150);
  simulator.show();
  return program.run();
}
