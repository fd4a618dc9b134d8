#!/usr/bin/env bash
# readme_examples_test.sh PIECESET README LAUNCHER [MANPAGE]
# Runs the console session under the README's "readme-examples" mark, in a
# scratch folder with `pieceset` on PATH and the launcher at
# build/win32/launcher.exe, and compares what each command prints with the
# lines quoted after it. Output lines quoted in the manual page's examples
# must be among them too, so that neither copy drifts from a real run.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh" PIECESET README LAUNCHER "[MANPAGE]" -- "$@"
# The session runs elsewhere, so the paths are taken whole from where it began.
for name in PIECESET README LAUNCHER MANPAGE; do
  printf -v "$name" %s "${!name:+$(cd "$ORIGIN" && readlink -f "${!name}")}"
done

[[ -f $LAUNCHER ]] || { echo "FAIL: no launcher at $LAUNCHER (build the win32 tree first)" >&2; exit 1; }
session=$(awk '/<!-- readme-examples -->/ {mark = 1; next}
               mark && /^```/ {if (inside) exit; inside = 1; next}
               inside {print}' "$README")
[[ -n $session ]] || { echo "FAIL: no session under <!-- readme-examples --> in $README" >&2; exit 1; }

mkdir -p "$WORK/bin" "$WORK/run/build/win32"
ln -s "$PIECESET" "$WORK/bin/pieceset"
cp "$LAUNCHER" "$WORK/run/build/win32/launcher.exe"
cd "$WORK/run" || exit 1

commands=0
all_output=""
command=""
expected=""
check() {
  [[ -z $command ]] && return
  commands=$((commands + 1))
  local got
  got=$(PATH="$WORK/bin:$PATH" bash -c "$command" 2>&1)
  all_output+="$got"$'\n'
  if [[ "$got" != "$expected" ]]; then
    fail "\$ $command"
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$got") | sed 's/^/  | /' >&2
  fi
}
while IFS= read -r line; do
  if [[ $line == '$ '* ]]; then
    check
    command=${line#'$ '}
    expected=""
  else
    expected+="${expected:+$'\n'}$line"
  fi
done <<<"$session"
check
[[ $commands -ge 5 ]] || fail "only $commands commands in the session"

if [[ -n $MANPAGE ]]; then
  # The manual's example outputs: lines of .EX blocks that are no command.
  while IFS= read -r line; do
    grep -qxF -- "$line" <<<"$all_output" || fail "$MANPAGE quotes a line no run printed: $line"
  done < <(awk '/^\.EX/ {inside = 1; next} /^\.EE/ {inside = 0} inside' "$MANPAGE" |
             sed -e 's/\\-/-/g' -e 's/\\e/\\/g' -e 's/\\(aq/'"'"'/g' |
             grep -E '^verdict: |: (ok|BAD|MISSING|ignored), |: name "|: not made by pieceset|: [0-9]+ pieces? of "')
fi

report "readme examples"
echo "readme examples: $commands commands, output as quoted"
