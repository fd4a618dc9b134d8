// Joins a piece set into the temporary installer and starts it.
#include "assembly/assembly.h"

#include "assembly/piece.h"
#include "helpers/helpers.h"
#include "platform/platform.h"
#include "restart/restart.h"

static constexpr DWORD kTransferSize = 1024;
static const char kInstallerName[] = "kqtmpins.exe";

// How joining the pieces ended.
enum JoinOutcome {
    kJoined,
    kCancelled,
    kOutOfSpace,
    kUnreadable,
    kNoFirstPiece,
};

// A message: the words, then the number in decimal.
static void FormatNumbered(char* text, const char* words, int number)
{
    char digits[12];
    FormatNumber(digits, number);
    PutText(text, MAX_PATH, 0, words);
    PutText(text, MAX_PATH, TextLength(text), digits);
}

// The temp directory (which ends with a backslash) plus the installer's name.
static BOOL BuildInstallerPath(char* path)
{
    DWORD length = GetTempPathA(MAX_PATH, path);
    if (length == 0 || length >= MAX_PATH)
        return FALSE;
    return PutText(path, MAX_PATH, length, kInstallerName);
}

// Rewrites the number after the path's last "." in place: FILE.9 becomes
// FILE.10. FALSE, with the path untouched, when the new name would not fit.
static BOOL SetPieceNumber(char* piecePath, int number)
{
    DWORD dot = TextLength(piecePath);
    while (dot > 0 && piecePath[dot - 1] != '.')
        --dot;
    char digits[12];
    FormatNumber(digits, number);
    return PutText(piecePath, MAX_PATH, dot, digits);
}

static HANDLE OpenPiece(const char* piecePath)
{
    return CreateFileA(piecePath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, kOpenFlags,
                       NULL);
}

// A header read that delivers less than a whole header counts as failed.
static BOOL ReadHeader(HANDLE piece, PieceHeader* header)
{
    DWORD read = 0;
    return ReadFile(piece, header, kHeaderSize, &read, NULL) && read == kHeaderSize;
}

// Pieces of one set agree on every byte but the last-piece mark.
static BOOL SameSet(const PieceHeader* reference, const PieceHeader* header)
{
    for (unsigned i = 0; i < kIdentitySize; ++i) {
        if (reference->identity[i] != header->identity[i])
            return FALSE;
    }
    return TRUE;
}

// Asks for a disk; any answer but OK, a box that could not be shown
// included, counts as Cancel.
static BOOL AskForDisk(int number, const char* caption)
{
    char prompt[MAX_PATH];
    FormatNumbered(prompt, "Please insert disk ", number);
    return MessageBoxA(NULL, prompt, caption, MB_OKCANCEL) == IDOK;
}

// Opens the piece at piecePath once it belongs to the reference's set,
// asking for the right disk until it does; INVALID_HANDLE_VALUE when the
// user gives up. The piece's last-piece mark goes to *last.
static HANDLE OpenMatchingPiece(const char* piecePath, int number, const PieceHeader* reference,
                                BOOL* last)
{
    for (;;) {
        HANDLE piece = OpenPiece(piecePath);
        if (piece != INVALID_HANDLE_VALUE) {
            PieceHeader header;
            if (ReadHeader(piece, &header) && SameSet(reference, &header)) {
                *last = header.last_piece != 0;
                return piece;
            }
            CloseHandle(piece);
        }
        if (!AskForDisk(number, "This is not the right disk"))
            return INVALID_HANDLE_VALUE;
    }
}

// Copies the rest of the piece, its payload, to the installer.
static JoinOutcome CopyPayload(HANDLE piece, HANDLE installer, char* buffer)
{
    for (;;) {
        DWORD read = 0;
        // A read that fails part way would start a truncated installer.
        if (!ReadFile(piece, buffer, kTransferSize, &read, NULL))
            return kUnreadable;
        if (read == 0)
            return kJoined;
        DWORD written = 0;
        // A short write leaves a hole in the installer as surely as a failed one.
        if (!WriteFile(installer, buffer, read, &written, NULL) || written != read)
            return kOutOfSpace;
    }
}

