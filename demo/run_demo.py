#!/usr/bin/env python3
"""The launcher at work, start to end, as a person at a Windows machine sees it.

A sample installer of about 3 MB (the recording installer of the end-to-end
suite, padded) is cut by pieceset onto 1.44M floppy images with the launcher
as SETUP.EXE. Each image is unpacked with mtools into a folder, which becomes
the disk in drive A: when it is inserted. The real launcher.exe then runs as
A:\\SETUP.EXE under Wine in a headless X server of its own; each "Next Disk"
box is answered by inserting the disk it asks for and pressing OK. At the end
the installer's own note tells where it was started from, and its bytes are
compared with the sample.

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
from tests.e2e import pieces  # noqa: E402
from winerig import RigError, WineRig  # noqa: E402

NAME = "Sample Application 1.0"
MEDIA = "1.44M"
QUESTION_BUTTONS = [(1, "OK"), (2, "Cancel")]
# Every caption the launcher can show; any of them is read and reported, so
# that a wrong box shows up as what it is rather than as a time-out.
CAPTIONS = ("Next Disk", "This is not the right disk", "Error")


# The suite counts its X displays up from :90, the demo down from :199.
DEMO_DISPLAYS = range(199, 100, -1)


def sha256(data):
    return hashlib.sha256(data).hexdigest()


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
        source = os.path.join(self.args.road.programs, "recording_installer.exe")
        with open(source, "rb") as f:
            program = f.read()
        self.sample = pieces.padded(program, self.args.size, b"demo")
        self.sample_path = os.path.join(self.work, "sample-installer.exe")
        with open(self.sample_path, "wb") as f:
            f.write(self.sample)
        self.item("%s: %d bytes (%s, %d bytes, with %d bytes appended)"
                  % (self.rel(self.sample_path), len(self.sample), self.rel(source),
                     len(program), len(self.sample) - len(program)))
        self.item("SHA-256 %s" % sha256(self.sample))

    def pieceset(self, *args):
        command = [self.args.pieceset] + list(args)
        self.item("$ pieceset " + " ".join(shlex.quote(self.rel(a) if os.path.isabs(a) else a)
                                           for a in args))
        done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              stdin=subprocess.DEVNULL)
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
            folder = os.path.join(drive, "disk%d" % number)
            os.makedirs(folder)
            subprocess.run(["mcopy", "-s", "-i", image, "::*", folder + "/"], check=True,
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
            listing = subprocess.run(["mdir", "-i", image, "::"], check=True,
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
        self.rig = WineRig(self.work, self.args.road, log=lambda text: None,
                           displays=DEMO_DISPLAYS)
        t0 = time.monotonic()
        self.rig.start(reuse_prefix=self.args.reuse_prefix)
        self.item("prefix %s, display %s, ready in %.1f s"
                  % (self.rel(self.rig.prefix), self.rig.display, time.monotonic() - t0))
        rig = self.rig
        self.temp_unix, self.temp_win = rig.temp_dir()
        # A kept prefix may hold the notes of an earlier run.
        for path in (os.path.join(self.temp_unix, "kqtmpins.exe"), rig.c_drive("e2e-result.txt"),
                     rig.c_drive("e2e-result.part"), rig.c_drive("e2e-self.bin")):
            if os.path.exists(path):
                os.unlink(path)
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
        run = rig.start_program("A:\\SETUP.EXE")
        self.item("started A:\\SETUP.EXE")
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

    def check_installer(self):
        self.section("the installer")
        rig = self.rig
        result_path = rig.c_drive("e2e-result.txt")
        deadline = time.monotonic() + 20
        while not os.path.exists(result_path) and time.monotonic() < deadline:
            time.sleep(0.1)
        if not self.check(os.path.exists(result_path),
                          "the installer did not start (no C:\\e2e-result.txt)"):
            return
        with open(result_path, "rb") as f:
            lines = f.read().decode("latin-1").split("\r\n")
        result = dict(line.split("=", 1) for line in lines if "=" in line)
        short = rig.short_path(self.temp_win + "\\kqtmpins.exe")
        self.item("started: %s" % result.get("module"))
        self.item("working directory: %s" % result.get("cwd"))
        self.item("command line: %s" % result.get("cmdline"))
        self.check(result.get("cwd") == "C:\\windows",
                   "working directory is %r, not C:\\windows" % result.get("cwd"))
        self.check(result.get("cmdline") == short,
                   "command line is %r, not the short path %r" % (result.get("cmdline"), short))

        with open(rig.c_drive("e2e-self.bin"), "rb") as f:
            ran = f.read()
        with open(os.path.join(self.temp_unix, "kqtmpins.exe"), "rb") as f:
            joined = f.read()
        same = ran == self.sample and joined == self.sample
        self.item("bytes joined: %d, SHA-256 %s" % (len(ran), sha256(ran)))
        self.item("sample:       %d, SHA-256 %s" % (len(self.sample), sha256(self.sample)))
        self.item("kqtmpins.exe and the bytes the installer read of itself %s the sample"
                  % ("both equal" if same else "DO NOT EQUAL"))
        self.check(same, "the joined bytes are not the sample installer")

        pending = rig.pending_renames()
        self.item("deletion at the next start requested: %s"
                  % (", ".join(p[0] for p in pending) or "none"))
        self.check(pending == [("\\??\\%s\\kqtmpins.exe" % self.temp_win, "")],
                   "restart-time request %r" % pending)

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
            self.check_installer()
        except (DemoFailed, RigError, OSError, subprocess.SubprocessError) as e:
            self.problem(str(e))
            if self.rig and self.rig.display:
                try:
                    self.shot("failed.png", [])
                except (OSError, subprocess.SubprocessError):
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
            shutil.rmtree(self.rig.prefix, ignore_errors=True)
            self.item("prefix removed")


class DemoFailed(Exception):
    pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--win32", default=os.path.join(ROOT, "build/win32"),
                        help="the 32-bit tree: launcher.exe, tests/win32/*.exe")
    parser.add_argument("--win64", default=os.path.join(ROOT, "build/win64"),
                        help="the 64-bit twin, for machines that refuse 32-bit programs")
    parser.add_argument("--pieceset", default=os.path.join(ROOT, "build/native/pieceset"))
    parser.add_argument("--work", default=os.path.join(ROOT, "build/demo"))
    parser.add_argument("--size", type=int, default=3 * 1024 * 1024,
                        help="bytes of the sample installer (default 3 MiB)")
    parser.add_argument("--keep", action="store_true", help="keep the Wine prefix")
    parser.add_argument("--reuse-prefix", action="store_true",
                        help="start from a prefix kept by an earlier --keep run")
    args = parser.parse_args()

    try:
        args.road = winerig.choose_road(args.win32, args.win64,
                                        winerig.road.TOOLS + ("mcopy", "mdir"))
    except RigError as e:
        print("demo: %s" % e, file=sys.stderr)
        return 2
    for path in (args.road.launcher, args.pieceset,
                 os.path.join(args.road.programs, "recording_installer.exe"),
                 os.path.join(args.road.programs, "wine_probe.exe")):
        if not os.path.isfile(path):
            print("demo: %s is missing (make all)" % path, file=sys.stderr)
            return 2
    return Demo(args).run()


if __name__ == "__main__":
    sys.exit(main())
