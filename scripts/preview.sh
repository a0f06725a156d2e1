#!/usr/bin/env bash
# Sets up a fresh machine if needed, builds the default preset and runs the preview from the build
# folder with the options given (none: the defaults; --configure: each source's settings form in a
# browser first; --live: the scene in real time on a page for a browser, until Ctrl-C); prints where
# the pictures are.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build/default
[[ -f $build/CMakeCache.txt ]] || cmake --preset default >/dev/null
cmake --build --preset default --target preview
cd "$build"
exec ./preview "$@"
