// Recovery pieces REPAIR.1 ... REPAIR.M: a Reed-Solomon code (ISA-L) over
// the files of every disk of a set, and the checksums that locate damage.
// Nothing here knows images or folders: a disk is the bytes of its files.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "format.h"
#include "header.h"

namespace pieceset::recovery {

// A bad floppy sector (512 bytes) costs one block; 8192 keeps the checksum
// table of a 200-floppy set within a tenth of a recovery disk, and so the
// pieces that must shrink to leave it room.
constexpr std::size_t kBlockSize = 8192;
constexpr std::size_t kSumSize = 4;  // first bytes of the block's SHA-256
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kPreambleSize = kBlockSize;  // REPAIR.k's header
// Disks and recovery pieces of one stripe: a Cauchy matrix over GF(2^8)
// has at most 256 rows, and 255 leaves no row that is all zero.
constexpr std::uint32_t kMaxDisks = 255;
constexpr std::uint32_t kMaxRecovery = 32;

using Sum = std::array<std::uint8_t, kSumSize>;

// How the set was cut, so that a lost disk comes back as it was.
struct SetForm {
  Digest set_id{};
  std::uint64_t installer_size = 0;
  std::uint64_t first_payload = 0;
  std::uint64_t later_payload = 0;
  std::optional<std::uint64_t> launcher_size;  // SETUP.EXE on disk 1
  bool flat = false;
  bool images = false;
  Medium first_media = BytesMedium(0);
  Medium media = BytesMedium(0);
  // The date of every file on the images, so that a rebuilt image is the one
  // that was cut.
  std::int64_t image_epoch = 0;
};

// The code of one set: k piece disks, M recovery pieces, b blocks a disk.
struct Code {
  SetForm form;
  std::uint32_t pieces = 0;    // k
  std::uint32_t recovery = 0;  // M
  std::uint32_t blocks = 0;    // b
  std::vector<Sum> sums;       // (k + M) * b, disk by disk

  std::uint32_t disks() const { return pieces + recovery; }
};

// A file of a disk and where its bytes sit in the disk's blocks.
struct Extent {
  std::string name;          // "SETUP.EXE", "FILE.3", "REPAIR.1"
  std::uint64_t file_offset;  // REPAIR.k's parity follows its header and table
  std::uint64_t length;
  std::uint64_t disk_offset;  // a multiple of kBlockSize
};

// The files of disk `disk` (0-based: pieces first, then recovery pieces).
std::vector<Extent> DiskExtents(const Code& code, std::uint32_t disk);

std::uint32_t BlocksFor(std::uint64_t bytes);

// The size of REPAIR.k for k pieces, M recovery pieces and b blocks a disk.
std::uint64_t RecoveryFileSize(std::uint32_t pieces, std::uint32_t recovery,
                               std::uint32_t blocks);

// The blocks of one disk laid end to end (b * kBlockSize bytes).
using DiskBytes = std::vector<std::uint8_t>;

// Computes the checksums and the M recovery disks one piece disk at a time,
// so that a set is never held whole; `code.form`, `pieces`, `recovery` and
// `blocks` set first.
class Encoder {
 public:
  explicit Encoder(Code& code);
  // The next piece disk, b blocks long.
  void Add(const DiskBytes& disk);
  // The recovery disks, once all k piece disks are added.
  std::vector<DiskBytes> Finish();

 private:
  Code& code_;
  std::vector<std::uint8_t> tables_;
  std::vector<DiskBytes> parity_;
  std::uint32_t added_ = 0;
  Sha256 sha_;
};

// The same over `data` (k disks, each already b blocks long).
std::vector<DiskBytes> Encode(Code& code, const std::vector<DiskBytes>& data);

// REPAIR.<index>'s header and table (the parity follows).
std::vector<std::uint8_t> Preamble(const Code& code, std::uint32_t index);

// How many bytes REPAIR.k's header and table take, from its first
// kPreambleSize bytes; nullopt when they are no recovery piece's.
std::optional<std::uint64_t> PreambleLength(const std::vector<std::uint8_t>& first);

// Which recovery piece of its code a header says it is (1..M).
std::uint32_t PreambleIndex(const std::vector<std::uint8_t>& bytes);

// The code a REPAIR piece's first bytes describe, or why they describe none.
std::optional<Code> ParsePreamble(const std::vector<std::uint8_t>& bytes,
                                  std::string* problem);

struct ByteRange {
  std::uint64_t begin = 0;
  std::uint64_t end = 0;  // one past
};

// One copy of a file as it was read.
struct Copy {
  std::string shown;
  std::vector<std::uint8_t> bytes;  // may be shorter than the file
  // Bytes that could not be read (zeros in `bytes`), e.g. from an image's
  // unreadable sectors: damage known without the checksums.
  std::vector<ByteRange> known_bad;
};

// Copies by upper-case file name.
using Copies = std::map<std::string, std::vector<Copy>>;

struct DiskState {
  std::uint32_t disk = 0;                 // 0-based
  std::vector<std::uint32_t> bad_blocks;  // of its b
  std::vector<std::string> missing;       // files with no copy at all
  bool rewrite = false;                   // some file has no whole copy
};

struct Assessment {
  std::vector<DiskBytes> disks;        // k + M, bad blocks zero
  std::vector<DiskState> states;       // k + M
  // Per file: the whole copy that counts, when another copy is damaged.
  std::map<std::string, std::pair<std::string, std::vector<std::string>>> replaced;
  // Files with two whole copies whose bytes differ.
  std::vector<std::string> conflicts;
  std::uint32_t worst_stripe = 0;
  std::uint32_t worst_count = 0;  // bad blocks in that stripe
  bool damaged = false;

  bool repairable(const Code& code) const { return worst_count <= code.recovery; }
  // Disks with a bad block in a stripe past the code's reach.
  std::vector<std::uint32_t> Lost(const Code& code) const;
};

// Lays every disk out from the copies found and marks what the checksums
// (and the known-bad ranges) say is damaged.
Assessment Assess(const Code& code, const Copies& copies);

// Rebuilds every bad block in place; Error when a stripe has more than M, or
// when a rebuilt block does not match its checksum.
void Rebuild(const Code& code, Assessment& assessment);

// "blocks 3-10, 17" for messages.
std::string BlockList(const std::vector<std::uint32_t>& blocks);

}  // namespace pieceset::recovery
