"""A headless Windows for running the launcher: Xvfb, a Wine prefix with a
persistent server, its drives, boxes, registry and restart-time work, and the
choice of the build that can run on this machine.

Shared by the end-to-end suite, the demo and the benchmarks; they import it
as a package (the repository's root on PYTHONPATH). Standard library only.
"""

from .disks import FailingDisk, unpack_image
from .errors import RigError
from .process import start_xvfb, stop_process
from .rig import QUESTION_BUTTONS, Box, Run, WineRig
from .road import Road, choose_road, forced_road, loader_refusal, twin_road

__all__ = ["QUESTION_BUTTONS", "Box", "FailingDisk", "RigError", "Road", "Run", "WineRig",
           "choose_road", "forced_road", "loader_refusal", "start_xvfb", "stop_process",
           "twin_road", "unpack_image"]
