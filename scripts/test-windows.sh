#!/usr/bin/env bash
# Cross-builds the Windows modules and programs for both architectures
# (MinGW-w64; presets windows-x64 and windows-x86) and runs each build's
# tests under Wine, headless, in a prefix of the build's own. Installs what
# is missing first. Where this machine cannot execute 32-bit programs, the
# x86 build is still built and its checks that need no Wine run, and its
# Wine suite is reported as skipped.
#   scripts/test-windows.sh [x64|x86]...     (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."

# Once for the whole run: the installer, CMake and this script all go by it.
if scripts/can-execute-i386.sh; then
  export QUILLORA_CAN_EXECUTE_I386=yes
else
  export QUILLORA_CAN_EXECUTE_I386=no
fi

scripts/install-deps.sh --windows
architectures=("$@")
((${#architectures[@]})) || architectures=(x64 x86)

for arch in "${architectures[@]}"; do
  preset=windows-$arch
  echo "== $preset: build"
  start=$SECONDS
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  if [[ $arch == x86 && $QUILLORA_CAN_EXECUTE_I386 == no ]]; then
    echo "x86 suite not run: this machine cannot execute 32-bit programs"
    echo "== $preset: the checks that need no Wine"
    ctest --preset "$preset"
  else
    echo "== $preset: tests under Wine"
    (
      source scripts/wine-env.sh "build/$preset"
      trap quillora_wine_stop EXIT
      quillora_wine_start
      ctest --preset "$preset"
    )
  fi
  echo "== $preset: $((SECONDS - start)) s"
done
