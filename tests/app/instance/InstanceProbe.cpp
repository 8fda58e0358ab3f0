// A second copy for the single-instance tests: takes the lock named on its
// command line and answers with its exit code and one line of output.
//   instance_probe try <name> <folder>   takes the lock and ends at once
//   instance_probe hold <name> <folder>  keeps it until its input ends

#include <cstdio>
#include <string>

#include "InstanceProbeCodes.h"
#include "app/instance/InstanceLock.h"

int main(int argc, char** argv) {
  using namespace ostrel;
  if (argc != 4) return test::kProbeUsage;
  const std::string mode = argv[1];
  auto lock = createInstanceLock(argv[2], argv[3]);
  const InstanceLockResult result = lock->acquire();
  std::printf("%s\n", test::probeWord(result));
  std::fflush(stdout);
  if (mode == "hold" && result == InstanceLockResult::Acquired) {
    while (std::getchar() != EOF) {
    }
  }
  return test::probeCode(result);
}
