#!/usr/bin/env python3
"""The launcher at work, start to end, as a person at a Windows machine sees it.

A real installer of about 3 MB (the sample application of sample/, compiled
by makensis with its wizard) is cut by pieceset onto 1.44M floppy images with
the launcher as SETUP.EXE. Each image is unpacked with mtools into a folder,
which becomes the disk in drive A: when it is inserted. The real launcher.exe
then runs as A:\\SETUP.EXE under Wine in a headless X server of its own; each
"Next Disk" box is answered by inserting the disk it asks for and pressing OK.
The installer it starts checks its own CRC and shows its wizard, whose pages
are read and answered from outside to the last one. The installed application
is then started, and the transcript ends with what a user would check: the
installed files against the sample's, the Start-menu entry, the uninstaller,
and that kqtmpins.exe is gone after the next start (wineboot -r).

Everything lands in build/demo: the sample, the cut, the unpacked disks, the
screenshots, transcript.txt. The Wine prefix (over a gigabyte) is removed at
the end unless --keep.

Exit code 0 when all went as expected, 1 when anything was off, 2 when a tool
or a built file is missing.
"""

import argparse
import hashlib
import os
import re
import shlex
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# No __pycache__ in the source tree.
sys.dont_write_bytecode = True

import winerig  # noqa: E402
from sample import sample_install  # noqa: E402
from winerig import QUESTION_BUTTONS, RigError, WineRig  # noqa: E402

NAME = sample_install.NAME
MEDIA = "1.44M"
# Every caption the launcher can show; any of them is read and reported, so
# that a wrong box shows up as what it is rather than as a time-out.
CAPTIONS = ("Next Disk", "This is not the right disk", "Error")

def sha256(data):
    return hashlib.sha256(data).hexdigest()


def pe_machine(data):
    """The machine a Windows program is built for, from its PE header."""
    at = int.from_bytes(data[0x3C:0x40], "little")
    if data[:2] != b"MZ" or data[at:at + 4] != b"PE\0\0":
        return "non-PE"
    machine = int.from_bytes(data[at + 4:at + 6], "little")
    return {0x14C: "32-bit (x86)", 0x8664: "64-bit (x86-64)"}.get(machine, hex(machine))


