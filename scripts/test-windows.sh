#!/usr/bin/env bash
# The Windows stage of the test run: cross-builds the GUI-free core and its
# tests with mingw-w64 in build-windows/ and runs them under Wine. Wine's
# prefix lives in the build folder, so nothing outside it is touched. Exits
# non-zero on any failure. Runs alone too: bash scripts/test-windows.sh
# (arguments go to ctest, e.g. -R instance for one test program).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh

dir=build-windows
jobs=$(nproc)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo --no-warn-unused-cli \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DOSTREL_GUI=OFF -DOSTREL_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$jobs"

export WINEPREFIX="$root/$dir/wine-prefix"
export WINEDEBUG=-all
# No Mono or Gecko installers, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
# One warm server and a ready prefix; otherwise every test program waits for
# Wine's start-up helpers.
wineserver -k 2>/dev/null || true  # one left behind by an interrupted run
wineserver -p
wine wineboot </dev/null >/dev/null 2>&1
ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 900 "$@"
