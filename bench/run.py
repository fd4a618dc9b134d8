#!/usr/bin/env python3
"""Benchmarks of the real launcher under Wine: joining throughput against cat
and dd on the same bytes, the launcher's peak memory by set size, its start-up
footprint against a program that only exits, what the hand-off to the
installer costs and why; and pieceset's cut against split, sha256sum and sync.

  PYTHONPATH=. python3 bench/run.py [--runs N] [--sizes MiB,...] [--cut-mib MiB]
                                    [--doc PATH] [--work DIR] [--arch win32|win64]

Needs `make all` first: the launcher and the bench's helper programs of the
build the rig chooses (build/win32, or build/win64 where the kernel refuses
32-bit programs) and build/native/pieceset. Uses a new Wine prefix of its own
under --work (BENCH_WORK, default /tmp/bench-wine), removed after a run that
went right unless --keep, and X displays of its own, so it can run beside the
end-to-end suite and the demo. Writes docs/benchmarks.md,
the raw figures beside it (docs/benchmarks.json) and a plot. Exits 1 when the
launcher's peak memory grows with the set, 2 when a run went wrong.
"""

import argparse
import ctypes
import datetime
import hashlib
import json
import math
import os
import platform
import re
import select
import shutil
import statistics
import struct
import subprocess
import sys
import textwrap
import time

# No __pycache__ in the source tree.
sys.dont_write_bytecode = True

import winerig  # noqa: E402
from winerig import RigError, WineRig  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PIECESET = os.path.join(ROOT, "build", "native", "pieceset")
MiB = 1 << 20
HEADER = 1024
MEDIA = "1.44M"
DISK_BYTES = 1457664
PAYLOAD_BYTES = DISK_BYTES - HEADER
# The launcher must not hold more of a big set than of a small one.
MEMORY_TOLERANCE = 4 * MiB
MARK_DIR = "bench-mark"
TEMP_NAME = "kqtmpins.exe"
# The suite counts its displays up from :90 and the demo down from :199.
BENCH_DISPLAYS = range(77, 90)


class BenchError(Exception):
    pass


def log(*args):
    print("bench:", *args, flush=True)


# ---- inotify, through libc ------------------------------------------------

IN_CLOSE_WRITE = 0x008
IN_CREATE = 0x100
IN_Q_OVERFLOW = 0x4000


class Watch:
    """inotify on a few directories; each event stamped with time.monotonic()
    when it is read. The reader is the bench's own loop, which blocks in
    select() between samples, so the stamp follows the event closely."""

    def __init__(self):
        self._libc = ctypes.CDLL(None, use_errno=True)
        self.fd = self._libc.inotify_init1(os.O_NONBLOCK | os.O_CLOEXEC)
        if self.fd < 0:
            raise BenchError("inotify_init1 failed: errno %d" % ctypes.get_errno())
        self._dirs = {}

    def add(self, directory, mask):
        wd = self._libc.inotify_add_watch(self.fd, os.fsencode(directory), mask)
        if wd < 0:
            raise BenchError("inotify_add_watch %s failed: errno %d"
                             % (directory, ctypes.get_errno()))
        self._dirs[wd] = directory

    def drain(self):
        """Throws away whatever is queued."""
        while self.poll(0):
            pass

    def poll(self, timeout):
        """Events as (stamp, directory, mask, name), waiting up to timeout."""
        ready, _, _ = select.select([self.fd], [], [], timeout)
        if not ready:
            return []
        stamp = time.monotonic()
        try:
            data = os.read(self.fd, 1 << 16)
        except BlockingIOError:
            return []
        events = []
        at = 0
        while at < len(data):
            wd, mask, _cookie, length = struct.unpack_from("iIII", data, at)
            name = data[at + 16:at + 16 + length].rstrip(b"\0").decode("utf-8", "replace")
            at += 16 + length
            if mask & IN_Q_OVERFLOW:
                raise BenchError("inotify queue overflowed")
            events.append((stamp, self._dirs.get(wd), mask, name))
        return events

    def close(self):
        os.close(self.fd)


def _hwm_kib(pid):
    """VmHWM of a live process in KiB, or None once its memory is gone."""
    try:
        with open("/proc/%d/status" % pid) as f:
            m = re.search(r"^VmHWM:\s+(\d+) kB", f.read(), re.M)
    except OSError:
        return None
    return int(m.group(1)) if m else None


def run_program(rig, watch, windows_path, marks, timeout=180):
    """Starts a Windows program and follows it to its exit.

    marks: {name: (directory, mask, file name)}; returns the monotonic stamp
    of the first matching event under each name (or None), plus "start",
    "exit" and "hwm_kib", the last VmHWM sampled from /proc while it ran (the
    rusage of wait4 would not do: the child inherits this Python's high-water
    mark through fork and exec)."""
    watch.drain()
    found = {name: None for name in marks}
    hwm = None
    run = rig.start_program(windows_path, debug="-all")
    proc = run.popen
    start = run.started
    exited = None
    deadline = start + timeout
    while True:
        for stamp, directory, mask, name in watch.poll(0.005):
            for key, (want_dir, want_mask, want_name) in marks.items():
                if found[key] is None and directory == want_dir and mask & want_mask \
                        and name == want_name:
                    found[key] = stamp
        sample = _hwm_kib(proc.pid) if exited is None else None
        if sample is not None:
            hwm = sample
        if exited is None:
            pid, status = os.waitpid(proc.pid, os.WNOHANG)
            if pid == proc.pid:
                exited = time.monotonic()
                proc.returncode = os.waitstatus_to_exitcode(status)
        if exited is not None and all(v is not None for v in found.values()):
            break
        if exited is not None and time.monotonic() > exited + 10:
            break
        if time.monotonic() > deadline:
            proc.kill()
            proc.wait()
            raise BenchError("%s still running after %d s" % (windows_path, timeout))
    result = dict(found)
    result.update({"start": start, "exit": exited, "code": proc.returncode,
                   "hwm_kib": hwm})
    return result


# ---- sets and files -------------------------------------------------------

def write_installer(path, size, program):
    """The program padded to size bytes (PE loaders ignore bytes after the
    last section); returns its SHA-256."""
    with open(program, "rb") as f:
        head = f.read()
    block = bytearray(os.urandom(MiB))
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


# ---- the measurements -----------------------------------------------------

def launcher_run(rig, watch, temp, set_windows_dir):
    mark_dir = rig.c_drive(MARK_DIR)
    r = run_program(rig, watch, set_windows_dir + "\\launcher.exe", {
        "created": (temp, IN_CREATE, TEMP_NAME),
        "closed": (temp, IN_CLOSE_WRITE, TEMP_NAME),
        "installer": (mark_dir, IN_CREATE, "started"),
    })
    for key in ("created", "closed", "installer"):
        if r[key] is None:
            raise BenchError("launcher run without a %r mark (exit code %s)" % (key, r["code"]))
    if r["hwm_kib"] is None:
        raise BenchError("the launcher's process was gone before its memory could be read")
    return r