class Demo:
    def __init__(self, args):
        self.args = args
        self.work = os.path.abspath(args.work)
        self.shots = os.path.join(self.work, "screenshots")
        self.lines = []
        self.problems = []
        self.screenshots = []
        self.rig = None

    # ---- transcript -------------------------------------------------------

    def say(self, text=""):
        self.lines.append(text)
        print(text, flush=True)

    def section(self, title):
        self.say()
        self.say("== " + title)

    def item(self, text):
        self.say("  " + text)

    def problem(self, text):
        self.problems.append(text)
        self.say("  !! " + text)

    def check(self, condition, text):
        if not condition:
            self.problem(text)
        return condition

    def rel(self, path):
        """The path as seen from where the demo was started, when below it."""
        near = os.path.relpath(path, os.getcwd())
        return path if near.startswith("..") else near

    def shot(self, name, around):
        path = os.path.join(self.shots, name)
        self.rig.screenshot(path, around=[x for x in around if x])
        self.screenshots.append(path)
        return self.rel(path)

    # ---- preparing the disks ----------------------------------------------

    def make_sample(self):
        self.section("sample installer")
        road = self.args.road
        source = sample_install.build_file(road, "sample-setup.exe")
        with open(source, "rb") as f:
            self.sample = f.read()
        self.sample_path = os.path.join(self.work, "sample-setup.exe")
        with open(self.sample_path, "wb") as f:
            f.write(self.sample)
        self.item("compiled by makensis %s (Debian's nsis), a %s installer"
                  % (self.args.makensis_version, pe_machine(self.sample)))
        self.item("%s: %d bytes, SHA-256 %s (copy of %s)"
                  % (self.rel(self.sample_path), len(self.sample), sha256(self.sample),
                     self.rel(source)))
        # What the installer carries, for the comparison at the end.
        self.carried = {}
        for installed, built in (("SampleApp.exe", "SampleApp.exe"),
                                 ("sample-data.bin", "sample-data.bin")):
            data = sample_install.read_build_file(road, built)
            self.carried[installed] = data
            self.item("carries %s: %d bytes, SHA-256 %s" % (installed, len(data), sha256(data)))

    def pieceset(self, *args):
        command = [self.args.pieceset] + list(args)
        self.item("$ pieceset " + " ".join(shlex.quote(self.rel(a) if os.path.isabs(a) else a)
                                           for a in args))
        done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              stdin=subprocess.DEVNULL, timeout=600)
        output = done.stdout.decode("utf-8", "replace").rstrip("\n")
        for line in output.splitlines():
            self.item("  " + line.replace(self.work + "/", self.rel(self.work) + "/"))
        return done.returncode, output

    def cut(self):
        self.section("cut onto %s floppies" % MEDIA)
        self.set_dir = os.path.join(self.work, "set")
        code, _ = self.pieceset("cut", self.sample_path, "--name", NAME, "--media", MEDIA,
                                "--launcher", self.args.road.launcher, "--images", "--force",
                                "-o", self.set_dir)
        if code != 0:
            raise DemoFailed("pieceset cut exited %d" % code)
        self.images = []
        while os.path.isfile(os.path.join(self.set_dir, "disk%d.img" % (len(self.images) + 1))):
            self.images.append(os.path.join(self.set_dir, "disk%d.img" % (len(self.images) + 1)))
        if len(self.images) < 2:
            raise DemoFailed("the cut made %d images; a demo of swapping needs two or more"
                             % len(self.images))

    def verify(self):
        self.section("pieceset verify")
        code, output = self.pieceset("verify", *self.images)
        verdict = [line for line in output.splitlines() if line.startswith("verdict:")]
        self.check(code == 0 and len(verdict) == 1 and verdict[0].startswith("verdict: good set"),
                   "pieceset verify did not find a good set (exit code %d)" % code)

    def unpack(self):
        """Each image's files in a folder: what drive A: holds with that disk in."""
        self.section("floppy contents (mcopy -s -i diskN.img ::* diskN/)")
        drive = os.path.join(self.work, "drive")
        if os.path.exists(drive):
            shutil.rmtree(drive)
        self.disks = []
        for number, image in enumerate(self.images, start=1):
            folder = winerig.unpack_image(image, os.path.join(drive, "disk%d" % number))
            listing = subprocess.run(["mdir", "-i", image, "::"], check=True, timeout=60,
                                     stdin=subprocess.DEVNULL, stdout=subprocess.PIPE)
            label = re.search(r"Volume in drive : is (.*)", listing.stdout.decode("latin-1"))
            label = label.group(1).strip() if label else "no label"
            files = ", ".join("%s %d" % (n, os.path.getsize(os.path.join(folder, n)))
                              for n in sorted(os.listdir(folder)))
            self.item("disk %d, label %s: %s -> %s/" % (number, label, files, self.rel(folder)))
            self.disks.append(folder)
        self.check(os.path.isfile(os.path.join(self.disks[0], "SETUP.EXE")),
                   "disk 1 holds no SETUP.EXE")

    # ---- the run under Wine -----------------------------------------------

    def start_wine(self):
        self.section("Windows under Wine, headless")
        self.rig = WineRig(self.work, self.args.road, probe=probe_path(self.args.road),
                           log=lambda text: None)
        t0 = time.monotonic()
        self.rig.start(reuse_prefix=self.args.reuse_prefix)
        self.item("prefix %s, display %s, ready in %.1f s"
                  % (self.rel(self.rig.prefix), self.rig.display, time.monotonic() - t0))
        rig = self.rig
        self.temp_unix, self.temp_win = rig.temp_dir()
        # A kept prefix may hold what an earlier run installed.
        path = os.path.join(self.temp_unix, "kqtmpins.exe")
        if os.path.exists(path):
            os.unlink(path)
        sample_install.clear(rig)
        rig.clear_pending_renames()

    def insert(self, number):
        self.rig.point_drive("a", self.disks[number - 1])
        self.item("disk %d inserted: A: is %s/ (%s)"
                  % (number, self.rel(self.disks[number - 1]),
                     ", ".join(sorted(os.listdir(self.disks[number - 1])))))

    def next_box(self, run, timeout=60):
        """The next message box the launcher shows, or None once it has ended."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for caption in CAPTIONS:
                if self.rig.visible_windows(caption):
                    try:
                        return self.rig.wait_box(caption, run, timeout=5)
                    except RigError:
                        if not run.running():
                            return None
                        raise
            if not run.running():
                return None
            time.sleep(0.1)
        raise DemoFailed("the launcher showed nothing and did not end within %d s" % timeout)

    def show_dialog(self, box):
        """The progress dialog, read while the first box is up (it stays enabled)."""
        rig = self.rig
        found = rig.dialog()
        if not self.check(found is not None, "no progress dialog is visible"):
            return
        fields, controls = found
        texts = [c["text"] for c in controls if c["class"] == "Static" and c["visible"]]
        self.check(fields["caption"] == "", "the dialog has a caption %r" % fields["caption"])
        self.check(texts == ["Preparing to install", NAME],
                   "dialog texts: expected %r, got %r" % (["Preparing to install", NAME], texts))
        dialog_xid = rig.dialog_xid("SETUP.EXE") or rig.dialog_xid("setup.exe")
        shot = ""
        if dialog_xid:
            self.place_below(box, dialog_xid)
            shot = "  [screenshot %s]" % self.shot("dialog.png", [dialog_xid])
        self.item('dialog, no caption: "%s" / "%s"%s' % (texts[0] if texts else "",
                                                        texts[1] if len(texts) > 1 else "", shot))
        return dialog_xid

    def place_below(self, box, dialog_xid):
        """A box opens over the dialog's centre; below it, both can be seen."""
        dialog = self.rig.geometry(dialog_xid)
        where = self.rig.geometry(box.xid)
        if dialog and where:
            self.rig.move_window(box.xid, where[0], dialog[1] + dialog[3] + 40)
            time.sleep(0.5)

    def run_launcher(self):
        rig = self.rig
        self.insert(1)
        # trace+process: Wine notes the command line of what the launcher starts.
        run = rig.start_program("A:\\SETUP.EXE", debug="trace+msgbox,trace+process")
        self.item("started A:\\SETUP.EXE")
        self.launcher_run = run
        wanted = 2
        expected_texts = []
        dialog_xid = None
        while True:
            box = self.next_box(run)
            if box is None:
                break
            if dialog_xid is None:
                dialog_xid = self.show_dialog(box)
            elif self.rig.window_visible(dialog_xid):
                self.place_below(box, dialog_xid)
            shown = 'box "%s": "%s" [%s]' % (box.caption, box.text,
                                             ", ".join(t for _, t in box.buttons))
            name = "box-%d-%s.png" % (len(expected_texts) + 1,
                                      re.sub(r"[^a-z0-9]+", "-", box.caption.lower()))
            self.item("%s  [screenshot %s]" % (shown, self.shot(name, [dialog_xid, box.xid])))
            expected_texts.append(box.text)
            asked = (box.caption == "Next Disk" and box.buttons == QUESTION_BUTTONS
                     and box.text == "Please insert disk %d" % wanted
                     and wanted <= len(self.disks) and not box.has_icon)
            if not asked:
                self.problem("unexpected box; expected \"Next Disk\": \"Please insert disk %d\""
                             % wanted)
                rig.answer(box, "Cancel" if (2, "Cancel") in box.buttons else "OK")
                self.item("answered %s" % ("Cancel" if (2, "Cancel") in box.buttons else "OK"))
                continue
            self.insert(wanted)
            rig.answer(box, "OK")
            self.item("answered OK")
            wanted += 1
        code = run.wait()
        self.item("launcher ended, exit code %d" % code)
        self.check(code == 0, "the launcher's exit code is %d, not 0" % code)
        self.check(wanted == len(self.disks) + 1,
                   "the launcher ended before asking for disk %d" % wanted)
        self.check(run.box_texts() == expected_texts,
                   "Wine traced the box texts %r, the demo read %r"
                   % (run.box_texts(), expected_texts))

    def check_joined(self):
        self.section("the joined installer")
        rig = self.rig
        with open(os.path.join(self.temp_unix, "kqtmpins.exe"), "rb") as f:
            joined = f.read()
        self.item("%s\\kqtmpins.exe: %d bytes, SHA-256 %s" % (self.temp_win, len(joined),
                                                            sha256(joined)))
        self.check(joined == self.sample, "kqtmpins.exe is not the sample installer")
        self.item("kqtmpins.exe %s the sample installer"
                  % ("equals" if joined == self.sample else "DOES NOT EQUAL"))
        short = rig.short_path(self.temp_win + "\\kqtmpins.exe")
        started = sample_install.started_commands(self.launcher_run.log())
        self.item("the launcher started: %s" % (", ".join(started) or "nothing"))
        self.check(started == [short], "the launcher started %r, not the short path %r"
                   % (started, short))
        pending = rig.pending_renames()
        self.item("deletion at the next start requested: %s"
                  % (", ".join(p[0] for p in pending) or "none"))
        self.check(pending == [("\\??\\%s\\kqtmpins.exe" % self.temp_win, "")],
                   "restart-time request %r" % pending)

    # ---- the installer's wizard and the installed application --------------

    def drive_wizard(self):
        self.section("the installer's wizard, answered from outside")
        rig = self.rig
        for heading, button, shot in sample_install.WIZARD:
            deadline = time.monotonic() + 90
            page = None
            while time.monotonic() < deadline:
                page = sample_install.wizard_page(rig)
                if page and page[0] == heading and button in page[2]:
                    break
                if rig.visible_windows("NSIS Error"):
                    # The installer's own check found the joined file damaged.
                    box = rig.wait_box("NSIS Error", timeout=5)
                    self.item('box "NSIS Error": "%s"  [screenshot %s]'
                              % (box.text, self.shot("installer-error.png", [box.xid])))
                    rig.answer(box, "OK")
                    raise DemoFailed("the installer refused the joined file: %s"
                                     % (box.text or "").split("\n")[0])
                time.sleep(0.2)
            else:
                raise DemoFailed("the wizard did not show %r with %s enabled; it shows %r"
                                 % (heading, button, page))
            taken = ""
            if shot:
                time.sleep(0.3)  # let the page finish painting
                taken = "  [screenshot %s]" % self.shot(shot, [sample_install.wizard_xid(rig)])
            self.item('page "%s" [%s]: pressed %s%s'
                      % (heading, ", ".join(b.replace("&", "") for b in page[1]),
                         button.replace("&", ""), taken))
            if not sample_install.press(rig, button):
                raise DemoFailed("could not press %s on the page %r" % (button, heading))
        took = rig.wait_process_gone("kqtmpins.exe")
        self.item("the installer ended %.1f s after Finish" % took)

    def run_application(self):
        self.section("the installed application")
        rig = self.rig
        run = rig.start_program(sample_install.APP_PATH, debug="-all")
        self.item("started %s" % sample_install.APP_PATH)
        box = rig.wait_box(sample_install.APP_CAPTION, run, timeout=30)
        texts = [c["text"] for c in box.controls if c["class"] == "Static" and c["visible"]]
        time.sleep(0.3)
        self.item('window "%s": %s  [screenshot %s]'
                  % (box.caption, " / ".join('"%s"' % t for t in texts),
                     self.shot("application.png", [box.xid])))
        self.check(texts[:2] == ["Sample Application", "Version 1.0"],
                   "the application shows %r" % texts)
        rig.answer(box, "OK")
        code = run.wait()
        self.item("closed with its Close button; exit code %d" % code)
        self.check(code == 0, "the application's exit code is %d" % code)

    def check_installed(self):
        self.section("what a user checks")
        rig = self.rig
        files = sample_install.installed_files(rig)
        self.item("%s holds: %s" % (sample_install.INSTALL_DIR, ", ".join(sorted(files)) or "nothing"))
        for name, carried in sorted(self.carried.items()):
            data = files.get(name)
            if not self.check(data is not None, "%s was not installed" % name):
                continue
            same = data == carried
            self.item("%s: %d bytes, SHA-256 %s, %s the sample's"
                      % (name, len(data), sha256(data), "equal to" if same else "DIFFERENT FROM"))
            self.check(same, "the installed %s differs from the sample's" % name)
        link = os.path.join(sample_install.menu_dir(rig), sample_install.SHORTCUT)
        target = None
        if os.path.isfile(link):
            with open(link, "rb") as f:
                target = sample_install.shortcut_target(f.read())
        self.item("Start menu: Programs\\Sample Application\\%s -> %s"
                  % (sample_install.SHORTCUT, target or "MISSING"))
        self.check(target == sample_install.APP_PATH, "Start-menu entry points at %r" % target)
        uninstaller = files.get("Uninstall.exe")
        entry = sample_install.uninstall_entry(rig) or {}
        self.item("uninstaller: %s, %s; registered as %r %s, UninstallString %s"
                  % (sample_install.UNINSTALLER_PATH,
                     "%d bytes" % len(uninstaller) if uninstaller else "MISSING",
                     entry.get("DisplayName"), entry.get("DisplayVersion"),
                     entry.get("UninstallString")))
        self.check(uninstaller is not None and uninstaller[:2] == b"MZ", "no Uninstall.exe")
        self.check(entry.get("UninstallString") == '"%s"' % sample_install.UNINSTALLER_PATH,
                   "uninstall entry %r" % entry)

    def next_start(self):
        self.section("the next start (wineboot -r)")
        rig = self.rig
        temp = os.path.join(self.temp_unix, "kqtmpins.exe")
        self.item("before: %s\\kqtmpins.exe %s" % (
            self.temp_win, "%d bytes" % os.path.getsize(temp) if os.path.exists(temp) else "absent"))
        rig.kill_server()
        rig.restart()
        gone = not os.path.exists(temp)
        rig.start_server()
        pending = rig.pending_renames()
        self.item("after: kqtmpins.exe %s; requests left: %s"
                  % ("deleted" if gone else "STILL THERE", pending or "none"))
        self.check(gone, "kqtmpins.exe survived the restart")
        self.check(pending == [], "restart-time requests left: %r" % pending)
        kept = os.path.isfile(os.path.join(sample_install.install_dir(rig), "SampleApp.exe"))
        self.item("the installed application %s" % ("stays" if kept else "IS GONE"))
        self.check(kept, "the installed application is gone after the restart")

    # ---- the whole ---------------------------------------------------------

    def run(self):
        t0 = time.monotonic()
        os.makedirs(self.work, exist_ok=True)
        if os.path.exists(self.shots):
            shutil.rmtree(self.shots)
        self.say("kqlauncher demo: an installer on %s floppies, set up under Wine" % MEDIA)
        self.say("launcher: " + self.args.road.summary())
        try:
            self.make_sample()
            self.cut()
            self.verify()
            self.unpack()
            self.start_wine()
            self.run_launcher()
            self.check_joined()
            self.drive_wizard()
            self.run_application()
            self.check_installed()
            self.next_start()
        except (DemoFailed, RigError, OSError, subprocess.SubprocessError) as e:
            self.problem(str(e))
            if self.rig and self.rig.display:
                try:
                    self.shot("failed.png", [])
                except (RigError, OSError):
                    pass
        finally:
            self.section("result")
            self.finish()
        if self.screenshots:
            self.item("screenshots: " + ", ".join(self.rel(p) for p in self.screenshots))
        self.say("demo: ran the %s" % self.args.road.summary())
        if self.problems:
            self.say("demo: FAILED (%d problems, %.0f s): %s"
                     % (len(self.problems), time.monotonic() - t0, "; ".join(self.problems)))
        else:
            self.say("demo: OK in %.0f s" % (time.monotonic() - t0))
        transcript = os.path.join(self.work, "transcript.txt")
        with open(transcript, "w") as f:
            f.write("\n".join(self.lines) + "\n")
        print("(transcript saved in %s)" % self.rel(transcript))
        return 1 if self.problems else 0

    def finish(self):
        if not self.rig:
            return
        self.rig.stop()
        if self.args.keep:
            self.item("prefix kept: %s" % self.rel(self.rig.prefix))
        else:
            try:
                self.rig.remove_prefix()
                self.item("prefix removed")
            except RigError as e:
                self.item(str(e))


