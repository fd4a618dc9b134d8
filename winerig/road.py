"""Which build of the launcher can run here, decided once per run.

Where the kernel runs Wine's 32-bit loader, the shipped 32-bit exe runs (in
the default prefix, through the `wine` wrapper). Some kernels refuse every
32-bit program; Wine's 64-bit side does not need that loader, so there the
64-bit build of the same sources runs under wine64 in a 64-bit prefix. Where
neither loader runs, or Wine is not installed, nothing can prove anything and
the choice fails with the reason.
"""

import errno
import os
import shutil
import subprocess

from .errors import RigError

WINE32_LOADER = "/usr/lib/wine/wine"
WINE64_LOADER = "/usr/lib/wine/wine64"
TOOLS = ("wine", "wineserver", "Xvfb", "xdotool", "import")

SHIPPED = "the 32-bit loader runs here: ran the shipped exe"
REFUSED = ("the kernel refuses 32-bit programs: ran the 64-bit build of the same sources, "
           "not the shipped exe")
TWIN = "the 64-bit build of the same sources, so that its road cannot rot"


class Road:
    """One build tree and the Wine that runs it. What else the tree holds
    (test programs, helpers, the sample) is its callers' to find."""

    def __init__(self, arch, tree, reason, detail=None):
        self.arch = arch
        self.tree = os.path.abspath(tree)
        self.reason = reason
        self.detail = detail

    @property
    def shipped(self):
        return self.arch == "win32"

    @property
    def launcher(self):
        return os.path.join(self.tree, "launcher.exe")

    @property
    def wine(self):
        """The command that starts a Windows program on this road."""
        return ["wine"] if self.shipped else [WINE64_LOADER]

    def env(self):
        """What the road adds to a Wine process's environment."""
        if self.shipped:
            return {}
        return {"WINELOADER": WINE64_LOADER, "WINEARCH": "win64"}

    def summary(self):
        """The line that says which exe ran and why."""
        what = "shipped 32-bit exe" if self.shipped else "64-bit twin"
        line = "%s: %s (%s)" % (what, self.launcher, self.reason)
        if self.detail:
            line += "; " + self.detail
        return line

    def __repr__(self):
        return "Road(%r, %r)" % (self.arch, self.tree)


def loader_refusal(loader):
    """None when the loader runs; else why not, as the system said it."""
    try:
        done = subprocess.run([loader, "--version"], stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, timeout=60)
    except OSError as e:
        if e.errno == errno.ENOEXEC:
            return "Exec format error"
        return str(e)
    except subprocess.TimeoutExpired:
        return "%s --version did not answer within 60 s" % loader
    if done.returncode == 0:
        return None
    message = done.stderr.decode("utf-8", "replace").strip()
    return (message.splitlines() or ["exit code %d" % done.returncode])[-1]


def missing_tools(tools=TOOLS):
    return [tool for tool in tools if not shutil.which(tool)]


def choose_road(win32_tree, win64_tree, tools=TOOLS):
    """The road of this run; raises RigError where no road is open."""
    missing = missing_tools(tools)
    for loader in (WINE32_LOADER, WINE64_LOADER):
        if not os.path.exists(loader):
            missing.append(loader)
    if missing:
        raise RigError("Wine cannot run the launcher here: not installed: %s (make deps)"
                       % ", ".join(missing))
    refused32 = loader_refusal(WINE32_LOADER)
    if refused32 is None:
        return Road("win32", win32_tree, SHIPPED)
    if "Exec format error" not in refused32:
        # Not the kernel: Wine itself is broken, and that must show.
        raise RigError("Wine's 32-bit loader fails here: %s %s" % (WINE32_LOADER, refused32))
    refused64 = loader_refusal(WINE64_LOADER)
    if refused64 is not None:
        raise RigError("neither of Wine's loaders runs here: %s: %s; %s: %s"
                       % (WINE32_LOADER, refused32, WINE64_LOADER, refused64))
    return Road("win64", win64_tree, REFUSED, detail="%s: %s" % (WINE32_LOADER, refused32))


def twin_road(win64_tree):
    """The 64-bit build, for a few cases beside the shipped exe."""
    refused = loader_refusal(WINE64_LOADER)
    if refused is not None:
        raise RigError("Wine's 64-bit loader does not run here: %s" % refused)
    return Road("win64", win64_tree, TWIN)


def forced_road(arch, win32_tree, win64_tree):
    """A road asked for by name (E2E_ARCH, --arch), for trying one by hand."""
    if arch == "win32":
        return Road("win32", win32_tree, "asked for the shipped exe")
    if arch == "win64":
        return Road("win64", win64_tree, "asked for the 64-bit build")
    raise RigError("unknown road %r (win32 or win64)" % arch)
