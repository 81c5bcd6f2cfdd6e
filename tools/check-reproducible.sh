#!/usr/bin/env bash
# Builds the release zip twice, each from its own copy of the source tree and of Lua's sources
# at a path of its own, into its own build tree, and compares the two executables and zips
# byte for byte. Usage: check-reproducible.sh SOURCE_DIR LUA_SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
lua_dir=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/tessaril-repro.XXXXXX")
trap 'rm -rf "$work"' EXIT

build() { # $1: the tree's folder
  mkdir -p "$1/src" "$1/deps"
  # The working tree's files that git tracks or would track: what a commit of it holds.
  git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
    (cd "$source_dir" && tar --null -T - -cf -) | tar -xf - -C "$1/src"
  cp -r "$lua_dir" "$1/deps/"
  cmake -S "$1/src" -B "$1/build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DLUA_SOURCE_DIR="$1/deps/$(basename "$lua_dir")" -DTESSARIL_TESTS=OFF >/dev/null
  cmake --build "$1/build" -j "${JOBS:-2}" --target dist >/dev/null
}

build "$work/first"
build "$work/second/at/another/depth"
a="$work/first/build" b="$work/second/at/another/depth/build"
status=0
for f in bin/TessarilSetup.exe dist/*.zip dist/*.zip.sha256; do
  for x in "$a"/$f; do
    rel=${x#"$a"/}
    if cmp -s "$x" "$b/$rel"; then
      echo "same: $rel $(sha256sum "$x" | cut -d' ' -f1)"
    else
      echo "DIFFERENT: $rel" >&2
      cmp "$x" "$b/$rel" >&2 || true
      status=1
    fi
  done
done
exit $status
