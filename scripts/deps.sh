#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need.
#   deps.sh               install whatever is missing (as root)
#   deps.sh --if-missing  the same, but quietly do nothing when all is there
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev libgmock-dev
  mingw-w64
  wine wine64 wine32:i386 xvfb xdotool x11-apps imagemagick
  mtools libcli11-dev libssl-dev python3 python3-pefile
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  [[ "${1:-}" == "--if-missing" ]] || echo "deps: everything is installed"
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "deps: missing packages (run 'make deps' as root): ${missing[*]}" >&2
  exit 1
fi

echo "deps: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q "${missing[@]}"