def bench_size(rig, watch, size_mib, runs, work, tool):
    size = size_mib * MiB
    road = rig.road
    temp = rig.temp_dir()[0]
    joined = os.path.join(temp, TEMP_NAME)
    cat_out = os.path.join(temp, "bench-cat.out")
    dd_out = os.path.join(temp, "bench-dd.out")
    installer = os.path.join(work, "installer.exe")
    set_dir = rig.c_drive("bench", "set")
    copies_dir = rig.c_drive("bench", "payload")
    mark = rig.c_drive(MARK_DIR, "started")

    log("%d MiB: making the installer and cutting it into %s pieces" % (size_mib, MEDIA))
    want = write_installer(installer, size,
                           os.path.join(road.bench_programs, "timing_installer.exe"))
    pieces = cut_set(installer, set_dir, road.launcher, tool)
    os.unlink(installer)
    copies = payload_copies(pieces, copies_dir)
    warm(pieces + copies + [os.path.join(set_dir, "launcher.exe")])

    cat_script = "cat %s > %s" % (" ".join(sh_quote(p) for p in copies), sh_quote(cat_out))
    dd_script = "; ".join("dd if=%s of=%s bs=%d skip=1 oflag=append conv=notrunc status=none"
                          % (sh_quote(p), sh_quote(dd_out), HEADER) for p in pieces)
    dd_floor_script = "; ".join("dd if=%s of=/dev/null bs=%d count=0 status=none"
                                % (sh_quote(p), HEADER) for p in pieces)

    rows = {"launcher_installer": [], "launcher_closed": [], "cat": [], "dd": [],
            "dd_floor": [], "hwm_kib": [], "launcher_exit": []}

    def one_launcher(check):
        settle([joined, mark, cat_out, dd_out])
        r = launcher_run(rig, watch, temp, r"C:\bench\set")
        rows["launcher_installer"].append(r["installer"] - r["created"])
        rows["launcher_closed"].append(r["closed"] - r["created"])
        rows["launcher_exit"].append(r["exit"] - r["start"])
        rows["hwm_kib"].append(r["hwm_kib"])
        if check and sha256_file(joined) != want:
            raise BenchError("%d MiB: the launcher's kqtmpins.exe differs from the installer"
                             % size_mib)

    def one_cat(check):
        settle([joined, mark, cat_out, dd_out])
        rows["cat"].append(time_shell(cat_script))
        if check and sha256_file(cat_out) != want:
            raise BenchError("%d MiB: cat's output differs from the installer" % size_mib)

    def one_dd(check):
        settle([joined, mark, cat_out, dd_out])
        rows["dd"].append(time_shell(dd_script))
        if check and sha256_file(dd_out) != want:
            raise BenchError("%d MiB: dd's output differs from the installer" % size_mib)
        rows["dd_floor"].append(time_shell(dd_floor_script))

    # One round runs each method once: the rounds are the pairs of the ratios.
    for i in range(runs):
        for step in rotated([one_launcher, one_cat, one_dd], i):
            step(i == 0)
        log("%d MiB run %d/%d: launcher %.3f s, cat %.3f s, dd %.3f s"
            % (size_mib, i + 1, runs, rows["launcher_installer"][-1], rows["cat"][-1],
               rows["dd"][-1]))

    settle([joined, mark, cat_out, dd_out, set_dir, copies_dir])
    rows.update({"size": size, "pieces": len(pieces)})
    return rows


def bench_footprint(rig, watch, runs, work, tool):
    """Process start to the installer's start for a one-piece set, against
    the same for programs that do nothing."""
    road = rig.road
    temp = rig.temp_dir()[0]
    mark_dir = rig.c_drive(MARK_DIR)
    mark = os.path.join(mark_dir, "started")
    set_dir = rig.c_drive("bench", "one")
    programs = rig.c_drive("bench", "programs")
    os.makedirs(programs, exist_ok=True)
    for name in ("bare_exit.exe", "timing_installer.exe"):
        shutil.copy(os.path.join(road.bench_programs, name), programs)
    pieces = cut_set(os.path.join(programs, "timing_installer.exe"), set_dir, road.launcher,
                     tool)
    if len(pieces) != 1:
        raise BenchError("the one-piece set has %d pieces" % len(pieces))
    warm(pieces)

    rows = {"bare_exit": [], "installer_direct": [], "launcher_installer": [],
            "launcher_exit": [], "cold_launcher_installer": [], "cold_launcher_exit": []}
    # First with no desktop process: Wine starts one for the launcher's dialog.
    for i in range(runs):
        rig.wait_desktop_gone()
        settle([mark, os.path.join(temp, TEMP_NAME)])
        r = launcher_run(rig, watch, temp, r"C:\bench\one")
        rows["cold_launcher_installer"].append(r["installer"] - r["start"])
        rows["cold_launcher_exit"].append(r["exit"] - r["start"])
        log("footprint, no desktop, run %d/%d: launcher to installer %.3f s"
            % (i + 1, runs, rows["cold_launcher_installer"][-1]))
    rig.hold_desktop(os.path.join(road.bench_programs, "desktop_holder.exe"),
                     os.path.join(mark_dir, "desktop"))
    for i in range(runs):
        settle([mark])
        r = run_program(rig, watch, r"C:\bench\programs\bare_exit.exe", {})
        rows["bare_exit"].append(r["exit"] - r["start"])

        settle([mark])
        r = run_program(rig, watch, r"C:\bench\programs\timing_installer.exe",
                        {"installer": (mark_dir, IN_CREATE, "started")})
        if r["installer"] is None:
            raise BenchError("the timing installer left no mark")
        rows["installer_direct"].append(r["installer"] - r["start"])

        settle([mark, os.path.join(temp, TEMP_NAME)])
        r = launcher_run(rig, watch, temp, r"C:\bench\one")
        rows["launcher_installer"].append(r["installer"] - r["start"])
        rows["launcher_exit"].append(r["exit"] - r["start"])
        log("footprint run %d/%d: bare exit %.3f s, launcher to installer %.3f s"
            % (i + 1, runs, rows["bare_exit"][-1], rows["launcher_installer"][-1]))
    settle([mark, os.path.join(temp, TEMP_NAME), set_dir])
    return rows


def timed_close(path, size, truncate, block):
    """Writes size bytes to a new file and returns how long its close takes.

    truncate: ftruncate(0) right after the creation, as wineserver does for
    a file created with CREATE_ALWAYS. On ext4 (auto_da_alloc) a truncation to
    zero makes the last close start writing the file's delayed blocks out."""
    fd = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644)
    try:
        if truncate:
            os.ftruncate(fd, 0)
        left = size
        while left > 0:
            left -= os.write(fd, block[:min(left, len(block))])
    except BaseException:
        os.close(fd)
        raise
    start = time.monotonic()
    os.close(fd)
    return time.monotonic() - start


