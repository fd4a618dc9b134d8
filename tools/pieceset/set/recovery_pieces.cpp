#include "set/recovery_pieces.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "base/errors.h"
#include "base/file.h"
#include "base/progress.h"
#include "base/text.h"
#include "disk/device.h"
#include "disk/image.h"
#include "format/ddrescue_map.h"
#include "format/names.h"

namespace pieceset {

namespace {

using recovery::DiskBytes;

// The rescue maps beside the images read, each read once.
using RescueMaps = std::map<fs::path, std::vector<ByteRange>>;

// Device bytes a ddrescue map beside the image (IMAGE.map, as rescue writes
// it) says were never read. A map that cannot be read is a note: the image
// is still read, its damage found by the checksums alone.
const std::vector<ByteRange>& RescueMapOf(const fs::path& image, RescueMaps& maps,
                                          PieceSources& sources) {
  const auto known = maps.find(image);
  if (known != maps.end()) return known->second;
  std::vector<ByteRange>& bad = maps[image];
  fs::path map = image;
  map += ".map";
  std::error_code ignored;
  if (!fs::is_regular_file(map, ignored)) return bad;
  try {
    bad = ReadBadRanges(map);
  } catch (const Error& error) {
    sources.AddNote(std::string(error.what()) + "; the image is read without it");
  }
  return bad;
}

// A drive read past the page cache, a sector at a time where it fails, so
// that a bad sector costs its block and not the 4 KiB page around it.
std::vector<ByteRange> ReadDriveSalvaging(Device& drive, std::uint64_t offset, std::uint8_t* to,
                                          std::uint64_t length) {
  constexpr std::size_t kChunk = 64 * 1024;
  const std::uint32_t sector = drive.sector_size();
  AlignedBuffer buffer(kChunk + sector);
  std::vector<ByteRange> bad;
  const std::uint64_t start = offset / sector * sector;
  for (std::uint64_t at = start; at < offset + length; at += kChunk) {
    ThrowIfInterrupted();
    const std::uint64_t end = std::min<std::uint64_t>(at + kChunk, offset + length);
    const std::size_t size = (end - at + sector - 1) / sector * sector;
    std::vector<ByteRange> here;
    drive.ReadSalvaging(at, buffer.data(), std::min<std::uint64_t>(size, drive.size() - at), here);
    const std::uint64_t from = std::max(at, offset);
    std::copy(buffer.data() + (from - at), buffer.data() + (end - at), to + (from - offset));
    for (const ByteRange& b : here) {
      const std::uint64_t begin = std::max(b.begin, from);
      const std::uint64_t stop = std::min(b.end, end);
      if (begin < stop) AppendRange(bad, {begin - offset, stop - offset});
    }
  }
  return bad;
}

}  // namespace

// A piece file, or a file on an image or drive through its map, read a
// range at a time past bad sectors.
class CopySource {
 public:
  explicit CopySource(const PieceFile& piece) : piece_(piece) {
    if (piece.entry != nullptr) {
      size_ = piece.entry->size;
      return;
    }
    Open();
    size_ = file_ ? file_->Size() : 0;
    Close();
  }

  std::uint64_t size() const { return size_; }

  // Open only while it is read: a set of many disks, some found twice, would
  // otherwise hold more files open than a process may.
  void Close() {
    file_.reset();
    drive_.reset();
  }

