"""Piece sets for the end-to-end suite and the demo.

make_set() writes the bytes the launcher reads: each piece is a 1024-byte
header (the name, a NUL, identity bytes, zero padding to 1023 bytes, then the
last-piece byte) followed by its slice of the installer. Cutter makes sets
through the project's pieceset tool, and falls back to make_set() without it.
"""

import hashlib
import os
import subprocess

HEADER_SIZE = 1024
IDENTITY_SIZE = 1023


def header(name, identity, last):
    body = name.encode("latin-1") + b"\0" + identity
    if len(body) > IDENTITY_SIZE:
        raise ValueError("name and identity exceed 1023 bytes")
    return body.ljust(IDENTITY_SIZE, b"\0") + (b"\1" if last else b"\0")


def make_set(payload, sizes, name, identity=b"e2e-set-A"):
    """The pieces (bytes) of a set whose payload slices have these sizes; the
    sizes add up to len(payload). The last piece carries the last mark."""
    if sum(sizes) != len(payload):
        raise ValueError("slice sizes add up to %d, payload is %d" % (sum(sizes), len(payload)))
    pieces = []
    at = 0
    for i, size in enumerate(sizes):
        pieces.append(header(name, identity, i == len(sizes) - 1) + payload[at:at + size])
        at += size
    return pieces


def write_pieces(pieces, placement):
    """Writes piece n (1-based) as FILE.n into placement[n-1], a directory."""
    for number, (data, directory) in enumerate(zip(pieces, placement), start=1):
        os.makedirs(directory, exist_ok=True)
        with open(os.path.join(directory, "FILE.%d" % number), "wb") as f:
            f.write(data)


def padded(program, total, seed=b"overlay"):
    """The program's bytes followed by deterministic filler up to total bytes.
    PE loaders ignore data appended after the last section."""
    if total < len(program):
        raise ValueError("total is smaller than the program")
    filler = bytearray()
    block = seed
    while len(filler) < total - len(program):
        block = hashlib.sha256(block).digest()
        filler += block
    return program + bytes(filler[:total - len(program)])


def split_evenly(total, count):
    base, extra = divmod(total, count)
    return [base + (1 if i < extra else 0) for i in range(count)]


class Cutter:
    """Makes piece sets with the project's pieceset tool when given its path,
    else with make_set(), cutting the same way: every piece but the last fills
    a disk of `media` bytes."""

    def __init__(self, tool, workdir):
        self.tool = tool
        self.workdir = workdir
        self.count = 0

    def cut(self, payload, name, media):
        """The set's pieces as bytes, FILE.1 first."""
        if not self.tool:
            room = media - HEADER_SIZE
            sizes = [room] * (len(payload) // room)
            if len(payload) % room or not sizes:
                sizes.append(len(payload) % room)
            return make_set(payload, sizes, name, identity=hashlib.sha256(payload).digest())
        source = self._source(payload)
        out = source[:-len(".exe")] + "-set"
        subprocess.run([self.tool, "cut", source, "--name", name, "--media", str(media),
                        "--flat", "--force", "-o", out], check=True,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, timeout=300)
        result = []
        while os.path.exists(os.path.join(out, "FILE.%d" % (len(result) + 1))):
            with open(os.path.join(out, "FILE.%d" % (len(result) + 1)), "rb") as f:
                result.append(f.read())
        return result

    def cut_disks(self, payload, name, media, first_media, launcher, out):
        """The tool's own disk folders (disk1 with SETUP.EXE, disk2, ...)."""
        subprocess.run([self.tool, "cut", self._source(payload), "--name", name,
                        "--media", str(media), "--first-media", str(first_media),
                        "--launcher", launcher, "--force", "-o", out], check=True,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, timeout=300)
        disks = []
        while os.path.isdir(os.path.join(out, "disk%d" % (len(disks) + 1))):
            disks.append(os.path.join(out, "disk%d" % (len(disks) + 1)))
        return disks

    def _source(self, payload):
        self.count += 1
        path = os.path.join(self.workdir, "installer-%02d.exe" % self.count)
        os.makedirs(self.workdir, exist_ok=True)
        with open(path, "wb") as f:
            f.write(payload)
        return path


def payload_of(piece):
    return piece[HEADER_SIZE:]
