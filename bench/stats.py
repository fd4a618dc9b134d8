"""The figures from the raw times: medians, spreads, ratios taken round by
round, and what holds over the whole spread."""

import statistics

from .common import BenchError, MiB

# The launcher must not hold more of a big set than of a small one.
MEMORY_TOLERANCE = 4 * MiB
# pieceset's peak resident set must stay within this whatever the set's size.
PIECESET_MEMORY_LIMIT = 64 * MiB
# The order of the commands in the memory table: the order they ran in.
PIECESET_MEMORY_COMMANDS = ("cut", "verify", "join", "repair")


def median(values):
    return statistics.median(values)


def mbps(size, seconds):
    return size / seconds / 1e6


def spread(values):
    return {"median": median(values), "min": min(values), "max": max(values)}


def paired_ratios(subject, baseline):
    """The subject's speed over the baseline's, round by round: the baseline's
    time over the subject's (1.00 = as fast, above 1 = faster)."""
    if len(subject) != len(baseline):
        raise BenchError("unpaired runs: %d against %d" % (len(subject), len(baseline)))
    return [b / s for s, b in zip(subject, baseline)]


def ratio_spread(subject, baseline):
    """The spread of the paired ratios, and in how many rounds the subject
    was faster and in how many slower."""
    ratios = paired_ratios(subject, baseline)
    return dict(spread(ratios), runs=len(ratios), faster=sum(1 for r in ratios if r > 1),
                slower=sum(1 for r in ratios if r < 1))


def growth(by_size, key):
    """Whether a time at the largest size lies above its whole spread at the
    smallest: (True/False, smallest entry, largest entry)."""
    small, big = by_size[0], by_size[-1]
    return big[key]["min"] > small[key]["max"], small, big


def within_smallest(by_size, key):
    """The sizes between the smallest and the largest whose time is not above
    the smallest's whole spread."""
    small = by_size[0]
    return [e["mib"] for e in by_size[1:-1] if e[key]["min"] <= small[key]["max"]]


def summarise(sizes):
    out = []
    for rows in sorted(sizes, key=lambda r: r["size"]):
        size = rows["size"]
        dd_net = [d - f for d, f in zip(rows["dd"], rows["dd_floor"])]
        launcher = rows["launcher_installer"]
        copy = rows["launcher_closed"]
        entry = {
            "mib": size // MiB, "pieces": rows["pieces"], "size": size,
            "launcher_s": median(launcher),
            "launcher_join_s": median(copy),
            "cat_s": median(rows["cat"]),
            "dd_s": median(rows["dd"]),
            "dd_net_s": median(dd_net),
            "dd_floor_s": median(rows["dd_floor"]),
            "hwm_kib_max": max(rows["hwm_kib"]),
            "hwm_kib_median": median(rows["hwm_kib"]),
            "launcher_exit_s": median(rows["launcher_exit"]),
            "runs": len(rows["cat"]),
            "handoff": spread([i - c for i, c in zip(launcher, copy)]),
        }
        # With few pieces dd's process starts can be all its time, and the
        # net time of a round nothing or less: no speed to compare with then.
        baselines = [("cat", rows["cat"]), ("dd", rows["dd"])]
        if min(dd_net) > 0:
            baselines.append(("dd_net", dd_net))
        entry["ratios"] = {name: ratio_spread(launcher, base) for name, base in baselines}
        entry["copy_ratios"] = {name: ratio_spread(copy, base)
                                for name, base in baselines}
        spans = {"launcher": launcher, "launcher_join": copy,
                 "cat": rows["cat"], "dd": rows["dd"], "dd_net": dd_net}
        for key, values in spans.items():
            entry[key + "_mbps"] = mbps(size, entry[key + "_s"]) if entry[key + "_s"] > 0 else None
            entry[key + "_range"] = [min(values), max(values)]
        out.append(entry)
    return out


def summarise_handoff(handoff):
    return [dict({"mib": rows["mib"]},
                 **{key: spread(rows[key]) for key in ("close_truncated", "close_plain",
                                                       "start_written", "start_synced")})
            for rows in sorted(handoff, key=lambda r: r["mib"])]