  std::vector<ByteRange> Read(std::uint64_t offset, std::uint8_t* to, std::size_t length) {
    if (!file_ && !drive_) Open();
    std::fill(to, to + length, 0);
    std::vector<ByteRange> bad;
    // Files on a FAT disk start on cluster boundaries: whole 512-byte
    // sectors of a file are sectors of the medium.
    constexpr std::uint32_t kSector = 512;
    if (piece_.entry == nullptr) {
      if (!file_) return {{0, length}};
      return ReadSalvaging(*file_, offset, to, length, kSector);
    }
    // What no extent holds is among the entry's unreadable ranges: known.
    for (const Extent& e : piece_.entry->extents) {
      const std::uint64_t begin = std::max(e.file_offset, offset);
      const std::uint64_t end = std::min(e.file_offset + e.length, offset + length);
      if (begin >= end) continue;
      std::uint8_t* at = to + (begin - offset);
      const std::uint64_t device = e.device_offset + (begin - e.file_offset);
      const std::vector<ByteRange> unread =
          drive_ ? ReadDriveSalvaging(*drive_, device, at, end - begin)
                 : ReadSalvaging(*file_, device, at, end - begin, piece_.disk->sector_size);
      for (const ByteRange& b : unread) {
        bad.push_back({begin - offset + b.begin, begin - offset + b.end});
      }
    }
    return bad;
  }

 private:
  void Open() {
    if (piece_.entry == nullptr) {
      try {
        file_.emplace(File::OpenRead(piece_.path));
      } catch (const Error&) {
        // No byte of it: the set check says why.
      }
    } else if (KindOf(piece_.disk->path) == "a block device") {
      drive_.emplace(Device::Open(piece_.disk->path, Device::Mode::kRead));
    } else {
      file_.emplace(File::OpenDisk(piece_.disk->path));
    }
  }

  PieceFile piece_;
  std::optional<File> file_;
  std::optional<Device> drive_;
  std::uint64_t size_ = 0;
};

std::uint64_t Copy::size() const { return source ? source->size() : bytes.size(); }

std::vector<ByteRange> Copy::Read(std::uint64_t offset, std::uint8_t* to,
                                  std::size_t length) const {
  if (source) return source->Read(offset, to, length);
  const std::uint64_t held = offset < bytes.size() ? std::min<std::uint64_t>(length, bytes.size() - offset) : 0;
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(offset, bytes.size())), held, to);
  std::fill(to + held, to + length, 0);
  if (held == length) return {};
  return {{held, length}};
}

namespace {

// A copy of a piece, to be read as far as it can be: what the image's map
// or the rescue map beside it call unreadable is known damage.
Copy MakeCopy(const PieceFile& piece, RescueMaps& maps, PieceSources& sources) {
  Copy copy;
  copy.shown = piece.shown;
  copy.source = std::make_shared<CopySource>(piece);
  if (piece.entry == nullptr) {
    copy.where = piece.path.parent_path().string();
    return copy;
  }
  copy.where = piece.disk->path.string();
  copy.flaw = piece.entry->map_problem;
  for (const Unreadable& u : piece.entry->unreadable) copy.known_bad.push_back(u.bytes);
  for (const ByteRange& bad : RescueMapOf(piece.disk->path, maps, sources)) {
    for (const Extent& e : piece.entry->extents) {
      const std::uint64_t begin = std::max(bad.begin, e.device_offset);
      const std::uint64_t end = std::min(bad.end, e.device_offset + e.length);
      if (begin < end) {
        copy.known_bad.push_back({e.file_offset + (begin - e.device_offset),
                                  e.file_offset + (end - e.device_offset)});
      }
    }
  }
  return copy;
}

// The first `length` bytes of a copy (fewer when it is shorter).
std::vector<std::uint8_t> Prefix(const Copy& copy, std::uint64_t length) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min(length, copy.size())));
  copy.Read(0, bytes.data(), bytes.size());
  if (copy.source) copy.source->Close();
  return bytes;
}

// Whether `copy` is known to hold its bytes as cut, lying on its disk from
// its start: its blocks need not be read.
bool KnownWhole(const ProvenFiles* proven, const Copy& copy, const Extent& e) {
  return proven != nullptr && proven->count(copy.shown) > 0 && e.file_offset == 0 &&
         copy.size() == e.length && copy.known_bad.empty();
}

