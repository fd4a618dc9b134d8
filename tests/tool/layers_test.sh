#!/usr/bin/env bash
# The tool's folders are its layers: a file includes only its own folder and
# the folders below it, no two files include each other, and nothing but
# main.cpp lies outside them. layers_test.sh TOOL_SOURCE_DIR
set -u
cd "$1" || exit 1
layers=(base format disk recovery set commands)
failures=0
declare -A depends
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

rank() {  # rank FOLDER: its place in the list, or nothing
  local i
  for i in "${!layers[@]}"; do [[ ${layers[$i]} == "$1" ]] && echo "$i"; done
}

for file in $(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort); do
  folder=${file%%/*}
  if [[ $file == */* ]]; then
    mine=$(rank "$folder")
    [[ -n $mine ]] || { fail "$file lies in $folder/, which is no layer"; continue; }
  elif [[ $file != main.cpp ]]; then
    fail "$file lies outside the layer folders"
    continue
  else
    mine=${#layers[@]}
  fi
  while read -r included; do
    target=${included%%/*}
    # The launcher's own definition of a piece, which the format layer reads.
    [[ $included == assembly/piece.h && $folder == format ]] && continue
    theirs=$(rank "$target")
    if [[ -z $theirs ]]; then
      fail "$file includes \"$included\", in no layer"
    elif ((theirs > mine)); then
      fail "$file includes \"$included\": $target/ lies above $folder/"
    fi
    # A module depends on another when any of its files includes the other's header.
    [[ ${included%.h} != "${file%.*}" ]] && depends["${file%.*} ${included%.h}"]=1
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done

for pair in "${!depends[@]}"; do
  read -r a b <<<"$pair"
  [[ $a < $b && -n ${depends["$b $a"]:-} ]] && fail "$a and $b include each other"
done

if ((failures > 0)); then
  echo "layers: $failures failure(s)" >&2
  exit 1
fi
echo "layers: ok"
