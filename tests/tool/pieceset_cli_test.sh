#!/usr/bin/env bash
# pieceset end to end: pieceset_cli_test.sh PIECESET CASE
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh" PIECESET CASE -- "$@"

one_line() {  # one_line FILE: an error is one line
  [[ $(wc -l <"$1") -eq 1 ]] || { fail "$1 holds $(wc -l <"$1") lines"; sed 's/^/  | /' "$1" >&2; }
}

# only_these NAME...: the work folder holds these entries and nothing else,
# so no half-made output or temporary is left behind
only_these() {
  local want got
  want=$(printf '%s\n' "$@" out.txt err.txt | sort -u)
  got=$(ls -A | sort)
  [[ "$want" == "$got" ]] || fail "left behind: $(comm -13 <(echo "$want") <(echo "$got") | tr '\n' ' ')"
}

round_trip() {  # round_trip INSTALLER cut-options...: cut, verify, join, compare
  local installer=$1
  shift
  rm -rf set joined.exe
  expect_status 0 "$PIECESET" cut "$installer" --name "Round Trip" "$@" -o set
  expect_status 0 "$PIECESET" verify set
  expect_in out.txt "verdict: good set"
  expect_status 0 "$PIECESET" join set -o joined.exe
  cmp -s "$installer" joined.exe || fail "join of $installer ($*) differs from it"
}

case_round_trips() {
  seeded_file small.exe 1
  round_trip small.exe --media 2024
  [[ -f set/disk1/FILE.1 && ! -e set/disk2 ]] || fail "one byte made more than one piece"

  seeded_file exact.exe 3000
  round_trip exact.exe --media 2024 --flat
  [[ -f set/FILE.3 && ! -e set/FILE.4 ]] || fail "3000 bytes at 1000 a piece is not 3 pieces"
  [[ $(stat -c %s set/FILE.3) -eq 2024 ]] || fail "FILE.3 is not full"

  seeded_file many.exe 12345
  round_trip many.exe --media 2024 --flat
  [[ -f set/FILE.10 && -f set/FILE.13 && ! -e set/FILE.010 && ! -e set/FILE.14 ]] ||
    fail "13 pieces are not FILE.1 .. FILE.13"
  expect_status 0 "$PIECESET" verify set
  expect_in out.txt "set/FILE.10: ok"
  expect_in out.txt "13 pieces, installer 12345 bytes"

  seeded_file big.exe 1000000
  seeded_file launcher.exe 20000
  round_trip big.exe --media 360K --launcher launcher.exe
  cmp -s launcher.exe set/disk1/SETUP.EXE || fail "SETUP.EXE is not the launcher"
  # 20000 bytes take 20 clusters of 1024 of the 354 on a 360K disk.
  [[ $(stat -c %s set/disk1/FILE.1) -eq $(((354 - 20) * 1024)) ]] || fail "FILE.1 does not fill disk 1"
  [[ $(stat -c %s set/disk2/FILE.2) -eq $((354 * 1024)) ]] || fail "FILE.2 does not fill disk 2"

  round_trip big.exe --first-media 720K --media 5000
  [[ $(stat -c %s set/disk1/FILE.1) -eq $((713 * 1024)) ]] || fail "--first-media not used for disk 1"
  [[ $(stat -c %s set/disk2/FILE.2) -eq 5000 ]] || fail "a plain size is not bytes"

  # Same input and options, same set identity; another layout, another one.
  "$PIECESET" cut many.exe --name A --media 2024 -o a >/dev/null
  "$PIECESET" cut many.exe --name A --media 2024 -o b >/dev/null
  "$PIECESET" cut many.exe --name A --media 2025 -o c >/dev/null
  cmp -s a/disk1/FILE.1 b/disk1/FILE.1 || fail "the same cut gave different headers"
  cmp -s -n 1023 a/disk1/FILE.1 c/disk1/FILE.1 && fail "another layout kept the set identity"

  # A name as long as a file name may be, for the set and for the joined file.
  local long
  long=$(printf 'n%.0s' {1..254})
  expect_status 0 "$PIECESET" cut many.exe --name A --media 2024 -o "$long"
  expect_status 0 "$PIECESET" join "$long" -o "j$long"
  cmp -s many.exe "j$long" || fail "the join under a 255-byte name differs"
}

case_presets_fill_whole_clusters() {
  # 2847 clusters of 512 on 1.44M: one full piece, then one byte more.
  seeded_file exact.exe $((2847 * 512 - 1024))
  round_trip exact.exe --media 1.44M
  [[ $(stat -c %s set/disk1/FILE.1) -eq 1457664 && ! -e set/disk2 ]] || fail "1.44M is not 1457664 bytes of files"
  seeded_file over.exe $((2847 * 512 - 1023))
  round_trip over.exe --media 1.44m
  [[ $(stat -c %s set/disk2/FILE.2) -eq 1025 ]] || fail "the byte over 1.44M is not in FILE.2"

  # A 1000-byte launcher still takes a whole 1024-byte cluster on 720K.
  seeded_file launcher.exe 1000
  seeded_file inst.exe $(((713 - 1) * 1024 - 1024))
  round_trip inst.exe --media 720K --launcher launcher.exe
  [[ ! -e set/disk2 ]] || fail "a set that fits 720K beside its launcher took two disks"
  seeded_file inst.exe $(((713 - 1) * 1024 - 1023))
  round_trip inst.exe --media 720K --launcher launcher.exe
  [[ $(stat -c %s set/disk2/FILE.2) -eq 1025 ]] || fail "the launcher's cluster was not counted"
}

case_empty_installer() {
  : >empty.exe
  expect_status 0 "$PIECESET" cut empty.exe --name Empty --media 360K -o set
  expect_in err.txt "empty"
  [[ $(stat -c %s set/disk1/FILE.1) -eq 1024 ]] || fail "the empty installer's piece is not a bare header"
  [[ $(od -An -tu1 -j1023 -N1 set/disk1/FILE.1 | tr -d ' ') -ne 0 ]] || fail "FILE.1 lacks the last mark"
  expect_status 0 "$PIECESET" verify set
  expect_status 0 "$PIECESET" join set -o joined.exe
  [[ -f joined.exe && ! -s joined.exe ]] || fail "joining the empty set did not give an empty file"
}

