#!/usr/bin/env bash
# Runs every test of a build tree under Wine, in its own prefix and Xvfb display.
set -euo pipefail
build=${1:-build}
source "$(dirname "$0")/wine-env.sh" "$build"
tessaril_session
cd "$TESSARIL_BUILD"
# shellcheck disable=SC2086
ctest --output-on-failure -j "${JOBS:-2}" ${CTEST_ARGS:-}
