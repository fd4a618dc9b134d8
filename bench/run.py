"""Benchmarks of the real launcher under Wine: joining throughput against cat
and dd on the same bytes, the launcher's peak memory by set size, its start-up
footprint against a program that only exits, what the hand-off to the
installer costs and why; and pieceset's cut against split, sha256sum and sync
and against an mtools loop, its recovery, verify (against openssl) and repair,
its peak memory by set size, and its write to a loop device against dd and
cmp.

  PYTHONPATH=. python3 -m bench.run [--runs N] [--sizes MiB,...] [--cut-mib MiB]
                                    [--doc PATH] [--work DIR] [--arch win32|win64]
                                    [--only pieceset]

Needs `make all` first: the launcher and the bench's helper programs of the
build the rig chooses (build/win32, or build/win64 where the kernel refuses
32-bit programs) and build/native/pieceset. Uses a new Wine prefix of its own
under --work (BENCH_WORK, default /tmp/bench-wine), removed after a run that
went right unless --keep, and an X display the rig finds free, so it can run
beside the end-to-end suite and the demo. Writes docs/benchmarks.md (from
bench/report.md.in), the raw figures beside it (docs/benchmarks.json) and a
plot. With --only pieceset, only pieceset's figures are measured (no Wine;
the write needs root for its loop device), logged and written to
pieceset.json under --work, not to the page. Exits 1 when the launcher's peak
memory grows with the set or a pieceset command's peak is above its limit, 2
when a run went wrong.
"""

import argparse
import datetime
import json
import os
import shutil
import subprocess
import sys
import time

import winerig
from winerig import RigError, WineRig

from . import machine, measure, plot, report, stats
from .common import MARK_DIR, PIECESET, ROOT, BenchError, helper, log
from .watch import IN_CLOSE_WRITE, IN_CREATE, Watch

HELPERS = ("bare_exit.exe", "timing_installer.exe", "desktop_holder.exe")


def parse_args():
    ap = argparse.ArgumentParser(prog="python3 -m bench.run",
                                 description=__doc__.splitlines()[0])
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
    ap.add_argument("--only", choices=("pieceset",),
                    help="measure only pieceset, without Wine; its figures go to the log and "
                         "to pieceset.json under --work")
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


def choose_road(args):
    """The build to run, and that everything it needs is built."""
    road = (winerig.forced_road(args.arch, args.win32, args.win64) if args.arch
            else winerig.choose_road(args.win32, args.win64))
    log(road.summary())
    for path in [road.launcher, PIECESET] + [helper(road, name) for name in HELPERS]:
        if not os.path.isfile(path):
            raise BenchError("%s is missing; run `make all` first" % path)
    return road


def copy_tool(work):
    """A copy of pieceset, so that a rebuild of build/native by others during
    the run cannot change the tool between one measurement and the next."""
    os.makedirs(work, exist_ok=True)
    tool = os.path.join(work, "pieceset")
    shutil.copy2(PIECESET, tool)
    return tool


def measure_all(args, rig, tool):
    """Every measurement, in the order they need: the raw figures."""
    road = rig.road
    watch = Watch()
    try:
        # Before Wine starts: pieceset is a Linux tool and needs no session.
        raw = measure_pieceset(args, tool, helper(road, "timing_installer.exe"))
        rig.start(reuse_prefix=args.reuse_prefix)
        # Every launcher run asks for kqtmpins.exe to go at the next start; the
        # bench never restarts, so the list would only grow.
        rig.clear_pending_renames()
        work = rig.c_drive("bench", "work")
        os.makedirs(work, exist_ok=True)
        os.makedirs(rig.c_drive(MARK_DIR), exist_ok=True)
        temp = rig.temp_dir()[0]
        raw["filesystem"] = machine.filesystem_of(temp)
        watch.add(temp, IN_CREATE | IN_CLOSE_WRITE)
        watch.add(rig.c_drive(MARK_DIR), IN_CREATE)
        # The footprint goes first: it needs a session with no desktop process
        # yet, and leaves the desktop held for the rest. Start-up runs are
        # short, so they get twice as many.
        raw["footprint"] = measure.bench_footprint(rig, watch, 2 * args.runs, work, tool)
        raw["sizes"] = [measure.bench_size(rig, watch, mib, args.runs, work, tool)
                        for mib in args.sizes]
        raw["handoff"] = measure.bench_handoff(rig, watch, args.sizes, args.runs)
        rig.clear_pending_renames()
    finally:
        watch.close()
        rig.stop()
        shutil.rmtree(rig.c_drive("bench"), ignore_errors=True)
        os.unlink(tool)
    return raw