// Finds for each block of disk `d` the first copy that holds it whole (its
// checksum matches and no known damage touches it), reading each copy once,
// a block at a time.
void AssessDisk(RecoveryCheck& check, std::uint32_t d, std::vector<std::uint32_t>& bad_blocks,
                const ProvenFiles* proven, Progress& progress) {
  const RecoveryCode& code = check.code;
  const Copies& copies = *check.copies;
  DiskState& state = check.states[d];
  std::vector<BlockSource>& sources = check.blocks[d];
  Sha256 sha;
  std::vector<std::uint8_t> block(kRecoveryBlockSize);
  std::vector<bool> good(code.blocks, false);
  const std::vector<CodedFile> files = CodedFiles(code, d);
  // Blocks past the disk's files are zeros on every disk: nothing to read.
  std::uint32_t used = 0;
  for (const CodedFile& f : files) {
    used = std::max(used, BlocksFor(f.extent.device_offset + f.extent.length));
  }
  for (std::uint32_t b = used; b < code.blocks; ++b) good[b] = true;

  for (const CodedFile& f : files) {
    const Extent& e = f.extent;
    const auto found = copies.find(f.name);
    if (found == copies.end() || found->second.empty()) {
      state.missing.push_back(f.name);
      state.rewrite = true;
      continue;
    }
    const auto first = static_cast<std::uint32_t>(e.device_offset / kRecoveryBlockSize);
    const std::uint32_t count = BlocksFor(e.length);
    std::vector<std::string> whole, damaged;
    std::optional<Digest> whole_digest;
    std::string whole_shown;
    // A recovery piece's header and table are the code's own: a copy with
    // other ones is damaged, though its parity may be whole.
    std::vector<std::uint8_t> header;
    if (d >= code.pieces()) header = EncodeRecoveryHeader(code, d - code.pieces() + 1);
    // Two whole copies are compared by their digests.
    const bool compare = found->second.size() > 1;
    for (const Copy& copy : found->second) {
      const bool known = !compare && KnownWhole(proven, copy, e);
      const bool header_ok = header.empty() || Prefix(copy, header.size()) == header;
      if (!header_ok) {
        const std::string flaw = f.name + "'s header or checksum table is not the set's";
        if (std::find(state.flaws.begin(), state.flaws.end(), flaw) == state.flaws.end()) {
          state.flaws.push_back(flaw);
        }
      }
      bool copy_whole = header_ok && copy.size() == e.file_offset + e.length;
      Sha256 all;
      for (std::uint32_t i = 0; i < count; ++i) {
        ThrowIfInterrupted();
        const std::uint64_t from = e.file_offset + std::uint64_t{i} * kRecoveryBlockSize;
        const std::uint64_t want =
            std::min<std::uint64_t>(kRecoveryBlockSize, e.length - i * kRecoveryBlockSize);
        progress.Advance(want);
        if (!known) {
          std::fill(block.begin(), block.end(), 0);
          bool readable = from + want <= copy.size() && copy.Read(from, block.data(), want).empty();
          for (const ByteRange& r : copy.known_bad) {
            if (r.Overlaps(from, from + want)) readable = false;
          }
          if (compare) all.Update(block.data(), want);
          if (!readable || recovery::BlockSum(sha, block.data()) != code.SumOf(d, first + i)) {
            copy_whole = false;
            continue;
          }
        }
        if (!good[first + i]) {
          sources[first + i] = {&copy, from, want};
          good[first + i] = true;
        }
      }
      if (copy.source) copy.source->Close();
      if (!copy.flaw.empty()) {
        copy_whole = false;
        if (std::find(state.flaws.begin(), state.flaws.end(), copy.flaw) == state.flaws.end()) {
          state.flaws.push_back(copy.flaw);
        }
      }
      (copy_whole ? whole : damaged).push_back(copy.shown);
      if (copy_whole && compare) {
        const Digest digest = all.Finish();
        if (whole_digest && *whole_digest != digest) {
          check.conflicts.push_back(f.name + ": " + whole_shown + " and " + copy.shown);
        }
        if (!whole_digest) {
          whole_digest = digest;
          whole_shown = copy.shown;
        }
      }
    }
    if (whole.empty()) state.rewrite = true;
    if (!whole.empty() && !damaged.empty()) check.replaced[f.name] = {whole[0], damaged};
  }
  for (std::uint32_t b = 0; b < code.blocks; ++b) {
    if (!good[b]) bad_blocks.push_back(b);
  }
  if (!bad_blocks.empty()) state.rewrite = true;
  if (state.rewrite) check.damaged = true;
}

