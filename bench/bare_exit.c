/* The smallest Win32 program there is: it starts and exits. Under Wine its
 * run time is the cost of process start-up alone, the floor for any program. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

void BareEntry(void)
{
    ExitProcess(0);
}