def bench_handoff(rig, watch, sizes_mib, runs):
    """What in the step from the close of kqtmpins.exe to the installer's
    start follows the installer's size: the close of a just-written file (with
    and without the truncation wineserver makes), and the start of an exe of
    that size, just written and once written out."""
    road = rig.road
    temp = rig.temp_dir()[0]
    mark_dir = rig.c_drive(MARK_DIR)
    mark = os.path.join(mark_dir, "started")
    probe = os.path.join(temp, "bench-close.bin")
    exe = rig.c_drive("bench", "programs", "padded.exe")
    program = os.path.join(road.bench_programs, "timing_installer.exe")
    block = os.urandom(MiB)
    out = []

    def start_to_mark():
        r = run_program(rig, watch, r"C:\bench\programs\padded.exe",
                        {"installer": (mark_dir, IN_CREATE, "started")})
        if r["installer"] is None:
            raise BenchError("the padded timing installer left no mark")
        return r["installer"] - r["start"]

    for mib in sizes_mib:
        rows = {"mib": mib, "close_truncated": [], "close_plain": [],
                "start_written": [], "start_synced": []}
        for i in range(runs):
            for truncate in rotated([True, False], i):
                settle([probe])
                rows["close_truncated" if truncate else "close_plain"].append(
                    timed_close(probe, mib * MiB, truncate, block))
            settle([probe, exe, mark])
            write_installer(exe, mib * MiB, program)
            rows["start_written"].append(start_to_mark())
            subprocess.run(["sync"], check=True, timeout=300)
            clear([mark])
            rows["start_synced"].append(start_to_mark())
        log("hand-off, %d MiB: close %.3f s after a truncation, %.3f s without; exe start "
            "%.3f s just written, %.3f s written out"
            % (mib, median(rows["close_truncated"]), median(rows["close_plain"]),
               median(rows["start_written"]), median(rows["start_synced"])))
        out.append(rows)
    settle([probe, exe, mark])
    return out


def bench_cut(work, size_mib, runs, program, tool):
    """pieceset cut onto disk folders (and with images) against split -b,
    sha256sum and sync of the same bytes, round by round."""
    directory = os.path.join(work, "cut")
    clear([directory])
    os.makedirs(directory)
    installer = os.path.join(directory, "installer.exe")
    log("cut: a %d MiB installer" % size_mib)
    write_installer(installer, size_mib * MiB, program)
    warm([installer])
    folders = os.path.join(directory, "folders")
    images = os.path.join(directory, "images")
    split_dir = os.path.join(directory, "split")
    outputs = [folders, images, split_dir]
    cut = [tool, "cut", installer, "--name", "Bench", "--media", MEDIA]
    split_script = ("mkdir %s && split -b %d -a 4 -d %s %s/FILE. && sha256sum %s > /dev/null"
                    " && sync %s/FILE.*" % (sh_quote(split_dir), PAYLOAD_BYTES,
                                            sh_quote(installer), sh_quote(split_dir),
                                            sh_quote(installer), sh_quote(split_dir)))
    rows = {"size": size_mib * MiB, "pieceset": [], "pieceset_images": [], "split": []}

    def one_folders(check):
        settle(outputs)
        rows["pieceset"].append(time_command(cut + ["-o", folders]))
        if check:
            check_cut(folders, installer, tool)

    def one_images(check):
        settle(outputs)
        rows["pieceset_images"].append(time_command(cut + ["--images", "-o", images]))
        if check:
            check_cut(images, installer, tool, images=True)

    def one_split(check):
        settle(outputs)
        rows["split"].append(time_shell(split_script))
        if check:
            rows["pieces"] = len(os.listdir(split_dir))

    for i in range(runs):
        for step in rotated([one_folders, one_images, one_split], i):
            step(i == 0)
        log("cut run %d/%d: pieceset %.3f s, with images %.3f s, split+sha256sum+sync %.3f s"
            % (i + 1, runs, rows["pieceset"][-1], rows["pieceset_images"][-1],
               rows["split"][-1]))
    settle([directory])
    return rows


def check_cut(out, installer, tool, images=False):
    """The cut (or its images alone) joins back to the installer, by
    pieceset's own join, untimed."""
    joined = out + ".joined"
    clear([joined])
    paths = sorted(os.path.join(out, n) for n in os.listdir(out) if n.endswith(".img")) \
        if images else [out]
    if not paths:
        raise BenchError("pieceset cut --images wrote no image into %s" % out)
    done = subprocess.run([tool, "join"] + paths + ["-o", joined], stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE, timeout=600)
    if done.returncode != 0 or sha256_file(joined) != sha256_file(installer):
        raise BenchError("pieceset's cut in %s does not join back to the installer: %s"
                         % (out, done.stderr.decode("utf-8", "replace").strip()))
    clear([joined])


# ---- the machine ------------------------------------------------------------

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


# ---- the report ---------------------------------------------------------------

def median(values):
    return statistics.median(values)


def mbps(size, seconds):
    return size / seconds / 1e6


def spread(values):
    return {"median": median(values), "min": min(values), "max": max(values)}


def paired_ratios(subject, baseline):
    """The subject's speed over the baseline's, round by round: the baseline's
    time over the subject's (1.00 = as fast, above 1 = faster)."""
    if len(subject) != len(baseline):
        raise BenchError("unpaired runs: %d against %d" % (len(subject), len(baseline)))
    return [b / s for s, b in zip(subject, baseline)]


def ratio_text(r):
    if r is None:
        return "— (dd's net time was nothing in some round)"
    return "%.2f (%.2f – %.2f)" % (r["median"], r["min"], r["max"])


def against(r, name):
    """What holds for a ratio over all its paired runs, in words."""
    span = "%.2f× to %.2f×" % (r["min"], r["max"])
    if r["min"] > 1:
        return "faster than %s in every paired run (%s)" % (name, span)
    if r["max"] < 1:
        return "slower than %s in every paired run (%s)" % (name, span)
    return "as fast as %s within the spread: faster in some paired runs, slower in others (%s)" \
        % (name, span)


def seconds_text(r):
    return "%.3f s (%.3f – %.3f)" % (r["median"], r["min"], r["max"])


def growth(by_size, key):
    """Whether a time at the largest size lies above its whole spread at the
    smallest: (True/False, smallest entry, largest entry)."""
    small, big = by_size[0], by_size[-1]
    return big[key]["min"] > small[key]["max"], small, big


def within_smallest(by_size, key):
    """The sizes between the smallest and the largest whose time is not above
    the smallest's whole spread."""
    small = by_size[0]
    return [e["mib"] for e in by_size[1:-1] if e[key]["min"] <= small[key]["max"]]