// Whether recovery disk `disk` carries REPAIR.EXE: each does, or with a
// flat set the one folder once.
bool HasRepairProgram(const RecoveryCode& code, std::uint32_t disk) {
  return code.form.repair_program_size && disk >= code.pieces() &&
         (!code.form.flat || disk == code.pieces());
}

// Its bytes when `copy` is REPAIR.EXE as cut, read whole; nothing else.
std::optional<std::vector<std::uint8_t>> RepairProgramOf(const RecoveryCode& code, const Copy& copy) {
  if (!copy.known_bad.empty() || copy.size() != code.form.repair_program_size) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(copy.size()));
  const bool unread = !copy.Read(0, bytes.data(), bytes.size()).empty();
  if (copy.source) copy.source->Close();
  if (unread) return std::nullopt;
  if (Sha256Of(bytes.data(), bytes.size()) != code.form.repair_program_digest) return std::nullopt;
  return bytes;
}

// REPAIR.EXE is outside the code: a copy beside the disk's REPAIR.k is
// checked against the size and digest the header keeps.
void AssessRepairProgram(RecoveryCheck& check, const Copies& copies, std::uint32_t d) {
  const RecoveryCode& code = check.code;
  DiskState& state = check.states[d];
  const auto pieces = copies.find(RecoveryName(d - code.pieces() + 1));
  const auto programs = copies.find(std::string(kRepairProgramName));
  bool here = false;
  bool intact = false;
  if (pieces != copies.end() && programs != copies.end()) {
    for (const Copy& program : programs->second) {
      for (const Copy& piece : pieces->second) {
        if (piece.where != program.where) continue;
        here = true;
        intact = intact || RepairProgramOf(code, program).has_value();
      }
    }
  }
  if (!here) state.missing.push_back(std::string(kRepairProgramName));
  if (here && !intact) state.flaws.push_back(std::string(kRepairProgramName) + " not the one cut");
  if (!here || !intact) {
    state.rewrite = true;
    check.damaged = true;
  }
}

// The pieceset headers of the pieces found, with where each was found.
using PieceHeaders = std::vector<std::pair<std::string, SetInfo>>;

// Why the pieces' own headers contradict the code, or nothing: a header of
// the code's set records the layout it was cut with, which no recovery
// header outranks.
std::optional<std::string> LayoutDisagreement(const RecoveryCode& code,
                                              const PieceHeaders& headers) {
  const PieceLayout& ours = code.form.layout;
  for (const auto& [shown, info] : headers) {
    if (info.set_id != code.form.set_id) continue;
    const PieceLayout& theirs = info.layout;
    if (theirs.piece_count != ours.piece_count || theirs.installer_size != ours.installer_size ||
        theirs.first_payload != ours.first_payload || theirs.later_payload != ours.later_payload) {
      return "its code is for " + Plural(ours.piece_count, "piece") + " of " +
             Bytes(ours.installer_size) + ", but " + shown + " is one of " +
             Plural(theirs.piece_count, "piece") + " of " + Bytes(theirs.installer_size) +
             (theirs.piece_count == ours.piece_count && theirs.installer_size == ours.installer_size
                  ? " cut otherwise"
                  : "");
    }
  }
  return std::nullopt;
}

