// Resource ids shared by the resource scripts, the programs that load them
// and the simulated Windows. Plain defines, so that windres reads them too.
#pragma once

// The progress dialog and the program icon.
#define IDD_PROGRESS 101
#define IDI_PROGRAM 101
// The dialog's static text that shows the application's name.
#define IDC_APP_NAME 1000
