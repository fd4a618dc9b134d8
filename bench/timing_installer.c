/* Stand-in installer for the benchmarks. Its first act is to create
 * C:\bench-mark\started, so a watcher outside Wine sees the moment the
 * launcher's hand-off arrived; then it exits. No C runtime, so its own
 * start-up is as short as Wine allows. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

void TimingEntry(void)
{
    HANDLE mark = CreateFileA("C:\\bench-mark\\started", GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (mark != INVALID_HANDLE_VALUE)
        CloseHandle(mark);
    ExitProcess(0);
}
