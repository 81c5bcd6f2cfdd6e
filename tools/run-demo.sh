#!/usr/bin/env bash
# Starts the built program in a fresh copy of the demo game folder under Wine. With a display
# the player's window appears there; without one it runs in Xvfb, each page is saved as a
# screenshot, and the sheet is closed with Cancel.
set -euo pipefail
build=${1:-build}
source "$(dirname "$0")/wine-env.sh" "$build"
tessaril_prefix
game="$TESSARIL_BUILD/demo-game"
rm -rf "$game"
cp -r "$TESSARIL_SOURCE/examples/game" "$game"
cp "$TESSARIL_BUILD/bin/TessarilSetup.exe" "$game/"
cd "$game"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  tessaril_virtual_desktop off
  echo "run: starting TessarilSetup.exe in $game"
  wine TessarilSetup.exe
  exit 0
fi

unset DISPLAY
tessaril_display
tessaril_virtual_desktop on
trap tessaril_stop EXIT
ctl="$TESSARIL_BUILD/bin/sheetctl.exe"
shots="$TESSARIL_BUILD/screenshots"
mkdir -p "$shots"
echo "run: no display; running in Xvfb $DISPLAY"
wine TessarilSetup.exe >/dev/null 2>&1 &
app=$!
if wine "$ctl" wait; then
  import -window root "$shots/system-page.png"
  wine "$ctl" tab 1
  import -window root "$shots/option-page.png"
  wine "$ctl" cancel
fi
wait $app || true
echo "run: screenshots of both pages are in $shots:"
ls -1 "$shots"/*.png 2>/dev/null | sed 's/^/  /'
