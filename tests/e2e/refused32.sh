#!/usr/bin/env bash
# Runs the command given (the Wine suite) in a private mount namespace where
# Wine's 32-bit loader is replaced by a file the kernel will not execute, as
# on a kernel that refuses 32-bit programs. Exit 77 (skipped) only where the
# namespace cannot be made; the reason is printed.
set -euo pipefail
loader=/usr/lib/wine/wine

if [[ $(id -u) -ne 0 ]]; then
  echo "e2e: skipped: a private mount namespace needs root (running as uid $(id -u))"
  exit 77
fi
if [[ ! -e $loader ]]; then
  echo "e2e: FAILED: $loader is not installed (make deps)"
  exit 1
fi
if ! why=$(unshare -m true 2>&1); then
  echo "e2e: skipped: unshare -m cannot make a mount namespace here: $why"
  exit 77
fi

# Not an ELF, and binary, so that no shell takes it for a script either.
fake=$(mktemp)
trap 'rm -f "$fake"' EXIT
printf '\0\0\0\0not an executable\0' >"$fake"
chmod 755 "$fake"

# The bind mount lives and dies with the namespace: nothing outside sees it.
unshare -m --propagation private bash -c '
  set -e
  mount --bind "$1" "$2"
  shift 2
  if "'"$loader"'" --version >/dev/null 2>&1; then
    echo "e2e: FAILED: the 32-bit loader still runs inside the namespace"
    exit 1
  fi
  echo "e2e: inside a mount namespace where '"$loader"' fails with \"Exec format error\""
  exec "$@"
' refused32 "$fake" "$loader" "$@"
