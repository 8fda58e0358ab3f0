#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it:
#   bash scripts/start.sh                     ostrel-demo, on the simulated pad
#   bash scripts/start.sh ostrel-controller   the product, on a real pad
# Where no display is available the program runs on a virtual display (Xvfb),
# and the script says so.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
program="${1:-ostrel-demo}"
case "$program" in
  ostrel-demo|ostrel-controller) ;;
  *) echo "usage: bash scripts/start.sh [ostrel-demo|ostrel-controller]" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target "$program" -j "$(nproc)"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display here: starting $program on a virtual display (Xvfb)." \
       "Its windows are not visible; end it with Ctrl+C."
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "build/bin/$program"
fi
exec "build/bin/$program"