def summarise(sizes):
    out = []
    for rows in sorted(sizes, key=lambda r: r["size"]):
        size = rows["size"]
        dd_net = [d - f for d, f in zip(rows["dd"], rows["dd_floor"])]
        launcher = rows["launcher_installer"]
        copy = rows["launcher_closed"]
        entry = {
            "mib": size // MiB, "pieces": rows["pieces"], "size": size,
            "launcher_s": median(launcher),
            "launcher_join_s": median(copy),
            "cat_s": median(rows["cat"]),
            "dd_s": median(rows["dd"]),
            "dd_net_s": median(dd_net),
            "dd_floor_s": median(rows["dd_floor"]),
            "hwm_kib_max": max(rows["hwm_kib"]),
            "hwm_kib_median": median(rows["hwm_kib"]),
            "launcher_exit_s": median(rows["launcher_exit"]),
            "runs": len(rows["cat"]),
            "handoff": spread([i - c for i, c in zip(launcher, copy)]),
        }
        # With few pieces dd's process starts can be all its time, and the
        # net time of a round nothing or less: no speed to compare with then.
        baselines = [("cat", rows["cat"]), ("dd", rows["dd"])]
        if min(dd_net) > 0:
            baselines.append(("dd_net", dd_net))
        entry["ratios"] = {name: spread(paired_ratios(launcher, base)) for name, base in baselines}
        entry["copy_ratios"] = {name: spread(paired_ratios(copy, base))
                                for name, base in baselines}
        spans = {"launcher": launcher, "launcher_join": copy,
                 "cat": rows["cat"], "dd": rows["dd"], "dd_net": dd_net}
        for key, values in spans.items():
            entry[key + "_mbps"] = mbps(size, entry[key + "_s"]) if entry[key + "_s"] > 0 else None
            entry[key + "_range"] = [min(values), max(values)]
        out.append(entry)
    return out


def summarise_handoff(handoff):
    return [dict({"mib": rows["mib"]},
                 **{key: spread(rows[key]) for key in ("close_truncated", "close_plain",
                                                       "start_written", "start_synced")})
            for rows in sorted(handoff, key=lambda r: r["mib"])]


def summarise_cut(cut):
    if cut is None:
        return None
    return {"mib": cut["size"] // MiB, "pieces": cut["pieces"],
            "pieceset": spread(cut["pieceset"]), "pieceset_images": spread(cut["pieceset_images"]),
            "split": spread(cut["split"]),
            "ratio": spread(paired_ratios(cut["pieceset"], cut["split"])),
            "ratio_images": spread(paired_ratios(cut["pieceset_images"], cut["split"]))}


def svg_plot(summary, path):
    """Throughput against set size, log scales; plain SVG, no libraries."""
    series = [("launcher, kqtmpins.exe created to installer started", "launcher_mbps", "#c0392b"),
              ("launcher, kqtmpins.exe created to closed", "launcher_join_mbps", "#e67e22"),
              ("cat of the payloads", "cat_mbps", "#2c7bb6"),
              ("dd bs=1024 per piece", "dd_mbps", "#1a9641"),
              ("dd bs=1024, process starts taken out", "dd_net_mbps", "#7b3294")]
    width, height = 640, 380
    left, right, top, bottom = 70, 40, 20, 150
    pw, ph = width - left - right, height - top - bottom
    xs = [e["mib"] for e in summary]
    lx0, lx1 = math.log2(min(xs)), math.log2(max(xs))
    if lx1 == lx0:
        lx1 = lx0 + 1
    values = [e[k] for e in summary for _, k, _ in series if e[k]]
    ly0 = math.floor(math.log10(min(values)))
    ly1 = math.ceil(math.log10(max(values)))

    def px(mib):
        return left + (math.log2(mib) - lx0) / (lx1 - lx0) * pw

    def py(v):
        return top + ph - (math.log10(v) - ly0) / (ly1 - ly0) * ph

    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
             'font-family="sans-serif" font-size="12">' % (width, height),
             '<rect width="100%" height="100%" fill="white"/>']
    for decade in range(ly0, ly1 + 1):
        for m in (1, 2, 5):
            y = m * 10 ** decade
            if decade == ly1 and m > 1:
                break
            parts.append('<line x1="%d" y1="%.1f" x2="%d" y2="%.1f" stroke="%s"/>'
                         % (left, py(y), left + pw, py(y), "#bbb" if m == 1 else "#eee"))
            parts.append('<text x="%d" y="%.1f" text-anchor="end">%g</text>'
                         % (left - 6, py(y) + 4, y))
    for mib in xs:
        parts.append('<line x1="%.1f" y1="%d" x2="%.1f" y2="%d" stroke="#ddd"/>'
                     % (px(mib), top, px(mib), top + ph))
        parts.append('<text x="%.1f" y="%d" text-anchor="middle">%d MiB</text>'
                     % (px(mib), top + ph + 16, mib))
    parts.append('<rect x="%d" y="%d" width="%d" height="%d" fill="none" stroke="#333"/>'
                 % (left, top, pw, ph))
    parts.append('<text x="%d" y="%d" text-anchor="middle">installer size (log scale)</text>'
                 % (left + pw / 2, top + ph + 34))
    parts.append('<text x="16" y="%d" transform="rotate(-90 16 %d)" text-anchor="middle">'
                 'MB/s (median, log scale)</text>' % (top + ph / 2, top + ph / 2))
    for i, (label, key, colour) in enumerate(series):
        shown = [e for e in summary if e[key]]
        points = " ".join("%.1f,%.1f" % (px(e["mib"]), py(e[key])) for e in shown)
        parts.append('<polyline points="%s" fill="none" stroke="%s" stroke-width="2"/>'
                     % (points, colour))
        for e in shown:
            parts.append('<circle cx="%.1f" cy="%.1f" r="3" fill="%s"/>'
                         % (px(e["mib"]), py(e[key]), colour))
        ly = top + ph + 52 + i * 18
        parts.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="%s" stroke-width="2"/>'
                     % (left, ly - 4, left + 24, ly - 4, colour))
        parts.append('<text x="%d" y="%d">%s</text>' % (left + 30, ly, label))
    parts.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(parts) + "\n")


