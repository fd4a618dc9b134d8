"""What every part of the benchmarks shares: where things are, the sizes the
sets are cut to, the one failure type and the log line."""

import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PIECESET = os.path.join(ROOT, "build", "native", "pieceset")
MiB = 1 << 20
HEADER = 1024
MEDIA = "1.44M"
DISK_BYTES = 1457664
PAYLOAD_BYTES = DISK_BYTES - HEADER
MARK_DIR = "bench-mark"
TEMP_NAME = "kqtmpins.exe"


def helper(road, name):
    """A Windows-side helper of the bench in the road's build tree."""
    return os.path.join(road.tree, "bench", name)


class BenchError(Exception):
    pass


def log(*args):
    print("bench:", *args, flush=True)
