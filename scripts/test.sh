#!/usr/bin/env bash
# Builds Marrowick twice (normal, and with AddressSanitizer + UBSan) and runs every test
# of both builds. Usage: scripts/test.sh [default|sanitize]...  (both when none given)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh

presets=("$@")
((${#presets[@]})) || presets=(default sanitize)
jobs=$(nproc)

for preset in "${presets[@]}"; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset: tests"
  ctest --preset "$preset" -j "$jobs"
done
