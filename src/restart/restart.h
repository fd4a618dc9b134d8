// Renames and deletions left for the next system start.
#pragma once

// Records that source is to be renamed to target (deleted when target is
// null) at the next system start: a delayed move where the system takes one,
// else a line in the [Rename] section of WinInit.Ini in the Windows directory.
// Returns nonzero when either road recorded the request, 0 otherwise.
int ScheduleRenameOnReboot(const char* source, const char* target);
