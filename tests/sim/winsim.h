// The simulated Windows that the native tests link in place of the real API.
//
// A test builds a world (drives, disks, files, directories, the environment,
// the answers a user gives to message boxes, the faults the system shows),
// runs a piece of the launcher, and then reads what a user or the system
// would have seen: boxes, files, started programs, restart requests, and the
// call log with every argument. Every Win32 function that the launcher's
// platform seam declares is defined by this library (extern "C").
//
// World layout after Reset():
//   C:\            fixed drive, with C:\WINDOWS and C:\WINDOWS\TEMP
//   A:\            removable drive, empty until a test inserts a disk
//   GetTempPathA   "C:\WINDOWS\TEMP\"      GetWindowsDirectoryA  "C:\WINDOWS"
//   current dir    "C:\"                   GetModuleFileNameA    "A:\SETUP.EXE"
//   environment    PATH, TEMP, TMP, windir
//   delayed moves  accepted
//   message boxes  none expected: an unscripted box fails the test and is
//                  answered IDCANCEL
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

using Bytes = std::vector<unsigned char>;
Bytes ToBytes(std::string_view text);
// Equal but for letter case, as Windows compares names.
bool SameText(std::string_view a, std::string_view b);
// A directory path of exactly `length` characters on C:, made of 8.3 names.
std::string DirectoryOfLength(size_t length);

// Back to the default world. Frees whatever the previous test left behind.
void Reset();

// ---------------------------------------------------------------- files ----
// Paths are Windows paths ("A:\FILE.1", "\\server\share\x"); names are
// matched without regard to letter case; short (8.3) names are accepted
// wherever long ones are.

// Creates the directory and any missing parents.
void MakeDirectory(const std::string& path);
// Creates or replaces a file, creating missing parent directories.
void PutFile(const std::string& path, const Bytes& contents);
void PutFile(const std::string& path, std::string_view contents);
void RemoveFile(const std::string& path);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Contents of a file, or nothing when there is no such file.
std::optional<Bytes> FileBytes(const std::string& path);
std::string FileText(const std::string& path);  // "" when missing
// Short form of one existing file or directory's own name ("DOCUME~1").
// Without it, names that are already 8.3 are their own short form and other
// names get a generated NAME~N.EXT.
void SetShortName(const std::string& path, const std::string& shortName);

// Removable disks. A disk is a volume of its own; the drive shows the files
// of the disk that is in it. Disks can be swapped at any time, also from
// inside a message-box answer.
int NewDisk();
void PutFileOnDisk(int disk, const std::string& pathOnDisk, const Bytes& contents);
void InsertDisk(char drive, int disk);  // disk 0: the drive is left empty
void EjectDisk(char drive);
int DiskIn(char drive);                 // 0 when empty
// What GetDiskFreeSpaceA reports for a drive ('C', 'A'): its free bytes
// (1 GB unless set) and its sector size (512 unless set).
void SetFreeSpace(char drive, uint64_t bytes);
void SetSectorSize(char drive, DWORD bytes);
// Another fixed drive ('D') or a network share ("\\server\share").
void AddFixedDrive(char drive);
void AddNetworkShare(const std::string& root);

// A handle held by another process: the launcher's opens must respect its
// share mode. Not counted among the launcher's handles.
int HoldOpen(const std::string& path, DWORD access, DWORD share);
void ReleaseHold(int hold);

// ------------------------------------------------- system directories ----
// The temp directory as GetTempPathA reports it (should end with '\'). The
// directory itself is created.
void SetTempPath(const std::string& path);
void SetWindowsDirectory(const std::string& path);  // created as well
void SetCurrentDirectory(const std::string& path);  // must exist
std::string CurrentDirectory();
void SetModuleFileName(const std::string& path);

// Environment of the process; names are matched without regard to case.
std::optional<std::string> Env(const std::string& name);
std::map<std::string, std::string> Environment();

// --------------------------------------------------------------- faults ----
void FailLocalAlloc(bool fail = true);
// CreateFileA of this path fails (as if access were denied).
void FailOpen(const std::string& path);
// Disk full: once the file holds `size` bytes, a write that would grow it
// further writes nothing and fails.
void FailWritesBeyond(const std::string& path, uint64_t size);
// A write that would grow the file beyond `size` stores only what fits and
// still reports success, with the smaller byte count.
void ShortWritesBeyond(const std::string& path, uint64_t size);
// A read that would deliver the byte at `offset` of the file fails (a bad
// sector); each call adds one such byte.
void FailReadAt(const std::string& path, uint64_t offset);
void FailGetFileSize(const std::string& path);
// GetFileSize reports this high word for the file (a file of 4 GB or more);
// the low word is the real size.
void ReportFileSizeHigh(const std::string& path, DWORD high);
void FailMapping(bool fail = true);
void FailView(bool fail = true);
void FailGetTempPath(bool fail = true);
void FailGetWindowsDirectory(bool fail = true);
void FailGetShortPathName(bool fail = true);
// GetShortPathNameA returns this value and writes nothing (as it does when
// the short form does not fit the buffer).
void ForceShortPathResult(DWORD result);
void RefuseDelayedMoves(bool refuse = true);
void FailGetModuleFileName(bool fail = true);
void FailGetDlgItem(bool fail = true);
void FailPostMessage(bool fail = true);

