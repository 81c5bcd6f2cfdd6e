# Sourced by the tools: the Wine prefix, display and locale of one build tree.
# Usage: source tools/wine-env.sh BUILD_DIR

TESSARIL_BUILD=$(cd "$1" && pwd)
TESSARIL_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export TESSARIL_BUILD TESSARIL_SOURCE

# A profile is one kind of Windows the tests run on: its own prefix, made once per build tree,
# and its own Xvfb display (captures of two desktops on one screen would see each other).
#   korean (the default): 32-bit, made under ko_KR, "굴림" replaced by NanumGothic.
#   win64: 64-bit Windows 10 (wine64 beside wine32), otherwise as korean; a 32-bit program's
#          HKLM\Software lies under Software\WOW6432Node there, as on a player's Windows.
#   english: 32-bit, made under en_US (so "MS Shell Dlg" is Tahoma), no "굴림" at all, and
#            Hangul reached through font linking, as English Windows reaches Malgun Gothic.
# In the x64 tree korean and english are 64-bit Windows too.
# A tree of the x64 build runs its programs in 64-bit prefixes only: in every profile the
# prefix is then a 64-bit Windows, as the program's players have.
TESSARIL_ARCH=$(cat "$TESSARIL_BUILD/tessaril-arch" 2>/dev/null || echo x86)
export TESSARIL_ARCH
if [ "$TESSARIL_ARCH" = x64 ]; then tessaril_small_arch=win64; else tessaril_small_arch=win32; fi
export TESSARIL_PROFILE=${TESSARIL_PROFILE:-korean}
case "$TESSARIL_PROFILE" in
  korean)
    export WINEPREFIX="$TESSARIL_BUILD/wineprefix"
    export WINEARCH=$tessaril_small_arch
    TESSARIL_PREFIX_LANG=ko_KR.UTF-8
    ;;
  win64)
    export WINEPREFIX="$TESSARIL_BUILD/wineprefix-win64"
    export WINEARCH=win64
    TESSARIL_PREFIX_LANG=ko_KR.UTF-8
    ;;
  english)
    export WINEPREFIX="$TESSARIL_BUILD/wineprefix-english"
    export WINEARCH=$tessaril_small_arch
    TESSARIL_PREFIX_LANG=en_US.UTF-8
    ;;
  *)
    echo "wine-env: unknown profile '$TESSARIL_PROFILE'" >&2
    return 2 2>/dev/null || exit 2
    ;;
esac
export WINEDEBUG=${WINEDEBUG:--all}
# Debian's wine, wineboot and winepath scripts take the 32-bit loader whenever wine32 is
# installed, even on a host that cannot start it: the x64 tree calls the 64-bit loader itself,
# for its programs and for Wine's own (wine regedit, wine reg, wine winecfg).
if [ "$TESSARIL_ARCH" = x64 ]; then
  export WINELOADER=/usr/lib/wine/wine64
  wine() { /usr/lib/wine/wine64 "$@"; }
  wineboot() { wine wineboot.exe "$@"; }
  winepath() { wine winepath.exe "$@"; }
fi
# No Mono/Gecko install prompts, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine takes its ANSI code page from the locale (LC_CTYPE) and the user interface language
# from LC_MESSAGES. Both follow LANG: the profile's own unless a test asks for another (Korean,
# 949, in the default profile). TESSARIL_UILANG sets the display language alone, as a player
# sets it on a Windows installed in another language (ja_JP.UTF-8 on an English Windows).
unset LC_ALL LC_CTYPE LC_MESSAGES
export LANG=${TESSARIL_LANG:-$TESSARIL_PREFIX_LANG}
if [ -n "${TESSARIL_UILANG:-}" ]; then export LC_MESSAGES=$TESSARIL_UILANG; fi

# One display number per build tree and profile, so that two trees can test side by side.
tessaril_display_number() {
  echo $((100 + $(printf '%s' "$TESSARIL_BUILD/$TESSARIL_PROFILE" | cksum | cut -d' ' -f1) % 400))
}

# Starts an Xvfb for this build tree and profile unless DISPLAY names one already: the
# user's own, or this profile's. Another profile's display (inherited from a harness run of
# the default profile) is not shared.
tessaril_display() {
  [ -n "${DISPLAY:-}" ] && [ "${TESSARIL_DISPLAY_PROFILE:-$TESSARIL_PROFILE}" = "$TESSARIL_PROFILE" ] &&
    return 0
  local n; n=$(tessaril_display_number)
  export DISPLAY=":$n" TESSARIL_DISPLAY_PROFILE="$TESSARIL_PROFILE"
  (
    flock 8
    if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
      Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 8>&- &
      echo $! >"$TESSARIL_BUILD/xvfb-$TESSARIL_PROFILE.pid"
      for _ in $(seq 50); do xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break; sleep 0.1; done
    fi
  ) 8>"$TESSARIL_BUILD/xvfb-$TESSARIL_PROFILE.lock"
}

tessaril_reg_import() { # $1: .reg text (UTF-8, without header)
  local f="$TESSARIL_BUILD/import.reg"
  { printf 'Windows Registry Editor Version 5.00\r\n\r\n'; printf '%s' "$1" | sed 's/$/\r/'; } |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$f"
  wine regedit /S "$(winepath -w "$f" 2>/dev/null)"
  rm -f "$f"
}

