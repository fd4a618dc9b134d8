#!/usr/bin/env bash
# pieceset write and rescue on loop devices over files of the test's own:
#   pieceset_device_test.sh PIECESET FAULTFS FAULTSHIM CASE
# The failing disks are loop devices over faultfs (a FUSE file system that
# fails reads and spoils writes at offsets the test lists), so that the
# errors come from the kernel as a bad disk's would. Where FUSE cannot mount
# (or FAULTFS is empty), faultshim does the same around the tool's reads and
# writes of the device; the log says which ran.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh" PIECESET FAULTFS FAULTSHIM CASE -- "$@"

if [[ $(id -u) -ne 0 ]] || ! losetup -f >/dev/null 2>&1; then
  echo "skipped: no loop devices here (needs root and /dev/loop-control)"
  exit 77
fi

loops=()
fault_pid=""
cleanup() {
  local loop
  mountpoint -q "$WORK/mounted" && umount "$WORK/mounted"
  for loop in "${loops[@]}"; do losetup -d "$loop" 2>/dev/null; done
  if [[ -n $fault_pid ]]; then
    fusermount3 -u "$WORK/mnt" 2>/dev/null
    kill "$fault_pid" 2>/dev/null
    wait "$fault_pid" 2>/dev/null
  fi
}

attach() {  # attach FILE [losetup option...]: a new loop device over FILE, in $loop
  loop=$(losetup -f --show "$@") || { echo "FAIL: losetup $*" >&2; exit 1; }
  loops+=("$loop")
}

# A disk of the bytes of FILE whose faults the file "faults" lists, as $loop.
failing_disk() {
  cp "$1" back.img
  : >faults
  mkdir -p mnt
  if [[ -n $FAULTFS && -c /dev/fuse ]]; then
    "$FAULTFS" "$WORK/back.img" "$WORK/faults" "$WORK/mnt" -f 2>faultfs.log &
    fault_pid=$!
    local i
    for ((i = 0; i < 50; i++)); do [[ -e mnt/disk ]] && break; sleep 0.1; done
  fi
  if [[ -e mnt/disk ]]; then
    echo "failing disk: a loop device over faultfs"
    attach mnt/disk
  else
    echo "failing disk: faultshim, as faultfs did not run: ${FAULTFS:+$(cat faultfs.log 2>/dev/null)}${FAULTFS:-not built}"
    attach back.img
    # Only the tool's own calls go through the shim; a sanitized tool needs
    # its runtime loaded ahead of it.
    local asan
    asan=$(ldd "$PIECESET" | awk '/libasan/ { print $3 }')
    printf '#!/bin/sh\nLD_PRELOAD="%s" FAULTSHIM_DEVICE=%s FAULTSHIM_FAULTS=%s exec %s "$@"\n' \
      "${asan:+$asan }$FAULTSHIM" "$loop" "$WORK/faults" "$PIECESET" >shimmed-tool
    chmod +x shimmed-tool
    PIECESET=$WORK/shimmed-tool
  fi
}

wait_for() {  # wait_for TEXT FILE: up to ten seconds
  local i
  for ((i = 0; i < 100; i++)); do
    grep -qsF -- "$1" "$2" && return
    sleep 0.1
  done
}

# A seeded two-disk set on 1.44M images, DISK1 and DISK2 (and more with
# cut options such as --recovery).
cut_set() {
  python3 -c 'import random, sys; sys.stdout.buffer.write(random.Random(19).randbytes(2000000))' >setup.exe
  "$PIECESET" cut setup.exe --name "Device Test" --media 1.44M --images "$@" -o set >/dev/null ||
    { echo "FAIL: cut" >&2; exit 1; }
}

