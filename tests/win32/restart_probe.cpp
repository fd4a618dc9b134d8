// Runs the launcher's ScheduleRenameOnReboot under a real Windows (Wine), with
// the delayed move either refused, to drive the WinInit.Ini road, or passed
// through to the system.
//
//   restart_probe refuse|accept SOURCE [TARGET]
//
// Prints one line: "result=R moves=N flags=F source=S target=T", where N is
// how often the delayed move was asked for and F the flags of the last ask.
// restart.cpp is compiled with MoveFileExA renamed to TestRefusedMoveFileExA,
// whose import slot is defined here.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "restart/restart.h"

typedef BOOL(WINAPI* MoveFileExFunction)(LPCSTR, LPCSTR, DWORD);

static int moveCalls;
static DWORD lastFlags = 0xFFFFFFFF;
static char lastSource[MAX_PATH] = "<none>";
static char lastTarget[MAX_PATH] = "<none>";
static bool refuseMoves = true;

static BOOL WINAPI ObservedMoveFileExA(LPCSTR source, LPCSTR target, DWORD flags)
{
    ++moveCalls;
    lastFlags = flags;
    lstrcpynA(lastSource, source ? source : "<null>", MAX_PATH);
    lstrcpynA(lastTarget, target ? target : "<null>", MAX_PATH);
    if (refuseMoves) {
        SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return FALSE;
    }
    MoveFileExFunction real =
        (MoveFileExFunction)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "MoveFileExA");
    return real(source, target, flags);
}

// The slot restart.cpp calls through, as if the function came from a DLL
// (stdcall names are decorated on 32-bit Windows only).
#ifdef _WIN64
#define IMPORT_SLOT "__imp_TestRefusedMoveFileExA"
#else
#define IMPORT_SLOT "__imp__TestRefusedMoveFileExA@12"
#endif
extern "C" {
MoveFileExFunction testRefusedMoveFileExSlot __asm__(IMPORT_SLOT) = ObservedMoveFileExA;
}

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4 || (strcmp(argv[1], "refuse") != 0 && strcmp(argv[1], "accept") != 0)) {
        fprintf(stderr, "usage: restart_probe refuse|accept SOURCE [TARGET]\n");
        return 2;
    }
    refuseMoves = strcmp(argv[1], "refuse") == 0;
    int result = ScheduleRenameOnReboot(argv[2], argc == 4 ? argv[3] : NULL);
    printf("result=%d moves=%d flags=%lu source=%s target=%s\n", result, moveCalls,
           (unsigned long)lastFlags, lastSource, lastTarget);
    fflush(stdout);
    return 0;
}
