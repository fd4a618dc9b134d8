#!/usr/bin/env python3
"""End-to-end suite: the real launcher.exe under Wine, headless.

Each case lays out "disks" (directories), points drive A: at the first, starts
A:\\launcher.exe, answers every message box from outside (checking its caption,
text, buttons and icon), swaps disks by re-pointing A:, and then checks what
the recording installer noted about its start, the bytes it was started from,
and the restart-time deletion request. Two cases then restart the session and
check that the system carries out the requests, by the delayed move and by
WinInit.Ini. Two more join a real installer (the sample of sample/, compiled
by makensis, silent): it checks a CRC of its own file, so it installs its
files byte for byte from a good join and refuses one with a flipped byte.
A set of floppy images that lost a disk is rebuilt by pieceset repair and
joined from the rebuilt disk.

The rig decides once which build runs: where the kernel runs Wine's 32-bit
loader, the shipped exe runs every case and the 64-bit twin a few more; where
the kernel refuses 32-bit programs, the twin runs every case. Then one joined
three-disk set is run under each Windows version Wine can report.

Exit code 0 when every case passed (a case that fails is run once more), 1 when
any failed twice or when Wine cannot run here at all (the reason is printed).
"""

import argparse
import os
import shutil
import subprocess
import sys
import time
import traceback

import pieces
import winerig
from sample import sample_install
from winerig import QUESTION_BUTTONS, RigError, WineRig

NAME = "Recording Installer 1.0"
# The Windows-side test programs every road's tree must hold.
PROGRAMS = ("recording_installer.exe", "wine_probe.exe", "restart_probe.exe")


def program(road, name):
    """A Windows-side test program of the road's build tree (tests/win32)."""
    return os.path.join(road.tree, "tests", "win32", name)


class CaseFailed(Exception):
    pass


def expect(actual, expected, what):
    if actual != expected:
        raise CaseFailed("%s: expected %r, got %r" % (what, expected, actual))


def expect_true(condition, what):
    if not condition:
        raise CaseFailed(what)


