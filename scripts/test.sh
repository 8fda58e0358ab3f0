#!/usr/bin/env bash
# The whole test run: installs what is missing, builds the program and its
# tests, runs every test, then builds the GUI-free core with AddressSanitizer
# and UndefinedBehaviorSanitizer and runs its tests again, then with
# ThreadSanitizer, runs each fuzz target briefly from its seeds, then builds the
# core for Windows and runs its tests under Wine. Exits non-zero on any failure.
# ccache keeps repeated runs quick.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh

jobs=$(nproc)
# Let clones in other folders (CI's fresh clone) reuse the compiler cache.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
run() {  # run <build dir> <cmake options...>
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 900
}

echo "== full build and tests"
run build
echo "== core under AddressSanitizer and UndefinedBehaviorSanitizer"
run build-asan -DOSTREL_SANITIZE=address,undefined -DOSTREL_GUI=OFF -DOSTREL_BENCH=OFF
echo "== core under ThreadSanitizer"
# Names only libraries that are not built with it (see the file).
export TSAN_OPTIONS="suppressions=$root/tests/tsan-suppressions.txt"
run build-tsan -DOSTREL_SANITIZE=thread -DOSTREL_GUI=OFF -DOSTREL_BENCH=OFF
echo "== fuzz targets, a few seconds each from their seeds"
bash scripts/fuzz.sh 3
echo "== core for Windows, tests under Wine"
bash scripts/test-windows.sh