case_damaged_and_mixed_sets() {
  seeded_file one.exe 5000
  seeded_file two.exe 5000
  "$PIECESET" cut one.exe --name App --media 2024 -o set >/dev/null
  "$PIECESET" cut two.exe --name App --media 2024 -o other >/dev/null

  cp other/disk3/FILE.3 set/disk3/FILE.3
  expect_status 1 "$PIECESET" verify set
  expect_in out.txt "set/disk3/FILE.3: BAD, belongs to another set"
  expect_in out.txt "verdict: damaged set: FILE.3"
  expect_in out.txt "set/disk2/FILE.2: ok"

  # Joining refuses the mixed set and leaves no file.
  expect_status 1 "$PIECESET" join set -o joined.exe
  one_line err.txt
  expect_in err.txt "FILE.3"
  only_these one.exe two.exe set other

  cp other/disk3/FILE.3 set/disk3/FILE.3
  "$PIECESET" cut one.exe --name App --media 2024 -o set --force >/dev/null
  truncate -s 1500 set/disk4/FILE.4
  expect_status 1 "$PIECESET" verify set
  expect_in out.txt "set/disk4/FILE.4: BAD, payload is 476 bytes"

  "$PIECESET" cut one.exe --name App --media 2024 -o set --force >/dev/null
  rm set/disk2/FILE.2
  expect_status 1 "$PIECESET" verify set
  expect_in out.txt "FILE.2: MISSING"

  # A piece made shorter than a header, or given the last mark too early.
  "$PIECESET" cut one.exe --name App --media 2024 -o set --force >/dev/null
  printf '\001' | dd of=set/disk2/FILE.2 bs=1 seek=1023 conv=notrunc status=none
  expect_status 1 "$PIECESET" verify set
  expect_in out.txt "carries the last-piece mark, but the set has 5 pieces"
  expect_in out.txt "set/disk3/FILE.3: ignored"

  # The last piece without its mark: the launcher would ask for a disk 6,
  # and a piece 6 of the same set is one too many.
  "$PIECESET" cut one.exe --name App --media 2024 -o set --force >/dev/null
  printf '\000' | dd of=set/disk5/FILE.5 bs=1 seek=1023 conv=notrunc status=none
  expect_status 1 "$PIECESET" verify set
  expect_in out.txt "set/disk5/FILE.5: BAD, lacks the last-piece mark, but the set has 5 pieces"
  cp set/disk2/FILE.2 set/disk5/FILE.6
  expect_status 1 "$PIECESET" verify set
  expect_in out.txt "set/disk5/FILE.6: BAD, the set has only 5 pieces"

  # Past 128 pieces the header keeps no piece digests: only the joined
  # installer's SHA-256 tells of a flipped byte.
  seeded_file many.exe 130000
  "$PIECESET" cut many.exe --name App --media 2024 --flat -o flat >/dev/null
  flip_byte flat/FILE.77 1500
  expect_status 1 "$PIECESET" verify flat
  expect_in out.txt "flat/FILE.77: ok"
  expect_in out.txt "verdict: damaged set: the joined installer's SHA-256 differs from the one cut"
  expect_status 1 "$PIECESET" join flat -o joined.exe
  [[ ! -e joined.exe ]] || fail "join wrote the installer of a damaged set"
  rm -r flat many.exe

  expect_status 2 "$PIECESET" verify no-such-folder
  one_line err.txt
  expect_status 2 "$PIECESET" verify
  expect_status 2 "$PIECESET" verify --bogus set
  damaged_disks_each_get_a_line
}

case_bad_names_leave_nothing() {
  seeded_file inst.exe 3000
  expect_status 2 "$PIECESET" cut inst.exe --name "" --media 2024 -o set
  one_line err.txt
  expect_in err.txt "the name is empty"
  expect_status 2 "$PIECESET" cut inst.exe --name "$(printf 'x%.0s' {1..260})" --media 2024 -o set
  expect_in err.txt "260 bytes long"
  printf 'My\000App' >nul.txt
  expect_status 2 "$PIECESET" cut inst.exe --name-file nul.txt --media 2024 -o set
  expect_in err.txt "NUL byte at offset 2"
  expect_status 2 "$PIECESET" cut inst.exe --media 2024 -o set
  expect_status 2 "$PIECESET" cut inst.exe --name A --name-file nul.txt --media 2024 -o set
  only_these inst.exe nul.txt

  # The longest name and code-page bytes go in whole.
  local longest
  longest=$(printf 'n%.0s' {1..259})
  expect_status 0 "$PIECESET" cut inst.exe --name "$longest" --media 2024 -o set
  [[ $(head -c 260 set/disk1/FILE.1 | tr -d '\000') == "$longest" ]] || fail "259-byte name not stored whole"
  printf 'Caf\351\n' >cp1252.txt
  expect_status 0 "$PIECESET" cut inst.exe --name-file cp1252.txt --media 2024 -o latin
  [[ $(head -c 5 latin/disk1/FILE.1 | od -An -tx1 | tr -d ' ') == "436166e900" ]] ||
    fail "name file bytes not stored as they are"
}

case_bad_sizes_leave_nothing() {
  seeded_file inst.exe 3000
  seeded_file launcher.exe 400000
  for size in 0 1024 1.5M 12K -5; do
    expect_status 2 "$PIECESET" cut inst.exe --name A --media "$size" -o set
    one_line err.txt
  done
  expect_status 2 "$PIECESET" cut inst.exe --name A --media 2024 --first-media 1000 -o set
  expect_status 2 "$PIECESET" cut inst.exe --name A --media 360K --launcher launcher.exe -o set
  expect_in err.txt "does not fit on the first disk"
  expect_status 2 "$PIECESET" cut inst.exe --name A --media 4000 --launcher inst.exe -o set
  expect_in err.txt "leaves"
  expect_status 2 "$PIECESET" cut inst.exe --name A --media 100000 --images -o set
  expect_in err.txt "--images needs a file system for the plain size 100000 bytes"
  expect_in err.txt "--fs fat12, fat16 or iso9660"
  expect_status 2 "$PIECESET" cut inst.exe --name A --media 1.44M --first-media 5000 --images -o set
  expect_status 2 "$PIECESET" cut inst.exe --name A --media 2000000 --fs fat16 -o set
  expect_in err.txt "too small for FAT16"
  expect_status 2 "$PIECESET" cut inst.exe --name A --media 1.44M --fs fat16 -o set
  expect_in err.txt "--fs is for a plain SIZE; 1.44M has its own file system"
  expect_status 2 "$PIECESET" cut inst.exe --name A --media 2000000 --fs ntfs -o set
  expect_in err.txt "unknown file system 'ntfs'"
  expect_status 2 "$PIECESET" cut missing.exe --name A --media 2024 -o set
  one_line err.txt
  expect_in err.txt "missing.exe"
  expect_status 1 "$PIECESET" cut . --name A --media 2024 -o set
  expect_status 1 "$PIECESET" cut inst.exe --name A --media 2024 -o no/such/folder/set
  only_these inst.exe launcher.exe
}

