"""The sample application's installer (sample.nsi, compiled by makensis) as
the Wine suite and the demo drive and read it: where its build lies, its
wizard page by page, what it leaves in a Wine prefix when it has run (files,
Start-menu entry, uninstall entry), and the starts that tell whether it ran.

Every reading goes through the rig, so a failed reg or probe run is a
RigError and never taken for "not installed".
"""

import os
import re

from winerig import RigError

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

# The wizard, page by page: the heading it shows, the button the demo presses
# there, and the screenshot it takes.
WIZARD = [
    ("Welcome to Sample Application 1.0 Setup", "&Next >", "installer-first-page.png"),
    ("Choose Install Location", "&Install", "installer-folder.png"),
    ("Installation Complete", "&Next >", None),
    ("Completing Sample Application 1.0 Setup", "&Finish", "installer-last-page.png"),
]
# The headings are these static controls: welcome and finish pages, inner pages.
HEADING_IDS = (1201, 1037)
WS_DISABLED = 0x08000000


def build_file(road, name):
    """A file of the sample's build in the road's tree; missing is a failure."""
    path = os.path.join(road.tree, "sample", name)
    if not os.path.isfile(path):
        raise RigError("%s is missing (make all; the sample needs makensis from nsis)" % path)
    return path


def read_build_file(road, name):
    with open(build_file(road, name), "rb") as f:
        return f.read()


def wizard_page(rig):
    """The wizard as wine_probe reads it: (heading, buttons, enabled
    buttons), or None while it shows no window."""
    found = rig.window(SETUP_CAPTION)
    if not found:
        return None
    controls = found[1]
    headings = [c["text"] for c in controls if c["class"] == "Static" and c["visible"]
                and c["id"] in HEADING_IDS and c["text"]]
    buttons = [c for c in controls if c["class"] == "Button" and c["visible"]
               and c["id"] in (1, 2, 3)]
    return (headings[0] if headings else "", [c["text"] for c in buttons],
            [c["text"] for c in buttons if not c["style"] & WS_DISABLED])


def wizard_xid(rig):
    """The X window of the wizard, or None."""
    # MUI's inner pages add a space to the caption.
    for caption in (SETUP_CAPTION, SETUP_CAPTION + " "):
        xids = rig.visible_windows(caption)
        if xids:
            return xids[0]
    return None


def press(rig, button):
    """Presses a button of the wizard's page by its text; whether it could."""
    return rig.probe("press", SETUP_CAPTION, button).strip() == "pressed=1"


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
    """The sample's values under the Uninstall key, as name -> data, or None."""
    return rig.registry_values(UNINSTALL_KEY + "\\" + ENTRY)


def clear(rig):
    """Removes what an earlier run of the installer left."""
    for path in (install_dir(rig), menu_dir(rig)):
        if os.path.isdir(path):
            for name in os.listdir(path):
                os.unlink(os.path.join(path, name))
            os.rmdir(path)
    rig.delete_registry(UNINSTALL_KEY + "\\" + ENTRY, native_view=True)
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


def nsis_data_offset(installer):
    """Where the installer's data (its first header) starts, after the
    engine's stub: a byte changed beyond it leaves the stub's code intact, so
    that only the installer's own check can notice it."""
    # The engine looks for its header only at 512-byte boundaries; the same
    # bytes elsewhere (its compressed data may hold them) are no header.
    for at in range(0, len(installer) - 20, 512):
        if installer[at + 4:at + 20] == b"\xef\xbe\xad\xdeNullsoftInst":
            return at
    raise RigError("no NSIS first header in the installer")


def started_commands(log):
    """Command lines of the processes started, from a trace+process log."""
    found = re.finditer(r'CreateProcessInternalW app \(null\) cmdline L"((?:[^"\\]|\\.)*)"', log)
    return [m.group(1).encode("latin-1", "replace").decode("unicode_escape") for m in found]
