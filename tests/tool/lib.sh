# Shared by the shell tests of pieceset: a work folder of their own, failures
# counted rather than fatal, and the checks they all make. Sourced after the
# script has set CASE; run_case runs case_$CASE and reports.

TESTS=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pieceset-test.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
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

run_case() {
  "case_$CASE"
  if [[ $failures -ne 0 ]]; then
    echo "$CASE: $failures failure(s)" >&2
    exit 1
  fi
  echo "$CASE: ok"
}
