"""The bench's arithmetic and its words: ratios are taken round by round, and
the page claims only what holds over the whole spread.

  PYTHONPATH=. python3 -m unittest tests/bench/test_report.py   (part of make bench)
"""

import json
import os
import resource
import tempfile
import unittest

from bench import common, files, measure, plot, report, stats
from tests.lib.seeded import seeded_bytes

MiB = 1 << 20
DOCS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs")


def size_rows(mib, pieces, launcher, closed, cat, dd, dd_floor):
    n = len(launcher)
    return {"size": mib * MiB, "pieces": pieces, "launcher_installer": launcher,
            "launcher_closed": closed, "cat": cat, "dd": dd, "dd_floor": dd_floor,
            "hwm_kib": [19000] * n, "launcher_exit": [0.1] * n}


def handoff_rows(mib, truncated, plain, written, synced):
    return {"mib": mib, "close_truncated": truncated, "close_plain": plain,
            "start_written": written, "start_synced": synced}


def a_run(sizes, handoff, road=None, cut=None, write=None, memory=None):
    foot = {key: [0.02, 0.03, 0.025] for key in
            ("bare_exit", "installer_direct", "launcher_installer", "launcher_exit",
             "cold_launcher_installer", "cold_launcher_exit")}
    road = road or {"arch": "win32", "shipped": True, "launcher": "build/win32/launcher.exe",
                    "reason": "the 32-bit loader runs here: ran the shipped exe", "detail": None,
                    "summary": "shipped 32-bit exe: build/win32/launcher.exe (the 32-bit loader "
                               "runs here: ran the shipped exe)"}
    return {"stamp": "2026-12-09 17:00 UTC", "elapsed": 100.0, "runs": 3, "road": road,
            "machine": {"cpu": "CPU", "mhz": None, "cores": 2, "ram_gib": 8.0, "kernel": "6.1",
                        "wine": "wine-8.0"},
            "filesystem": {"path": "/t", "device": "/dev/x", "type": "ext4", "mount": "/",
                           "options": "rw"},
            "load": ["1.00 1.00 1.00", "2.00 2.00 2.00"], "launcher_size": 6656,
            "bare_size": 3072, "timing_size": 3072, "summary": stats.summarise(sizes),
            "footprint": foot, "verdict": "pass.", "handoff": stats.summarise_handoff(handoff),
            "cut": stats.summarise_cut(cut), "write": stats.summarise_write(write),
            "pieceset_memory": stats.summarise_pieceset_memory(memory),
            "pieceset": {"binary": "build/native/pieceset", "sha256": "0123456789abcdef" * 4,
                         "built": "2026-12-09 16:48:00 UTC", "commit": "abc1234",
                         "tool_commit": "abc1234 2026-12-09 16:40 UTC pieceset: x",
                         "uncommitted": ["tools/pieceset/cut.cpp"],
                         "newer_than_binary": ["tools/pieceset/format.h"]} if cut else None}


def page(run_dict):
    with tempfile.TemporaryDirectory() as d:
        path = os.path.join(d, "benchmarks.md")
        report.write_doc(path, "benchmarks.json", "benchmarks-throughput.svg", run_dict)
        with open(path) as f:
            return f.read()


def svg(summary):
    with tempfile.TemporaryDirectory() as d:
        path = os.path.join(d, "plot.svg")
        plot.svg_plot(summary, path)
        with open(path) as f:
            return f.read()


def flat(text):
    """The page with its line breaks undone, for phrases that wrap."""
    return " ".join(text.split())


