# Shared by the shell tests of pieceset: a work folder of their own, failures
# counted rather than fatal, and the checks they all make. Sourced after the
# script has set CASE; run_case runs case_$CASE and reports.

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

run_case() {
  "case_$CASE"
  if [[ $failures -ne 0 ]]; then
    echo "$CASE: $failures failure(s)" >&2
    exit 1
  fi
  echo "$CASE: ok"
}
