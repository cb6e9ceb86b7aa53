#!/bin/sh
# Builds every fuzz target with clang (libFuzzer + AddressSanitizer) and runs each for a
# bounded time: fuzz/run.sh [SECONDS] (default 60).
set -eu
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
OUT=fuzz/out
mkdir -p "$OUT"
FLAGS="-std=c++20 -g -O1 -fsanitize=fuzzer,address -Isrc"

# One line per target: name, then the source folders it is built from.
TARGETS="
host_request_fuzzer src/qbhost src/qbfc src/platform/com src/platform/crt
qbxml_response_fuzzer src/qbfc src/platform/com src/platform/crt
"

echo "$TARGETS" | while read -r name dirs; do
  [ -n "$name" ] || continue
  sources=""
  for d in $dirs; do sources="$sources $(ls $d/*.cpp | grep -v -e '/qbhost/server')"; done
  clang++ $FLAGS fuzz/$name.cpp $sources -lsqlite3 -lpugixml -lpthread -o "$OUT/$name"
  mkdir -p "fuzz/corpus-work/$name"
  "$OUT/$name" -max_total_time="$SECONDS_EACH" "fuzz/corpus-work/$name"
done