class Suite:
    def __init__(self, args, road, work, artifacts):
        self.args = args
        self.road = road
        self.work = os.path.abspath(work)
        self.artifacts = os.path.abspath(artifacts)
        self.launcher = road.launcher
        self.rig = WineRig(os.path.join(self.work, "rig"), road,
                           probe=program(road, "wine_probe.exe"), log=self.say)
        with open(program(road, "recording_installer.exe"), "rb") as f:
            self.installer = f.read()
        self.case_dir = None
        self.cutter = pieces.Cutter(args.pieceset, os.path.join(self.work, "cuts"))
        self.notes = []
        self.reported = {}

    def say(self, text):
        print(text, flush=True)

    def note(self, text):
        """Something the case saw, for the transcript."""
        self.notes.append(text)
        self.say("    " + text)

    # ---- per-case state ---------------------------------------------------

    def reset(self, case):
        rig = self.rig
        self.case_dir = os.path.join(self.work, "cases", case)
        if os.path.exists(self.case_dir):
            shutil.rmtree(self.case_dir)
        os.makedirs(self.case_dir)
        # A session that ended behind our back would make the next wine
        # process a system start, carrying out the requests a case checks.
        rig.start_server()
        self.temp_unix, self.temp_win = rig.temp_dir()
        for path in (self.temp_file(), rig.c_drive("e2e-result.txt"),
                     rig.c_drive("e2e-result.part"), rig.c_drive("e2e-self.bin")):
            if os.path.exists(path):
                os.unlink(path)
        rig.clear_pending_renames()
        expect(rig.pending_renames(), [], "pending renames after reset")

    def temp_file(self):
        return os.path.join(self.temp_unix, "kqtmpins.exe")

    def disk(self, label):
        path = os.path.join(self.case_dir, label)
        os.makedirs(path, exist_ok=True)
        return path

    def start_launcher(self, first_disk, exe="launcher.exe"):
        target = os.path.join(first_disk, exe)
        if not os.path.exists(target):
            shutil.copyfile(self.launcher, target)
        self.rig.point_drive("a", first_disk)
        return self.rig.start_program("A:\\" + exe)

    # ---- what the user sees -----------------------------------------------

    def question(self, run, caption, text, shot=None):
        box = self.rig.wait_box(caption, run)
        expect(box.text, text, "text of box %r" % caption)
        expect(box.buttons, QUESTION_BUTTONS, "buttons of box %r" % caption)
        expect(box.has_icon, False, "icon in box %r" % caption)
        expect(box.owned, False, "box %r has an owner" % caption)
        self.note('box "%s": "%s" [OK, Cancel]' % (caption, text))
        if shot:
            self.rig.screenshot(os.path.join(self.artifacts, shot), around=[box.xid])
        return box

    def check_dialog(self, exe, shot=None):
        """The progress dialog, read while a box is up (it stays enabled)."""
        found = self.rig.dialog()
        expect_true(found is not None, "no caption-less progress dialog is visible")
        fields, controls = found
        style = int(fields["style"], 16)
        expect(style & 0x900008C0, 0x900008C0, "dialog style bits")
        expect(style & 0x00C00000, 0, "dialog caption bits")
        expect(fields["caption"], "", "dialog caption")
        seen = [(c["id"] if c["id"] != 65535 else -1, c["class"], c["text"], c["visible"])
                for c in controls]
        expect(seen, [(1, "Button", "OK", False), (2, "Button", "Cancel", False),
                      (-1, "Static", "Preparing to install", True),
                      (1000, "Static", NAME, True)], "dialog controls")
        self.note('dialog: "Preparing to install" / "%s", hidden OK and Cancel' % NAME)
        xid = self.rig.dialog_xid(exe)
        if shot and xid:
            self.rig.screenshot(os.path.join(self.artifacts, shot), around=[xid])
        return xid

    def finish(self, run, boxes):
        code = run.wait()
        expect(code, 0, "launcher exit code")
        expect(run.box_texts(), boxes, "texts of all boxes shown (msgbox trace)")
        self.note("launcher exit code 0; boxes traced: %d" % len(boxes))

    # ---- what the system holds afterwards ---------------------------------

    def expect_deletion_request(self, before=()):
        pending = self.rig.pending_renames()
        expect(pending, [("\\??\\" + path, "") for path in before] +
               [("\\??\\%s\\kqtmpins.exe" % self.temp_win, "")],
               "PendingFileRenameOperations")
        self.note("restart-time deletion recorded for %s\\kqtmpins.exe" % self.temp_win)

    def expect_installer_ran(self, payload, deleted_before=()):
        rig = self.rig
        result_path = rig.c_drive("e2e-result.txt")
        deadline = time.monotonic() + 15
        while not os.path.exists(result_path) and time.monotonic() < deadline:
            time.sleep(0.1)
        expect_true(os.path.exists(result_path), "the installer left no result")
        with open(result_path, "rb") as f:
            lines = f.read().decode("latin-1").split("\r\n")
        result = dict(line.split("=", 1) for line in lines if "=" in line)
        with open(rig.c_drive("e2e-self.bin"), "rb") as f:
            ran_bytes = f.read()
        with open(self.temp_file(), "rb") as f:
            temp_bytes = f.read()
        expect(len(ran_bytes), len(payload), "size of the started installer")
        expect_true(ran_bytes == payload, "the started installer is not the joined payloads")
        expect_true(temp_bytes == payload, "kqtmpins.exe is not the joined payloads")
        expect(result["cwd"], "C:\\windows", "installer's working directory")
        expect(result["drive"], "C:\\windows", "installer's =C: entry")
        expect_true("=C:=C:\\windows" in result["equals"].split("|"),
                    "=C:=C:\\windows not among the installer's '=' entries %r" % result["equals"])
        short = rig.short_path(self.temp_win + "\\kqtmpins.exe")
        expect(result["cmdline"], short, "installer's command line")
        self.note("installer ran: cwd %s, =C: %s, command line %s, %d bytes = joined payloads"
                  % (result["cwd"], result["drive"], result["cmdline"], len(ran_bytes)))
        self.expect_deletion_request(deleted_before)

    def expect_nothing_started(self, partial):
        # The launcher has exited, so an installer it started is running or
        # has left its result: the process is looked for before the file.
        expect(self.rig.process_count("kqtmpins.exe"), 0, "installers running")
        expect_true(not os.path.exists(self.rig.c_drive("e2e-self.bin")),
                    "an installer was started")
        with open(self.temp_file(), "rb") as f:
            expect_true(f.read() == partial, "the partial kqtmpins.exe differs")
        self.note("nothing started; partial kqtmpins.exe (%d bytes) stays" % len(partial))
        self.expect_deletion_request()

    # ---- cases ------------------------------------------------------------

    def cut(self, payload, media, name=NAME):
        return self.cutter.cut(payload, name, media)

    def case_one_piece(self):
        """A one-piece set: no box; FILE.2 beside it is never looked at."""
        here = self.disk("disk1")
        payload = self.installer
        set_ = self.cut(payload, 1474560)
        expect(len(set_), 1, "pieces cut")
        pieces.write_pieces(set_, [here])
        # A FILE.2 of another set would bring up a box if it were looked at.
        other = self.cut(pieces.padded(self.installer, 9000, b"other"), 4096, "Other")
        with open(os.path.join(here, "FILE.2"), "wb") as f:
            f.write(other[1])
        # An older, longer file at the temporary path is emptied first.
        with open(self.temp_file(), "wb") as f:
            f.write(b"\xAA" * 50000)
        run = self.start_launcher(here)
        self.finish(run, [])
        self.expect_installer_ran(payload)

    def case_twelve_pieces_side_by_side(self):
        """Twelve pieces in one directory: no box at all."""
        here = self.disk("disk1")
        payload = pieces.padded(self.installer, 14000)
        set_ = self.cut(payload, 2200)
        expect(len(set_), 12, "pieces cut")
        pieces.write_pieces(set_, [here] * 12)
        # Past the last piece: never opened.
        with open(os.path.join(here, "FILE.13"), "wb") as f:
            f.write(b"not a piece")
        run = self.start_launcher(here)
        self.finish(run, [])
        self.note("pieces FILE.1 .. FILE.12 in one directory, payloads %s bytes"
                  % [len(p) - 1024 for p in set_])
        self.expect_installer_ran(payload)

    def case_three_disks(self):
        """One piece a disk: "Next Disk" asks for disk 2, then disk 3."""
        self.three_disk_join(shots=True)

    def three_disk_join(self, shots=False):
        payload = pieces.padded(self.installer, 9000)
        launcher_size = os.path.getsize(self.launcher)
        if self.cutter.tool:
            # The tool's own layout: SETUP.EXE and FILE.1 on disk 1.
            disks = self.cutter.cut_disks(payload, NAME, 4096, 4096 + launcher_size,
                                          self.launcher, os.path.join(self.case_dir, "set"))
            exe = "SETUP.EXE"
        else:
            disks = [self.disk("disk%d" % n) for n in (1, 2, 3)]
            pieces.write_pieces(self.cut(payload, 4096), disks)
            exe = "launcher.exe"
        expect(len(disks), 3, "disks cut")
        run = self.start_launcher(disks[0], exe)
        box = self.question(run, "Next Disk", "Please insert disk 2",
                            shot="next-disk-box.png" if shots else None)
        if shots:
            # Move the box below the dialog so that both can be seen.
            dialog_xid = self.rig.dialog_xid(exe)
            expect_true(dialog_xid is not None, "no X window for the progress dialog")
            dx, dy, dw, dh = self.rig.geometry(dialog_xid)
            bx, by, bw, bh = self.rig.geometry(box.xid)
            self.rig.move_window(box.xid, bx, dy + dh + 40)
            time.sleep(0.5)
            self.check_dialog(exe, shot="dialog.png")
            self.rig.screenshot(os.path.join(self.artifacts, "next-disk.png"),
                                around=[dialog_xid, box.xid])
        else:
            self.check_dialog(exe)
        self.rig.point_drive("a", disks[1])
        self.rig.answer(box, "OK")
        box = self.question(run, "Next Disk", "Please insert disk 3")
        self.rig.point_drive("a", disks[2])
        self.rig.answer(box, "OK")
        self.finish(run, ["Please insert disk 2", "Please insert disk 3"])
        self.expect_installer_ran(payload)

    def case_foreign_disk_then_right_one(self):
        """OK with no disk, then a disk of another set: each is refused."""
        disks = [self.disk("disk1"), self.disk("disk2")]
        foreign = self.disk("foreign")
        payload = pieces.padded(self.installer, 6000)
        set_ = self.cut(payload, 4096)
        expect(len(set_), 2, "pieces cut")
        pieces.write_pieces(set_, disks)
        # Same name and sizes, other bytes: only the header tells them apart.
        other = self.cut(pieces.padded(self.installer, 6000, b"other"), 4096)
        with open(os.path.join(foreign, "FILE.2"), "wb") as f:
            f.write(other[1])
        run = self.start_launcher(disks[0])
        box = self.question(run, "Next Disk", "Please insert disk 2")
        self.rig.answer(box, "OK")  # still the first disk: FILE.2 absent
        box = self.question(run, "This is not the right disk", "Please insert disk 2")
        self.rig.point_drive("a", foreign)
        self.rig.answer(box, "OK")
        box = self.question(run, "This is not the right disk", "Please insert disk 2",
                            shot="wrong-disk.png")
        self.rig.point_drive("a", disks[1])
        self.rig.answer(box, "OK")
        self.finish(run, ["Please insert disk 2"] * 3)
        self.expect_installer_ran(payload)

    def three_pieces_two_disks(self):
        """FILE.1 and FILE.2 on the first disk, FILE.3 on the second."""
        first, second = self.disk("disk1"), self.disk("disk2")
        payload = pieces.padded(self.installer, 7000)
        set_ = self.cut(payload, 4096)
        expect(len(set_), 3, "pieces cut")
        pieces.write_pieces(set_, [first, first, second])
        return first, second, payload, set_

    def case_third_piece_on_another_disk(self):
        """FILE.1 and FILE.2 together, FILE.3 elsewhere: no "Next Disk" box."""
        first, second, payload, _ = self.three_pieces_two_disks()
        run = self.start_launcher(first)
        box = self.question(run, "This is not the right disk", "Please insert disk 3")
        self.rig.point_drive("a", second)
        self.rig.answer(box, "OK")
        self.finish(run, ["Please insert disk 3"])
        self.expect_installer_ran(payload)

    def case_cancel_in_next_disk(self):
        """Cancel in "Next Disk": nothing is started."""
        disks = [self.disk("disk1"), self.disk("disk2")]
        set_ = self.cut(pieces.padded(self.installer, 6000), 4096)
        pieces.write_pieces(set_, disks)
        run = self.start_launcher(disks[0])
        box = self.question(run, "Next Disk", "Please insert disk 2")
        self.rig.point_drive("a", disks[1])
        self.rig.answer(box, "Cancel")
        self.finish(run, ["Please insert disk 2"])
        self.expect_nothing_started(pieces.payload_of(set_[0]))

    def case_cancel_in_wrong_disk(self):
        """Cancel in "This is not the right disk": nothing is started."""
        first, _, _, set_ = self.three_pieces_two_disks()
        run = self.start_launcher(first)
        box = self.question(run, "This is not the right disk", "Please insert disk 3")
        self.rig.answer(box, "Cancel")
        self.finish(run, ["Please insert disk 3"])
        self.expect_nothing_started(pieces.payload_of(set_[0]) + pieces.payload_of(set_[1]))

    def case_missing_file1(self):
        """No FILE.1 beside the launcher: one stop box, no temporary file."""
        here = self.disk("empty")
        run = self.start_launcher(here)
        box = self.rig.wait_box("Error", run)
        expect(box.text, "Missing FILE.1", "text of the missing-piece box")
        expect(box.buttons, [(1, "OK")], "buttons of the missing-piece box")
        expect(box.has_icon, True, "stop icon in the missing-piece box")
        expect(box.owned, False, "missing-piece box has an owner")
        self.note('box "Error" (no caption given): "Missing FILE.1" [OK], with an icon')
        self.rig.screenshot(os.path.join(self.artifacts, "missing-file1.png"), around=[box.xid])
        self.rig.answer(box, "OK")
        self.finish(run, ["Missing FILE.1"])
        expect_true(not os.path.exists(self.temp_file()), "a kqtmpins.exe was created")
        expect(self.rig.pending_renames(), [], "PendingFileRenameOperations")
        self.note("no kqtmpins.exe, no restart-time request")

    def case_restart_deletes_temporary_installer(self):
        """The delayed move the launcher asked for is carried out at restart."""
        here = self.disk("disk1")
        payload = self.installer
        pieces.write_pieces(self.cut(payload, 1474560), [here])
        run = self.start_launcher(here)
        self.finish(run, [])
        self.expect_installer_ran(payload)
        # The saved registry, as the next start will find it.
        self.rig.kill_server()
        expect(self.rig.saved_pending_renames(),
               [("\\??\\%s\\kqtmpins.exe" % self.temp_win, "")],
               "PendingFileRenameOperations in system.reg")
        self.note("system.reg holds the deletion request")
        expect_true(os.path.exists(self.temp_file()), "kqtmpins.exe gone before the restart")
        self.rig.restart()
        expect_true(not os.path.exists(self.temp_file()), "kqtmpins.exe survived the restart")
        self.rig.start_server()
        expect(self.rig.pending_renames(), [], "PendingFileRenameOperations after restart")
        self.note("after wineboot -r: kqtmpins.exe removed, no request left")

    def case_long_temp_directory(self):
        """A temp directory with a long name: the installer is started through
        its short path, with no quotes and nothing after it."""
        rig = self.rig
        long_win = self.temp_win[:self.temp_win.rindex("\\")] + "\\Temporary Files"
        long_unix = os.path.join(os.path.dirname(self.temp_unix), "Temporary Files")
        os.makedirs(long_unix, exist_ok=True)
        here = self.disk("disk1")
        payload = self.installer
        pieces.write_pieces(self.cut(payload, 1474560), [here])
        for name in ("TEMP", "TMP"):
            rig.set_registry(r"HKCU\Environment", name, long_win)
        try:
            run = self.start_launcher(here)
            self.finish(run, [])
        finally:
            for name in ("TEMP", "TMP"):
                rig.set_registry(r"HKCU\Environment", name, self.temp_win)
        self.temp_unix, self.temp_win = long_unix, long_win
        short = rig.short_path(long_win + "\\kqtmpins.exe")
        expect_true(short is not None and "~" in short, "no short form for %r" % long_win)
        self.expect_installer_ran(payload)

    def case_wininit_road(self):
        """Delayed move refused: the request goes into WinInit.Ini, and the
        system deletes the file at restart."""
        rig = self.rig
        probe = program(self.road, "restart_probe.exe")
        ini = os.path.join(rig.windows_dir(), "WinInit.Ini")
        bak = os.path.join(rig.windows_dir(), "wininit.bak")
        for path in (ini, bak):
            if os.path.exists(path):
                os.unlink(path)
        victim = rig.c_drive("e2e-victim.tmp")
        older = rig.c_drive("e2e-older.tmp")
        for path in (victim, older):
            with open(path, "wb") as f:
                f.write(b"doomed")
        before = (b"[boot]\r\nshell=Explorer.exe\r\n"
                  b"[Rename]\r\nNUL=C:\\e2e-older.tmp\r\n"
                  b"[386Enh]\r\nkey=value\r\n")
        with open(ini, "wb") as f:
            f.write(before)
        out = rig.wine([probe, "refuse", "C:\\e2e-victim.tmp"]).strip()
        expect(out, "result=1 moves=1 flags=4 source=C:\\e2e-victim.tmp target=<null>",
               "restart_probe")
        with open(ini, "rb") as f:
            after = f.read()
        expected = (b"[boot]\r\nshell=Explorer.exe\r\n"
                    b"[Rename]\r\nNUL=C:\\e2e-victim.tmp\r\nNUL=C:\\e2e-older.tmp\r\n"
                    b"[386Enh]\r\nkey=value\r\n")
        expect(after, expected, "WinInit.Ini after the request")
        expect(rig.pending_renames(), [], "PendingFileRenameOperations (move was refused)")
        self.note("WinInit.Ini: NUL=C:\\e2e-victim.tmp inserted right after [Rename], "
                  "before the older entry; %d -> %d bytes" % (len(before), len(after)))
        rig.restart()
        expect_true(not os.path.exists(victim), "C:\\e2e-victim.tmp survived the restart")
        expect_true(not os.path.exists(older), "C:\\e2e-older.tmp survived the restart")
        expect_true(not os.path.exists(ini), "WinInit.Ini still there after the restart")
        expect_true(os.path.exists(bak), "no wininit.bak after the restart")
        self.note("after wineboot -r: both files deleted, WinInit.Ini renamed to wininit.bak")

        # With the delayed move taken, WinInit.Ini is not even created.
        os.unlink(bak)
        with open(victim, "wb") as f:
            f.write(b"doomed")
        out = rig.wine([probe, "accept", "C:\\e2e-victim.tmp"]).strip()
        expect(out, "result=1 moves=1 flags=4 source=C:\\e2e-victim.tmp target=<null>",
               "restart_probe (move taken)")
        expect_true(not os.path.exists(ini), "WinInit.Ini created although the move was taken")
        expect(rig.pending_renames(), [("\\??\\C:\\e2e-victim.tmp", "")],
               "PendingFileRenameOperations (move taken)")
        rig.restart()
        expect_true(not os.path.exists(victim), "C:\\e2e-victim.tmp survived the restart")
        self.note("move taken: no WinInit.Ini, PendingFileRenameOperations used and carried out")

    # ---- a real installer: the sample compiled by makensis -----------------

    def sample_set(self):
        """The silent sample installer cut for three small disks."""
        payload = sample_install.read_build_file(self.road, "sample-setup-silent.exe")
        media = -(-len(payload) // 3) + 1024
        set_ = self.cut(payload, media, sample_install.NAME)
        expect(len(set_), 3, "pieces cut")
        return payload, [bytearray(piece) for piece in set_]

    def join_sample(self, set_):
        """Runs the launcher over the set, one piece a disk, and checks what
        it did: two "Next Disk" boxes, the joined file, and that it started
        that file (traced by Wine); returns the joined bytes once the started
        installer has ended."""
        sample_install.clear(self.rig)
        disks = [self.disk("disk%d" % n) for n in (1, 2, 3)]
        pieces.write_pieces(set_, disks)
        shutil.copyfile(self.launcher, os.path.join(disks[0], "launcher.exe"))
        self.rig.point_drive("a", disks[0])
        run = self.rig.start_program("A:\\launcher.exe", debug="trace+msgbox,trace+process")
        for number in (2, 3):
            box = self.question(run, "Next Disk", "Please insert disk %d" % number)
            self.rig.point_drive("a", disks[number - 1])
            self.rig.answer(box, "OK")
        self.finish(run, ["Please insert disk 2", "Please insert disk 3"])
        short = self.rig.short_path(self.temp_win + "\\kqtmpins.exe")
        expect(sample_install.started_commands(run.log()), [short],
               "command lines the launcher started (trace+process)")
        took = self.rig.wait_process_gone("kqtmpins.exe")
        self.note("launcher started %s; the installer ended %.1f s after the launcher"
                  % (short, took))
        self.expect_deletion_request()
        with open(self.temp_file(), "rb") as f:
            return f.read()

    def case_real_installer_from_three_disks(self):
        """An installer made by makensis, joined from three disks, checks its
        own CRC and installs its files byte for byte."""
        payload, set_ = self.sample_set()
        joined = self.join_sample(set_)
        expect_true(joined == payload, "kqtmpins.exe is not the sample installer")
        files = sample_install.installed_files(self.rig)
        expect(sorted(files), ["SampleApp.exe", "Uninstall.exe", "sample-data.bin"],
               "files in C:\\Program Files\\Sample Application")
        for name, built in (("SampleApp.exe", "SampleApp.exe"),
                            ("sample-data.bin", "sample-data-small.bin")):
            expect_true(files[name] == sample_install.read_build_file(self.road, built),
                        "installed %s differs from the build's %s" % (name, built))
        expect_true(files["Uninstall.exe"][:2] == b"MZ", "Uninstall.exe is no program")
        self.note("installed: SampleApp.exe %d bytes, sample-data.bin %d bytes (both equal to "
                  "the build's), Uninstall.exe %d bytes"
                  % (len(files["SampleApp.exe"]), len(files["sample-data.bin"]),
                     len(files["Uninstall.exe"])))
        link = os.path.join(sample_install.menu_dir(self.rig), "Sample Application.lnk")
        expect_true(os.path.isfile(link), "no Start-menu entry %s" % link)
        with open(link, "rb") as f:
            expect(sample_install.shortcut_target(f.read()),
                   "C:\\Program Files\\Sample Application\\SampleApp.exe",
                   "target of the Start-menu entry")
        entry = sample_install.uninstall_entry(self.rig)
        expect_true(entry is not None, "no uninstall entry for Sample Application")
        expect(entry.get("UninstallString"),
               '"C:\\Program Files\\Sample Application\\Uninstall.exe"', "UninstallString")
        self.note("Start-menu entry points at SampleApp.exe; uninstall entry registered")

    def case_real_installer_refuses_a_flipped_byte(self):
        """The same set with one payload byte flipped in the middle piece: the
        launcher joins and starts it as ever, and the installer's own CRC
        check refuses it, so nothing is installed."""
        payload, set_ = self.sample_set()
        first = len(set_[0]) - 1024
        middle = (len(set_[1]) - 1024) // 2
        at = first + middle
        # Past the stub, in the data the installer's check covers.
        expect_true(at > sample_install.nsis_data_offset(payload) + 28,
                    "the flipped byte %d lies in the installer's stub" % at)
        set_[1][1024 + middle] ^= 0x01
        flipped = bytearray(payload)
        flipped[at] ^= 0x01
        joined = self.join_sample(set_)
        expect_true(joined == bytes(flipped), "kqtmpins.exe is not the joined (flipped) pieces")
        self.note("byte %d of %d flipped in FILE.2; kqtmpins.exe holds it" % (at, len(payload)))
        expect(sample_install.installed_files(self.rig), {}, "files installed")
        expect_true(not os.path.exists(sample_install.menu_dir(self.rig)),
                    "a Start-menu folder was created")
        expect(sample_install.uninstall_entry(self.rig), None, "uninstall entry")
        # The launcher cannot see the installer's exit code; run it again to read it.
        run = self.rig.start_program(self.temp_win + "\\kqtmpins.exe")
        expect(run.wait(), 2, "exit code of the installer with the flipped byte")
        expect(sample_install.installed_files(self.rig), {}, "files installed by the second run")
        self.note("the installer refused: exit code 2, nothing in the install folder, "
                  "no Start-menu entry, no uninstall entry")

    def case_cd_set_from_iso_images(self):
        """Two CDs cut by pieceset as ISO 9660 images, read back with xorriso,
        joined by the real launcher from a drive Wine reports as a CD-ROM
        drive, the disc swapped at "Next Disk"."""
        expect_true(self.cutter.tool is not None, "this case needs --pieceset to make ISO images")
        payload = pieces.padded(self.installer, 1200000)
        source = os.path.join(self.case_dir, "setup.exe")
        with open(source, "wb") as f:
            f.write(payload)
        # 732 sectors a disc: 256 for the file system, 4 for SETUP.EXE.
        out = os.path.join(self.case_dir, "set")
        expect(self.pieceset("cut", source, "--name", NAME, "--media", "1499136",
                             "--fs", "iso9660", "--launcher", self.launcher, "--images",
                             "-o", out), 0, "exit code of cut")
        discs = []
        for n in (1, 2):
            image = os.path.join(out, "disk%d.iso" % n)
            expect_true(os.path.getsize(image) <= 1499136, "disk%d.iso exceeds the disc" % n)
            discs.append(winerig.unpack_image(image, self.disk("cd%d" % n)))
        expect(sorted(os.listdir(discs[0])), ["FILE.1", "SETUP.EXE"], "files on disc 1")
        expect(sorted(os.listdir(discs[1])), ["FILE.2"], "files on disc 2")
        expect(not os.path.exists(os.path.join(out, "disk3.iso")), True, "a third disc")
        self.note("disk1.iso: %s; disk2.iso: FILE.2 (xorriso -extract)"
                  % ", ".join(sorted(os.listdir(discs[0]))))
        rig = self.rig
        rig.point_drive("d", discs[0])
        rig.set_drive_type("d", "cdrom")
        try:
            # wmic writes UTF-16: rows "C:  3", "D:  5" once the NULs are gone.
            listed = rig.wine(["wmic", "logicaldisk", "get", "DeviceID,DriveType"])
            rows = [line.split() for line in listed.replace("\x00", "").splitlines()]
            expect([row[1:] for row in rows if row[:1] == ["D:"]], [["5"]],
                   "DriveType of D: from wmic (5: CD-ROM)")
            self.note("Wine reports D: as a CD-ROM drive (DriveType 5)")
            run = rig.start_program("D:\\SETUP.EXE")
            box = self.question(run, "Next Disk", "Please insert disk 2")
            rig.point_drive("d", discs[1])
            rig.answer(box, "OK")
            self.finish(run, ["Please insert disk 2"])
            # Before the drive type is put back: that restarts the session,
            # which carries out the deletion request.
            self.expect_installer_ran(payload)
        finally:
            rig.set_drive_type("d", None)
            rig.remove_drive("d")

    def pieceset(self, *args):
        """The tool's exit code; its last line (the verdict) goes to the transcript."""
        done = subprocess.run([self.cutter.tool] + list(args), stdin=subprocess.DEVNULL,
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120)
        lines = done.stdout.decode("utf-8", "replace").splitlines() or [""]
        self.note("pieceset %s, exit code %d: %s" % (args[0], done.returncode, lines[-1]))
        return done.returncode

    def case_floppy_set_with_a_lost_disk_repaired(self):
        """Three 360K floppy images and a recovery disk; disk 2 is lost,
        rebuilt by pieceset repair, and the launcher joins the set from the
        rebuilt disk with the others, never shown the recovery disk."""
        expect_true(self.cutter.tool is not None, "this case needs --pieceset to repair a set")
        payload = pieces.padded(self.installer, 800000)
        source = os.path.join(self.case_dir, "setup.exe")
        with open(source, "wb") as f:
            f.write(payload)
        out, rebuilt = os.path.join(self.case_dir, "set"), os.path.join(self.case_dir, "rebuilt")
        expect(self.pieceset("cut", source, "--name", NAME, "--media", "360K", "--recovery", "1",
                             "--launcher", self.launcher, "--images", "-o", out), 0, "cut")
        images = [os.path.join(out, "disk%d.img" % n) for n in (1, 2, 3, 4)]
        expect_true(not os.path.exists(os.path.join(out, "disk5.img")), "a fifth disk was cut")
        os.unlink(images[1])
        kept = [images[0], images[2], images[3]]
        expect(self.pieceset("verify", *kept), 3, "exit code of verify without disk 2")
        expect(self.pieceset("repair", *kept, "-o", rebuilt), 0, "exit code of repair")
        expect(sorted(os.listdir(rebuilt)), ["disk2", "disk2.img"], "what repair rebuilt")
        images[1] = os.path.join(rebuilt, "disk2.img")
        expect(self.pieceset("verify", *kept, images[1]), 0,
               "exit code of verify with the rebuilt disk 2")
        # What drive A: holds with each disk in; the recovery disk never goes in.
        disks = [winerig.unpack_image(image, self.disk("floppy%d" % n))
                 for n, image in enumerate(images[:3], start=1)]
        expect([sorted(os.listdir(d)) for d in disks],
               [["FILE.1", "SETUP.EXE"], ["FILE.2"], ["FILE.3"]], "files on the floppies")
        run = self.start_launcher(disks[0], "SETUP.EXE")
        for n in (2, 3):
            box = self.question(run, "Next Disk", "Please insert disk %d" % n)
            self.rig.point_drive("a", disks[n - 1])
            self.rig.answer(box, "OK")
        self.finish(run, ["Please insert disk 2", "Please insert disk 3"])
        self.expect_installer_ran(payload)

    def cut_with_recovery(self, size, recovery, *options):
        """A seeded installer of `size` bytes cut with recovery pieces and the
        road's own REPAIR.EXE beside them, with the options given (media,
        layout), into the case's folder "set"; that folder and the installer."""
        expect_true(self.cutter.tool is not None, "this case needs --pieceset to cut a set")
        payload = pieces.padded(self.installer, size)
        source = os.path.join(self.case_dir, "setup.exe")
        with open(source, "wb") as f:
            f.write(payload)
        out = os.path.join(self.case_dir, "set")
        program = os.path.join(os.path.dirname(self.launcher), "repair.exe")
        expect(self.pieceset("cut", source, "--name", NAME, "--recovery", str(recovery),
                             "--launcher", self.launcher, "--repair-exe", program, *options,
                             "-o", out),
               0, "cut")
        return out, payload

    def recovery_set(self, size, recovery):
        """A flat set with recovery pieces in drive A:; its folder and payload."""
        out, payload = self.cut_with_recovery(size, recovery, "--media", "100000", "--flat")
        self.rig.point_drive("a", out)
        return out, payload

    def case_flat_set_healed_by_repair_exe(self):
        """A flat set with two recovery pieces, FILE.2 deleted and a byte of
        FILE.4 flipped: REPAIR.EXE shows no box, heals the set in the temp
        folder and starts its SETUP.EXE, which starts the original installer."""
        out, payload = self.recovery_set(300000, 2)
        os.unlink(os.path.join(out, "FILE.2"))
        with open(os.path.join(out, "FILE.4"), "r+b") as f:
            f.seek(5000)
            byte = f.read(1)
            f.seek(5000)
            f.write(bytes([byte[0] ^ 0x40]))
        pieces_cut = len([n for n in os.listdir(out) if n.startswith("FILE.")]) + 1
        run = self.rig.start_program("A:\\REPAIR.EXE")
        expect(run.wait(), 0, "REPAIR.EXE exit code")
        expect(run.box_texts(), [], "texts of REPAIR.EXE's boxes")
        folder = self.temp_win + "\\kqrepair"
        healed = os.path.join(self.temp_unix, "kqrepair")
        for n in (2, 4):
            with open(os.path.join(healed, "FILE.%d" % n), "rb") as f:
                piece = f.read()
            expect(len(piece) > 1024, True, "healed FILE.%d holds a payload" % n)
        self.note("REPAIR.EXE: no box, exit code 0, FILE.2 and FILE.4 rebuilt in %s" % folder)
        self.expect_installer_ran(payload, [folder + "\\SETUP.EXE"] +
                                  [folder + "\\FILE.%d" % n for n in range(1, pieces_cut + 1)] +
                                  [folder])

    def case_floppies_healed_by_repair_exe_past_bad_sectors(self):
        """360K images with a recovery disk, disk 2 served with bad sectors:
        REPAIR.EXE started from the recovery disk asks for disks 1 to 3 in
        turn, reads disk 2 past its bad sectors, rebuilds them, and the
        launcher it starts joins the original installer."""
        out, payload = self.cut_with_recovery(800000, 1, "--media", "360K", "--images")
        expect_true(not os.path.exists(os.path.join(out, "disk5.img")), "a fifth disk was cut")
        disks = [winerig.unpack_image(os.path.join(out, "disk%d.img" % n),
                                      self.disk("floppy%d" % n)) for n in (1, 2, 3, 4)]
        expect([sorted(os.listdir(d)) for d in disks],
               [["FILE.1", "SETUP.EXE"], ["FILE.2"], ["FILE.3"], ["REPAIR.1", "REPAIR.EXE"]],
               "files on the floppies")
        # Two sectors in different blocks of FILE.2, past the header a
        # foreign disk is told by.
        bad = [40 * 512, 400 * 512]
        failing = winerig.FailingDisk(self.args.faultfs, disks[1],
                                      os.path.join(self.case_dir, "floppy2-failing"), bad)
        with failing:
            self.rig.point_drive("a", disks[3])
            run = self.rig.start_program("A:\\REPAIR.EXE")
            for n, disk in ((1, disks[0]), (2, failing.path), (3, disks[2])):
                box = self.question(run, "Next Disk", "Please insert disk %d" % n)
                self.rig.point_drive("a", disk)
                self.rig.answer(box, "OK")
            expect(run.wait(), 0, "REPAIR.EXE exit code")
            self.rig.point_drive("a", disks[3])
            failed = failing.failed_reads()
        expect(run.box_texts(), ["Please insert disk %d" % n for n in (1, 2, 3)],
               "texts of all boxes shown (REPAIR.EXE and the launcher it started)")
        for offset in bad:
            expect_true(("/FILE.2", offset, 512) in failed,
                        "no sector-sized read of FILE.2 at %d failed: %r" % (offset, failed))
        self.note("faultfs failed %d reads of FILE.2: %s" % (len(failed), ", ".join(
            "%d+%d" % (at, size) for _, at, size in failed)))
        folder = self.temp_win + "\\kqrepair"
        with open(os.path.join(disks[1], "FILE.2"), "rb") as f:
            original = f.read()
        with open(os.path.join(self.temp_unix, "kqrepair", "FILE.2"), "rb") as f:
            expect_true(f.read() == original, "the healed FILE.2 is not disk 2's FILE.2")
        self.note("REPAIR.EXE: exit code 0, FILE.2 rebuilt in %s byte for byte" % folder)
        self.expect_installer_ran(payload, [folder + "\\SETUP.EXE"] +
                                  [folder + "\\FILE.%d" % n for n in (1, 2, 3)] + [folder])

    def case_two_lost_pieces_one_recovery_piece(self):
        """Two pieces deleted from a flat set with one recovery piece: one
        Error box names them, nothing is started and nothing is left."""
        out, _ = self.recovery_set(300000, 1)
        os.unlink(os.path.join(out, "FILE.2"))
        os.unlink(os.path.join(out, "FILE.3"))
        run = self.rig.start_program("A:\\REPAIR.EXE")
        box = self.rig.wait_box("Error", run)
        self.rig.answer(box, "OK")
        expect(run.wait(), 0, "REPAIR.EXE exit code")
        expect(run.box_texts(), ["Disks 2, 3 cannot be rebuilt: more recovery disks are needed."],
               "texts of REPAIR.EXE's boxes")
        expect_true(not os.path.exists(os.path.join(self.temp_unix, "kqrepair")),
                    "REPAIR.EXE left its folder")
        expect(self.rig.pending_renames(), [], "PendingFileRenameOperations")
        expect(self.rig.process_count("SETUP.EXE"), 0, "launchers running")
        self.note('one box "Error": "Disks 2, 3 cannot be rebuilt: ...", nothing started or left')

    CASES = [
        "one_piece",
        "twelve_pieces_side_by_side",
        "three_disks",
        "foreign_disk_then_right_one",
        "third_piece_on_another_disk",
        "cancel_in_next_disk",
        "cancel_in_wrong_disk",
        "missing_file1",
        "long_temp_directory",
        "restart_deletes_temporary_installer",
        "wininit_road",
        "real_installer_from_three_disks",
        "real_installer_refuses_a_flipped_byte",
        "cd_set_from_iso_images",
        "floppy_set_with_a_lost_disk_repaired",
        "flat_set_healed_by_repair_exe",
        "floppies_healed_by_repair_exe_past_bad_sectors",
        "two_lost_pieces_one_recovery_piece",
    ]

    # A few cases for the 64-bit twin beside the shipped exe: boxes and
    # swapped disks, a cancel, and both restart-time roads.
    TWIN_CASES = ["three_disks", "cancel_in_wrong_disk", "wininit_road"]

    # Every version Wine can report between Windows 95 and Windows 10.
    VERSIONS = ["win95", "win98", "winme", "nt40", "win2k", "winxp", "winxp64", "win2003",
                "vista", "win2008", "win7", "win2008r2", "win8", "win81", "win10"]

    def run(self, selected, versions=()):
        """Runs the cases, then the three-disk join under each version;
        returns (passed, passed on the second run, failed, version table)."""
        os.makedirs(self.artifacts, exist_ok=True)
        self.rig.start(reuse_prefix=self.args.reuse_prefix)
        passed, failed, flaky, table = [], [], [], []
        try:
            for name in selected:
                self.run_twice(name, getattr(self, "case_" + name), passed, flaky, failed)
            for version in versions:
                ok = self.run_twice("version_" + version,
                                    lambda: self.under_version(version), passed, flaky, failed)
                table.append((version, ok, self.reported.get(version, "?")))
        finally:
            self.rig.stop()
        # The prefix takes over a gigabyte; a failed run keeps it to look into.
        if not failed and not self.args.reuse_prefix:
            try:
                self.rig.remove_prefix()
            except RigError as e:
                self.say("e2e: %s" % e)
        return passed, flaky, failed, table

    def run_twice(self, name, case, passed, flaky, failed):
        # A case that Wine or Xvfb failed (a RigError, a timeout) is run once
        # more, in the same prefix with its folder, the temporary file, the
        # pending requests and the server reset: Wine under Xvfb has failed
        # single runs on its own. It passes only if the second run passes,
        # and the summary names it. A case that saw the launcher do the wrong
        # thing is never run again: a second run could pass by chance.
        for attempt in (1, 2):
            outcome = self.run_case(name, case, attempt)
            if outcome is True:
                (flaky if attempt == 2 else passed).append(name)
                return True
            if isinstance(outcome, CaseFailed):
                break
        failed.append(name)
        return False

    def under_version(self, version):
        self.rig.set_windows_version(version)
        try:
            reported = self.rig.probe("version").strip()
            self.reported[version] = reported
            self.note("Wine reports %s: %s" % (version, reported))
            self.three_disk_join()
        finally:
            self.rig.set_windows_version(None)

    def run_case(self, name, case, attempt):
        """True when the case passed, else the exception that failed it."""
        tag = "RUN " if attempt == 1 else "RERUN"
        self.say("[ %s ] %s" % (tag, name))
        start = time.monotonic()
        try:
            self.reset(name)
            case()
            self.say("[  OK  ] %s (%.1f s)" % (name, time.monotonic() - start))
            return True
        except (CaseFailed, RigError, OSError, KeyError, ValueError,
                subprocess.SubprocessError) as e:
            self.say("[ FAIL ] %s: %s" % (name, e))
            if not isinstance(e, CaseFailed):
                traceback.print_exc()
            try:
                self.rig.screenshot(os.path.join(self.artifacts,
                                                 "failed-%s-%d.png" % (name, attempt)))
            except (RigError, OSError) as shot:
                self.say("    no screenshot: %s" % shot)
            self.recover()
            return e

    def recover(self):
        """After a failed case: end whatever still runs, keep the session."""
        try:
            self.rig.kill_server()
            self.rig.start_server()
        except Exception as e:  # the next case reports what is broken
            self.say("recover: %s" % e)


class CannotRun(Exception):
    """The suite cannot prove anything here: no road, or a build file missing."""


def parse_args():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(os.path.dirname(here))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--win32", default=os.path.join(root, "build/win32"),
                        help="the 32-bit tree: launcher.exe, tests/win32/*.exe")
    parser.add_argument("--win64", default=os.path.join(root, "build/win64"),
                        help="the 64-bit twin's tree, laid out alike")
    parser.add_argument("--arch", choices=("win32", "win64"), default=os.environ.get("E2E_ARCH"),
                        help="run this build only, whatever the machine (for trying by hand)")
    parser.add_argument("--work", default=os.path.join(root, "build/native/e2e-work"))
    parser.add_argument("--artifacts", default=os.path.join(root, "build/native/e2e-artifacts"))
    parser.add_argument("--pieceset", help="the pieceset tool (default: a test helper cuts)")
    parser.add_argument("--faultfs", help="tests/tool's faultfs, for a disk with bad sectors")
    parser.add_argument("--docs", help="copy dialog.png and next-disk.png here")
    parser.add_argument("--no-twin", action="store_true",
                        help="no twin cases beside the shipped exe")
    parser.add_argument("--no-versions", action="store_true",
                        help="no run under each Windows version")
    parser.add_argument("--reuse-prefix", action="store_true",
                        help="keep the prefix of an earlier run (faster; for development)")
    parser.add_argument("--expect-arch", choices=("win32", "win64"),
                        help="fail unless the rig chooses this build (for the refusal case)")
    parser.add_argument("cases", nargs="*", help="cases to run (default: all)")
    args = parser.parse_args()
    args.cases = [c for c in args.cases if c]
    unknown = [c for c in args.cases if c not in Suite.CASES]
    if unknown:
        parser.error("unknown cases %s; known: %s" % (unknown, ", ".join(Suite.CASES)))
    return args


