// How an installer is laid over its pieces and disks.
#pragma once

#include <cstdint>
#include <optional>

#include "format/media.h"
#include "format/piece_header.h"

namespace pieceset {

// How many pieces of which payload, so that each disk's files fit on it in
// whole clusters (the launcher, as SETUP.EXE, shares disk 1 with FILE.1).
PieceLayout PlanLayout(std::uint64_t installer_size, const Medium& first, const Medium& later,
                       std::optional<std::uint64_t> launcher_size);

// PlanLayout with pieces short enough that each of `recovery` REPAIR pieces
// fits a later disk beside a file of `beside_bytes` (REPAIR.EXE, or 0);
// UsageError beyond the code's 255 disks.
PieceLayout PlanRecoveryLayout(std::uint64_t installer_size, const Medium& first,
                               const Medium& later, std::optional<std::uint64_t> launcher_size,
                               std::uint32_t recovery, std::uint64_t beside_bytes);

}  // namespace pieceset
