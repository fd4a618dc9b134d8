#include "set/layout.h"

#include <algorithm>
#include <string>

#include "base/errors.h"
#include "format/recovery_header.h"

namespace pieceset {

namespace {

// What one disk offers a piece after the launcher, if it carries one.
std::uint64_t PayloadRoom(const Medium& medium, const char* which,
                          std::optional<std::uint64_t> launcher_size) {
  const std::string disk =
      std::string("the ") + which + " disk" +
      (medium.file_system == FileSystem::kBytes ? "" : " (" + MediaName(medium) + ")");
  const std::uint64_t clusters = DataClusters(medium);
  const std::uint64_t cluster = ClusterBytes(medium);
  const std::uint64_t launcher_clusters =
      launcher_size ? ClustersFor(*launcher_size, medium) : 0;
  // The piece, the launcher, and on FAT the volume label each take a slot.
  const std::uint32_t entries = 1 + (launcher_size ? 1 : 0) +
                                (medium.file_system == FileSystem::kBytes ? 0 : 1);
  if (medium.root_entries != 0 && entries > medium.root_entries) {
    throw UsageError(disk + " has too few root directory slots");
  }
  if (launcher_size && launcher_clusters > clusters) {
    throw UsageError("the launcher (" + std::to_string(*launcher_size) +
                     " bytes) does not fit on " + disk + ", which holds " +
                     std::to_string(clusters * cluster) + " bytes of files");
  }
  const std::uint64_t room = (clusters - launcher_clusters) * cluster;
  if (room < kHeaderSize + 1) {
    if (launcher_size) {
      throw UsageError("the launcher (" + std::to_string(*launcher_size) +
                       " bytes) leaves " + std::to_string(room) + " bytes on " + disk +
                       "; FILE.1 needs at least 1025 (its 1024-byte header and one byte)");
    }
    throw UsageError(disk + " holds " + std::to_string(room) +
                     " bytes of files; a piece needs at least 1025 "
                     "(its 1024-byte header and one byte)");
  }
  return room - kHeaderSize;
}

// Pieces of `layout`'s payloads that `installer_size` bytes take.
std::uint32_t CountPieces(std::uint64_t installer_size, const PieceLayout& layout) {
  if (installer_size <= layout.first_payload) return 1;
  const std::uint64_t rest = installer_size - layout.first_payload;
  const std::uint64_t count =
      1 + rest / layout.later_payload + (rest % layout.later_payload != 0 ? 1 : 0);
  if (count > kMaxPieces) {
    throw UsageError("that would make " + std::to_string(count) +
                     " pieces; pieceset writes at most " + std::to_string(kMaxPieces));
  }
  return static_cast<std::uint32_t>(count);
}

}  // namespace

PieceLayout PlanLayout(std::uint64_t installer_size, const Medium& first,
                  const Medium& later, std::optional<std::uint64_t> launcher_size) {
  PieceLayout layout;
  layout.installer_size = installer_size;
  layout.first_payload = PayloadRoom(first, "first", launcher_size);
  layout.later_payload = PayloadRoom(later, "later", std::nullopt);
  layout.piece_count = CountPieces(installer_size, layout);
  return layout;
}

PieceLayout PlanRecoveryLayout(std::uint64_t installer_size, const Medium& first,
                               const Medium& later, std::optional<std::uint64_t> launcher_size,
                               std::uint32_t count, std::uint64_t beside_bytes) {
  constexpr std::uint64_t kBlockSize = kRecoveryBlockSize;
  if (count > kMaxRecovery) {
    throw UsageError("--recovery " + std::to_string(count) + ": at most " +
                     std::to_string(kMaxRecovery) + " recovery pieces");
  }
  const PieceLayout plain = PlanLayout(installer_size, first, later, launcher_size);
  const std::uint64_t launcher_bytes =
      launcher_size ? std::uint64_t{BlocksFor(*launcher_size)} * kBlockSize : 0;
  // Each REPAIR.k holds parity as long as the longest disk's files plus the
  // checksum of every block of every disk, and must fit a later disk beside
  // REPAIR.EXE: the pieces are cut a block shorter at a time until it does.
  const std::uint64_t beside = ClustersFor(beside_bytes, later);
  for (std::uint32_t blocks = BlocksFor(DataBytes(later)); blocks > 0; --blocks) {
    const std::uint64_t disk_bytes = std::uint64_t{blocks} * kBlockSize;
    if (disk_bytes <= launcher_bytes + kHeaderSize) break;
    PieceLayout layout = plain;
    layout.first_payload =
        std::min(plain.first_payload, disk_bytes - launcher_bytes - kHeaderSize);
    layout.later_payload = std::min(plain.later_payload, disk_bytes - kHeaderSize);
    layout.piece_count = CountPieces(installer_size, layout);
    const std::uint64_t first_piece = std::min(installer_size, layout.first_payload);
    std::uint32_t used = BlocksFor(launcher_bytes + kHeaderSize + first_piece);
    if (layout.piece_count > 1) used = std::max(used, BlocksFor(kHeaderSize + layout.later_payload));
    const std::uint64_t size = RecoveryFileSize(layout.piece_count, count, used);
    if (ClustersFor(size, later) + beside > DataClusters(later)) continue;
    if (layout.piece_count + count > kMaxDisks) {
      throw UsageError("with --recovery " + std::to_string(count) + " the set takes " +
                       std::to_string(layout.piece_count + count) + " disks; a recovery code spans at most " +
                       std::to_string(kMaxDisks) + ": give larger --media");
    }
    return layout;
  }
  throw UsageError("a recovery piece does not fit on a " + MediaName(later) +
                   " disk beside the checksums of so many pieces: give larger --media");
}

}  // namespace pieceset
