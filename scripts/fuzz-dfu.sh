#!/usr/bin/env bash
# Builds the firmware update's libFuzzer targets with clang-14 and runs each
# one: over its seed corpus only (default), or fuzzing for SECONDS each.
#   scripts/fuzz-dfu.sh [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build-fuzz"
seconds="${1:-0}"
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I"$root/src")
for target in DfuseFile MemoryMap; do
  clang++-14 "${flags[@]}" -o "$out/$target-fuzz" "$root/tests/dfu/fuzz/${target}Fuzz.cpp" \
    "$root/src/dfu/DfuseFile.cpp" "$root/src/dfu/Crc32.cpp" "$root/src/dfu/MemoryMap.cpp"
done
run() {  # run <target> <seed folder>
  local work="$out/$1-corpus"
  mkdir -p "$work"
  if ((seconds > 0)); then
    "$out/$1-fuzz" -max_total_time="$seconds" -max_len=4096 "$work" "$2"
  else
    "$out/$1-fuzz" -runs=0 "$2"
  fi
}
run DfuseFile "$root/tests/dfu/fuzz/corpus/dfuse"
run MemoryMap "$root/tests/dfu/fuzz/corpus/memmap"
