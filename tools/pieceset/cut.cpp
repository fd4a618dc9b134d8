// Planning a cut (media, layout) and writing the set and its images.
#include "cut.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <future>
#include <vector>

#include "mtools.h"
#include "pieces.h"
#include "repair.h"

namespace pieceset {

namespace {

constexpr const char* kLauncherName = "SETUP.EXE";

const char* ImageExtension(const Medium& medium) {
  return medium.file_system == FileSystem::kIso9660 ? ".iso" : ".img";
}

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
  return Error(ShownPath(installer.path()) + " changed while it was being cut");
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
  // A header has room for the digests of so many pieces; beyond, none.
  const bool per_piece = layout.count <= kMaxPieceDigests;
  Progress progress("reading the installer", info.installer_size);
  for (std::uint32_t n = 1; n <= layout.count; ++n) {
    ReadBlocks(installer, info.PayloadOf(n), buffer, progress,
               [&](const std::uint8_t* data, std::size_t count) {
                 whole.Update(data, count);
                 if (per_piece) piece.Update(data, count);
               });
    if (!per_piece) continue;
    const Digest digest = piece.Finish();
    PieceDigest short_digest;
    std::copy_n(digest.begin(), kPieceDigestSize, short_digest.begin());
    digests.pieces.push_back(short_digest);
  }
  digests.whole = whole.Finish();
  return digests;
}

}  // namespace

namespace {

const char* FileSystemName(FileSystem file_system) {
  switch (file_system) {
    case FileSystem::kFat12: return "FAT12";
    case FileSystem::kFat16: return "FAT16";
    case FileSystem::kIso9660: return "ISO 9660";
    case FileSystem::kBytes: break;
  }
  return "bytes";
}

// A volume of `bytes` laid out as mformat or xorriso would lay it out, with
// the smallest clusters its FAT can count.
Medium CustomMedium(std::uint64_t bytes, FileSystem file_system) {
  const std::string size = std::to_string(bytes) + " bytes";
  if (file_system == FileSystem::kIso9660) {
    // Its volume descriptor counts the volume's sectors in 32 bits.
    if (bytes / 2048 > 0xffffffffULL) {
      throw UsageError(size + " is too large for ISO 9660, whose volumes hold at most "
                       "4294967295 sectors of 2048 bytes");
    }
    return {"", file_system, 2048, bytes / 2048, 1, 0, 0, 0, kCdOverheadSectors, 0, 0, 0};
  }
  const bool fat12 = file_system == FileSystem::kFat12;
  // Cluster counts a FAT of that width holds, as FAT drivers tell them apart.
  const std::uint64_t most = fat12 ? 4084 : 65524;
  Medium m{"", file_system, 512, bytes / 512, 1, 1, 2, fat12 ? 224u : 512u, 0, 0,
           fat12 ? 2u : 64u, fat12 ? 18u : 32u};
  if (m.total_sectors > 0xffffffffULL) {
    throw UsageError(size + " is too large for " + FileSystemName(file_system));
  }
  for (; m.sectors_per_cluster <= 64; m.sectors_per_cluster *= 2) {
    if (DataClusters(m) <= most) break;
  }
  if (m.sectors_per_cluster > 64) {
    throw UsageError(size + " is too large for " + FileSystemName(file_system) +
                     (fat12 ? "; use --fs fat16" : ""));
  }
  if (!fat12 && DataClusters(m) < 4085) {
    throw UsageError(size + " is too small for FAT16, which needs 4085 clusters "
                     "(at least 2200000 bytes); use --fs fat12");
  }
  return m;
}

}  // namespace

std::string DiskName(std::uint32_t number) { return "disk" + std::to_string(number); }

void WriteDiskImage(const fs::path& folder, const Medium& medium, const Digest& set_id,
                    std::uint32_t number, const std::vector<fs::path>& files,
                    std::int64_t epoch, bool check_layout) {
  // A serial number from the set identity keeps images reproducible.
  char serial[9];
  std::snprintf(serial, sizeof serial, "%08x", LoadLE<std::uint32_t>(set_id.data()) + number);
  const ImageRequest request{medium, "DISK" + std::to_string(number), serial, files, epoch,
                             check_layout};
  WriteImage(folder / (DiskName(number) + ImageExtension(medium)), request);
}

