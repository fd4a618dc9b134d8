// Recovery pieces on disk: written after a cut, read by verify, join and
// repair, and the disks that repair rebuilds.
#include "repair.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "cut.h"
#include "device.h"
#include "mtools.h"

namespace pieceset {

namespace {

using recovery::Code;
using recovery::DiskBytes;

// As much of the file as can be read: a copy that fails half way is still
// worth its good blocks.
std::vector<std::uint8_t> ReadAll(const fs::path& path) {
  std::vector<std::uint8_t> bytes;
  try {
    File file = File::OpenRead(path);
    bytes.resize(static_cast<std::size_t>(file.Size()));
    std::size_t done = 0;
    while (done < bytes.size()) {
      const std::size_t got = file.Read(bytes.data() + done, bytes.size() - done);
      if (got == 0) break;
      done += got;
    }
    bytes.resize(done);
  } catch (const Interrupted&) {
    throw;
  } catch (const Error&) {
  }
  return bytes;
}

// Device bytes a ddrescue map beside the image (IMAGE.map, as rescue writes
// it) says were never read.
std::vector<ByteRange> RescueMapOf(const fs::path& image) {
  fs::path map = image;
  map += ".map";
  std::error_code ignored;
  return fs::is_regular_file(map, ignored) ? ReadBadRanges(map) : std::vector<ByteRange>{};
}

// A copy of a piece as far as it can be read. On an image each run of its
// map is read alone, so that a bad sector costs only its run; what the map,
// a failing read or the rescue map beside the image call unreadable is
// zeros and known damage.
recovery::Copy ReadCopy(const PieceFile& piece) {
  recovery::Copy copy{piece.shown, {}, {}};
  if (piece.entry == nullptr) {
    copy.bytes = ReadAll(piece.path);
    return copy;
  }
  const DiskFile& entry = *piece.entry;
  copy.bytes.assign(static_cast<std::size_t>(entry.size), 0);
  for (const Unreadable& u : entry.unreadable) {
    copy.known_bad.push_back({u.file_offset, u.file_offset + u.length});
  }
  const std::vector<ByteRange> rescued = RescueMapOf(piece.disk->path);
  for (const Extent& e : entry.extents) {
    DiskFile run{entry.name, e.length, entry.attributes, {{0, e.device_offset, e.length}}, {}};
    try {
      DiskFileReader reader(*piece.disk, run);
      std::uint64_t done = 0;
      while (done < e.length) {
        const std::size_t got = reader.Read(copy.bytes.data() + e.file_offset + done,
                                            static_cast<std::size_t>(e.length - done));
        if (got == 0) break;
        done += got;
      }
    } catch (const Interrupted&) {
      throw;
    } catch (const Error&) {
      std::fill_n(copy.bytes.begin() + e.file_offset, e.length, 0);
      copy.known_bad.push_back({e.file_offset, e.file_offset + e.length});
    }
    for (const ByteRange& bad : rescued) {
      const std::uint64_t begin = std::max(bad.offset, e.device_offset);
      const std::uint64_t end = std::min(bad.offset + bad.size, e.device_offset + e.length);
      if (begin < end) {
        copy.known_bad.push_back({e.file_offset + (begin - e.device_offset),
                                  e.file_offset + (end - e.device_offset)});
      }
    }
  }
  return copy;
}

// "disk 3 (FILE.3)", "disk 1 (SETUP.EXE, FILE.1)"
std::string DiskText(const Code& code, std::uint32_t disk) {
  std::string files;
  for (const recovery::Extent& e : recovery::DiskExtents(code, disk)) {
    files += (files.empty() ? "" : ", ") + e.name;
  }
  return "disk " + std::to_string(disk + 1) + " (" + files + ")";
}

std::string DiskList(const Code& code, const std::vector<std::uint32_t>& disks) {
  std::string text;
  for (std::uint32_t d : disks) text += (text.empty() ? "" : ", ") + DiskText(code, d);
  return text;
}

std::vector<std::uint32_t> DisksToRewrite(const recovery::Assessment& a) {
  std::vector<std::uint32_t> disks;
  for (const recovery::DiskState& s : a.states) {
    if (s.rewrite) disks.push_back(s.disk);
  }
  return disks;
}

// Why the set cannot be rebuilt, or nothing when it can.
std::optional<std::string> Unrepairable(const RecoveryCheck& check) {
  const recovery::Assessment& a = check.assessment;
  if (!a.conflicts.empty()) return "two whole copies differ: " + a.conflicts[0];
  if (a.repairable(check.code)) return std::nullopt;
  return "block " + std::to_string(a.worst_stripe) + " is damaged on " +
         std::to_string(a.worst_count) + " disks, and " +
         std::to_string(check.code.recovery) + " recovery piece" +
         (check.code.recovery == 1 ? "" : "s") + " rebuild at most " +
         std::to_string(check.code.recovery) + "; lost: " +
         DiskList(check.code, a.Lost(check.code));
}

// Whether FILE.1 was found made by pieceset, but never of the code's set.
bool OfAnotherSet(const Code& code, const recovery::Copies& copies) {
  const auto first = copies.find("FILE.1");
  if (first == copies.end()) return false;
  bool pieceset = false;
  for (const recovery::Copy& copy : first->second) {
    if (copy.bytes.size() < kHeaderSize ||
        !std::equal(kMagic.begin(), kMagic.end(), copy.bytes.begin() + kMagicOffset)) {
      continue;
    }
    if (std::equal(code.form.set_id.begin(), code.form.set_id.end(),
                   copy.bytes.begin() + kSetIdOffset)) {
      return false;
    }
    pieceset = true;
  }
  return pieceset;
}

// The bytes of one file of a rebuilt disk.
std::vector<std::uint8_t> FileBytes(const Code& code, const DiskBytes& disk,
                                    std::uint32_t number, const recovery::Extent& e) {
  std::vector<std::uint8_t> bytes;
  if (number > code.pieces) bytes = recovery::Preamble(code, number - code.pieces);
  bytes.insert(bytes.end(), disk.begin() + e.disk_offset,
               disk.begin() + e.disk_offset + e.length);
  return bytes;
}

}  // namespace

std::vector<std::vector<fs::path>> WriteRecoveryPieces(
    const recovery::SetForm& form, std::uint32_t count,
    const std::vector<std::vector<fs::path>>& disk_files, const fs::path& out,
    bool show_progress) {
  Code code;
  code.form = form;
  code.pieces = static_cast<std::uint32_t>(disk_files.size());
  code.recovery = count;
  // Each disk's files, each from a block boundary, as DiskExtents lays them.
  const auto padded = [](std::uint64_t bytes) {
    return std::uint64_t{recovery::BlocksFor(bytes)} * recovery::kBlockSize;
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
    code.blocks = std::max(code.blocks, recovery::BlocksFor(size));
  }
  recovery::Encoder encoder(code);
  DiskBytes disk(std::uint64_t{code.blocks} * recovery::kBlockSize);
  std::optional<Progress> progress;
  if (show_progress) progress.emplace("computing recovery pieces", code.pieces);
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
    const std::uint32_t number = code.pieces + i;
    const fs::path folder = form.flat ? out : out / DiskName(number);
    if (!form.flat) fs::create_directory(folder);
    const fs::path path = folder / ("REPAIR." + std::to_string(i));
    File file = File::Create(path);
    const std::vector<std::uint8_t> preamble = recovery::Preamble(code, i);
    file.Write(preamble.data(), preamble.size());
    file.Write(parity[i - 1].data(), parity[i - 1].size());
    file.Finish();
    written.push_back({path});
  }
  return written;
}

