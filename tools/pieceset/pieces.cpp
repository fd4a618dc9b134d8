// Finding the pieces of a set in folders and on disks, and checking them in
// the order the launcher reads them.
#include "pieces.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "disk.h"

namespace pieceset {

namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i]))) {
      return false;
    }
  }
  return true;
}

bool AllDigits(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; });
}

// The number after `prefix` in "disk2", "FILE.10": decimal, no leading zero.
std::optional<std::uint32_t> NumberAfter(const std::string& name,
                                         const std::string& prefix,
                                         const std::string& suffix = "") {
  if (!StartsWithNoCase(name, prefix) || name.size() <= prefix.size() + suffix.size()) {
    return std::nullopt;
  }
  if (!suffix.empty() &&
      !StartsWithNoCase(name.substr(name.size() - suffix.size()), suffix)) {
    return std::nullopt;
  }
  const std::string digits =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (!AllDigits(digits) || digits[0] == '0' || digits.size() > 10) {
    return std::nullopt;
  }
  const unsigned long long value = std::stoull(digits);
  if (value > 0x7fffffffULL) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

// "FILE.010": digits the launcher would never ask for.
bool LooksLikePiece(const std::string& name) {
  return StartsWithNoCase(name, "FILE.") && AllDigits(name.substr(5)) &&
         !PieceNumber(name);
}

// SETUP.EXE or REPAIR.<n>, in upper case; empty for any other name.
std::string CompanionName(const std::string& name) {
  std::string upper;
  for (unsigned char c : name) upper += static_cast<char>(std::toupper(c));
  if (upper == "SETUP.EXE" || NumberAfter(upper, "REPAIR.")) return upper;
  return "";
}

std::string Plural(std::uint64_t count, const std::string& word) {
  return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

std::string Bytes(std::uint64_t count) { return Plural(count, "byte"); }

// A piece that cannot be read is a bad piece, not the end of the check; a
// failing output (join) still ends everything.
class ReadFailure : public Error {
 public:
  using Error::Error;
};

template <typename Work>
auto Reading(Work work) {
  try {
    return work();
  } catch (const Interrupted&) {
    throw;
  } catch (const Error& error) {
    throw ReadFailure(error.what());
  }
}

}  // namespace

std::optional<std::uint32_t> PieceNumber(const std::string& file_name) {
  return NumberAfter(file_name, "FILE.");
}

std::string PieceName(std::uint32_t number) {
  return "FILE." + std::to_string(number);
}

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
  if (PieceNumber(place.filename().string())) {
    AddFile(place, ShownPath(place));
    return;
  }
  if (LooksLikeDisk(place)) {
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
    if (file.shown != kept) notes_.push_back(file.shown + ": " + why + ", replaced by " + kept);
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
      if (auto n = NumberAfter(name, "disk")) disk_folders[*n] = entry.path();
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
    } else if (auto n = NumberAfter(name, "disk", ".img")) {
      disk_images[*n] = entry.path();
    } else if (auto n = NumberAfter(name, "disk", ".iso")) {
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
  } catch (const Interrupted&) {
    throw;
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

// One walk over the set; kept apart from CheckSet so that the rules read in
// the order the launcher applies them.
class SetWalk {
 public:
  SetWalk(const PieceSources& sources, const PayloadSink& sink)
      : sources_(sources), sink_(sink) {}

  SetReport Run();

 private:
  void Bad(std::uint32_t number, const std::string& shown, const std::string& why) {
    report_.lines.push_back({number, PieceLine::Status::kBad, shown, why});
    if (first_problem_.empty()) first_problem_ = PieceName(number) + ": " + why;
  }
  bool LastLineIsBad(std::uint32_t number) const {
    return !report_.lines.empty() && report_.lines.back().number == number &&
           report_.lines.back().status == PieceLine::Status::kBad;
  }

  // The steps of Run, in order.
  void StartProgress();
  void ReportUnreadableDisks();
  std::uint32_t WalkNumbers();  // returns the last number looked at
  void ReportMissing(std::uint32_t number);
  void ReportBeyond(std::uint32_t last);
  void CheckJoined();
  void SayVerdict(std::uint32_t pieces);

  // Returns whether the walk goes on to the next number.
  bool WalkPiece(std::uint32_t number, const std::vector<PieceFile>& files);
  // The steps of one piece; each returns whether the walk goes on.
  bool CheckPiece(std::uint32_t number, const PieceFile& piece);
  void CheckFirstHeader(const PieceFile& piece, const HeaderBytes& header,
                        const DecodedHeader& decoded);
  bool CheckSameSet(std::uint32_t number, const PieceFile& piece, const HeaderBytes& header,
                    const DecodedHeader& decoded);
  // Against the sizes and marks FILE.1 records; false when the piece is bad.
  bool CheckRecordedLayout(std::uint32_t number, const PieceFile& piece, std::uint64_t size,
                           bool last, bool* go_on);
  std::uint64_t CopyPayload(PieceReader& file, std::uint32_t number, Digest* digest);

  const PieceSources& sources_;
  const PayloadSink& sink_;
  SetReport report_;
  std::string first_problem_;
  HeaderBytes reference_{};
  const SetInfo* info_ = nullptr;  // FILE.1's, when made by pieceset
  Sha256 joined_;
  std::uint64_t joined_size_ = 0;
  bool ended_by_mark_ = false;
  std::optional<bool> header_last_;  // the mark of the piece being read, once known
  std::unique_ptr<Progress> progress_;
};

std::uint64_t SetWalk::CopyPayload(PieceReader& file, std::uint32_t number, Digest* digest) {
  std::vector<std::uint8_t> buffer(1 << 20);
  Sha256 piece_sha;
  std::uint64_t copied = 0;
  progress_->SetLabel("checking " + PieceName(number));
  for (;;) {
    ThrowIfInterrupted();
    const std::size_t got =
        Reading([&] { return file.Read(buffer.data(), buffer.size()); });
    if (got == 0) break;
    piece_sha.Update(buffer.data(), got);
    joined_.Update(buffer.data(), got);
    if (sink_) sink_(buffer.data(), got);
    copied += got;
    progress_->Advance(got);
  }
  *digest = piece_sha.Finish();
  return copied;
}

void SetWalk::CheckFirstHeader(const PieceFile& piece, const HeaderBytes& header,
                               const DecodedHeader& decoded) {
  reference_ = header;
  report_.first = decoded;
  if (!decoded.name_ended) {
    Bad(1, piece.shown, "no NUL within the first 260 bytes, so the launcher cannot show the name");
  } else if (decoded.name.empty()) {
    Bad(1, piece.shown, "the name is empty");
  } else if (decoded.kind == DecodedHeader::Kind::kDamaged) {
    Bad(1, piece.shown, decoded.problem);
  }
  if (decoded.kind == DecodedHeader::Kind::kPieceset) info_ = &*report_.first->info;
}

bool SetWalk::CheckSameSet(std::uint32_t number, const PieceFile& piece,
                           const HeaderBytes& header, const DecodedHeader& decoded) {
  if (std::memcmp(header.data(), reference_.data(), kIdentitySize) == 0) return true;
  std::size_t at = 0;
  while (header[at] == reference_[at]) ++at;
  std::string why = "belongs to another set (header differs from FILE.1's at byte " +
                    std::to_string(at);
  if (decoded.kind == DecodedHeader::Kind::kPieceset && info_ != nullptr) {
    why += "; set " + ShortId(decoded.info->set_id) + ", not " + ShortId(info_->set_id);
  }
  Bad(number, piece.shown, why + ")");
  return false;
}

bool SetWalk::CheckRecordedLayout(std::uint32_t number, const PieceFile& piece,
                                  std::uint64_t size, bool last, bool* go_on) {
  const std::uint32_t count = info_->piece_count;
  const std::uint64_t payload = size - kHeaderSize;
  if (number > count) {
    Bad(number, piece.shown, "the set has only " + Plural(count, "piece"));
    *go_on = false;
    return false;
  }
  bool ok = true;
  if (last && number < count) {
    Bad(number, piece.shown, "carries the last-piece mark, but the set has " + Plural(count, "piece"));
    ok = false;
  } else if (!last && number == count) {
    Bad(number, piece.shown, "lacks the last-piece mark, but the set has " + Plural(count, "piece"));
    ok = false;
  }
  if (payload != info_->PayloadOf(number)) {
    Bad(number, piece.shown,
        "payload is " + Bytes(payload) + ", the set's piece " + std::to_string(number) +
            " holds " + Bytes(info_->PayloadOf(number)));
    ok = false;
  }
  return ok;
}

bool SetWalk::CheckPiece(std::uint32_t number, const PieceFile& piece) {
  PieceReader file = Reading([&] { return PieceReader(piece); });
  const std::uint64_t size = Reading([&] { return file.Size(); });
  HeaderBytes header{};
  const std::size_t got = Reading([&] { return file.Read(header.data(), header.size()); });
  if (got < kHeaderSize) {
    Bad(number, piece.shown,
        Bytes(size) + ", shorter than its " + std::to_string(kHeaderSize) + "-byte header");
    // Without FILE.1's header there is nothing to compare the others with.
    return number != 1;
  }
  const DecodedHeader decoded = DecodeHeader(header);
  const bool last = decoded.last;
  header_last_ = last;
  if (number == 1) {
    CheckFirstHeader(piece, header, decoded);
  } else if (!CheckSameSet(number, piece, header, decoded)) {
    return true;  // the launcher would ask for this disk again
  }

  bool piece_ok = true;
  if (info_ != nullptr) {
    bool go_on = true;
    piece_ok = CheckRecordedLayout(number, piece, size, last, &go_on);
    if (!go_on) return false;
  }

  Digest digest;
  const std::uint64_t payload = CopyPayload(file, number, &digest);
  joined_size_ += payload;
  if (piece_ok && info_ != nullptr && number <= info_->piece_digests.size() &&
      !std::equal(info_->piece_digests[number - 1].begin(),
                  info_->piece_digests[number - 1].end(), digest.begin())) {
    Bad(number, piece.shown, "payload damaged (its SHA-256 differs from the one recorded)");
  }
  if (!LastLineIsBad(number)) {
    report_.lines.push_back({number, PieceLine::Status::kOk, piece.shown,
                             "payload " + Bytes(payload) + (last ? ", last piece" : "")});
  }
  ended_by_mark_ = last;
  return !last;
}

bool SetWalk::WalkPiece(std::uint32_t number, const std::vector<PieceFile>& files) {
  if (files.size() > 1) Bad(number, files[0].shown, "found twice: also " + files[1].shown);
  header_last_.reset();
  try {
    return CheckPiece(number, files[0]);
  } catch (const ReadFailure& error) {
    Bad(number, files[0].shown, error.what());
    // A payload that breaks off still leaves its header to go by.
    if (!header_last_) return number != 1;
    ended_by_mark_ = *header_last_;
    return !*header_last_;
  }
}

void SetWalk::StartProgress() {
  std::uint64_t total = 0;
  for (const auto& [number, files] : sources_.pieces()) {
    for (const PieceFile& file : files) {
      std::error_code ignored;
      total += file.entry != nullptr ? file.entry->size : fs::file_size(file.path, ignored);
    }
  }
  progress_ = std::make_unique<Progress>("checking", total);
}

void SetWalk::ReportUnreadableDisks() {
  for (const DiskProblem& problem : sources_.problems()) {
    report_.lines.push_back({0, PieceLine::Status::kBad, problem.shown, problem.why});
  }
}

void SetWalk::ReportMissing(std::uint32_t number) {
  std::string where;
  for (const std::string& place : sources_.places()) {
    where += (where.empty() ? "" : ", ") + place;
  }
  const std::string why = number == 1
                              ? "missing (looked in " + where + ")"
                              : "missing (" + PieceName(number - 1) + " has no last-piece mark)";
  report_.lines.push_back({number, PieceLine::Status::kMissing, PieceName(number), why});
  if (first_problem_.empty()) first_problem_ = PieceName(number) + ": " + why;
}

std::uint32_t SetWalk::WalkNumbers() {
  const auto& pieces = sources_.pieces();
  for (std::uint32_t number = 1;; ++number) {
    const auto found = pieces.find(number);
    if (found == pieces.end()) {
      ReportMissing(number);
      return number;
    }
    if (!WalkPiece(number, found->second)) return number;
    if (number == kMaxPieces * 2u) return number;  // nothing sane is that long
  }
}

void SetWalk::ReportBeyond(std::uint32_t last) {
  const std::string beyond = ended_by_mark_
                                 ? "lies past the last piece, " + PieceName(last)
                                 : "not checked: the set breaks off at " + PieceName(last);
  const auto& pieces = sources_.pieces();
  for (auto it = pieces.upper_bound(last); it != pieces.end(); ++it) {
    for (const PieceFile& file : it->second) {
      report_.lines.push_back({it->first, PieceLine::Status::kIgnored, file.shown, beyond});
    }
  }
}

void SetWalk::CheckJoined() {
  report_.joined_size = joined_size_;
  const Digest joined = joined_.Finish();
  if (first_problem_.empty() && info_ != nullptr) {
    if (joined_size_ != info_->installer_size) {
      first_problem_ = "the joined installer is " + Bytes(joined_size_) + ", but " +
                       Bytes(info_->installer_size) + " were cut";
    } else if (joined != info_->installer_digest) {
      first_problem_ = "the joined installer's SHA-256 differs from the one cut";
    }
  }
}

void SetWalk::SayVerdict(std::uint32_t pieces) {
  report_.good = first_problem_.empty();
  if (!report_.good) {
    report_.verdict = "damaged set: " + first_problem_;
    return;
  }
  const std::string name = "\"" + Printable(report_.first->name) + "\"";
  report_.verdict = "good set " + name + ": " + Plural(pieces, "piece") + ", " + "installer " +
                    Bytes(joined_size_);
  if (info_ != nullptr) {
    // Good means the joined digest matched the one recorded.
    report_.verdict += ", set " + ShortId(info_->set_id) + ", SHA-256 " +
                       Hex(info_->installer_digest.data(), kDigestSize) + " matches";
  } else {
    report_.verdict += " (not made by pieceset: sizes and digest not checked)";
  }
}

SetReport SetWalk::Run() {
  StartProgress();
  ReportUnreadableDisks();
  const std::uint32_t last = WalkNumbers();
  report_.pieces = last;
  ReportBeyond(last);
  CheckJoined();
  SayVerdict(last);
  return report_;
}

}  // namespace

SetReport CheckSet(const PieceSources& sources, const PayloadSink& sink) {
  SetWalk walk(sources, sink);
  return walk.Run();
}

}  // namespace pieceset
