"""Signs the program for the release with the publisher's certificate (Authenticode, through
osslsigncode) and checks the result before anything is packed.

The publisher names the certificate in the environment:
  SIGN_PFX            the certificate and its key, a PKCS#12 file (.p12, .pfx)
  SIGN_PASSWORD_FILE  a file holding the PKCS#12 password (its line end is not part of it)
  SIGN_URL            optional: the publisher's address, shown with the signature
  SIGN_TIMESTAMP_URL  optional: an RFC 3161 time-stamp server (the one thing that makes two
                      signed builds of a commit differ)
Relative paths are taken from SIGN_BASE_DIR (where make ran) when it is set.
The signing time is the commit's (SOURCE_DATE_EPOCH when set), so that a signed build is as
reproducible as the unsigned one. Every failure is a SignError whose text names what is wrong.
"""
import calendar
import hashlib
import os
import re
import struct
import subprocess
import time

DESCRIPTION = "Tessaril Setup"
VARIABLES = ("SIGN_PFX", "SIGN_PASSWORD_FILE", "SIGN_URL", "SIGN_TIMESTAMP_URL")
SYSTEM_ROOTS = "/etc/ssl/certs/ca-certificates.crt"
PEM_BLOCK = re.compile(r"-----BEGIN ([A-Z ]+)-----\n.*?-----END \1-----\n", re.S)


class SignError(Exception):
    pass


def request(environ):
    """The publisher's SIGN_* settings, or None for an unsigned release."""
    given = {name: environ.get(name, "") for name in VARIABLES}
    if not given["SIGN_PFX"]:
        stray = [name for name in VARIABLES if given[name]]
        if stray:  # a misspelt SIGN_PFX would otherwise give an unsigned release silently
            raise SignError(f"{stray[0]} is set but SIGN_PFX is not: nothing to sign with")
        return None
    if not given["SIGN_PASSWORD_FILE"]:
        raise SignError("SIGN_PFX needs SIGN_PASSWORD_FILE, the file holding its password")
    base = environ.get("SIGN_BASE_DIR") or os.getcwd()
    for name in ("SIGN_PFX", "SIGN_PASSWORD_FILE"):
        given[name] = os.path.normpath(os.path.join(base, os.path.expanduser(given[name])))
    return given


def run(args, data=None):
    """The tool's exit code, output and error text; input and output stay in memory."""
    try:
        done = subprocess.run(args, input=data, capture_output=True)
    except FileNotFoundError:
        raise SignError(f"{args[0]} is not installed (make setup installs it)") from None
    return done.returncode, done.stdout, done.stderr.decode(errors="replace")


def first_line(text):
    lines = [line.strip() for line in text.splitlines() if line.strip()]
    return lines[0] if lines else "no reason given"


def signing_time(source):
    epoch = os.environ.get("SOURCE_DATE_EPOCH", "")
    if not epoch:
        code, out, _ = run(["git", "-C", source, "log", "-1", "--format=%ct"])
        epoch = out.decode().strip() if code == 0 else ""
    if not epoch.isdigit():
        raise SignError("no signing time: the source is not a git commit and "
                        "SOURCE_DATE_EPOCH is not set")
    return epoch


def read_password(path):
    """As osslsigncode reads it: the whole file less its trailing line ends."""
    try:
        with open(path, "rb") as f:
            password = f.read().rstrip(b"\r\n")
    except OSError as e:
        raise SignError(f"SIGN_PASSWORD_FILE {path}: {e.strerror}") from None
    if b"\n" in password or b"\r" in password:
        raise SignError(f"SIGN_PASSWORD_FILE {path} holds more than one line")
    return password


def open_pfx(path, password):
    """The PEM text of the key and certificates in the PKCS#12 file."""
    try:
        with open(path, "rb"):
            pass
    except OSError as e:
        raise SignError(f"SIGN_PFX {path}: {e.strerror}") from None
    # Certificates exported by older Windows use ciphers that OpenSSL 3 keeps apart.
    for extra in ([], ["-legacy"]):
        code, out, err = run(["openssl", "pkcs12", "-in", path, "-passin", "stdin", "-nodes"]
                             + extra, password + b"\n")
        if code == 0:
            return out.decode()
        if "invalid password" in err:
            raise SignError(f"wrong password for SIGN_PFX {path} (from SIGN_PASSWORD_FILE)")
        if "unsupported" not in err:
            break
    raise SignError(f"SIGN_PFX {path} is not a PKCS#12 file (.p12, .pfx) or is damaged")


def public_key(kind, pem):
    args = ["openssl", "pkey", "-pubout"] if kind == "key" else ["openssl", "x509", "-pubkey",
                                                                  "-noout"]
    code, out, _ = run(args, pem.encode())
    return out if code == 0 else None


def x509(pem, *options):
    code, out, err = run(["openssl", "x509", "-noout", "-nameopt", "oneline", *options],
                         pem.encode())
    if code != 0:
        raise SignError(f"the certificate in SIGN_PFX cannot be read: {first_line(err)}")
    return out.decode()


def certificate_time(text):
    return calendar.timegm(time.strptime(text.strip(), "%b %d %H:%M:%S %Y GMT"))