FileSystem ParseFileSystem(const std::string& text) {
  std::string lower;
  for (unsigned char c : text) lower += static_cast<char>(std::tolower(c));
  if (lower == "fat12") return FileSystem::kFat12;
  if (lower == "fat16") return FileSystem::kFat16;
  if (lower == "iso9660") return FileSystem::kIso9660;
  throw UsageError("unknown file system '" + ShownPath(text) +
                   "': give fat12, fat16 or iso9660");
}

Medium ParseMedia(const std::string& text, std::optional<FileSystem> file_system) {
  // A preset keeps its own file system, whatever --fs says of plain sizes.
  if (auto preset = FindPreset(text)) return *preset;
  const bool digits = !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
                        return std::isdigit(c) != 0;
                      });
  if (!digits) {
    std::string names;
    for (const Medium& m : kMedia) names += (names.empty() ? "" : ", ") + std::string(m.name);
    throw UsageError("unknown media size '" + ShownPath(text) +
                     "': give a number of bytes or one of " + names);
  }
  // No file, and so no disk of files, is larger than a signed 64-bit offset.
  const std::string significant = text.substr(std::min(text.find_first_not_of('0'), text.size()));
  constexpr std::string_view kLargest = "9223372036854775807";
  if (significant.size() > kLargest.size() ||
      (significant.size() == kLargest.size() && significant > kLargest)) {
    throw UsageError("media size " + text + " is too large: at most " + std::string(kLargest) +
                     " bytes");
  }
  const std::uint64_t bytes = significant.empty() ? 0 : std::stoull(significant);
  return file_system ? CustomMedium(bytes, *file_system) : BytesMedium(bytes);
}

std::string MediaName(const Medium& medium) {
  if (medium.file_system == FileSystem::kBytes) {
    return std::to_string(medium.total_sectors) + " bytes";
  }
  if (medium.name.empty()) {
    return std::to_string(medium.total_sectors * medium.sector_size) + "-byte " +
           FileSystemName(medium.file_system);
  }
  return std::string(medium.name);
}

namespace {

// Pieces of `layout`'s payloads that `installer_size` bytes take.
std::uint32_t CountPieces(std::uint64_t installer_size, const Layout& layout) {
  if (installer_size <= layout.first_payload) return 1;
  const std::uint64_t rest = installer_size - layout.first_payload;
  const std::uint64_t count =
      1 + rest / layout.later_payload + (rest % layout.later_payload != 0 ? 1 : 0);
  if (count > kMaxPieces) {
    throw UsageError("that would make " + std::to_string(count) +
                     " pieces; pieceset writes at most " + std::to_string(kMaxPieces));
  }
  return static_cast<std::uint32_t>(count);
}

}  // namespace

Layout PlanLayout(std::uint64_t installer_size, const Medium& first,
                  const Medium& later, std::optional<std::uint64_t> launcher_size) {
  Layout layout;
  layout.first_payload = PayloadRoom(first, "first", launcher_size);
  layout.later_payload = PayloadRoom(later, "later", std::nullopt);
  layout.count = CountPieces(installer_size, layout);
  return layout;
}