# Wine's virtual desktop offers the usual list of display modes; plain Xvfb offers one.
tessaril_virtual_desktop() { # on|off
  if [ "$1" = on ]; then
    tessaril_reg_import '[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"
[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"
'
  else
    tessaril_reg_import '[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"=-
'
  fi
}

# What a profile sets in its new prefix beyond what every prefix gets.
tessaril_profile_init() {
  case "$TESSARIL_PROFILE" in
    korean)
      tessaril_korean_fonts
      ;;
    win64)
      tessaril_korean_fonts
      # A program that lists no supported Windows versions is then told 6.2.
      wine winecfg -v win10 >/dev/null 2>&1
      ;;
    english)
      # English Windows has Tahoma behind "MS Shell Dlg" and links it to Malgun Gothic for
      # Hangul. Wine's Tahoma is packaged but not installed into a prefix; NanumGothic stands
      # in for Malgun Gothic in Wine's own link list for Tahoma.
      cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf \
        "$WINEPREFIX/drive_c/windows/Fonts/"
      # VL PGothic and WenQuanYi stand in for the Japanese and Chinese faces behind it, for the
      # kanji and hanzi that NanumGothic lacks (a Japanese or Chinese display language).
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v Tahoma /t REG_MULTI_SZ /f /d 'MSGOTHIC.TTC,MS UI Gothic\0MINGLIU.TTC,PMingLiU\0SIMSUN.TTC,SimSun\0GULIM.TTC,Gulim\0YUGOTHM.TTC,Yu Gothic UI\0MSJH.TTC,Microsoft JhengHei UI\0MSYH.TTC,Microsoft YaHei UI\0NanumGothic.ttf,NanumGothic\0VL-PGothic-Regular.ttf,VL PGothic\0wqy-microhei.ttc,WenQuanYi Micro Hei\0SEGUISYM.TTF,Segoe UI Symbol' \
        >/dev/null 2>&1
      # SimSun, which the Chinese pages name, comes with Windows 10/11 in every language; the
      # Chinese face of the list above stands in for it.
      tessaril_reg_import '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="WenQuanYi Micro Hei"
'
      ;;
  esac
}

tessaril_korean_fonts() {
  tessaril_reg_import '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"굴림"="NanumGothic"
"Gulim"="NanumGothic"
'
  # As Gulim does on Windows, its stand-in links to Japanese and Chinese faces for the kanji
  # and hanzi it lacks (the translated pages). Wine looks the link up under the family name
  # in the locale's language: "나눔고딕" on a Korean system, "NanumGothic" on others.
  local face
  for face in NanumGothic 나눔고딕; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /f \
      /d 'VL-PGothic-Regular.ttf,VL PGothic\0wqy-microhei.ttc,WenQuanYi Micro Hei' >/dev/null 2>&1
  done
}

# The logical DPI (96 at 100 %, 144 at 150 %) that programs started from now on get.
tessaril_set_dpi() { # $1: DPI
  local hex; hex=$(printf '%08x' "$1")
  tessaril_reg_import "[HKEY_CURRENT_USER\Control Panel\Desktop]
\"LogPixels\"=dword:$hex
[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts]
\"LogPixels\"=dword:$hex
"
}

# Raised whenever what a profile sets in its prefix changes: a prefix of an older generation
# gets the profile's settings again (they are made to be set twice).
TESSARIL_PREFIX_GENERATION=3

# Creates the profile's prefix once, under a lock so that parallel tests cannot race on it.
# Wine fixes some settings (font substitutes) from the locale at creation: use the profile's.
tessaril_prefix() {
  local ready="$WINEPREFIX/.tessaril-ready"
  [ "$(cat "$ready" 2>/dev/null)" = "$TESSARIL_PREFIX_GENERATION" ] && return 0
  (
    flock 9
    [ "$(cat "$ready" 2>/dev/null)" = "$TESSARIL_PREFIX_GENERATION" ] && exit 0
    if [ -f "$ready" ]; then
      echo "wine: bringing the $TESSARIL_PROFILE prefix in $WINEPREFIX up to date" >&2
      tessaril_profile_init
      wineserver -w
      echo "$TESSARIL_PREFIX_GENERATION" >"$ready"
      exit 0
    fi
    echo "wine: creating the $TESSARIL_PROFILE prefix in $WINEPREFIX" >&2
    LANG=$TESSARIL_PREFIX_LANG wineboot -i >/dev/null 2>&1
    wineserver -w
    # A crash must end the process, not wait on an invisible dialog.
    tessaril_reg_import '[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
'
    tessaril_profile_init
    tessaril_virtual_desktop on
    wineserver -w
    echo "$TESSARIL_PREFIX_GENERATION" >"$ready"
  ) 9>"$WINEPREFIX.lock"
}

# Creates another profile's prefix, for tests of that profile inside this run.
tessaril_prefix_of() { # $1: profile
  (
    export TESSARIL_PROFILE=$1
    source "$TESSARIL_SOURCE/tools/wine-env.sh" "$TESSARIL_BUILD" && tessaril_prefix
  )
}

# A harness run: its own Xvfb, the prefix, a persistent server (sparing every process Wine's
# start-up), and both ended when the calling script exits.
tessaril_session() {
  unset DISPLAY
  tessaril_display
  tessaril_prefix
  trap tessaril_stop EXIT
  wineserver -p
}

# Ends the servers of every profile's prefix and every Xvfb of this build tree.
tessaril_stop() {
  local prefix pid
  for prefix in "$TESSARIL_BUILD"/wineprefix*/; do
    [ -d "$prefix" ] && WINEPREFIX=${prefix%/} wineserver -k 2>/dev/null || true
  done
  for pid in "$TESSARIL_BUILD"/xvfb-*.pid; do
    [ -f "$pid" ] || continue
    kill "$(cat "$pid")" 2>/dev/null || true
    rm -f "$pid"
  done
}