case_existing_output_needs_force() {
  seeded_file inst.exe 3000
  mkdir set
  echo keep >set/marker
  expect_status 1 "$PIECESET" cut inst.exe --name A --media 2024 -o set
  expect_in err.txt "already exists"
  [[ -f set/marker && ! -e set/disk1 ]] || fail "existing folder touched without --force"
  expect_status 0 "$PIECESET" cut inst.exe --name A --media 2024 -o set/ --force
  [[ ! -e set/marker && -f set/disk3/FILE.3 ]] || fail "--force did not replace the folder"
  only_these inst.exe set

  echo keep >joined.exe
  expect_status 1 "$PIECESET" join set -o joined.exe
  [[ $(cat joined.exe) == keep ]] || fail "join overwrote a file without --force"
  expect_status 0 "$PIECESET" join set -o joined.exe --force
  cmp -s inst.exe joined.exe || fail "join --force did not replace the file"
  only_these inst.exe set joined.exe
}

case_inputs_are_never_replaced() {
  mkdir dist
  seeded_file dist/setup.exe 3000
  seeded_file dist/launcher.exe 500
  cp dist/setup.exe keep.exe
  expect_status 2 "$PIECESET" cut dist/setup.exe --name A --media 360K --force -o dist
  expect_in err.txt "-o dist holds the input dist/setup.exe; give another output"
  one_line err.txt
  cp keep.exe inst.exe
  expect_status 2 "$PIECESET" cut inst.exe --name A --media 360K --launcher dist/launcher.exe \
    --force -o ./dist/
  expect_in err.txt "holds the input dist/launcher.exe"
  expect_status 2 "$PIECESET" cut inst.exe --name A --media 360K --force -o inst.exe
  expect_in err.txt "-o inst.exe is an input"
  cmp -s keep.exe inst.exe && cmp -s keep.exe dist/setup.exe || fail "--force replaced an input"
  [[ -f dist/launcher.exe ]] || fail "--force removed the launcher"

  expect_status 0 "$PIECESET" cut inst.exe --name A --media 2024 -o set
  cp set/disk1/FILE.1 piece1.keep
  expect_status 2 "$PIECESET" join set -o set/disk1/FILE.1 --force
  expect_in err.txt "-o set/disk1/FILE.1 is an input"
  cmp -s piece1.keep set/disk1/FILE.1 || fail "join --force replaced a piece"
  expect_status 0 "$PIECESET" verify set
  only_these dist keep.exe inst.exe set piece1.keep
}

# An installer that changes while it is cut would give a set that lies.
case_installer_changes_while_cut() {
  seeded_file inst.exe 3000000
  # The second read finds other bytes of the same size, then one byte more.
  cp inst.exe flipped.exe
  flip_byte flipped.exe 2000000
  { cat inst.exe; printf x; } >longer.exe
  for second in flipped.exe longer.exe; do
    RESHIM_PATH=inst.exe RESHIM_SECOND=$second LD_PRELOAD=$RESHIM_LIBRARY \
      "$PIECESET" cut inst.exe --name A --media 1.44M -o set >out.txt 2>err.txt
    [[ $? -eq 1 ]] || fail "a cut whose installer became $second did not exit 1"
    expect_in err.txt "inst.exe changed while it was being cut"
    one_line err.txt
  done
  only_these inst.exe flipped.exe longer.exe

  # sysfs files claim 4096 bytes and hold a few, like an installer that
  # shrinks while it is cut.
  local short=""
  for f in /sys/kernel/profiling /sys/kernel/warn_count /sys/kernel/mm/transparent_hugepage/enabled; do
    if [[ -r $f && $(stat -c %s "$f") -gt $(wc -c <"$f") ]]; then short=$f; break; fi
  done
  [[ -n $short ]] || { echo "no sysfs file shorter than its size here; not checked"; return; }
  expect_status 1 "$PIECESET" cut "$short" --name A --media 1.44M -o set
  expect_in err.txt "changed while it was being cut"
  one_line err.txt
  only_these inst.exe flipped.exe longer.exe
}

case_failed_write_leaves_nothing() {
  seeded_file inst.exe 300000
  # A file size limit makes the writes fail part way, as a full disk would.
  (trap '' XFSZ; ulimit -f 100; "$PIECESET" cut inst.exe --name A --media 360K -o set) >out.txt 2>err.txt
  [[ $? -eq 1 ]] || fail "cut past the size limit did not exit 1"
  one_line err.txt
  expect_in err.txt "cannot write"
  only_these inst.exe

  "$PIECESET" cut inst.exe --name A --media 2024000 -o set >/dev/null
  (trap '' XFSZ; ulimit -f 100; "$PIECESET" join set -o joined.exe) >out.txt 2>err.txt
  [[ $? -eq 1 ]] || fail "join past the size limit did not exit 1"
  expect_in err.txt "cannot write"
  only_these inst.exe set
}

