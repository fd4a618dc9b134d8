#include "set/cut.h"

#include <algorithm>
#include <future>
#include <vector>

#include "base/file.h"
#include "base/pending_output.h"
#include "base/progress.h"
#include "base/sha256.h"
#include "base/text.h"
#include "disk/image.h"
#include "format/names.h"
#include "format/recovery_header.h"
#include "set/layout.h"
#include "set/recovery_pieces.h"

namespace pieceset {

namespace {

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

InstallerDigests DigestInstaller(File& installer, const PieceLayout& layout) {
  InstallerDigests digests;
  Sha256 whole;
  Sha256 piece;
  std::vector<std::uint8_t> buffer(1 << 20);
  // A header has room for the digests of so many pieces; beyond, none.
  const bool per_piece = layout.piece_count <= kMaxPieceDigests;
  Progress progress("reading the installer", layout.installer_size);
  for (std::uint32_t n = 1; n <= layout.piece_count; ++n) {
    ReadBlocks(installer, layout.PayloadOf(n), buffer, progress,
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
  if (options.repair_program) RefuseToReplaceInput(options.out, *options.repair_program);
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
  std::vector<std::vector<fs::path>> disk_files(info.layout.piece_count);
  Progress progress("writing pieces", info.layout.installer_size);
  for (std::uint32_t n = 1; n <= info.layout.piece_count; ++n) {
    progress.SetLabel("writing " + PieceName(n));
    const fs::path folder = options.flat ? out : out / DiskName(n);
    if (!options.flat) fs::create_directory(folder);
    File piece = File::Create(folder / PieceName(n));
    const HeaderBytes& this_header = n == info.layout.piece_count ? last_header : header;
    piece.Write(this_header.data(), this_header.size());
    ReadBlocks(installer, info.layout.PayloadOf(n), buffer, progress,
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

// REPAIR.EXE as read once: every recovery disk gets these bytes, and the
// recovery header their size and digest.
struct RepairProgram {
  std::vector<std::uint8_t> bytes;
  Digest digest{};
};

RepairProgram ReadRepairProgram(const fs::path& path) {
  File file = File::OpenRead(path);
  const std::uint64_t size = file.Size();
  // Far past any build of it: a file this large is not the program.
  constexpr std::uint64_t kLargest = 1 << 20;
  if (size > kLargest) {
    throw UsageError(ShownPath(path) + " is " + Bytes(size) + ", not the REPAIR.EXE of this system");
  }
  RepairProgram program;
  program.bytes.resize(static_cast<std::size_t>(size));
  if (file.Read(program.bytes.data(), program.bytes.size()) != size || file.Size() != size) {
    throw Error(ShownPath(path) + " changed while it was being read");
  }
  program.digest = Sha256Of(program.bytes.data(), program.bytes.size());
  return program;
}

// REPAIR.EXE beside REPAIR.k on each recovery disk (once, when flat), last
// among the disk's files.
void CopyRepairProgram(const RepairProgram& program, bool flat,
                       std::vector<std::vector<fs::path>>& recovery_disks) {
  for (std::vector<fs::path>& files : recovery_disks) {
    const fs::path path = files.front().parent_path() / kRepairProgramName;
    if (!flat || &files == &recovery_disks.front()) {
      File copy = File::Create(path);
      copy.Write(program.bytes.data(), program.bytes.size());
      copy.Finish();
    }
    files.push_back(path);
  }
}

// The images of disks `first` ... of `disk_files`.
void WriteSetImages(const CutOptions& options, const SetInfo& info, std::int64_t epoch,
                    const std::vector<std::vector<fs::path>>& disk_files, std::uint32_t first,
                    const fs::path& out, Progress& progress) {
  const auto disks = static_cast<std::uint32_t>(disk_files.size());
  for (std::uint32_t n = first; n <= disks; ++n) {
    const Medium& medium = n == 1 ? options.first_media : options.media;
    progress.SetLabel("writing " + ImageName(n, IsCd(medium)));
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
  const std::uint64_t installer_size = installer.Size();
  std::optional<File> launcher;
  std::optional<std::uint64_t> launcher_size;
  if (options.launcher) {
    launcher = File::OpenRead(*options.launcher);
    launcher_size = launcher->Size();
    // No program is empty, and REPAIR.EXE would refuse to start such a set.
    if (*launcher_size == 0) throw UsageError(ShownPath(*options.launcher) + " is empty: no launcher");
  }
  std::optional<RepairProgram> repair_program;
  if (options.recovery > 0 && options.repair_program) {
    repair_program = ReadRepairProgram(*options.repair_program);
  }
  const PieceLayout layout =
      options.recovery > 0
          ? PlanRecoveryLayout(installer_size, options.first_media, options.media,
                               launcher_size, options.recovery,
                               repair_program ? std::max<std::uint64_t>(
                                                    kRepairProgramRoom, repair_program->bytes.size())
                                              : 0)
          : PlanLayout(installer_size, options.first_media, options.media, launcher_size);
  info.layout = layout;
  if (options.images) {
    RequireImageTools(options.first_media);
    RequireImageTools(options.media);
  }

  PendingOutput out(options.out, PendingOutput::Kind::kFolder, options.force);
  // Every header carries the digests, so the installer is read for them first.
  const InstallerDigests digests = DigestInstaller(installer, layout);
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
  SetForm form;
  form.set_id = info.set_id;
  form.layout = info.layout;
  form.launcher_size = launcher_size;
  form.flat = options.flat;
  form.images = options.images;
  form.first_media = options.first_media;
  form.media = options.media;
  form.image_epoch = epoch;
  if (repair_program) {
    form.repair_program_size = repair_program->bytes.size();
    form.repair_program_digest = repair_program->digest;
  }
  std::future<std::vector<std::vector<fs::path>>> recovery;
  if (options.recovery > 0) {
    // Deferred to get() where no thread can be had (a tight memory limit).
    recovery = std::async(std::launch::async | std::launch::deferred, WriteRecoveryPieces,
                          std::cref(form),
                          options.recovery, std::cref(disk_files), out.path(), !options.images);
  }
  std::optional<Progress> progress;
  if (options.images) {
    progress.emplace("writing images", pieces + options.recovery);
    WriteSetImages(options, info, epoch, disk_files, 1, out.path(), *progress);
  }
  if (recovery.valid()) {
    std::vector<std::vector<fs::path>> recovery_disks = recovery.get();
    if (repair_program) CopyRepairProgram(*repair_program, options.flat, recovery_disks);
    for (auto& files : recovery_disks) disk_files.push_back(std::move(files));
    if (progress) WriteSetImages(options, info, epoch, disk_files, pieces + 1, out.path(), *progress);
  }
  out.Commit();
  return info;
}

}  // namespace pieceset