def measure_pieceset(args, tool, program=None):
    """pieceset's own figures: the cut and what follows it, its peak memory,
    and the write."""
    try:
        return {"cut": measure.bench_cut(args.work, args.cut_mib, args.runs, program, tool)
                if args.cut_mib else None,
                "memory": measure.bench_memory(args.work, tool),
                "write": measure.bench_write(args.work, args.runs, tool)}
    finally:
        for name in ("cut", "memory", "write"):
            shutil.rmtree(os.path.join(args.work, name), ignore_errors=True)


def pieceset_only(args):
    """The pieceset part alone, for trying it by hand: logged, and kept as
    JSON under --work rather than on the page; whether its peaks of memory
    kept to their limit."""
    started = time.monotonic()
    tool = copy_tool(args.work)
    build, load = machine.pieceset_build(tool), machine.loadavg()
    try:
        raw = measure_pieceset(args, tool)
    finally:
        os.unlink(tool)
    run = {"elapsed": time.monotonic() - started, "runs": args.runs,
           "load": [load, machine.loadavg()], "pieceset": build,
           "cut": stats.summarise_cut(raw["cut"]),
           "pieceset_memory": stats.summarise_pieceset_memory(raw["memory"]),
           "write": stats.summarise_write(raw["write"]), "raw": raw}
    path = os.path.join(args.work, "pieceset.json")
    with open(path, "w") as f:
        json.dump(run, f, indent=1)
        f.write("\n")
    log_pieceset(run)
    log("wrote %s in %.0f s" % (path, run["elapsed"]))
    return run["pieceset_memory"]["passed"]


def tidy(args, rig):
    """A run that went wrong keeps its prefix and the rig's logs, to be looked
    into; one that went right keeps them only when asked to."""
    if args.keep:
        return
    try:
        rig.remove_prefix()
        rig.remove_logs()
    except RigError as e:
        log(e)
        return
    if not os.listdir(args.work):
        os.rmdir(args.work)


def record(args, road, facts, raw):
    """The run as written beside the page: facts, figures and raw times."""
    summary = stats.summarise(raw["sizes"])
    grows, verdict = stats.memory_verdict(summary)
    return grows, {
        "stamp": facts["stamp"], "elapsed": time.monotonic() - facts["started"],
        "runs": args.runs,
        "road": {"arch": road.arch, "shipped": road.shipped,
                 "launcher": os.path.relpath(road.launcher, ROOT), "reason": road.reason,
                 "detail": road.detail,
                 "summary": road.summary().replace(ROOT + os.sep, "")},
        "machine": facts["machine"], "filesystem": raw["filesystem"],
        "load": [facts["load"], machine.loadavg()],
        "launcher_size": os.path.getsize(road.launcher),
        "bare_size": os.path.getsize(helper(road, "bare_exit.exe")),
        "timing_size": os.path.getsize(helper(road, "timing_installer.exe")),
        "summary": summary, "footprint": raw["footprint"], "verdict": verdict,
        "handoff": stats.summarise_handoff(raw["handoff"]),
        "cut": stats.summarise_cut(raw["cut"]),
        "pieceset_memory": stats.summarise_pieceset_memory(raw["memory"]),
        "write": stats.summarise_write(raw["write"]), "pieceset": facts["pieceset"],
        "raw": {"sizes": raw["sizes"], "handoff": raw["handoff"], "cut": raw["cut"],
                "memory": raw["memory"], "write": raw["write"]},
    }


def write_outputs(doc, run):
    """The page, its plot and the raw figures beside it; their paths."""
    doc = os.path.abspath(doc)
    doc_dir = os.path.dirname(doc)
    os.makedirs(doc_dir, exist_ok=True)
    base = os.path.splitext(os.path.basename(doc))[0]
    raw_name, plot_name = base + ".json", base + "-throughput.svg"
    plot.svg_plot(run["summary"], os.path.join(doc_dir, plot_name))
    report.write_doc(doc, raw_name, plot_name, run)
    with open(os.path.join(doc_dir, raw_name), "w") as f:
        json.dump(run, f, indent=1)
        f.write("\n")
    return doc, os.path.join(doc_dir, raw_name)


