// Restart-time renames and deletions: a delayed move where the system takes
// one, else a line in WinInit.Ini's [Rename] section, which systems without
// delayed moves carry out at start-up.
#include "restart/restart.h"

#include "helpers/helpers.h"
#include "platform/platform.h"

static constexpr DWORD kLineSize = 1024;
static constexpr DWORD kRenameHeaderLength = 10;
static const char kRenameHeader[] = "[Rename]\r\n";
static constexpr DWORD kNotFound = 0xFFFFFFFF;

// Position of the first section header in the text, which ends at its first
// zero byte, or kNotFound. A zero byte in the file hides whatever follows it,
// as the system's own reader of the file stops there too.
static DWORD FindRenameHeader(const char* text, DWORD length)
{
    DWORD end = 0;
    while (end < length && text[end] != 0)
        ++end;
    for (DWORD at = 0; at + kRenameHeaderLength <= end; ++at) {
        DWORD matched = 0;
        while (matched < kRenameHeaderLength && text[at + matched] == kRenameHeader[matched])
            ++matched;
        if (matched == kRenameHeaderLength)
            return at;
    }
    return kNotFound;
}

// Puts the line right after the first header, so the newest request comes
// first, or appends a header and the line; returns the content's new size.
// The view holds the old content and at least lineLength + 10 zero bytes.
static DWORD InsertRequest(char* view, DWORD oldSize, const char* line, DWORD lineLength)
{
    DWORD header = FindRenameHeader(view, oldSize);
    if (header != kNotFound) {
        DWORD insertAt = header + kRenameHeaderLength;
        memmove(view + insertAt + lineLength, view + insertAt, oldSize - insertAt);
        memcpy(view + insertAt, line, lineLength);
        return oldSize + lineLength;
    }
    memcpy(view + oldSize, kRenameHeader, kRenameHeaderLength);
    memcpy(view + oldSize + kRenameHeaderLength, line, lineLength);
    return oldSize + kRenameHeaderLength + lineLength;
}

int ScheduleRenameOnReboot(const char* source, const char* target)
{
    int recorded = MoveFileExA(source, target, MOVEFILE_DELAY_UNTIL_REBOOT);
    if (recorded)
        return recorded;

    const char* newName = target ? target : "NUL";
    // The formatter stops at the buffer's end, dropping the line break, and
    // at the very end some report the NUL in the count: keep clear of both.
    DWORD lineLength = TextLength(newName) + 1 + TextLength(source) + 2;
    if (lineLength >= kLineSize - 1)
        return 0;
    char line[kLineSize];
    wsprintfA(line, "%hs=%hs\r\n", newName, source);

    char iniPath[MAX_PATH];
    UINT directoryLength = GetWindowsDirectoryA(iniPath, MAX_PATH);
    if (directoryLength == 0 || directoryLength + sizeof("\\WinInit.Ini") > MAX_PATH)
        return 0;
    lstrcatA(iniPath, "\\WinInit.Ini");

    HANDLE file = CreateFileA(iniPath, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_ALWAYS, kOpenFlags,
                              NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 0;

    DWORD sizeHigh = 0;
    DWORD oldSize = GetFileSize(file, &sizeHigh);
    // An unknown size, or one the grown mapping could not express, is not
    // touched: growing and cutting back could damage the file.
    BOOL sizeKnown = oldSize != INVALID_FILE_SIZE && sizeHigh == 0 &&
                     oldSize <= 0xFFFFFFFF - kRenameHeaderLength - lineLength;
    if (sizeKnown) {
        DWORD finalSize = oldSize;
        // Mapping past the end grows the file with zero bytes: room for the
        // line and a header, and a zero byte that ends the old text.
        HANDLE mapping = CreateFileMappingA(file, NULL, PAGE_READWRITE, 0,
                                            oldSize + lineLength + kRenameHeaderLength, NULL);
        if (mapping != NULL) {
            char* view = (char*)MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0);
            if (view != NULL) {
                finalSize = InsertRequest(view, oldSize, line, lineLength);
                UnmapViewOfFile(view);
                recorded = 1;
            }
            CloseHandle(mapping);
        }
        // Cuts off the unused zero bytes, or the whole growth on failure. The
        // high word makes sizes past 2 GB count from the start, not backwards.
        LONG finalHigh = 0;
        SetFilePointer(file, (LONG)finalSize, &finalHigh, FILE_BEGIN);
        SetEndOfFile(file);
    }
    CloseHandle(file);
    return recorded;
}
