#include "set/check.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "base/chunk_pipe.h"
#include "base/errors.h"
#include "base/progress.h"
#include "base/text.h"
#include "format/names.h"

namespace pieceset {

namespace {

// One walk over the set; kept apart from CheckSet so that the rules read in
// the order the launcher applies them.
class SetWalk {
 public:
  // Whether each piece's digest is computed (where the set records it), and
  // the joined installer's.
  struct Digests {
    bool pieces = true;
    bool joined = true;
  };

  SetWalk(const PieceSources& sources, const PayloadSink& sink, Digests digests)
      : sources_(sources), sink_(sink), digests_(digests) {}

  SetReport Run();
  // The pieces of one disk of the set, with a verdict for that disk.
  SetReport RunLoneDisk();

 private:
  void Bad(std::uint32_t number, const std::string& shown, const std::string& why) {
    report_.lines.push_back({number, PieceLine::Status::kBad, shown, why});
    // Named once, where the reason already begins with the piece's name.
    const std::string name = PieceName(number);
    const bool named = why.rfind(name, 0) == 0 &&
                       (why.size() == name.size() || why[name.size()] < '0' || why[name.size()] > '9');
    if (first_problem_.empty()) first_problem_ = named ? why : name + ": " + why;
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
  // The first header read (FILE.1's, or a lone disk's first piece's): the
  // one the others are compared with.
  void CheckFirstHeader(std::uint32_t number, const PieceFile& piece, const HeaderBytes& header,
                        const DecodedHeader& decoded);
  bool CheckSameSet(std::uint32_t number, const PieceFile& piece, const HeaderBytes& header,
                    const DecodedHeader& decoded);
  // Against the sizes and marks FILE.1 records; false when the piece is bad.
  bool CheckRecordedLayout(std::uint32_t number, const PieceFile& piece, std::uint64_t size,
                           bool last, bool* go_on);
  // The payload to its end; nothing when a byte of it cannot be read, which
  // makes the piece bad. `digest` gets the payload's as a header keeps it,
  // where one is kept.
  std::optional<std::uint64_t> CopyPayload(PieceReader& file, std::uint32_t number,
                                           const PieceFile& piece,
                                           std::optional<PieceDigest>* digest);

  // The joined digest, on a worker of the pipe.
  void StartJoinedDigest();

  const PieceSources& sources_;
  const PayloadSink& sink_;
  const Digests digests_;
  Sha256 joined_;  // the pipe's worker's while it runs
  bool joined_started_ = false;
  ChunkPipe pipe_;  // every payload is read into its chunks; it stops first
  SetReport report_;
  std::string first_problem_;
  HeaderBytes reference_{};
  const SetInfo* info_ = nullptr;  // FILE.1's, when made by pieceset
  std::uint64_t joined_size_ = 0;
  bool ended_by_mark_ = false;
  std::unique_ptr<Progress> progress_;
};

std::optional<std::uint64_t> SetWalk::CopyPayload(PieceReader& file, std::uint32_t number,
                                                  const PieceFile& piece,
                                                  std::optional<PieceDigest>* digest) {
  // Only a set made by pieceset has digests to check; a piece's own is
  // recorded for the first 128 pieces only.
  if (digests_.joined && info_ != nullptr) StartJoinedDigest();
  const bool own = digests_.pieces && info_ != nullptr && number <= info_->piece_digests.size();
  Sha256 piece_sha;
  std::uint64_t copied = 0;
  progress_->SetLabel("checking " + PieceName(number));
  for (;;) {
    ThrowIfInterrupted();
    std::uint8_t* buffer = pipe_.Chunk();
    std::size_t got = 0;
    try {
      got = file.Read(buffer, pipe_.chunk_size());
    } catch (const Error& error) {
      // A piece that cannot be read is a bad piece, not the end of the check;
      // a failing output (join's, in the sink) still ends everything.
      Bad(number, piece.shown, error.what());
      return std::nullopt;
    }
    if (got == 0) break;
    if (joined_started_) pipe_.Give(got, 0);
    if (own) piece_sha.Update(buffer, got);
    if (sink_) sink_(buffer, got);
    copied += got;
    progress_->Advance(got);
  }
  if (own) {
    const Digest full = piece_sha.Finish();
    PieceDigest kept;
    std::copy_n(full.begin(), kPieceDigestSize, kept.begin());
    *digest = kept;
  }
  return copied;
}

void SetWalk::CheckFirstHeader(std::uint32_t number, const PieceFile& piece,
                               const HeaderBytes& header, const DecodedHeader& decoded) {
  reference_ = header;
  report_.first = decoded;
  if (!decoded.name_ended) {
    Bad(number, piece.shown,
        "no NUL within the first 260 bytes, so the launcher cannot show the name");
  } else if (decoded.name.empty()) {
    Bad(number, piece.shown, "the name is empty");
  } else if (decoded.kind == DecodedHeader::Kind::kDamaged) {
    Bad(number, piece.shown, decoded.problem);
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
  const std::uint32_t count = info_->layout.piece_count;
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
  if (payload != info_->layout.PayloadOf(number)) {
    Bad(number, piece.shown,
        "payload is " + Bytes(payload) + ", the set's piece " + std::to_string(number) +
            " holds " + Bytes(info_->layout.PayloadOf(number)));
    ok = false;
  }
  return ok;
}

bool SetWalk::CheckPiece(std::uint32_t number, const PieceFile& piece) {
  std::optional<PieceReader> reader;
  std::uint64_t size = 0;
  HeaderBytes header{};
  std::size_t got = 0;
  try {
    reader.emplace(piece);
    size = reader->Size();
    got = reader->Read(header.data(), header.size());
  } catch (const Error& error) {
    Bad(number, piece.shown, error.what());
    return number != 1;
  }
  if (got < kHeaderSize) {
    Bad(number, piece.shown,
        Bytes(size) + ", shorter than its " + std::to_string(kHeaderSize) + "-byte header");
    // Without FILE.1's header there is nothing to compare the others with.
    return number != 1;
  }
  const DecodedHeader decoded = DecodeHeader(header);
  const bool last = decoded.last;
  if (!report_.first) {
    CheckFirstHeader(number, piece, header, decoded);
  } else if (!CheckSameSet(number, piece, header, decoded)) {
    return true;  // the launcher would ask for this disk again
  }

  bool piece_ok = true;
  if (info_ != nullptr) {
    bool go_on = true;
    piece_ok = CheckRecordedLayout(number, piece, size, last, &go_on);
    if (!go_on) return false;
  }

  std::optional<PieceDigest> digest;
  const std::optional<std::uint64_t> copied = CopyPayload(*reader, number, piece, &digest);
  if (!copied) {
    // A payload that breaks off still leaves its header to go by.
    ended_by_mark_ = last;
    return !last;
  }
  const std::uint64_t payload = *copied;
  joined_size_ += payload;
  if (piece_ok && digest && *digest != info_->piece_digests[number - 1]) {
    Bad(number, piece.shown, "payload damaged (its SHA-256 differs from the one recorded)");
  }
  // Read through the second FAT, but Windows goes by the first.
  if (piece.entry != nullptr && !piece.entry->map_problem.empty()) {
    Bad(number, piece.shown, piece.entry->map_problem);
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
  return CheckPiece(number, files[0]);
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

void SetWalk::StartJoinedDigest() {
  if (joined_started_) return;
  joined_started_ = true;
  pipe_.AddWorker([this](const std::uint8_t* data, std::size_t size, int) {
    joined_.Update(data, size);
  });
}

void SetWalk::CheckJoined() {
  report_.joined_size = joined_size_;
  pipe_.Drain();
  const Digest joined = joined_.Finish();
  if (first_problem_.empty() && info_ != nullptr) {
    if (joined_size_ != info_->layout.installer_size) {
      first_problem_ = "the joined installer is " + Bytes(joined_size_) + ", but " +
                       Bytes(info_->layout.installer_size) + " were cut";
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

SetReport SetWalk::RunLoneDisk() {
  StartProgress();
  for (const auto& [number, files] : sources_.pieces()) WalkPiece(number, files);
  report_.good = first_problem_.empty();
  std::string disk = "disk " + std::to_string(sources_.pieces().begin()->first);
  if (sources_.pieces().size() > 1) {
    std::vector<std::uint32_t> numbers;
    for (const auto& entry : sources_.pieces()) numbers.push_back(entry.first);
    disk = "the disk of pieces " + NumberList(numbers);
  }
  disk += " of " + std::to_string(info_->layout.piece_count) + " of \"" +
          Printable(info_->name) + "\"";
  if (!report_.good) {
    report_.verdict = disk + ": damaged: " + first_problem_;
  } else if (std::any_of(sources_.pieces().begin(), sources_.pieces().end(),
                         [this](const auto& entry) {
                           return entry.first > info_->piece_digests.size();
                         })) {
    report_.verdict = disk + ": good, though a set of more than " +
                      std::to_string(kMaxPieceDigests) +
                      " pieces keeps no digest of a payload to check it with";
  } else {
    report_.verdict = disk + ": good";
  }
  return report_;
}

}  // namespace

bool OnOneDisk(const PieceSources& sources) {
  const Disk* disk = nullptr;
  auto same = [&disk](const PieceFile& file) {
    if (file.disk == nullptr || (disk != nullptr && file.disk->path != disk->path)) return false;
    disk = file.disk.get();
    return true;
  };
  for (const auto& [number, files] : sources.pieces()) {
    if (!std::all_of(files.begin(), files.end(), same)) return false;
  }
  for (const auto& [name, files] : sources.companions()) {
    if (!std::all_of(files.begin(), files.end(), same)) return false;
  }
  return sources.places().size() == 1 && sources.problems().empty() && disk != nullptr;
}

namespace {

// The set's layout as the header of the first piece found says, when made
// by pieceset.
std::optional<SetInfo> FirstInfo(const PieceSources& sources) {
  try {
    PieceReader reader(sources.pieces().begin()->second.front());
    HeaderBytes header{};
    if (reader.Read(header.data(), header.size()) < header.size()) return std::nullopt;
    DecodedHeader decoded = DecodeHeader(header);
    if (decoded.kind != DecodedHeader::Kind::kPieceset) return std::nullopt;
    return decoded.info;
  } catch (const Error&) {
    return std::nullopt;  // the set check says why
  }
}

}  // namespace

std::optional<SetReport> CheckLoneDisk(const PieceSources& sources) {
  // One image that cannot be read as a disk: its verdict is that.
  if (sources.places().size() == 1 && sources.problems().size() == 1 &&
      sources.pieces().empty() && sources.companions().empty()) {
    const DiskProblem& problem = sources.problems().front();
    SetReport report;
    report.lines.push_back({0, PieceLine::Status::kBad, problem.shown, problem.why});
    report.verdict = problem.shown + ": damaged: " + problem.why;
    return report;
  }
  if (sources.pieces().empty() || !OnOneDisk(sources)) return std::nullopt;
  const std::optional<SetInfo> info = FirstInfo(sources);
  if (!info) return std::nullopt;
  bool whole = true;
  for (std::uint32_t n = 1; n <= info->layout.piece_count && whole; ++n) {
    whole = sources.pieces().count(n) > 0;
  }
  if (whole) return std::nullopt;
  SetWalk walk(sources, {}, {true, false});
  return walk.RunLoneDisk();
}

SetReport CheckSet(const PieceSources& sources, const PayloadSink& sink) {
  // Where the joined installer's digest matches, so does every piece's: theirs
  // only name the damaged piece. They are computed at once where the bytes go
  // out (a sink sees them once), and otherwise in a second walk of a damaged
  // set.
  SetWalk walk(sources, sink, {static_cast<bool>(sink), true});
  SetReport report = walk.Run();
  if (report.good || sink || !report.first || !report.first->info ||
      report.first->info->piece_digests.empty()) {
    return report;
  }
  SetWalk again(sources, {}, {true, true});
  return again.Run();
}

}  // namespace pieceset
