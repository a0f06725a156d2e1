#!/usr/bin/env bash
# Sets up a fresh machine if needed, builds the default preset and runs the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
