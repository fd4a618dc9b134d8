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

// A copy that fails half way is still worth its good blocks: what could
// not be read is known damage, which the disk's report then shows.
Copy ReadWholeFile(const PieceFile& piece) {
  // Files on a FAT disk start on cluster boundaries: a file offset of whole
  // 512-byte sectors is a sector of the medium.
  constexpr std::uint32_t kSector = 512;
  Copy copy{piece.shown, piece.path.parent_path().string(), {}, {}, {}};
  std::optional<File> file;
  try {
    file.emplace(File::OpenRead(piece.path));
  } catch (const Error&) {
    return copy;  // no byte of it: the set check says why
  }
  copy.bytes.resize(static_cast<std::size_t>(file->Size()));
  copy.known_bad = ReadSalvaging(*file, 0, copy.bytes.data(), copy.bytes.size(), kSector);
  return copy;
}

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

// A copy of a piece as far as it can be read. On an image each run of its
// map is read alone, so that a bad sector costs only its run; what the map,
// a failing read or the rescue map beside the image call unreadable is
// zeros and known damage.
Copy ReadCopy(const PieceFile& piece, RescueMaps& maps, PieceSources& sources) {
  if (piece.entry == nullptr) return ReadWholeFile(piece);
  Copy copy{piece.shown, piece.disk->path.string(), {}, {}, piece.entry->map_problem};
  const DiskFile& entry = *piece.entry;
  copy.bytes.assign(static_cast<std::size_t>(entry.size), 0);
  for (const Unreadable& u : entry.unreadable) copy.known_bad.push_back(u.bytes);
  const std::vector<ByteRange>& rescued = RescueMapOf(piece.disk->path, maps, sources);
  const bool drive = KindOf(piece.disk->path) == "a block device";
  std::optional<Device> device;
  std::optional<File> image;
  if (drive) {
    device.emplace(Device::Open(piece.disk->path, Device::Mode::kRead));
  } else {
    image.emplace(File::OpenDisk(piece.disk->path));
  }
  for (const Extent& e : entry.extents) {
    std::uint8_t* to = copy.bytes.data() + e.file_offset;
    const std::vector<ByteRange> unread =
        drive ? ReadDriveSalvaging(*device, e.device_offset, to, e.length)
              : ReadSalvaging(*image, e.device_offset, to, e.length, piece.disk->sector_size);
    for (const ByteRange& bad : unread) {
      copy.known_bad.push_back({e.file_offset + bad.begin, e.file_offset + bad.end});
    }
    for (const ByteRange& bad : rescued) {
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

// Lays disk `d` out from the copies found: each block from the first copy
// whose block matches its checksum (and that no known damage touches).
void AssessDisk(RecoveryCheck& check, const Copies& copies, std::uint32_t d,
                std::vector<std::uint32_t>& bad_blocks) {
  const RecoveryCode& code = check.code;
  DiskState& state = check.states[d];
  DiskBytes& disk = check.disks[d];
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
    const Copy* whole_copy = nullptr;
    // A recovery piece's header and table are the code's own: a copy with
    // other ones is damaged, though its parity may be whole.
    std::vector<std::uint8_t> header;
    if (d >= code.pieces()) header = EncodeRecoveryHeader(code, d - code.pieces() + 1);
    for (const Copy& copy : found->second) {
      const bool header_ok = header.empty() || (copy.bytes.size() >= header.size() &&
                                                std::equal(header.begin(), header.end(), copy.bytes.begin()));
      if (!header_ok) {
        const std::string flaw = f.name + "'s header or checksum table is not the set's";
        if (std::find(state.flaws.begin(), state.flaws.end(), flaw) == state.flaws.end()) {
          state.flaws.push_back(flaw);
        }
      }
      bool copy_whole = header_ok && copy.bytes.size() == e.file_offset + e.length;
      for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t from = e.file_offset + std::uint64_t{i} * kRecoveryBlockSize;
        const std::uint64_t want =
            std::min<std::uint64_t>(kRecoveryBlockSize, e.length - i * kRecoveryBlockSize);
        bool readable = from + want <= copy.bytes.size();
        for (const ByteRange& r : copy.known_bad) {
          if (r.Overlaps(from, from + want)) readable = false;
        }
        std::fill(block.begin(), block.end(), 0);
        if (readable) std::copy_n(copy.bytes.begin() + from, want, block.begin());
        if (!readable || recovery::BlockSum(sha, block.data()) != code.SumOf(d, first + i)) {
          copy_whole = false;
          continue;
        }
        if (!good[first + i]) {
          std::copy(block.begin(), block.end(),
                    disk.begin() + std::size_t{first + i} * kRecoveryBlockSize);
          good[first + i] = true;
        }
      }
      if (!copy.flaw.empty()) {
        copy_whole = false;
        if (std::find(state.flaws.begin(), state.flaws.end(), copy.flaw) == state.flaws.end()) {
          state.flaws.push_back(copy.flaw);
        }
      }
      (copy_whole ? whole : damaged).push_back(copy.shown);
      if (copy_whole) {
        if (whole_copy != nullptr && whole_copy->bytes != copy.bytes) {
          check.conflicts.push_back(f.name + ": " + whole_copy->shown + " and " + copy.shown);
        }
        if (whole_copy == nullptr) whole_copy = &copy;
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

bool IsRepairProgram(const RecoveryCode& code, const Copy& copy) {
  return copy.known_bad.empty() && copy.bytes.size() == code.form.repair_program_size &&
         Sha256Of(copy.bytes.data(), copy.bytes.size()) == code.form.repair_program_digest;
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
        intact = intact || IsRepairProgram(code, program);
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

// Why the pieces' own headers contradict the code, or nothing: a header of
// the code's set records the layout it was cut with, which no recovery
// header outranks.
std::optional<std::string> LayoutDisagreement(const RecoveryCode& code, const Copies& copies) {
  const PieceLayout& ours = code.form.layout;
  for (const auto& [name, list] : copies) {
    if (!PieceNumber(name)) continue;
    for (const Copy& copy : list) {
      if (copy.bytes.size() < kHeaderSize) continue;
      HeaderBytes header;
      std::copy_n(copy.bytes.begin(), kHeaderSize, header.begin());
      const DecodedHeader decoded = DecodeHeader(header);
      if (decoded.kind != DecodedHeader::Kind::kPieceset || decoded.info->set_id != code.form.set_id) {
        continue;
      }
      const PieceLayout& theirs = decoded.info->layout;
      if (theirs.piece_count != ours.piece_count || theirs.installer_size != ours.installer_size ||
          theirs.first_payload != ours.first_payload || theirs.later_payload != ours.later_payload) {
        return "its code is for " + Plural(ours.piece_count, "piece") + " of " +
               Bytes(ours.installer_size) + ", but " + copy.shown + " is one of " +
               Plural(theirs.piece_count, "piece") + " of " + Bytes(theirs.installer_size) +
               (theirs.piece_count == ours.piece_count && theirs.installer_size == ours.installer_size
                    ? " cut otherwise"
                    : "");
      }
    }
  }
  return std::nullopt;
}

// The set the disks agree on, and its code: each piece number and each
// recovery piece votes once for the set identity its header carries, and the
// most votes win (the lowest identity on a tie), so that no disk is believed
// alone and the order of the places changes nothing. The code is that of the
// first recovery piece of the winning set whose header decodes.
std::optional<RecoveryCode> AgreedCode(const Copies& copies, PieceSources& sources) {
  std::map<Digest, std::set<std::string>> votes;
  struct Candidate {
    std::uint32_t index;
    std::string shown;
    RecoveryCode code;
  };
  std::vector<Candidate> candidates;
  for (const auto& [name, list] : copies) {
    for (const Copy& copy : list) {
      if (PieceNumber(name) && copy.bytes.size() >= kHeaderSize) {
        HeaderBytes header;
        std::copy_n(copy.bytes.begin(), kHeaderSize, header.begin());
        const DecodedHeader decoded = DecodeHeader(header);
        if (decoded.kind == DecodedHeader::Kind::kPieceset) votes[decoded.info->set_id].insert(name);
      } else if (const auto index = RecoveryNumber(name)) {
        try {
          RecoveryCode code = DecodeRecoveryHeader(copy.bytes);
          if (RecoveryIndex(copy.bytes) != *index) {
            throw Error("its header is that of " + RecoveryName(RecoveryIndex(copy.bytes)));
          }
          votes[code.form.set_id].insert(name);
          candidates.push_back({*index, copy.shown, std::move(code)});
        } catch (const Error& error) {
          sources.AddNote(copy.shown + ": " + error.what());
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
    } else if (const auto why = LayoutDisagreement(candidate.code, copies)) {
      sources.AddNote(candidate.shown + ": " + *why + ": not used");
    } else if (!agreed) {
      agreed = std::move(candidate.code);
    }
  }
  if (!agreed) {
    sources.AddNote("no recovery piece of set " + ShortId(winner->first) + ": recovery not used");
  }
  return agreed;
}

// The bytes of one file of a rebuilt disk.
std::vector<std::uint8_t> FileBytes(const RecoveryCode& code, const DiskBytes& disk,
                                    std::uint32_t number, const CodedFile& file) {
  std::vector<std::uint8_t> bytes;
  if (number > code.pieces()) bytes = EncodeRecoveryHeader(code, number - code.pieces());
  bytes.insert(bytes.end(), disk.begin() + file.extent.device_offset,
               disk.begin() + file.extent.device_offset + file.extent.length);
  return bytes;
}

}  // namespace
std::vector<std::vector<fs::path>> WriteRecoveryPieces(
    const SetForm& form, std::uint32_t count,
    const std::vector<std::vector<fs::path>>& disk_files, const fs::path& out,
    bool show_progress) {
  RecoveryCode code;
  code.form = form;
  code.recovery = count;
  // Each disk's files, each from a block boundary, as DiskExtents lays them.
  const auto padded = [](std::uint64_t bytes) {
    return std::uint64_t{BlocksFor(bytes)} * kRecoveryBlockSize;
  };
  // The sizes as cut: a file that reads back otherwise is not the one written.
  std::vector<std::vector<std::uint64_t>> sizes;
  for (const std::vector<fs::path>& files : disk_files) {
    std::uint64_t size = 0;
    sizes.emplace_back();
    for (const fs::path& path : files) {
      sizes.back().push_back(fs::file_size(path));
      size += padded(sizes.back().back());
    }
    code.blocks = std::max(code.blocks, BlocksFor(size));
  }
  recovery::Encoder encoder(code);
  DiskBytes disk(std::uint64_t{code.blocks} * kRecoveryBlockSize);
  std::optional<Progress> progress;
  if (show_progress) progress.emplace("computing recovery pieces", code.pieces());
  for (std::size_t d = 0; d < disk_files.size(); ++d) {
    std::fill(disk.begin(), disk.end(), 0);
    std::uint64_t at = 0;
    for (std::size_t f = 0; f < disk_files[d].size(); ++f) {
      const fs::path& path = disk_files[d][f];
      File file = File::OpenRead(path);
      const std::uint64_t size = sizes[d][f];
      if (file.Size() != size || file.ReadAt(0, disk.data() + at, size) != size) {
        throw Error("cannot read back " + ShownPath(path) + " to compute the recovery pieces");
      }
      at += padded(size);
    }
    encoder.Add(disk);
    if (progress) progress->Advance(1);
  }
  const std::vector<DiskBytes> parity = encoder.Finish();

  std::vector<std::vector<fs::path>> written;
  for (std::uint32_t i = 1; i <= count; ++i) {
    const std::uint32_t number = code.pieces() + i;
    const fs::path folder = form.flat ? out : out / DiskName(number);
    if (!form.flat) fs::create_directory(folder);
    const fs::path path = folder / RecoveryName(i);
    File file = File::Create(path);
    const std::vector<std::uint8_t> header = EncodeRecoveryHeader(code, i);
    file.Write(header.data(), header.size());
    file.Write(parity[i - 1].data(), parity[i - 1].size());
    file.Finish();
    written.push_back({path});
  }
  return written;
}



RecoveryCheck AssessCopies(RecoveryCode code, const Copies& copies) {
  RecoveryCheck check;
  check.code = std::move(code);
  check.disks.assign(check.code.disks(),
                     DiskBytes(std::uint64_t{check.code.blocks} * kRecoveryBlockSize));
  check.states.resize(check.code.disks());
  std::vector<std::vector<std::uint32_t>> bad_blocks(check.code.disks());
  for (std::uint32_t d = 0; d < check.code.disks(); ++d) {
    AssessDisk(check, copies, d, bad_blocks[d]);
    if (HasRepairProgram(check.code, d)) AssessRepairProgram(check, copies, d);
  }
  check.damage = recovery::AssessStripes(check.code, std::move(bad_blocks));
  if (const auto programs = copies.find(std::string(kRepairProgramName)); programs != copies.end()) {
    for (const Copy& program : programs->second) {
      if (IsRepairProgram(check.code, program)) check.repair_program = program.bytes;
    }
  }
  return check;
}

std::optional<RecoveryCheck> CheckRecovery(PieceSources& sources) {
  if (std::none_of(sources.companions().begin(), sources.companions().end(),
                   [](const auto& entry) { return RecoveryNumber(entry.first).has_value(); })) {
    return std::nullopt;
  }
  Copies copies;
  RescueMaps maps;
  // Every file of the set's disks, named as the code names it.
  std::vector<std::pair<std::string, const PieceFile*>> files;
  for (const auto& [name, list] : sources.companions()) {
    for (const PieceFile& file : list) files.emplace_back(name, &file);
  }
  for (const auto& [number, list] : sources.pieces()) {
    for (const PieceFile& file : list) files.emplace_back(PieceName(number), &file);
  }
  std::uint64_t total = 0;
  for (const auto& [name, file] : files) {
    std::error_code unknown;
    total += file->entry != nullptr ? file->entry->size : fs::file_size(file->path, unknown);
  }
  Progress progress("reading the disks", total);
  for (const auto& [name, file] : files) {
    copies[name].push_back(ReadCopy(*file, maps, sources));
    progress.Advance(copies[name].back().bytes.size());
  }
  std::optional<RecoveryCode> code = AgreedCode(copies, sources);
  if (!code) return std::nullopt;
  RecoveryCheck check = AssessCopies(std::move(*code), copies);
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
  recovery::Rebuild(code, check.damage, check.disks);
  const std::vector<std::uint32_t> disks = DisksToRewrite(check);
  Progress progress("writing the rebuilt disks", disks.size());
  for (std::uint32_t d : disks) {
    progress.Advance(1);
    const std::uint32_t number = d + 1;
    const fs::path folder = code.form.flat ? out : out / DiskName(number);
    if (!code.form.flat) fs::create_directory(folder);
    std::vector<fs::path> files;
    for (const CodedFile& f : CodedFiles(code, d)) {
      const std::vector<std::uint8_t> bytes = FileBytes(code, check.disks[d], number, f);
      File file = File::Create(folder / f.name);
      file.Write(bytes.data(), bytes.size());
      file.Finish();
      files.push_back(folder / f.name);
    }
    if (HasRepairProgram(code, d) && check.repair_program) {
      File file = File::Create(folder / kRepairProgramName);
      file.Write(check.repair_program->data(), check.repair_program->size());
      file.Finish();
      files.push_back(folder / kRepairProgramName);
    }
    if (code.form.images) {
      const Medium& medium = number == 1 ? code.form.first_media : code.form.media;
      WriteDiskImage(out, medium, code.form.set_id, number, files, code.form.image_epoch, true);
    }
  }
}

}  // namespace pieceset
