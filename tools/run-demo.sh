#!/usr/bin/env bash
# Starts the built program in a fresh copy of the demo game folder under Wine. With a display
# the player's window appears there; without one it runs in Xvfb, each page is saved as a
# screenshot, and the sheet is closed with Cancel.
#   PROFILE=korean|english  the kind of Windows (default korean)
#   SCALE=100|125|150|200    the display scaling in percent (default 100)
set -euo pipefail
build=${1:-build}
export TESSARIL_PROFILE=${PROFILE:-${TESSARIL_PROFILE:-korean}}
scale=${SCALE:-100}
source "$(dirname "$0")/wine-env.sh" "$build"
tessaril_prefix
game="$TESSARIL_BUILD/demo-game"
rm -rf "$game"
cp -r "$TESSARIL_SOURCE/examples/game" "$game"
cp "$TESSARIL_BUILD/bin/TessarilSetup.exe" "$game/"
cd "$game"
# The prefix goes back to 100 % afterwards, as the tests expect it.
tessaril_set_dpi $((scale * 96 / 100))
restore() { tessaril_set_dpi 96; }

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  trap restore EXIT
  tessaril_virtual_desktop off
  echo "run: starting TessarilSetup.exe in $game ($TESSARIL_PROFILE, $scale %)"
  wine TessarilSetup.exe
  exit 0
fi

unset DISPLAY
tessaril_display
tessaril_virtual_desktop on
trap 'restore; tessaril_stop' EXIT
ctl="$TESSARIL_BUILD/bin/sheetctl.exe"
shots="$TESSARIL_BUILD/screenshots"
tag="$TESSARIL_PROFILE-$scale"
mkdir -p "$shots"
echo "run: no display; running in Xvfb $DISPLAY ($TESSARIL_PROFILE, $scale %)"
wine TessarilSetup.exe >/dev/null 2>&1 &
app=$!
if wine "$ctl" wait; then
  import -window root "$shots/system-page-$tag.png"
  wine "$ctl" tab 1
  import -window root "$shots/option-page-$tag.png"
  wine "$ctl" cancel
fi
wait $app || true
echo "run: screenshots of both pages are in $shots:"
ls -1 "$shots"/*-"$tag".png 2>/dev/null | sed 's/^/  /'
