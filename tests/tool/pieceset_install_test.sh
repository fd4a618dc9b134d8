#!/usr/bin/env bash
# pieceset as installed: pieceset_install_test.sh PIECESET SOURCE_DIR BUILD_DIR CASE
#   manpage     the manual is clean for mandoc, groff and man, and names every option
#   completion  the bash completion offers every command, option and preset
#   install     cmake --install under DESTDIR, the installed tool and the manual's examples run from there
#   package     the Debian package: its fields and files, lintian, the unpacked tool run
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh" PIECESET SOURCE BUILD CASE -- "$@"

# A tool the case cannot do without: its absence is a failure, not a skip.
need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (make deps)" >&2; exit 1; }
  done
}

expect_empty() {  # expect_empty WHAT FILE
  [[ ! -s "$2" ]] || { fail "$1 complained:"; sed 's/^/  | /' "$2" >&2; }
}

# Every option the tool's --help lists, for the tool and for each command.
all_options() {
  local command
  for command in "" cut verify show join repair write rescue; do
    options_of "$command"
  done | sort -u
}
options_of() {  # options_of COMMAND
  # shellcheck disable=SC2086
  "$PIECESET" $1 --help | sed -n '/^Options:/,/^$/p' | grep -E '^ +-' |
    sed -E 's/^ +//; s/ .*//' | tr ',' '\n'
}

# mode_of LISTING PATH: the mode and owner dpkg-deb -c gives for PATH
mode_of() {
  awk -v path="$2" '$6 == path { print $1, $2 }' "$1"
}

# run_installed ROOT BIN: the installed tool cuts with its own launcher, and
# the set verifies and joins back into the installer
run_installed() {
  local bin=$1 launcher=$2
  rm -rf set joined.exe setup.exe other.exe
  seeded_file setup.exe 1600000
  expect_status 0 "$bin" --version
  expect_in out.txt "pieceset $("$PIECESET" --version | sed -E 's/^pieceset ([^ ]+).*/\1/')"
  expect_status 0 "$bin" cut setup.exe --name "Installed App" --media 1.44M --with-launcher --images -o set
  expect_in out.txt "2 pieces"
  cmp -s set/disk1/SETUP.EXE "$launcher" || fail "--with-launcher did not put $launcher on disk 1"
  [[ -f set/disk1.img && -f set/disk2.img ]] || fail "no images disk1.img, disk2.img"
  expect_status 0 "$bin" verify set/disk2.img set/disk1.img
  expect_in out.txt "verdict: good set"
  expect_status 0 "$bin" join set -o joined.exe
  cmp -s setup.exe joined.exe || fail "the joined installer differs from setup.exe"

  # --launcher FILE still wins over the installed one
  printf 'MZ another launcher' >other.exe
  expect_status 0 "$bin" cut setup.exe --name "Installed App" --media 1.44M --with-launcher \
    --launcher other.exe --flat --force -o set
  cmp -s set/SETUP.EXE other.exe || fail "--launcher did not override --with-launcher"
}

# The manual's first example block as a transcript: "$ " command lines (a
# trailing "\" continues one) and what they print.
manual_transcript() {
  awk '/^\.SH EXAMPLES/ { section = 1 } section && /^\.EE/ { exit }
       section && shown { print } section && /^\.EX/ { shown = 1 }' "$SOURCE/docs/pieceset.1" |
    sed 's/\\-/-/g; s/\\e/\\/g'
}

