#!/usr/bin/env bash
# The lines of the last CTest run that nobody would see otherwise, since
# CTest shows a test's output only when it fails: which exe the Wine suite
# ran and why, the version table, the failing disk of the device tests, cases that passed only on their second
# run, and every skip with its reason.
log=${1:-build/native/Testing/Temporary/LastTest.log}
[[ -f $log ]] || { echo "test summary: no $log"; exit 0; }
echo "== what the tests ran"
grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# Which failing disk the device tests had: faultfs, or faultshim without FUSE.
grep -E '^failing disk: ' "$log" | sort -u | sed 's/^/  pieceset device tests: /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     !/^Command: / && /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
exit 0
