"""The sample application's installer (sample/, compiled by makensis) as the
suite and the demo see it: where its build lies, what it leaves in a Wine
prefix when it has run (files, Start-menu entry, uninstall entry), and the
processes and starts that tell whether it ran.

Every reading goes through the rig, so a failed reg or probe run is a
RigError and never taken for "not installed".
"""

import os
import re
import time

from winerig import RigError
from winerig.rig import run_command

NAME = "Sample Application 1.0"
# The wizard's pages add their own text to this caption (MUI adds a space).
SETUP_CAPTION = "Sample Application 1.0 Setup"
APP_CAPTION = "Sample Application"
INSTALL_DIR = "C:\\Program Files\\Sample Application"
APP_PATH = INSTALL_DIR + "\\SampleApp.exe"
UNINSTALLER_PATH = INSTALL_DIR + "\\Uninstall.exe"
UNINSTALL_KEY = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
ENTRY = "Sample Application"
SHORTCUT = "Sample Application.lnk"


def build_file(road, name):
    """A file of the sample's build in the road's tree; missing is a failure."""
    path = os.path.join(road.tree, "sample", name)
    if not os.path.isfile(path):
        raise RigError("%s is missing (make all; the sample needs makensis from nsis)" % path)
    return path


def read_build_file(road, name):
    with open(build_file(road, name), "rb") as f:
        return f.read()


def install_dir(rig):
    return rig.c_drive("Program Files", "Sample Application")


def menu_dir(rig):
    """The all-users Start-menu folder the installer creates."""
    return rig.c_drive("ProgramData", "Microsoft", "Windows", "Start Menu", "Programs",
                       "Sample Application")


def installed_files(rig):
    """Name -> bytes of every file in the install folder ({} when absent)."""
    here = install_dir(rig)
    if not os.path.isdir(here):
        return {}
    found = {}
    for name in sorted(os.listdir(here)):
        with open(os.path.join(here, name), "rb") as f:
            found[name] = f.read()
    return found


def uninstall_entry(rig):
    """The sample's values under the Uninstall key, as name -> data, or None.

    Only reg's own "not found" counts as absent; any other failure of the reg
    run is an error. /reg:64: on 64-bit Windows the installer registers in the
    native view."""
    key = UNINSTALL_KEY + "\\" + ENTRY
    done = run_command(rig.road.wine + ["reg", "query", key, "/reg:64"], rig.env(), 60,
                       check=False)
    out = done.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
    if done.returncode == 1 and "Unable to find the specified registry key" in out:
        return None
    if done.returncode != 0 or not out.lower().lstrip().startswith("hkey_local_machine"):
        raise RigError("reg query of the uninstall entry failed", command=["reg", "query", key],
                       code=done.returncode, stderr=out + done.stderr)
    entry = {}
    for line in out.splitlines()[1:]:
        parts = re.split(r" {4}", line.strip(), maxsplit=2)
        if len(parts) == 3:
            entry[parts[0]] = parts[2]
    return entry


def clear(rig):
    """Removes what an earlier run of the installer left."""
    for path in (install_dir(rig), menu_dir(rig)):
        if os.path.isdir(path):
            for name in os.listdir(path):
                os.unlink(os.path.join(path, name))
            os.rmdir(path)
    rig.wine(["reg", "delete", UNINSTALL_KEY + "\\" + ENTRY, "/reg:64", "/f"], check=False)
    if uninstall_entry(rig) is not None:
        raise RigError("the sample's uninstall entry survived reg delete")


def shortcut_target(data):
    """The local path a Shell Link (.lnk) points at, from its LinkInfo, or
    None when it holds none."""
    if len(data) < 0x4C or data[:4] != b"L\0\0\0":
        return None
    flags = int.from_bytes(data[0x14:0x18], "little")
    at = 0x4C
    if flags & 0x1:  # an item ID list comes first
        at += 2 + int.from_bytes(data[at:at + 2], "little")
    if not flags & 0x2:  # no LinkInfo
        return None
    info = data[at:]
    if len(info) < 28 or not int.from_bytes(info[8:12], "little") & 0x1:
        return None
    base = int.from_bytes(info[16:20], "little")
    suffix = int.from_bytes(info[24:28], "little")

    def text(offset):
        end = info.find(b"\0", offset)
        return info[offset:end].decode("latin-1") if 0 < offset < end else ""

    return text(base) + text(suffix)


def read_window(rig, caption_prefix):
    """The visible dialog-class window whose caption begins with
    caption_prefix, as wine_probe reads it: (fields, controls), each control
    a dict of id, class, visible, style, icon and text; None when there is none."""
    fields, controls = {}, []
    for line in rig.probe("window", caption_prefix).splitlines():
        key, _, value = line.partition("=")
        if key == "control":
            cid, cls, visible, style, icon, text = value.split("|", 5)
            controls.append({"id": int(cid), "class": cls, "visible": visible == "1",
                             "style": int(style, 16), "icon": icon == "1", "text": text})
        elif key in ("found", "caption", "owner", "style") and not controls:
            fields[key] = value
        elif controls:
            # A text of several lines goes on over the following lines.
            controls[-1]["text"] += "\n" + line
    return (fields, controls) if fields.get("found") == "1" else None


def nsis_data_offset(installer):
    """Where the installer's data (its first header) starts, after the
    engine's stub: a byte changed beyond it leaves the stub's code intact, so
    that only the installer's own check can notice it."""
    at = installer.find(b"\xef\xbe\xad\xdeNullsoftInst")
    if at < 4:
        raise RigError("no NSIS first header in the installer")
    return at - 4


def running(rig, exe):
    """How many processes of the session run this exe (file name)."""
    out = rig.probe("running", exe).strip()
    m = re.match(r"running=(-?\d+)$", out)
    if not m or int(m.group(1)) < 0:
        raise RigError("wine_probe could not list the processes: %r" % out)
    return int(m.group(1))


def wait_gone(rig, exe, timeout=60):
    """Waits until no process runs this exe; returns the seconds it took."""
    t0 = time.monotonic()
    while running(rig, exe):
        if time.monotonic() - t0 > timeout:
            raise RigError("%s still runs after %d s" % (exe, timeout))
        time.sleep(0.2)
    return time.monotonic() - t0


def started_commands(log):
    """Command lines of the processes started, from a trace+process log."""
    found = re.finditer(r'CreateProcessInternalW app \(null\) cmdline L"((?:[^"\\]|\\.)*)"', log)
    return [m.group(1).encode("latin-1", "replace").decode("unicode_escape") for m in found]