// The set the disks agree on, and its code: each piece number and each
// recovery piece votes once for the set identity its header carries, and the
// most votes win (the lowest identity on a tie), so that no disk is believed
// alone and the order of the places changes nothing. The code is that of the
// first recovery piece of the winning set whose header decodes.
std::optional<RecoveryCode> AgreedCode(const Copies& copies, PieceSources& sources,
                                       std::vector<std::string>& unusable) {
  std::map<Digest, std::set<std::string>> votes;
  struct Candidate {
    std::uint32_t index;
    std::string shown;
    RecoveryCode code;
  };
  std::vector<Candidate> candidates;
  PieceHeaders headers;
  for (const auto& [name, list] : copies) {
    for (const Copy& copy : list) {
      if (PieceNumber(name)) {
        const std::vector<std::uint8_t> prefix = Prefix(copy, kHeaderSize);
        if (prefix.size() < kHeaderSize) continue;
        HeaderBytes header;
        std::copy_n(prefix.begin(), kHeaderSize, header.begin());
        const DecodedHeader decoded = DecodeHeader(header);
        if (decoded.kind != DecodedHeader::Kind::kPieceset) continue;
        votes[decoded.info->set_id].insert(name);
        headers.emplace_back(copy.shown, *decoded.info);
      } else if (const auto index = RecoveryNumber(name)) {
        try {
          const std::vector<std::uint8_t> prefix = Prefix(copy, kRecoveryHeaderSize);
          // The header and table alone, never more than the file holds.
          const std::vector<std::uint8_t> bytes =
              Prefix(copy, RecoveryHeaderLength(prefix).value_or(kRecoveryHeaderSize));
          RecoveryCode code = DecodeRecoveryHeader(bytes, copy.size());
          if (RecoveryIndex(bytes) != *index) {
            throw Error("its header is that of " + RecoveryName(RecoveryIndex(bytes)));
          }
          votes[code.form.set_id].insert(name);
          candidates.push_back({*index, copy.shown, std::move(code)});
        } catch (const Error& error) {
          sources.AddNote(copy.shown + ": " + error.what());
          unusable.push_back(copy.shown + ": " + error.what());
        }
      }
    }
  }
  if (candidates.empty()) return std::nullopt;
  const auto winner = std::max_element(votes.begin(), votes.end(), [](const auto& a, const auto& b) {
    return a.second.size() < b.second.size();
  });
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    return std::tie(a.index, a.shown) < std::tie(b.index, b.shown);
  });
  std::optional<RecoveryCode> agreed;
  for (Candidate& candidate : candidates) {
    if (candidate.code.form.set_id != winner->first) {
      sources.AddNote(candidate.shown + ": a recovery piece of set " +
                      ShortId(candidate.code.form.set_id) + ", not of set " + ShortId(winner->first) +
                      ", which " + Plural(winner->second.size(), "disk") + " agree on");
    } else if (const auto why = LayoutDisagreement(candidate.code, headers)) {
      sources.AddNote(candidate.shown + ": " + *why + ": not used");
      unusable.push_back(candidate.shown + ": " + *why);
    } else if (!agreed) {
      agreed = std::move(candidate.code);
    }
  }
  if (!agreed) {
    sources.AddNote("no recovery piece of set " + ShortId(winner->first) + ": recovery not used");
  }
  return agreed;
}

}  // namespace
std::vector<std::vector<fs::path>> WriteRecoveryPieces(
    const SetForm& form, std::uint32_t count,
    const std::vector<std::vector<fs::path>>& disk_files, const fs::path& out,
    bool show_progress) {
  RecoveryCode code;
  code.form = form;
  code.recovery = count;
  // Each disk's files, each from a block boundary, as CodedFiles lays them;
  // the sizes as cut: a file that reads back otherwise is not the one written.
  struct Input {
    File file;
    std::uint64_t size;
    std::uint64_t at;  // on its disk
  };
  std::vector<std::vector<Input>> disks;
  for (const std::vector<fs::path>& files : disk_files) {
    disks.emplace_back();
    std::uint64_t at = 0;
    for (const fs::path& path : files) {
      File file = File::OpenRead(path);
      const std::uint64_t size = fs::file_size(path);
      disks.back().push_back({std::move(file), size, at});
      at += std::uint64_t{BlocksFor(size)} * kRecoveryBlockSize;
    }
    code.blocks = std::max(code.blocks, BlocksFor(at));
  }
  code.sums.assign(std::size_t{code.disks()} * code.blocks, Sum{});
  // REPAIR.k is written as the stripes go by, its header and table last.
  const std::vector<std::uint8_t> placeholder = EncodeRecoveryHeader(code, 1);
  std::vector<std::vector<fs::path>> written;
  std::vector<File> pieces;
  for (std::uint32_t i = 1; i <= count; ++i) {
    const fs::path folder = form.flat ? out : out / DiskName(code.pieces() + i);
    if (!form.flat) fs::create_directory(folder);
    pieces.push_back(File::Create(folder / RecoveryName(i)));
    pieces.back().Write(placeholder.data(), placeholder.size());
    written.push_back({folder / RecoveryName(i)});
  }
  constexpr std::uint64_t kWindowBytes = 16 << 20;
  const auto window = static_cast<std::uint32_t>(std::max<std::uint64_t>(
      1, kWindowBytes / (std::uint64_t{code.disks()} * kRecoveryBlockSize)));
  std::optional<Progress> progress;
  if (show_progress) progress.emplace("computing recovery pieces", code.blocks);
  std::vector<DiskBytes> stripes(code.pieces());
  for (std::uint32_t first = 0; first < code.blocks; first += window) {
    const std::uint32_t blocks = std::min(window, code.blocks - first);
    const std::uint64_t begin = std::uint64_t{first} * kRecoveryBlockSize;
    const std::uint64_t end = begin + std::uint64_t{blocks} * kRecoveryBlockSize;
    for (std::size_t d = 0; d < disks.size(); ++d) {
      stripes[d].assign(end - begin, 0);
      for (Input& input : disks[d]) {
        const std::uint64_t from = std::max(begin, input.at);
        const std::uint64_t to = std::min(end, input.at + input.size);
        if (from >= to) continue;
        if (input.file.ReadAt(from - input.at, stripes[d].data() + (from - begin), to - from) !=
                to - from ||
            input.file.Size() != input.size) {
          throw Error("cannot read back " + ShownPath(input.file.path()) +
                      " to compute the recovery pieces");
        }
      }
    }
    const std::vector<DiskBytes> parity = recovery::EncodeStripes(code, first, stripes);
    for (std::uint32_t i = 0; i < count; ++i) pieces[i].Write(parity[i].data(), parity[i].size());
    if (progress) progress->Advance(blocks);
  }
  for (std::uint32_t i = 1; i <= count; ++i) {
    const std::vector<std::uint8_t> header = EncodeRecoveryHeader(code, i);
    pieces[i - 1].WriteAt(0, header.data(), header.size());
    pieces[i - 1].Finish();
  }
  return written;
}