# run_transcript FILE: the same transcript with what its commands print here
run_transcript() {
  local line command=""
  while IFS= read -r line; do
    [[ -z $command && $line != '$ '* ]] && continue
    echo "$line"
    command+="${line#'$ '}"$'\n'
    [[ $line == *'\' ]] && continue
    bash -c "$command" 2>&1
    command=""
  done <"$1"
}

case_manpage() {
  need mandoc groff man
  local page=$SOURCE/docs/pieceset.1
  mandoc -T lint "$page" >lint.txt 2>&1
  expect_empty "mandoc -T lint" lint.txt
  groff -ww -t -man -z "$page" >groff.txt 2>&1
  expect_empty "groff -ww" groff.txt
  MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>man.txt >/dev/null
  expect_empty "man --warnings" man.txt

  MANWIDTH=80 mandoc -T utf8 "$page" | sed $'s/.\x08//g' >page.txt
  local section
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS MEDIA "PIECE FORMAT" "EXIT STATUS" ENVIRONMENT \
    FILES EXAMPLES; do
    grep -qx "$section" page.txt || fail "the manual has no $section section"
  done
  local command
  for command in cut verify show join write rescue; do
    sed -n '/^DESCRIPTION$/,/^OPTIONS$/p' page.txt | grep -qx "   $command" ||
      fail "DESCRIPTION has no part for $command"
  done
  local preset
  for preset in 360K 720K 1.2M 1.44M 2.88M 100M 250M 650M 700M; do
    sed -n '/^MEDIA$/,/^PIECE FORMAT$/p' page.txt | grep -qE "^ +$preset " ||
      fail "MEDIA lacks $preset"
  done
  grep -qF "/usr/share/kqlauncher/launcher.exe" page.txt || fail "FILES does not name the launcher"

  # The tool and its manual must not drift apart: every option it takes is
  # documented among the OPTIONS.
  sed -n '/^OPTIONS$/,/^MEDIA$/p' page.txt >options.txt
  local option
  for option in $(all_options); do
    grep -qE -- "(^|[^-[:alnum:]])$option($|[^-[:alnum:]])" options.txt ||
      fail "OPTIONS does not document $option"
  done
  [[ $(all_options | wc -l) -ge 14 ]] || fail "only $(all_options | wc -l) options read from --help"
}

# complete WORD...: what the completion offers for the last WORD, one a line
complete_words() {
  bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$0"
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    _pieceset pieceset "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
    printf "%s\n" "${COMPREPLY[@]}"
  ' "$SOURCE/packaging/pieceset.bash" "$@" | sort
}

case_completion() {
  [[ -f /usr/share/bash-completion/bash_completion ]] ||
    { echo "FAIL: bash-completion is not installed (make deps)" >&2; exit 1; }
  [[ "$(complete_words pieceset '' | tr '\n' ' ')" == "cut join repair rescue show verify write " ]] ||
    fail "commands offered: $(complete_words pieceset '' | tr '\n' ' ')"
  [[ "$(complete_words pieceset cut setup.exe --media 1.4 | tr '\n' ' ')" == "1.44M " ]] ||
    fail "--media 1.4 offers: $(complete_words pieceset cut setup.exe --media 1.4 | tr '\n' ' ')"
  [[ $(complete_words pieceset cut --first-media '' | wc -l) -eq 9 ]] ||
    fail "--first-media does not offer the 9 presets"

  local command option
  for command in "" cut verify show join repair write rescue; do
    for option in $(options_of "$command"); do
      # shellcheck disable=SC2086
      complete_words pieceset $command "${option:0:2}" | grep -qx -- "$option" ||
        fail "the completion of 'pieceset $command -' lacks $option"
    done
  done
  complete_words pieceset join set -- | grep -qx -- "--media" && fail "join is offered cut's --media"

  mkdir -p dist/disk1 && : >dist/setup.exe
  [[ "$(complete_words pieceset verify dist/ | tr '\n' ' ')" == "dist/disk1 dist/setup.exe " ]] ||
    fail "verify dist/ offers: $(complete_words pieceset verify dist/ | tr '\n' ' ')"
}

case_install() {
  need cmake
  # An installer's umask of 002 must not make group-writable folders.
  expect_status 0 bash -c "umask 002 && DESTDIR='$WORK/dest' cmake --install '$BUILD' --prefix /opt/kq"
  local root=$WORK/dest/opt/kq path want
  for want in "bin/pieceset 755" "share/kqlauncher/launcher.exe 644" "share/kqlauncher/repair.exe 644" "share/man/man1/pieceset.1 644" \
    "share/bash-completion/completions/pieceset 644"; do
    path=${want% *}
    [[ -f "$root/$path" ]] || { fail "not installed: $path"; continue; }
    [[ $(stat -c %a "$root/$path") == "${want#* }" ]] ||
      fail "$path installed with mode $(stat -c %a "$root/$path"), not ${want#* }"
  done
  cmp -s "$root/share/man/man1/pieceset.1" "$SOURCE/docs/pieceset.1" || fail "the installed manual differs"
  file "$root/bin/pieceset" | grep -q ', stripped' || fail "the installed pieceset is not stripped"
  grep -qF "$SOURCE" "$root/bin/pieceset" && fail "the installed pieceset holds the path $SOURCE"
  grep -qF "$BUILD" "$root/bin/pieceset" && fail "the installed pieceset holds the path $BUILD"
  [[ $(find "$WORK/dest" -type d ! -perm 755 | wc -l) -eq 0 ]] ||
    fail "folders not 0755: $(find "$WORK/dest" -type d ! -perm 755)"
  run_installed "$root/bin/pieceset" "$root/share/kqlauncher/launcher.exe"

  # The manual's examples, run with the installed tool, print what it shows.
  manual_transcript >manual.txt
  [[ $(grep -c '^\$ ' manual.txt) -ge 5 ]] || fail "the manual's first example holds no commands"
  mkdir examples && (cd examples && PATH=$root/bin:$PATH run_transcript ../manual.txt >../ran.txt)
  diff manual.txt ran.txt >examples.diff || { fail "the manual's examples print otherwise:"; sed 's/^/  | /' examples.diff >&2; }

  # make uninstall takes away what the manifest lists, and the folder it made.
  expect_status 0 make -s -C "$SOURCE" uninstall NATIVE="$BUILD" DESTDIR="$WORK/dest" PREFIX=/opt/kq
  [[ -z $(find "$WORK/dest" -type f) && ! -e $root/share/kqlauncher ]] ||
    fail "make uninstall left $(find "$WORK/dest" -type f -o -name kqlauncher | tr '\n' ' ')"

  # A tree whose launcher was never built installs nothing and says why.
  expect_status 0 cmake -S "$SOURCE" -B "$WORK/bare" -DLAUNCHER_EXE="$WORK/nowhere/launcher.exe"
  expect_status 1 env DESTDIR="$WORK/bare-dest" cmake --install "$WORK/bare" --prefix /usr
  # CMake wraps its messages; the words count, not where the lines break.
  tr -s ' \n' ' ' <err.txt >err-joined.txt
  expect_in err-joined.txt "$WORK/nowhere/launcher.exe is missing"
  [[ ! -e "$WORK/bare-dest" ]] || fail "a failed install left $(find "$WORK/bare-dest" -type f)"
}

case_package() {
  need cpack dpkg-deb lintian file
  # Folders as a umask of 002 makes them must still be 0755 in the package.
  expect_status 0 bash -c "umask 002 && cpack --config '$BUILD/CPackConfig.cmake' -B '$WORK/pkg'"
  local deb
  deb=$(ls "$WORK"/pkg/pieceset_*.deb 2>/dev/null)
  [[ -f "$deb" ]] || { fail "cpack made no pieceset_*.deb"; exit 1; }

  local version
  version=$("$PIECESET" --version | sed -E 's/^pieceset ([^ ]+).*/\1/')
  [[ $(basename "$deb") == "pieceset_${version}-1_$(dpkg --print-architecture).deb" ]] ||
    fail "package file $(basename "$deb")"
  [[ $(dpkg-deb -f "$deb" Version) == "$version-1" ]] || fail "Version: $(dpkg-deb -f "$deb" Version)"
  dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed -E 's/^ +//; s/ .*//' >depends.txt
  for want in libc6 libssl3 libstdc++6; do
    grep -qxF "$want" depends.txt || fail "Depends lacks $want: $(dpkg-deb -f "$deb" Depends)"
  done
  [[ $(dpkg-deb -f "$deb" Recommends) == "mtools, xorriso" ]] ||
    fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"
  [[ $(dpkg-deb -f "$deb" Section) == utils ]] || fail "Section: $(dpkg-deb -f "$deb" Section)"

  dpkg-deb -c "$deb" >listing.txt
  for want in "./usr/bin/pieceset -rwxr-xr-x" "./usr/share/kqlauncher/launcher.exe -rw-r--r--" \
    "./usr/share/kqlauncher/repair.exe -rw-r--r--" \
    "./usr/share/man/man1/pieceset.1.gz -rw-r--r--" \
    "./usr/share/bash-completion/completions/pieceset -rw-r--r--" \
    "./usr/share/doc/pieceset/copyright -rw-r--r--" \
    "./usr/share/doc/pieceset/changelog.Debian.gz -rw-r--r--"; do
    [[ $(mode_of listing.txt "${want% *}") == "${want#* } root/root" ]] ||
      fail "${want% *}: '$(mode_of listing.txt "${want% *}")', not '${want#* } root/root'"
  done
  awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print }' listing.txt >dirs.txt
  expect_empty "folder modes" dirs.txt
  grep -q 'usr/share/man/man1/pieceset\.1$' listing.txt && fail "the manual is not compressed"

  dpkg-deb -x "$deb" root
  file root/usr/bin/pieceset | grep -q ', stripped' || fail "pieceset is not stripped: $(file root/usr/bin/pieceset)"
  zcat root/usr/share/man/man1/pieceset.1.gz | cmp -s - "$SOURCE/docs/pieceset.1" ||
    fail "the packaged manual is not docs/pieceset.1"
  local copyright=root/usr/share/doc/pieceset/copyright
  expect_in "$copyright" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
  expect_in "$copyright" "Copyright: 2026 The kqlauncher developers"
  expect_in "$copyright" "License: Expat"
  # The licence paragraph is LICENSE's permission text, indented, blank lines as " ."
  sed -n '/^Permission is hereby granted/,$p' "$SOURCE/LICENSE" | sed 's/^$/./; s/^/ /' >licence.txt
  [[ -s licence.txt ]] || fail "LICENSE has no MIT permission text"
  tail -n "$(wc -l <licence.txt)" "$copyright" | cmp -s - licence.txt ||
    fail "the copyright file does not end with LICENSE's text"
  zcat root/usr/share/doc/pieceset/changelog.Debian.gz | head -1 | grep -qF "pieceset ($version-1)" ||
    fail "changelog.Debian.gz does not start with version $version-1"

  run_installed root/usr/bin/pieceset root/usr/share/kqlauncher/launcher.exe

  lintian --fail-on error,warning "$deb" >lintian.txt 2>&1
  local rc=$?
  grep -v '^running with root privileges' lintian.txt >lintian-tags.txt
  [[ $rc -eq 0 ]] || { fail "lintian exit $rc:"; sed 's/^/  | /' lintian-tags.txt >&2; }
  grep -E '^[EW]: ' lintian-tags.txt && fail "lintian has errors or warnings"
}

run_case
