#!/usr/bin/env bash
# Cross-builds the windows preset (MinGW-w64) and runs its tests under Wine,
# headless. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows
cmake --preset windows >/dev/null
cmake --build --preset windows

source scripts/wine-env.sh build/windows
trap quillora_wine_stop EXIT
quillora_wine_start
ctest --preset windows
