#!/usr/bin/env bash
# Sets cut with recovery pieces, damaged, verified, repaired and joined:
# pieceset_recovery_test.sh PIECESET CASE
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh" PIECESET CASE -- "$@"

# A FAT12 1.44M image's files start at sector 33 (boot sector, two 9-sector
# FATs, 14 sectors of root directory); a lone piece lies there unbroken.
zero_sectors() {  # zero_sectors IMAGE FILE_SECTOR COUNT
  dd if=/dev/zero of="$1" bs=512 seek=$((33 + $2)) count="$3" conv=notrunc status=none
}
flip_bytes() {  # flip_bytes IMAGE FILE_OFFSET: three bytes inverted
  python3 -c "
import sys
with open(sys.argv[1], 'r+b') as f:
    f.seek(33 * 512 + int(sys.argv[2])); b = f.read(3)
    f.seek(33 * 512 + int(sys.argv[2])); f.write(bytes(x ^ 0xff for x in b))" "$1" "$2"
}

# cut_images M: a seeded installer of 6 MB cut onto 1.44M images in disks/,
# dated otherwise than a repair without SOURCE_DATE_EPOCH would date them
cut_images() {
  rm -rf set disks
  seeded_file setup.exe 6000000
  SOURCE_DATE_EPOCH=1000000000 expect_status 0 "$PIECESET" cut setup.exe --name "Recovered" \
    --media 1.44M --images --recovery "$1" -o set
  mkdir disks && cp set/*.img disks/
}

# repaired VERDICT: verify says VERDICT (exit 3), repair, then the set and the
# rebuilt disks verify good and join into the installer
repaired() {
  expect_status 3 "$PIECESET" verify disks
  expect_in out.txt "verdict: damaged but repairable: pieceset repair rebuilds $1"
  rm -rf fixed joined.exe
  expect_status 0 "$PIECESET" repair disks -o fixed
  expect_in out.txt "fixed: rebuilt $1"
  expect_status 0 "$PIECESET" verify disks fixed
  expect_in out.txt "verdict: good: 5 disks and"
  expect_status 0 "$PIECESET" join disks fixed -o joined.exe
  cmp -s setup.exe joined.exe || fail "the repaired set joins into another installer"
}

case_one_recovery_piece() {
  cut_images 1
  expect_in out.txt "5 pieces of \"Recovered\" (set eb71e94322929002) for 1.44M disks, and 1 recovery piece"
  [[ -f set/disk6/REPAIR.1 && -f set/disk6.img ]] || fail "no REPAIR.1 on disk 6"
  expect_status 0 "$PIECESET" verify set
  expect_in out.txt "verdict: good: 5 disks and 1 recovery piece intact"
  expect_status 0 "$PIECESET" show set/disk6.img
  expect_in out.txt "set/disk6.img::REPAIR.1: recovery piece 1 of 1, set eb71e94322929002 (5 pieces, 175 blocks of 8192 bytes a disk); the launcher never reads it"
  cp set/disk6/REPAIR.1 R.1 && printf 'X' | dd of=R.1 bs=1 seek=100 conv=notrunc status=none
  expect_status 0 "$PIECESET" show R.1
  expect_in out.txt "R.1: a recovery piece, not readable: its header is damaged"

  rm disks/disk3.img
  repaired "disk 3 (FILE.3)"
  [[ -f fixed/disk3.img && -f fixed/disk3/FILE.3 && ! -e fixed/disk2 ]] ||
    fail "repair wrote other than disk 3: $(ls fixed | tr '\n' ' ')"
  cmp -s fixed/disk3.img set/disk3.img || fail "the rebuilt disk3.img is not the image cut"
  # The rebuilt image replaces the failing disk's damaged copy.
  cp fixed/disk3.img disks/ && zero_sectors disks/disk3.img 40 1
  expect_status 0 "$PIECESET" verify disks fixed/disk3
  expect_in out.txt "note: disks/disk3.img::FILE.3: damaged, replaced by fixed/disk3/FILE.3"

  # A damaged recovery disk and damage on two piece disks, each in a stripe of its own.
  cut_images 1
  zero_sectors disks/disk6.img 400 4
  # Given alone, the recovery disk is checked against its own table.
  expect_status 0 "$PIECESET" verify set/disk6.img
  expect_in out.txt "verdict: recovery disk 1 of 1 of set eb71e94322929002: good"
  expect_status 1 "$PIECESET" verify disks/disk6.img
  expect_in out.txt "verdict: recovery disk 1 of 1 of set eb71e94322929002: damaged: block 23 of 175"
  zero_sectors disks/disk1.img 100 1
  flip_bytes disks/disk4.img 900000
  expect_status 3 "$PIECESET" verify disks
  expect_in out.txt "disk 1 (FILE.1): DAMAGED, block 6 of 175 (8192 bytes each)"
  expect_in out.txt "disk 4 (FILE.4): DAMAGED, block 109 of 175"
  repaired "disk 1 (FILE.1), disk 4 (FILE.4), disk 6 (REPAIR.1)"

  # Two disks damaged in one stripe: beyond one recovery piece.
  cut_images 1
  zero_sectors disks/disk2.img 100 1
  flip_bytes disks/disk5.img 52000
  expect_status 1 "$PIECESET" verify disks
  expect_in out.txt "verdict: damaged beyond repair: block 6 is damaged on 2 disks, and 1 recovery piece rebuilds at most 1; lost: disk 2 (FILE.2), disk 5 (FILE.5)"
}

# The set is what its disks agree on: another set's disk 1 or REPAIR.1 of the
# same name, or a recovery header with a flipped byte, is one damaged disk,
# whatever the order of the places.
case_disks_agree_on_the_set() {
  seeded_file other.exe 6000000
  expect_status 0 "$PIECESET" cut other.exe --name "Recovered" --media 1.44M --images --recovery 2 -o other
  cut_images 2
  cp other/disk1.img disks/disk1.img
  repaired "disk 1 (FILE.1)"

  cut_images 2
  cp other/disk6.img disks/disk6.img
  rm disks/disk2.img
  repaired "disk 2 (FILE.2), disk 6 (REPAIR.1)"
  expect_status 3 "$PIECESET" verify disks/disk7.img disks/disk6.img disks/disk5.img disks/disk4.img \
    disks/disk3.img disks/disk1.img

  cut_images 2
  flip_bytes disks/disk6.img 16
  repaired "disk 6 (REPAIR.1)"
  cmp -s fixed/disk6.img set/disk6.img || fail "the rebuilt disk6.img is not the image cut"
}

# Damage where the file system keeps its map: a first FAT with a zeroed
# sector costs no piece while the second copy holds, but the disks are
# rewritten, as Windows reads the first; an image without its boot sector is
# a lost disk.
case_damaged_file_systems() {
  cut_images 1
  for n in 1 2 3; do
    dd if=/dev/zero of=disks/disk$n.img bs=512 seek=1 count=1 conv=notrunc status=none
  done
  dd if=/dev/zero of=disks/disk4.img bs=512 count=1 conv=notrunc status=none
  expect_status 3 "$PIECESET" verify disks/disk*.img
  expect_in out.txt "disk 2 (FILE.2): DAMAGED, FILE.2's cluster chain in the first FAT is broken; read through FAT copy 2"
  expect_in out.txt "disks/disk4.img: BAD, no FAT12, FAT16 or ISO 9660 file system on it"
  expect_status 0 "$PIECESET" repair disks/disk*.img -o fixed
  expect_in out.txt "fixed: rebuilt disk 1 (FILE.1), disk 2 (FILE.2), disk 3 (FILE.3), disk 4 (FILE.4)"
  for n in 1 2 3 4; do
    cmp -s fixed/disk$n.img set/disk$n.img || fail "the rebuilt disk$n.img is not the image cut"
  done
}

case_two_recovery_pieces() {
  cut_images 2
  rm disks/disk2.img disks/disk7.img
  repaired "disk 2 (FILE.2), disk 7 (REPAIR.2)"

  # One disk lost, eight sectors zeroed on another, bytes flipped on a third
  # some 400 KB away.
  cut_images 2
  rm disks/disk5.img
  zero_sectors disks/disk1.img 200 8
  flip_bytes disks/disk3.img 512000
  repaired "disk 1 (FILE.1), disk 3 (FILE.3), disk 5 (FILE.5)"

  # Three disks lost: nothing is written.
  cut_images 2
  rm -rf fixed
  rm disks/disk1.img disks/disk4.img disks/disk6.img
  expect_status 1 "$PIECESET" verify disks
  expect_status 1 "$PIECESET" repair disks -o fixed
  expect_in err.txt "pieceset: cannot repair: block 0 is damaged on 3 disks, and 2 recovery pieces rebuild at most 2; lost: disk 1 (FILE.1), disk 4 (FILE.4), disk 6 (REPAIR.1)"
  [[ -z $(ls -A | grep -E '^(fixed|\.fixed)') ]] || fail "repair beyond its reach left $(ls -A | tr '\n' ' ')"

  # A piece that reads back otherwise while the images are made: no set.
  rm -rf set
  seeded_file other.bin 1000
  RESHIM_PATH="*/disk3/FILE.3" RESHIM_SECOND=$PWD/other.bin LD_PRELOAD=$RESHIM_LIBRARY \
    "$PIECESET" cut setup.exe --name Recovered --media 1.44M --images --recovery 2 -o set \
    >out.txt 2>err.txt
  [[ $? -eq 1 ]] || fail "a cut whose FILE.3 read back otherwise did not exit 1"
  expect_in err.txt "/disk3/FILE.3 to compute the recovery pieces"
  [[ -z $(ls -A | grep -E '^(set|\.set\..*)$') ]] || fail "the failed cut left $(ls -A | tr '\n' ' ')"
}

