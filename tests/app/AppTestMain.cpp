// The windows need one application object for the whole test run.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Journey.h"

namespace {

// --seed=N and --steps=N run the random journey of that seed alone, for as
// many steps; they are taken out before the test framework reads the rest.
void takeJourneyOptions(int& argc, char** argv, ostrel::test::RandomRun& run, bool& given) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option.rfind("--seed=", 0) == 0) {
      run.seed = static_cast<unsigned>(std::stoul(option.substr(7)));
      given = true;
    } else if (option.rfind("--steps=", 0) == 0) {
      run.steps = std::stoi(option.substr(8));
      given = true;
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ostrel::test::RandomRun run;
  bool given = false;
  takeJourneyOptions(argc, argv, run, given);
  if (given) ostrel::test::requestedRandomRun = &run;
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  // Death tests start this program again rather than fork a process that
  // runs Qt and the link's threads.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
