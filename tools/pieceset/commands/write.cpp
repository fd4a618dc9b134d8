// pieceset write: disk images onto a real drive, one disk after another,
// each read back from the medium and compared before the next is asked for.
#include <CLI/CLI.hpp>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/errors.h"
#include "base/file.h"
#include "base/progress.h"
#include "base/text.h"
#include "commands/commands.h"
#include "disk/device.h"
#include "format/media.h"

namespace pieceset {

namespace {

// About 64 blocks a disk: progress every few seconds on a floppy (about
// 30 KB/s), and blocks large enough to keep a Zip drive streaming.
constexpr std::uint64_t kBlocksPerDisk = 64;
constexpr std::size_t kSmallestBlock = 64 * 1024;
constexpr std::size_t kLargestBlock = 4 * 1024 * 1024;

// FAT boot sector: the extended boot signature and the volume label after it.
constexpr std::size_t kBootSignatureOffset = 38;
constexpr std::uint8_t kBootSignature = 0x29;
constexpr std::size_t kLabelOffset = 43;
constexpr std::size_t kLabelSize = 11;

// The start of a disk by which the one just written is known if it is left
// in the drive: on a floppy of the cut, the boot sector (label and serial)
// and the first FAT, which tell the disks of a set and of other sets apart.
// Whole sectors of any drive, and less than a block.
constexpr std::size_t kHeadSize = 8 * 1024;

struct DiskImage {
  fs::path path;
  std::uint64_t size;
  std::string label;  // as the disk will be called in the prompts
};

bool IsCdImage(const fs::path& path) { return EqualsNoCase(path.extension().string(), ".iso"); }

// The volume label the cut gave the image (DISK1, ...), else its file name.
std::string LabelOf(File& file, const fs::path& path) {
  std::uint8_t boot[kLabelOffset + kLabelSize] = {};
  if (file.Read(boot, sizeof boot) == sizeof boot && boot[kBootSignatureOffset] == kBootSignature) {
    std::string label(reinterpret_cast<const char*>(boot + kLabelOffset), kLabelSize);
    label.erase(label.find_last_not_of(' ') + 1);
    if (!label.empty() && label != "NO NAME") return Printable(label);
  }
  return ShownPath(path.filename());
}

// Whether the image can still be read at the size it had when the writing
// began: if not, the failure was the image's and not the disk's.
bool StillTheSame(const DiskImage& image) {
  std::error_code error;
  const std::uint64_t size = fs::file_size(image.path, error);
  return !error && size == image.size && access(image.path.c_str(), R_OK) == 0;
}

DiskImage CheckImage(const fs::path& path) {
  if (IsCdImage(path)) {
    throw UsageError(ShownPath(path) + " is a CD image: CDs are burnt, not written; burn it with "
                     "'xorriso -as cdrecord -v dev=/dev/sr0 -dao " + ShownPath(path) +
                     "', then check the disc with 'pieceset verify /dev/sr0'");
  }
  File file = File::OpenRead(path);
  const std::uint64_t size = file.Size();
  return {path, size, LabelOf(file, path)};
}

// Waits for Enter on the terminal.
void Ask(const std::string& question) {
  std::fprintf(stderr, "%s ", question.c_str());
  std::fflush(stderr);
  char line[256];
  if (std::fgets(line, sizeof line, stdin) == nullptr) {
    ThrowIfInterrupted();
    throw Error("no answer: the terminal closed");
  }
  ThrowIfInterrupted();
}

// The disk last written, to be told from the next one.
struct Written {
  std::string disk;
  std::vector<std::uint8_t> head;
};

// Errors other than UsageError are the disk's: on a terminal, another disk
// is asked for. Returns the start of what it wrote.
std::vector<std::uint8_t> WriteDisk(const fs::path& drive, const DiskImage& image,
                                    const std::string& disk, const Written& last) {
  Device device = Device::Open(drive, Device::Mode::kWriteExclusive);
  if (device.size() != image.size) {
    throw Error(ShownPath(drive) + " holds " + MediumText(device.size()) + ", " +
                    ShownPath(image.path) + " is " + MediumText(image.size) +
                    ": insert a disk of that size (USB floppy drives write only 1.44M and "
                    "1.2M high-density disks)");
  }
  // A drive cannot be asked whether its disk was changed; a disk that
  // begins as the last one written is taken for it.
  if (!last.head.empty() && device.BeginsWith(last.head)) {
    throw Error("the disk in " + ShownPath(drive) + " is still " + last.disk +
                ", just written: writing " + disk + " would overwrite it");
  }
  // Whole sectors, as O_DIRECT needs them.
  const std::size_t block =
      std::clamp<std::uint64_t>(image.size / kBlocksPerDisk / kSmallestBlock * kSmallestBlock,
                                kSmallestBlock, kLargestBlock);
  AlignedBuffer data(block);
  AlignedBuffer back(block);
  // One pass over the image, `work` called for each block of it.
  auto each_block = [&](const std::string& label, auto work) {
    Progress progress(label + " " + disk, image.size);
    progress.ShowRate();
    File file = File::OpenRead(image.path);
    for (std::uint64_t offset = 0; offset < image.size; offset += block) {
      ThrowIfInterrupted();
      const std::size_t size = std::min<std::uint64_t>(block, image.size - offset);
      if (file.Read(data.data(), size) != size) {
        throw Error(ShownPath(image.path) + " became shorter while " + label + " " + disk);
      }
      work(offset, size);
      progress.Advance(size);
    }
  };
  std::vector<std::uint8_t> head;
  each_block("writing", [&](std::uint64_t offset, std::size_t size) {
    if (offset == 0) head.assign(data.data(), data.data() + std::min(size, kHeadSize));
    device.WriteAt(offset, data.data(), size, disk);
  });
  device.Flush();
  each_block("checking", [&](std::uint64_t offset, std::size_t size) {
    device.ReadBack(offset, back.data(), size, disk);
    if (std::memcmp(data.data(), back.data(), size) != 0) {
      const auto at = std::mismatch(data.data(), data.data() + size, back.data()).first;
      throw Error(device.SectorText(offset + (at - data.data()), disk) +
                  " reads back different from " + ShownPath(image.path) + "; the disk is bad");
    }
  });
  return head;
}

struct WriteCommand {
  std::vector<std::string> images;
  std::string device;
  bool yes = false;  // write without asking, and fail rather than ask again

