// Random piece sets on random disks, random answers and random faults, and
// a model of what the user must see and what must be started, written from
// the rules of the piece-set format and the disk prompts.
#pragma once

#include "draw.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fault {

// What lies at FILE.n on one disk (or in the one directory).
struct SlotFile {
    enum Kind { kGenuine, kForeign, kShort, kDirectory } kind = kGenuine;
    // kForeign: 0 a piece of another set; v > 0 the genuine header with
    // byte v - 1 changed. Its last-piece mark is `foreignLast`.
    int variant = 0;
    bool foreignLast = false;
    size_t shortLength = 0;  // kShort: the first bytes of the genuine header
};
using Disk = std::map<int, SlotFile>;

enum class Layout { kSideBySide, kOneDisk, kOnePerDisk, kGroups };
enum class SetupFault { kNone, kNoMemory, kNoTempFile, kNoTempPath };

// What the user does at a disk prompt: insert the disk that holds the
// genuine piece asked for, insert some disk (0: take the disk out), or
// leave the drive; then press a button (IDOK 1, IDCANCEL 2, or a code a
// box that could not be shown gives).
struct Answer {
    enum Mode { kWanted, kDisk, kLeave } mode = kWanted;
    int disk = 0;
    int code = 1;
};

struct AssemblyCase {
    Layout layout = Layout::kSideBySide;
    std::vector<size_t> payloads;  // genuine piece n's payload size at [n - 1]
    std::vector<bool> marks;       // genuine piece n's last-piece mark at [n - 1]
    std::vector<Disk> disks;       // side by side: the one directory
    int startDisk = 1;             // disk in A: at the start (1-based), 0 none
    std::map<int, uint64_t> readFaults;  // piece number -> file offset whose read fails
    std::set<int> openFaults;            // piece numbers whose open fails
    std::optional<uint64_t> writeLimit;  // the temp file cannot grow past this
    bool shortWrites = false;            // ...and says so by a short count, not a failure
    SetupFault setup = SetupFault::kNone;
    bool earlierInstaller = false;       // a kqtmpins.exe from an earlier run stands in temp
    std::vector<Answer> answers;
};

struct CaseProfile {
    int layout = -1;              // a Layout, or -1 for any
    unsigned perturbPercent = 50;  // foreign, short, missing, duplicate pieces
    unsigned faultPercent = 0;     // read, write, open and set-up faults
};

AssemblyCase DrawAssemblyCase(Draw& draw, const CaseProfile& profile);

// Outcomes seen over many cases, to show what the cases reached.
using Tally = std::map<std::string, int>;
std::string Show(const Tally& tally);

// Runs the case against the launcher in a fresh simulated world and checks
// it against the model; "" when they agree, else what differs. Counts the
// model's outcome into `tally` when given.
std::string RunAssemblyCase(const AssemblyCase& c, Tally* tally = nullptr);
std::string Describe(const AssemblyCase& c);

}  // namespace fault
