// The launcher's entry and its progress dialog.
#pragma once

#include "platform/platform.h"

// Shows the progress dialog (resource 101) until the installer has been
// assembled and started, or FILE.1 was found missing. The command line and
// the show state are not used. Always returns 0.
extern "C" int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                              int showState);

// The progress dialog. On WM_INITDIALOG it checks that FILE.1 lies beside the
// launcher, shows the name from its header in control 1000 and posts itself
// command 1; commands 1 and 2 (notification code 0) run AssembleInstaller and
// end the dialog with the command number. TRUE for what it handles, else FALSE.
INT_PTR CALLBACK LauncherDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
