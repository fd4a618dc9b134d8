#!/usr/bin/env bash
# readme_examples_test.sh PIECESET README LAUNCHER [MANPAGE]
# Runs the console session under the README's "readme-examples" mark in one
# shell, from a scratch folder laid out as a checkout after make
# (build/native/pieceset, build/win32/launcher.exe), and compares what each
# command prints with the lines quoted after it; the session must leave that
# folder as it found it. Output lines quoted in the manual page's examples
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

mkdir -p "$WORK/run/build/native" "$WORK/run/build/win32" "$WORK/tmp"
ln -s "$PIECESET" "$WORK/run/build/native/pieceset"
cp "$LAUNCHER" "$WORK/run/build/win32/launcher.exe"
cd "$WORK/run" || exit 1

# One shell runs the commands in turn, so that what one sets (PATH, the
# folder) holds for the next; each command's output goes to a file of its own.
commands=()
expected=()
while IFS= read -r line; do
  if [[ $line == '$ '* ]]; then
    commands+=("${line#'$ '}")
    expected+=("")
  elif [[ ${#commands[@]} -gt 0 ]]; then
    last=$((${#commands[@]} - 1))
    expected[last]+="${expected[last]:+$'\n'}$line"
  fi
done <<<"$session"
[[ ${#commands[@]} -ge 5 ]] || fail "only ${#commands[@]} commands in the session"
for i in "${!commands[@]}"; do
  printf 'exec >%q 2>&1\n%s\n' "$WORK/out.$i" "${commands[i]}"
done >"$WORK/session.sh"
TMPDIR=$WORK/tmp bash "$WORK/session.sh"

all_output=""
for i in "${!commands[@]}"; do
  got=$(cat "$WORK/out.$i" 2>/dev/null)
  all_output+="$got"$'\n'
  if [[ "$got" != "${expected[i]}" ]]; then
    fail "\$ ${commands[i]}"
    diff <(printf '%s\n' "${expected[i]}") <(printf '%s\n' "$got") | sed 's/^/  | /' >&2
  fi
done
left=$(find . -mindepth 1 -maxdepth 1 ! -name build)
[[ -z $left ]] || fail "the session left files where it began: $(tr '\n' ' ' <<<"$left")"

if [[ -n $MANPAGE ]]; then
  # The manual's example outputs: lines of .EX blocks that are no command.
  while IFS= read -r line; do
    grep -qxF -- "$line" <<<"$all_output" || fail "$MANPAGE quotes a line no run printed: $line"
  done < <(awk '/^\.EX/ {inside = 1; next} /^\.EE/ {inside = 0} inside' "$MANPAGE" |
             sed -e 's/\\-/-/g' -e 's/\\e/\\/g' -e 's/\\(aq/'"'"'/g' |
             grep -E '^verdict: |: (ok|BAD|MISSING|ignored), |: name "|: not made by pieceset|: [0-9]+ pieces? of "')
fi

report "readme examples"
echo "readme examples: ${#commands[@]} commands, output as quoted"
