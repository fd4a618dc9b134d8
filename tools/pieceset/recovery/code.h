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

// Computes the checksums and the M recovery disks one piece disk at a time,
// so that a set is never held whole; the code's form, `recovery` and
// `blocks` set first.
class Encoder {
 public:
  explicit Encoder(RecoveryCode& code);
  // The next piece disk, b blocks long.
  void Add(const DiskBytes& disk);
  // The recovery disks, once all k piece disks are added.
  std::vector<DiskBytes> Finish();

 private:
  RecoveryCode& code_;
  std::vector<std::uint8_t> tables_;
  std::vector<DiskBytes> parity_;
  std::uint32_t added_ = 0;
  Sha256 sha_;
};

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

// Rebuilds every bad block of `disks` in place; Error when a stripe has more
// than M, or when a rebuilt block does not match its checksum.
void Rebuild(const RecoveryCode& code, const Damage& damage, std::vector<DiskBytes>& disks);

}  // namespace pieceset::recovery
