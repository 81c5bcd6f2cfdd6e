#!/usr/bin/env bash
# Runs the script layer's fuzz target (tests/fuzz, built natively by `make build`).
# Usage: tools/run-fuzz.sh FUZZ_BUILD_DIR SECONDS [keep]
# Without "keep" (make test) it starts from the committed seeds alone in a scratch corpus;
# with it (make fuzz) what it finds stays in FUZZ_BUILD_DIR/corpus for the next run. Crashes
# and sanitizer reports end the run with a failure and leave the input in FUZZ_BUILD_DIR/artifacts.
set -euo pipefail
build=$(cd "${1:-build/fuzz}" && pwd)
seconds=${2:-600}
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
fuzz="$build/script_fuzz"
if [ ! -x "$fuzz" ]; then
  echo "run-fuzz: $fuzz is missing; run make build" >&2
  exit 1
fi
if [ "${3:-}" = keep ]; then
  corpus="$build/corpus"
else
  # One scratch corpus per run, so that two build trees' test runs may fuzz side by side.
  corpus=$(mktemp -d "$build/scratch-corpus.XXXXXX")
  trap 'rm -rf "$corpus"' EXIT
fi
mkdir -p "$corpus" "$build/artifacts"
# A smaller quarantine keeps the memory of runs stopped at Lua's ceiling within the RSS limit.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}
"$fuzz" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=3072 -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$corpus" "$source_dir/tests/fuzz/corpus"