Layout PlanRecoveryLayout(std::uint64_t installer_size, const Medium& first,
                          const Medium& later, std::optional<std::uint64_t> launcher_size,
                          std::uint32_t count) {
  using recovery::BlocksFor;
  using recovery::kBlockSize;
  if (count > recovery::kMaxRecovery) {
    throw UsageError("--recovery " + std::to_string(count) + ": at most " +
                     std::to_string(recovery::kMaxRecovery) + " recovery pieces");
  }
  const Layout plain = PlanLayout(installer_size, first, later, launcher_size);
  const std::uint64_t launcher_bytes =
      launcher_size ? std::uint64_t{BlocksFor(*launcher_size)} * kBlockSize : 0;
  // Each REPAIR.k holds parity as long as the longest disk's files plus the
  // checksum of every block of every disk, and must fit a later disk: the
  // pieces are cut a block shorter at a time until it does.
  for (std::uint32_t blocks = BlocksFor(DataBytes(later)); blocks > 0; --blocks) {
    const std::uint64_t disk_bytes = std::uint64_t{blocks} * kBlockSize;
    if (disk_bytes <= launcher_bytes + kHeaderSize) break;
    Layout layout = plain;
    layout.first_payload =
        std::min(plain.first_payload, disk_bytes - launcher_bytes - kHeaderSize);
    layout.later_payload = std::min(plain.later_payload, disk_bytes - kHeaderSize);
    layout.count = CountPieces(installer_size, layout);
    const std::uint64_t first_piece = std::min(installer_size, layout.first_payload);
    std::uint32_t used = BlocksFor(launcher_bytes + kHeaderSize + first_piece);
    if (layout.count > 1) used = std::max(used, BlocksFor(kHeaderSize + layout.later_payload));
    const std::uint64_t size = recovery::RecoveryFileSize(layout.count, count, used);
    if (ClustersFor(size, later) > DataClusters(later)) continue;
    if (layout.count + count > recovery::kMaxDisks) {
      throw UsageError("with --recovery " + std::to_string(count) + " the set takes " +
                       std::to_string(layout.count + count) + " disks; a recovery code spans at most " +
                       std::to_string(recovery::kMaxDisks) + ": give larger --media");
    }
    return layout;
  }
  throw UsageError("a recovery piece does not fit on a " + MediaName(later) +
                   " disk beside the checksums of so many pieces: give larger --media");
}

