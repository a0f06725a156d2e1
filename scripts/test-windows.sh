#!/usr/bin/env bash
# Cross-builds the Windows modules and programs for both architectures
# (MinGW-w64; presets windows-x64 and windows-x86) and runs each build's
# tests under Wine, headless, in a prefix of the build's own. Installs what
# is missing first.
#   scripts/test-windows.sh [x64|x86]...     (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows
architectures=("$@")
((${#architectures[@]})) || architectures=(x64 x86)

for arch in "${architectures[@]}"; do
  preset=windows-$arch
  echo "== $preset: build"
  start=$SECONDS
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: tests under Wine"
  (
    source scripts/wine-env.sh "build/$preset"
    trap quillora_wine_stop EXIT
    quillora_wine_start
    ctest --preset "$preset"
  )
  echo "== $preset: $((SECONDS - start)) s"
done
