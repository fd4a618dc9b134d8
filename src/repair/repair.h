// Healing a piece set from its recovery pieces where its disks are read.
#pragma once

// Reads the recovery piece beside the running program, copies the set's
// pieces into a folder in the temp directory (asking for disks as needed),
// rebuilds what is damaged, and starts disk 1's SETUP.EXE from there; the
// folder goes at the next system start. Beyond repair, on Cancel or without
// room it shows why (Cancel shows nothing), starts nothing and leaves nothing.
void RepairSet(void);
