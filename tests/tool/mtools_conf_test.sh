#!/usr/bin/env bash
# mtools_conf_test.sh PIECESET
# The same seeded set cut with --images twice, the second time in a private
# mount namespace whose /etc/mtools.conf turns every global setting of mtools
# away from its default: the images must come out byte for byte the same.
# Exit 77 (skipped) only where the namespace cannot be made; the reason is
# printed.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh" PIECESET -- "$@"
PIECESET=$(cd "$ORIGIN" && readlink -f "$PIECESET")
conf=/etc/mtools.conf

if [[ $(id -u) -ne 0 ]]; then
  echo "skipped: a private mount namespace needs root (running as uid $(id -u))"
  exit 77
fi
if ! why=$(unshare -m true 2>&1); then
  echo "skipped: unshare -m cannot make a mount namespace here: $why"
  exit 77
fi
# mtools' package installs it; the hostile file is mounted over it.
[[ -f $conf ]] || { echo "FAIL: $conf is missing (reinstall mtools)" >&2; exit 1; }

# Code page 500 is EBCDIC: taken, it rewrites the label's bytes. Drive
# sections name letters; the images are given with -i.
cat >hostile.conf <<'EOF'
MTOOLS_SKIP_CHECK=0
MTOOLS_FAT_COMPATIBILITY=1
MTOOLS_LOWER_CASE=1
MTOOLS_NO_VFAT=1
MTOOLS_NAME_NUMERIC_TAIL=0
MTOOLS_DOTTED_DIR=1
MTOOLS_TWENTY_FOUR_HOUR_CLOCK=0
MTOOLS_DATE_STRING="mm/dd/yyyy"
MTOOLS_LOCK_TIMEOUT=0
MTOOLS_RATE_0=1
MTOOLS_RATE_ANY=1
default_codepage=500
drive a: file="/dev/null" codepage=500 fat_bits=16 sectors=9 heads=1 cylinders=40 mformat_only
EOF

seeded_file inst.exe 1600000
seeded_file launcher.exe 7000
export PIECESET
# cut DIR: the set on floppies (mformat -f) and on FAT16 volumes (every
# figure given), at a fixed date
cut() {
  SOURCE_DATE_EPOCH=1234567890 "$PIECESET" cut inst.exe --name "Conf Test" --media 720K \
    --launcher launcher.exe --images -o "$1/floppy" >/dev/null &&
    SOURCE_DATE_EPOCH=1234567890 "$PIECESET" cut inst.exe --name "Conf Test" --media 2500000 \
      --fs fat16 --images -o "$1/fat16" >/dev/null
}
# mformat as a user would run it, to show that the hostile file is read
control() {
  env -i PATH="$PATH" HOME=/nonexistent MTOOLSRC=/dev/null \
    mformat -i "$1" -C -f 360 -v DISK1 -N 12345678 :: 2>/dev/null
}

mkdir plain hostile
cut plain || fail "the cut without the hostile $conf failed"
control control-plain.img || fail "mformat without the hostile $conf failed"
unshare -m --propagation private bash -c "
  mount --bind hostile.conf $conf || exit 1
  $(declare -f cut control)
  cut hostile || echo 'the cut failed' >&2
  control control-hostile.img || echo 'mformat failed' >&2
" 2>err.txt || fail "no mount namespace with the hostile $conf"
[[ -s err.txt ]] && { fail "with the hostile $conf:"; sed 's/^/  | /' err.txt >&2; }
report "mtools conf"

cmp -s control-plain.img control-hostile.img &&
  fail "mformat made the same image with the hostile $conf: it was not read, and the cut proves nothing"
images=0
for image in plain/*/*.img; do
  images=$((images + 1))
  cmp -- "$image" "hostile/${image#plain/}" >&2 || fail "$image differs with the hostile $conf"
done
[[ $images -ge 4 ]] || fail "only $images images were made"
report "mtools conf"
echo "mtools conf: $images images byte for byte the same with a hostile $conf"