std::optional<RecoveryCheck> CheckRecovery(PieceSources& sources) {
  recovery::Copies copies;
  std::optional<Code> code;
  for (const auto& [name, files] : sources.companions()) {
    for (const PieceFile& file : files) {
      recovery::Copy copy = ReadCopy(file);
      if (!code && name.rfind("REPAIR.", 0) == 0) {
        std::string problem;
        code = recovery::ParsePreamble(copy.bytes, &problem);
        if (!code) sources.AddNote(file.shown + ": " + problem);
      }
      copies[name].push_back(std::move(copy));
    }
  }
  if (!code) return std::nullopt;
  for (const auto& [number, files] : sources.pieces()) {
    for (const PieceFile& file : files) {
      copies[PieceName(number)].push_back(ReadCopy(file));
    }
  }
  if (OfAnotherSet(*code, copies)) {
    // They would call every piece damaged.
    sources.AddNote("the recovery pieces belong to set " + ShortId(code->form.set_id) +
                    ", not FILE.1's: not used");
    return std::nullopt;
  }
  RecoveryCheck check{*code, recovery::Assess(*code, copies)};
  for (const auto& [name, choice] : check.assessment.replaced) {
    if (const auto number = PieceNumber(name)) {
      sources.KeepOnly(*number, choice.first, "damaged");
    }
  }
  return check;
}

