#!/usr/bin/env bash
# Exits 0 when this machine can execute 32-bit x86 programs, which 32-bit
# Wine needs, and 1 when it cannot. Some kernels are built or booted without
# IA32 emulation: they refuse every i386 program ("Exec format error"),
# although i386 packages install. The probe is scripts/i386-probe.c, built
# here by clang and lld, so it needs no i386 package.
#   QUILLORA_I386_PROBE=program   runs that program instead, to see the
#                                 other answer (any program this machine
#                                 cannot execute plays one that cannot)
set -uo pipefail

probe=${QUILLORA_I386_PROBE:-}
if [[ -z $probe ]]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  probe=$work/i386-probe
  if ! clang --target=i686-linux-gnu -nostdlib -static -fuse-ld=lld -o "$probe" \
      "$(dirname "$0")/i386-probe.c"; then
    echo "can-execute-i386: the probe did not build" >&2
    exit 2
  fi
fi
"$probe" >/dev/null 2>&1 || exit 1
