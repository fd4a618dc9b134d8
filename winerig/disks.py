"""What a drive holds with a disk in: the files of a floppy or CD image,
unpacked into a folder that a drive letter can then point at, and such a
folder served as a disk with bad sectors."""

import os
import re
import subprocess
import time

from .errors import RigError
from .process import run_command, spawn, stop_process

# ISO 9660 names itself in the volume descriptor of sector 16.
ISO_MARK_AT = 16 * 2048 + 1
ISO_MARK = b"CD001"


def image_kind(image):
    """"iso9660" or "fat", from the image's own bytes rather than its name."""
    with open(image, "rb") as f:
        boot = f.read(512)
        f.seek(ISO_MARK_AT)
        iso = f.read(len(ISO_MARK))
    if iso == ISO_MARK:
        return "iso9660"
    if len(boot) == 512 and boot[510:512] == b"\x55\xaa":
        return "fat"
    raise RigError("%s is neither an ISO 9660 nor a FAT image" % image)


def unpack_image(image, folder, timeout=120):
    """Copies every file of the image into folder (made when missing), with
    mtools for FAT and xorriso for ISO 9660; returns folder."""
    kind = image_kind(image)
    os.makedirs(folder, exist_ok=True)
    if kind == "fat":
        run_command(["mcopy", "-s", "-i", image, "::*", folder + "/"], timeout=timeout,
                    what="mcopy", stdout=subprocess.DEVNULL)
        return folder
    run_command(["xorriso", "-osirrox", "on", "-indev", image, "-extract", "/", folder],
                timeout=timeout, what="xorriso", stdout=subprocess.DEVNULL)
    # xorriso gives the copies the disc's read-only modes; the caller's
    # folder must stay its own to change and remove.
    for name in [""] + os.listdir(folder):
        os.chmod(os.path.join(folder, name), 0o755)
    return folder


class FailingDisk:
    """A disk's folder served through faultfs (a FUSE file system of the
    tests) at a mount point, where reads touching the 512 bytes at each of
    `bad_offsets` of its files fail with EIO, as a floppy's bad sectors do.
    Point a drive at .path while it is mounted:

      with FailingDisk(faultfs, folder, mountpoint, [40960]) as disk:
          rig.point_drive("a", disk.path)
          ...
          disk.failed_reads()     [(path, offset, size)] that got EIO so far

    Where FUSE cannot mount here, entering is a RigError that says why."""

    FAILED_READ = re.compile(r"^faultfs: read of (\S+) at (\d+), (\d+) bytes: EIO$", re.M)

    def __init__(self, faultfs, folder, mountpoint, bad_offsets, timeout=10):
        self.faultfs = faultfs
        self.folder = os.path.abspath(folder)
        self.path = os.path.abspath(mountpoint)
        self.faults = self.path + ".faults"
        self.log_path = self.path + ".log"
        self.bad_offsets = list(bad_offsets)
        self.timeout = timeout
        self._proc = None

    def __enter__(self):
        if not self.faultfs or not os.access(self.faultfs, os.X_OK):
            raise RigError("no faultfs to serve a failing disk with (given %r; it needs "
                           "libfuse3-dev at configure time)" % self.faultfs)
        if not os.path.exists("/dev/fuse"):
            raise RigError("FUSE cannot mount a failing disk here: no /dev/fuse")
        os.makedirs(self.path, exist_ok=True)
        with open(self.faults, "w") as f:
            f.writelines("read %d\n" % offset for offset in self.bad_offsets)
        args = [self.faultfs, self.folder, self.faults, self.path, "-f"]
        with open(self.log_path, "wb") as log:
            self._proc = spawn(args, None, what="faultfs", stdin=subprocess.DEVNULL,
                               stdout=log, stderr=log)
        deadline = time.monotonic() + self.timeout
        while not os.path.ismount(self.path):
            if self._proc.poll() is not None or time.monotonic() > deadline:
                code = self._proc.poll()
                self.__exit__()
                raise RigError("faultfs did not mount %s within %d s" % (self.path, self.timeout),
                               command=args, code=code, stderr=self._log())
            time.sleep(0.05)
        return self

    def __exit__(self, *exc):
        if self._proc is None:
            return
        if os.path.ismount(self.path):
            # Lazily: a Wine process that still holds a file there lets go later.
            run_command(["fusermount3", "-u", "-z", self.path], timeout=30, check=False,
                        what="fusermount3")
        stop_process(self._proc, timeout=10)
        self._proc = None

    def failed_reads(self):
        return [(m.group(1), int(m.group(2)), int(m.group(3)))
                for m in self.FAILED_READ.finditer(self._log())]

    def _log(self):
        with open(self.log_path, "rb") as f:
            return f.read().decode("utf-8", "replace")
