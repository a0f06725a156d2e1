#!/usr/bin/env bash
# Builds the default preset if needed and runs the preview with its default
# options from the build folder; prints where the pictures are.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/default
[[ -f $build/CMakeCache.txt ]] || cmake --preset default >/dev/null
cmake --build --preset default --target preview
cd "$build"
./preview "$@"
