// The Reed-Solomon code (ISA-L) over the stripes of a set's disks: encoding,
// which stripes are damaged past its reach, and rebuilding the rest. A disk
// here is its blocks laid end to end; nothing here knows files.
#pragma once

#include <cstdint>
#include <vector>

#include "base/sha256.h"
#include "format/recovery_header.h"

namespace pieceset::recovery {

// The blocks of one disk laid end to end (b * kRecoveryBlockSize bytes).
using DiskBytes = std::vector<std::uint8_t>;

// The checksum of one block, as the table keeps it.
Sum BlockSum(Sha256& sha, const std::uint8_t* block);

// The recovery disks' blocks of stripes `first` ... from `pieces`, those
// stripes of every piece disk (each as long as the window), and the
// checksums of those blocks of every disk into `code.sums`, which holds
// (k + M) * b of them: a set is encoded a window at a time, never whole.
std::vector<DiskBytes> EncodeStripes(RecoveryCode& code, std::uint32_t first,
                                     const std::vector<DiskBytes>& pieces);

// The damaged blocks of every disk and what that means stripe by stripe.
struct Damage {
  std::vector<std::vector<std::uint32_t>> bad_blocks;  // k + M, each sorted
  std::uint32_t worst_stripe = 0;
  std::uint32_t worst_count = 0;  // bad blocks in that stripe

  bool repairable(const RecoveryCode& code) const { return worst_count <= code.recovery; }
  // Disks with a bad block in a stripe past the code's reach.
  std::vector<std::uint32_t> Lost(const RecoveryCode& code) const;
};

Damage AssessStripes(const RecoveryCode& code, std::vector<std::vector<std::uint32_t>> bad_blocks);

// Rebuilds every bad block of stripes `first` ... `first + count - 1` in
// place, `window` holding those blocks of every disk; Error when a stripe
// has more than M, or when a rebuilt block does not match its checksum.
void Rebuild(const RecoveryCode& code, const Damage& damage, std::uint32_t first,
             std::uint32_t count, std::vector<DiskBytes>& window);

}  // namespace pieceset::recovery