def signing_certificate(pfx_path, pem):
    """The certificate that goes with the key, as osslsigncode picks it, checked for signing."""
    blocks = [(m.group(1), m.group(0)) for m in PEM_BLOCK.finditer(pem)]
    keys = [text for kind, text in blocks if kind.endswith("PRIVATE KEY")]
    certs = [text for kind, text in blocks if kind == "CERTIFICATE"]
    if not keys:
        raise SignError(f"SIGN_PFX {pfx_path} holds no private key")
    if not certs:
        raise SignError(f"SIGN_PFX {pfx_path} holds no certificate")
    key = public_key("key", keys[0])
    cert = next((c for c in certs if key and public_key("cert", c) == key), None)
    if cert is None:
        subject = x509(certs[0], "-subject").strip().removeprefix("subject=")
        raise SignError(f"the key in SIGN_PFX {pfx_path} does not match its certificate "
                        f"({subject})")

    subject = x509(cert, "-subject").strip().removeprefix("subject=")
    usage = x509(cert, "-ext", "extendedKeyUsage,keyUsage")
    if "Code Signing" not in usage:
        raise SignError(f"the certificate {subject} is not for code signing "
                        "(no Code Signing extended key usage)")
    if "X509v3 Key Usage" in usage and "Digital Signature" not in usage:
        raise SignError(f"the certificate {subject} may not make signatures "
                        "(its key usage lacks Digital Signature)")
    dates = dict(line.split("=", 1) for line in x509(cert, "-dates").splitlines())
    now = time.time()
    if certificate_time(dates["notAfter"]) < now:
        raise SignError(f"the certificate {subject} expired on {dates['notAfter']}")
    if certificate_time(dates["notBefore"]) > now:
        raise SignError(f"the certificate {subject} is not valid before {dates['notBefore']}")
    return cert, certs


def authenticode_digest(data):
    """SHA-256 over the image less its checksum, its certificate-table entry and the table."""
    try:
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError
        optional = pe + 24
        plus = struct.unpack_from("<H", data, optional)[0] == 0x20B
        checksum = optional + 64
        entry = optional + (112 if plus else 96) + 4 * 8
        table = struct.unpack_from("<I", data, entry)[0]
    except (struct.error, ValueError):
        raise SignError("the program is not a Windows executable") from None
    end = table or len(data)
    h = hashlib.sha256()
    h.update(data[:checksum])
    h.update(data[checksum + 4:entry])
    h.update(data[entry + 8:end])
    return h.hexdigest().upper()


def der(pem):
    code, out, _ = run(["openssl", "x509", "-outform", "DER"], pem.encode())
    return out


def verify(signed, unsigned, cert, certs, work):
    """The signature verifies against the publisher's chain, is made with the publisher's
    certificate, and covers exactly the program that was built."""
    anchors = os.path.join(work, "anchors.pem")
    with open(anchors, "w") as f:
        f.write("".join(certs))
        if os.path.exists(SYSTEM_ROOTS):
            with open(SYSTEM_ROOTS) as roots:
                f.write(roots.read())
    args = ["osslsigncode", "verify", "-in", signed, "-CAfile", anchors,
            "-require-leaf-hash", "sha256:" + hashlib.sha256(der(cert)).hexdigest()]
    # Revocation is for players' Windows to ask about; the build may have no network.
    _, usage, _ = run(["osslsigncode", "verify", "--help"])
    if b"-ignore-cdp" in usage:
        args.append("-ignore-cdp")
    code, out, err = run(args)
    report = out.decode(errors="replace")
    if code != 0:
        reasons = re.findall(r"(?:Verify error|^\s*Error): (.*)", report + err, re.M) or [
            "see osslsigncode verify"]
        raise SignError(f"the signed program does not verify: {reasons[0].strip()} (the "
                        f"certificate's chain must reach a root in SIGN_PFX or {SYSTEM_ROOTS})")
    signed_digest = re.search(r"Current message digest\s*:\s*([0-9A-F]+)", report)
    with open(unsigned, "rb") as f:
        built = authenticode_digest(f.read())
    if not signed_digest or signed_digest.group(1) != built:
        raise SignError("the signed program's Authenticode digest is not the built program's")


def sign(exe, source, work, given):
    """Signs EXE into WORK and returns the signed copy's path, checked."""
    when = signing_time(source)
    password = read_password(given["SIGN_PASSWORD_FILE"])
    pem = open_pfx(given["SIGN_PFX"], password)
    cert, certs = signing_certificate(given["SIGN_PFX"], pem)
    signed = os.path.join(work, os.path.basename(exe))
    args = ["osslsigncode", "sign", "-pkcs12", given["SIGN_PFX"],
            "-readpass", given["SIGN_PASSWORD_FILE"], "-h", "sha256", "-n", DESCRIPTION,
            "-time", when]
    if given["SIGN_URL"]:
        args += ["-i", given["SIGN_URL"]]
    if given["SIGN_TIMESTAMP_URL"]:
        args += ["-ts", given["SIGN_TIMESTAMP_URL"]]
    code, out, err = run(args + ["-in", exe, "-out", signed])
    if code != 0:
        raise SignError(f"osslsigncode could not sign: {first_line(err or out.decode())}")
    verify(signed, exe, cert, certs, work)
    return signed
