#include "cut.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "mtools.h"
#include "pieces.h"

namespace pieceset {

namespace {

constexpr const char* kLauncherName = "SETUP.EXE";

std::string DiskName(std::uint32_t number) { return "disk" + std::to_string(number); }

// What one disk offers a piece after the launcher, if it carries one.
std::uint64_t PayloadRoom(const Medium& medium, const char* which,
                          std::optional<std::uint64_t> launcher_size) {
  const std::string disk =
      std::string("the ") + which + " disk" +
      (medium.file_system == FileSystem::kBytes ? "" : " (" + MediaName(medium) + ")");
  const std::uint64_t clusters = DataClusters(medium);
  const std::uint64_t cluster = ClusterBytes(medium);
  const std::uint64_t launcher_clusters =
      launcher_size ? ClustersFor(*launcher_size, medium) : 0;
  // The piece, the launcher, and on FAT the volume label each take a slot.
  const std::uint32_t entries = 1 + (launcher_size ? 1 : 0) +
                                (medium.file_system == FileSystem::kBytes ? 0 : 1);
  if (medium.root_entries != 0 && entries > medium.root_entries) {
    throw UsageError(disk + " has too few root directory slots");
  }
  if (launcher_size && launcher_clusters > clusters) {
    throw UsageError("the launcher (" + std::to_string(*launcher_size) +
                     " bytes) does not fit on " + disk + ", which holds " +
                     std::to_string(clusters * cluster) + " bytes of files");
  }
  const std::uint64_t room = (clusters - launcher_clusters) * cluster;
  if (room < kHeaderSize + 1) {
    if (launcher_size) {
      throw UsageError("the launcher (" + std::to_string(*launcher_size) +
                       " bytes) leaves " + std::to_string(room) + " bytes on " + disk +
                       "; FILE.1 needs at least 1025 (its 1024-byte header and one byte)");
    }
    throw UsageError(disk + " holds " + std::to_string(room) +
                     " bytes of files; a piece needs at least 1025 "
                     "(its 1024-byte header and one byte)");
  }
  return room - kHeaderSize;
}

Error InstallerChanged(const File& installer) {
  return Error(installer.path().string() + " changed while it was being cut");
}

// Reads the next `size` bytes of the installer block by block, handing each
// block to use. An installer that ends early has shrunk, or is a file (under
// /proc or /sys) whose size is no promise: its set would not hold what the
// headers say.
template <typename Use>
void ReadBlocks(File& installer, std::uint64_t size, std::vector<std::uint8_t>& buffer,
                Progress& progress, Use use) {
  std::uint64_t left = size;
  while (left > 0) {
    ThrowIfInterrupted();
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), left));
    const std::size_t got = installer.Read(buffer.data(), want);
    if (got == 0) throw InstallerChanged(installer);
    use(buffer.data(), got);
    left -= got;
    progress.Advance(got);
  }
}

// Reads the installer once for its digests, so that every header can carry
// them before the first piece is written.
struct InstallerDigests {
  Digest whole{};
  std::vector<PieceDigest> pieces;
};

InstallerDigests DigestInstaller(File& installer, const Layout& layout,
                                 const SetInfo& info) {
  InstallerDigests digests;
  Sha256 whole;
  Sha256 piece;
  std::vector<std::uint8_t> buffer(1 << 20);
  Progress progress("reading the installer", info.installer_size);
  for (std::uint32_t n = 1; n <= layout.count; ++n) {
    ReadBlocks(installer, info.PayloadOf(n), buffer, progress,
               [&](const std::uint8_t* data, std::size_t count) {
                 whole.Update(data, count);
                 piece.Update(data, count);
               });
    const Digest digest = piece.Finish();
    PieceDigest short_digest;
    std::copy_n(digest.begin(), kPieceDigestSize, short_digest.begin());
    digests.pieces.push_back(short_digest);
  }
  digests.whole = whole.Finish();
  if (layout.count > kMaxPieceDigests) digests.pieces.clear();
  return digests;
}

}  // namespace

Medium ParseMedia(const std::string& text) {
  if (auto preset = FindPreset(text)) return *preset;
  const bool digits = !text.empty() && text.size() <= 19 &&
                      std::all_of(text.begin(), text.end(), [](unsigned char c) {
                        return std::isdigit(c) != 0;
                      });
  if (!digits) {
    std::string names;
    for (const Medium& m : kMedia) names += (names.empty() ? "" : ", ") + std::string(m.name);
    throw UsageError("unknown media size '" + text + "': give a number of bytes or one of " +
                     names);
  }
  return BytesMedium(std::stoull(text));
}

std::string MediaName(const Medium& medium) {
  if (medium.file_system == FileSystem::kBytes) {
    return std::to_string(medium.total_sectors) + " bytes";
  }
  return std::string(medium.name);
}

