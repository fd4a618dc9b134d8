#include "set/sources.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "base/sha256.h"
#include "base/text.h"
#include "format/names.h"
#include "format/piece_header.h"

namespace pieceset {

bool PieceSources::FirstSight(const fs::path& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return true;  // reading it will say why
  return seen_.insert({st.st_dev, st.st_ino}).second;
}

void PieceSources::Add(const fs::path& place) {
  places_.push_back(ShownPath(place));
  struct stat st;
  if (stat(place.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      throw UsageError("no such file or folder: " + ShownPath(place));
    }
    throw Error(SystemText("read", place));
  }
  if (S_ISDIR(st.st_mode)) {
    AddFolder(place, true);
    return;
  }
  if (S_ISBLK(st.st_mode)) {
    AddImage(place, true);
    return;
  }
  if (!S_ISREG(st.st_mode)) {
    // Nothing here reads a FIFO or a character device: it could block for ever.
    throw Error("cannot read " + ShownPath(place) + ": " + KindOf(place) +
                ", not a piece, an image or a folder");
  }
  const std::string name = place.filename().string();
  if (PieceNumber(name) || !CompanionName(name).empty()) {
    AddFile(place, ShownPath(place));
    return;
  }
  // An image named as one is a disk even when its first sectors are gone:
  // a damaged disk with a verdict, not a file that is no image.
  if (LooksLikeDisk(place) || ImageNumber(name) || EndsWithNoCase(name, ".img") ||
      EndsWithNoCase(name, ".iso")) {
    AddImage(place, true);
    return;
  }
  // A piece under another name: the launcher would never find it.
  std::string what = "neither a piece (FILE.1, FILE.2, ...) nor a FAT or ISO 9660 image";
  HeaderBytes header{};
  File file = File::OpenRead(place);
  if (file.Read(header.data(), header.size()) == header.size()) {
    const DecodedHeader decoded = DecodeHeader(header);
    if (decoded.kind == DecodedHeader::Kind::kPieceset) {
      what = "a piece of set " + ShortId(decoded.info->set_id) +
             ", but not named FILE.<n>, the only names the launcher reads";
    }
  }
  throw Error("cannot read " + ShownPath(place) + ": " + what);
}

void PieceSources::AddFile(const fs::path& path, const std::string& shown,
                           std::shared_ptr<const Disk> disk, const DiskFile* entry) {
  // The same file named twice is one piece; an image's files are its own.
  if (entry == nullptr && !FirstSight(path)) return;
  const std::string name = entry != nullptr ? entry->name : path.filename().string();
  if (const auto number = PieceNumber(name)) {
    pieces_[*number].push_back({path, shown, std::move(disk), entry});
  } else {
    companions_[CompanionName(name)].push_back({path, shown, std::move(disk), entry});
  }
}

void PieceSources::KeepOnly(std::uint32_t number, const std::string& kept,
                            const std::string& why) {
  std::vector<PieceFile>& files = pieces_[number];
  for (const PieceFile& file : files) {
    if (file.shown != kept) notes_.push_back(file.shown + ": " + why);
  }
  files.erase(std::remove_if(files.begin(), files.end(),
                             [&](const PieceFile& file) { return file.shown != kept; }),
              files.end());
}

void PieceSources::AddFolder(const fs::path& folder, bool descend) {
  std::map<std::uint32_t, fs::path> disk_folders;
  std::map<std::uint32_t, fs::path> disk_images;
  bool found = false;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    std::error_code ignored;
    const bool is_folder = entry.is_directory(ignored);
    if (is_folder && !PieceNumber(name)) {
      if (auto n = DiskFolderNumber(name)) disk_folders[*n] = entry.path();
      continue;
    }
    if (PieceNumber(name)) {
      // A folder (or FIFO) by a piece's name is a bad piece, not a missing one.
      AddFile(entry.path(), ShownPath(folder / name));
      found = true;
    } else if (!CompanionName(name).empty()) {
      AddFile(entry.path(), ShownPath(folder / name));
    } else if (LooksLikePiece(name)) {
      notes_.push_back(ShownPath(folder / name) +
                       ": not a piece name (the launcher counts FILE.1, FILE.2, ... "
                       "without leading zeros)");
    } else if (auto n = ImageNumber(name)) {
      disk_images[*n] = entry.path();
    }
  }
  if (error) {
    throw Error("cannot read folder " + ShownPath(folder) + ": " + error.message());
  }
  if (found || !descend) return;
  // The output folder of `cut`: its disks, as folders or else as images.
  if (!disk_folders.empty()) {
    for (const auto& [n, path] : disk_folders) AddFolder(path, false);
  } else {
    for (const auto& [n, path] : disk_images) AddImage(path, false);
  }
}

