#!/usr/bin/env bash
# Converts the e2e screenshots of a build tree (BMP, grabbed with GDI) to PNG for viewing.
# Usage: tests/e2e/shots-to-png.sh [BUILD_DIR]
set -euo pipefail
shots="${1:-build}/e2e-screenshots"
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || { echo "no screenshots in $shots" >&2; exit 1; }
  convert "$bmp" "${bmp%.bmp}.png"
  echo "${bmp%.bmp}.png"
done