RecoveryCheck AssessCopies(RecoveryCode code, Copies copies, const ProvenFiles* proven) {
  RecoveryCheck check;
  check.code = std::move(code);
  check.copies = std::make_shared<const Copies>(std::move(copies));
  check.blocks.assign(check.code.disks(), std::vector<BlockSource>(check.code.blocks));
  check.states.resize(check.code.disks());
  std::uint64_t total = 0;
  for (const auto& [name, list] : *check.copies) {
    for (const Copy& copy : list) total += copy.size();
  }
  Progress progress("checking the disks", total);
  std::vector<std::vector<std::uint32_t>> bad_blocks(check.code.disks());
  for (std::uint32_t d = 0; d < check.code.disks(); ++d) {
    AssessDisk(check, d, bad_blocks[d], proven, progress);
    if (HasRepairProgram(check.code, d)) AssessRepairProgram(check, *check.copies, d);
  }
  check.damage = recovery::AssessStripes(check.code, std::move(bad_blocks));
  if (const auto programs = check.copies->find(std::string(kRepairProgramName));
      programs != check.copies->end()) {
    for (const Copy& program : programs->second) {
      if (auto bytes = RepairProgramOf(check.code, program)) check.repair_program = std::move(bytes);
    }
  }
  return check;
}

std::vector<recovery::DiskBytes> LayOut(const RecoveryCheck& check, std::uint32_t first,
                                        std::uint32_t count) {
  std::vector<DiskBytes> window(check.code.disks(),
                                DiskBytes(std::uint64_t{count} * kRecoveryBlockSize));
  Sha256 sha;
  for (std::uint32_t d = 0; d < check.code.disks(); ++d) {
    for (std::uint32_t b = first; b < first + count; ++b) {
      const BlockSource& source = check.blocks[d][b];
      if (source.copy == nullptr) continue;
      std::uint8_t* at = window[d].data() + std::size_t{b - first} * kRecoveryBlockSize;
      // Read again: a block that no longer matches would rebuild others wrong.
      if (!source.copy->Read(source.offset, at, source.length).empty() ||
          recovery::BlockSum(sha, at) != check.code.SumOf(d, b)) {
        throw Error(source.copy->shown + " reads otherwise than a moment ago (block " +
                    std::to_string(b) + "): repair it again");
      }
    }
  }
  return window;
}