def summarise_cut(cut):
    if cut is None:
        return None
    out = {"mib": cut["size"] // MiB, "pieces": cut["pieces"],
           "pieceset": spread(cut["pieceset"]), "pieceset_images": spread(cut["pieceset_images"]),
           "split": spread(cut["split"]),
           "ratio": ratio_spread(cut["pieceset"], cut["split"]),
           "ratio_images": ratio_spread(cut["pieceset_images"], cut["split"])}
    if "loop" in cut:
        # Each against what it stands for: the same images by hand, the cut
        # without recovery, the cut that made the set repaired.
        out.update({
            "loop": spread(cut["loop"]), "verify": spread(cut["verify"]),
            "recovery_images": spread(cut["recovery_images"]), "repair": spread(cut["repair"]),
            "recovery_disks": cut["recovery_disks"],
            "verify_mbps": mbps(cut["size"], median(cut["verify"])),
            "ratio_loop": ratio_spread(cut["pieceset_images"], cut["loop"]),
            "ratio_recovery": ratio_spread(cut["recovery_images"],
                                                   cut["pieceset_images"]),
            "ratio_repair": ratio_spread(cut["repair"], cut["recovery_images"])})
    if "openssl" in cut:
        # verify reads and hashes every image; openssl's SHA-256 of the same
        # images is that work alone.
        out.update({
            "openssl": spread(cut["openssl"]), "verify_recovery": spread(cut["verify_recovery"]),
            "openssl_recovery": spread(cut["openssl_recovery"]),
            "ratio_verify": ratio_spread(cut["verify"], cut["openssl"]),
            "ratio_verify_recovery": ratio_spread(cut["verify_recovery"],
                                                  cut["openssl_recovery"])})
    return out


def summarise_pieceset_memory(memory):
    """A row per set and command, each against the limit, and whether all
    kept to it."""
    if memory is None:
        return None
    rows = [{"size": s["size"], "media": s["media"], "disks": s["disks"], "command": command,
             "kib": s["peak_kib"][command],
             "within": s["peak_kib"][command] * 1024 <= PIECESET_MEMORY_LIMIT}
            for s in memory["sets"] for command in PIECESET_MEMORY_COMMANDS]
    highest = max(rows, key=lambda r: r["kib"])
    failed = [r for r in rows if not r["within"]]
    return {"recovery": memory["recovery"], "floor_kib": memory["floor_kib"],
            "limit_kib": PIECESET_MEMORY_LIMIT // 1024, "rows": rows, "passed": not failed,
            "highest": highest, "failed": len(failed)}


def summarise_write(write):
    if write is None:
        return None
    return {"skipped": write["skipped"],
            "media": [{"media": rows["media"], "size": rows["size"], "block": rows["block"],
                       "disks": rows["disks"],
                       "pieceset": spread(rows["pieceset"]), "dd": spread(rows["dd"]),
                       "pieceset_mbps": mbps(rows["size"] * rows["disks"],
                                             median(rows["pieceset"])),
                       "dd_mbps": mbps(rows["size"] * rows["disks"], median(rows["dd"])),
                       "ratio": ratio_spread(rows["pieceset"], rows["dd"])}
                      for rows in write["media"]]}


def memory_verdict(summary):
    """Whether the launcher's peak grows with the set: (grows, the words)."""
    small, big = summary[0], summary[-1]
    growth_kib = big["hwm_kib_max"] - small["hwm_kib_max"]
    grows = growth_kib * 1024 > MEMORY_TOLERANCE
    return grows, ("%s. The highest VmHWM with the %d MiB set is %+.1f MiB against the %d MiB "
                   "set (tolerance %d MiB): %s"
                   % ("FAIL" if grows else "pass", big["mib"], growth_kib / 1024, small["mib"],
                      MEMORY_TOLERANCE // MiB,
                      "the peak grows with the set." if grows else
                      "the peak does not grow with the set."))
