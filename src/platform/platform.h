// The launcher's only view of the operating system.
//
// On Windows this is <windows.h>. Elsewhere it declares the few Win32 types,
// constants and ANSI functions the launcher calls, with their real values, so
// the same sources build natively against a stand-in implementation.
#pragma once

#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#else

#include <stddef.h>
#include <stdint.h>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned int DWORD;
typedef int LONG;
typedef unsigned int UINT;
typedef int INT;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef DWORD* LPDWORD;
typedef LONG* PLONG;
typedef size_t SIZE_T;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef intptr_t INT_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef void* HANDLE;
typedef void* HLOCAL;
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
typedef struct _OVERLAPPED* LPOVERLAPPED;
typedef struct _SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

typedef struct _FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
} FILETIME;

typedef struct _WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[260];
    CHAR cAlternateFileName[14];
} WIN32_FIND_DATAA, *LPWIN32_FIND_DATAA;

typedef INT_PTR (*DLGPROC)(HWND, UINT, WPARAM, LPARAM);

#define WINAPI
#define CALLBACK
#define WINAPIV

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#define MAX_PATH 260
#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)
#define INVALID_FILE_SIZE ((DWORD)0xFFFFFFFF)
#define INVALID_SET_FILE_POINTER ((DWORD)-1)

#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x00000001
#define FILE_SHARE_WRITE 0x00000002
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define FILE_FLAG_SEQUENTIAL_SCAN 0x08000000
#define FILE_BEGIN 0

#define SEM_FAILCRITICALERRORS 0x0001
#define SEM_NOOPENFILEERRORBOX 0x8000

#define PAGE_READWRITE 0x04
#define FILE_MAP_WRITE 0x0002

#define LMEM_FIXED 0x0000
#define LMEM_ZEROINIT 0x0040

#define MOVEFILE_DELAY_UNTIL_REBOOT 0x00000004

#define MB_OK 0x00000000
#define MB_OKCANCEL 0x00000001
#define MB_ICONHAND 0x00000010
#define IDOK 1
#define IDCANCEL 2

#define SW_SHOW 5

#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111

#define MAKEINTRESOURCEA(i) ((LPSTR)(UINT_PTR)((unsigned short)(i)))
#define LOWORD(l) ((unsigned short)(((UINT_PTR)(l)) & 0xffff))
#define HIWORD(l) ((unsigned short)((((UINT_PTR)(l)) >> 16) & 0xffff))

extern "C" {

// Files
HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode,
                          LPSECURITY_ATTRIBUTES security, DWORD creationDisposition,
                          DWORD flagsAndAttributes, HANDLE templateFile);
BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read,
                     LPOVERLAPPED overlapped);
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written,
                      LPOVERLAPPED overlapped);
BOOL WINAPI CloseHandle(HANDLE object);
DWORD WINAPI GetFileSize(HANDLE file, LPDWORD sizeHigh);
DWORD WINAPI SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD moveMethod);
BOOL WINAPI SetEndOfFile(HANDLE file);
HANDLE WINAPI CreateFileMappingA(HANDLE file, LPSECURITY_ATTRIBUTES security, DWORD protect,
                                 DWORD maximumSizeHigh, DWORD maximumSizeLow, LPCSTR name);
LPVOID WINAPI MapViewOfFile(HANDLE mapping, DWORD desiredAccess, DWORD offsetHigh,
                            DWORD offsetLow, SIZE_T bytesToMap);
BOOL WINAPI UnmapViewOfFile(LPCVOID baseAddress);
HANDLE WINAPI FindFirstFileA(LPCSTR fileName, LPWIN32_FIND_DATAA findData);
BOOL WINAPI FindClose(HANDLE find);
BOOL WINAPI MoveFileExA(LPCSTR existingFileName, LPCSTR newFileName, DWORD flags);
BOOL WINAPI DeleteFileA(LPCSTR fileName);
BOOL WINAPI CreateDirectoryA(LPCSTR pathName, LPSECURITY_ATTRIBUTES security);
BOOL WINAPI RemoveDirectoryA(LPCSTR pathName);
BOOL WINAPI GetDiskFreeSpaceA(LPCSTR rootPathName, LPDWORD sectorsPerCluster,
                              LPDWORD bytesPerSector, LPDWORD freeClusters, LPDWORD totalClusters);
UINT WINAPI SetErrorMode(UINT mode);

// Paths and system directories
DWORD WINAPI GetModuleFileNameA(HINSTANCE module, LPSTR fileName, DWORD size);
DWORD WINAPI GetTempPathA(DWORD bufferLength, LPSTR buffer);
DWORD WINAPI GetShortPathNameA(LPCSTR longPath, LPSTR shortPath, DWORD bufferLength);
UINT WINAPI GetWindowsDirectoryA(LPSTR buffer, UINT size);
BOOL WINAPI SetCurrentDirectoryA(LPCSTR pathName);
DWORD WINAPI GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer);
BOOL WINAPI SetEnvironmentVariableA(LPCSTR name, LPCSTR value);

// Memory
HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes);
HLOCAL WINAPI LocalFree(HLOCAL memory);

// Processes
UINT WINAPI WinExec(LPCSTR cmdLine, UINT cmdShow);

// User interface
INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND parent,
                               DLGPROC dialogFunc, LPARAM initParam);
BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);
BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
HWND WINAPI GetDlgItem(HWND dialog, int id);
BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Text
int WINAPIV wsprintfA(LPSTR out, LPCSTR format, ...);
LPSTR WINAPI lstrcatA(LPSTR string1, LPCSTR string2);

}  // extern "C"

#endif  // _WIN32
