// Finding the pieces of a set: in folders, on images and devices, or named.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sys/types.h>
#include <utility>
#include <string>
#include <vector>

#include "base/file.h"
#include "disk/reader.h"

namespace pieceset {

namespace fs = std::filesystem;

struct PieceFile {
  fs::path path;      // the piece file, or the image it lies on
  std::string shown;  // where the user put it: "out/disk2/FILE.2", "d2.img::FILE.2"
  // On an image: the disk read and this piece's entry among its files.
  std::shared_ptr<const Disk> disk;
  const DiskFile* entry = nullptr;
};

// A piece's bytes from the start, from its own file or through its disk's map.
class PieceReader {
 public:
  explicit PieceReader(const PieceFile& piece);
  std::uint64_t Size() const;
  // Up to `size` bytes, fewer only at the end; Error when they cannot be read.
  std::size_t Read(void* buffer, std::size_t size);

 private:
  std::optional<File> file_;
  std::optional<DiskFileReader> disk_;
};

// A disk or image among the places given that could not be read as one.
struct DiskProblem {
  std::string shown;
  std::string why;
};

// Every piece file in the places given: disk folders, a flat folder, the
// output folder of `cut` (its disk<N> folders or, failing those, its
// disk<N>.img and disk<N>.iso images), FAT and ISO 9660 images, or piece
// files themselves. A file named twice, by any path, counts once.
class PieceSources {
 public:
  void Add(const fs::path& place);  // UsageError when it does not exist

  const std::map<std::uint32_t, std::vector<PieceFile>>& pieces() const {
    return pieces_;
  }
  // The other files of a set's disks, by upper-case name: SETUP.EXE and
  // the recovery pieces REPAIR.1, REPAIR.2, ...
  const std::map<std::string, std::vector<PieceFile>>& companions() const {
    return companions_;
  }
  void AddNote(std::string note) { notes_.push_back(std::move(note)); }
  // Keeps only the copy of piece `number` shown as `kept`, noting of each
  // other one `why`.
  void KeepOnly(std::uint32_t number, const std::string& kept, const std::string& why);
  // Names that look like pieces but that the launcher would not find.
  const std::vector<std::string>& notes() const { return notes_; }
  // The places given, as shown in messages.
  const std::vector<std::string>& places() const { return places_; }
  // Images that are no readable FAT or ISO 9660 disk; the rest is still read.
  const std::vector<DiskProblem>& problems() const { return problems_; }

 private:
  void AddFolder(const fs::path& folder, bool descend);
  // `named` on the command line: only then may it be a block device.
  void AddImage(const fs::path& image, bool named);
  void AddFile(const fs::path& path, const std::string& shown,
               std::shared_ptr<const Disk> disk = nullptr, const DiskFile* entry = nullptr);
  // False when this file (same device and inode) was already taken.
  bool FirstSight(const fs::path& path);

  std::map<std::uint32_t, std::vector<PieceFile>> pieces_;
  std::map<std::string, std::vector<PieceFile>> companions_;
  std::vector<std::string> notes_;
  std::vector<std::string> places_;
  std::vector<DiskProblem> problems_;
  std::set<std::pair<dev_t, ino_t>> seen_;
};

// The one rule for a piece found more than once, in every command: copies
// of the same bytes are one disk, and where the set's header records the
// piece's digest, a whole copy beats damaged ones. What stays ambiguous is
// left for the set check to report.
void MergeCopies(PieceSources& sources);

}  // namespace pieceset