namespace {

// Everything a cut can refuse before it reads the installer. Returns the
// date its images get.
std::int64_t RefuseBadRequest(const CutOptions& options) {
  if (auto problem = NameProblem(options.name)) throw UsageError(*problem);
  std::int64_t epoch = 0;
  if (options.images) {
    for (const Medium* medium : {&options.first_media, &options.media}) {
      if (!HasImage(*medium)) {
        throw UsageError("--images needs a file system for the plain size " +
                         MediaName(*medium) +
                         ": give a preset, or --fs fat12, fat16 or iso9660");
      }
    }
    epoch = ImageEpoch();
  }
  RefuseToReplaceInput(options.out, options.installer);
  if (options.launcher) RefuseToReplaceInput(options.out, *options.launcher);
  for (const fs::path& input : options.other_inputs) RefuseToReplaceInput(options.out, input);
  return epoch;
}

// The pieces, from a second read of the installer checked against the first,
// so that an installer changing meanwhile cannot yield a set that lies.
// Returns each disk's files.
std::vector<std::vector<fs::path>> WritePieces(const CutOptions& options, const SetInfo& info,
                                               const HeaderBytes& header,
                                               const HeaderBytes& last_header,
                                               const fs::path& out) {
  File installer = File::OpenRead(options.installer);
  Sha256 again;
  std::vector<std::uint8_t> buffer(1 << 20);
  std::vector<std::vector<fs::path>> disk_files(info.piece_count);
  Progress progress("writing pieces", info.installer_size);
  for (std::uint32_t n = 1; n <= info.piece_count; ++n) {
    progress.SetLabel("writing " + PieceName(n));
    const fs::path folder = options.flat ? out : out / DiskName(n);
    if (!options.flat) fs::create_directory(folder);
    File piece = File::Create(folder / PieceName(n));
    const HeaderBytes& this_header = n == info.piece_count ? last_header : header;
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
  return disk_files;
}

// SETUP.EXE on disk 1, ahead of FILE.1 among its files.
void CopyLauncher(const CutOptions& options, File& launcher, std::uint64_t size,
                  const fs::path& out, std::vector<fs::path>& disk1_files) {
  const fs::path folder = options.flat ? out : out / DiskName(1);
  File copy = File::Create(folder / kLauncherName);
  if (CopyBytes(launcher, copy, size) != size || launcher.Size() != size) {
    throw Error(ShownPath(*options.launcher) + " changed while it was being copied");
  }
  copy.Finish();
  disk1_files.insert(disk1_files.begin(), folder / kLauncherName);
}

// The recovery pieces REPAIR.1 ..., each on a disk of its own after the
// pieces' disks: the new disks' file lists.
std::vector<std::vector<fs::path>> RecoveryPieces(
    const CutOptions& options, const SetInfo& info, std::optional<std::uint64_t> launcher_size,
    std::int64_t epoch, const fs::path& out, const std::vector<std::vector<fs::path>>& disk_files,
    bool show_progress) {
  const recovery::SetForm form{info.set_id,    info.installer_size, info.first_payload,
                               info.later_payload, launcher_size,  options.flat,
                               options.images, options.first_media, options.media,
                               epoch};
  return WriteRecoveryPieces(form, options.recovery, disk_files, out, show_progress);
}

// The images of disks `first` ... of `disk_files`.
void WriteImages(const CutOptions& options, const SetInfo& info, std::int64_t epoch,
                 const std::vector<std::vector<fs::path>>& disk_files, std::uint32_t first,
                 const fs::path& out, Progress& progress) {
  const auto disks = static_cast<std::uint32_t>(disk_files.size());
  for (std::uint32_t n = first; n <= disks; ++n) {
    const Medium& medium = n == 1 ? options.first_media : options.media;
    progress.SetLabel("writing " + DiskName(n) + ImageExtension(medium));
    // Disks 1 and 2 are the first of each medium.
    WriteDiskImage(out, medium, info.set_id, n, disk_files[n - 1], epoch, n <= 2);
    progress.Advance(1);
  }
}

}  // namespace

SetInfo Cut(const CutOptions& options) {
  const std::int64_t epoch = RefuseBadRequest(options);

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
  const Layout layout =
      options.recovery > 0
          ? PlanRecoveryLayout(info.installer_size, options.first_media, options.media,
                               launcher_size, options.recovery)
          : PlanLayout(info.installer_size, options.first_media, options.media,
                       launcher_size);
  info.piece_count = layout.count;
  info.first_payload = layout.first_payload;
  info.later_payload = layout.later_payload;
  if (options.images) {
    RequireImageTools(options.first_media);
    RequireImageTools(options.media);
  }

  PendingOutput out(options.out, PendingOutput::Kind::kFolder, options.force);
  if (info.installer_size == 0) {
    std::fprintf(stderr, "pieceset: warning: %s is empty; the set carries an empty installer\n",
                 ShownPath(options.installer).c_str());
  }
  // Every header carries the digests, so the installer is read for them first.
  const InstallerDigests digests = DigestInstaller(installer, layout, info);
  info.installer_digest = digests.whole;
  info.piece_digests = digests.pieces;
  SetInfo last_info = info;
  const HeaderBytes header = EncodeHeader(info, false);  // and the set identity in `info`
  const HeaderBytes last_header = EncodeHeader(last_info, true);

  std::vector<std::vector<fs::path>> disk_files =
      WritePieces(options, info, header, last_header, out.path());
  if (launcher) CopyLauncher(options, *launcher, *launcher_size, out.path(), disk_files[0]);
  const auto pieces = static_cast<std::uint32_t>(disk_files.size());
  // The recovery pieces are computed on the other core while mtools or
  // xorriso make the pieces' images: each alone leaves one core idle.
  std::future<std::vector<std::vector<fs::path>>> recovery;
  if (options.recovery > 0) {
    recovery = std::async(std::launch::async, RecoveryPieces, std::cref(options),
                          std::cref(info), launcher_size, epoch, out.path(),
                          std::cref(disk_files), !options.images);
  }
  std::optional<Progress> progress;
  if (options.images) {
    progress.emplace("writing images", pieces + options.recovery);
    WriteImages(options, info, epoch, disk_files, 1, out.path(), *progress);
  }
  if (recovery.valid()) {
    for (auto& files : recovery.get()) disk_files.push_back(std::move(files));
    if (progress) WriteImages(options, info, epoch, disk_files, pieces + 1, out.path(), *progress);
  }
  out.Commit();
  return info;
}

}  // namespace pieceset
