"""Test data from a fixed seed, the same bytes on every run, so that a failing
test fails again when it is run again.

    python3 tests/lib/seeded.py SEED BYTES >FILE

From Python: `from tests.lib.seeded import seeded_bytes`. Any text is a seed;
the shell tests use the file's name, so that two files differ.
"""
import random
import sys


def seeded_bytes(seed, size):
    return random.Random(str(seed)).randbytes(size)


def main(argv):
    if len(argv) != 3 or not argv[2].isdigit():
        sys.exit("usage: seeded.py SEED BYTES")
    out = sys.stdout.buffer
    seed, left = random.Random(argv[1]), int(argv[2])
    while left:  # in slices, so that a large file needs little memory
        step = min(left, 1 << 22)
        out.write(seed.randbytes(step))
        left -= step


if __name__ == "__main__":
    main(sys.argv)
