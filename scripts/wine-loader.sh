#!/usr/bin/env bash
# Runs a Windows program under Wine with the loader of its architecture and
# Wine's 64-bit server (which serves the programs of both):
#   scripts/wine-loader.sh x64|x86 PROGRAM [ARGUMENTS...]
# Never through /usr/bin/wine: once wine32 is installed, that starts the
# 32-bit loader first for every program, so on a machine that cannot execute
# 32-bit programs even the 64-bit ones fail. WINELOADER is the loader Wine
# starts further processes with (the other architecture's is found beside it).
set -euo pipefail
case ${1:-} in
  x64) export WINELOADER=/usr/lib/wine/wine64 ;;
  x86) export WINELOADER=/usr/lib/wine/wine ;;
  *) echo "wine-loader: the first argument is x64 or x86, not '${1:-}'" >&2; exit 2 ;;
esac
shift
if [[ ! -x $WINELOADER ]]; then
  echo "wine-loader: $WINELOADER is missing (scripts/install-deps.sh --windows installs Wine)" >&2
  exit 2
fi
export WINESERVER=/usr/lib/wine/wineserver64
exec "$WINELOADER" "$@"
