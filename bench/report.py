"""The benchmarks page: the prose of report.md.in, filled with a run's
figures. The page is made from the same dictionary that is written beside it
as JSON, so that it can be made again from that file alone."""

import os
import textwrap

from .common import HEADER, MEDIA, PAYLOAD_BYTES, MiB
from .stats import PIECESET_MEMORY_COMMANDS, growth, median, spread, within_smallest

TEMPLATE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "report.md.in")
WIDTH = 92
MEDIA_NAMES = {"1.44M": "1.44M floppy", "250M": "250M Zip"}


def ratio_text(r):
    if r is None:
        return "— (dd's net time was nothing in some round)"
    return "%.2f (%.2f – %.2f)" % (r["median"], r["min"], r["max"])


def against(r, name):
    """What holds for a ratio over all its paired runs, in words."""
    span = "%.2f× to %.2f×" % (r["min"], r["max"])
    if r["min"] > 1:
        return "faster than %s in every paired run (%s)" % (name, span)
    if r["max"] < 1:
        return "slower than %s in every paired run (%s)" % (name, span)
    # Neither in every round: say how the rounds fell, not "as fast".
    return "faster than %s in %d and slower in %d of %d paired runs (median %.2f×, %s)" \
        % (name, r["faster"], r["slower"], r["runs"], r["median"], span)


def at_least(r, floor, name):
    """Whether a ratio keeps to a floor over all its paired runs, in words."""
    span = "%.2f× to %.2f×" % (r["min"], r["max"])
    # Judged on the figures as the page shows them, so that a lowest ratio
    # shown as 0.80 is never called below 0.80.
    if round(r["min"], 2) >= floor:
        return "at least %.2f of that of %s in every paired run (%s)" % (floor, name, span)
    return "below %.2f of that of %s in %s paired run%s (%s)" % (
        floor, name, "every" if round(r["max"], 2) < floor else "some",
        "" if round(r["max"], 2) < floor else "s", span)


