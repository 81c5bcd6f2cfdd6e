#!/usr/bin/env bash
# The release, built again from a copy of the tree at other paths: unsigned it packs to the same
# zip; signed, with a throwaway CA and publisher certificate made here, it gives the same bytes, its program verifies against that CA and still shows its sheet
# under Wine, and a wrong password or an expired certificate ends the build with its reason and
# nothing in dist/.
# Usage: signed-release.sh SOURCE_DIR LUA_SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
build_dir=$(cd "$3" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/tessaril-signed.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 \
  -subj "/CN=Throwaway Root" -addext basicConstraints=critical,CA:TRUE \
  -addext keyUsage=critical,keyCertSign 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout publisher.key -out publisher.csr \
  -subj "/CN=Throwaway Publisher" 2>/dev/null
printf 'throwaway secret\n' >password.txt
printf 'not it\n' >wrong-password.txt
printf 'keyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >codesign.ext
issue() { # $1: name, $2: days valid (-1: expired yesterday)
  openssl x509 -req -in publisher.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days "$2" \
    -extfile codesign.ext -out "$1.pem" 2>/dev/null
  openssl pkcs12 -export -inkey publisher.key -in "$1.pem" -certfile ca.pem \
    -passout file:password.txt -out "$1.p12"
}
issue publisher 2
issue expired -1

export SIGN_PFX=$work/publisher.p12 SIGN_PASSWORD_FILE=$work/password.txt
export SIGN_URL=https://helvane.example/tessaril SIGN_TIMESTAMP_URL=
bash "$source_dir/tools/check-reproducible.sh" "$1" "$2" "$build_dir" "$work/repro"
other=$work/repro/another/place/build
# Unsigned, the two trees' programs pack to the same zip as well: the release without a
# certificate stays reproducible.
pack_unsigned() { # $1: build tree, $2: where its zip goes
  env -u SIGN_PFX -u SIGN_PASSWORD_FILE -u SIGN_URL -u SIGN_TIMESTAMP_URL python3 \
    "$source_dir/tools/make-dist.py" "$1/bin/TessarilSetup.exe" "$source_dir" "$2" >/dev/null
}
pack_unsigned "$build_dir" "$work/unsigned/here"
pack_unsigned "$other" "$work/unsigned/there"
for file in "$work"/unsigned/here/*; do cmp "$file" "$work/unsigned/there/$(basename "$file")"; done
echo "same unsigned: $(sha256sum "$work"/unsigned/here/*.zip | cut -d' ' -f1)"

python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(
  "TessarilSetup.exe"))' "$work"/repro/dist/*.zip >signed.exe
report=$(osslsigncode verify -CAfile ca.pem -in signed.exe)
grep -q "Text description: Tessaril Setup" <<<"$report"
echo "program: $(stat -c %s "$build_dir/bin/TessarilSetup.exe") bytes, signed" \
  "$(stat -c %s signed.exe)"

# The other tree is no git checkout: it signs with this commit's time.
SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct)
fails() { # $1: certificate, $2: password file, $3: what the one line says
  local out
  if out=$(SIGN_PFX=$work/$1 SIGN_PASSWORD_FILE=$work/$2 SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH \
    cmake --build "$other" --target dist 2>&1); then
    echo "FAILED: $1 with $2 signed" >&2
    return 1
  fi
  if [ "$(grep -c '^dist: ' <<<"$out")" != 1 ] || ! grep -q "^dist: .*$3" <<<"$out"; then
    echo "FAILED: $1 with $2 did not say '$3':" >&2
    echo "$out" >&2
    return 1
  fi
  # The first of them also finds the zip of the good build: it must go.
  if compgen -G "$other/dist/*.zip*" >/dev/null; then
    echo "FAILED: $1 with $2 left $(ls "$other/dist")" >&2
    return 1
  fi
  grep '^dist: ' <<<"$out"
}
fails publisher.p12 wrong-password.txt "wrong password"
fails expired.p12 password.txt "expired on"

mkdir game
cp -r "$source_dir/examples/game/." game/
cp signed.exe game/TessarilSetup.exe
cd game
timeout 120 "$build_dir/wine-run" TessarilSetup.exe >/dev/null 2>&1 &
app=$!
status=0
"$build_dir/wine-run" "$build_dir/bin/sheetctl.exe" wait || status=1
"$build_dir/wine-run" "$build_dir/bin/sheetctl.exe" cancel || status=1
wait $app || status=1
# The first run wrote the defaults; the sessions start from none.
for key in Tessaril OrvelSetup; do
  "$build_dir/wine-run" reg delete "HKLM\\Software\\Helvane\\$key" /f >/dev/null 2>&1 || true
done
[ $status = 0 ] && echo "the signed program showed its sheet"
exit $status
