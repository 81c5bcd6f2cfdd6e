#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, as root.
# Idempotent: every step checks first and does nothing when its work is done.
set -euo pipefail

log() { printf 'setup: %s\n' "$*"; }

need_pkgs=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  log "adding the i386 architecture"
  dpkg --add-architecture i386
  apt_stale=1
fi

# apt-get source needs a deb-src entry for this suite.
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  log "adding a deb-src entry for $suite"
  cat >/etc/apt/sources.list.d/tessaril-src.sources <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  apt_stale=1
fi

for p in wine wine32:i386 wine64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix \
         binutils-mingw-w64-i686 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
         binutils-mingw-w64-x86-64 cmake make xvfb xdotool imagemagick x11-utils \
         fonts-nanum fonts-wine fonts-wqy-microhei fonts-vlgothic locales dpkg-dev googletest \
         python3 clang-format clang-14 libclang-rt-14-dev openssl osslsigncode; do
  have "$p" || need_pkgs+=("$p")
done

if [ ${#need_pkgs[@]} -gt 0 ] || [ -n "${apt_stale:-}" ]; then
  log "installing: ${need_pkgs[*]:-(index refresh only)}"
  export DEBIAN_FRONTEND=noninteractive
  # Another set-up (a second build tree) may hold the package lock: wait for it.
  apt-get -o DPkg::Lock::Timeout=600 update -qq
  [ ${#need_pkgs[@]} -gt 0 ] &&
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${need_pkgs[@]}"
fi

# Wine takes the code page and the user interface language from the locale, and silently
# falls back to en-US for a locale that is not generated: Korean (949) for the default runs,
# one locale per language the pages are translated into.
missing_locales=()
for l in ko_KR en_US zh_CN zh_TW pt_BR ru_RU ja_JP; do
  locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8\$" || missing_locales+=("$l")
done
if [ ${#missing_locales[@]} -gt 0 ]; then
  log "generating the locales ${missing_locales[*]} (UTF-8)"
  for l in "${missing_locales[@]}"; do
    sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" >>/etc/locale.gen
  done
  locale-gen >/dev/null
fi
log "ready"
