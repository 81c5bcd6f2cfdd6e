#!/usr/bin/env python3
"""Packs the zip a player downloads: TessarilSetup.exe, the player's guides in Korean and
English, and SHA256SUMS.txt over those three; beside the zip, its own SHA-256 sum.

Usage: make-dist.py EXE SOURCE_DIR OUT_DIR
Writes OUT_DIR/TessarilSetup-<version>.zip and OUT_DIR/TessarilSetup-<version>.zip.sha256.
With SIGN_PFX and SIGN_PASSWORD_FILE in the environment the zip holds the program signed
with that certificate (sign_release.py); a signing that fails leaves neither file.

The same inputs give the same bytes on every machine: members in a fixed order, each dated
1980-01-01 00:00 with fixed attributes, and nothing taken from the clock or the file system.
"""
import hashlib
import os
import re
import sys
import tempfile
import zipfile

sys.dont_write_bytecode = True  # nothing written into the source tree
import sign_release  # noqa: E402

GUIDES = ("PlayerGuide-ko.txt", "PlayerGuide-en.txt")
DOS_EPOCH = (1980, 1, 1, 0, 0, 0)


def version(source):
    with open(os.path.join(source, "app", "Version.h"), encoding="utf-8") as f:
        return re.search(r'#define TESSARIL_VERSION_TEXT "([^"]+)"', f.read()).group(1)


def guide(path):
    """A guide as Notepad on any Windows reads it: UTF-8 with a byte-order mark, CR LF."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    return b"\xef\xbb\xbf" + text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def sums(members):
    """sha256sum's format; the hashes compare equal to PowerShell's Get-FileHash ignoring case."""
    return "".join(f"{hashlib.sha256(data).hexdigest()} *{name}\n"
                   for name, data in members).encode("ascii")


def write_zip(path, members):
    with zipfile.ZipFile(path, "w") as z:
        for name, data in members:
            info = zipfile.ZipInfo(name, DOS_EPOCH)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS: no Unix permissions in the archive
            info.external_attr = 0
            z.writestr(info, data, compresslevel=9)


def program(exe, source, work, out_files):
    """The program's bytes as the zip holds them: signed when the publisher asked for it."""
    try:
        given = sign_release.request(os.environ)
        if given:
            exe = sign_release.sign(exe, source, work, given)
    except sign_release.SignError as e:
        # An earlier build's zip must not pass for the one that failed.
        for stale in out_files:
            if os.path.exists(stale):
                os.remove(stale)
        sys.exit(f"dist: {e}")
    with open(exe, "rb") as f:
        return f.read()


def main():
    exe, source, out = sys.argv[1:4]
    zip_name = f"TessarilSetup-{version(source)}.zip"
    path = os.path.join(out, zip_name)
    with tempfile.TemporaryDirectory() as work:
        members = [("TessarilSetup.exe", program(exe, source, work, (path, path + ".sha256")))]
    members += [(name, guide(os.path.join(source, "release", name))) for name in GUIDES]
    members.append(("SHA256SUMS.txt", sums(members)))

    os.makedirs(out, exist_ok=True)
    write_zip(path, members)
    with open(path, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    with open(path + ".sha256", "w", encoding="ascii", newline="\n") as f:
        f.write(f"{digest} *{zip_name}\n")
    print(f"dist: {path}\ndist: sha256 {digest}")


if __name__ == "__main__":
    main()
