#!/usr/bin/env bash
# Installs what the build, the tests and the preview need on a Debian machine.
set -euo pipefail

packages=(
  cmake g++ make clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev pkg-config libagg-dev
  # The preview's live frames (JPEG) and its animated picture of the room (WebP).
  libjpeg62-turbo-dev libwebp-dev
  # The companion's settings form: its HTTP library, and the browser its test drives.
  libcpp-httplib-dev chromium chromium-driver python3-selenium
  libgdiplus fontconfig fonts-wqy-zenhei fonts-liberation fonts-dejavu-core
  locales
)
if [[ "${1:-}" == "--windows" ]]; then
  # MinGW's zlib under the cross-built libpng; dpkg-dev unpacks the source
  # packages that the cross build compiles (cmake/windows-third-party.cmake).
  # Both architectures' compilers; 32-bit Wine comes after the list. llvm
  # (llvm-dlltool, -nm, -objdump, -readobj, -undname) and lld for the code that
  # clang compiles against the host's own API library (cmake/hostabi.cmake).
  packages+=(g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 libz-mingw-w64-dev dpkg-dev llvm lld)
fi

# Only what is missing is installed: when everything is present this is a
# check that changes nothing and needs no root.
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
fonts_changed=""

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  # A failed update (an unreachable or stale mirror) leaves the lists there
  # were: often enough, and the install below says clearly when they are not.
  $sudo apt-get update -qq || echo "install-deps: apt-get update failed; installing from the package lists there are" >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fonts_changed=1
fi

# The Chinese locales: GBK is the system code page the stand-in window
# system uses under a Chinese locale, and the Windows tests run in zh_CN.UTF-8.
need_locale_gen=""
for loc in "zh_CN.UTF-8 UTF-8" "zh_CN.GBK GBK"; do
  name=${loc%% *}
  if ! locale -a 2>/dev/null | grep -qix "$(echo "$name" | sed 's/UTF-8/utf8/; s/GBK/gbk/')"; then
    grep -qx "$loc" /etc/locale.gen 2>/dev/null || echo "$loc" | $sudo tee -a /etc/locale.gen >/dev/null
    need_locale_gen=1
  fi
done
if [[ -n $need_locale_gen ]]; then
  $sudo locale-gen >/dev/null
fi

# Chinese faces fall back to WenQuanYi (see the conf file). The font cache is
# rebuilt only after fonts or this file changed, so that no program has to
# scan the fonts when it starts.
aliases_src="$(dirname "$0")/../standins/fonts/65-cjk-face-aliases.conf"
aliases_dst=/etc/fonts/conf.d/65-quillora-cjk-face-aliases.conf
if ! cmp -s "$aliases_src" "$aliases_dst"; then
  $sudo install -m 644 "$aliases_src" "$aliases_dst"
  fonts_changed=1
fi
if [[ -n $fonts_changed ]]; then
  $sudo fc-cache
fi

# 32-bit Wine for the x86 tests, after everything else: its install pins the
# libraries it shares with what is already there.
if [[ "${1:-}" == "--windows" ]]; then
  "$(dirname "$0")/install-wine32.sh"
fi
