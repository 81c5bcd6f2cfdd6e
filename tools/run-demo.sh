#!/usr/bin/env bash
# Starts the built program in the demo game folder under Wine.
set -euo pipefail
build=${1:-build}
source "$(dirname "$0")/wine-env.sh" "$build"
tessaril_prefix
game="$TESSARIL_BUILD/demo-game"
rm -rf "$game"
cp -r "$TESSARIL_SOURCE/examples/game" "$game" 2>/dev/null || mkdir -p "$game"
cp "$TESSARIL_BUILD/bin/TessarilSetup.exe" "$game/"
cd "$game"
if [ -n "${DISPLAY:-}" ]; then
  tessaril_virtual_desktop off
  wine TessarilSetup.exe
else
  tessaril_display
  tessaril_virtual_desktop on
  trap tessaril_stop EXIT
  wine TessarilSetup.exe
fi
