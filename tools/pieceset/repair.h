// The recovery pieces of a set on disk: writing them after a cut, what
// verify says of them, and the repair command.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "io.h"
#include "pieces.h"
#include "recovery.h"

namespace pieceset {

// Writes REPAIR.1 ... REPAIR.<count> for the set just cut into `out`, each
// in a disk folder of its own after the pieces' (or beside them when flat).
// `disk_files` are the files of each piece disk; returns the new disks'.
// It reads the pieces' files and writes only the new disks', so it may run
// while the pieces' images are made.
std::vector<std::vector<fs::path>> WriteRecoveryPieces(
    const recovery::SetForm& form, std::uint32_t count,
    const std::vector<std::vector<fs::path>>& disk_files, const fs::path& out,
    bool show_progress);

// The set's recovery code and what it says of the copies found.
struct RecoveryCheck {
  recovery::Code code;
  recovery::Assessment assessment;
};

// Reads every copy of every file of the set's disks, when recovery pieces
// are among `sources`; where a piece is found whole and damaged, only the
// whole copy is kept (with a note). Nothing when there are no recovery pieces.
std::optional<RecoveryCheck> CheckRecovery(PieceSources& sources);

// Prints verify's lines for the disks and its verdict; returns its exit
// status: 0 good, 1 damaged beyond repair, 3 damaged but repairable.
int ReportRecovery(const RecoveryCheck& check, const SetReport& report);

// pieceset repair: rebuilds the missing and damaged disks into `target`.
int RunRepair(const std::vector<std::string>& places, const fs::path& target, bool force);

}  // namespace pieceset
