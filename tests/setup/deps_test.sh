#!/usr/bin/env bash
# scripts/deps.sh against stand-ins for apt-get, dpkg-query, dpkg and clang on
# PATH, so that its decisions are tested without the network:
#   half_synced    one index fails and the install resolves only with the
#                  release's own suite preferred: a warning, then done
#   broken         every attempt fails: a clear error naming the packages
#   all_installed  nothing to do: no apt-get at all
# Usage: deps_test.sh SCRIPT CASE
set -uo pipefail
script=$(realpath "$1")
case_name=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin=$work/bin
mkdir -p "$bin"
calls=$work/calls
installed=$work/installed
: >"$calls"
: >"$installed"

# The release the script must prefer, read from the os-release it is given.
printf 'ID=debian\nVERSION_CODENAME=trixie\n' >"$work/os-release"

cat >"$bin/dpkg-query" <<STUB
#!/usr/bin/env bash
# dpkg-query -W -f='\${Status}' PACKAGE
pkg=\${@: -1}
if grep -qxF "\$pkg" "$installed"; then printf 'install ok installed'; exit 0; fi
echo "dpkg-query: no packages found matching \$pkg" >&2
exit 1
STUB

cat >"$bin/dpkg" <<STUB
#!/usr/bin/env bash
echo "dpkg \$*" >>"$calls"
[[ "\$1" == --print-foreign-architectures ]] && echo i386
exit 0
STUB

# A clang that answers only once it is installed, as on a fresh machine.
cat >"$bin/clang" <<STUB
#!/usr/bin/env bash
grep -qx clang "$installed" || { echo "clang: not installed" >&2; exit 127; }
[[ "\$1" == -dumpversion ]] && echo 16.0.6
exit 0
STUB

# Root, whoever runs the test.
cat >"$bin/id" <<'STUB'
#!/usr/bin/env bash
[[ "$1" == -u ]] && { echo 0; exit 0; }
exec /usr/bin/id "$@"
STUB

# Retries need not wait here.
printf '#!/bin/sh\nexit 0\n' >"$bin/sleep"

cat >"$bin/apt-get" <<STUB
#!/usr/bin/env bash
echo "apt-get \$*" >>"$calls"
mode=\$(cat "$work/mode")
args=("\$@")
if [[ " \$* " == *" update "* ]]; then
  echo "Get:1 http://example.invalid/debian trixie InRelease [151 kB]"
  echo "Err:6 http://example.invalid/debian-security trixie-security/main i386 Packages"
  echo "  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]"
  echo "E: Failed to fetch http://example.invalid/debian-security/dists/trixie-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]" >&2
  echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
  exit 100
fi
if [[ " \$* " == *" install "* ]]; then
  if [[ \$mode == half_synced && " \$* " == *" -t trixie "* ]]; then
    for a in "\${args[@]}"; do [[ \$a == -* || \$a == install || \$a == trixie ]] || echo "\$a" >>"$installed"; done
    exit 0
  fi
  echo "Some packages could not be installed."
  echo " wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
  echo "E: Unable to correct problems, you have held broken packages." >&2
  exit 100
fi
exit 0
STUB
chmod +x "$bin"/*

fail() { echo "FAIL [$case_name]: $*"; echo "--- output:"; cat "$work/out"; echo "--- calls:"; cat "$calls"; exit 1; }
expect_in() { grep -qF -- "$2" "$1" || fail "expected in $(basename "$1"): $2"; }
expect_not_in() { ! grep -qF -- "$2" "$1" || fail "not expected in $(basename "$1"): $2"; }

run_deps() {
  echo "$1" >"$work/mode"
  shift
  PATH="$bin:$PATH" DEPS_OS_RELEASE="$work/os-release" bash "$script" "$@" >"$work/out" 2>&1
}

case $case_name in
half_synced)
  run_deps half_synced; rc=$?
  [[ $rc -eq 0 ]] || fail "exit code $rc, expected 0"
  expect_in "$work/out" "warning: a package index could not be fetched, going on without it: http://example.invalid/debian-security/dists/trixie-security/main/binary-i386/Packages.xz"
  expect_in "$work/out" "trying again preferring trixie's own packages"
  expect_in "$calls" "apt-get update"
  # Three tries of the update, then the plain install, then the release's.
  [[ $(grep -c '^apt-get .*update' "$calls") -eq 3 ]] || fail "the update was not tried 3 times"
  expect_in "$calls" "apt-get install -y -q -t trixie"
  expect_in "$installed" "wine32:i386"
  # The clang runtime follows the clang that the install brought.
  expect_in "$calls" "install -y -q libclang-rt-16-dev"
  expect_not_in "$calls" "libclang-rt-14-dev"
  ;;
broken)
  run_deps broken; rc=$?
  [[ $rc -ne 0 ]] || fail "exit code 0 although nothing could be installed"
  expect_in "$work/out" "deps: could not install: cmake make g++"
  expect_in "$work/out" "wine32:i386"
  expect_in "$work/out" "E: Unable to correct problems, you have held broken packages."
  expect_in "$calls" "apt-get install -y -q -t trixie"
  ;;
all_installed)
  for p in $(sed -n '/^packages=(/,/^)/p' "$script" | sed '1d;$d'); do echo "$p" >>"$installed"; done
  echo libclang-rt-16-dev >>"$installed"
  run_deps all_installed --if-missing; rc=$?
  [[ $rc -eq 0 ]] || fail "exit code $rc, expected 0"
  [[ ! -s "$work/out" ]] || fail "--if-missing printed something with everything installed"
  [[ ! -s "$calls" ]] || fail "something was run although everything is installed"
  # Without the clang runtime of the installed clang, it is missing.
  sed -i '/^libclang-rt-16-dev$/d' "$installed"
  echo libclang-rt-14-dev >>"$installed"
  run_deps half_synced --if-missing
  expect_in "$calls" "libclang-rt-16-dev"
  ;;
*)
  echo "unknown case $case_name"; exit 2 ;;
esac
echo "ok [$case_name]"