class RatiosAreTakenRoundByRound(unittest.TestCase):
    def test_ratio_is_the_baselines_time_over_the_subjects(self):
        self.assertEqual(stats.paired_ratios([2.0, 1.0, 0.5], [1.0, 1.0, 1.0]), [0.5, 1.0, 2.0])

    def test_unpaired_runs_are_refused(self):
        with self.assertRaises(common.BenchError):
            stats.paired_ratios([1.0, 2.0], [1.0])

    def test_spread_is_over_rounds_not_a_ratio_of_medians(self):
        # Round by round the launcher is twice as fast as dd each time, though
        # the medians alone would say 1.00.
        rows = size_rows(64, 47, launcher=[1.0, 2.0, 4.0], closed=[0.9, 1.8, 3.6],
                         cat=[0.5, 1.0, 2.0], dd=[2.0, 4.0, 8.0], dd_floor=[0.1, 0.1, 0.1])
        rows["dd"] = [2.0, 4.0, 1.0]
        e = stats.summarise([rows])[0]
        self.assertEqual(e["ratios"]["dd"], {"median": 2.0, "min": 0.25, "max": 2.0, "runs": 3,
                                             "faster": 2, "slower": 1})
        self.assertEqual(e["launcher_s"], 2.0)
        self.assertEqual(e["dd_s"], 2.0)
        self.assertAlmostEqual(e["handoff"]["median"], 0.2)
        self.assertAlmostEqual(e["handoff"]["max"], 0.4)

    def test_no_net_dd_ratio_when_a_round_had_no_net_time(self):
        rows = size_rows(1, 1, launcher=[0.02, 0.03, 0.02], closed=[0.003] * 3,
                         cat=[0.004] * 3, dd=[0.004, 0.003, 0.004], dd_floor=[0.003, 0.004, 0.004])
        e = stats.summarise([rows])[0]
        self.assertNotIn("dd_net", e["ratios"])
        self.assertNotIn("dd_net", e["copy_ratios"])
        self.assertIsNone(e["dd_net_mbps"])
        self.assertIn("dd", e["ratios"])

    def test_sizes_come_out_smallest_first(self):
        big = size_rows(512, 369, [2.4] * 3, [2.0] * 3, [0.3] * 3, [1.9] * 3, [0.4] * 3)
        small = size_rows(1, 1, [0.02] * 3, [0.004] * 3, [0.003] * 3, [0.006] * 3, [0.003] * 3)
        self.assertEqual([e["mib"] for e in stats.summarise([big, small])], [1, 512])


class WordsSayOnlyWhatHoldsOverTheSpread(unittest.TestCase):
    def test_faster_slower_or_within(self):
        self.assertEqual(report.against({"median": 1.2, "min": 1.05, "max": 1.4}, "dd"),
                         "faster than dd in every paired run (1.05× to 1.40×)")
        self.assertEqual(report.against({"median": 0.8, "min": 0.7, "max": 0.95}, "dd"),
                         "slower than dd in every paired run (0.70× to 0.95×)")
        mixed = stats.ratio_spread([1.0, 1.0, 1.0, 1.0], [0.6, 0.62, 0.7, 1.1])
        self.assertEqual(report.against(mixed, "dd"),
                         "faster than dd in 1 and slower in 3 of 4 paired runs (median 0.66×, "
                         "0.60× to 1.10×)")
        # Exactly as fast in the slowest round is not faster in every round.
        self.assertTrue(report.against(stats.ratio_spread([1.0] * 3, [1.0, 1.1, 1.2]), "dd")
                        .startswith("faster than dd in 2 and slower in 0 of 3"))

    def test_a_floor_holds_only_when_every_paired_run_keeps_it(self):
        self.assertEqual(report.at_least({"median": 0.9, "min": 0.8, "max": 0.95}, 0.8, "dd"),
                         "at least 0.80 of that of dd in every paired run (0.80× to 0.95×)")
        self.assertEqual(report.at_least({"median": 0.9, "min": 0.79, "max": 0.95}, 0.8, "dd"),
                         "below 0.80 of that of dd in some paired runs (0.79× to 0.95×)")
        self.assertEqual(report.at_least({"median": 0.7, "min": 0.6, "max": 0.75}, 0.8, "dd"),
                         "below 0.80 of that of dd in every paired run (0.60× to 0.75×)")

    def test_ratio_and_time_texts(self):
        self.assertEqual(report.ratio_text({"median": 0.8, "min": 0.72, "max": 0.914}),
                         "0.80 (0.72 – 0.91)")
        self.assertEqual(report.seconds_text({"median": 0.0734, "min": 0.02, "max": 0.4071}),
                         "0.073 s (0.020 – 0.407)")

    def test_growth_needs_the_whole_spreads_apart(self):
        apart = [{"handoff": {"min": 0.01, "max": 0.03}}, {"handoff": {"min": 0.31, "max": 0.4}}]
        touching = [{"handoff": {"min": 0.01, "max": 0.35}}, {"handoff": {"min": 0.31, "max": 0.4}}]
        self.assertTrue(stats.growth(apart, "handoff")[0])
        self.assertFalse(stats.growth(touching, "handoff")[0])


