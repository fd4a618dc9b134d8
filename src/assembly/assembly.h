// Joining a piece set into the temporary installer.
#pragma once

// Joins the piece set that starts at piecePath (the full path of FILE.1, in a
// writable MAX_PATH buffer that is rewritten in place) into kqtmpins.exe in
// the temp directory, asking for disks as needed, has that file deleted at the
// next system start, and starts it from the Windows directory unless the user
// cancelled or something failed. Shows its own message boxes; returns nothing.
void AssembleInstaller(char* piecePath);