def write_doc(path, raw_name, plot_name, run):
    """The page, from the same dictionary that is written beside it as JSON."""
    road = run["road"]
    info, fs, load = run["machine"], run["filesystem"], run["load"]
    summary, foot, verdict = run["summary"], run["footprint"], run["verdict"]
    handoff, cut = run["handoff"], run["cut"]
    runs = run["runs"]
    launcher_rel = road["launcher"]
    fs_text = "%s on %s (%s, mounted at %s, %s)" % (fs["path"], fs["device"], fs["type"],
                                                     fs["mount"], fs["options"])
    big = summary[-1]
    small = summary[0]
    grows, _, _ = growth(summary, "handoff")
    lines = []
    add = lines.append

    def para(text, gap=True):
        """One paragraph (or list item), wrapped."""
        indent = "  " if text.startswith("- ") else ""
        lines.extend(textwrap.wrap(text, 92, subsequent_indent=indent,
                                   break_on_hyphens=False))
        if gap:
            add("")

    add("# Benchmarks")
    add("")
    para("Figures of the real `%s` under Wine, produced by `make bench` (`bench/run.py`; it "
         "takes several minutes and is not part of `make test`). Every run rewrites this page "
         "and the raw figures it is made from, [`%s`](%s), so that each number here can be "
         "traced to the runs behind it." % (launcher_rel, raw_name, raw_name))
    para("Ran: %s." % road["summary"])
    para("Last run: %s, %d runs per figure, %.0f s in all." % (run["stamp"], runs, run["elapsed"]))
    para("The machine has %d cores, shared with other developers who build and test on them at "
         "the same time (load average %s at the start, %s at the end). That is why every time "
         "below comes with its spread (fastest – slowest run) and every ratio with its own "
         "lowest and highest value over paired runs: each round runs every method once, in an "
         "order that turns round from one round to the next, and a ratio compares the runs of "
         "one round, made seconds apart. The summary says only what holds over the whole spread."
         % (info["cores"], load[0], load[1]))
    add("## In short")
    add("")
    versus = [against(big["ratios"]["dd"], "`dd bs=1024` over the same pieces")]
    if "dd_net" in big["ratios"]:
        versus.append(against(big["ratios"]["dd_net"], "dd with its process starts taken out"))
    versus.append(against(big["ratios"]["cat"], "`cat`"))
    para("- Joining a %d MiB set of %d pieces, the launcher (from the creation of `kqtmpins.exe` "
         "to the installer's start; median %.0f MB/s) is %s." % (big["mib"], big["pieces"],
                                                               big["launcher_mbps"],
                                                               "; ".join(versus)), gap=False)
    flat_sizes = within_smallest(summary, "handoff")
    para("- The hand-off from the close of `kqtmpins.exe` to the installer's start %s: %s at "
         "%d MiB, %s at %d MiB%s. Why: see [The hand-off](#the-hand-off)."
         % ("grows with the installer's size" if grows else
            "does not grow beyond its spread with the installer's size",
            seconds_text(small["handoff"]), small["mib"], seconds_text(big["handoff"]),
            big["mib"], " (at %s still within the %d MiB spread)"
            % (", ".join("%d MiB" % m for m in flat_sizes), small["mib"])
            if grows and flat_sizes else ""), gap=False)
    para("- Peak memory: %s" % verdict, gap=False)
    para("- `launcher.exe` is %d bytes and has the installer running %s after it is spawned, "
         "where a program that only exits takes %s."
         % (run["launcher_size"], seconds_text(spread(foot["launcher_installer"])),
            seconds_text(spread(foot["bare_exit"]))), gap=False)
    if cut:
        para("- `pieceset cut` of a %d MiB installer onto %s disks is %s; with `--images` it is %s."
             % (cut["mib"], MEDIA, against(cut["ratio"], "`split -b`, `sha256sum` and `sync` "
                                           "of the same bytes"),
                against(cut["ratio_images"], "the same")), gap=False)
    add("")

    add("## Machine")
    add("")
    add("| | |")
    add("|---|---|")
    add("| CPU | %s%s |" % (info["cpu"], ", %s MHz" % info["mhz"] if info["mhz"] else ""))
    add("| cores | %d, shared: other developers' builds and test runs used the same cores "
        "during the run; load average %s at the start, %s at the end |"
        % (info["cores"], load[0], load[1]))
    add("| RAM | %.1f GiB |" % info["ram_gib"])
    add("| temp dir | %s |" % fs_text)
    add("| kernel | Linux %s |" % info["kernel"])
    add("| Wine | %s; %s in a prefix of its own made by `wineboot -i`, one persistent "
        "wineserver, WINEDEBUG=-all, Xvfb without a window manager |"
        % (info["wine"], "the shipped 32-bit exe under `wine`" if road["shipped"] else
           "the 64-bit build of the same sources under `wine64`, in a 64-bit prefix"))
    add("| exe | %s |" % road["summary"])
    add("")

    add("## Joining throughput")
    add("")
    add("Each installer (the bench's timing installer padded to the size) is cut with `pieceset cut")
    add("--media %s --flat`, so every piece holds %d payload bytes after its %d-byte header and"
        % (MEDIA, PAYLOAD_BYTES, HEADER))
    add("the set lies side by side (no message box). Every method joins the same piece files,")
    add("in the same directory, into a new file in the prefix's `Temp` folder:")
    add("")
    add("- **launcher**: `launcher.exe` beside FILE.1, under Wine. The clock runs from the creation")
    add("  of `%TEMP%\\kqtmpins.exe` to the creation of the marker file that the started installer")
    add("  makes first thing, both seen through inotify; Wine's start-up is outside it, the")
    add("  hand-off (`WinExec` and the start of the installer's own Wine process) inside. A second")
    add("  figure stops at inotify's IN_CLOSE_WRITE of `kqtmpins.exe`: the copy alone.")
    add("- **cat**: `cat P.1 ... P.n > out`, one process, over payload-only copies of the pieces")
    add("  (cut off beforehand with `dd bs=1024 skip=1`, not timed): the same bytes in the same")
    add("  number of files, with cat's own large buffer.")
    add("- **dd bs=1024**: `dd if=FILE.k of=out bs=1024 skip=1 oflag=append conv=notrunc` for")
    add("  each piece in turn, from one `sh -c`: the launcher's own pattern, 1024-byte reads and")
    add("  writes of the real pieces. It costs one process start per piece, which the launcher")
    add("  does not pay, so the same loop with `count=0` is timed in every round and taken out in")
    add("  the \"net\" row (round by round).")
    add("")
    add("Each run starts with the earlier output deleted and `sync`, so no method finds another's")
    add("dirty pages. Wine's desktop process is kept alive throughout (see Footprint), so its")
    add("start-up neither falls into a timed copy nor runs beside one. Page caches are not dropped")
    add("(that would disturb the others' work): the pieces and copies are read once before the")
    add("first run, so every figure is of warm input. MB/s is 10^6 installer bytes per second of")
    add("the median time. The ratio is the launcher's speed (created → installer started) over the")
    add("baseline's in the same round (1.00 = as fast, below 1 = slower): its median, and in")
    add("brackets its lowest and highest over the %d rounds." % runs)
    add("")
    add("| installer | pieces | method | median s | fastest – slowest s | MB/s "
        "| launcher ÷ this, median (lowest – highest) |")
    add("|---|---|---|---|---|---|---|")
    for e in summary:
        first = True
        for label, key in (("launcher, created → installer started", "launcher"),
                           ("launcher, created → closed (copy only)", "launcher_join"),
                           ("cat of the payloads", "cat"),
                           ("dd bs=1024 per piece", "dd"),
                           ("dd bs=1024 per piece, net of %d process start%s (%.3f s)"
                            % (e["pieces"], "" if e["pieces"] == 1 else "s", e["dd_floor_s"]),
                            "dd_net")):
            ratio = "" if key.startswith("launcher") else ratio_text(e["ratios"].get(key))
            speed = "%.0f" % e[key + "_mbps"] if e[key + "_mbps"] else "—"
            add("| %s | %s | %s | %.3f | %.3f – %.3f | %s | %s |"
                % ("%d MiB" % e["mib"] if first else "", e["pieces"] if first else "", label,
                   e[key + "_s"], e[key + "_range"][0], e[key + "_range"][1], speed, ratio))
            first = False
    add("")
    add("The copy alone (created → closed) against the same baselines, round by round:")
    add("")
    add("| installer | ÷ cat | ÷ dd | ÷ dd net |")
    add("|---|---|---|---|")
    for e in summary:
        add("| %d MiB | %s | %s | %s |"
            % (e["mib"], ratio_text(e["copy_ratios"]["cat"]), ratio_text(e["copy_ratios"]["dd"]),
               ratio_text(e["copy_ratios"].get("dd_net"))))
    add("")
    add("![Throughput against installer size](%s)" % plot_name)
    add("")

    add("## The hand-off")
    add("")
    para("The step from inotify's IN_CLOSE_WRITE of `kqtmpins.exe` to the installer's marker "
         "(the first row above less the second, round by round):")
    add("| installer | close → installer started, median (fastest – slowest) |")
    add("|---|---|")
    for e in summary:
        add("| %d MiB | %s |" % (e["mib"], seconds_text(e["handoff"])))
    add("")
    if grows:
        para("It grows with the installer's size: the fastest hand-off at %d MiB is slower than "
             "the slowest at %d MiB. At the small size the first row of the throughput table "
             "measures the hand-off rather than the joining; at the large one the hand-off is "
             "part of what the size costs.%s" % (big["mib"], small["mib"],
                                                 " At %s it is still within the %d MiB spread."
                                                 % (", ".join("%d MiB" % m for m in flat_sizes),
                                                    small["mib"]) if flat_sizes else ""))
    else:
        para("In this run it does not grow beyond its spread: the fastest hand-off at %d MiB is "
             "no slower than the slowest at %d MiB." % (big["mib"], small["mib"]))
    para("What in it follows the size was measured in each round below, with the desktop held "
         "as above:")
    para("- *exe start*: the timing installer padded to the size, started directly under Wine, "
         "until its marker appears: once just written (its pages still dirty), and once more "
         "after `sync`, from the cache.", gap=False)
    para("- *close*: a file of the size, written by the bench itself into the prefix's `Temp` "
         "folder, and the time its `close()` takes: once created and then truncated to zero "
         "with `ftruncate(fd, 0)`, once only created (the two in turns).")
    add("| size | exe start, just written | exe start, after sync | close after ftruncate(0) "
        "| close, no truncation |")
    add("|---|---|---|---|---|")
    for h in handoff:
        add("| %d MiB | %s | %s | %s | %s |"
            % (h["mib"], seconds_text(h["start_written"]), seconds_text(h["start_synced"]),
               seconds_text(h["close_truncated"]), seconds_text(h["close_plain"])))
    add("")
    hs, hb = handoff[0], handoff[-1]
    if hb["start_written"]["min"] > hs["start_written"]["max"]:
        para("Here a %d MiB exe, just written, started more slowly than a %d MiB one over the "
             "whole spread: in this run the size of the file the new process maps did count."
             % (hb["mib"], hs["mib"]))
    else:
        para("A %d MiB exe, just written, starts no slower than a %d MiB one beyond the spread: "
             "the size of the file the new process maps (Wine maps its sections, not the "
             "padding after them) is not what grows." % (hb["mib"], hs["mib"]))
    if hb["close_truncated"]["min"] > max(hs["close_truncated"]["max"],
                                          hb["close_plain"]["max"]):
        para("The close is what grows: after a truncation to zero, the close of %d MiB just "
             "written takes %s, against %s without the truncation and %s at %d MiB."
             % (hb["mib"], seconds_text(hb["close_truncated"]), seconds_text(hb["close_plain"]),
                seconds_text(hs["close_truncated"]), hs["mib"]))
    else:
        para("In this run the close after a truncation did not grow beyond its spread either, "
             "so these figures do not explain this run's hand-off.")
    para("Why a truncation: wineserver makes a file opened with `CREATE_ALWAYS` (as the launcher "
         "opens `kqtmpins.exe`) by `open(O_RDWR|O_CREAT)` followed by `ftruncate(fd, 0)`. An "
         "strace of the server (taken once by hand, not by this bench) showed exactly that, and "
         "one of the launcher showed its `close()` of that file taking 0.25 s at 512 MiB and "
         "nothing at 1 MiB. On ext4 with `auto_da_alloc` (the default, as here) a truncation to "
         "zero marks the file so that its last close starts writing out all its "
         "delayed-allocation blocks, in the closing process, taking the longer the more of it "
         "is still dirty. inotify reports IN_CLOSE_WRITE before the file system's part of the close "
         "runs, so that write-out falls after the \"closed\" mark and before the installer's "
         "start. The hand-off grows with the size because the close does; it is how Wine "
         "truncates on this file system, not work the launcher asks for.")

    add("## Peak memory")
    add("")
    add("VmHWM of the Wine process that runs `launcher.exe` (the process `wine` starts; it loads")
    add("the exe in place), sampled from `/proc/PID/status` every few milliseconds until it exits")
    add("(the last sample counts: VmHWM never falls). `ru_maxrss` from `wait4` is no use here: a")
    add("child started from Python inherits the Python process's high-water mark through fork")
    add("and exec, so it shows the bench's own size.")
    add("The figures are of the whole Wine process: ntdll, kernel32, user32, the X11 driver and")
    add("the dialog, which is nearly all of it; the launcher's own buffer is 1024 bytes.")
    add("")
    add("| installer | pieces | VmHWM, highest of %d runs | VmHWM, median |" % runs)
    add("|---|---|---|---|")
    for e in summary:
        add("| %d MiB | %d | %.1f MiB (%d KiB) | %.1f MiB (%d KiB) |"
            % (e["mib"], e["pieces"], e["hwm_kib_max"] / 1024, e["hwm_kib_max"],
               e["hwm_kib_median"] / 1024, e["hwm_kib_median"]))
    add("")
    add("Verdict: %s" % verdict)
    add("")

    add("## Footprint")
    add("")
    add("`launcher.exe` is **%d bytes** (the bare program below: %d bytes)."
        % (run["launcher_size"], run["bare_size"]))
    add("")
    add("Start-up under Wine for a one-piece set (the unpadded %d-byte timing installer), from"
        % run["timing_size"])
    add("just before `wine` is spawned; %d runs each:" % len(foot["bare_exit"]))
    add("")
    add("| program | until | median s | fastest – slowest s |")
    add("|---|---|---|---|")
    for label, until, key in (("`bare_exit.exe` (only calls ExitProcess)", "`wine` returns",
                               "bare_exit"),
                              ("`timing_installer.exe`, started directly",
                               "its marker file appears", "installer_direct"),
                              ("`launcher.exe`", "the installer's marker file appears",
                               "launcher_installer"),
                              ("`launcher.exe`", "`wine` returns", "launcher_exit"),
                              ("`launcher.exe`, no desktop process yet",
                               "the installer's marker file appears", "cold_launcher_installer"),
                              ("`launcher.exe`, no desktop process yet", "`wine` returns",
                               "cold_launcher_exit")):
        s = spread(foot[key])
        add("| %s | %s | %.3f | %.3f – %.3f |" % (label, until, s["median"], s["min"], s["max"]))
    add("")
    add("So the launcher costs %.3f s more (medians) than a program that only exits before the"
        % (median(foot["launcher_installer"]) - median(foot["bare_exit"])))
    add("installer is running; %.3f s of that is the installer's own start, which the directly"
        % median(foot["installer_direct"]))
    add("started installer pays as well, and the rest is the dialog, the copy and the hand-off.")
    add("")
    add("Wine starts a desktop process (`explorer.exe /desktop`) for the first program of a")
    add("session that asks for a window, and ends it about a second after the last one exits.")
    add("Windows always has its desktop, so the bench keeps one alive with `desktop_holder.exe`")
    add("(bench/desktop_holder.c) for every figure on this page except the two \"no desktop\"")
    add("rows, which wait for the desktop process to be gone before each run and so include its")
    add("start. The bare program and the timing installer create no window and need none.")
    add("")
    add("The launcher starts the installer before it closes its dialog, so the window-close delay")
    add("of Wine under Xvfb without a window manager (about 2 s while Wine waits for the window")
    add("to be withdrawn) never falls between process start and the installer's start. It would")
    add("fall into the launcher's exit; the rig sets `HKCU\\Software\\Wine\\X11 Driver`")
    add("`Managed` to `N` (unmanaged windows: nothing to wait for), so the exit rows are without")
    add("it.")
    add("")

    if cut:
        ps = run["pieceset"]
        add("## pieceset cut against split")
        add("")
        para("A %d MiB installer (read once beforehand, so warm) cut onto %s disks, %d pieces, "
             "on the file system of the temp dir above. Each round runs these, in turning order, "
             "each after the earlier output is deleted and `sync`:" % (cut["mib"], MEDIA,
                                                                    cut["pieces"]))
        para("- **pieceset**: `pieceset cut INSTALLER --name Bench --media %s -o DIR` (disk "
             "folders);" % MEDIA, gap=False)
        para("- **pieceset with images**: the same with `--images` (a FAT image of every disk "
             "as well);", gap=False)
        para("- **split**: `split -b %d` into the same number of pieces, then `sha256sum` of the "
             "installer and `sync` of the pieces (one fsync per piece, as pieceset makes)."
             % PAYLOAD_BYTES)
        para("The first round's cuts are joined back with `pieceset join` (the images alone, for "
             "the cut with images) and compared with the installer, untimed. The ratio is "
             "split's time over pieceset's in the same round (1.00 = keeps pace).")
        add("| method | median s | fastest – slowest s "
            "| pieceset ÷ split, median (lowest – highest) |")
        add("|---|---|---|---|")
        for label, key, ratio in (("pieceset cut", "pieceset", cut["ratio"]),
                                  ("pieceset cut --images", "pieceset_images",
                                   cut["ratio_images"]),
                                  ("split -b, sha256sum, sync", "split", None)):
            add("| %s | %.3f | %.3f – %.3f | %s |"
                % (label, cut[key]["median"], cut[key]["min"], cut[key]["max"],
                   ratio_text(ratio) if ratio else ""))
        add("")
        state = []
        if ps["uncommitted"]:
            state.append("uncommitted changes to %s" % ", ".join("`%s`" % p
                                                                 for p in ps["uncommitted"]))
        if ps["newer_than_binary"]:
            state.append("sources newer than the binary: %s (so it may not be built from "
                         "that commit)" % ", ".join("`%s`" % p for p in ps["newer_than_binary"]))
        para("Measured: a copy of `%s` taken at the start of the run (built %s, SHA-256 %s...), "
             "the checkout at commit %s, the tool's last commit %s; %s. Others change pieceset "
             "while this runs; the figures are of that binary."
             % (ps["binary"], ps["built"], ps["sha256"][:16], ps["commit"], ps["tool_commit"],
                "; ".join(state) if state else "no uncommitted change to tools/pieceset and "
                "none of its sources newer than the binary"))
    with open(path, "w") as f:
        f.write("\n".join(lines))


