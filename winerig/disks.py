"""What a drive holds with a disk in: the files of a floppy or CD image,
unpacked into a folder that a drive letter can then point at."""

import os
import subprocess

from .errors import RigError
from .process import run_command

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
