#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need.
#   deps.sh               install whatever is missing (as root)
#   deps.sh --if-missing  the same, but quietly do nothing when all is there
#
# A package registry that is half up to date is common: one index fails to
# download, and multi-arch libraries then cannot be matched between amd64 and
# i386. Neither ends the set-up: a failed index is a warning, and an install
# that cannot be resolved is tried once more preferring the release's own suite.
set -uo pipefail

quiet=0
[[ "${1:-}" == "--if-missing" ]] && quiet=1
os_release=${DEPS_OS_RELEASE:-/etc/os-release}

packages=(
  cmake make g++ pkgconf googletest libgtest-dev libgmock-dev
  mingw-w64
  wine wine64 wine32:i386 fonts-wine xvfb xdotool x11-apps imagemagick
  mtools xorriso nsis libcli11-dev libssl-dev libisal-dev libtsk-dev python3 python3-pefile
  mandoc groff-base man-db lintian dpkg-dev file bash-completion openssl procps time
  libfuse3-dev fuse3 gddrescue
  clang
)

# The sanitizer and fuzzer runtime must match the clang that compiles; known
# only once clang is there.
clang_rt_package() {
  local major
  major=$(clang -dumpversion 2>/dev/null | cut -d. -f1)
  [[ -n "$major" ]] && echo "libclang-rt-$major-dev"
}

missing_of() {
  local p status
  for p in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || echo "$p"
  done
}

say() { echo "deps: $*"; }
fail() { echo "deps: $*" >&2; exit 1; }

# Fetches the package lists; a transient failure is retried, a lasting one
# is reported index by index and the set-up goes on with what was fetched.
update_indexes() {
  local log attempt
  log=$(mktemp)
  for attempt in 1 2 3; do
    if apt-get update -q -o Acquire::Retries=3 >"$log" 2>&1; then
      rm -f "$log"
      return 0
    fi
    grep -q '^E: Failed to fetch\|^Err:' "$log" || break
    [[ $attempt -lt 3 ]] && sleep $((attempt * 2))
  done
  local failed
  failed=$(sed -n 's/^E: Failed to fetch \([^ ]*\) *\(.*\)/\1 (\2)/p' "$log")
  if [[ -n "$failed" ]]; then
    while IFS= read -r line; do
      echo "deps: warning: a package index could not be fetched, going on without it: $line" >&2
    done <<<"$failed"
  else
    echo "deps: warning: apt-get update failed, going on with the lists at hand:" >&2
    grep '^[EW]:' "$log" | sed 's/^/deps:   /' >&2
  fi
  rm -f "$log"
  return 0
}

# Installs the given packages; on a failure to resolve, once more with the
# release's own suite preferred.
install_packages() {
  local log codename
  log=$(mktemp)
  say "installing $*"
  if apt-get install -y -q "$@" >"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  codename=$(. "$os_release" 2>/dev/null && echo "${VERSION_CODENAME:-}")
  if [[ -n "$codename" ]]; then
    say "the install could not be resolved; trying again preferring $codename's own packages:"
    grep '^E:' "$log" | sed 's/^/deps:   /'
    if apt-get install -y -q -t "$codename" "$@" >"$log" 2>&1; then
      rm -f "$log"
      return 0
    fi
  fi
  local left
  left=$(missing_of "$@" | tr '\n' ' ')
  echo "deps: could not install: ${left:-$*}" >&2
  echo "deps: apt-get said:" >&2
  grep -E '^(E:| [^ ].*: Depends)' "$log" | sed 's/^/deps:   /' >&2
  rm -f "$log"
  exit 1
}

rt=""
command -v clang >/dev/null 2>&1 && rt=$(clang_rt_package)
mapfile -t missing < <(missing_of "${packages[@]}" $rt)

if [[ ${#missing[@]} -eq 0 ]]; then
  [[ $quiet -eq 1 ]] || say "everything is installed"
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  fail "missing packages (run 'make deps' as root): ${missing[*]}"
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386 || fail "dpkg --add-architecture i386 failed"
fi
export DEBIAN_FRONTEND=noninteractive
update_indexes
install_packages "${missing[@]}"

if [[ -z "$rt" ]]; then
  rt=$(clang_rt_package) || fail "clang is not runnable after the install"
  mapfile -t missing < <(missing_of "$rt")
  [[ ${#missing[@]} -eq 0 ]] || install_packages "$rt"
fi
say "done"
