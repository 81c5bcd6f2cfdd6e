#!/usr/bin/env bash
# Runs every test of a build tree under Wine, in its own prefix and Xvfb display.
set -euo pipefail
build=${1:-build}
source "$(dirname "$0")/wine-env.sh" "$build"
unset DISPLAY
tessaril_display
tessaril_prefix
trap tessaril_stop EXIT
# A persistent server spares every test process Wine's start-up.
wineserver -p
cd "$TESSARIL_BUILD"
# shellcheck disable=SC2086
ctest --output-on-failure -j "${JOBS:-2}" ${CTEST_ARGS:-}