case_images() {
  command -v mdir >/dev/null || { echo "mtools missing"; exit 1; }
  seeded_file launcher.exe 20000
  # Disk 1 and disk 2 filled to the last cluster, disk 3 partly.
  seeded_file inst.exe $(((354 - 20) * 1024 - 1024 + 354 * 1024 - 1024 + 5000))
  expect_status 0 "$PIECESET" cut inst.exe --name "Image Set" --media 360K --launcher launcher.exe --images -o set
  for n in 1 2 3; do
    [[ -f set/disk$n.img ]] || fail "no disk$n.img"
    [[ $(stat -c %s set/disk$n.img) -eq 368640 ]] || fail "disk$n.img is not a 360K floppy"
    mlabel -s -i set/disk$n.img :: | grep -q "DISK$n" || fail "disk$n.img is not labelled DISK$n"
  done
  [[ ! -e set/disk4.img ]] || fail "a fourth image"
  mdir -i set/disk1.img :: >mdir.txt 2>&1 || fail "mdir refuses disk1.img"
  expect_in mdir.txt "FILE     1"
  expect_in mdir.txt "SETUP    EXE"
  expect_in mdir.txt " 0 bytes free"
  mdir -i set/disk2.img :: >mdir.txt 2>&1
  expect_in mdir.txt "FILE     2"
  mtype -i set/disk2.img ::FILE.2 | cmp -s - set/disk2/FILE.2 || fail "FILE.2 in disk2.img differs"

  expect_status 0 "$PIECESET" verify set/disk1.img set/disk2.img set/disk3.img
  expect_in out.txt "set/disk1.img::FILE.1: ok"
  # A disk given alone is checked on its own: its piece, payload and file system.
  expect_status 0 "$PIECESET" verify set/disk2.img
  expect_in out.txt 'verdict: disk 2 of 3 of "Image Set": good'
  cp set/disk2.img flipped.img
  flip_byte flipped.img $(($(grep -obUa PIECESET flipped.img | head -1 | cut -d: -f1) + 3000))
  expect_status 1 "$PIECESET" verify flipped.img
  expect_in out.txt 'verdict: disk 2 of 3 of "Image Set": damaged: FILE.2: payload damaged'
  expect_status 0 "$PIECESET" join set/disk3.img set/disk1.img set/disk2.img -o joined.exe
  cmp -s inst.exe joined.exe || fail "join from images differs from the installer"

  # Folders removed: the output folder is read through its images.
  rm -r set/disk1 set/disk2 set/disk3
  expect_status 0 "$PIECESET" verify set
  expect_in out.txt "set/disk3.img::FILE.3: ok"

  # A foreign piece on an image is found too.
  seeded_file other.exe 400000
  "$PIECESET" cut other.exe --name "Image Set" --media 360K --images -o other >/dev/null
  expect_status 1 "$PIECESET" verify set/disk1.img other/disk2.img set/disk3.img
  expect_in out.txt "other/disk2.img::FILE.2: BAD, belongs to another set"

  # An image that is no file system is a bad disk with a verdict.
  echo "not a floppy" >junk.img
  expect_status 1 "$PIECESET" verify junk.img
  expect_in out.txt "junk.img: BAD, no FAT12, FAT16 or ISO 9660 file system on it"

  # The same cut gives the same images, also a few seconds later.
  sleep 2
  expect_status 0 "$PIECESET" cut inst.exe --name "Image Set" --media 360K --launcher launcher.exe --images -o again
  for n in 1 2 3; do
    cmp -s again/disk$n.img set/disk$n.img || fail "a second cut gave another disk$n.img"
  done

  seeded_file small.exe 3000
  expect_status 0 "$PIECESET" cut small.exe --name Big --media 1.44M --images --flat -o flat
  [[ -f flat/FILE.1 && $(stat -c %s flat/disk1.img) -eq 1474560 ]] || fail "no 1.44M image for a flat set"
  images_ignore_the_users_settings
  disk_on_a_block_device
}

case_show_and_help() {
  seeded_file inst.exe 2500
  "$PIECESET" cut inst.exe --name "Shown App" --media 2024 --flat -o set >/dev/null
  expect_status 0 "$PIECESET" show set/FILE.1 set/FILE.3
  expect_in out.txt 'set/FILE.1: name "Shown App", not last, payload 1000 bytes, set '
  expect_in out.txt 'set/FILE.3: name "Shown App", last piece, payload 500 bytes, set '
  expect_in out.txt "(piece 3 of 3)"
  [[ $(grep -o 'set [0-9a-f]\{16\}' out.txt | sort -u | wc -l) -eq 1 ]] || fail "pieces show different identities"
  head -c 100 inst.exe >short.bin
  expect_status 1 "$PIECESET" show short.bin set/FILE.2
  expect_in err.txt "shorter than a 1024-byte piece header"
  expect_in out.txt "set/FILE.2: name"

  for command in cut verify show join; do
    expect_status 0 "$PIECESET" "$command" --help
    expect_in out.txt "Usage"
  done
  expect_in out.txt "--force"
  expect_status 0 "$PIECESET" --help
  expect_in out.txt "verify"
  expect_status 2 "$PIECESET"
  expect_status 2 "$PIECESET" cut --bogus
  one_line err.txt
}