def parse_args():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--runs", type=int, default=7, help="runs per figure (at least 5)")
    ap.add_argument("--sizes", default="1,64,512", help="installer sizes in MiB")
    ap.add_argument("--cut-mib", type=int, default=256,
                    help="installer size for pieceset cut against split (0: not measured)")
    ap.add_argument("--doc", default=os.path.join(ROOT, "docs", "benchmarks.md"),
                    help="the page; the raw figures go beside it (.json), and the plot")
    ap.add_argument("--work", default=os.environ.get("BENCH_WORK", "/tmp/bench-wine"),
                    help="the bench's Wine prefix and scratch files")
    ap.add_argument("--keep", action="store_true",
                    help="keep the Wine prefix (over a gigabyte) after a run that went right")
    ap.add_argument("--reuse-prefix", action="store_true",
                    help="start from a prefix kept by an earlier --keep run")
    ap.add_argument("--win32", default=os.path.join(ROOT, "build", "win32"))
    ap.add_argument("--win64", default=os.path.join(ROOT, "build", "win64"))
    ap.add_argument("--arch", choices=("win32", "win64"),
                    help="run this build whatever the machine (for trying a road by hand)")
    args = ap.parse_args()
    if args.runs < 5:
        ap.error("--runs must be at least 5 for a median")
    try:
        args.sizes = sorted({int(s) for s in args.sizes.split(",")})
    except ValueError:
        ap.error("--sizes takes whole MiB separated by commas, not %r" % args.sizes)
    if not args.sizes or args.sizes[0] < 1:
        ap.error("--sizes must be 1 MiB or more")
    if args.cut_mib < 0:
        ap.error("--cut-mib must be 0 or more")
    return args