class ThePage(unittest.TestCase):
    SIZES = [size_rows(1, 1, [0.020, 0.028, 0.024], [0.004, 0.004, 0.005], [0.003] * 3,
                       [0.006] * 3, [0.003] * 3),
             size_rows(512, 369, [2.42, 2.30, 2.55], [2.0, 1.9, 2.1], [0.3] * 3,
                       [1.93, 2.25, 1.87], [0.4] * 3)]
    HANDOFF = [handoff_rows(1, [0.0001] * 3, [0.0001] * 3, [0.013] * 3, [0.013] * 3),
               handoff_rows(512, [0.23, 0.16, 0.25], [0.0001] * 3, [0.013, 0.014, 0.012],
                            [0.013] * 3)]
    CUT = {"size": 256 * MiB, "pieces": 185, "pieceset": [1.0, 1.1, 0.9],
           "pieceset_images": [1.5, 1.6, 1.4], "split": [1.0, 1.0, 1.0]}

    def test_a_growing_hand_off_is_called_so_and_explained(self):
        text = flat(page(a_run(self.SIZES, self.HANDOFF, cut=self.CUT)))
        self.assertIn("The hand-off from the close of `kqtmpins.exe` to the installer's start "
                      "grows with the installer's size: 0.019 s (0.016 – 0.024) at 1 MiB, "
                      "0.420 s (0.400 – 0.450) at 512 MiB", text)
        self.assertNotIn("whatever the size", text)
        self.assertIn("the size of the file the new process maps (Wine maps its sections, not "
                      "the padding after them) is not what grows", text)
        self.assertIn("The close is what grows: after a truncation to zero, the close of 512 MiB "
                      "just written takes 0.230 s (0.160 – 0.250)", text)

    def test_a_middle_size_within_the_smallest_spread_is_named(self):
        middle = size_rows(64, 47, [0.32, 0.30, 0.33], [0.30, 0.27, 0.31], [0.05] * 3,
                           [0.3] * 3, [0.06] * 3)
        text = flat(page(a_run(self.SIZES[:1] + [middle] + self.SIZES[1:], self.HANDOFF)))
        self.assertIn("0.420 s (0.400 – 0.450) at 512 MiB (at 64 MiB its fastest run is no "
                      "slower than the slowest at 1 MiB)", text)
        self.assertIn("At 64 MiB its fastest run is still no slower than the slowest at 1 MiB.",
                      text)

    def test_a_flat_hand_off_is_not_called_growing(self):
        sizes = [size_rows(1, 1, [0.10, 0.02, 0.03], [0.004] * 3, [0.003] * 3, [0.006] * 3,
                           [0.003] * 3),
                 size_rows(512, 369, [2.05, 2.1, 2.0], [2.0, 2.0, 1.9], [0.3] * 3, [1.9] * 3,
                           [0.4] * 3)]
        text = flat(page(a_run(sizes, self.HANDOFF)))
        self.assertIn("does not grow beyond its spread with the installer's size", text)
        self.assertNotIn("grows with the installer's size:", text)

    def test_it_points_at_its_own_raw_figures_and_names_the_exe(self):
        text = flat(page(a_run(self.SIZES, self.HANDOFF)))
        self.assertIn("[`benchmarks.json`](benchmarks.json)", text)
        self.assertNotIn("build/bench/results.json", text)
        self.assertIn("Ran: shipped 32-bit exe: build/win32/launcher.exe (the 32-bit loader runs "
                      "here: ran the shipped exe).", text)
        self.assertIn("which other work may be using at the same time", text)

    def test_the_64_bit_road_says_so(self):
        road = {"arch": "win64", "shipped": False, "launcher": "build/win64/launcher.exe",
                "reason": "the kernel refuses 32-bit programs: ran the 64-bit build of the same "
                          "sources, not the shipped exe", "detail": None,
                "summary": "64-bit twin: build/win64/launcher.exe (the kernel refuses 32-bit "
                           "programs: ran the 64-bit build of the same sources, not the shipped "
                           "exe)"}
        text = flat(page(a_run(self.SIZES, self.HANDOFF, road=road)))
        self.assertIn("Figures of the real `build/win64/launcher.exe` under Wine", text)
        self.assertIn("the 64-bit build of the same sources under `wine64`, in a 64-bit prefix",
                      text)
        self.assertIn("not the shipped exe", text)

    def test_the_cut_is_compared_round_by_round(self):
        text = flat(page(a_run(self.SIZES, self.HANDOFF, cut=self.CUT)))
        self.assertIn("`pieceset cut` of a 256 MiB installer onto 1.44M disks is faster than "
                      "`split -b`, `sha256sum` and `sync` of the same bytes in 1 and slower in 1 "
                      "of 3 paired runs (median 1.00×, 0.91× to 1.11×)", text)
        self.assertIn("with `--images` it is slower than the same in every paired run "
                      "(0.62× to 0.71×)", text)
        self.assertIn("| pieceset cut | 1.000 | 0.900 – 1.100 | 1.00 (0.91 – 1.11) |", text)
        self.assertIn("the checkout at commit abc1234", text)
        self.assertIn("uncommitted changes to `tools/pieceset/cut.cpp`", text)
        self.assertIn("sources newer than the binary: `tools/pieceset/format.h` (so it may not "
                      "be built from that commit)", text)

    def test_images_recovery_repair_verify_and_write_each_against_their_own(self):
        cut = dict(self.CUT, loop=[1.35, 1.5, 1.2], verify=[0.5, 0.6, 0.55],
                   recovery_images=[1.8, 1.9, 1.8], repair=[0.9, 0.7, 1.9], recovery_disks=208,
                   openssl=[0.55, 0.6, 0.66], verify_recovery=[0.6, 0.6, 0.6],
                   openssl_recovery=[0.66, 0.57, 0.6])
        write = {"skipped": None, "media": [
            {"media": "1.44M", "size": 1474560, "block": 65536, "disks": 16,
             "pieceset": [0.1, 0.1, 0.1],
             "dd": [0.09, 0.08, 0.1]},
            {"media": "250M", "size": 250640384, "block": 3866624, "disks": 1,
             "pieceset": [1.0, 1.0, 1.0],
             "dd": [1.2, 0.5, 1.1]}]}
        r = a_run(self.SIZES, self.HANDOFF, cut=cut, write=write)
        self.assertAlmostEqual(r["cut"]["ratio_recovery"]["min"], 1.4 / 1.8)
        self.assertAlmostEqual(r["cut"]["ratio_repair"]["max"], 1.9 / 0.7)
        self.assertAlmostEqual(r["cut"]["verify_mbps"], 256 * MiB / 0.55 / 1e6)
        self.assertAlmostEqual(r["cut"]["ratio_verify"]["min"], 1.0)
        self.assertAlmostEqual(r["cut"]["ratio_verify_recovery"]["min"], 0.57 / 0.6)
        text = flat(page(r))
        self.assertIn("with `--images` it is slower than the same in every paired run (0.62× to "
                      "0.71×): a comparison with work that writes no images", text)
        self.assertIn("`pieceset cut --images` is slower than a shell loop that makes the same "
                      "images with the same tools in every paired run (0.86× to 0.94×)", text)
        self.assertIn("the cut's speed is below 0.80 of that of the cut without it in some "
                      "paired runs (0.78× to 0.84×)", text)
        self.assertIn("`repair` of one lost disk is faster than the cut that made the set in 2 "
                      "and slower in 1 of 3 paired runs", text)
        self.assertIn("`verify` of the 185 images takes 0.550 s (0.500 – 0.600), 488 MB/s", text)
        self.assertIn("| pieceset cut --recovery 1 --images | 1.800 | 1.800 – 1.900 | pieceset "
                      "cut --images | 0.83 (0.78 – 0.84) |", text)
        self.assertIn("The speed of `pieceset verify` over the 185 images of the plain set is at "
                      "least 1.00 of that of `openssl dgst -sha256` of the same images in every "
                      "paired run (1.00× to 1.20×); over the 208 images of the set with a "
                      "recovery piece it is below 1.00 of that of openssl in some paired runs "
                      "(0.95× to 1.10×)", text)
        self.assertIn("| pieceset verify of the 185 images (488 MB/s) | 0.550 | 0.500 – 0.600 | "
                      "openssl dgst -sha256 of the same | 1.10 (1.00 – 1.20) |", text)
        self.assertIn("one 1.44M floppy took 6.2 – 6.2 ms with `pieceset write` and 5.0 – 6.2 ms "
                      "with `dd` and `cmp` (a run's time over its 16 disks", text)
        # 0.08 / 0.1 falls a hair below 0.80 in floating point; the page shows 0.80.
        self.assertIn("for the 1.44M floppy image its speed is at least 0.80 of that of `dd` and "
                      "`cmp` in every paired run (0.80× to 1.00×); for the 250M Zip image its "
                      "speed is below 0.80 of that of `dd` and `cmp` in some paired runs (0.50× "
                      "to 1.20×)", text)
        self.assertIn("| 1.44M floppy | 1474560 | 16 | 65536 | 0.100 s (0.100 – 0.100) | 236 | "
                      "0.090 s (0.080 – 0.100) | 262 | 0.90 (0.80 – 1.00) |", text)

    def test_pieceset_memory_is_checked_against_its_limit_row_by_row(self):
        limit_kib = stats.PIECESET_MEMORY_LIMIT // 1024
        memory = {"recovery": 2, "floor_kib": 1088, "sets": [
            {"size": 64000000, "media": "1.44M", "disks": 47,
             "peak_kib": {"cut": 4000, "verify": 17000, "join": 16000, "repair": limit_kib}},
            {"size": 1500000000, "media": "700M", "disks": 5,
             "peak_kib": {"cut": 38000, "verify": 32000, "join": 33000,
                          "repair": limit_kib + 1}}]}
        text = flat(page(a_run(self.SIZES, self.HANDOFF, memory=memory)))
        self.assertIn("| 64 MB | 64000000 | 1.44M | 47 | `pieceset cut --recovery 2 --images` | "
                      "3.9 MiB (4000 KiB) | pass |", text)
        self.assertIn("| | | | | `pieceset repair` of the set less one disk, to a new folder | "
                      "64.0 MiB (65536 KiB) | pass |", text)
        self.assertIn("| | | | | `pieceset repair` of the set less one disk, to a new folder | "
                      "64.0 MiB (65537 KiB) | **FAIL** |", text)
        self.assertIn("against a 64 MiB limit): FAIL: 1 of 8 runs above 64 MiB (`pieceset "
                      "repair` of the 1.5 GB set)", text)
        memory["sets"][1]["peak_kib"]["repair"] = 48000
        text = flat(page(a_run(self.SIZES, self.HANDOFF, memory=memory)))
        self.assertIn("pass: all 8 runs within 64 MiB, the highest 64.0 MiB (`pieceset repair` "
                      "of the 64 MB set)", text)
        self.assertNotIn("FAIL", text)

    def test_no_loop_devices_is_said_not_measured(self):
        write = {"skipped": "this machine has no loop devices", "media": []}
        text = flat(page(a_run(self.SIZES, self.HANDOFF, cut=self.CUT, write=write)))
        self.assertIn("`pieceset write` was not measured: this machine has no loop devices.",
                      text)
        self.assertIn("Not measured in this run: this machine has no loop devices.", text)
        self.assertNotIn("| pieceset write s |", text)
        self.assertNotIn("mtools loop", text)

    def test_the_stored_run_gives_the_stored_page_and_plot(self):
        with open(os.path.join(DOCS, "benchmarks.json")) as f:
            stored = json.load(f)
        for name, make in (("benchmarks.md", lambda: page(stored)),
                           ("benchmarks-throughput.svg", lambda: svg(stored["summary"]))):
            with open(os.path.join(DOCS, name)) as f:
                self.assertEqual(make(), f.read(), name)

    def test_the_run_survives_json(self):
        r = a_run(self.SIZES, self.HANDOFF, cut=self.CUT)
        self.assertEqual(json.loads(json.dumps(r))["summary"][1]["ratios"]["dd"]["min"],
                         r["summary"][1]["ratios"]["dd"]["min"])


