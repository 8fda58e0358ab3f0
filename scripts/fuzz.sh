#!/usr/bin/env bash
# Builds every libFuzzer target of the project with clang-14 (AddressSanitizer
# and UndefinedBehaviorSanitizer on) in build-fuzz/ and runs each in turn:
# for SECONDS each (default 0: only over its seed corpus, no fuzzing).
#   scripts/fuzz.sh [SECONDS] [NAME-FILTER]
# Inputs found while fuzzing collect in build-fuzz/corpus/<target>/ (seeds
# stay untouched), crashes in build-fuzz/crashes/, each run's log with its
# execution count in build-fuzz/logs/. Exits non-zero when a target fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build-fuzz"
seconds="${1:-0}"
filter="${2:-}"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DOSTREL_SANITIZE=address,undefined -DOSTREL_FUZZ=ON -DOSTREL_GUI=OFF -DOSTREL_BENCH=OFF >/dev/null
cmake --build "$out" --target ostrel_fuzzers -j "${OSTREL_JOBS:-$(nproc)}"
mkdir -p "$out/crashes" "$out/logs"
# The library targets work on files in a folder of their own: in memory they
# run about ten times as fast.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm
while read -r target seeds; do
  [[ -z "$target" || "$target" != *"$filter"* ]] && continue
  log="$out/logs/$target.log"
  options=(-artifact_prefix="$out/crashes/$target-" -print_final_stats=1)
  if ((seconds > 0)); then
    mkdir -p "$out/corpus/$target"
    options+=(-max_total_time="$seconds" "$out/corpus/$target")
  else
    options+=(-runs=0)
  fi
  if ! "$out/bin/$target" "${options[@]}" "$seeds" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target FAILED (log: $log)"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "$target: ${runs:-?} runs in ${seconds}s"
done <"$out/fuzz-targets.txt"