std::optional<RecoveryCheck> CheckRecovery(PieceSources& sources, const ProvenFiles* proven,
                                           std::vector<std::string>* unusable) {
  if (std::none_of(sources.companions().begin(), sources.companions().end(),
                   [](const auto& entry) { return RecoveryNumber(entry.first).has_value(); })) {
    return std::nullopt;
  }
  Copies copies;
  RescueMaps maps;
  for (const auto& [name, list] : sources.companions()) {
    for (const PieceFile& file : list) copies[name].push_back(MakeCopy(file, maps, sources));
  }
  for (const auto& [number, list] : sources.pieces()) {
    for (const PieceFile& file : list) {
      copies[PieceName(number)].push_back(MakeCopy(file, maps, sources));
    }
  }
  std::vector<std::string> reasons;
  std::optional<RecoveryCode> code = AgreedCode(copies, sources, reasons);
  if (!code) {
    if (unusable != nullptr) *unusable = std::move(reasons);
    return std::nullopt;
  }
  RecoveryCheck check = AssessCopies(std::move(*code), std::move(copies), proven);
  if (check.code.form.repair_program_size && !check.repair_program) {
    sources.AddNote(std::string(kRepairProgramName) +
                    ": no copy found is the one cut, so repair cannot put it back");
  }
  for (const auto& [name, choice] : check.replaced) {
    if (const auto number = PieceNumber(name)) {
      sources.KeepOnly(*number, choice.first, "damaged, replaced by " + choice.first);
    }
  }
  return check;
}

// "disk 3 (FILE.3)", "disk 1 (SETUP.EXE, FILE.1)"
std::vector<std::string> DiskFiles(const RecoveryCode& code, std::uint32_t disk) {
  std::vector<std::string> names;
  for (const CodedFile& f : CodedFiles(code, disk)) names.push_back(f.name);
  if (HasRepairProgram(code, disk)) names.push_back(std::string(kRepairProgramName));
  return names;
}

std::string DiskText(const RecoveryCode& code, std::uint32_t disk) {
  return "disk " + std::to_string(disk + 1) + " (" + Joined(DiskFiles(code, disk)) + ")";
}

std::string DiskList(const RecoveryCode& code, const std::vector<std::uint32_t>& disks) {
  std::string text;
  for (std::uint32_t d : disks) text += (text.empty() ? "" : ", ") + DiskText(code, d);
  return text;
}

