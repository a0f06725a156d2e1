#!/usr/bin/env bash
# Installs 32-bit Wine (wine32, from Debian's i386 architecture) for the x86
# Windows tests. When it is present this only checks, and changes nothing.
set -euo pipefail

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
installed wine32:i386 && exit 0

# On a machine that cannot execute 32-bit programs, 32-bit Wine could not
# run anything: it is not installed (the x86 suite is skipped there).
# QUILLORA_CAN_EXECUTE_I386 is the answer of scripts/test-windows.sh's probe.
answer=${QUILLORA_CAN_EXECUTE_I386:-}
if [[ -z $answer ]]; then
  "$(dirname "$0")/can-execute-i386.sh" && answer=yes || answer=no
fi
if [[ $answer == no ]]; then
  echo "install-wine32: this machine cannot execute 32-bit programs; 32-bit Wine not installed"
  exit 0
fi

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
# The security archive's i386 index can be stale and fail the update while
# the main archive's lists are fine: those are enough.
$sudo apt-get update -qq || true

# Libraries that are Multi-Arch: same must be at one version on amd64 and
# i386, and the amd64 ones here can be at security or update versions that
# i386 lacks (a plain install then fails: "generated breaks"). For this one
# call every package is pinned to the release, so apt takes both twins at
# the release's version, a downgrade of the amd64 one.
preferences=$(mktemp)
trap 'rm -f "$preferences"' EXIT
printf 'Package: *\nPin: release n=%s\nPin-Priority: 1001\n' "$(. /etc/os-release && echo "$VERSION_CODENAME")" \
  >"$preferences"
options=(-o "Dir::Etc::Preferences=$preferences" --allow-downgrades --no-install-recommends -y)
removals() { apt-get -s "${options[@]}" install "$@" | awk '$1 == "Remv" {print $2}'; }

# A downgraded library takes the packages that need it at its newer version
# with it (its -dev package): those are installed again, at the release's
# version, in the same call. Anything still removed is refused, wine64 above
# all.
targets=(wine32:i386)
mapfile -t removed < <(removals "${targets[@]}")
targets+=("${removed[@]}")
mapfile -t removed < <(removals "${targets[@]}")
if ((${#removed[@]})); then
  echo "install-wine32: installing wine32 would remove ${removed[*]}; nothing changed" >&2
  exit 1
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get -qq "${options[@]}" install "${targets[@]}" >/dev/null
installed wine64 || { echo "install-wine32: wine64 is gone" >&2; exit 1; }
