"""The file names in the root directory of an ISO 9660 image, as its
directory records hold them: one line "iso9660 NAME" for each in the primary
volume's tree, then "joliet NAME" for each in the Joliet tree.

    python3 iso_names.py IMAGE
"""
import struct
import sys

SECTOR = 2048


def root_names(image, descriptor, decode):
    extent, length = struct.unpack_from("<I4xI", descriptor, 156 + 2)
    image.seek(extent * SECTOR)
    data = image.read(length)
    names, at = [], 0
    while at < len(data):
        size = data[at]
        if size == 0:  # records never cross a sector: the rest is padding
            at = (at // SECTOR + 1) * SECTOR
            continue
        name = data[at + 33:at + 33 + data[at + 32]]
        if name not in (b"\0", b"\1"):  # "." and ".."
            names.append(decode(name))
        at += size
    return names


def main(path):
    with open(path, "rb") as image:
        sector = 16
        while True:
            image.seek(sector * SECTOR)
            descriptor = image.read(SECTOR)
            kind = descriptor[0]
            if descriptor[1:6] != b"CD001" or kind == 255:
                break
            if kind == 1:
                for name in root_names(image, descriptor, lambda b: b.decode("latin-1")):
                    print("iso9660", name)
            elif kind == 2 and descriptor[88:91] in (b"%/@", b"%/C", b"%/E"):
                for name in root_names(image, descriptor, lambda b: b.decode("utf-16-be")):
                    print("joliet", name)
            sector += 1


if __name__ == "__main__":
    main(sys.argv[1])
