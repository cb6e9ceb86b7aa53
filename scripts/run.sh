#!/usr/bin/env bash
# Builds Marrowick and runs it in this terminal on a fresh copy of the bundled sample
# company. Extra arguments go to the program. While the terminal program is not part of the
# build yet, this shows the sample company's purchase orders instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh
cmake --preset default >/dev/null

targets=(qbhost-tool)
has_program=false
if cmake --build --preset default --target help | grep -q '^Marrowick:'; then
  targets+=(Marrowick)
  has_program=true
fi
cmake --build --preset default -j "$(nproc)" --target "${targets[@]}"

work="${MARROWICK_WORK:-${XDG_RUNTIME_DIR:-/tmp}/marrowick-$(id -un)}"
mkdir -p "$work"
company="$work/sample-company.qbw"
rm -f "$company" "$company-wal" "$company-shm"
build/default/src/qbhost/qbhost-tool create "$company" samples/sample-company.txt

if $has_program; then
  exec build/default/src/frontend/Marrowick --company "$company" "$@"
fi
echo "The terminal program is not built yet; the sample company's purchase orders:"
exec build/default/src/qbhost/qbhost-tool show "$company"