void PieceSources::AddImage(const fs::path& image, bool named) {
  if (!FirstSight(image)) return;
  std::shared_ptr<const Disk> disk;
  try {
    // A FIFO or a device found inside a folder is never read: only what was
    // named on the command line may be a device.
    std::error_code ignored;
    if (!named && !fs::is_regular_file(image, ignored)) {
      throw Error(KindOf(image) + ", not an image file");
    }
    disk = std::make_shared<const Disk>(ReadDisk(image));
  } catch (const Error& error) {
    problems_.push_back({ShownPath(image), error.what()});
    return;
  }
  if (!disk->note.empty()) notes_.push_back(ShownPath(image) + ": " + disk->note);
  for (const DiskFile& entry : disk->files) {
    const std::string shown = ShownPath(image.string() + "::" + entry.name);
    if (PieceNumber(entry.name) || !CompanionName(entry.name).empty()) {
      AddFile(image, shown, disk, &entry);
    } else if (LooksLikePiece(entry.name)) {
      notes_.push_back(shown + ": not a piece name (the launcher counts FILE.1, FILE.2, ... "
                               "without leading zeros)");
    }
  }
}

PieceReader::PieceReader(const PieceFile& piece) {
  if (piece.entry != nullptr) {
    disk_.emplace(*piece.disk, *piece.entry);
  } else {
    file_.emplace(File::OpenRead(piece.path));
  }
}

std::uint64_t PieceReader::Size() const { return file_ ? file_->Size() : disk_->Size(); }

std::size_t PieceReader::Read(void* buffer, std::size_t size) {
  return file_ ? file_->Read(buffer, size) : disk_->Read(buffer, size);
}

namespace {

// What one copy of a piece is: all its bytes' digest, and whether its
// payload has the digest its own header records (nothing when there is no
// such record, or the copy cannot be read).
struct CopyDigest {
  std::optional<Digest> all;
  std::optional<bool> whole;
};

CopyDigest DigestCopy(const PieceFile& piece, std::uint32_t number) {
  CopyDigest result;
  try {
    PieceReader reader(piece);
    Sha256 all;
    Sha256 payload;
    HeaderBytes header{};
    const std::size_t got = reader.Read(header.data(), header.size());
    all.Update(header.data(), got);
    std::vector<std::uint8_t> buffer(1 << 20);
    while (const std::size_t more = reader.Read(buffer.data(), buffer.size())) {
      ThrowIfInterrupted();
      all.Update(buffer.data(), more);
      payload.Update(buffer.data(), more);
    }
    result.all = all.Finish();
    if (got < kHeaderSize) return result;
    const DecodedHeader decoded = DecodeHeader(header);
    if (decoded.kind == DecodedHeader::Kind::kPieceset &&
        number <= decoded.info->piece_digests.size()) {
      const Digest digest = payload.Finish();
      const PieceDigest& recorded = decoded.info->piece_digests[number - 1];
      result.whole = std::equal(recorded.begin(), recorded.end(), digest.begin());
    }
  } catch (const Error&) {
    result.all.reset();  // unreadable: never the copy that counts
    result.whole = false;
  }
  return result;
}

}  // namespace

void MergeCopies(PieceSources& sources) {
  for (const auto& [number, files] : sources.pieces()) {
    if (files.size() < 2) continue;
    std::vector<std::pair<std::string, CopyDigest>> copies;
    for (const PieceFile& file : files) copies.emplace_back(file.shown, DigestCopy(file, number));
    // The first by name, so that the order of the places changes nothing.
    std::sort(copies.begin(), copies.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto same = [&](const auto& entry) {
      return entry.second.all && entry.second.all == copies.front().second.all;
    };
    if (std::all_of(copies.begin(), copies.end(), same)) {
      sources.KeepOnly(number, copies.front().first, "the same bytes as " + copies.front().first);
      continue;
    }
    // The whole copies, when they are all the same bytes, beat the rest.
    const std::pair<std::string, CopyDigest>* kept = nullptr;
    bool agree = true;
    for (const auto& copy : copies) {
      if (copy.second.whole != true) continue;
      if (kept == nullptr) {
        kept = &copy;
      } else if (copy.second.all != kept->second.all) {
        agree = false;
      }
    }
    if (kept != nullptr && agree) {
      sources.KeepOnly(number, kept->first, "damaged, replaced by " + kept->first);
    }
  }
}

}  // namespace pieceset
