#!/usr/bin/env python3
"""Writes the sample's data file: SIZE bytes of SHA-256 in counter mode from a
fixed seed, so that every build makes the same file and no compressor can
shrink it (the installer must stay as large as the data it carries).

    make_data.py SIZE OUTPUT
"""

import hashlib
import os
import sys

SEED = b"kqlauncher sample data"


def data(size):
    out = bytearray()
    counter = 0
    while len(out) < size:
        out += hashlib.sha256(SEED + counter.to_bytes(8, "little")).digest()
        counter += 1
    return bytes(out[:size])


def main():
    if len(sys.argv) != 3 or not sys.argv[1].isdigit():
        print("usage: make_data.py SIZE OUTPUT", file=sys.stderr)
        return 2
    size, output = int(sys.argv[1]), sys.argv[2]
    # Written beside and renamed, so that an interrupted build leaves no short file.
    part = output + ".part"
    with open(part, "wb") as f:
        f.write(data(size))
    os.replace(part, output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
