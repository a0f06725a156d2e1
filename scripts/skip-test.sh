#!/bin/sh
# The test emulator of a build whose programs this machine cannot run: it
# says why and exits with the code ctest reports as a skip (SKIP_RETURN_CODE).
#   scripts/skip-test.sh REASON PROGRAM [ARGUMENTS...]
echo "$1" >&2
exit 77
