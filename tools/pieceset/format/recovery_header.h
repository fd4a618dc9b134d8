// The recovery pieces REPAIR.1 ... REPAIR.M: their header and checksum
// table, and which bytes of which files of each disk the code covers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/byte_range.h"
#include "base/sha256.h"
#include "format/media.h"
#include "format/piece_header.h"

namespace pieceset {

// A bad floppy sector (512 bytes) costs one block; 8192 keeps the checksum
// table of a 200-floppy set within a tenth of a recovery disk, and so the
// pieces that must shrink to leave it room.
constexpr std::size_t kRecoveryBlockSize = 8192;
constexpr std::size_t kSumSize = 4;  // first bytes of the block's SHA-256
constexpr std::uint32_t kRecoveryVersion = 1;
constexpr std::size_t kRecoveryHeaderSize = kRecoveryBlockSize;
// Disks and recovery pieces of one stripe: a Cauchy matrix over GF(2^8)
// has at most 256 rows, and 255 leaves no row that is all zero.
constexpr std::uint32_t kMaxDisks = 255;
constexpr std::uint32_t kMaxRecovery = 32;

using Sum = std::array<std::uint8_t, kSumSize>;

// How the set was cut, so that a lost disk comes back as it was.
struct SetForm {
  Digest set_id{};
  PieceLayout layout;                          // its piece_count is the code's k
  std::optional<std::uint64_t> launcher_size;  // SETUP.EXE on disk 1
  bool flat = false;
  bool images = false;
  Medium first_media = BytesMedium(0);
  Medium media = BytesMedium(0);
  // The date of every file on the images, so that a rebuilt image is the one
  // that was cut.
  std::int64_t image_epoch = 0;
  // REPAIR.EXE beside each recovery piece: outside the code, so known by its
  // size and digest.
  std::optional<std::uint64_t> repair_program_size;
  Digest repair_program_digest{};
};

// The room a recovery disk keeps for REPAIR.EXE (or its size, when larger):
// the shipped build's bound, so that a set's layout does not change with the
// program's bytes.
constexpr std::uint64_t kRepairProgramRoom = 12288;

// The code of one set: k piece disks, M recovery pieces, b blocks a disk,
// and the checksum of every block of every disk.
struct RecoveryCode {
  SetForm form;
  std::uint32_t recovery = 0;  // M
  std::uint32_t blocks = 0;    // b
  std::vector<Sum> sums;       // (k + M) * b, disk by disk

  std::uint32_t pieces() const { return form.layout.piece_count; }  // k
  std::uint32_t disks() const { return pieces() + recovery; }
  const Sum& SumOf(std::uint32_t disk, std::uint32_t block) const {
    return sums[std::size_t{disk} * blocks + block];
  }
};

// A file of a disk and where its bytes sit in the disk's blocks: the
// extent's device offset is a multiple of kRecoveryBlockSize.
struct CodedFile {
  std::string name;  // "SETUP.EXE", "FILE.3", "REPAIR.1"
  Extent extent;     // REPAIR.k's parity follows its header and table
};

// The files of disk `disk` (0-based: pieces first, then recovery pieces).
std::vector<CodedFile> CodedFiles(const RecoveryCode& code, std::uint32_t disk);

std::uint32_t BlocksFor(std::uint64_t bytes);

// The size of REPAIR.k for k pieces, M recovery pieces and b blocks a disk.
std::uint64_t RecoveryFileSize(std::uint32_t pieces, std::uint32_t recovery, std::uint32_t blocks);

// REPAIR.<index>'s header and table (the parity follows).
std::vector<std::uint8_t> EncodeRecoveryHeader(const RecoveryCode& code, std::uint32_t index);

// Whether `bytes` start as a recovery piece's header does.
bool IsRecoveryHeader(const std::uint8_t* bytes, std::size_t size);

// How many bytes REPAIR.k's header and table take, from its first
// kRecoveryHeaderSize bytes; nothing when they are no recovery piece's.
std::optional<std::uint64_t> RecoveryHeaderLength(const std::vector<std::uint8_t>& first);

// Which recovery piece of its code a header says it is (1..M).
std::uint32_t RecoveryIndex(const std::vector<std::uint8_t>& bytes);

// The code a REPAIR piece of `file_size` bytes describes, from its first
// bytes (at least its header and table); Error saying why when they describe
// none, or a piece of another size. Without a size: `bytes` are the whole file.
RecoveryCode DecodeRecoveryHeader(const std::vector<std::uint8_t>& bytes, std::uint64_t file_size);
RecoveryCode DecodeRecoveryHeader(const std::vector<std::uint8_t>& bytes);

}  // namespace pieceset