# REPAIR.EXE beside each recovery piece, checked against the recovery header
# and put back by repair as it was cut.
case_repair_program_on_recovery_disks() {
  seeded_file setup.exe 3000000
  seeded_file program.exe 12000
  printf 'MZ launcher' >launcher.exe
  expect_status 0 "$PIECESET" cut setup.exe --name Healed --media 1.44M --images --recovery 2 \
    --launcher launcher.exe --repair-exe program.exe -o set
  cmp -s set/disk4/REPAIR.EXE program.exe && cmp -s set/disk5/REPAIR.EXE program.exe ||
    fail "the recovery disks do not carry the program given"
  expect_status 0 "$PIECESET" verify set
  expect_in out.txt "verdict: good: 3 disks and 2 recovery pieces with REPAIR.EXE intact"
  expect_status 0 "$PIECESET" show set/disk5.img
  expect_in out.txt "set/disk5.img::REPAIR.EXE: the program that heals the set on Windows, 12000 bytes"
  cp -r set disks && flip_byte disks/disk5/REPAIR.EXE 5000
  expect_status 3 "$PIECESET" verify disks/disk*/
  expect_in out.txt "disk 5 (REPAIR.2, REPAIR.EXE): DAMAGED, REPAIR.EXE not the one cut"
  expect_status 0 "$PIECESET" repair disks/disk*/ -o fixed
  cmp -s fixed/disk5.img set/disk5.img || fail "the rebuilt disk5.img is not the image cut"
  expect_status 2 "$PIECESET" cut setup.exe --name Healed --media 1.44M --repair-exe program.exe -o none
  expect_in err.txt "--repair-exe goes with --recovery and a launcher"
  : >empty.exe
  expect_status 2 "$PIECESET" cut setup.exe --name Healed --media 1.44M --launcher empty.exe -o none
  expect_in err.txt "empty.exe is empty: no launcher"
}