# FAT16 and ISO 9660 images: what the cut plans must be what mformat and
# xorriso make, read back by their own tools.
case_zip_and_cd_images() {
  command -v mdir >/dev/null || { echo "mtools missing"; exit 1; }
  command -v xorriso >/dev/null || { echo "xorriso missing"; exit 1; }
  seeded_file launcher.exe 6656

  # A small FAT16 volume: 4843 clusters of 512 bytes, 2 disks.
  seeded_file inst.exe 3000000
  expect_status 0 "$PIECESET" cut inst.exe --name "Zip Set" --media 2500000 --fs fat16 \
    --launcher launcher.exe --images -o zip
  expect_in out.txt "2 pieces"
  expect_in out.txt "for 2499584-byte FAT16 disks"
  [[ $(stat -c %s zip/disk1.img) -eq 2499584 && ! -e zip/disk3.img ]] || fail "not two 2499584-byte images"
  minfo -i zip/disk1.img :: >minfo.txt 2>&1
  expect_in minfo.txt 'disk type="FAT16   "'
  expect_in minfo.txt "hidden sectors: 0"
  mdir -i zip/disk1.img :: >mdir.txt 2>&1
  expect_in mdir.txt "SETUP    EXE      6656"
  expect_in mdir.txt "FILE     1     2456576"
  expect_in mdir.txt " 0 bytes free"
  expect_status 0 "$PIECESET" verify zip/disk2.img zip/disk1.img
  expect_in out.txt "zip/disk1.img::FILE.1: ok, payload 2455552 bytes"

  # The Zip 100 preset itself, filled to its last cluster beside the
  # launcher (6656 bytes in four 2048-byte clusters).
  head -c $((100448256 - 4 * 2048 - 1024)) /dev/zero >zip100.exe
  expect_status 0 "$PIECESET" cut zip100.exe --name "Zip 100" --media 100M --launcher launcher.exe \
    --images -o zip100
  [[ ! -e zip100/disk2.img && $(stat -c %s zip100/disk1.img) -eq 100663296 ]] ||
    fail "the Zip 100 preset is not one 100663296-byte image"
  minfo -i zip100/disk1.img :: >minfo.txt 2>&1
  expect_in minfo.txt "big size: 196608 sectors"
  expect_in minfo.txt "cluster size: 4 sectors"
  expect_in minfo.txt "hidden sectors: 0"
  mdir -i zip100/disk1.img :: >mdir.txt 2>&1
  expect_in mdir.txt "FILE     1    100440064"
  expect_in mdir.txt " 0 bytes free"
  rm -rf zip100 zip100.exe

  # A small FAT12 volume too.
  expect_status 0 "$PIECESET" cut inst.exe --name "Small" --media 400000 --fs fat12 --images -o f12
  minfo -i f12/disk1.img :: >minfo.txt 2>&1
  expect_in minfo.txt 'disk type="FAT12   "'
  expect_status 0 "$PIECESET" verify f12

  # CDs: 1499136 bytes (732 sectors) a disc, 256 kept for the file system,
  # 4 for the launcher: FILE.1 takes 472.
  head -c 1500000 /dev/zero >cd.exe
  expect_status 0 "$PIECESET" cut cd.exe --name "CD Set" --media 1499136 --fs iso9660 \
    --launcher launcher.exe --images -o cd
  expect_in out.txt "2 pieces"
  for n in 1 2; do
    [[ -f cd/disk$n.iso && $(stat -c %s cd/disk$n.iso) -le 1499136 ]] || fail "disk$n.iso missing or over 732 sectors"
    xorriso -indev cd/disk$n.iso -pvd_info 2>/dev/null | grep -q "^Volume Id    : DISK$n\$" || fail "disk$n.iso is not labelled DISK$n"
  done
  [[ ! -e cd/disk3.iso ]] || fail "a third disc"
  xorriso -indev cd/disk1.iso -lsl / >ls.txt 2>/dev/null
  expect_in ls.txt "966656 Jan  1  2000 'FILE.1'"
  expect_in ls.txt "6656 Jan  1  2000 'SETUP.EXE'"
  # The names as the directory records hold them: no ";1" in either tree.
  python3 "$TESTS/tool/iso_names.py" cd/disk1.iso >names.txt
  [[ $(cat names.txt) == $'iso9660 FILE.1\niso9660 SETUP.EXE\njoliet FILE.1\njoliet SETUP.EXE' ]] ||
    { fail "disk1.iso's directory records"; sed 's/^/  | /' names.txt >&2; }
  expect_status 0 "$PIECESET" verify cd/disk2.iso cd/disk1.iso
  expect_in out.txt "cd/disk1.iso::FILE.1: ok, payload 965632 bytes"
  expect_in out.txt "cd/disk2.iso::FILE.2: ok, payload 534368 bytes, last piece"
  expect_status 0 "$PIECESET" show cd/disk2.iso zip/disk1.img
  expect_in out.txt 'cd/disk2.iso::FILE.2: name "CD Set", last piece, payload 534368 bytes, set '
  expect_in out.txt "(piece 2 of 2)"
  expect_in out.txt 'zip/disk1.img::FILE.1: name "Zip Set", not last, payload 2455552 bytes'
  mformat -C -i empty.img -f 1440 :: 2>/dev/null
  expect_status 1 "$PIECESET" show empty.img
  expect_in err.txt "empty.img: an image without pieces"
  rm -r cd/disk1 cd/disk2
  expect_status 0 "$PIECESET" join cd -o joined.exe
  cmp -s cd.exe joined.exe || fail "join from the ISO images differs from the installer"
  expect_status 1 "$PIECESET" verify cd/disk1.iso zip/disk2.img
  expect_in out.txt "zip/disk2.img::FILE.2: BAD, belongs to another set"
  # A floppy for disk 1, CDs after it: images of both kinds make one set.
  expect_status 0 "$PIECESET" cut inst.exe --name Mixed --first-media 1.44M --media 1499136 \
    --fs iso9660 --images -o mixed
  [[ -f mixed/disk1.img && -f mixed/disk2.iso && -f mixed/disk3.iso && ! -e mixed/disk4.iso ]] || fail "no floppy and CD images"
  expect_status 0 "$PIECESET" verify mixed/disk3.iso mixed/disk1.img mixed/disk2.iso
  rm -r mixed/disk?
  expect_status 0 "$PIECESET" join mixed -o mixed.exe
  cmp -s inst.exe mixed.exe || fail "join of floppy and CD images differs"

  # The same cut, later, gives the same bytes; another date another image.
  sleep 2
  expect_status 0 "$PIECESET" cut cd.exe --name "CD Set" --media 1499136 --fs iso9660 \
    --launcher launcher.exe --images -o again
  cmp -s again/disk1.iso cd/disk1.iso && cmp -s again/disk2.iso cd/disk2.iso || fail "a second cut gave other ISO images"
  SOURCE_DATE_EPOCH=1000000000 "$PIECESET" cut cd.exe --name "CD Set" --media 1499136 --fs iso9660 \
    --launcher launcher.exe --images -o dated >/dev/null
  cmp -s dated/disk1.iso cd/disk1.iso && fail "SOURCE_DATE_EPOCH did not change the image"
  xorriso -indev dated/disk1.iso -lsl / 2>/dev/null | grep -q "Sep  9  2001 'FILE.1'" || fail "FILE.1 not dated 2001-09-09"
}

# --force replaces what pieceset makes, never a device, FIFO or link.
case_outputs_that_are_not_files() {
  seeded_file inst.exe 3000
  "$PIECESET" cut inst.exe --name A --media 2024 -o set >/dev/null
  mkfifo fifo
  echo keep >kept.txt
  ln -s kept.txt link
  local kinds=(fifo link)
  if mknod null c 1 3 2>/dev/null; then kinds+=(null); else fail "cannot make a device node here (needs root)"; fi
  for target in "${kinds[@]}"; do
    for force in "" --force; do
      expect_status 2 "$PIECESET" join set -o $target $force
      expect_in err.txt "-o $target is a"
      one_line err.txt
      expect_status 2 "$PIECESET" cut inst.exe --name A --media 2024 -o $target $force
      expect_in err.txt "pieceset replaces only a regular file or a folder, even with --force"
    done
  done
  [[ -p fifo && -L link && $(cat kept.txt) == keep ]] || fail "an output that is no file was replaced"
  [[ ! -e null || -c null ]] || fail "the device node was replaced"
  mkdir folder
  expect_status 2 "$PIECESET" join set -o folder --force
  expect_in err.txt "-o folder is a folder; the output is one file"
  expect_status 2 "$PIECESET" join set -o newdir/
  expect_in err.txt "-o newdir/ names a folder"
  [[ ! -e newdir ]] || fail "join -o newdir/ made newdir"
  # A regular file may still become a set, and a folder a joined file's place.
  echo old >plain
  expect_status 0 "$PIECESET" cut inst.exe --name A --media 2024 -o plain --force
  [[ -f plain/disk1/FILE.1 ]] || fail "cut --force did not replace a regular file"
  only_these inst.exe set fifo kept.txt link folder plain "${kinds[@]:2}"
}

