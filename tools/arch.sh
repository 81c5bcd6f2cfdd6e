#!/usr/bin/env bash
# Which of the two builds this host can run, and the sentence that says so.
#   arch.sh host          prints yes when this host runs 32-bit code, no when it does not
#   arch.sh choose [ARCH] prints the build to use: ARCH when given, else x86 where 32-bit code
#                         runs and x64 where it does not; fails with a sentence when ARCH=x86
#                         cannot run here
#   arch.sh say VERB ARCH prints which program VERB ("testing", "running") uses
# TESSARIL_HOST_RUNS_32BIT=yes|no stands in for the probe (to try the other kind of host).
set -euo pipefail

host_runs_32bit() {
  case "${TESSARIL_HOST_RUNS_32BIT:-}" in
    yes) return 0 ;;
    no) return 1 ;;
  esac
  # Wine's own 32-bit loader where it is installed; before that, the smallest i386 program
  # (an ELF whose code is exit(0)). Kernels without IA-32 emulation refuse both with ENOEXEC.
  if [ -x /usr/lib/wine/wine ]; then
    /usr/lib/wine/wine --version >/dev/null 2>&1
    return
  fi
  local probe status=0
  probe=$(mktemp "${TMPDIR:-/tmp}/tessaril-i386.XXXXXX")
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$probe"
  printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' >>"$probe"
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' >>"$probe"
  printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' >>"$probe"
  printf '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$probe"
  printf '\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >>"$probe"
  chmod +x "$probe"
  "$probe" >/dev/null 2>&1 || status=$?
  rm -f "$probe"
  return $status
}

case "${1:-}" in
  host)
    if host_runs_32bit; then echo yes; else echo no; fi
    ;;
  choose)
    case "${2:-}" in
      '')
        if host_runs_32bit; then echo x86; else echo x64; fi
        ;;
      x64) echo x64 ;;
      x86)
        if ! host_runs_32bit; then
          echo "this host runs no 32-bit code: ARCH=x86 cannot run here (use ARCH=x64, or leave ARCH unset)" >&2
          exit 1
        fi
        echo x86
        ;;
      *)
        echo "arch: ARCH is x86 or x64, not '$2'" >&2
        exit 2
        ;;
    esac
    ;;
  say)
    verb=$2
    if [ "$3" = x86 ]; then
      echo "$verb the 32-bit program"
    elif host_runs_32bit; then
      echo "$verb the 64-bit program"
    else
      echo "this host runs no 32-bit code: $verb the 64-bit program"
    fi
    ;;
  *)
    echo "usage: arch.sh host | choose [ARCH] | say VERB ARCH" >&2
    exit 2
    ;;
esac
