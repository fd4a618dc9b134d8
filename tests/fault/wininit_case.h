// One deletion or rename request against a WinInit.Ini that already stands
// in the Windows directory, checked against an oracle written from the rule:
// the request line goes right after the first exact "[Rename]" CR LF before
// the first zero byte, or a header and the line are appended at the end.
#pragma once

#include "draw.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fault {

enum class IniFault {
    kNone,
    kOpen,          // the open fails (as if access were denied)
    kHeldOpen,      // another process holds the file open
    kMapping,
    kView,
    kFileSize,      // GetFileSize fails
    kHugeFile,      // GetFileSize reports a high word: 4 GB or more
    kWindowsDirectory,  // GetWindowsDirectoryA fails
};

struct IniCase {
    std::optional<std::vector<unsigned char>> existing;  // nothing: no WinInit.Ini yet
    std::string source;
    std::optional<std::string> target;  // nothing: a deletion
    IniFault fault = IniFault::kNone;
    bool delayedMoveAccepted = false;
    int windowsDirectory = 0;  // 0 C:\WINDOWS, 1 D:\OS\WIN95, 2 247 characters, 3 248 characters
};

// A random existing file: sections, headers in other case or with bare
// line feeds, headers inside lines, zero bytes; several MB when `large`.
std::vector<unsigned char> DrawIniContent(Draw& draw, bool large);
// A random path for either side of the request, sometimes long enough to
// bring the line close to or past the formatter's 1024 bytes.
std::string DrawPath(Draw& draw);
IniCase DrawIniCase(Draw& draw, bool allowFaults, bool large);

// What the file must hold afterwards, and whether the request counts as
// recorded; nothing when the file must not exist.
struct IniOutcome {
    std::optional<std::vector<unsigned char>> file;
    bool recorded = false;
    bool opened = true;  // whether WinInit.Ini may be opened at all
};
IniOutcome OracleFor(const IniCase& c);

// Runs the case in a fresh simulated world; "" when everything agrees with
// the oracle and nothing was left open, else what went wrong.
// Counts the oracle's outcome into `tally` when given.
std::string RunIniCase(const IniCase& c, std::map<std::string, int>* tally = nullptr);
std::string Describe(const IniCase& c);

}  // namespace fault