std::vector<std::uint32_t> DisksToRewrite(const RecoveryCheck& check) {
  std::vector<std::uint32_t> disks;
  for (std::uint32_t d = 0; d < check.states.size(); ++d) {
    if (check.states[d].rewrite) disks.push_back(d);
  }
  return disks;
}

std::optional<std::string> Unrepairable(const RecoveryCheck& check) {
  const recovery::Damage& a = check.damage;
  if (!check.conflicts.empty()) return "two whole copies differ: " + check.conflicts[0];
  if (a.repairable(check.code)) return std::nullopt;
  return "block " + std::to_string(a.worst_stripe) + " is damaged on " +
         std::to_string(a.worst_count) + " disks, and " + Plural(check.code.recovery, "recovery piece") +
         (check.code.recovery == 1 ? " rebuilds" : " rebuild") + " at most " +
         std::to_string(check.code.recovery) + "; lost: " +
         DiskList(check.code, a.Lost(check.code));
}


void WriteRebuiltDisks(RecoveryCheck& check, const fs::path& out) {
  const RecoveryCode& code = check.code;
  const std::vector<std::uint32_t> disks = DisksToRewrite(check);
  // The files of the disks to rewrite, filled stripe window by stripe
  // window, each in order: memory stays a window of every disk.
  struct Output {
    std::uint32_t disk;
    CodedFile file;
    File out;
  };
  std::vector<Output> outputs;
  std::vector<std::vector<fs::path>> files(disks.size());
  for (std::size_t n = 0; n < disks.size(); ++n) {
    const std::uint32_t d = disks[n];
    const fs::path folder = code.form.flat ? out : out / DiskName(d + 1);
    if (!code.form.flat) fs::create_directories(folder);
    for (const CodedFile& f : CodedFiles(code, d)) {
      outputs.push_back({d, f, File::Create(folder / f.name)});
      files[n].push_back(folder / f.name);
      if (d >= code.pieces()) {
        const std::vector<std::uint8_t> header = EncodeRecoveryHeader(code, d - code.pieces() + 1);
        outputs.back().out.Write(header.data(), header.size());
      }
    }
  }
  constexpr std::uint64_t kWindowBytes = 16 << 20;
  const auto window = static_cast<std::uint32_t>(
      std::max<std::uint64_t>(1, kWindowBytes / (std::uint64_t{code.disks()} * kRecoveryBlockSize)));
  Progress progress("rebuilding", code.blocks);
  for (std::uint32_t first = 0; first < code.blocks; first += window) {
    const std::uint32_t count = std::min(window, code.blocks - first);
    std::vector<DiskBytes> stripes = LayOut(check, first, count);
    recovery::Rebuild(code, check.damage, first, count, stripes);
    const std::uint64_t begin = std::uint64_t{first} * kRecoveryBlockSize;
    const std::uint64_t end = begin + std::uint64_t{count} * kRecoveryBlockSize;
    for (Output& output : outputs) {
      const Extent& e = output.file.extent;
      const std::uint64_t from = std::max(begin, e.device_offset);
      const std::uint64_t to = std::min(end, e.device_offset + e.length);
      if (from < to) output.out.Write(stripes[output.disk].data() + (from - begin), to - from);
    }
    progress.Advance(count);
  }
  for (Output& output : outputs) output.out.Finish();
  for (std::size_t n = 0; n < disks.size(); ++n) {
    const std::uint32_t d = disks[n];
    const fs::path folder = code.form.flat ? out : out / DiskName(d + 1);
    if (HasRepairProgram(code, d) && check.repair_program) {
      File file = File::Create(folder / kRepairProgramName);
      file.Write(check.repair_program->data(), check.repair_program->size());
      file.Finish();
      files[n].push_back(folder / kRepairProgramName);
    }
    if (code.form.images) {
      const Medium& medium = d == 0 ? code.form.first_media : code.form.media;
      WriteDiskImage(out, medium, code.form.set_id, d + 1, files[n], code.form.image_epoch, true);
    }
  }
}

}  // namespace pieceset
