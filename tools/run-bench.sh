#!/usr/bin/env bash
# Runs the benchmark under Wine on the build tree's prefix and desktop; writes bench/results.md.
set -euo pipefail
build=${1:-build}
source "$(dirname "$0")/wine-env.sh" "$build"
tessaril_session
game="$TESSARIL_BUILD/bench-game"
rm -rf "$game"
cp -r "$TESSARIL_SOURCE/examples/game" "$game"
cp "$TESSARIL_BUILD/bin/TessarilSetup.exe" "$TESSARIL_BUILD/bin/tessaril_baseline.exe" "$game/"
machine="$(uname -n), $(lscpu | sed -n 's/^Model name: *//p' | head -n1), $(nproc) CPUs, $(wine --version)"
w() { winepath -w "$1" 2>/dev/null; }
wine "$TESSARIL_BUILD/bin/tessaril_bench.exe" "$(w "$game")" "$(w "$game/TessarilSetup.exe")" \
  "$(w "$game/tessaril_baseline.exe")" "$(w "$TESSARIL_SOURCE/bench/results.md")" "${BENCH_RUNS:-20}" \
  "$machine" </dev/null 2>/dev/null | tr -d '\r'