class FilesTheBenchMakes(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.path = lambda *parts: os.path.join(self.dir.name, *parts)

    def test_a_padded_installer_keeps_its_program_and_has_the_size_asked(self):
        with open(self.path("prog.exe"), "wb") as f:
            f.write(b"MZ" + bytes(3070))
        digest = files.write_installer(self.path("big.exe"), 3 * MiB + 5, self.path("prog.exe"))
        with open(self.path("big.exe"), "rb") as f:
            data = f.read()
        self.assertEqual(len(data), 3 * MiB + 5)
        self.assertEqual(data[:3072], b"MZ" + bytes(3070))
        self.assertEqual(digest, files.sha256_file(self.path("big.exe")))
        # Every MiB of padding differs, so no file system can fold them.
        self.assertNotEqual(data[3072:3072 + 4096], data[3072 + MiB:3072 + MiB + 4096])

    def test_a_timed_close_writes_every_byte_and_never_reuses_a_file(self):
        for truncate in (True, False):
            name = self.path("close-%s.bin" % truncate)
            seconds = measure.timed_close(name, 2 * MiB + 3, truncate, seeded_bytes("close", MiB))
            self.assertGreaterEqual(seconds, 0)
            self.assertEqual(os.path.getsize(name), 2 * MiB + 3)
            with self.assertRaises(FileExistsError):
                measure.timed_close(name, 10, truncate, b"x" * 10)

    def test_clear_removes_a_link_not_what_it_points_at(self):
        os.makedirs(self.path("target"))
        with open(self.path("target", "keep"), "w") as f:
            f.write("keep")
        os.symlink(self.path("target"), self.path("link"))
        os.makedirs(self.path("tree", "sub"))
        with open(self.path("file"), "w") as f:
            f.write("x")
        files.clear([self.path("link"), self.path("tree"), self.path("file"), self.path("none")])
        self.assertEqual(sorted(os.listdir(self.dir.name)), ["target"])
        self.assertEqual(os.listdir(self.path("target")), ["keep"])

    def test_a_cuts_images_are_found_in_disk_order_fat_or_iso(self):
        for name in ("disk10.iso", "disk2.iso", "disk1.img", "disk2", "FILE.1"):
            open(self.path(name), "w").close()
        self.assertEqual([os.path.basename(p) for p in measure.image_paths(self.dir.name)],
                         ["disk1.img", "disk2.iso", "disk10.iso"])

    @unittest.skipUnless(os.access(files.GNU_TIME, os.X_OK), "no GNU time here")
    def test_a_peak_is_the_commands_not_the_benchs(self):
        # A child forked from this process would report at least its size.
        own_kib = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
        ballast = bytearray(64 * MiB)
        ballast[::4096] = b"x" * len(ballast[::4096])
        self.assertLess(files.peak_kib(["true"]), own_kib)

    def test_rounds_turn_the_order_round(self):
        self.assertEqual([files.rotated(["a", "b", "c"], i) for i in range(4)],
                         [["a", "b", "c"], ["b", "c", "a"], ["c", "a", "b"], ["a", "b", "c"]])


if __name__ == "__main__":
    unittest.main()
