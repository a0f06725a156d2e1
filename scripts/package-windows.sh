#!/usr/bin/env bash
# Makes the release of each architecture, build/packages/
# QuilloraThanks-<version>-x86.zip and -x64.zip: the product module
# stripped, in the host's folder layout (plugins/QuilloraThanks.dll), with
# the install text in Chinese and English. The debug information stays in
# the build, beside the module (product/QuilloraThanks.dll.debug, linked to
# the shipped module by its debug link). The companion is not ours to ship;
# the install text says where it goes.
#   scripts/package-windows.sh [x64|x86]...     (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows
architectures=("$@")
((${#architectures[@]})) || architectures=(x64 x86)
out=$PWD/build/packages
mkdir -p "$out"

for arch in "${architectures[@]}"; do
  preset=windows-$arch
  build=$PWD/build/$preset
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target QuilloraThanksProduct
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  case $arch in
    x86) triple=i686-w64-mingw32 bits=32 ;;
    x64) triple=x86_64-w64-mingw32 bits=64 ;;
    *) echo "package-windows: unknown architecture $arch (x86 or x64)" >&2; exit 2 ;;
  esac

  module=$build/product/QuilloraThanks.dll
  stage=$(mktemp -d)
  trap 'rm -rf "$stage"' EXIT
  mkdir -p "$stage/plugins"
  "$triple-objcopy" --only-keep-debug "$module" "$module.debug"
  "$triple-objcopy" --strip-all --add-gnu-debuglink="$module.debug" "$module" "$stage/plugins/QuilloraThanks.dll"
  # Windows' own editors read the text as UTF-8 with CRLF line ends.
  { printf '\xEF\xBB\xBF'; sed -e "s/@VERSION@/$version/g; s/@ARCH@/$arch/g; s/@BITS@/$bits/g" -e 's/$/\r/' \
    packaging/INSTALL.txt; } >"$stage/INSTALL.txt"

  zip_file=$out/QuilloraThanks-$version-$arch.zip
  rm -f "$zip_file"
  (cd "$stage" && cmake -E tar cf "$zip_file" --format=zip INSTALL.txt plugins/QuilloraThanks.dll)
  rm -rf "$stage"
  trap - EXIT
  echo "$zip_file"
done
