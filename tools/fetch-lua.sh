#!/usr/bin/env bash
# Unpacks Debian's lua5.1 source package into DIR (default build/deps) once.
set -euo pipefail
dir=${1:-build/deps}
mkdir -p "$dir"
if ls -d "$dir"/lua5.1-*/src/lapi.c >/dev/null 2>&1; then exit 0; fi
cd "$dir"
apt-get source -qq lua5.1 >/dev/null 2>&1 || { apt-get update -qq && apt-get source -qq lua5.1; }
ls -d lua5.1-*/src/lapi.c >/dev/null