case_flat_set_with_launcher() {
  openssl enc -aes-128-ctr -pass pass:flat -nosalt -pbkdf2 </dev/zero 2>/dev/null |
    head -c 3000000 >setup.exe
  printf 'MZ launcher' >launcher.exe
  expect_status 0 "$PIECESET" cut setup.exe --name Flat --media 1.44M --flat --launcher launcher.exe \
    --recovery 1 -o set
  rm set/SETUP.EXE
  expect_status 3 "$PIECESET" verify set
  expect_in out.txt "disk 1 (SETUP.EXE, FILE.1): DAMAGED, SETUP.EXE missing"
  expect_status 0 "$PIECESET" repair set -o fixed
  [[ "$(ls fixed | tr '\n' ' ')" == "FILE.1 SETUP.EXE " ]] || fail "flat repair wrote $(ls fixed)"
  cmp -s fixed/SETUP.EXE launcher.exe || fail "the rebuilt SETUP.EXE differs"
  expect_status 2 "$PIECESET" cut setup.exe --name Flat --media 1.44M --recovery 33 -o big
  expect_in err.txt "pieceset: --recovery 33: at most 32 recovery pieces"
  expect_status 1 "$PIECESET" repair setup.exe -o none
}

# forge REPAIR OFFSET STRUCT VALUE...: header fields changed, and both its
# digests (of the table, at 216, and of bytes 0..8159) sealed again
forge() {
  python3 -c "
import hashlib, struct, sys
path, fields = sys.argv[1], sys.argv[2:]
with open(path, 'r+b') as f:
    b = bytearray(f.read())
    for i in range(0, len(fields), 3):
        struct.pack_into(fields[i + 1], b, int(fields[i]), int(fields[i + 2], 0))
    k, m, _, blocks = struct.unpack_from('<4I', b, 16)
    b[216:248] = hashlib.sha256(b[8192:8192 + 4 * (k + m) * blocks]).digest()
    b[8160:8192] = hashlib.sha256(b[:8160]).digest()
    f.seek(0); f.write(b)" "$@"
}

# A REPAIR.1 whose fields lie, digests and all: each command ends within
# seconds with a verdict or one line of error, and the pieces' own headers
# stand.
case_forged_recovery_header() {
  seeded_file setup.exe 700000
  expect_status 0 "$PIECESET" cut setup.exe --name Forged --media 300000 --flat --recovery 1 -o set
  local forgery
  for forgery in "28 <I 0" "28 <I 1" "64 <Q 0xffffffffffffffff" "16 <I 199" "96 <I 3" \
                 "96 <I 3 88 <Q 4000" "16 <I 2 64 <Q 555008"; do
    rm -rf f fixed joined.exe && cp -r set f
    # shellcheck disable=SC2086
    forge f/REPAIR.1 $forgery
    expect_status 1 timeout 20 "$PIECESET" verify f
    expect_in out.txt "note: f/REPAIR.1: "
    expect_in out.txt "verdict: damaged: the recovery piece cannot be used (f/REPAIR.1: "
    expect_in out.txt "the pieces are a good set \"Forged\": 3 pieces"
    expect_status 1 timeout 20 "$PIECESET" repair f -o fixed
    [[ $(wc -l <err.txt) -eq 1 ]] || fail "repair after forging $forgery: $(cat err.txt)"
    expect_status 0 timeout 20 "$PIECESET" join f -o joined.exe
    cmp -s setup.exe joined.exe || fail "forging $forgery changed what joins"
  done
  expect_status 1 "$PIECESET" verify f
  expect_in out.txt "its code is for 2 pieces of 555008 bytes, but f/FILE.1 is one of 3 pieces"
}

run_case
