#!/usr/bin/env bash
# Starts the built program in a fresh copy of the demo game folder under Wine. With a display
# the player's window appears there; without one it runs in Xvfb, each page is saved as a
# screenshot, and the sheet is closed with Cancel.
#   PROFILE=korean|english  the kind of Windows (default korean)
#   SCALE=100|125|150|200    the display scaling in percent (default 100)
#   UILANG=ko|en|zh_CN|zh_TW|pt|ru|ja  the Windows display language (default the profile's:
#                            Korean, or English); any other locale name reads the English pages
set -euo pipefail
build=${1:-build}
export TESSARIL_PROFILE=${PROFILE:-${TESSARIL_PROFILE:-korean}}
scale=${SCALE:-100}
# The short names of the pages' languages as locales; the set-up generates each of them.
case "${UILANG:-}" in
  '') ;;
  ko) export TESSARIL_UILANG=ko_KR.UTF-8 ;;
  en) export TESSARIL_UILANG=en_US.UTF-8 ;;
  zh | zh_CN | zh-CN) export TESSARIL_UILANG=zh_CN.UTF-8 ;;
  zh_TW | zh-TW) export TESSARIL_UILANG=zh_TW.UTF-8 ;;
  pt | pt_BR | pt-BR) export TESSARIL_UILANG=pt_BR.UTF-8 ;;
  ru) export TESSARIL_UILANG=ru_RU.UTF-8 ;;
  ja) export TESSARIL_UILANG=ja_JP.UTF-8 ;;
  *.*) export TESSARIL_UILANG=$UILANG ;;
  *) export TESSARIL_UILANG=$UILANG.UTF-8 ;;
esac
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
  echo "run: starting TessarilSetup.exe in $game ($TESSARIL_PROFILE, $scale %, ${LC_MESSAGES:-$LANG})"
  wine TessarilSetup.exe
  exit 0
fi

unset DISPLAY
tessaril_display
tessaril_virtual_desktop on
trap 'restore; tessaril_stop' EXIT
ctl="$TESSARIL_BUILD/bin/sheetctl.exe"
shots="$TESSARIL_BUILD/screenshots"
# The language as the locale names it: ko, en, zh_CN, zh_TW, pt, ru, ja.
lang=${LC_MESSAGES:-$LANG}
lang=${lang%%.*}
case "$lang" in zh_*) ;; *) lang=${lang%%_*} ;; esac
tag="$TESSARIL_PROFILE-$scale-$lang"
mkdir -p "$shots"
echo "run: no display; running in Xvfb $DISPLAY ($TESSARIL_PROFILE, $scale %, $lang)"
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
