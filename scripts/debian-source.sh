#!/usr/bin/env bash
# Unpacks Debian's source package PACKAGE (patches applied) under DEST and
# prints the folder it made. Idempotent.
#   scripts/debian-source.sh PACKAGE DEST
# apt works on a state of its own in DEST/.apt, with a deb-src line for each
# deb line of this machine's sources, so that the machine's apt setup stays
# as it is.
set -euo pipefail
package=$1
dest=$(realpath -m "$2")
apt_dir=$dest/.apt

found() { find "$dest" -mindepth 1 -maxdepth 1 -type d -name "$package-*" -print -quit; }
if [[ -n "$(found)" ]]; then
  found
  exit 0
fi

mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/sources.list.d"
# deb822 files: their "Types: deb" stanzas, as deb-src.
for file in /etc/apt/sources.list.d/*.sources; do
  [[ -e $file ]] || continue
  sed 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb-src/' "$file" >"$apt_dir/sources.list.d/$(basename "$file")"
done
# One-line files: their deb lines, as deb-src.
sed -n 's/^deb[[:space:]]/deb-src /p' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
  >"$apt_dir/sources.list" || true

apt_options=(
  -o Dir::Etc::sourcelist="$apt_dir/sources.list"
  -o Dir::Etc::sourceparts="$apt_dir/sources.list.d"
  -o Dir::State::Lists="$apt_dir/lists"
  -o Dir::Cache="$apt_dir"
  -o APT::Sandbox::User=root
)
apt-get "${apt_options[@]}" -qq update >&2
# Newest first; a mirror may lack a version its index lists, so the next
# one is tried.
for version in $(apt-cache "${apt_options[@]}" showsrc "$package" | sed -n 's/^Version: //p' | sort -u -r -V); do
  if (cd "$dest" && apt-get "${apt_options[@]}" -qq source "$package=$version" >&2); then
    found
    exit 0
  fi
done
echo "debian-source.sh: no version of $package could be fetched" >&2
exit 1