def log_pieceset(run):
    if run["cut"]:
        c = run["cut"]
        log("cut %d MiB: pieceset ÷ split %s, with images %s"
            % (c["mib"], report.ratio_text(c["ratio"]), report.ratio_text(c["ratio_images"])))
        log("cut --images ÷ mtools loop %s; --recovery 1 ÷ without %s; repair ÷ cut %s; "
            "verify of %d images %s, %.0f MB/s"
            % (report.ratio_text(c["ratio_loop"]), report.ratio_text(c["ratio_recovery"]),
               report.ratio_text(c["ratio_repair"]), c["pieces"],
               report.seconds_text(c["verify"]), c["verify_mbps"]))
        log("verify ÷ openssl dgst -sha256: %d images %s; %d images with recovery %s"
            % (c["pieces"], report.ratio_text(c["ratio_verify"]), c["recovery_disks"],
               report.ratio_text(c["ratio_verify_recovery"])))
    m = run["pieceset_memory"]
    for row in m["rows"]:
        log("memory %s on %s, %d disks: %s %.1f MiB (%d KiB), %s"
            % (report.set_text(row["size"]), row["media"], row["disks"], row["command"],
               row["kib"] / 1024, row["kib"], "pass" if row["within"] else "FAIL"))
    log("memory:", report.pieceset_memory_verdict(m))
    if run["write"]["skipped"]:
        log("write: not measured:", run["write"]["skipped"])
    for w in run["write"]["media"]:
        log("write %s: pieceset %.0f MB/s, dd+cmp %.0f MB/s; pieceset ÷ dd+cmp %s"
            % (w["media"], w["pieceset_mbps"], w["dd_mbps"], report.ratio_text(w["ratio"])))


def log_summary(run, paths):
    for e in run["summary"]:
        log("%4d MiB: launcher %.0f MB/s (copy alone %.0f), cat %.0f, dd %.0f (net %.0f); "
            "÷ dd %s; hand-off %s; VmHWM %.1f MiB"
            % (e["mib"], e["launcher_mbps"], e["launcher_join_mbps"], e["cat_mbps"],
               e["dd_mbps"], e["dd_net_mbps"] or 0, report.ratio_text(e["ratios"]["dd"]),
               report.seconds_text(e["handoff"]), e["hwm_kib_max"] / 1024))
    log_pieceset(run)
    foot = run["footprint"]
    log("footprint: launcher.exe %d bytes; bare exit %.3f s, launcher to installer %.3f s"
        % (run["launcher_size"], stats.median(foot["bare_exit"]),
           stats.median(foot["launcher_installer"])))
    log("memory:", run["verdict"])
    log("ran", run["road"]["summary"])
    log("wrote %s and %s in %.0f s" % (os.path.relpath(paths[0], ROOT),
                                       os.path.relpath(paths[1], ROOT), run["elapsed"]))


# What a run that went wrong can end in; each ends the bench with exit code 2.
FAILURES = (BenchError, RigError, subprocess.CalledProcessError, subprocess.TimeoutExpired,
            OSError)


def run_facts(road, tool):
    """What the figures are read against, taken before the first measurement."""
    return {"started": time.monotonic(), "machine": machine.machine(road),
            "stamp": datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC"),
            "load": machine.loadavg(), "pieceset": machine.pieceset_build(tool)}


def main():
    args = parse_args()
    try:
        if args.only:
            return 0 if pieceset_only(args) else 1
        road = choose_road(args)
        rig = WineRig(args.work, road, log=log)
        tool = copy_tool(args.work)
        facts = run_facts(road, tool)
        raw = measure_all(args, rig, tool)
    except FAILURES as e:
        print("bench: %s" % e, file=sys.stderr)
        return 2
    tidy(args, rig)
    grows, run = record(args, road, facts, raw)
    log_summary(run, write_outputs(args.doc, run))
    return 1 if grows or not run["pieceset_memory"]["passed"] else 0


if __name__ == "__main__":
    sys.exit(main())