Layout PlanLayout(std::uint64_t installer_size, const Medium& first,
                  const Medium& later, std::optional<std::uint64_t> launcher_size) {
  Layout layout;
  layout.first_payload = PayloadRoom(first, "first", launcher_size);
  layout.later_payload = PayloadRoom(later, "later", std::nullopt);
  if (installer_size <= layout.first_payload) {
    layout.count = 1;
    return layout;
  }
  const std::uint64_t rest = installer_size - layout.first_payload;
  const std::uint64_t count =
      1 + rest / layout.later_payload + (rest % layout.later_payload != 0 ? 1 : 0);
  if (count > kMaxPieces) {
    throw UsageError("that would make " + std::to_string(count) +
                     " pieces; pieceset writes at most " + std::to_string(kMaxPieces));
  }
  layout.count = static_cast<std::uint32_t>(count);
  return layout;
}

SetInfo Cut(const CutOptions& options) {
  if (auto problem = NameProblem(options.name)) throw UsageError(*problem);
  if (options.images) {
    for (const Medium* medium : {&options.first_media, &options.media}) {
      if (!IsFloppy(*medium)) {
        throw UsageError("--images needs floppy presets (360K, 720K, 1.2M, 1.44M, 2.88M), not " +
                         MediaName(*medium));
      }
    }
  }

  RefuseToReplaceInput(options.out, options.installer);
  if (options.launcher) RefuseToReplaceInput(options.out, *options.launcher);

  File installer = File::OpenRead(options.installer);
  SetInfo info;
  info.name = options.name;
  info.installer_size = installer.Size();
  std::optional<File> launcher;
  std::optional<std::uint64_t> launcher_size;
  if (options.launcher) {
    launcher = File::OpenRead(*options.launcher);
    launcher_size = launcher->Size();
  }
  const Layout layout = PlanLayout(info.installer_size, options.first_media,
                                   options.media, launcher_size);
  info.piece_count = layout.count;
  info.first_payload = layout.first_payload;
  info.later_payload = layout.later_payload;
  if (options.images) RequireMtools();

  PendingOutput out(options.out, PendingOutput::Kind::kFolder, options.force);
  if (info.installer_size == 0) {
    std::fprintf(stderr, "pieceset: warning: %s is empty; the set carries an empty installer\n",
                 options.installer.c_str());
  }

  const InstallerDigests digests = DigestInstaller(installer, layout, info);
  info.installer_digest = digests.whole;
  info.piece_digests = digests.pieces;
  SetInfo last_info = info;
  const HeaderBytes header = EncodeHeader(info, false);
  const HeaderBytes last_header = EncodeHeader(last_info, true);

  // Second pass: the pieces themselves, checked against the first pass so
  // that an installer changing meanwhile cannot yield a set that lies.
  installer = File::OpenRead(options.installer);
  Sha256 again;
  std::vector<std::uint8_t> buffer(1 << 20);
  std::vector<std::vector<fs::path>> disk_files(layout.count);
  Progress progress("writing pieces", info.installer_size);
  for (std::uint32_t n = 1; n <= layout.count; ++n) {
    progress.SetLabel("writing " + PieceName(n));
    const fs::path folder = options.flat ? out.path() : out.path() / DiskName(n);
    if (!options.flat) fs::create_directory(folder);
    File piece = File::Create(folder / PieceName(n));
    const HeaderBytes& this_header = n == layout.count ? last_header : header;
    piece.Write(this_header.data(), this_header.size());
    ReadBlocks(installer, info.PayloadOf(n), buffer, progress,
               [&](const std::uint8_t* data, std::size_t count) {
                 again.Update(data, count);
                 piece.Write(data, count);
               });
    piece.Finish();
    disk_files[n - 1].push_back(folder / PieceName(n));
  }
  std::uint8_t extra;
  if (again.Finish() != info.installer_digest || installer.Read(&extra, 1) != 0) {
    throw InstallerChanged(installer);
  }

  if (launcher) {
    const fs::path folder = options.flat ? out.path() : out.path() / DiskName(1);
    File copy = File::Create(folder / kLauncherName);
    if (CopyBytes(*launcher, copy, *launcher_size) != *launcher_size ||
        launcher->Size() != *launcher_size) {
      throw Error(options.launcher->string() + " changed while it was being copied");
    }
    copy.Finish();
    disk_files[0].insert(disk_files[0].begin(), folder / kLauncherName);
  }

  if (options.images) {
    Progress image_progress("writing images", layout.count);
    for (std::uint32_t n = 1; n <= layout.count; ++n) {
      image_progress.SetLabel("writing " + DiskName(n) + ".img");
      // A serial number from the set identity keeps images reproducible.
      char serial[9];
      std::snprintf(serial, sizeof serial, "%08x",
                    LoadLE<std::uint32_t>(info.set_id.data()) + n);
      WriteImage(out.path() / (DiskName(n) + ".img"),
                 n == 1 ? options.first_media : options.media,
                 "DISK" + std::to_string(n), serial, disk_files[n - 1]);
      image_progress.Advance(1);
    }
  }

  out.Commit();
  return info;
}

}  // namespace pieceset