  CLI::App* Add(CLI::App& parent);
  ExitStatus Run() const;
};

CLI::App* WriteCommand::Add(CLI::App& parent) {
  CLI::App* app = parent.add_subcommand(
      "write", "Write disk images to a floppy or Zip drive, each read back and compared");
  app->add_option("IMAGE", images, "Disk images, in the order of the disks")
      ->required()
      ->type_name("IMAGE");
  app->add_option("--device", device, "The whole drive, e.g. /dev/fd0")
      ->required()
      ->type_name("DEV");
  app->add_flag("--yes", yes, "Write without asking for each disk");
  return app;
}

ExitStatus WriteCommand::Run() const {
  const bool ask = !yes;
  if (ask && isatty(STDIN_FILENO) != 1) {
    throw UsageError("write asks for each disk on a terminal; give --yes to write without asking");
  }
  std::vector<DiskImage> disks;
  for (const std::string& path : images) disks.push_back(CheckImage(path));
  // A drive that can never be written is refused before a disk is asked
  // for; an empty drive is not, as the first disk is yet to come.
  try {
    Device::Open(device, Device::Mode::kWriteExclusive);
  } catch (const UsageError&) {
    throw;
  } catch (const Error&) {
    if (!ask) throw;
  }

  const std::string count = std::to_string(disks.size());
  const std::string drive = ShownPath(device);
  Written last;
  for (std::size_t i = 0; i < disks.size(); ++i) {
    const std::string disk = "disk " + std::to_string(i + 1) + " of " + count + " (" +
                             disks[i].label + ")";
    if (ask) Ask("Insert " + disk + " into " + drive + ", then press Enter");
    for (;;) {
      try {
        last.head = WriteDisk(device, disks[i], disk, last);
        last.disk = disk;
        break;
      } catch (const UsageError&) {
        throw;
      } catch (const Error& error) {
        // An image that changed is no fault of the disk: asking for another
        // would not help.
        if (!ask || !StillTheSame(disks[i])) throw;
        PrintError(error);
        Ask("Insert another disk for " + disk + " into " + drive + ", then press Enter");
      }
    }
    std::printf("%s: %s written and read back: %s\n", drive.c_str(), disk.c_str(),
                ShownPath(disks[i].path).c_str());
    std::fflush(stdout);
  }
  return ExitStatus::kDone;
}

}  // namespace

void AddWrite(CLI::App& parent, CommandRun& run) { AddCommand<WriteCommand>(parent, run); }

}  // namespace pieceset
