#!/usr/bin/env bash
# Installs what the build, the tests and the preview need on a Debian machine.
# Idempotent: installs only what is missing, and does nothing when all is present.
set -euo pipefail

packages=(
  cmake g++ make clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev pkg-config
  libgdiplus fontconfig fonts-wqy-zenhei fonts-liberation fonts-dejavu-core
  locales
)
if [[ "${1:-}" == "--windows" ]]; then
  packages+=(g++-mingw-w64-x86-64 wine wine64)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq || true
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
