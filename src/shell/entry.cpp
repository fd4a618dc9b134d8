// Process entry of the shipped exe, in place of a C runtime's start-up: there
// is no command line to parse and nothing to initialise or tear down.
#include "platform/platform.h"
#include "shell/shell.h"

extern "C" void WinMainCRTStartup()
{
    WinMain(GetModuleHandleA(NULL), NULL, const_cast<LPSTR>(""), SW_SHOWDEFAULT);
    ExitProcess(0);
}
