"""The measurements, each a round-by-round record of raw times: joining
throughput by set size, the start-up footprint, what the hand-off is made of,
pieceset's cut against split and against an mtools loop with what follows a
cut (verify against openssl, recovery, repair), pieceset's peak memory by set
size, and pieceset's write against dd and cmp."""

import os
import shutil
import subprocess
import time

from .common import (HEADER, MARK_DIR, MEDIA, PAYLOAD_BYTES, TEMP_NAME, BenchError, MiB, helper,
                     log)
from .files import (clear, cut_set, loop_device, no_loop_devices, payload_copies, peak_kib,
                    rotated, seeded_block, settle, sh_quote, sha256_file, time_command, time_shell,
                    warm, write_installer)
from .stats import median
from .watch import IN_CLOSE_WRITE, IN_CREATE, run_program


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
    want = write_installer(installer, size, helper(road, "timing_installer.exe"))
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
        shutil.copy(helper(road, name), programs)
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
    rig.hold_desktop(helper(road, "desktop_holder.exe"),
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
    program = helper(road, "timing_installer.exe")
    block = seeded_block()
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
    """pieceset cut onto disk folders (and with images, and with a recovery
    piece) against split -b, sha256sum and sync of the same bytes, and
    against a shell loop that makes the same images with mtools; the verify
    of the images (of the plain set and of the one with recovery) against
    openssl's SHA-256 of the same images, and the repair of one lost disk;
    round by round."""
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
    recovered = os.path.join(directory, "recovery")
    repaired = os.path.join(directory, "repaired")
    outputs = [folders, images, split_dir, recovered, repaired]
    cut = [tool, "cut", installer, "--name", "Bench", "--media", MEDIA]
    split = ("mkdir %s && split -b %d -a 4 -d %s %s/FILE. && sha256sum %s > /dev/null"
             % (sh_quote(split_dir), PAYLOAD_BYTES, sh_quote(installer), sh_quote(split_dir),
                sh_quote(installer)))
    split_script = split + " && sync %s/FILE.*" % sh_quote(split_dir)
    # The images as pieceset makes them, one mtools process at a time: a
    # fresh image of the medium's layout, the piece copied on, the listing.
    loop_script = (split + " && cd %s && n=0 && for f in FILE.*; do n=$((n+1)); "
                   "mformat -i disk$n.img -C -f 1440 -v DISK$n :: && mcopy -Q -i disk$n.img "
                   "$f :: && mdir -i disk$n.img :: > /dev/null || exit 1; done && sync FILE.* "
                   "disk*.img" % sh_quote(split_dir))
    rows = {"size": size_mib * MiB, "pieceset": [], "pieceset_images": [], "split": [],
            "loop": [], "verify": [], "openssl": [], "recovery_images": [], "repair": [],
            "verify_recovery": [], "openssl_recovery": []}

    def verify_and_openssl(paths, i, suffix):
        # In turning order too, so that neither is always the first to read
        # the images after their cut.
        def one_verify():
            settle([])
            rows["verify" + suffix].append(time_command([tool, "verify"] + paths))

        def one_openssl():
            settle([])
            rows["openssl" + suffix].append(time_command(["openssl", "dgst", "-sha256"] + paths))

        for step in rotated([one_verify, one_openssl], i):
            step()

    def one_folders(i):
        check = i == 0
        settle(outputs)
        rows["pieceset"].append(time_command(cut + ["-o", folders]))
        if check:
            check_cut(folders, installer, tool)

    def one_images(i):
        check = i == 0
        settle(outputs)
        rows["pieceset_images"].append(time_command(cut + ["--images", "-o", images]))
        if check:
            check_cut(images, installer, tool, images=True)
        verify_and_openssl(image_paths(images), i, "")

    def one_split(i):
        check = i == 0
        settle(outputs)
        rows["split"].append(time_shell(split_script))
        if check:
            rows["pieces"] = len(os.listdir(split_dir))

    def one_loop(i):
        check = i == 0
        settle(outputs)
        rows["loop"].append(time_shell(loop_script))
        if check and len(image_paths(split_dir)) != rows["pieces"]:
            raise BenchError("the mtools loop made %d images for %d pieces"
                             % (len(image_paths(split_dir)), rows["pieces"]))

    def one_recovery(i):
        check = i == 0
        settle(outputs)
        rows["recovery_images"].append(time_command(cut + ["--recovery", "1", "--images",
                                                           "-o", recovered]))
        disks = image_paths(recovered)
        verify_and_openssl(disks, i, "_recovery")
        lost = "disk%d" % (len(disks) // 2)
        clear([os.path.join(recovered, lost), os.path.join(recovered, lost + ".img")])
        settle([])
        rows["repair"].append(time_command([tool, "repair", recovered, "-o", repaired]))
        if check:
            rows["recovery_disks"] = len(disks)
            check_cut(recovered, installer, tool, extra=[repaired])

    # split goes first in the first round: the loop's images are counted
    # against its pieces.
    for i in range(runs):
        for step in rotated([one_split, one_folders, one_images, one_loop, one_recovery], i):
            step(i)
        log("cut run %d/%d: pieceset %.3f s, with images %.3f s, with recovery %.3f s, "
            "split+sha256sum+sync %.3f s, mtools loop %.3f s; verify %.3f s (openssl %.3f s), "
            "with recovery %.3f s (openssl %.3f s); repair %.3f s"
            % (i + 1, runs, rows["pieceset"][-1], rows["pieceset_images"][-1],
               rows["recovery_images"][-1], rows["split"][-1], rows["loop"][-1],
               rows["verify"][-1], rows["openssl"][-1], rows["verify_recovery"][-1],
               rows["openssl_recovery"][-1], rows["repair"][-1]))
    settle([directory])
    return rows


def image_paths(directory):
    """The disk images in a cut's folder, in disk order: FAT images, or
    ISO 9660 for CDs."""
    return sorted((os.path.join(directory, n) for n in os.listdir(directory)
                   if n.endswith((".img", ".iso"))), key=lambda p: int(os.path.basename(p)[4:-4]))


def check_cut(out, installer, tool, images=False, extra=()):
    """The cut (or its images alone, or it with the disks repair rebuilt)
    joins back to the installer, by pieceset's own join, untimed."""
    joined = out + ".joined"
    clear([joined])
    paths = (image_paths(out) if images else [out]) + list(extra)
    if not paths:
        raise BenchError("pieceset cut --images wrote no image into %s" % out)
    done = subprocess.run([tool, "join"] + paths + ["-o", joined], stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE, timeout=600)
    if done.returncode != 0 or sha256_file(joined) != sha256_file(installer):
        raise BenchError("pieceset's cut in %s does not join back to the installer: %s"
                         % (out, done.stderr.decode("utf-8", "replace").strip()))
    clear([joined])


# The sets whose peak memory is measured: installer bytes and medium.
MEMORY_SETS = ((64000000, "1.44M"), (256 * MiB, "1.44M"), (1500000000, "700M"))
MEMORY_RECOVERY = 2


def bench_memory(work, tool):
    """pieceset's peak resident set in cut, verify, join and repair of a
    set with recovery pieces, by set size: one run each, of runs whose
    output is checked."""
    directory = os.path.join(work, "memory")
    out = {"recovery": MEMORY_RECOVERY, "floor_kib": peak_kib(["true"]), "sets": []}
    for size, media in MEMORY_SETS:
        clear([directory])
        os.makedirs(directory)
        installer = os.path.join(directory, "installer.exe")
        cut_dir = os.path.join(directory, "set")
        joined = os.path.join(directory, "joined.exe")
        repaired = os.path.join(directory, "repaired")
        log("memory: a %d-byte installer onto %s disks" % (size, media))
        want = write_installer(installer, size)
        peak = {"cut": peak_kib([tool, "cut", installer, "--name", "Bench", "--media", media,
                                 "--recovery", str(MEMORY_RECOVERY), "--images", "-o", cut_dir])}
        images = image_paths(cut_dir)
        peak["verify"] = peak_kib([tool, "verify"] + images)
        peak["join"] = peak_kib([tool, "join"] + images + ["-o", joined])
        if sha256_file(joined) != want:
            raise BenchError("memory: the %d-byte set does not join back to its installer" % size)
        clear([joined])
        # A disk in the middle, its folder and its image (images[k - 1] is disk k's).
        k = len(images) // 2
        lost = os.path.join(cut_dir, "disk%d" % k)
        pieces = {name: sha256_file(os.path.join(lost, name)) for name in os.listdir(lost)}
        clear([lost, images[k - 1]])
        peak["repair"] = peak_kib([tool, "repair", cut_dir, "-o", repaired])
        rebuilt = os.path.join(repaired, os.path.basename(lost))
        if {name: sha256_file(os.path.join(rebuilt, name)) for name in pieces} != pieces:
            raise BenchError("memory: repair did not rebuild %s of the %d-byte set as it was"
                             % (os.path.basename(lost), size))
        out["sets"].append({"size": size, "media": media, "disks": len(images),
                            "peak_kib": peak})
        log("memory, %d bytes on %s, %d disks: %s"
            % (size, media, len(images),
               ", ".join("%s %d KiB" % item for item in peak.items())))
        clear([directory])
    return out


def bench_write(work, runs, tool):
    """pieceset write of a floppy and a Zip image onto a loop device over the
    bench's own file, against dd oflag=direct and a read-back cmp, round by
    round; why not, where the machine has no loop devices."""
    reason = no_loop_devices()
    if reason:
        log("write: not measured:", reason)
        return {"skipped": reason, "media": []}
    directory = os.path.join(work, "write")
    out = []
    # dd's block as pieceset chooses it: a 64th of the image in whole 64 KiB,
    # 64 KiB to 4 MiB. One floppy alone is too short a run to time beside
    # the machine's other work, so a timed run writes 16 disks of one set,
    # each its own image and its own command, as dd's loop does: write with
    # --yes refuses to write a second image over the disk it has just written.
    for media, installer_mib, block, disks in (("1.44M", 22, 64 << 10, 16),
                                               ("250M", 256, 3866624, 1)):
        clear([directory])
        os.makedirs(directory)
        installer = os.path.join(directory, "installer.exe")
        write_installer(installer, installer_mib * MiB)
        subprocess.run([tool, "cut", installer, "--name", "Bench", "--media", media, "--images",
                        "-o", os.path.join(directory, "set")], check=True,
                       stdout=subprocess.DEVNULL, timeout=600)
        images = []
        for n in range(1, disks + 1):
            images.append(os.path.join(directory, "disk%d.img" % n))
            os.rename(os.path.join(directory, "set", "disk%d.img" % n), images[-1])
        clear([installer, os.path.join(directory, "set")])
        image = images[-1]
        size = os.path.getsize(image)
        drive = os.path.join(directory, "drive.bin")
        with open(drive, "wb") as f:
            f.truncate(size)
        warm(images)
        rows = {"media": media, "size": size, "block": block, "disks": disks, "pieceset": [],
                "dd": []}
        with loop_device(drive) as device:
            dd = ("for image in %s; do dd if=\"$image\" of=%s oflag=direct bs=%d conv=fdatasync "
                  "status=none && cmp \"$image\" %s || exit 1; done"
                  % (" ".join(sh_quote(i) for i in images), device, block, device))

            writes = ("for image in %s; do %s write \"$image\" --device %s --yes >/dev/null || "
                      "exit 1; done" % (" ".join(sh_quote(i) for i in images), sh_quote(tool), device))

            def one_write():
                settle([])
                rows["pieceset"].append(time_shell(writes))

            def one_dd():
                settle([])
                rows["dd"].append(time_shell(dd))

            for i in range(runs):
                for step in rotated([one_write, one_dd], i):
                    step()
                log("write %s run %d/%d: pieceset %.3f s, dd+cmp %.3f s"
                    % (media, i + 1, runs, rows["pieceset"][-1], rows["dd"][-1]))
            if sha256_file(device) != sha256_file(image):
                raise BenchError("%s does not hold %s after the writes" % (device, image))
        out.append(rows)
    clear([directory])
    return {"skipped": None, "media": out}
