"""The Wine session: Xvfb, one prefix, a persistent wineserver, and the means
to watch and answer its windows from outside.

  road = choose_road(win32_tree, win64_tree)   which build runs here (road.py)
  rig = WineRig(workdir, road, probe)     probe: the caller's wine_probe.exe
  rig.start()                             Xvfb, a fresh prefix, a persistent wineserver
  unpack_image(image, some_dir)           a floppy or CD image's files (disks.py)
  with FailingDisk(faultfs, some_dir, mnt, [offset]) as disk:   the same with bad
      rig.point_drive("a", disk.path)     sectors, served through FUSE (disks.py)
  rig.point_drive("a", some_dir)          insert a "disk"
  run = rig.start_program(r"A:\\launcher.exe", debug="trace+msgbox")
  box = rig.wait_box("Next Disk")         waits until visible, reads it through wine_probe
  rig.screenshot(path, around=[box.xid])
  rig.answer(box, "OK")                   or "Cancel"; waits until the box is gone
  run.wait()                              the program's exit code
  run.box_texts()                         every box text Wine traced
  rig.restart()                           wineboot -r: the system's restart-time work
  rig.remove_drive("d")                   a drive letter of the caller's gone again
  rig.stop()
  rig.remove_prefix(); rig.remove_logs()  after a run that needs nothing kept

Set E2E_WINEDEBUG to replace a program's WINEDEBUG (default trace+msgbox).

A new wineserver behaves like a fresh Windows start: its first process carries
out pending renames. The rig therefore keeps one persistent server for its
whole life, and restarts only on purpose (restart(), kill_server()).
"""

import glob
import os
import re
import shutil
import subprocess
import time

from .errors import RigError
from .process import kill_process, run_command, spawn, start_xvfb, stop_process


def _ere_literal(text):
    """The text as an anchored POSIX extended regular expression (xdotool)."""
    return "^" + re.sub(r'([][(){}.*+?^$|\\])', r'\\\1', text) + "$"


class Box:
    """A message box as wine_probe read it."""

    def __init__(self, xid, caption, fields, controls):
        self.xid = xid
        self.caption = caption
        self.owned = fields.get("owner") == "1"
        self.style = int(fields.get("style", "0"), 16)
        self.controls = controls

    @property
    def text(self):
        # The message text is the static control with id 0xFFFF (-1).
        for c in self.controls:
            if c["class"] == "Static" and c["id"] in (-1, 65535):
                return c["text"]
        return None

    @property
    def buttons(self):
        """Visible buttons as (id, text), in tab order."""
        return [(c["id"], c["text"]) for c in self.controls
                if c["class"] == "Button" and c["visible"]]

    @property
    def has_icon(self):
        return any(c["class"] == "Static" and c["icon"] and c["visible"] for c in self.controls)

    def __repr__(self):
        return "Box(%r, %r, buttons=%r, icon=%r)" % (self.caption, self.text, self.buttons,
                                                     self.has_icon)


def _parse_probe(output):
    fields = {}
    controls = []
    for line in output.splitlines():
        key, _, value = line.partition("=")
        if key == "control":
            cid, cls, visible, style, icon, text = value.split("|", 5)
            cid = int(cid)
            controls.append({"id": cid, "class": cls, "visible": visible == "1",
                             "style": int(style, 16), "icon": icon == "1", "text": text})
        elif controls:
            # A text of several lines goes on over the following lines.
            controls[-1]["text"] += "\n" + line
        else:
            fields[key] = value
    return fields, controls