def set_text(size):
    """An installer's size as the bench chose it: whole MiB, or decimal MB/GB."""
    if size % MiB == 0:
        return "%d MiB" % (size // MiB)
    return "%g GB" % (size / 1e9) if size >= 10 ** 9 else "%g MB" % (size / 1e6)


def seconds_text(r):
    return "%.3f s (%.3f – %.3f)" % (r["median"], r["min"], r["max"])


def render(template, values):
    """The template's lines, kept or dropped by its %if lines, filled with
    values, its paragraphs wrapped."""
    out = []
    keep = [True]
    paragraph = None

    def flush():
        if paragraph is not None:
            text = " ".join(paragraph).format_map(values)
            indent = "  " if text.startswith("- ") else ""
            out.extend(textwrap.wrap(text, WIDTH, subsequent_indent=indent,
                                     break_on_hyphens=False))

    for line in template.splitlines():
        if paragraph is not None and line.startswith("  ") and all(keep):
            paragraph.append(line.strip())
            continue
        flush()
        paragraph = None
        if line.startswith("%%"):
            continue
        if line.startswith("%if "):
            keep.append(bool(values[line[4:].strip()]))
        elif line == "%else":
            keep[-1] = not keep[-1]
        elif line == "%end":
            keep.pop()
        elif not all(keep):
            continue
        elif line.startswith("+ "):
            paragraph = [line[2:]]
        else:
            out.append(line.format_map(values))
    flush()
    return "\n".join(out)


def throughput_rows(summary):
    rows = []
    for e in summary:
        first = True
        for label, key in (("launcher, created → installer started", "launcher"),
                           ("launcher, created → closed (copy only)", "launcher_join"),
                           ("cat of the payloads", "cat"),
                           ("dd bs=1024 per piece", "dd"),
                           ("dd bs=1024 per piece, net of %d process start%s (%.3f s)"
                            % (e["pieces"], "" if e["pieces"] == 1 else "s", e["dd_floor_s"]),
                            "dd_net")):
            ratio = "" if key.startswith("launcher") else ratio_text(e["ratios"].get(key))
            speed = "%.0f" % e[key + "_mbps"] if e[key + "_mbps"] else "—"
            rows.append("| %s | %s | %s | %.3f | %.3f – %.3f | %s | %s |"
                        % ("%d MiB" % e["mib"] if first else "", e["pieces"] if first else "",
                           label, e[key + "_s"], e[key + "_range"][0], e[key + "_range"][1],
                           speed, ratio))
            first = False
    return rows


def footprint_rows(foot):
    rows = []
    for label, until, key in (("`bare_exit.exe` (only calls ExitProcess)", "`wine` returns",
                               "bare_exit"),
                              ("`timing_installer.exe`, started directly",
                               "its marker file appears", "installer_direct"),
                              ("`launcher.exe`", "the installer's marker file appears",
                               "launcher_installer"),
                              ("`launcher.exe`", "`wine` returns", "launcher_exit"),
                              ("`launcher.exe`, no desktop process yet",
                               "the installer's marker file appears", "cold_launcher_installer"),
                              ("`launcher.exe`, no desktop process yet", "`wine` returns",
                               "cold_launcher_exit")):
        s = spread(foot[key])
        rows.append("| %s | %s | %.3f | %.3f – %.3f |"
                    % (label, until, s["median"], s["min"], s["max"]))
    return rows


def cut_figures(cut, ps):
    """The figures of the pieceset section; none when the cut was not measured."""
    if not cut:
        return {"cut_versus": "", "cut_images_versus": "", "cut_rows": "", "ps": {},
                "ps_digest": "", "ps_state": "", "cut_loop": False}
    rows = ["| %s | %.3f | %.3f – %.3f | %s |"
            % (label, cut[key]["median"], cut[key]["min"], cut[key]["max"],
               ratio_text(ratio) if ratio else "")
            for label, key, ratio in (("pieceset cut", "pieceset", cut["ratio"]),
                                      ("pieceset cut --images", "pieceset_images",
                                       cut["ratio_images"]),
                                      ("split -b, sha256sum, sync", "split", None))]
    state = []
    if ps["uncommitted"]:
        state.append("uncommitted changes to %s" % ", ".join("`%s`" % p for p in ps["uncommitted"]))
    if ps["newer_than_binary"]:
        state.append("sources newer than the binary: %s (so it may not be built from "
                     "that commit)" % ", ".join("`%s`" % p for p in ps["newer_than_binary"]))
    values = {"cut_versus": against(cut["ratio"], "`split -b`, `sha256sum` and `sync` of the "
                                    "same bytes"),
              "cut_images_versus": against(cut["ratio_images"], "the same"),
              "cut_rows": "\n".join(rows), "ps": ps, "ps_digest": ps["sha256"][:16],
              "ps_state": "; ".join(state) if state else "no uncommitted change to "
              "tools/pieceset and none of its sources newer than the binary",
              "cut_loop": "loop" in cut}
    if values["cut_loop"]:
        values.update(loop_figures(cut))
    return values


def loop_figures(cut):
    """The cut with images against the mtools loop, the recovery piece's
    cost, repair, and verify against openssl's SHA-256 of the same images
    (a run from before that comparison has verify's time alone)."""
    openssl = "ratio_verify" in cut
    versus_openssl = "openssl dgst -sha256 of the same"
    verify = ("pieceset verify of the %d images (%.0f MB/s)" % (cut["pieces"], cut["verify_mbps"]),
              "verify", versus_openssl if openssl else "", "ratio_verify" if openssl else None)
    lines = [("mtools loop", "loop", "", None),
             ("pieceset cut --images", "pieceset_images", "the mtools loop", "ratio_loop"),
             ("pieceset cut --recovery 1 --images", "recovery_images", "pieceset cut --images",
              "ratio_recovery"),
             ("pieceset repair of one lost disk", "repair", "pieceset cut --recovery 1 --images",
              "ratio_repair"),
             verify]
    if openssl:
        lines += [("openssl dgst -sha256 of the %d images" % cut["pieces"], "openssl", "", None),
                  ("pieceset verify of the %d images with recovery" % cut["recovery_disks"],
                   "verify_recovery", versus_openssl, "ratio_verify_recovery"),
                  ("openssl dgst -sha256 of the %d images with recovery" % cut["recovery_disks"],
                   "openssl_recovery", "", None)]
    rows = ["| %s | %.3f | %.3f – %.3f | %s | %s |"
            % (label, cut[key]["median"], cut[key]["min"], cut[key]["max"], base,
               ratio_text(cut[ratio]) if ratio else "")
            for label, key, base, ratio in lines]
    return {"loop_rows": "\n".join(rows), "verify_openssl": openssl,
            "verify_versus": at_least(cut["ratio_verify"], 1.0,
                                      "`openssl dgst -sha256` of the same images")
            if openssl else "",
            "verify_recovery_versus": at_least(cut["ratio_verify_recovery"], 1.0, "openssl")
            if openssl else "",
            "loop_versus": against(cut["ratio_loop"], "a shell loop that makes the same images "
                                   "with the same tools"),
            "recovery_target": at_least(cut["ratio_recovery"], 0.8, "the cut without it"),
            "repair_versus": against(cut["ratio_repair"], "the cut that made the set"),
            "verify_time": seconds_text(cut["verify"])}


def write_figures(write):
    """The figures of the write section: per medium, pieceset write against
    dd and cmp; or why it was not measured."""
    media = write["media"] if write else []
    rows = ["| %s | %d | %d | %d | %s | %.0f | %s | %.0f | %s |"
            % (MEDIA_NAMES.get(w["media"], w["media"]), w["size"], w["disks"], w["block"], seconds_text(w["pieceset"]),
               w["pieceset_mbps"], seconds_text(w["dd"]), w["dd_mbps"], ratio_text(w["ratio"]))
            for w in media]
    verdicts = ["for the %s image its speed is %s"
                % (MEDIA_NAMES.get(w["media"], w["media"]), at_least(w["ratio"], 0.8,
                                                                      "`dd` and `cmp`"))
                for w in media]
    sets = ["the %s's disk%s" % (MEDIA_NAMES.get(w["media"], w["media"]),
                                 " 1" if w["disks"] == 1 else "s 1 to %d" % w["disks"])
            for w in media]
    # What one disk of a many-disk run took, from the run's own times.
    each = ["one %s took %s with `pieceset write` and %s with `dd` and `cmp` (a run's time "
            "over its %d disks, fastest – slowest run)"
            % (MEDIA_NAMES.get(w["media"], w["media"]), per_disk_text(w["pieceset"], w["disks"]),
               per_disk_text(w["dd"], w["disks"]), w["disks"])
            for w in media if w["disks"] > 1]
    return {"write": write, "write_media": bool(media),
            "write_skipped": write["skipped"] if write else None,
            "write_rows": "\n".join(rows), "write_short": "; ".join(verdicts),
            "write_sets": ", ".join(sets), "write_each": "; ".join(each)}


def per_disk_text(r, disks):
    return "%.1f – %.1f ms" % (r["min"] / disks * 1000, r["max"] / disks * 1000)


def pieceset_memory_verdict(m):
    """Whether every measured command kept within the limit, in words."""
    limit = "%d MiB" % (m["limit_kib"] // 1024)
    highest = m["highest"]
    top = "the highest %.1f MiB (`pieceset %s` of the %s set)" % (
        highest["kib"] / 1024, highest["command"], set_text(highest["size"]))
    if m["passed"]:
        return "pass: all %d runs within %s, %s" % (len(m["rows"]), limit, top)
    return "FAIL: %d of %d runs above %s (%s), %s" % (
        m["failed"], len(m["rows"]), limit,
        "; ".join("`pieceset %s` of the %s set" % (r["command"], set_text(r["size"]))
                  for r in m["rows"] if not r["within"]), top)


def pieceset_memory_figures(m):
    """The memory table of pieceset by set and command; none when not measured."""
    if not m:
        return {"ps_memory": False}
    labels = {"cut": "`pieceset cut --recovery {recovery} --images`",
              "verify": "`pieceset verify` of the {disks} images",
              "join": "`pieceset join` of the {disks} images to a file",
              "repair": "`pieceset repair` of the set less one disk, to a new folder"}
    rows, sets = [], []
    for r in m["rows"]:
        # A set's own columns on its first command's row only.
        first = r["command"] == PIECESET_MEMORY_COMMANDS[0]
        if first:
            sets.append("%s (%d bytes) on %s disks" % (set_text(r["size"]), r["size"], r["media"]))
        rows.append("| %s | %s | %s | %s | %s | %.1f MiB (%d KiB) | %s |"
                    % (set_text(r["size"]) if first else "", r["size"] if first else "",
                       r["media"] if first else "", r["disks"] if first else "",
                       labels[r["command"]].format(recovery=m["recovery"], disks=r["disks"]),
                       r["kib"] / 1024, r["kib"], "pass" if r["within"] else "**FAIL**"))
    return {"ps_memory": True, "ps_memory_rows": "\n".join(rows),
            "ps_memory_verdict": pieceset_memory_verdict(m),
            "ps_memory_limit": m["limit_kib"] // 1024, "ps_memory_floor": m["floor_kib"],
            "ps_memory_recovery": m["recovery"],
            "ps_memory_sets": " and ".join([", ".join(sets[:-1]), sets[-1]] if len(sets) > 1
                                           else sets)}


def figures(raw_name, plot_name, run):
    """Every value the template names, from the run."""
    road, info, fs, foot = run["road"], run["machine"], run["filesystem"], run["footprint"]
    summary, handoff = run["summary"], run["handoff"]
    small, big = summary[0], summary[-1]
    hs, hb = handoff[0], handoff[-1]
    grows, _, _ = growth(summary, "handoff")
    flat = ", ".join("%d MiB" % m for m in within_smallest(summary, "handoff"))
    versus = [against(big["ratios"]["dd"], "`dd bs=1024` over the same pieces")]
    if "dd_net" in big["ratios"]:
        versus.append(against(big["ratios"]["dd_net"], "dd with its process starts taken out"))
    versus.append(against(big["ratios"]["cat"], "`cat`"))
    values = {
        "launcher": road["launcher"], "raw_name": raw_name, "plot_name": plot_name,
        "road_summary": road["summary"], "stamp": run["stamp"], "runs": run["runs"],
        "commit": (run.get("pieceset") or {}).get("commit", "unknown"),
        "elapsed": run["elapsed"], "cores": info["cores"], "load_start": run["load"][0],
        "load_end": run["load"][1], "small": small, "big": big, "hs": hs, "hb": hb,
        "versus": "; ".join(versus), "grows": grows,
        "small_handoff": seconds_text(small["handoff"]), "big_handoff": seconds_text(big["handoff"]),
        "flat_note": " (at %s its fastest run is no slower than the slowest at %d MiB)"
        % (flat, small["mib"]) if flat else "",
        "flat_sentence": " At %s its fastest run is still no slower than the slowest at %d MiB."
        % (flat, small["mib"]) if flat else "",
        "verdict": run["verdict"], "launcher_size": run["launcher_size"],
        "bare_size": run["bare_size"], "timing_size": run["timing_size"],
        "foot_launcher": seconds_text(spread(foot["launcher_installer"])),
        "foot_bare": seconds_text(spread(foot["bare_exit"])), "foot_runs": len(foot["bare_exit"]),
        "foot_extra": median(foot["launcher_installer"]) - median(foot["bare_exit"]),
        "foot_direct": median(foot["installer_direct"]), "cut": run["cut"], "media": MEDIA,
        "cpu": "%s%s" % (info["cpu"], ", %s MHz" % info["mhz"] if info["mhz"] else ""),
        "ram_gib": info["ram_gib"], "kernel": info["kernel"], "wine": info["wine"],
        "fs_text": "%s on %s (%s, mounted at %s, %s)" % (fs["path"], fs["device"], fs["type"],
                                                          fs["mount"], fs["options"]),
        "wine_road": "the shipped 32-bit exe under `wine`" if road["shipped"] else
        "the 64-bit build of the same sources under `wine64`, in a 64-bit prefix",
        "payload_bytes": PAYLOAD_BYTES, "header": HEADER,
        "throughput_rows": "\n".join(throughput_rows(summary)),
        "copy_rows": "\n".join("| %d MiB | %s | %s | %s |"
                               % (e["mib"], ratio_text(e["copy_ratios"]["cat"]),
                                  ratio_text(e["copy_ratios"]["dd"]),
                                  ratio_text(e["copy_ratios"].get("dd_net"))) for e in summary),
        "handoff_rows": "\n".join("| %d MiB | %s |" % (e["mib"], seconds_text(e["handoff"]))
                                  for e in summary),
        "parts_rows": "\n".join("| %d MiB | %s | %s | %s | %s |"
                                % (h["mib"], seconds_text(h["start_written"]),
                                   seconds_text(h["start_synced"]),
                                   seconds_text(h["close_truncated"]),
                                   seconds_text(h["close_plain"])) for h in handoff),
        "start_grows": hb["start_written"]["min"] > hs["start_written"]["max"],
        "close_grows": hb["close_truncated"]["min"] > max(hs["close_truncated"]["max"],
                                                          hb["close_plain"]["max"]),
        "hb_close_truncated": seconds_text(hb["close_truncated"]),
        "hb_close_plain": seconds_text(hb["close_plain"]),
        "hs_close_truncated": seconds_text(hs["close_truncated"]),
        "memory_rows": "\n".join("| %d MiB | %d | %.1f MiB (%d KiB) | %.1f MiB (%d KiB) |"
                                 % (e["mib"], e["pieces"], e["hwm_kib_max"] / 1024,
                                    e["hwm_kib_max"], e["hwm_kib_median"] / 1024,
                                    e["hwm_kib_median"]) for e in summary),
        "footprint_rows": "\n".join(footprint_rows(foot)),
    }
    values["verify_openssl"] = False
    values.update(cut_figures(run["cut"], run.get("pieceset")))
    values.update(pieceset_memory_figures(run.get("pieceset_memory")))
    values.update(write_figures(run.get("write")))
    return values


def write_doc(path, raw_name, plot_name, run):
    """The page, from the same dictionary that is written beside it as JSON."""
    with open(TEMPLATE) as f:
        template = f.read()
    with open(path, "w") as f:
        f.write(render(template, figures(raw_name, plot_name, run)))