case_write_refusals() {
  cut_set
  head -c 1474560 /dev/zero >blank
  attach blank
  local drive=$loop

  expect_status 2 "$PIECESET" write set/disk1.img --device blank --yes
  expect_in err.txt "pieceset: blank is a file, not a block device"
  expect_status 2 "$PIECESET" write set/disk1.img --device /dev/null --yes
  expect_in err.txt "/dev/null is a character device, not a block device"
  cp set/disk1.img disk1.iso
  expect_status 2 "$PIECESET" write disk1.iso --device "$drive" --yes
  expect_in err.txt "disk1.iso is a CD image: CDs are burnt, not written; burn it with 'xorriso -as cdrecord -v dev=/dev/sr0 -dao disk1.iso', then check the disc with 'pieceset verify /dev/sr0'"
  expect_status 2 "$PIECESET" write set/disk1.img --device "$drive" </dev/null
  expect_in err.txt "write asks for each disk on a terminal; give --yes to write without asking"
  head -c 737280 /dev/zero >small.img
  expect_status 1 "$PIECESET" write small.img --device "$drive" --yes
  expect_in err.txt "$drive holds a 1.44M disk, small.img is a 720K disk: insert a disk of that size (USB floppy drives write only 1.44M and 1.2M high-density disks)"

  # Held by another program, with O_EXCL or without: refused, the holder named.
  python3 -c 'import os, sys, time; os.open(sys.argv[1], os.O_RDONLY | os.O_EXCL); print("held", flush=True); time.sleep(60)' "$drive" >held.txt &
  local holder=$!
  wait_for held held.txt
  expect_status 2 "$PIECESET" write set/disk1.img --device "$drive" --yes
  expect_in err.txt "pieceset: $drive is in use by process $holder (python3)"
  kill "$holder"
  wait "$holder" 2>/dev/null
  (exec {fd}<>"$drive" && echo held >open.txt && exec sleep 60) &
  holder=$!
  wait_for held open.txt
  expect_status 2 "$PIECESET" write set/disk1.img --device "$drive" --yes
  expect_in err.txt "pieceset: $drive is in use by process $holder (sleep)"
  kill "$holder"
  wait "$holder" 2>/dev/null

  # Write-protected: a read-only loop device.
  cp blank protected
  attach protected -r
  expect_status 1 "$PIECESET" write set/disk1.img --device "$loop" --yes
  expect_in err.txt "pieceset: the disk in $loop is write-protected"
  cmp -s blank protected || fail "a write-protected disk was written"

  # Larger than any floppy or Zip disk, even with an image of its size.
  truncate -s 1073742336 big
  attach big
  expect_status 2 "$PIECESET" write set/disk1.img --device "$loop" --yes
  expect_in err.txt "$loop holds 1073742336 bytes; write takes no device over 1 GiB"

  # A partition of a drive with a partition table: one FAT16 partition
  # from sector 2048 on.
  python3 -c '
import struct, sys
mbr = bytearray(512)
mbr[446:462] = struct.pack("<B3sB3sII", 0, b"\0\0\0", 0x0e, b"\0\0\0", 2048, 4096)
mbr[510:512] = b"\x55\xaa"
open(sys.argv[1], "wb").write(bytes(mbr) + bytes(6144 * 512 - 512))' parted
  attach parted -P
  partx -a "$loop" 2>/dev/null
  # Without udev, no one makes the partition's node: the test makes its own.
  local sys=/sys/block/${loop#/dev/}/${loop#/dev/}p1/dev
  for ((i = 0; i < 50; i++)); do [[ -e $sys ]] && break; sleep 0.1; done
  if [[ -e $sys ]]; then
    mknod part b "$(cut -d: -f1 "$sys")" "$(cut -d: -f2 "$sys")"
    expect_status 2 "$PIECESET" write set/disk1.img --device part --yes
    expect_in err.txt "part is partition 1 of $loop; write takes the whole drive"
  else
    fail "the kernel made no partition of $loop"
  fi

  # Mounted: ext2, which every Linux kernel here can mount, stands for
  # the FAT of a floppy.
  head -c 1474560 /dev/zero >mounted.img
  mke2fs -q -F mounted.img && attach mounted.img && mkdir mounted &&
    mount -t ext2 -o ro "$loop" mounted || fail "cannot mount an ext2 loop device here"
  expect_status 2 "$PIECESET" write set/disk1.img --device "$loop" --yes
  expect_in err.txt "$loop is mounted on $WORK/mounted; unmount it first"
  umount mounted
  cmp -s blank "$drive" || fail "a refused write changed $drive"
}

case_write_and_read_back() {
  cut_set
  head -c 1474560 /dev/zero >blank
  failing_disk blank
  local drive=$loop

  echo "write 0x30010" >faults
  expect_status 1 "$PIECESET" write set/disk1.img --device "$drive" --yes
  expect_in err.txt "pieceset: disk 1 of 1 (DISK1) in $drive: sector 384 of 2880 reads back different from set/disk1.img; the disk is bad"
  echo "read 0x40000" >faults
  expect_status 1 "$PIECESET" write set/disk2.img --device "$drive" --yes
  expect_in err.txt "pieceset: disk 1 of 1 (DISK2) in $drive: sector 512 of 2880 cannot be read back: Input/output error; the disk is bad"
  # Without a terminal, no one changes the disk: the write stops before the
  # second image overwrites the first.
  : >faults
  expect_status 1 "$PIECESET" write set/disk1.img set/disk2.img --device "$drive" --yes
  expect_in err.txt "pieceset: the disk in $drive is still disk 1 of 2 (DISK1), just written: writing disk 2 of 2 (DISK2) would overwrite it"
  cmp -s set/disk1.img "$drive" || fail "$drive does not keep disk 1 after the refusal"

  # On a terminal: a disk that fails its check is asked for again, and the
  # next disk only after that. The "other disk" is the mended one. Enter
  # with disk 1 still in the drive asks again; a blank disk is then written
  # over the loop device as the next one inserted.
  echo "write 0x30010" >faults
  : >typescript
  {
    echo
    wait_for "Insert another disk" typescript
    : >faults
    echo
    wait_for "Insert disk 2" typescript
    echo
    wait_for "Insert another disk for disk 2" typescript
    dd if=blank of="$drive" bs=64k oflag=direct status=none
    echo
  } | script -qefc "$PIECESET write set/disk1.img set/disk2.img --device $drive" typescript >/dev/null
  local status=$?
  [[ $status -eq 0 ]] || fail "write on a terminal: exit $status"
  tr -d '\r' <typescript >terminal.txt
  expect_in terminal.txt "Insert disk 1 of 2 (DISK1) into $drive, then press Enter"
  expect_in terminal.txt "pieceset: disk 1 of 2 (DISK1) in $drive: sector 384 of 2880 reads back different from set/disk1.img; the disk is bad"
  expect_in terminal.txt "Insert another disk for disk 1 of 2 (DISK1) into $drive, then press Enter"
  expect_in terminal.txt "$drive: disk 1 of 2 (DISK1) written and read back: set/disk1.img"
  expect_in terminal.txt "Insert disk 2 of 2 (DISK2) into $drive, then press Enter"
  expect_in terminal.txt "pieceset: the disk in $drive is still disk 1 of 2 (DISK1), just written: writing disk 2 of 2 (DISK2) would overwrite it"
  expect_in terminal.txt "Insert another disk for disk 2 of 2 (DISK2) into $drive, then press Enter"
  expect_in terminal.txt "$drive: disk 2 of 2 (DISK2) written and read back: set/disk2.img"
  cmp -s set/disk2.img "$drive" || fail "$drive does not hold disk 2 after the write"
  cmp -s set/disk2.img back.img || fail "the file under $drive does not hold disk 2"
}

# A failing drive read directly: a bad sector costs its block, not the disk.
case_verify_past_a_bad_sector() {
  cut_set --recovery 1
  failing_disk set/disk2.img
  # Sector 100 of FILE.2, which starts at sector 33: in block 6 of 8192 bytes.
  printf 'read 0x%x\n' $(((33 + 100) * 512)) >faults
  expect_status 3 "$PIECESET" verify set/disk1.img "$loop" set/disk3.img
  expect_in out.txt "disk 2 (FILE.2): DAMAGED, block 6 of "
}

case_rescue_and_ddrescue() {
  cut_set
  failing_disk set/disk2.img
  local drive=$loop
  printf 'read 0x1000\nread 0x20200\nread 0x20400\n' >faults

  expect_status 0 "$PIECESET" rescue "$drive" -o rescued.img
  expect_in out.txt "rescued.img: 1536 bytes of $drive unreadable, zeros in the image, listed in rescued.img.map"
  expect_in rescued.img.map "0x00001000  0x00000200  -"
  expect_in rescued.img.map "0x00020200  0x00000400  -"
  cp set/disk2.img expected.img
  for sector in 8 257 258; do
    dd if=/dev/zero of=expected.img bs=512 seek=$sector count=1 conv=notrunc status=none
  done
  cmp -s expected.img rescued.img || fail "the rescued image is not disk 2 with three zeroed sectors"

  expect_status 1 "$PIECESET" rescue "$drive" -o rescued.img
  expect_in err.txt "rescued.img already exists (use --force to replace it)"
  expect_status 2 "$PIECESET" rescue set/disk2.img -o other.img
  expect_in err.txt "set/disk2.img is a file, not a block device"
  [[ ! -e other.img && -z $(ls -A | grep pieceset-) ]] || fail "a refused rescue left files behind"

  # The disk mended: ddrescue takes the map and reads just the bad sectors.
  : >faults
  ddrescue -r1 "$drive" rescued.img rescued.img.map >ddrescue.txt 2>&1 || fail "ddrescue refused the map: $(cat ddrescue.txt)"
  cmp -s set/disk2.img rescued.img || fail "ddrescue from the map did not complete the image"
  grep -q -- ' -$' rescued.img.map && fail "ddrescue left bad sectors in the map"

  expect_status 0 "$PIECESET" rescue "$drive" -o rescued.img --force
  expect_in out.txt "rescued.img: every sector of $drive read"
  cmp -s set/disk2.img rescued.img || fail "a rescue of a good disk differs from it"
}

run_case
