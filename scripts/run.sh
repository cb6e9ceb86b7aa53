#!/usr/bin/env bash
# Builds Marrowick and runs it in this terminal on a fresh copy of the bundled sample
# company. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target Marrowick qbhost-tool

work="${MARROWICK_WORK:-${XDG_RUNTIME_DIR:-/tmp}/marrowick-$(id -un)}"
mkdir -p "$work"
company="$work/sample-company.qbw"
rm -f "$company" "$company-wal" "$company-shm"
build/default/src/qbhost/qbhost-tool create "$company" samples/sample-company.txt

exec build/default/src/frontend/Marrowick --company "$company" "$@"
