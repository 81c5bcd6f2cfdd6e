#!/usr/bin/env bash
# Runs every test of a build tree under Wine, in its own prefix and Xvfb display.
set -euo pipefail
build=${1:-build}
source "$(dirname "$0")/wine-env.sh" "$build"
tessaril_session
# Tests of the English profile run beside the default profile's, in their own prefix.
tessaril_prefix_of english
# A small file system for the end-to-end save onto a full disk. Mounting needs root; without it
# that one test reports itself skipped.
small_disk="$TESSARIL_BUILD/e2e-small-disk"
mkdir -p "$small_disk"
if ! mountpoint -q "$small_disk"; then
  if mount -t tmpfs -o size=32m tessaril-small-disk "$small_disk" 2>/dev/null; then
    trap 'umount "$small_disk" 2>/dev/null || true; tessaril_stop' EXIT
  else
    echo "run-tests: no small file system at $small_disk; the full-disk test will be skipped" >&2
  fi
fi
cd "$TESSARIL_BUILD"
# shellcheck disable=SC2086
ctest --output-on-failure -j "${JOBS:-2}" ${CTEST_ARGS:-}
