"""The sets, files and shell runs the measurements are made of: padded
installers, cut sets, payload copies, and a level start before each timed run."""

import contextlib
import hashlib
import os
import random
import shutil
import subprocess
import tempfile
import time

from .common import HEADER, MEDIA, BenchError, MiB


def seeded_block():
    """A MiB of filler, the same on every run, so that a run can be repeated."""
    return random.Random("bench").randbytes(MiB)


def write_installer(path, size, program=None):
    """The program padded to size bytes (PE loaders ignore bytes after the
    last section), or the filler alone; returns its SHA-256."""
    head = b""
    if program:
        with open(program, "rb") as f:
            head = f.read()
    block = bytearray(seeded_block())
    digest = hashlib.sha256()
    with open(path, "wb") as f:
        f.write(head)
        digest.update(head)
        left = size - len(head)
        while left > 0:
            chunk = bytes(block[:min(left, MiB)])
            f.write(chunk)
            digest.update(chunk)
            left -= len(chunk)
            block[0] = (block[0] + 1) & 0xFF
    return digest.hexdigest()


def cut_set(installer, set_dir, launcher, tool):
    clear([set_dir])
    subprocess.run([tool, "cut", installer, "--name", "Bench", "--media", MEDIA,
                    "--flat", "-o", set_dir], check=True, stdout=subprocess.DEVNULL,
                   timeout=600)
    shutil.copy(launcher, os.path.join(set_dir, "launcher.exe"))
    pieces = []
    n = 1
    while os.path.exists(os.path.join(set_dir, "FILE.%d" % n)):
        pieces.append(os.path.join(set_dir, "FILE.%d" % n))
        n += 1
    return pieces


def no_loop_devices():
    """Why no loop device can be had here, or None."""
    if os.geteuid() != 0:
        return "the bench runs without root, and loop devices need it"
    if not shutil.which("losetup") or not os.path.exists("/dev/loop-control"):
        return "this machine has no loop devices (no losetup or no /dev/loop-control)"
    return None


@contextlib.contextmanager
def loop_device(backing):
    """A loop device over the bench's own file, detached afterwards. Its name
    is asked back from the kernel, so that nothing but that file is ever
    behind what the bench writes to."""
    device = subprocess.run(["losetup", "--find", "--show", backing], check=True,
                            capture_output=True, text=True, timeout=60).stdout.strip()
    try:
        behind = subprocess.run(["losetup", "--noheadings", "--output", "BACK-FILE", device],
                                check=True, capture_output=True, text=True,
                                timeout=60).stdout.strip()
        if os.path.realpath(behind) != os.path.realpath(backing):
            raise BenchError("%s is backed by %s, not by %s" % (device, behind, backing))
        yield device
    finally:
        subprocess.run(["losetup", "--detach", device], check=True, timeout=60)


def payload_copies(pieces, directory):
    """Each piece's payload as a file of its own, cut off with dd."""
    clear([directory])
    os.makedirs(directory)
    copies = []
    for n, piece in enumerate(pieces, start=1):
        out = os.path.join(directory, "P.%d" % n)
        subprocess.run(["dd", "if=" + piece, "of=" + out, "bs=%d" % HEADER, "skip=1",
                        "status=none"], check=True, timeout=60)
        copies.append(out)
    return copies


def warm(paths):
    for path in paths:
        with open(path, "rb") as f:
            while f.read(MiB):
                pass


def sha256_file(path):
    digest = hashlib.sha256()
    with open(path, "rb") as f:
        while True:
            chunk = f.read(MiB)
            if not chunk:
                return digest.hexdigest()
            digest.update(chunk)


def clear(paths):
    for path in paths:
        if os.path.isdir(path) and not os.path.islink(path):
            shutil.rmtree(path)
        elif os.path.lexists(path):
            os.unlink(path)


def settle(paths):
    """A level start for the next timed run: no old output, nothing dirty."""
    clear(paths)
    subprocess.run(["sync"], check=True, timeout=300)


def time_shell(script):
    start = time.monotonic()
    subprocess.run(["sh", "-c", script], check=True, timeout=600)
    return time.monotonic() - start


# GNU time, whose child is forked from its own small process: a child forked
# from the bench inherits the bench's high-water mark into ru_maxrss.
GNU_TIME = "/usr/bin/time"


def peak_kib(args):
    """The command's peak resident set in KiB: its ru_maxrss from wait4, as
    GNU time reports it."""
    if not os.access(GNU_TIME, os.X_OK):
        raise BenchError("%s is missing (Debian's time package)" % GNU_TIME)
    with tempfile.NamedTemporaryFile("r", prefix="bench-peak-") as out:
        subprocess.run([GNU_TIME, "-f", "%M", "-o", out.name] + args, check=True,
                       stdout=subprocess.DEVNULL, timeout=600)
        return int(out.read().split()[-1])


def time_command(args):
    start = time.monotonic()
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, timeout=600)
    return time.monotonic() - start


def sh_quote(path):
    return "'" + path.replace("'", "'\\''") + "'"


def rotated(steps, i):
    """The steps in the order of round i, so that none always goes first."""
    k = i % len(steps)
    return steps[k:] + steps[:k]
