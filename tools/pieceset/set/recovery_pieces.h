// The recovery pieces of a set as files: written after a cut, read with
// every copy of every file of the set's disks, and the disks rebuilt from
// them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "format/recovery_header.h"
#include "recovery/code.h"
#include "set/sources.h"

namespace pieceset {

namespace fs = std::filesystem;

// Writes REPAIR.1 ... REPAIR.<count> for the set just cut into `out`, each
// in a disk folder of its own after the pieces' (or beside them when flat).
// `disk_files` are the files of each piece disk; returns the new disks'.
// It reads the pieces' files and writes only the new disks', so it may run
// while the pieces' images are made.
std::vector<std::vector<fs::path>> WriteRecoveryPieces(
    const SetForm& form, std::uint32_t count,
    const std::vector<std::vector<fs::path>>& disk_files, const fs::path& out,
    bool show_progress);

// One copy of a file as it was found.
class CopySource;

struct Copy {
  std::string shown;
  std::string where;  // the image or folder it lies in
  // The bytes, where no `source` reads them from their disk a range at a
  // time (a set is never held whole); may be shorter than the file.
  std::vector<std::uint8_t> bytes;
  // Bytes known not to be read (an image's unreadable sectors, its rescue
  // map): damage known without the checksums.
  std::vector<ByteRange> known_bad;
  // Why the disk holding it needs rewriting though its bytes were read (a
  // broken first FAT); empty when it does not.
  std::string flaw;
  std::shared_ptr<CopySource> source;

  std::uint64_t size() const;
  // `length` bytes from `offset` into `to`; the ranges (from `offset`) that
  // could not be read, zeros in `to`.
  std::vector<ByteRange> Read(std::uint64_t offset, std::uint8_t* to, std::size_t length) const;
};

// Copies by upper-case file name.
using Copies = std::map<std::string, std::vector<Copy>>;

struct DiskState {
  std::vector<std::string> missing;  // files with no copy at all
  std::vector<std::string> flaws;    // the rest that needs the disk rewritten
  bool rewrite = false;              // some file has no whole copy
};

// Where the good bytes of one block of a disk are: `length` bytes from
// `offset` of `copy`; no copy for a block that is bad, or past the files.
struct BlockSource {
  const Copy* copy = nullptr;
  std::uint64_t offset = 0;
  std::uint64_t length = 0;
};

// The set's recovery code and what it says of the copies found.
struct RecoveryCheck {
  RecoveryCode code;
  std::shared_ptr<const Copies> copies;
  std::vector<std::vector<BlockSource>> blocks;  // k + M disks of b blocks
  std::vector<DiskState> states;                 // k + M
  recovery::Damage damage;
  // Per file: the whole copy that counts, when another copy is damaged.
  std::map<std::string, std::pair<std::string, std::vector<std::string>>> replaced;
  // Files with two whole copies whose bytes differ.
  std::vector<std::string> conflicts;
  bool damaged = false;
  // REPAIR.EXE as cut, from a copy that matches the recovery header.
  std::optional<std::vector<std::uint8_t>> repair_program;
};


// Files known to hold their bytes as cut, by where they were found
// ("d2.img::FILE.2"): a set walk read them whole, and the joined
// installer's digest matched.
using ProvenFiles = std::set<std::string>;

// Finds for every block of every disk a copy that holds it whole, by the
// checksums (and the known-bad ranges), and marks what is damaged; the
// blocks of a file in `proven` are not read.
RecoveryCheck AssessCopies(RecoveryCode code, Copies copies, const ProvenFiles* proven = nullptr);

// Blocks `first` ... `first + count - 1` of every disk, laid end to end from
// their sources, bad blocks zero: a window to rebuild.
std::vector<recovery::DiskBytes> LayOut(const RecoveryCheck& check, std::uint32_t first,
                                        std::uint32_t count);

// Reads every copy of every file of the set's disks, when recovery pieces
// are among `sources`; where a piece is found whole and damaged, only the
// whole copy is kept (with a note). Nothing when there are no recovery pieces.
// Where recovery pieces were found and none can be used, `unusable` gets
// why for each that claims to be the set's (a damaged or forged header), not
// for another set's.
std::optional<RecoveryCheck> CheckRecovery(PieceSources& sources, const ProvenFiles* proven = nullptr,
                                           std::vector<std::string>* unusable = nullptr);

// The files of disk `disk` by name: its files in the code, and REPAIR.EXE
// on a recovery disk that carries it.
std::vector<std::string> DiskFiles(const RecoveryCode& code, std::uint32_t disk);

// "disk 3 (FILE.3)", "disk 1 (SETUP.EXE, FILE.1)"
std::string DiskText(const RecoveryCode& code, std::uint32_t disk);
std::string DiskList(const RecoveryCode& code, const std::vector<std::uint32_t>& disks);

// The disks some file of which has no whole copy.
std::vector<std::uint32_t> DisksToRewrite(const RecoveryCheck& check);

// Why the set cannot be rebuilt, or nothing when it can.
std::optional<std::string> Unrepairable(const RecoveryCheck& check);

// Rebuilds the disks to rewrite and writes them into `folder` as the cut laid
// them out (disk folders, or flat; and images when the cut made them).
void WriteRebuiltDisks(RecoveryCheck& check, const fs::path& folder);

}  // namespace pieceset
