"""Following a Windows program from outside: inotify (through libc) for the
files it makes, /proc for its peak memory, and its exit."""

import ctypes
import os
import re
import select
import struct
import time

from .common import BenchError

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
            proc.wait(timeout=30)
            raise BenchError("%s still running after %d s" % (windows_path, timeout))
    result = dict(found)
    result.update({"start": start, "exit": exited, "code": proc.returncode,
                   "hwm_kib": hwm})
    return result
