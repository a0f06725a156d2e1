#!/usr/bin/env bash
# Installs 32-bit Wine (wine32, from Debian's i386 architecture) for the x86
# Windows tests. When it is present this only checks, and changes nothing.
set -euo pipefail

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
installed wine32:i386 && exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
# The security archive's i386 index can be stale and fail the update while
# the main archive's lists are fine: those are enough.
$sudo apt-get update -qq || true

# Libraries that are Multi-Arch: same must be at one version on amd64 and
# i386, and the amd64 ones here can be at security or update versions that
# i386 lacks. For this one call every package is pinned to the release, so
# apt takes both twins at the release's version (a downgrade of the amd64
# one). The installed -dev packages come along: each needs its library at
# its own version, and would otherwise be removed.
preferences=$(mktemp)
trap 'rm -f "$preferences"' EXIT
printf 'Package: *\nPin: release n=%s\nPin-Priority: 1001\n' "$(. /etc/os-release && echo "$VERSION_CODENAME")" \
  >"$preferences"
mapfile -t dev_packages < <(dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' '*-dev' 2>/dev/null |
  awk '$1 == "ii" {print $2}')
options=(-o "Dir::Etc::Preferences=$preferences" --allow-downgrades --no-install-recommends -y)

# Refuse anything that would remove a package (wine64 above all).
plan=$(apt-get -s "${options[@]}" install wine32:i386 "${dev_packages[@]}")
if grep -q '^Remv ' <<<"$plan"; then
  echo "install-wine32: installing wine32 would remove packages; nothing changed:" >&2
  grep '^Remv ' <<<"$plan" >&2
  exit 1
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get -qq "${options[@]}" install wine32:i386 "${dev_packages[@]}" >/dev/null
installed wine64 || { echo "install-wine32: wine64 is gone" >&2; exit 1; }
