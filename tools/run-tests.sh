#!/usr/bin/env bash
# Runs every test of a build tree under Wine, in its own prefix and Xvfb display.
set -euo pipefail
build=${1:-build}
source "$(dirname "$0")/wine-env.sh" "$build"
tessaril_session
# Tests of the English profile run beside the default profile's, in their own prefix.
tessaril_prefix_of english
cd "$TESSARIL_BUILD"
# shellcheck disable=SC2086
ctest --output-on-failure -j "${JOBS:-2}" ${CTEST_ARGS:-}
