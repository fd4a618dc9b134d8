/* Keeps the Wine session's desktop alive for the benchmarks. Wine starts its
 * desktop process (explorer.exe /desktop) for the first program that asks for
 * a window and ends it about a second after the last such program exits, so
 * without a holder every launcher run would also pay for, and share the CPU
 * with, a desktop start-up; on Windows the desktop is always there. Creates
 * C:\bench-mark\desktop once the desktop answers, then waits until killed. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

void HolderEntry(void)
{
    GetDesktopWindow();
    HANDLE mark = CreateFileA("C:\\bench-mark\\desktop", GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (mark != INVALID_HANDLE_VALUE)
        CloseHandle(mark);
    Sleep(INFINITE);
    ExitProcess(0);
}
