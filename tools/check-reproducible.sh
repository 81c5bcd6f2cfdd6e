#!/usr/bin/env bash
# Builds the release zip once more, from a copy of the source tree and of Lua's sources at other
# paths into a build tree of its own, and compares its executable and zip byte for byte with
# those of BUILD_DIR (whose executable is packed here, so nothing in BUILD_DIR is written).
# With SIGN_* in the environment both zips hold the program signed (make-dist.py).
# Usage: check-reproducible.sh SOURCE_DIR LUA_SOURCE_DIR BUILD_DIR [WORK_DIR]
# WORK_DIR, when given, is where the other tree and the zips stay for the caller to look at.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
lua_dir=$(cd "$2" && pwd)
build_dir=$(cd "$3" && pwd)
if [ -n "${4:-}" ]; then
  mkdir -p "$4"
  work=$(cd "$4" && pwd)
else
  work=$(mktemp -d "${TMPDIR:-/tmp}/tessaril-repro.XXXXXX")
  trap 'rm -rf "$work"' EXIT
fi

other="$work/another/place"
mkdir -p "$other/src" "$other/deps"
# The working tree's files that git tracks or would track: what a commit of it holds.
git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
  (cd "$source_dir" && tar --null -T - -cf -) | tar -xf - -C "$other/src"
cp -r "$lua_dir" "$other/deps/"
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
# Like with like: the other build uses this tree's toolchain (x86 or x64).
toolchain=$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
toolchain=cmake/$(basename "$toolchain")
cmake -S "$other/src" -B "$other/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE="$build_type" -DLUA_SOURCE_DIR="$other/deps/$(basename "$lua_dir")" \
  -DTESSARIL_TESTS=OFF >/dev/null
# The copy is no git checkout: it signs with this commit's time, which this tree reads from git.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct)} \
  cmake --build "$other/build" -j "${JOBS:-2}" --target dist >/dev/null
python3 "$source_dir/tools/make-dist.py" "$build_dir/bin/TessarilSetup.exe" "$source_dir" \
  "$work/dist" >/dev/null

status=0
compare() { # $1 $2: the two files
  if cmp -s "$1" "$2"; then
    echo "same: $(basename "$1") $(sha256sum "$1" | cut -d' ' -f1)"
  else
    echo "DIFFERENT: $1 $2" >&2
    cmp "$1" "$2" >&2 || true
    status=1
  fi
}
compare "$build_dir/bin/TessarilSetup.exe" "$other/build/bin/TessarilSetup.exe"
for zip in "$work"/dist/*.zip "$work"/dist/*.zip.sha256; do
  compare "$zip" "$other/build/dist/$(basename "$zip")"
done
exit $status
