#!/usr/bin/env python3
"""Benchmarks of the real launcher.exe under Wine: joining throughput against
cat and dd on the same bytes, the launcher's peak memory by set size, and its
start-up footprint against a program that only exits.

  python3 bench/run.py [--runs N] [--sizes MiB,MiB,...] [--doc PATH]

Needs `make all` first (build/win32/launcher.exe, build/native/pieceset) and
i686-w64-mingw32-gcc for the two helper programs in bench/. Uses its own Wine
prefix (BENCH_PREFIX, default /tmp/bench-prefix) and its own Xvfb display, so
it can run beside the end-to-end suite. Writes docs/benchmarks.md, a plot next
to it, and the raw figures to build/bench/results.json. Exits 1 when the
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
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
sys.dont_write_bytecode = True
from winerig import start_xvfb, stop_process  # noqa: E402
BUILD = os.path.join(ROOT, "build", "bench")
LAUNCHER = os.path.join(ROOT, "build", "win32", "launcher.exe")
PIECESET = os.path.join(ROOT, "build", "native", "pieceset")
MiB = 1 << 20
HEADER = 1024
MEDIA = "1.44M"
# The launcher must not hold more of a big set than of a small one.
MEMORY_TOLERANCE = 4 * MiB
MARK_DIR = "bench-mark"
TEMP_NAME = "kqtmpins.exe"


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


# ---- Wine session -----------------------------------------------------------

class Session:
    """Xvfb on a display of its own, one prefix, one persistent wineserver."""

    def __init__(self, prefix):
        self.prefix = prefix
        self.display = None
        self._xvfb = None
        self._server = None
        self._holder = None

    def env(self):
        env = dict(os.environ)
        env.update({"WINEPREFIX": self.prefix, "WINEDEBUG": "-all",
                    "WINEDLLOVERRIDES": "mscoree,mshtml="})
        if self.display:
            env["DISPLAY"] = self.display
        return env

    def start(self):
        self._start_xvfb()
        if not os.path.isdir(os.path.join(self.prefix, "drive_c")):
            log("creating prefix", self.prefix)
            subprocess.run(["wineboot", "-i"], env=self.env(), check=True, timeout=300,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=self.env(), timeout=120)
        self._server = subprocess.Popen(["wineserver", "-p"], env=self.env(),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The first process of a new server does the boot work; keep it out
        # of every timed run.
        self.wine("cmd", "/c", "exit")
        # Unmanaged windows: without a window manager Wine waits about 2 s
        # for each closed window to be withdrawn.
        self.wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                  "/d", "N", "/f")
        self.clear_pending_renames()
        os.makedirs(self.c_drive(MARK_DIR), exist_ok=True)

    def hold_desktop(self):
        """Starts desktop_holder.exe and waits until the desktop is up."""
        holder_dir = self.c_drive("bench", "holder")
        os.makedirs(holder_dir, exist_ok=True)
        shutil.copy(os.path.join(BUILD, "desktop_holder.exe"), holder_dir)
        ready = self.c_drive(MARK_DIR, "desktop")
        remove(ready)
        self._holder = subprocess.Popen(["wine", r"C:\bench\holder\desktop_holder.exe"],
                                        env=self.env(), stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 60
        while not os.path.exists(ready):
            if self._holder.poll() is not None or time.monotonic() > deadline:
                raise BenchError("the desktop holder did not come up")
            time.sleep(0.05)
        remove(ready)

    def desktop_running(self):
        """Whether this prefix's desktop process (explorer.exe /desktop) lives."""
        want = b"WINEPREFIX=" + os.fsencode(self.prefix) + b"\0"
        for pid in os.listdir("/proc"):
            if not pid.isdigit():
                continue
            try:
                with open("/proc/%s/cmdline" % pid, "rb") as f:
                    cmdline = f.read().lower()
                if b"explorer.exe" not in cmdline or b"/desktop" not in cmdline:
                    continue
                with open("/proc/%s/environ" % pid, "rb") as f:
                    if want in f.read() + b"\0":
                        return True
            except OSError:
                continue
        return False

    def wait_desktop_gone(self, timeout=30):
        deadline = time.monotonic() + timeout
        while self.desktop_running():
            if time.monotonic() > deadline:
                raise BenchError("the desktop process is still there after %d s" % timeout)
            time.sleep(0.1)

    def stop(self):
        if self._server:
            subprocess.run(["wineserver", "-k"], env=self.env(), timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            stop_process(self._server, timeout=15, terminate=False)
            self._server = None
        if self._holder:
            stop_process(self._holder, timeout=15, terminate=False)
            self._holder = None
        if self._xvfb:
            stop_process(self._xvfb)
            self._xvfb = None

    def _start_xvfb(self):
        self._xvfb, self.display = start_xvfb(range(77, 90), error=BenchError)

    def wine(self, *args):
        subprocess.run(["wine"] + list(args), env=self.env(), timeout=120,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def clear_pending_renames(self):
        # Every launcher run asks for kqtmpins.exe to go at the next start;
        # the bench never restarts, so the list would only grow.
        self.wine("reg", "delete", r"HKLM\System\CurrentControlSet\Control\Session Manager",
                  "/v", "PendingFileRenameOperations", "/f")

    def c_drive(self, *parts):
        return os.path.join(self.prefix, "drive_c", *parts)

    def temp_dir(self):
        user = os.environ.get("USER") or "root"
        path = self.c_drive("users", user, "Temp")
        if not os.path.isdir(path):
            raise BenchError("no Temp folder at %s" % path)
        return path


def _hwm_kib(pid):
    """VmHWM of a live process in KiB, or None once its memory is gone."""
    try:
        with open("/proc/%d/status" % pid) as f:
            m = re.search(r"^VmHWM:\s+(\d+) kB", f.read(), re.M)
    except OSError:
        return None
    return int(m.group(1)) if m else None


def run_program(session, watch, windows_path, marks, timeout=180):
    """Starts a Windows program and follows it to its exit.

    marks: {name: (directory, mask, file name)}; returns the monotonic stamp
    of the first matching event under each name (or None), plus "start",
    "exit" and "hwm_kib", the last VmHWM sampled from /proc while it ran (the
    rusage of wait4 would not do: the child inherits this Python's high-water
    mark through fork and exec)."""
    watch.drain()
    found = {name: None for name in marks}
    hwm = None
    start = time.monotonic()
    proc = subprocess.Popen(["wine", windows_path], env=session.env(),
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
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


# ---- helper programs and sets ---------------------------------------------

def build_programs():
    os.makedirs(BUILD, exist_ok=True)
    flags = ["-Os", "-Wall", "-Wextra", "-Werror", "-ffreestanding", "-fno-builtin",
             "-fno-stack-protector", "-mno-stack-arg-probe", "-fno-asynchronous-unwind-tables",
             "-nostdlib", "-s", "-Wl,--subsystem,windows"]
    for source, entry, libs in (("bare_exit.c", "_BareEntry", ["-lkernel32"]),
                                ("timing_installer.c", "_TimingEntry", ["-lkernel32"]),
                                ("desktop_holder.c", "_HolderEntry", ["-lkernel32", "-luser32"])):
        out = os.path.join(BUILD, source.replace(".c", ".exe"))
        subprocess.run(["i686-w64-mingw32-gcc"] + flags + ["-Wl,--entry=" + entry,
                        os.path.join(ROOT, "bench", source), "-o", out] + libs, check=True)


def write_installer(path, size):
    """The timing installer, padded to size bytes (PE loaders ignore bytes
    after the last section); returns its SHA-256."""
    with open(os.path.join(BUILD, "timing_installer.exe"), "rb") as f:
        program = f.read()
    block = bytearray(os.urandom(MiB))
    digest = hashlib.sha256()
    with open(path, "wb") as f:
        f.write(program)
        digest.update(program)
        left = size - len(program)
        while left > 0:
            chunk = bytes(block[:min(left, MiB)])
            f.write(chunk)
            digest.update(chunk)
            left -= len(chunk)
            block[0] = (block[0] + 1) & 0xFF
    return digest.hexdigest()


def cut_set(installer, set_dir):
    if os.path.exists(set_dir):
        shutil.rmtree(set_dir)
    subprocess.run([PIECESET, "cut", installer, "--name", "Bench", "--media", MEDIA,
                    "--flat", "-o", set_dir], check=True, stdout=subprocess.DEVNULL)
    shutil.copy(LAUNCHER, os.path.join(set_dir, "launcher.exe"))
    pieces = []
    n = 1
    while os.path.exists(os.path.join(set_dir, "FILE.%d" % n)):
        pieces.append(os.path.join(set_dir, "FILE.%d" % n))
        n += 1
    return pieces


def payload_copies(pieces, directory):
    """Each piece's payload as a file of its own, cut off with dd."""
    if os.path.exists(directory):
        shutil.rmtree(directory)
    os.makedirs(directory)
    copies = []
    for n, piece in enumerate(pieces, start=1):
        out = os.path.join(directory, "P.%d" % n)
        subprocess.run(["dd", "if=" + piece, "of=" + out, "bs=%d" % HEADER, "skip=1",
                        "status=none"], check=True)
        copies.append(out)
    return copies


def warm(paths):
    for path in paths:
        with open(path, "rb") as f:
            while f.read(1 << 20):
                pass


def sha256_file(path):
    digest = hashlib.sha256()
    with open(path, "rb") as f:
        while True:
            chunk = f.read(1 << 20)
            if not chunk:
                return digest.hexdigest()
            digest.update(chunk)


def remove(path):
    if os.path.exists(path):
        os.unlink(path)


def settle(paths):
    """A level start for the next timed run: no old output, nothing dirty."""
    for path in paths:
        remove(path)
    subprocess.run(["sync"], check=True)


# ---- the measurements -----------------------------------------------------

def time_shell(script):
    start = time.monotonic()
    subprocess.run(["sh", "-c", script], check=True)
    return time.monotonic() - start


def sh_quote(path):
    return "'" + path.replace("'", "'\\''") + "'"


def launcher_run(session, watch, temp, set_windows_dir):
    mark_dir = session.c_drive(MARK_DIR)
    r = run_program(session, watch, set_windows_dir + "\\launcher.exe", {
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


def bench_size(session, watch, size_mib, runs, work):
    size = size_mib * MiB
    temp = session.temp_dir()
    joined = os.path.join(temp, TEMP_NAME)
    cat_out = os.path.join(temp, "bench-cat.out")
    dd_out = os.path.join(temp, "bench-dd.out")
    installer = os.path.join(work, "installer.exe")
    set_dir = session.c_drive("bench", "set")
    copies_dir = session.c_drive("bench", "payload")
    mark = session.c_drive(MARK_DIR, "started")

    log("%d MiB: making the installer and cutting it into %s pieces" % (size_mib, MEDIA))
    want = write_installer(installer, size)
    pieces = cut_set(installer, set_dir)
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
        r = launcher_run(session, watch, temp, r"C:\bench\set")
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

    order = [one_launcher, one_cat, one_dd]
    for i in range(runs):
        # Turn the order round each time so no method always goes first.
        for step in order[i % 3:] + order[:i % 3]:
            step(i == 0)
        log("%d MiB run %d/%d: launcher %.3f s, cat %.3f s, dd %.3f s"
            % (size_mib, i + 1, runs, rows["launcher_installer"][-1], rows["cat"][-1],
               rows["dd"][-1]))

    settle([joined, mark, cat_out, dd_out])
    shutil.rmtree(set_dir)
    shutil.rmtree(copies_dir)
    rows.update({"size": size, "pieces": len(pieces)})
    return rows


def bench_footprint(session, watch, runs, work):
    """Process start to the installer's start for a one-piece set, against
    the same for programs that do nothing."""
    temp = session.temp_dir()
    mark_dir = session.c_drive(MARK_DIR)
    mark = os.path.join(mark_dir, "started")
    set_dir = session.c_drive("bench", "one")
    programs = session.c_drive("bench", "programs")
    os.makedirs(programs, exist_ok=True)
    for name in ("bare_exit.exe", "timing_installer.exe"):
        shutil.copy(os.path.join(BUILD, name), programs)
    installer = os.path.join(work, "installer.exe")
    shutil.copy(os.path.join(BUILD, "timing_installer.exe"), installer)
    pieces = cut_set(installer, set_dir)
    os.unlink(installer)
    if len(pieces) != 1:
        raise BenchError("the one-piece set has %d pieces" % len(pieces))
    warm(pieces)

    rows = {"bare_exit": [], "installer_direct": [], "launcher_installer": [],
            "launcher_exit": [], "cold_launcher_installer": [], "cold_launcher_exit": []}
    # First with no desktop process: Wine starts one for the launcher's dialog.
    for i in range(runs):
        session.wait_desktop_gone()
        settle([mark, os.path.join(temp, TEMP_NAME)])
        r = launcher_run(session, watch, temp, r"C:\bench\one")
        rows["cold_launcher_installer"].append(r["installer"] - r["start"])
        rows["cold_launcher_exit"].append(r["exit"] - r["start"])
        log("footprint, no desktop, run %d/%d: launcher to installer %.3f s"
            % (i + 1, runs, rows["cold_launcher_installer"][-1]))
    session.hold_desktop()
    for i in range(runs):
        settle([mark])
        r = run_program(session, watch, r"C:\bench\programs\bare_exit.exe", {})
        rows["bare_exit"].append(r["exit"] - r["start"])

        settle([mark])
        r = run_program(session, watch, r"C:\bench\programs\timing_installer.exe",
                        {"installer": (mark_dir, IN_CREATE, "started")})
        if r["installer"] is None:
            raise BenchError("the timing installer left no mark")
        rows["installer_direct"].append(r["installer"] - r["start"])

        settle([mark, os.path.join(temp, TEMP_NAME)])
        r = launcher_run(session, watch, temp, r"C:\bench\one")
        rows["launcher_installer"].append(r["installer"] - r["start"])
        rows["launcher_exit"].append(r["exit"] - r["start"])
        log("footprint run %d/%d: bare exit %.3f s, launcher to installer %.3f s"
            % (i + 1, runs, rows["bare_exit"][-1], rows["launcher_installer"][-1]))
    settle([mark, os.path.join(temp, TEMP_NAME)])
    shutil.rmtree(set_dir)
    shutil.rmtree(programs)
    return rows


# ---- the machine ------------------------------------------------------------

def machine():
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
    info["wine"] = subprocess.run(["wine", "--version"], stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL).stdout.decode().strip()
    info["python"] = platform.python_version()
    return info


def filesystem_of(path):
    done = subprocess.run(["df", "-PT", path], stdout=subprocess.PIPE, check=True)
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


# ---- the report ---------------------------------------------------------------

def median(values):
    return statistics.median(values)


def mbps(size, seconds):
    return size / seconds / 1e6


def summarise(sizes):
    out = []
    for rows in sizes:
        size = rows["size"]
        n = rows["pieces"]
        floor = median(rows["dd_floor"])
        dd_net = [d - f for d, f in zip(rows["dd"], rows["dd_floor"])]
        entry = {
            "mib": size // MiB, "pieces": n, "size": size,
            "launcher_s": median(rows["launcher_installer"]),
            "launcher_join_s": median(rows["launcher_closed"]),
            "cat_s": median(rows["cat"]),
            "dd_s": median(rows["dd"]),
            "dd_net_s": median(dd_net),
            "dd_floor_s": floor,
            "hwm_kib_max": max(rows["hwm_kib"]),
            "hwm_kib_median": median(rows["hwm_kib"]),
            "launcher_exit_s": median(rows["launcher_exit"]),
            "runs": len(rows["cat"]),
        }
        spans = {"launcher": rows["launcher_installer"], "launcher_join": rows["launcher_closed"],
                 "cat": rows["cat"], "dd": rows["dd"], "dd_net": dd_net}
        for key, values in spans.items():
            entry[key + "_mbps"] = mbps(size, entry[key + "_s"])
            entry[key + "_range"] = [min(values), max(values)]
        out.append(entry)
    return out


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
    values = [e[k] for e in summary for _, k, _ in series]
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
        points = " ".join("%.1f,%.1f" % (px(e["mib"]), py(e[key])) for e in summary)
        parts.append('<polyline points="%s" fill="none" stroke="%s" stroke-width="2"/>'
                     % (points, colour))
        for e in summary:
            parts.append('<circle cx="%.1f" cy="%.1f" r="3" fill="%s"/>'
                         % (px(e["mib"]), py(e[key]), colour))
        ly = top + ph + 52 + i * 18
        parts.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="%s" stroke-width="2"/>'
                     % (left, ly - 4, left + 24, ly - 4, colour))
        parts.append('<text x="%d" y="%d">%s</text>' % (left + 30, ly, label))
    parts.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(parts) + "\n")


def write_doc(path, plot_name, info, fs, load, summary, foot, verdict, runs, elapsed, stamp):
    launcher_size = os.path.getsize(LAUNCHER)
    bare_size = os.path.getsize(os.path.join(BUILD, "bare_exit.exe"))
    fs_text = "%s on %s (%s, mounted at %s, %s)" % (fs["path"], fs["device"], fs["type"],
                                                     fs["mount"], fs["options"])
    lines = []
    add = lines.append
    add("# Benchmarks")
    add("")
    add("Figures of the real `build/win32/launcher.exe` under Wine, produced by `make bench`")
    add("(`bench/run.py`; it takes a few minutes and is not part of `make test`). This page is")
    add("rewritten by every run; the raw figures of the last run are in `build/bench/results.json`.")
    add("")
    add("Last run: %s, %d runs per figure (medians), %.0f s in all." % (stamp, runs, elapsed))
    add("")
    big = max(summary, key=lambda e: e["mib"])
    add("In short: joining a %d MiB set of %d pieces, the launcher under Wine runs at %.0f MB/s"
        % (big["mib"], big["pieces"], big["launcher_mbps"]))
    add("from the creation of `kqtmpins.exe` to the installer's start (%.0f MB/s for the copy"
        % big["launcher_join_mbps"])
    add("alone), %.2f× `dd bs=1024` over the same pieces (%.2f× once dd's process starts are"
        % (big["launcher_mbps"] / big["dd_mbps"], big["launcher_mbps"] / big["dd_net_mbps"]))
    add("taken out) and %.2f× `cat`, whose large buffer the launcher's 1024-byte transfer buffer"
        % (big["launcher_mbps"] / big["cat_mbps"]))
    small = min(summary, key=lambda e: e["mib"])
    if verdict.startswith("pass"):
        add("cannot match. Its peak memory is %.1f MiB whatever the set's size. `launcher.exe` is"
            % (big["hwm_kib_max"] / 1024))
    else:
        add("cannot match. Its peak memory GROWS with the set: %.1f MiB at %d MiB against %.1f MiB"
            " at %d MiB. `launcher.exe` is" % (big["hwm_kib_max"] / 1024, big["mib"],
                                               small["hwm_kib_max"] / 1024, small["mib"]))
    add("%d bytes and has the installer running %.3f s after it is spawned, where a program"
        % (launcher_size, median(foot["launcher_installer"])))
    add("that only exits takes %.3f s." % median(foot["bare_exit"]))
    add("")
    add("## Machine")
    add("")
    add("| | |")
    add("|---|---|")
    add("| CPU | %s%s |" % (info["cpu"], ", %s MHz" % info["mhz"] if info["mhz"] else ""))
    add("| cores | %d, shared: other work (builds and the end-to-end suite) ran on the same "
        "cores during the run; load average %s at the start, %s at the end |"
        % (info["cores"], load[0], load[1]))
    add("| RAM | %.1f GiB |" % info["ram_gib"])
    add("| temp dir | %s |" % fs_text)
    add("| kernel | Linux %s |" % info["kernel"])
    add("| Wine | %s, 32-bit program in a prefix of its own made by `wineboot -i`, one "
        "persistent wineserver, WINEDEBUG=-all, Xvfb without a window manager |" % info["wine"])
    add("")
    add("## Joining throughput")
    add("")
    add("Each installer (the bench's timing installer padded to the size) is cut with `pieceset cut")
    add("--media %s --flat`, so every piece holds %d payload bytes after its 1024-byte header and"
        % (MEDIA, 1457664 - HEADER))
    add("the set lies side by side (no message box). Every method joins the same piece files,")
    add("in the same directory, into a new file in the prefix's `Temp` folder:")
    add("")
    add("- **launcher**: `wine launcher.exe` beside FILE.1. The clock runs from the creation of")
    add("  `%TEMP%\\kqtmpins.exe` to the creation of the marker file that the started installer")
    add("  makes first thing, both seen through inotify; Wine's start-up is outside it, the")
    add("  hand-off (`WinExec` and the start of the installer's own Wine process) inside. A second")
    add("  figure stops at the close of `kqtmpins.exe` (inotify IN_CLOSE_WRITE): the copy alone.")
    add("- **cat**: `cat P.1 ... P.n > out`, one process, over payload-only copies of the pieces")
    add("  (cut off beforehand with `dd bs=1024 skip=1`, not timed): the same bytes in the same")
    add("  number of files, with cat's own large buffer.")
    add("- **dd bs=1024**: `dd if=FILE.k of=out bs=1024 skip=1 oflag=append conv=notrunc` for")
    add("  each piece in turn, from one `sh -c`: the launcher's own pattern, 1024-byte reads and")
    add("  writes of the real pieces. It costs one process start per piece, which the launcher")
    add("  does not pay, so the same loop with `count=0` is timed in every run and taken out in")
    add("  the \"net\" row.")
    add("")
    add("Each run starts with the earlier output deleted and `sync`, so no method finds another's")
    add("dirty pages; the methods take turns in a rotating order. Wine's desktop process is kept")
    add("alive throughout (see Footprint), so its start-up neither falls into a timed copy nor")
    add("runs beside one. Page caches are not dropped (that would disturb the other work on the")
    add("machine): the pieces and copies are read once before the first run, so every figure is")
    add("of warm input. MB/s is 10^6 bytes per second of installer bytes; the ratio is the")
    add("launcher's throughput (created → installer started) over the baseline's (1.00 = as fast).")
    add("")
    add("| installer | pieces | method | median s | fastest – slowest s | MB/s | launcher ÷ this |")
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
            ratio = "" if key.startswith("launcher") else "%.2f" % (e["launcher_mbps"] /
                                                                   e[key + "_mbps"])
            if key == "launcher_join":
                ratio = ""
            add("| %s | %s | %s | %.3f | %.3f – %.3f | %.0f | %s |"
                % ("%d MiB" % e["mib"] if first else "", e["pieces"] if first else "", label,
                   e[key + "_s"], e[key + "_range"][0], e[key + "_range"][1],
                   e[key + "_mbps"], ratio))
            first = False
    add("")
    handoff = median([e["launcher_s"] - e["launcher_join_s"] for e in summary])
    add("The step from the close of `kqtmpins.exe` to the installer's marker (`WinExec` and the")
    add("new Wine process) takes about %.3f s whatever the size, so at the smallest size the first"
        % handoff)
    add("row measures the hand-off rather than the joining.")
    add("")
    add("Ratio of the copy alone (created → closed) to the same baselines:")
    add("")
    add("| installer | ÷ cat | ÷ dd | ÷ dd net |")
    add("|---|---|---|---|")
    for e in summary:
        add("| %d MiB | %.2f | %.2f | %.2f |"
            % (e["mib"], e["launcher_join_mbps"] / e["cat_mbps"],
               e["launcher_join_mbps"] / e["dd_mbps"], e["launcher_join_mbps"] / e["dd_net_mbps"]))
    add("")
    add("![Throughput against installer size](%s)" % plot_name)
    add("")
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
    add("`launcher.exe` is **%d bytes** (the bare program below: %d bytes)." % (launcher_size,
                                                                              bare_size))
    add("")
    add("Start-up under Wine for a one-piece set (the unpadded %d-byte timing installer), from"
        % os.path.getsize(os.path.join(BUILD, "timing_installer.exe")))
    add("just before `wine` is spawned; medians of %d runs:" % len(foot["bare_exit"]))
    add("")
    add("| program | until | median s |")
    add("|---|---|---|")
    add("| `bare_exit.exe` (only calls ExitProcess) | `wine` returns | %.3f |"
        % median(foot["bare_exit"]))
    add("| `timing_installer.exe`, started directly | its marker file appears | %.3f |"
        % median(foot["installer_direct"]))
    add("| `launcher.exe` | the installer's marker file appears | %.3f |"
        % median(foot["launcher_installer"]))
    add("| `launcher.exe` | `wine` returns | %.3f |" % median(foot["launcher_exit"]))
    add("| `launcher.exe`, no desktop process yet | the installer's marker file appears | %.3f |"
        % median(foot["cold_launcher_installer"]))
    add("| `launcher.exe`, no desktop process yet | `wine` returns | %.3f |"
        % median(foot["cold_launcher_exit"]))
    add("")
    add("So the launcher costs %.3f s more than a program that only exits before the installer"
        % (median(foot["launcher_installer"]) - median(foot["bare_exit"])))
    add("is running; %.3f s of that is the installer's own start, which the directly started"
        % median(foot["installer_direct"]))
    add("installer pays as well, and the rest is the dialog, the copy and the hand-off.")
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
    add("fall into the launcher's exit; the bench sets `HKCU\\Software\\Wine\\X11 Driver`")
    add("`Managed` to `N` (unmanaged windows: nothing to wait for), so the exit rows are without")
    add("it.")
    add("")
    with open(path, "w") as f:
        f.write("\n".join(lines))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--runs", type=int, default=7, help="runs per figure (at least 5)")
    ap.add_argument("--sizes", default="1,64,512", help="installer sizes in MiB")
    ap.add_argument("--doc", default=os.path.join(ROOT, "docs", "benchmarks.md"))
    ap.add_argument("--prefix", default=os.environ.get("BENCH_PREFIX", "/tmp/bench-prefix"))
    args = ap.parse_args()
    if args.runs < 5:
        ap.error("--runs must be at least 5 for a median")
    sizes = [int(s) for s in args.sizes.split(",")]
    for path in (LAUNCHER, PIECESET):
        if not os.path.exists(path):
            print("bench: %s is missing; run `make all` first" % path, file=sys.stderr)
            return 2

    started = time.monotonic()
    stamp = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    build_programs()
    info = machine()
    load_start = loadavg()
    session = Session(args.prefix)
    watch = Watch()
    work = os.path.join(args.prefix, "drive_c", "bench", "work")
    try:
        session.start()
        os.makedirs(work, exist_ok=True)
        temp = session.temp_dir()
        fs = filesystem_of(temp)
        watch.add(temp, IN_CREATE | IN_CLOSE_WRITE)
        watch.add(session.c_drive(MARK_DIR), IN_CREATE)
        # The footprint goes first: it needs a session with no desktop process
        # yet, and leaves the desktop held for the rest.
        # Start-up runs are short, so they get twice as many.
        foot = bench_footprint(session, watch, 2 * args.runs, work)
        results = [bench_size(session, watch, mib, args.runs, work) for mib in sizes]
        session.clear_pending_renames()
    except (BenchError, subprocess.CalledProcessError, OSError) as e:
        print("bench: %s" % e, file=sys.stderr)
        return 2
    finally:
        watch.close()
        session.stop()
        shutil.rmtree(os.path.join(args.prefix, "drive_c", "bench"), ignore_errors=True)
    load_end = loadavg()
    elapsed = time.monotonic() - started

    summary = summarise(results)
    by_size = {e["mib"]: e for e in summary}
    small, big = min(by_size), max(by_size)
    growth_kib = by_size[big]["hwm_kib_max"] - by_size[small]["hwm_kib_max"]
    grows = growth_kib * 1024 > MEMORY_TOLERANCE
    verdict = ("%s. The highest VmHWM with the %d MiB set is %+.1f MiB against the %d MiB set "
               "(tolerance %d MiB): %s"
               % ("FAIL" if grows else "pass", big, growth_kib / 1024, small,
                  MEMORY_TOLERANCE // MiB,
                  "the peak grows with the set." if grows else
                  "the peak does not grow with the set."))

    os.makedirs(os.path.dirname(os.path.abspath(args.doc)), exist_ok=True)
    plot_name = "benchmarks-throughput.svg"
    svg_plot(summary, os.path.join(os.path.dirname(os.path.abspath(args.doc)), plot_name))
    write_doc(args.doc, plot_name, info, fs, (load_start, load_end), summary, foot, verdict,
              args.runs, elapsed, stamp)
    with open(os.path.join(BUILD, "results.json"), "w") as f:
        json.dump({"machine": info, "filesystem": fs, "load": [load_start, load_end],
                   "sizes": results, "summary": summary, "footprint": foot,
                   "verdict": verdict, "stamp": stamp}, f, indent=1)

    for e in summary:
        log("%4d MiB: launcher %.0f MB/s (copy alone %.0f), cat %.0f, dd %.0f (net %.0f); "
            "VmHWM %.1f MiB" % (e["mib"], e["launcher_mbps"], e["launcher_join_mbps"],
                                e["cat_mbps"], e["dd_mbps"], e["dd_net_mbps"],
                                e["hwm_kib_max"] / 1024))
    log("footprint: launcher.exe %d bytes; bare exit %.3f s, launcher to installer %.3f s"
        % (os.path.getsize(LAUNCHER), median(foot["bare_exit"]),
           median(foot["launcher_installer"])))
    log("memory:", verdict)
    log("wrote %s in %.0f s" % (os.path.relpath(args.doc, ROOT), elapsed))
    return 1 if grows else 0


if __name__ == "__main__":
    sys.exit(main())