def main():
    args = parse_args()
    try:
        road = (winerig.forced_road(args.arch, args.win32, args.win64) if args.arch
                else winerig.choose_road(args.win32, args.win64))
    except RigError as e:
        print("bench: %s" % e, file=sys.stderr)
        return 2
    log(road.summary())
    needed = [road.launcher, PIECESET] + [os.path.join(road.bench_programs, name) for name in
                                          ("bare_exit.exe", "timing_installer.exe",
                                           "desktop_holder.exe")]
    for path in needed:
        if not os.path.isfile(path):
            print("bench: %s is missing; run `make all` first" % path, file=sys.stderr)
            return 2

    started = time.monotonic()
    stamp = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    info = machine(road)
    load_start = loadavg()
    rig = WineRig(args.work, road, log=log, displays=BENCH_DISPLAYS)
    watch = Watch()
    work = rig.c_drive("bench", "work")
    cut = None
    # A copy, so that a rebuild of build/native by others during the run
    # cannot change the tool between one measurement and the next.
    os.makedirs(args.work, exist_ok=True)
    tool = os.path.join(args.work, "pieceset")
    shutil.copy2(PIECESET, tool)
    ps_build = pieceset_build(tool)
    try:
        if args.cut_mib:
            # Before Wine starts: pieceset is a Linux tool and needs no session.
            cut = bench_cut(args.work, args.cut_mib, args.runs,
                            os.path.join(road.bench_programs, "timing_installer.exe"), tool)
        rig.start(reuse_prefix=args.reuse_prefix)
        # Every launcher run asks for kqtmpins.exe to go at the next start; the
        # bench never restarts, so the list would only grow.
        rig.clear_pending_renames()
        os.makedirs(work, exist_ok=True)
        os.makedirs(rig.c_drive(MARK_DIR), exist_ok=True)
        temp = rig.temp_dir()[0]
        fs = filesystem_of(temp)
        watch.add(temp, IN_CREATE | IN_CLOSE_WRITE)
        watch.add(rig.c_drive(MARK_DIR), IN_CREATE)
        # The footprint goes first: it needs a session with no desktop process
        # yet, and leaves the desktop held for the rest. Start-up runs are
        # short, so they get twice as many.
        foot = bench_footprint(rig, watch, 2 * args.runs, work, tool)
        results = [bench_size(rig, watch, mib, args.runs, work, tool) for mib in args.sizes]
        handoff = bench_handoff(rig, watch, args.sizes, args.runs)
        rig.clear_pending_renames()
    except (BenchError, RigError, subprocess.CalledProcessError, subprocess.TimeoutExpired,
            OSError) as e:
        print("bench: %s" % e, file=sys.stderr)
        return 2
    finally:
        watch.close()
        rig.stop()
        shutil.rmtree(rig.c_drive("bench"), ignore_errors=True)
        shutil.rmtree(os.path.join(args.work, "cut"), ignore_errors=True)
        os.unlink(tool)
    # A run that went wrong keeps its prefix and the rig's logs, to be looked into.
    if not args.keep:
        shutil.rmtree(rig.prefix, ignore_errors=True)
        for name in os.listdir(args.work):
            if re.fullmatch(r"run-\d+\.log", name):
                os.unlink(os.path.join(args.work, name))
        if not os.listdir(args.work):
            os.rmdir(args.work)
    load_end = loadavg()
    elapsed = time.monotonic() - started

    summary = summarise(results)
    small, big = summary[0], summary[-1]
    growth_kib = big["hwm_kib_max"] - small["hwm_kib_max"]
    grows = growth_kib * 1024 > MEMORY_TOLERANCE
    verdict = ("%s. The highest VmHWM with the %d MiB set is %+.1f MiB against the %d MiB set "
               "(tolerance %d MiB): %s"
               % ("FAIL" if grows else "pass", big["mib"], growth_kib / 1024, small["mib"],
                  MEMORY_TOLERANCE // MiB,
                  "the peak grows with the set." if grows else
                  "the peak does not grow with the set."))

    doc = os.path.abspath(args.doc)
    doc_dir = os.path.dirname(doc)
    os.makedirs(doc_dir, exist_ok=True)
    raw_name = os.path.splitext(os.path.basename(doc))[0] + ".json"
    plot_name = os.path.splitext(os.path.basename(doc))[0] + "-throughput.svg"
    run = {
        "stamp": stamp, "elapsed": elapsed, "runs": args.runs,
        "road": {"arch": road.arch, "shipped": road.shipped,
                 "launcher": os.path.relpath(road.launcher, ROOT), "reason": road.reason,
                 "detail": road.detail,
                 "summary": road.summary().replace(ROOT + os.sep, "")},
        "machine": info, "filesystem": fs, "load": [load_start, load_end],
        "launcher_size": os.path.getsize(road.launcher),
        "bare_size": os.path.getsize(os.path.join(road.bench_programs, "bare_exit.exe")),
        "timing_size": os.path.getsize(os.path.join(road.bench_programs,
                                                    "timing_installer.exe")),
        "summary": summary, "footprint": foot, "verdict": verdict,
        "handoff": summarise_handoff(handoff),
        "cut": summarise_cut(cut), "pieceset": ps_build,
        "raw": {"sizes": results, "handoff": handoff, "cut": cut},
    }
    svg_plot(summary, os.path.join(doc_dir, plot_name))
    write_doc(doc, raw_name, plot_name, run)
    with open(os.path.join(doc_dir, raw_name), "w") as f:
        json.dump(run, f, indent=1)
        f.write("\n")

    for e in summary:
        log("%4d MiB: launcher %.0f MB/s (copy alone %.0f), cat %.0f, dd %.0f (net %.0f); "
            "÷ dd %s; hand-off %s; VmHWM %.1f MiB"
            % (e["mib"], e["launcher_mbps"], e["launcher_join_mbps"], e["cat_mbps"],
               e["dd_mbps"], e["dd_net_mbps"] or 0, ratio_text(e["ratios"]["dd"]),
               seconds_text(e["handoff"]),
               e["hwm_kib_max"] / 1024))
    if cut:
        c = run["cut"]
        log("cut %d MiB: pieceset ÷ split %s, with images %s"
            % (c["mib"], ratio_text(c["ratio"]), ratio_text(c["ratio_images"])))
    log("footprint: launcher.exe %d bytes; bare exit %.3f s, launcher to installer %.3f s"
        % (run["launcher_size"], median(foot["bare_exit"]), median(foot["launcher_installer"])))
    log("memory:", verdict)
    log("ran", run["road"]["summary"])
    log("wrote %s and %s in %.0f s" % (os.path.relpath(doc, ROOT),
                                       os.path.relpath(os.path.join(doc_dir, raw_name), ROOT),
                                       elapsed))
    return 1 if grows else 0


if __name__ == "__main__":
    sys.exit(main())