def choose_roads(args):
    """The road of this run, then the twin's when it runs beside the shipped exe."""
    try:
        if args.arch:
            road = winerig.forced_road(args.arch, args.win32, args.win64)
        else:
            road = winerig.choose_road(args.win32, args.win64)
        twin = None
        if road.shipped and not args.no_twin and not args.arch:
            twin = winerig.twin_road(args.win64)
    except RigError as e:
        raise CannotRun(str(e))
    if args.expect_arch and road.arch != args.expect_arch:
        raise CannotRun("the rig chose %s where %s was expected: %s"
                        % (road.arch, args.expect_arch, road.summary()))
    return [road] + ([twin] if twin else [])


def check_built(roads):
    for road in roads:
        for path in [road.launcher] + [program(road, name) for name in PROGRAMS]:
            if not os.path.isfile(path):
                raise CannotRun("%s is missing (make all)" % path)


def run_road(args, road, work, artifacts, cases, versions=()):
    print("e2e: %s" % road.summary(), flush=True)
    suite = Suite(args, road, work, artifacts)
    t0 = time.monotonic()
    result = suite.run(cases, versions)
    print("e2e: %s road: %.1f s" % (road.arch, time.monotonic() - t0), flush=True)
    return result


class Outcome:
    """What every road's run came to, for the summary."""

    def __init__(self):
        self.passed, self.flaky, self.failed, self.table, self.roads = [], [], [], [], []

    def add(self, road, result, total, tag=""):
        passed, flaky, failed, table = result
        self.passed += [tag + c for c in passed]
        self.flaky += [tag + c for c in flaky]
        self.failed += [tag + c for c in failed]
        self.table += table
        self.roads.append((road, len(passed) + len(flaky), total))


