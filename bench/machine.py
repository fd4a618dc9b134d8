"""The facts a run is read against: the machine, the temp dir's file system,
the load, and which pieceset binary was measured."""

import datetime
import os
import platform
import re
import subprocess

from .common import PIECESET, ROOT
from .files import sha256_file


def machine(road):
    info = {}
    with open("/proc/cpuinfo") as f:
        cpu = f.read()
    m = re.search(r"^model name\s*:\s*(.*)$", cpu, re.M)
    info["cpu"] = m.group(1).strip() if m else platform.processor() or "unknown"
    m = re.search(r"^cpu MHz\s*:\s*(.*)$", cpu, re.M)
    info["mhz"] = m.group(1).strip() if m else None
    info["cores"] = os.cpu_count()
    with open("/proc/meminfo") as f:
        m = re.search(r"^MemTotal:\s+(\d+) kB", f.read(), re.M)
    info["ram_gib"] = int(m.group(1)) / (1 << 20) if m else None
    info["kernel"] = platform.release()
    info["wine"] = subprocess.run(road.wine + ["--version"], stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL,
                                  timeout=60).stdout.decode().strip()
    info["python"] = platform.python_version()
    return info


def filesystem_of(path):
    done = subprocess.run(["df", "-PT", path], stdout=subprocess.PIPE, check=True, timeout=60)
    line = done.stdout.decode().splitlines()[-1].split()
    device, fstype, mount = line[0], line[1], line[-1]
    options = ""
    with open("/proc/mounts") as f:
        for entry in f:
            parts = entry.split()
            if len(parts) >= 4 and parts[1] == mount:
                options = parts[3]
    return {"path": path, "device": device, "type": fstype, "mount": mount, "options": options}


def loadavg():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def git(*args):
    done = subprocess.run(["git", "-C", ROOT] + list(args), stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, timeout=60)
    # Only the last line break goes: a status line starts with a space.
    return done.stdout.decode("utf-8", "replace").rstrip("\n") if done.returncode == 0 else None


def pieceset_build(tool):
    """Which pieceset was measured: the copy's digest, when the binary was
    built, the checkout's commit, and the tool's sources changed since (others
    work on pieceset meanwhile)."""
    built = os.path.getmtime(PIECESET)
    changed = [line[3:] for line in (git("status", "--porcelain", "--", "tools/pieceset")
                                     or "").splitlines() if line]
    newer = sorted(os.path.relpath(os.path.join(d, n), ROOT)
                   for d, _, names in os.walk(os.path.join(ROOT, "tools", "pieceset"))
                   for n in names if os.path.getmtime(os.path.join(d, n)) > built)
    return {"binary": os.path.relpath(PIECESET, ROOT), "sha256": sha256_file(tool),
            "built": datetime.datetime.fromtimestamp(built, datetime.timezone.utc)
            .strftime("%Y-%m-%d %H:%M:%S UTC"),
            "commit": git("rev-parse", "--short", "HEAD"),
            "tool_commit": git("log", "-1", "--format=%h %cd %s",
                               "--date=format-local:%Y-%m-%d %H:%M UTC", "--", "tools/pieceset"),
            "uncommitted": changed, "newer_than_binary": newer}