# Nothing is read that is not a regular file: a FIFO would block for ever.
case_inputs_that_are_not_files() {
  seeded_file inst.exe 3000
  "$PIECESET" cut inst.exe --name A --media 2024 -o set >/dev/null
  "$PIECESET" cut inst.exe --name A --media 360K --images -o imgs >/dev/null
  mkfifo fifo
  mkfifo set/disk3/FILE.3.new && mv set/disk3/FILE.3 keep.3 && mv set/disk3/FILE.3.new set/disk3/FILE.3
  mkfifo disk9.img
  expect_status 1 timeout -k 5 20 "$PIECESET" verify set
  expect_in out.txt "set/disk3/FILE.3: BAD, cannot read set/disk3/FILE.3: a FIFO, not a regular file"
  expect_status 1 timeout -k 5 20 "$PIECESET" verify disk9.img
  expect_in err.txt "cannot read disk9.img: a FIFO, not a piece, an image or a folder"
  expect_status 1 timeout -k 5 20 "$PIECESET" cut fifo --name A --media 2024 -o out
  expect_in err.txt "cannot read fifo: a FIFO, not a regular file"
  expect_status 1 timeout -k 5 20 "$PIECESET" cut inst.exe --name-file fifo --media 2024 -o out
  expect_in err.txt "cannot read fifo: a FIFO"
  expect_status 1 timeout -k 5 20 "$PIECESET" cut inst.exe --name A --launcher fifo --media 2024 -o out
  expect_in err.txt "cannot read fifo: a FIFO"
  expect_status 1 timeout -k 5 20 "$PIECESET" show fifo
  expect_in err.txt "cannot read fifo: a FIFO"
  [[ ! -e out ]] || fail "a cut from a FIFO left its output"

  # A FIFO or a device inside a folder is never opened, and says what it is.
  # The set is whole without it: the verdict stays good.
  rm -r imgs/disk1 && mkfifo imgs/disk2.img
  expect_status 0 timeout -k 5 20 "$PIECESET" verify imgs
  expect_in out.txt "imgs/disk2.img: BAD, a FIFO, not an image file"
  expect_in out.txt "imgs/disk1.img::FILE.1: ok"
  rm imgs/disk2.img

  # A tool that hangs does not outlive a termination request, and the
  # signal is in the exit status, as a shell reports it.
  mkdir bin
  printf '#!/bin/sh\necho $$ >"%s/stuck.pid"\nexec sleep 600\n' "$PWD" >bin/mcopy
  chmod +x bin/mcopy
  local signal status
  for signal in TERM:143 QUIT:131; do
    rm -f stuck.pid
    PATH="$PWD/bin:$PATH" "$PIECESET" cut inst.exe --name A --media 360K --images -o stuck >out.txt 2>err.txt &
    local tool=$!
    for _ in $(seq 50); do [[ -s stuck.pid ]] && break; sleep 0.1; done
    [[ -s stuck.pid ]] || fail "the stand-in mcopy never ran"
    kill -"${signal%:*}" $tool
    local waited=0
    while kill -0 $tool 2>/dev/null && [[ $waited -lt 100 ]]; do sleep 0.1; waited=$((waited + 1)); done
    if kill -0 $tool 2>/dev/null; then
      fail "pieceset still runs 10 s after SIG${signal%:*}"
      kill -KILL $tool
    fi
    wait $tool
    status=$?
    [[ $status -eq ${signal#*:} ]] || fail "pieceset ended by SIG${signal%:*} exited $status, not ${signal#*:}"
    expect_in err.txt "interrupted"
    if kill -0 "$(cat stuck.pid)" 2>/dev/null; then
      fail "the stuck mcopy outlived pieceset"
      kill -KILL "$(cat stuck.pid)"
    fi
    compgen -G ".stuck*" >/dev/null && fail "SIG${signal%:*} left the hidden work folder"
    [[ ! -e stuck ]] || fail "SIG${signal%:*} left a set"
  done
}

# Images are read where they lie: no temp folder, and none of mtools or
# xorriso, whatever they would say.
case_image_read_into_a_full_temp() {
  seeded_file inst.exe 800000
  "$PIECESET" cut inst.exe --name A --media 360K --images -o set >/dev/null
  rm -r set/disk1 set/disk2 set/disk3
  mkdir small
  unshare -m bash -c 'mount -t tmpfs -o size=16k tmpfs small &&
    TMPDIR=$PWD/small "$0" verify set/disk1.img set/disk2.img set/disk3.img' "$PIECESET" >out.txt 2>err.txt
  local got=$?
  # Its tmpfs needs root and a mount namespace; say what stood in the way.
  [[ $got -eq 0 ]] || fail "verify with a full temp folder exited $got, not 0: $(head -n 1 err.txt)"
  expect_in out.txt "verdict: good set"

  mkdir bin
  for tool in mdir mcopy mtype xorriso; do
    printf '#!/bin/sh\necho "%s: broken" >&2\nexit 1\n' "$tool" >bin/$tool
    chmod +x bin/$tool
  done
  PATH="$PWD/bin:$PATH" expect_status 0 "$PIECESET" verify set
  expect_in out.txt "verdict: good set"
}

case_bad_source_date_epoch() {
  seeded_file inst.exe 3000
  for value in "" abc -5 12.5 99999999999999 315532799; do
    SOURCE_DATE_EPOCH=$value "$PIECESET" cut inst.exe --name A --media 360K --images -o set >out.txt 2>err.txt
    [[ $? -eq 2 ]] || fail "SOURCE_DATE_EPOCH='$value' was not refused"
    expect_in err.txt "SOURCE_DATE_EPOCH='$value' is no date for a disk image"
    one_line err.txt
  done
  only_these inst.exe
  SOURCE_DATE_EPOCH=1000000000 "$PIECESET" cut inst.exe --name A --media 360K --images -o set >/dev/null ||
    fail "a good SOURCE_DATE_EPOCH was refused"
  mdir -i set/disk1.img :: | grep -q "2001-09-09" || fail "FILE.1 is not dated 2001-09-09"
  # Without images the date plays no part.
  SOURCE_DATE_EPOCH=bad "$PIECESET" cut inst.exe --name A --media 360K -o plain >/dev/null ||
    fail "a cut without images looked at SOURCE_DATE_EPOCH"
}

# Every input counts; the same file twice is one piece; messages name the
# path, escaped.
case_messages_and_inputs() {
  seeded_file inst.exe 5000
  "$PIECESET" cut inst.exe --name A --media 2024 -o set >/dev/null

  mkdir dist
  echo "My App" >dist/name.txt
  expect_status 2 "$PIECESET" cut inst.exe --name-file dist/name.txt --media 2024 --force -o dist
  expect_in err.txt "-o dist holds the input dist/name.txt"
  expect_status 2 "$PIECESET" cut inst.exe --name-file dist/name.txt --media 2024 --force -o dist/name.txt
  expect_in err.txt "is an input"
  [[ $(cat dist/name.txt) == "My App" ]] || fail "--force removed the name file"

  expect_status 0 "$PIECESET" verify set set
  expect_status 0 "$PIECESET" verify set set/disk2
  expect_status 0 "$PIECESET" verify set/disk1/FILE.1 set ./set/disk1/FILE.1
  expect_in out.txt "verdict: good set"

  echo hello >note.txt
  expect_status 1 "$PIECESET" verify note.txt
  expect_in err.txt "cannot read note.txt: neither a piece (FILE.1, FILE.2, ...) nor a FAT or ISO 9660 image"
  cp set/disk1/FILE.1 renamed.bin
  expect_status 1 "$PIECESET" verify renamed.bin
  expect_in err.txt "cannot read renamed.bin: a piece of set "
  expect_in err.txt "but not named FILE.<n>"
  mkdir empty
  expect_status 1 "$PIECESET" verify empty
  expect_in out.txt "FILE.1: MISSING, missing (looked in empty)"
  mv set/disk3/FILE.3 file3 && mkdir set/disk3/FILE.3
  expect_status 1 "$PIECESET" verify set
  expect_in out.txt "set/disk3/FILE.3: BAD, cannot read set/disk3/FILE.3: a folder, not a regular file"
  rmdir set/disk3/FILE.3 && mv file3 set/disk3/FILE.3

  expect_status 2 "$PIECESET" show nope
  expect_in err.txt "no such file: nope"
  expect_status 2 "$PIECESET" verify nope

  local odd
  odd=$(printf 'odd\nname\033[2J')
  mkdir "$odd"
  expect_status 1 "$PIECESET" verify "$odd"
  expect_in out.txt 'FILE.1: MISSING, missing (looked in odd\x0aname\x1b[2J)'
  [[ $(wc -l <out.txt) -eq 2 ]] || fail "a newline in a path split the lines"
  grep -q $'\033' out.txt err.txt && fail "an escape byte reached the output"
  expect_status 1 "$PIECESET" cut "$odd" --name A --media 2024 -o x
  expect_in err.txt 'odd\x0aname\x1b[2J: a folder, not a regular file'
  one_line err.txt

  expect_status 0 "$PIECESET" cut inst.exe --name A --first-media 360K --media 1.44M -o mixed
  expect_in out.txt "for 360K disk 1 and 1.44M disks"

  # Any file of 1024 bytes is a piece to the launcher: show says what the
  # launcher would read, and that pieceset did not make it.
  { printf 'MZ\220\000'; head -c 2000 /dev/zero; } >setup.exe
  { printf 'A\033[2J\n\000'; head -c 1016 /dev/zero; printf '\007'; } >ctl.bin
  expect_status 0 "$PIECESET" show setup.exe ctl.bin
  expect_in out.txt 'setup.exe: not made by pieceset: no identity block; as the launcher reads it: name "MZ\x90", last-piece byte 0x00 (not last), payload 980 bytes, identity '
  expect_in out.txt 'ctl.bin: not made by pieceset: no identity block; as the launcher reads it: name "A\x1b[2J\x0a", last-piece byte 0x07 (last piece), payload 0 bytes'
  grep -q $'\033' out.txt && fail "show let an escape byte through"
  command_line_mistakes
}

# --version, and the launcher installed beside the tool.
case_version_and_installed_launcher() {
  expect_status 0 "$PIECESET" --version
  grep -qE '^pieceset [0-9]+\.[0-9]+\.[0-9]+ \(writes piece format 1\)$' out.txt || fail "--version: $(cat out.txt)"
  mkdir -p prefix/bin prefix/share/kqlauncher
  cp "$PIECESET" prefix/bin/pieceset
  seeded_file prefix/share/kqlauncher/launcher.exe 6656
  seeded_file other.exe 1000
  seeded_file inst.exe 3000000
  expect_status 0 prefix/bin/pieceset cut inst.exe --name A --media 1.44M --with-launcher -o set
  cmp -s prefix/share/kqlauncher/launcher.exe set/disk1/SETUP.EXE || fail "--with-launcher did not copy the installed launcher"
  [[ $(stat -c %s set/disk1/FILE.1) -eq 1451008 ]] || fail "FILE.1 does not make room for the installed launcher"
  ln -s prefix/bin/pieceset linked
  expect_status 0 ./linked cut inst.exe --name A --media 1.44M --with-launcher --launcher other.exe -o set2
  cmp -s other.exe set2/disk1/SETUP.EXE || fail "--launcher FILE did not override the installed launcher"
  rm prefix/share/kqlauncher/launcher.exe
  expect_status 2 prefix/bin/pieceset cut inst.exe --name A --media 1.44M --with-launcher -o set3
  expect_in err.txt "--with-launcher: no launcher installed at $PWD/prefix/share/kqlauncher/launcher.exe"
  [[ ! -e set3 ]] || fail "a cut without its launcher left a set"
}

# Disks as they are: the same images whatever the user's setup, and every
# disk of a damaged set reported, in the file system's words.

# Three time zones, a hostile HOME and MTOOLS_* settings give one image.
images_ignore_the_users_settings() {
  seeded_file tz.exe 400000
  mkdir -p hostile
  printf 'MTOOLS_TWENTY_FOUR_HOUR_CLOCK=0\nMTOOLS_DATE_STRING="dd.mm.yyyy"\nMTOOLS_LOWER_CASE=1\n' >hostile/.mtoolsrc
  printf -- '-md5 on\n-padding 0\n-sh_style_result on\n' >hostile/.xorrisorc
  local tz media
  for media in 360K 1000000; do
    local -a fs=()
    [[ $media == 1000000 ]] && fs=(--fs iso9660)
    for tz in UTC Asia/Tokyo America/New_York; do
      rm -rf "tz_$media"
      TZ=$tz HOME=$PWD/hostile MTOOLSRC=$PWD/hostile/.mtoolsrc MTOOLS_NO_VFAT=1 \
        "$PIECESET" cut tz.exe --name TZ --media "$media" "${fs[@]}" --images -o "tz_$media" >/dev/null
      cat tz_"$media"/disk*.i* | sha256sum >>"sums_$media"
      TZ=$tz HOME=$PWD/hostile MTOOLS_TWENTY_FOUR_HOUR_CLOCK=0 MTOOLS_DATE_STRING=dd.mm.yyyy \
        expect_status 0 "$PIECESET" verify "tz_$media"
    done
    [[ $(sort -u "sums_$media" | wc -l) -eq 1 ]] || fail "the $media images differ by time zone or settings"
  done
  TZ=UTC MTOOLSRC=/dev/null mdir -i tz_360K/disk1.img :: | grep -q "FILE     1 .* 2000-01-01   0:00" ||
    fail "FILE.1 on tz_360K is not dated 2000-01-01 00:00"
  TZ=America/Los_Angeles SOURCE_DATE_EPOCH=315532800 "$PIECESET" cut tz.exe --name TZ --media 360K --images -o la >/dev/null
  TZ=UTC MTOOLSRC=/dev/null mdir -i la/disk1.img :: | grep -q "FILE     1 .* 1980-01-01   0:00" ||
    fail "SOURCE_DATE_EPOCH=315532800 did not date FILE.1 1980-01-01 00:00"
  SOURCE_DATE_EPOCH=00000946684800 expect_status 0 "$PIECESET" cut tz.exe --name TZ --media 360K --images -o zeros
  cmp -s zeros/disk1.img tz_360K/disk1.img || fail "SOURCE_DATE_EPOCH with leading zeros gave another date"
  [[ $(od -An -tx1 -j21 -N1 tz_360K/disk1.img) == " fd" ]] || fail "a 360K image lacks media byte 0xfd"
  "$PIECESET" cut tz.exe --name TZ --media 100M --images -o zip100 >/dev/null
  [[ $(od -An -tx1 -j21 -N1 zip100/disk1.img) == " f8" ]] || fail "a Zip image lacks media byte 0xf8"
}

# A set of three 1.44M images, each damaged its own way, and a junk fourth.
damaged_disks_each_get_a_line() {
  seeded_file dmg.exe 3500000
  "$PIECESET" cut dmg.exe --name Dmg --media 1.44M --images -o dmg >/dev/null
  rm -r dmg/disk1 dmg/disk2 dmg/disk3
  TZ=UTC MTOOLSRC=/dev/null mattrib -i dmg/disk1.img +h +s ::FILE.1
  truncate -s -512 dmg/disk2.img
  # Cluster 212 of FILE.3's chain marked bad (0xff7) in both FATs.
  local fat
  for fat in 512 5120; do
    printf '\367\377' | dd of=dmg/disk3.img bs=1 seek=$((fat + 318)) conv=notrunc 2>/dev/null
  done
  head -c 100000 /dev/zero >dmg/disk4.img
  expect_status 1 "$PIECESET" verify dmg
  expect_in out.txt "dmg/disk4.img: BAD, no FAT12, FAT16 or ISO 9660 file system on it"
  expect_in out.txt "dmg/disk1.img::FILE.1: ok"
  expect_in out.txt "dmg/disk2.img::FILE.2: BAD, the image ends at sector 2879 of 2880 (bytes 1457152 to 1457663 of FILE.2)"
  expect_in out.txt "dmg/disk3.img::FILE.3: BAD, FILE.3's cluster chain is marked bad at cluster 212"
  expect_in out.txt "verdict: damaged set: FILE.2: the image ends at sector 2879 of 2880"
  expect_status 0 "$PIECESET" show dmg/disk1.img
  expect_in out.txt "dmg/disk1.img::FILE.1: name \"Dmg\", not last"

  # A CD image cut short inside its file data.
  "$PIECESET" cut dmg.exe --name Dmg --media 1000000 --fs iso9660 --images -o cd >/dev/null
  truncate -s 400000 cd/disk2.iso
  expect_status 1 "$PIECESET" verify cd/disk1.iso cd/disk2.iso cd/disk3.iso
  expect_in out.txt "cd/disk2.iso::FILE.2: BAD, the image ends at sector 195 of 290"
  expect_in out.txt "cd/disk3.iso::FILE.3: ok"

  # A Zip disk as the drive's formatter lays it out: FAT16 from sector 32.
  truncate -s 100663296 zip.img
  MTOOLSRC=/dev/null mformat -i zip.img@@16384 -T 196576 -h 64 -s 32 :: &&
    MTOOLSRC=/dev/null mcopy -i zip.img@@16384 dmg/disk1.img ::JUNK
  printf '\006' | dd of=zip.img bs=1 seek=450 conv=notrunc 2>/dev/null
  printf '\040' | dd of=zip.img bs=1 seek=454 conv=notrunc 2>/dev/null
  printf '\340\376\002' | dd of=zip.img bs=1 seek=458 conv=notrunc 2>/dev/null
  printf '\125\252' | dd of=zip.img bs=1 seek=510 conv=notrunc 2>/dev/null
  expect_status 1 "$PIECESET" verify zip.img
  expect_in out.txt "note: zip.img: a partitioned disk: pieceset reads whole-disk images; its FAT16 partition starts at sector 32"
}

# A disk named by its device is read like its image; the loop device is
# this test's own, detached again.
disk_on_a_block_device() {
  local device
  device=$(losetup -f --show -r set/disk1.img 2>/dev/null) || { fail "losetup failed (it needs root)"; return; }
  expect_status 0 "$PIECESET" verify "$device" set/disk2.img set/disk3.img
  expect_in out.txt "$device::FILE.1: ok"
  expect_status 0 "$PIECESET" show "$device"
  expect_in out.txt "$device::FILE.1: name \"Image Set\""
  losetup -d "$device"
}

# The command line's mistakes, said in the tool's words, with the exit
# status the manual gives.
command_line_mistakes() {
  seeded_file cl.exe 3000
  expect_status 2 "$PIECESET" cut nothere.exe --name A --media 2024 -o x
  expect_in err.txt "no such file: nothere.exe (INSTALLER)"
  expect_status 2 "$PIECESET" cut cl.exe --name A --launcher nothere.exe --media 2024 -o x
  expect_status 2 "$PIECESET" cut cl.exe --name-file nothere.txt --media 2024 -o x
  head -c 5000 /dev/zero | tr '\0' a >long.txt
  expect_status 2 "$PIECESET" cut cl.exe --name-file long.txt --media 2024 -o x
  expect_in err.txt "--name-file long.txt holds 5000 bytes; a name is 1 to 259 bytes"
  expect_status 2 "$PIECESET" cut cl.exe --name A --media 18446744073709551615 -o x
  expect_in err.txt "media size 18446744073709551615 is too large"
  expect_status 2 "$PIECESET" cut cl.exe --name A --media 9999999999999999 --fs iso9660 -o x
  expect_in err.txt "too large for ISO 9660"
  expect_status 2 "$PIECESET" frob
  expect_in err.txt "no command 'frob': give cut, verify, show, join, repair, write or rescue"
  expect_status 2 "$PIECESET" cut cl.exe --name X --name Y --media 2024 -o x
  expect_in err.txt "--name is given more than once"
  expect_status 2 "$PIECESET" cut --media 2024 -o x
  expect_in err.txt "cut needs INSTALLER"
  expect_status 0 "$PIECESET" cut --version
  expect_in out.txt "pieceset "
  [[ ! -e x ]] || fail "a refused cut left its output"
}

run_case
