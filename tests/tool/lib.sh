# Shared by the shell tests of pieceset: their arguments, a work folder of
# their own, failures counted rather than fatal, and the checks they all make.
# A driver begins with
#   source "$(dirname "$0")/lib.sh" NAME... "[NAME]" -- "$@"
# which sets each NAME to its argument in turn (a bracketed one may be left
# off) and goes into the work folder; a driver of cases ends with run_case,
# which runs case_$CASE. A function cleanup, if the driver has one, runs on
# exit before the work folder goes.
set -u

names=()
while [[ $1 != -- ]]; do names+=("$1"); shift; done
shift
if [[ $# -gt ${#names[@]} || $# -lt $(printf '%s\n' "${names[@]}" | grep -vc '^\[') ]]; then
  echo "usage: $(basename "$0") ${names[*]}" >&2
  exit 2
fi
for name in "${names[@]}"; do
  name=${name#[} && name=${name%]}
  printf -v "$name" %s "${1-}"
  shift
done
unset names name

TESTS=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Where the driver was started, for arguments given relative to it.
ORIGIN=$PWD
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pieceset-test.XXXXXX")
on_exit() {
  if declare -F cleanup >/dev/null; then cleanup; fi
  cd / && rm -rf "$WORK"
}
trap on_exit EXIT
cd "$WORK" || exit 1
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_status WANT command...: runs it, keeps stdout/stderr in out.txt/err.txt
expect_status() {
  local want=$1
  shift
  "$@" >out.txt 2>err.txt
  local got=$?
  if [[ $got -ne $want ]]; then
    fail "exit $got (wanted $want): $*"
    sed 's/^/  | /' out.txt err.txt >&2
  fi
}

expect_in() {  # expect_in FILE TEXT
  grep -qF -- "$2" "$1" || { fail "$1 lacks '$2'"; sed 's/^/  | /' "$1" >&2; }
}

# seeded_file NAME BYTES: data from a fixed seed (the name), so that a failure
# repeats; a name makes the same bytes in every test
seeded_file() {
  python3 "$TESTS/lib/seeded.py" "$1" "$2" >"$1"
}

flip_byte() {  # flip_byte FILE OFFSET: the byte there with every bit inverted
  local byte
  byte=$(od -An -tu1 -j "$2" -N1 "$1" | tr -d ' ')
  printf "\\$(printf '%03o' $((255 - byte)))" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

report() {  # report WHAT: exits 1 if anything failed
  if [[ $failures -ne 0 ]]; then
    echo "$1: $failures failure(s)" >&2
    exit 1
  fi
}

run_case() {
  "case_$CASE"
  report "$CASE"
  echo "$CASE: ok"
}
