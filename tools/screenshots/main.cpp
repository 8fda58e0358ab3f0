// ostrel-screenshots <folder>: writes the screenshots of the program's
// screens into folder, offscreen unless a platform is chosen.
#include <QApplication>

#include <cstdio>

#include "ScreenshotRun.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: ostrel-screenshots <output folder>\n");
    return 2;
  }
  ostrel::ScreenshotRun run(QString::fromLocal8Bit(argv[1]));
  return run.run();
}