class Run:
    """One Windows program started by the rig, with its traced stderr."""

    def __init__(self, popen, log_path, started):
        self.popen = popen
        self.log_path = log_path
        self.started = started

    def wait(self, timeout=60):
        try:
            return self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            kill_process(self.popen)
            raise RigError("program still running after %d s" % timeout,
                           command=self.popen.args)

    def running(self):
        return self.popen.poll() is None

    def log(self):
        with open(self.log_path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def box_texts(self):
        """Texts of the message boxes shown so far, from Wine's msgbox trace."""
        texts = []
        for m in re.finditer(r'MSGBOX_OnInit L"((?:[^"\\]|\\.)*)"', self.log()):
            texts.append(m.group(1).encode("latin-1", "replace").decode("unicode_escape"))
        return texts


MARLETT = "/usr/share/wine/fonts/marlett.ttf"

# The buttons of a box that asks (the launcher's "Next Disk"), as Box.buttons
# lists them.
QUESTION_BUTTONS = [(1, "OK"), (2, "Cancel")]


LOG_NAME = re.compile(r"run-\d+\.log")


class WineRig:
    def __init__(self, workdir, road, probe=None, log=print, screen="1024x768x24"):
        """probe: the path of wine_probe.exe of the road's build, which the
        caller's tree holds; without it the rig cannot read windows."""
        self.workdir = os.path.abspath(workdir)
        self.road = road
        self.probe_exe = probe
        # A 64-bit prefix cannot serve the 32-bit loader, nor the reverse.
        self.prefix = os.path.join(self.workdir, "prefix" if road.shipped else "prefix64")
        self.log = log
        self.screen = screen
        self.display = None
        self._xvfb = None
        self._server = None
        self._holder = None
        self._runs = 0

    # ---- life cycle -------------------------------------------------------

    def env(self, debug="-all"):
        env = dict(os.environ)
        env.update(self.road.env())
        env.update({
            "WINEPREFIX": self.prefix,
            "WINEDEBUG": debug,
            # No Mono or Gecko: no download prompts, a faster first boot.
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
        })
        if self.display:
            env["DISPLAY"] = self.display
        return env

    def start(self, reuse_prefix=False):
        """Xvfb and a session; a new prefix unless reuse_prefix and one exists."""
        os.makedirs(self.workdir, exist_ok=True)
        self._start_xvfb()
        try:
            self._start_session(reuse_prefix)
        except BaseException:
            # No Xvfb or server left behind by a start that failed half way.
            self.stop()
            raise

    def _start_session(self, reuse_prefix):
        t0 = time.monotonic()
        if os.path.exists(self.prefix):
            self.kill_server()
            if not reuse_prefix:
                _remove(self.prefix, shutil.rmtree)
        if not os.path.exists(self.prefix):
            run_command(self.road.wine + ["wineboot", "-i"], self.env(), 300,
                        what="making the Wine prefix", stdout=subprocess.DEVNULL)
            run_command(["wineserver", "-w"], self.env(), 120, check=False)
            self.log("rig: new %s prefix in %.1f s" % (self.road.arch, time.monotonic() - t0))
        self._install_caption_font()
        self.start_server()
        # Unmanaged windows: without a window manager, Wine would otherwise
        # wait about 2 s for every closed window to be withdrawn.
        self.set_registry(r"HKCU\Software\Wine\X11 Driver", "Managed", "N")

    def _install_caption_font(self):
        """Marlett, whose glyphs Wine draws the caption buttons with; without
        it they show as the letters "0", "1" and "r". Wine loads fonts from
        the prefix's Fonts folder and from fontconfig, and a new prefix here
        gets none of Wine's own fonts, which fonts-wine keeps apart."""
        target = self.c_drive("windows", "Fonts", "marlett.ttf")
        if os.path.exists(target):
            return
        if not os.path.isfile(MARLETT):
            raise RigError("%s is missing (Debian's fonts-wine)" % MARLETT)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(MARLETT, target)

    def stop(self):
        self.release_desktop()
        self.kill_server()
        if self._xvfb:
            stop_process(self._xvfb)
            self._xvfb = None

    def remove_prefix(self):
        """Removes the prefix (over a gigabyte) of a stopped session."""
        if self._server or self._xvfb:
            raise RigError("the session still runs; stop() it before removing its prefix")
        _remove(self.prefix, shutil.rmtree)

    def remove_logs(self):
        """Removes the run-NN.log files of programs this rig (or an earlier
        one in the same workdir) started."""
        if os.path.isdir(self.workdir):
            for name in os.listdir(self.workdir):
                if LOG_NAME.fullmatch(name):
                    _remove(os.path.join(self.workdir, name), os.unlink)

    def _start_xvfb(self):
        self._xvfb, self.display = start_xvfb(self.screen)

    def start_server(self):
        """A persistent wineserver; the first process it serves does boot work."""
        if self._server and self._server.poll() is None:
            return
        # Not on a pipe: the server outlives every call that waits for output.
        self._server = spawn(["wineserver", "-p"], self.env(),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The boot work runs with the first process; let it finish now.
        self.wine(["cmd", "/c", "exit"])

    def kill_server(self):
        """Ends the session; the server saves the registry to the prefix first."""
        if os.path.isdir(self.prefix):
            run_command(["wineserver", "-k"], self.env(), 30, check=False)
            run_command(["wineserver", "-w"], self.env(), 30, check=False)
        if self._server:
            stop_process(self._server, timeout=10, terminate=False)
            self._server = None

    def restart(self):
        """The system's restart-time work: pending renames, WinInit.Ini."""
        run_command(self.road.wine + ["wineboot", "-r"], self.env(), 60,
                    what="wineboot -r", stdout=subprocess.DEVNULL)

    # ---- programs ---------------------------------------------------------

    def wine(self, args, timeout=60, check=True):
        """Runs a Windows program to its end; returns its stdout text."""
        done = run_command(self.road.wine + list(args), self.env(), timeout, check=check)
        return done.stdout.decode("utf-8", "replace").replace("\r\n", "\n")

    def start_program(self, path, debug="trace+msgbox", cwd=None, args=()):
        debug = os.environ.get("E2E_WINEDEBUG", debug)
        self._runs += 1
        log_path = os.path.join(self.workdir, "run-%02d.log" % self._runs)
        log = open(log_path, "wb")
        try:
            popen = spawn(self.road.wine + [path] + list(args), self.env(debug),
                          cwd=cwd or self.workdir,
                          stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        finally:
            log.close()
        return Run(popen, log_path, time.monotonic())

    # ---- registry ---------------------------------------------------------

    # native_view: on 64-bit Windows, the 64-bit view (/reg:64), which a
    # 32-bit reg in a WoW64 prefix does not write unless told; a 32-bit
    # prefix has only the one view.

    def set_registry(self, key, name, data, kind="REG_SZ", native_view=False, check=True):
        view = ["/reg:64"] if native_view else []
        self.wine(["reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f"] + view,
                  check=check)

    def delete_registry(self, key, name=None, native_view=False):
        """Deletes a value, or the whole key when name is None; one that is
        not there is no failure."""
        value = ["/v", name] if name is not None else []
        view = ["/reg:64"] if native_view else []
        self.wine(["reg", "delete", key] + value + ["/f"] + view, check=False)

    def registry_values(self, key, native_view=True):
        """A key's values as name -> data, or None when the key is not there.

        Only reg's own "not found" counts as absent; any other failure of the
        reg run is an error. The native view by default: a 64-bit program's
        entries are there."""
        args = self.road.wine + ["reg", "query", key] + (["/reg:64"] if native_view else [])
        done = run_command(args, self.env(), 60, check=False)
        out = done.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
        if done.returncode == 1 and "Unable to find the specified registry key" in out:
            return None
        if done.returncode != 0 or not out.lower().lstrip().startswith("hkey_"):
            raise RigError("reg query failed", command=args, code=done.returncode,
                           stderr=out + done.stderr)
        values = {}
        for line in out.splitlines()[1:]:
            parts = re.split(r" {4}", line.strip(), maxsplit=2)
            if len(parts) == 3:
                values[parts[0]] = parts[2]
        return values

    def set_windows_version(self, version):
        """The version Wine reports to programs (win95 ... win10); None for
        Wine's default. Read at each process start."""
        if version is None:
            self.delete_registry(r"HKCU\Software\Wine", "Version")
        else:
            self.set_registry(r"HKCU\Software\Wine", "Version", version)

    def set_drive_type(self, letter, kind):
        """How Wine reports a drive to programs: "cdrom", "floppy", "hd", or
        None for what Wine guesses. Restarts the session (a system start, so
        call it before a case leaves requests), since Wine's drive manager
        reads the types once, when the session starts."""
        key, name = r"HKLM\Software\Wine\Drives", letter.lower() + ":"
        # The drive manager reads the native view; /reg:64 fails in a 32-bit
        # prefix, where the plain write is the one that counts.
        for native_view in (True, False):
            if kind is None:
                self.delete_registry(key, name, native_view=native_view)
            else:
                self.set_registry(key, name, kind, native_view=native_view,
                                  check=not native_view)
        self.kill_server()
        self.start_server()

    # ---- the desktop ------------------------------------------------------

    def hold_desktop(self, holder_exe, ready_mark, timeout=60):
        """Keeps the session's desktop up with a program that creates
        ready_mark (a unix path) once the desktop answers, then waits.

        Wine starts its desktop for the first program that wants a window and
        ends it soon after the last one exits; on Windows it is always there."""
        if os.path.exists(ready_mark):
            os.unlink(ready_mark)
        self._holder = spawn(self.road.wine + [holder_exe], self.env(),
                             stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + timeout
        while not os.path.exists(ready_mark):
            if self._holder.poll() is not None:
                raise RigError("the desktop holder ended (exit code %s)" % self._holder.returncode,
                               command=[holder_exe])
            if time.monotonic() > deadline:
                raise RigError("the desktop holder gave no sign within %d s" % timeout,
                               command=[holder_exe])
            time.sleep(0.05)
        os.unlink(ready_mark)

    def release_desktop(self):
        if self._holder:
            self._holder.kill()
            stop_process(self._holder, timeout=15, terminate=False)
            self._holder = None

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
                raise RigError("the desktop process is still there after %d s" % timeout)
            time.sleep(0.1)

    # ---- probes -----------------------------------------------------------

    def probe(self, *args):
        if not self.probe_exe:
            raise RigError("this rig was given no wine_probe.exe to read windows with")
        return self.wine([self.probe_exe] + list(args))

    def short_path(self, path):
        fields, _ = _parse_probe(self.probe("shortpath", path))
        return fields["short"] if int(fields["length"]) else None

    # ---- drives and files -------------------------------------------------

    def _drive_link(self, letter):
        return os.path.join(self.prefix, "dosdevices", letter.lower() + ":")

    def point_drive(self, letter, directory):
        """Inserts a disk: re-points the drive's symlink to the directory."""
        link = self._drive_link(letter)
        tmp = link + ".new"
        if os.path.lexists(tmp):
            os.unlink(tmp)
        os.symlink(os.path.abspath(directory), tmp)
        os.replace(tmp, link)

    def remove_drive(self, letter):
        """Takes away a drive letter point_drive gave; one not there is no
        failure. Only the link goes, never the folder it points at."""
        link = self._drive_link(letter)
        if os.path.lexists(link):
            _remove(link, os.unlink)

    def c_drive(self, *parts):
        return os.path.join(self.prefix, "drive_c", *parts)

    def windows_dir(self):
        return self.c_drive("windows")

    def temp_dir(self):
        """The unix path of the user's %TEMP%, and its Windows form."""
        users = [u for u in glob.glob(self.c_drive("users", "*"))
                 if os.path.basename(u) != "Public" and os.path.isdir(os.path.join(u, "Temp"))]
        if len(users) != 1:
            raise RigError("cannot tell the user's Temp among %r" % users)
        name = os.path.basename(users[0])
        return os.path.join(users[0], "Temp"), "C:\\users\\%s\\Temp" % name

    SESSION_KEY = r"HKLM\System\CurrentControlSet\Control\Session Manager"

    def pending_renames(self, tries=3):
        """PendingFileRenameOperations as (source, target) pairs, live.

        The whole key is listed rather than the value alone: the key always
        exists, so a reg process that failed to run is told apart from a
        request that is not there."""
        for attempt in range(tries):
            done = run_command(self.road.wine + ["reg", "query", self.SESSION_KEY], self.env(),
                               60, check=False)
            out = done.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
            if done.returncode == 0 and "session manager" in out.lower():
                m = re.search(r"^\s+PendingFileRenameOperations\s+REG_MULTI_SZ\s+(.*)$", out, re.M)
                if not m:
                    return []
                return _pairs(m.group(1).split("\\0"))
            if attempt + 1 < tries:
                time.sleep(1)
        raise RigError("reg query of the Session Manager key failed %d times" % tries,
                       command=self.road.wine + ["reg", "query", self.SESSION_KEY],
                       code=done.returncode, stderr=done.stderr)

    def clear_pending_renames(self):
        self.delete_registry(self.SESSION_KEY, "PendingFileRenameOperations")

    def saved_pending_renames(self):
        """The same value as saved in the prefix's system.reg (call after kill_server)."""
        with open(os.path.join(self.prefix, "system.reg"), "rb") as f:
            text = f.read().decode("utf-8", "replace")
        section = re.search(r"^\[System\\\\CurrentControlSet\\\\Control\\\\Session Manager\] "
                            r"\d+\n(.*?)(?:^\[|\Z)", text, re.M | re.S)
        if not section:
            raise RigError("no Session Manager key in system.reg")
        m = re.search(r'^"PendingFileRenameOperations"=str\(7\):"(.*)"$', section.group(1), re.M)
        if not m:
            return []
        raw = m.group(1).replace("\\\\", "\x01")
        items = [s.replace("\x01", "\\") for s in raw.split("\\0")]
        return _pairs(items)

    # ---- windows ----------------------------------------------------------

    def _xdotool(self, *args):
        done = run_command(["xdotool"] + list(args), self.env(), 20, check=False)
        return done.returncode, done.stdout.decode("utf-8", "replace")

    def visible_windows(self, caption):
        rc, out = self._xdotool("search", "--onlyvisible", "--name", _ere_literal(caption))
        return [int(x) for x in out.split()] if rc == 0 else []

    def window_visible(self, xid):
        rc, out = self._xdotool("search", "--onlyvisible", "--name", ".*")
        return rc == 0 and str(xid) in out.split()

    def geometry(self, xid):
        rc, out = self._xdotool("getwindowgeometry", "--shell", str(xid))
        if rc != 0:
            return None
        g = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])

    def wait_box(self, caption, run=None, timeout=20):
        """Waits for a visible message box with this caption; reads it."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            xids = self.visible_windows(caption)
            if xids:
                fields, controls = _parse_probe(self.probe("box", caption))
                if fields.get("found") == "1":
                    return Box(xids[0], fields["caption"], fields, controls)
            if run is not None and not run.running():
                raise RigError("program ended (code %s) while waiting for box %r"
                               % (run.popen.returncode, caption))
            time.sleep(0.1)
        raise RigError("no box %r within %d s" % (caption, timeout))

    def window(self, caption_prefix):
        """The visible dialog-class window whose caption begins with
        caption_prefix: (fields, controls), or None when there is none."""
        fields, controls = _parse_probe(self.probe("window", caption_prefix))
        return (fields, controls) if fields.get("found") == "1" else None

    def process_count(self, exe):
        """How many processes of the session run this exe (file name)."""
        out = self.probe("running", exe).strip()
        m = re.match(r"running=(-?\d+)$", out)
        if not m or int(m.group(1)) < 0:
            raise RigError("wine_probe could not list the processes: %r" % out)
        return int(m.group(1))

    def wait_process_gone(self, exe, timeout=60):
        """Waits until no process runs this exe; returns the seconds it took."""
        t0 = time.monotonic()
        while self.process_count(exe):
            if time.monotonic() - t0 > timeout:
                raise RigError("%s still runs after %d s" % (exe, timeout))
            time.sleep(0.2)
        return time.monotonic() - t0

    def dialog(self):
        """The visible caption-less dialog: (fields, controls), or None."""
        fields, controls = _parse_probe(self.probe("dialog"))
        return (fields, controls) if fields.get("found") == "1" else None

    def dialog_xid(self, program="launcher.exe"):
        rc, out = self._xdotool("search", "--onlyvisible", "--classname", program)
        for xid in (int(x) for x in out.split()) if rc == 0 else []:
            rc, name = self._xdotool("getwindowname", str(xid))
            if rc == 0 and name.strip() == "":
                return xid
        return None

    BUTTONS = {text: number for number, text in QUESTION_BUTTONS}

    def answer(self, box, button, timeout=10):
        """Clicks OK or Cancel in the box and waits until it has closed.

        The click goes in through the session (wine_probe), not as X key
        events: under Xvfb without a window manager, a Return sent with
        xdotool to one box was at times delivered again to the first box of
        the next process, which then closed on its own."""
        fields, _ = _parse_probe(self.probe("click", box.caption, str(self.BUTTONS[button])))
        if fields.get("clicked") != "1":
            raise RigError("could not click %s in box %r" % (button, box.caption))
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if not self.window_visible(box.xid):
                return
            time.sleep(0.05)
        raise RigError("box %r did not close on %s" % (box.caption, button))

    def press_key(self, box, key):
        """Sends an X key event to the box (Return = OK, Escape = Cancel); for
        showing keyboard use, not relied on by the suite (see answer())."""
        self._xdotool("key", "--window", str(box.xid), key)

    def screenshot(self, path, around=(), margin=8):
        """PNG of the screen, cropped to the given windows (xids) when any."""
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        args = ["import", "-window", "root"]
        boxes = [g for g in (self.geometry(x) for x in around if x) if g]
        if boxes:
            x0 = max(0, min(g[0] for g in boxes) - margin)
            y0 = max(0, min(g[1] for g in boxes) - margin)
            x1 = max(g[0] + g[2] for g in boxes) + margin
            y1 = max(g[1] + g[3] for g in boxes) + margin
            args += ["-crop", "%dx%d+%d+%d" % (x1 - x0, y1 - y0, x0, y0), "+repage"]
        run_command(args + [path], self.env(), 30, what="screenshot", stdout=subprocess.DEVNULL)

    def move_window(self, xid, x, y):
        self._xdotool("windowmove", str(xid), str(x), str(y))


def _remove(path, remove):
    """Removes a file or tree of the rig's; a failure is a RigError."""
    if not os.path.lexists(path):
        return
    try:
        remove(path)
    except OSError as e:
        raise RigError("could not remove %s: %s" % (path, e))


def _pairs(items):
    """A MULTI_SZ rename list as (source, target) pairs; '' target = delete."""
    while items and items[-1] == "" and len(items) % 2 == 1:
        items = items[:-1]
    return [(items[i], items[i + 1] if i + 1 < len(items) else "")
            for i in range(0, len(items), 2)]
