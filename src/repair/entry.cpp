// Process entry of REPAIR.EXE, in place of a C runtime's start-up.
#include "platform/platform.h"
#include "repair/repair.h"

extern "C" void WinMainCRTStartup()
{
    RepairSet();
    ExitProcess(0);
}
