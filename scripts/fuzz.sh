#!/usr/bin/env bash
# Builds the fuzzing preset and runs each libFuzzer target for SECONDS
# (default 600) with its seed corpus and dictionary, one after the other.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     targets: see tests/fuzz/*_fuzzer.cpp
# New inputs go to build/fuzz/corpus/<target>; a crash stops the run with the
# failing input in build/fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in tests/fuzz/*_fuzzer.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzzer}")
  done
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
  echo "== fuzzing $target for $seconds s"
  corpus=build/fuzz/corpus/$target
  findings=build/fuzz/findings/$target
  mkdir -p "$corpus" "$findings"
  build/fuzz/${target}_fuzzer -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -dict=tests/fuzz/$target.dict -artifact_prefix="$findings/" \
    "$corpus" tests/fuzz/corpus/$target
done