class DemoFailed(Exception):
    pass


def probe_path(road):
    """wine_probe.exe, which the rig reads windows with, of the road's tree."""
    return os.path.join(road.tree, "tests", "win32", "wine_probe.exe")


class CannotRun(Exception):
    """A tool or a built file the demo needs is missing."""


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--win32", default=os.path.join(ROOT, "build/win32"),
                        help="the 32-bit tree: launcher.exe, tests/win32/*.exe")
    parser.add_argument("--win64", default=os.path.join(ROOT, "build/win64"),
                        help="the 64-bit twin, for machines that refuse 32-bit programs")
    parser.add_argument("--pieceset", default=os.path.join(ROOT, "build/native/pieceset"))
    parser.add_argument("--work", default=os.path.join(ROOT, "build/demo"))
    parser.add_argument("--arch", choices=("win32", "win64"),
                        help="run this build, whatever the machine (for trying a road by hand)")
    parser.add_argument("--keep", action="store_true", help="keep the Wine prefix")
    parser.add_argument("--reuse-prefix", action="store_true",
                        help="start from a prefix kept by an earlier --keep run")
    return parser.parse_args()


def choose_road(args):
    try:
        if args.arch:
            return winerig.forced_road(args.arch, args.win32, args.win64)
        return winerig.choose_road(args.win32, args.win64, winerig.road.TOOLS + ("mcopy", "mdir"))
    except RigError as e:
        raise CannotRun(str(e))


def check_built(args):
    sample = os.path.join(args.road.tree, "sample")
    for path in (args.road.launcher, args.pieceset, probe_path(args.road),
                 os.path.join(sample, "sample-setup.exe"), os.path.join(sample, "SampleApp.exe"),
                 os.path.join(sample, "sample-data.bin")):
        if not os.path.isfile(path):
            raise CannotRun("%s is missing (make all; the sample needs makensis)" % path)


def makensis_version():
    try:
        done = subprocess.run(["makensis", "-VERSION"], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=30)
    except (OSError, subprocess.TimeoutExpired) as e:
        raise CannotRun("makensis -VERSION failed (%s); install nsis (make deps)" % e)
    return done.stdout.decode("utf-8", "replace").strip() or "(unknown)"


def main():
    args = parse_args()
    try:
        args.road = choose_road(args)
        check_built(args)
        args.makensis_version = makensis_version()
    except CannotRun as e:
        print("demo: %s" % e, file=sys.stderr)
        return 2
    return Demo(args).run()


if __name__ == "__main__":
    sys.exit(main())