// The process's error mode as SetErrorMode last left it (0 at the start).
UINT ErrorMode();

// ------------------------------------------------------------- call log ----
struct Arg {
    enum Kind { kNull, kNum, kStr } kind = kNull;
    uint64_t num = 0;
    std::string str;
};

struct Call {
    uint64_t seq = 0;
    std::string fn;
    std::vector<Arg> args;
    std::string file;  // the file a handle argument refers to, if any
    int64_t result = 0;

    uint64_t Num(size_t i) const;
    std::string Str(size_t i) const;
    bool IsNull(size_t i) const;
};

const std::vector<Call>& Calls();
std::vector<Call> CallsTo(const std::string& fn);
// CallsTo(fn) whose `file` (or first string argument) names this path.
std::vector<Call> CallsOn(const std::string& fn, const std::string& path);

// ---------------------------------------------------------- restart log ----
struct DelayedMove {
    std::string source;
    std::optional<std::string> target;
    DWORD flags = 0;
    bool accepted = false;
};
const std::vector<DelayedMove>& DelayedMoves();

// ---------------------------------------------------------- launch log ----
struct Launch {
    uint64_t seq = 0;
    std::string commandLine;
    UINT show = 0;
    std::string currentDirectory;
    std::map<std::string, std::string> environment;
    std::string resolvedPath;  // long path of the file named; "" if none
    std::optional<Bytes> image;  // that file's bytes at the moment of start
    UINT errorMode = 0;          // the process's error mode, which the child inherits

    std::optional<std::string> Env(const std::string& name) const;
};
const std::vector<Launch>& Launches();

// -------------------------------------------------------- message boxes ----
struct Box {
    uint64_t seq = 0;
    HWND owner = nullptr;
    std::string text;
    std::optional<std::string> caption;  // nothing: a null caption
    UINT style = 0;
    int answer = 0;
};
const std::vector<Box>& Boxes();

using BoxScript = std::function<int(const Box&)>;
// Every box is answered by the script (it may swap disks, post messages...).
void AnswerBoxes(BoxScript script);
// Boxes are answered with these codes in order; one box more fails the test.
void AnswerBoxesInOrder(std::vector<int> answers);
// After this many boxes every further box fails the test and is cancelled,
// so a looping launcher cannot hang a test.
void SetBoxLimit(int limit);

// -------------------------------------------------------------- dialogs ----
struct Dialog {
    HWND hwnd = nullptr;
    UINT_PTR templateId = 0;  // MAKEINTRESOURCE value; 0 for a named template
    HWND parent = nullptr;
    LPARAM initParam = 0;
    bool ended = false;
    INT_PTR result = 0;
    bool idle = false;  // its loop ran dry without EndDialog
    std::map<int, std::vector<std::string>> texts;  // per control, every text set
};
struct Dispatch {
    uint64_t seq = 0;
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    INT_PTR returned = 0;
    int depth = 0;       // 1 for the outermost call of a dialog procedure
    bool inBox = false;  // dispatched by a message box's loop
};
const std::vector<Dialog>& Dialogs();
const std::vector<Dispatch>& Dispatches();
// The current text of a control of the most recent dialog ("" if none).
std::string ControlText(int id);
// Called when a dialog's queue is empty and it has not ended; it may post
// messages. When it posts none, DialogBoxParamA gives up and returns -1.
void OnDialogIdle(std::function<void(HWND)> handler);
// Handle GetDlgItem gives for a control of a dialog.
HWND ControlHandle(HWND dialog, int id);

// ----------------------------------------------------------- accounting ----
int OpenFileHandles();
int OpenMappings();   // mapping handles not yet closed
int OpenFindHandles();
int LiveViews();
int LiveBlocks();     // LocalAlloc blocks not yet freed
const std::vector<SIZE_T>& AllocSizes();  // every LocalAlloc request
// Wrong uses of the API: closing an unknown handle, unmapping an unknown
// view, freeing an unknown block...
const std::vector<std::string>& Misuses();
// "" when every handle, view and block is released and nothing was misused;
// otherwise a description for the failure message.
std::string Leaks();

}  // namespace sim
