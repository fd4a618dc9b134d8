#!/usr/bin/env python3
"""Writes the launcher's icon: one 32 x 32 image in 16 colours, a floppy disk.

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

SIZE = 32

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# One character per pixel, top row first; '.' is transparent.
COLOURS = {'.': None, 'k': 0, 'n': 4, 'b': 12, 's': 7, 'g': 8, 'w': 15, 'r': 9}

PICTURE = [
    "................................",
    "................................",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "..kbbbbbkssssssssssssskbbbbbnk..",
    "..kbnnnnksssgggggsssssknnnnnnnk.",
    "..kbnnnnksssgkkkgsssssknnnnnnnk.",
    "..kbnnnnksssgkkkgsssssknnnnnnnk.",
    "..kbnnnnksssgkkkgsssssknnnnnnnk.",
    "..kbnnnnksssgkkkgsssssknnnnnnnk.",
    "..kbnnnnksssgkkkgsssssknnnnnnnk.",
    "..kbnnnnksssgggggsssssknnnnnnnk.",
    "..kbnnnnkssssssssssssskknnnnnnk.",
    "..kbnnnnnkkkkkkkkkkkkkknnnnnnnk.",
    "..kbnnnnnnnnnnnnnnnnnnnnnnnnnnk.",
    "..kbnnnnnnnnnnnnnnnnnnnnnnnnnnk.",
    "..kbnnnkkkkkkkkkkkkkkkkkkknnnnk.",
    "..kbnnkwwwwwwwwwwwwwwwwwwwknnnk.",
    "..kbnnkwwwwwwwwwwwwwwwwwwwknnnk.",
    "..kbnnkwwrrrrrrrrrrrrrrrwwknnnk.",
    "..kbnnkwwwwwwwwwwwwwwwwwwwknnnk.",
    "..kbnnkwwgggggggggggggwwwwknnnk.",
    "..kbnnkwwwwwwwwwwwwwwwwwwwknnnk.",
    "..kbnnkwwgggggggggggwwwwwwknnnk.",
    "..kbnnkwwwwwwwwwwwwwwwwwwwknnnk.",
    "..kbnnkwwggggggggggggggwwwknnnk.",
    "..kbnnkwwwwwwwwwwwwwwwwwwwknnnk.",
    "..kkknkwwwwwwwwwwwwwwwwwwwknnnk.",
    "..kkknkwwwwwwwwwwwwwwwwwwwknnnk.",
    "..kbnnkwwwwwwwwwwwwwwwwwwwknnnk.",
    "..knnnkwwwwwwwwwwwwwwwwwwwknnnk.",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "................................",
]


def image_bytes():
    """The RT_ICON image: BITMAPINFOHEADER, palette, XOR bits, AND mask."""
    assert len(PICTURE) == SIZE and all(len(row) == SIZE for row in PICTURE)
    xor_size = SIZE * SIZE // 2
    and_size = SIZE * (SIZE // 8)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 4, 0,
                         xor_size + and_size, 0, 0, 0, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_bits = bytearray()
    and_bits = bytearray()
    for row in reversed(PICTURE):  # bottom-up
        pixels = [COLOURS[c] for c in row]
        for x in range(0, SIZE, 2):
            left, right = (p or 0 for p in pixels[x:x + 2])
            xor_bits.append(left << 4 | right)
        for x in range(0, SIZE, 8):
            byte = 0
            for bit, p in enumerate(pixels[x:x + 8]):
                if p is None:
                    byte |= 0x80 >> bit
            and_bits.append(byte)
    assert len(xor_bits) == xor_size and len(and_bits) == and_size
    return header + palette + bytes(xor_bits) + bytes(and_bits)


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: make_icon.py OUTPUT.ico')
    image = image_bytes()
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    with open(sys.argv[1], 'wb') as out:
        out.write(directory + entry + image)


if __name__ == '__main__':
    main()
