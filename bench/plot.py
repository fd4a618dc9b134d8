"""The throughput plot of the page: plain SVG, no libraries."""

import math


def svg_plot(summary, path):
    """Throughput against set size, log scales; plain SVG, no libraries."""
    series = [("launcher, kqtmpins.exe created to installer started", "launcher_mbps", "#c0392b"),
              ("launcher, kqtmpins.exe created to closed", "launcher_join_mbps", "#e67e22"),
              ("cat of the payloads", "cat_mbps", "#2c7bb6"),
              ("dd bs=1024 per piece", "dd_mbps", "#1a9641"),
              ("dd bs=1024, process starts taken out", "dd_net_mbps", "#7b3294")]
    width, height = 640, 380
    left, right, top, bottom = 70, 40, 20, 150
    pw, ph = width - left - right, height - top - bottom
    xs = [e["mib"] for e in summary]
    lx0, lx1 = math.log2(min(xs)), math.log2(max(xs))
    if lx1 == lx0:
        lx1 = lx0 + 1
    values = [e[k] for e in summary for _, k, _ in series if e[k]]
    ly0 = math.floor(math.log10(min(values)))
    ly1 = math.ceil(math.log10(max(values)))

    def px(mib):
        return left + (math.log2(mib) - lx0) / (lx1 - lx0) * pw

    def py(v):
        return top + ph - (math.log10(v) - ly0) / (ly1 - ly0) * ph

    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
             'font-family="sans-serif" font-size="12">' % (width, height),
             '<rect width="100%" height="100%" fill="white"/>']
    for decade in range(ly0, ly1 + 1):
        for m in (1, 2, 5):
            y = m * 10 ** decade
            if decade == ly1 and m > 1:
                break
            parts.append('<line x1="%d" y1="%.1f" x2="%d" y2="%.1f" stroke="%s"/>'
                         % (left, py(y), left + pw, py(y), "#bbb" if m == 1 else "#eee"))
            parts.append('<text x="%d" y="%.1f" text-anchor="end">%g</text>'
                         % (left - 6, py(y) + 4, y))
    for mib in xs:
        parts.append('<line x1="%.1f" y1="%d" x2="%.1f" y2="%d" stroke="#ddd"/>'
                     % (px(mib), top, px(mib), top + ph))
        parts.append('<text x="%.1f" y="%d" text-anchor="middle">%d MiB</text>'
                     % (px(mib), top + ph + 16, mib))
    parts.append('<rect x="%d" y="%d" width="%d" height="%d" fill="none" stroke="#333"/>'
                 % (left, top, pw, ph))
    parts.append('<text x="%d" y="%d" text-anchor="middle">installer size (log scale)</text>'
                 % (left + pw / 2, top + ph + 34))
    parts.append('<text x="16" y="%d" transform="rotate(-90 16 %d)" text-anchor="middle">'
                 'MB/s (median, log scale)</text>' % (top + ph / 2, top + ph / 2))
    for i, (label, key, colour) in enumerate(series):
        shown = [e for e in summary if e[key]]
        points = " ".join("%.1f,%.1f" % (px(e["mib"]), py(e[key])) for e in shown)
        parts.append('<polyline points="%s" fill="none" stroke="%s" stroke-width="2"/>'
                     % (points, colour))
        for e in shown:
            parts.append('<circle cx="%.1f" cy="%.1f" r="3" fill="%s"/>'
                         % (px(e["mib"]), py(e[key]), colour))
        ly = top + ph + 52 + i * 18
        parts.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="%s" stroke-width="2"/>'
                     % (left, ly - 4, left + 24, ly - 4, colour))
        parts.append('<text x="%d" y="%d">%s</text>' % (left + 30, ly, label))
    parts.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(parts) + "\n")
