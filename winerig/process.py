"""The processes the rig starts on the Linux side: Xvfb on a display of its
own choosing, and commands run to their end within a timeout."""

import os
import select
import subprocess
import tempfile
import time

from .errors import RigError


def start_xvfb(screen="1024x768x24", timeout=30):
    """Starts Xvfb on a display it finds free itself; returns (proc, ":N").

    Xvfb takes the display's lock and names the number once it accepts
    connections (-displayfd), so runners side by side never share one and
    none keeps a range of numbers."""
    read_end, write_end = os.pipe()
    try:
        proc = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen,
                                 "-nolisten", "tcp", "-wr"], pass_fds=(write_end,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except OSError as e:
        os.close(read_end)
        os.close(write_end)
        raise RigError("Xvfb could not start: %s" % e, command=["Xvfb"])
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + timeout
    try:
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], 0.2)
            if ready:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                number += chunk
    finally:
        os.close(read_end)
    if not number.strip().isdigit():
        stop_process(proc)
        raise RigError("Xvfb named no display within %d s (exit code %s)"
                       % (timeout, proc.poll()), command=["Xvfb", "-displayfd"])
    return proc, ":%d" % int(number)


def stop_process(proc, timeout=5, terminate=True):
    """Terminates proc (or, with terminate=False, lets it end by itself), and
    kills it when it has not gone within timeout seconds."""
    if terminate and proc.poll() is None:
        proc.terminate()
    try:
        proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        kill_process(proc, timeout)


def kill_process(proc, timeout=10):
    """Kills proc and reaps it; one that outlives SIGKILL (stuck in the
    kernel) is a RigError rather than a wait without end."""
    proc.kill()
    try:
        proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        raise RigError("process %d did not end within %d s of SIGKILL" % (proc.pid, timeout),
                       command=proc.args)


def spawn(args, env, what=None, **streams):
    """Starts a process the caller ends (a server, a program it watches);
    every wait on it takes a timeout (stop_process, kill_process). A program
    that cannot start is a RigError, like a command that fails."""
    try:
        return subprocess.Popen(list(args), env=env, **streams)
    except OSError as e:
        raise RigError("%s could not start: %s" % (what or args[0], e), command=args)


def run_command(args, env=None, timeout=60, what=None, check=True, stdout=subprocess.PIPE):
    """Runs a command to its end; a failure (or a time-out) is a RigError
    that carries the command, its exit code and its stderr.

    Its stderr goes to a file, not a pipe: processes that Wine starts for the
    session inherit it and outlive the command, so a pipe would never end."""
    with tempfile.TemporaryFile() as err:
        try:
            done = subprocess.run(list(args), env=env, timeout=timeout, stdin=subprocess.DEVNULL,
                                  stdout=stdout, stderr=err)
        except subprocess.TimeoutExpired:
            raise RigError("%s did not end within %d s" % (what or args[0], timeout),
                           command=args, stderr=_read_back(err))
        except OSError as e:
            raise RigError("%s could not start: %s" % (what or args[0], e), command=args)
        done.stderr = _read_back(err)
    if check and done.returncode != 0:
        raise RigError("%s failed" % (what or args[0]), command=args, code=done.returncode,
                       stderr=done.stderr)
    return done


def _read_back(f):
    f.seek(0)
    return f.read().decode("utf-8", "replace")