def run_roads(args, roads):
    """Every case on the road, the versions after them; a few on the twin."""
    cases = args.cases or Suite.CASES
    versions = [] if args.no_versions or args.cases else Suite.VERSIONS
    outcome = Outcome()
    outcome.add(roads[0], run_road(args, roads[0], args.work, args.artifacts, cases, versions),
                len(cases) + len(versions))
    for twin in roads[1:]:
        twin_cases = [c for c in Suite.TWIN_CASES if c in cases]
        outcome.add(twin, run_road(args, twin, os.path.join(args.work, "twin"),
                                   os.path.join(args.artifacts, "twin"), twin_cases),
                    len(twin_cases), tag="twin:")
    return outcome


def copy_shots(args, road):
    if args.docs and road.shipped:
        os.makedirs(args.docs, exist_ok=True)
        for shot in ("dialog.png", "next-disk.png"):
            src = os.path.join(args.artifacts, shot)
            if os.path.exists(src):
                shutil.copyfile(src, os.path.join(args.docs, shot))


def report(outcome, road, seconds):
    print("e2e: %.1f s in all" % seconds)
    if outcome.table:
        print("e2e: the three-disk join under each Windows version Wine reports (%s):"
              % ("shipped exe" if road.shipped else "64-bit twin"))
        for version, ok, reported in outcome.table:
            print("e2e:   %-6s GetVersion: %-16s %s"
                  % (version, reported, "joined and started" if ok else "FAILED"))
    if outcome.flaky:
        print("e2e: passed only on the second run: %s" % ", ".join(outcome.flaky))
    if outcome.failed:
        print("e2e: failed: %s" % ", ".join(outcome.failed))
    print("e2e: %d passed, %d passed on the second run, %d failed"
          % (len(outcome.passed), len(outcome.flaky), len(outcome.failed)))
    for r, ok, total in outcome.roads:
        print("e2e: ran %s, %d of %d cases passed" % (r.summary(), ok, total))
    return 0 if not outcome.failed else 1


def main():
    args = parse_args()
    t0 = time.monotonic()
    try:
        roads = choose_roads(args)
        check_built(roads)
    except CannotRun as e:
        print("e2e: FAILED: %s" % e)
        return 1
    outcome = run_roads(args, roads)
    copy_shots(args, roads[0])
    return report(outcome, roads[0], time.monotonic() - t0)


if __name__ == "__main__":
    sys.exit(main())