int ReportRecovery(const RecoveryCheck& check, const SetReport& report) {
  const Code& code = check.code;
  const recovery::Assessment& a = check.assessment;
  std::printf("set: %s\n", report.verdict.c_str());
  for (const recovery::DiskState& s : a.states) {
    if (!s.rewrite) continue;
    std::string text = DiskText(code, s.disk) + ": ";
    if (s.missing.size() == recovery::DiskExtents(code, s.disk).size()) {
      text += "MISSING";
    } else {
      text += "DAMAGED";
      for (const std::string& name : s.missing) text += ", " + name + " missing";
      if (!s.bad_blocks.empty()) {
        text += ", blocks " + recovery::BlockList(s.bad_blocks) + " of " +
                std::to_string(code.blocks) + " (" + std::to_string(recovery::kBlockSize) + " bytes each)";
      }
    }
    std::printf("%s\n", text.c_str());
  }
  const std::string pieces = std::to_string(code.recovery) + " recovery piece" +
                             (code.recovery == 1 ? "" : "s");
  if (const auto why = Unrepairable(check)) {
    std::printf("verdict: damaged beyond repair: %s\n", why->c_str());
    return 1;
  }
  if (!a.damaged) {
    if (!report.good) {
      std::printf("verdict: damaged: %s\n", report.verdict.c_str());
      return 1;
    }
    std::printf("verdict: good: %u disks and %s intact\n", code.pieces, pieces.c_str());
    return 0;
  }
  std::printf("verdict: damaged but repairable: pieceset repair rebuilds %s "
              "(at most %u damaged block%s in a stripe, %s)\n",
              DiskList(code, DisksToRewrite(a)).c_str(), a.worst_count,
              a.worst_count == 1 ? "" : "s", pieces.c_str());
  return 3;
}

int RunRepair(const std::vector<std::string>& places, const fs::path& target, bool force) {
  PieceSources sources;
  for (const std::string& place : places) sources.Add(place);
  for (const std::string& place : places) RefuseToReplaceInput(target, place);
  std::optional<RecoveryCheck> check = CheckRecovery(sources);
  for (const std::string& note : sources.notes()) std::printf("note: %s\n", note.c_str());
  if (!check) throw Error("no recovery piece (REPAIR.1, REPAIR.2, ...) to repair from");
  const Code& code = check->code;
  recovery::Assessment& a = check->assessment;
  if (const auto why = Unrepairable(*check)) throw Error("cannot repair: " + *why);
  const std::vector<std::uint32_t> disks = DisksToRewrite(a);
  if (disks.empty()) {
    std::printf("nothing to repair: %u disks and %u recovery pieces intact; %s not written\n",
                code.pieces, code.recovery, ShownPath(target).c_str());
    return 0;
  }
  recovery::Rebuild(code, a);

  PendingOutput out(target, PendingOutput::Kind::kFolder, force);
  for (std::uint32_t d : disks) {
    const std::uint32_t number = d + 1;
    const fs::path folder = code.form.flat ? out.path() : out.path() / DiskName(number);
    if (!code.form.flat) fs::create_directory(folder);
    std::vector<fs::path> files;
    for (const recovery::Extent& e : recovery::DiskExtents(code, d)) {
      const std::vector<std::uint8_t> bytes = FileBytes(code, a.disks[d], number, e);
      File file = File::Create(folder / e.name);
      file.Write(bytes.data(), bytes.size());
      file.Finish();
      files.push_back(folder / e.name);
    }
    if (code.form.images) {
      const Medium& medium = number == 1 ? code.form.first_media : code.form.media;
      WriteDiskImage(out.path(), medium, code.form.set_id, number, files,
                     code.form.image_epoch, true);
    }
  }
  out.Commit();
  std::printf("%s: rebuilt %s\n", ShownPath(target).c_str(), DiskList(code, disks).c_str());
  return 0;
}

}  // namespace pieceset