// Copies the payload of every piece of the set, in order, into the
// installer. On kUnreadable, *pieceNumber names the piece that failed.
static JoinOutcome JoinPieces(char* piecePath, HANDLE installer, char* buffer, int* pieceNumber)
{
    *pieceNumber = 1;
    HANDLE piece = OpenPiece(piecePath);
    if (piece == INVALID_HANDLE_VALUE)
        return kNoFirstPiece;
    // FILE.1 is not checked: it is the reference every later piece must match.
    PieceHeader reference;
    if (!ReadHeader(piece, &reference)) {
        CloseHandle(piece);
        return kUnreadable;
    }
    BOOL last = reference.last_piece != 0;
    // Once a piece has been found beside the one before, the set lies side
    // by side at least that far; a missing piece is then a wrong disk, not
    // the next one.
    BOOL foundWithoutPrompt = FALSE;

    for (;;) {
        JoinOutcome copied = CopyPayload(piece, installer, buffer);
        CloseHandle(piece);
        if (copied != kJoined || last)
            return copied;

        ++*pieceNumber;
        if (!SetPieceNumber(piecePath, *pieceNumber))
            return kUnreadable;
        if (PathExists(piecePath))
            foundWithoutPrompt = TRUE;
        else if (!foundWithoutPrompt && !AskForDisk(*pieceNumber, "Next Disk"))
            return kCancelled;

        piece = OpenMatchingPiece(piecePath, *pieceNumber, &reference, &last);
        if (piece == INVALID_HANDLE_VALUE)
            return kCancelled;
    }
}

// Sets the "=X:" entry that tells a child process its current directory on
// that drive; a UNC directory has no drive.
static void RecordDriveDirectory(void)
{
    char current[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
    if (length == 0 || length >= MAX_PATH)
        return;
    if (current[0] == current[1] && (current[0] == '\\' || current[0] == '/'))
        return;
    char drive = current[0];
    if (drive >= 'a' && drive <= 'z')
        drive = (char)(drive - 'a' + 'A');
    char name[4] = {'=', drive, ':', 0};
    SetEnvironmentVariableA(name, current);
}

// Starts the installer from the Windows directory through its short path;
// the installer inherits that directory and our environment.
static void LaunchInstaller(const char* installerPath)
{
    char windowsDirectory[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windowsDirectory, MAX_PATH);
    // Without the Windows directory the installer still starts, from here.
    if (length != 0 && length < MAX_PATH && SetCurrentDirectoryA(windowsDirectory))
        RecordDriveDirectory();

    char shortPath[MAX_PATH];
    DWORD shortLength = GetShortPathNameA(installerPath, shortPath, MAX_PATH);
    if (shortLength == 0 || shortLength >= MAX_PATH)
        return;
    WinExec(shortPath, SW_SHOW);
}

void AssembleInstaller(char* piecePath)
{
    char installerPath[MAX_PATH];
    if (!BuildInstallerPath(installerPath))
        return;

    JoinOutcome outcome = kCancelled;
    int pieceNumber = 1;
    char* buffer = (char*)LocalAlloc(LMEM_FIXED, kTransferSize);
    if (buffer != NULL) {
        HANDLE installer = CreateFileA(installerPath, GENERIC_WRITE, FILE_SHARE_WRITE, NULL,
                                       CREATE_ALWAYS, kOpenFlags, NULL);
        if (installer != INVALID_HANDLE_VALUE) {
            // Asked before the first byte is copied, so even a partial file
            // goes at the next start.
            ScheduleRenameOnReboot(installerPath, NULL);
            outcome = JoinPieces(piecePath, installer, buffer, &pieceNumber);
            CloseHandle(installer);
        }
        LocalFree(buffer);
    }

    if (outcome == kJoined) {
        LaunchInstaller(installerPath);
    } else if (outcome == kOutOfSpace) {
        MessageBoxA(NULL, "Could not assemble installer.  Out of disk space?", NULL, MB_ICONHAND);
    } else if (outcome == kNoFirstPiece) {
        MessageBoxA(NULL, "Missing FILE.1", NULL, MB_ICONHAND);
    } else if (outcome == kUnreadable) {
        char text[MAX_PATH];
        FormatNumbered(text, "Could not read disk ", pieceNumber);
        MessageBoxA(NULL, text, NULL, MB_ICONHAND);
    }
}
