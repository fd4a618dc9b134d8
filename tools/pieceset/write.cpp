// pieceset write: disk images onto a real drive, one disk after another,
// each read back from the medium and compared before the next is asked for.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "device.h"
#include "header.h"

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

// A failure of the disk in the drive rather than of the command: on a
// terminal, another disk is asked for.
class DiskError : public Error {
 public:
  using Error::Error;
};

struct DiskImage {
  fs::path path;
  std::uint64_t size;
  std::string label;  // as the disk will be called in the prompts
};

bool IsCdImage(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".iso";
}

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

// "disk 2 of 3 (DISK2) in /dev/fd0: sector 17 of 2880"
std::string SectorText(const Device& device, std::uint64_t offset, const std::string& disk) {
  return disk + " in " + ShownPath(device.path()) + ": sector " +
         std::to_string(offset / device.sector_size()) + " of " +
         std::to_string(device.size() / device.sector_size());
}

// The first sector of a block that fails to read, one sector at a time.
std::uint64_t FailingSector(Device& device, std::uint64_t offset, std::size_t size,
                            std::uint8_t* buffer) {
  for (std::size_t at = 0; at < size; at += device.sector_size()) {
    if (!device.ReadAt(offset + at, buffer, device.sector_size())) return offset + at;
  }
  return offset;
}

// The drive with the disk now in it; no disk, or one that cannot be
// opened, is the disk's fault rather than the command's.
Device OpenDisk(const fs::path& path) {
  try {
    return Device::Open(path, Device::Mode::kWriteExclusive);
  } catch (const UsageError&) {
    throw;
  } catch (const Error& error) {
    throw DiskError(error.what());
  }
}

void WriteDisk(const WriteOptions& options, const DiskImage& image, const std::string& disk) {
  Device device = OpenDisk(options.device);
  if (device.size() != image.size) {
    throw DiskError(ShownPath(options.device) + " holds " + MediumText(device.size()) + ", " +
                    ShownPath(image.path) + " is " + MediumText(image.size) +
                    ": insert a disk of that size (USB floppy drives write only 1.44M and "
                    "1.2M high-density disks)");
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
  each_block("writing", [&](std::uint64_t offset, std::size_t size) {
    if (!device.WriteAt(offset, data.data(), size)) {
      const int error = errno;
      throw DiskError(SectorText(device, offset, disk) + " cannot be written: " +
                      std::strerror(error) + "; the disk is bad");
    }
  });
  device.Flush();
  each_block("checking", [&](std::uint64_t offset, std::size_t size) {
    if (!device.ReadAt(offset, back.data(), size)) {
      const int error = errno;
      const std::uint64_t bad = FailingSector(device, offset, size, back.data());
      throw DiskError(SectorText(device, bad, disk) + " cannot be read back: " +
                      std::strerror(error) + "; the disk is bad");
    }
    if (std::memcmp(data.data(), back.data(), size) != 0) {
      const auto at = std::mismatch(data.data(), data.data() + size, back.data()).first;
      throw DiskError(SectorText(device, offset + (at - data.data()), disk) +
                      " reads back different from " + ShownPath(image.path) +
                      "; the disk is bad");
    }
  });
}

}  // namespace

void WriteImages(const WriteOptions& options) {
  const bool ask = !options.yes;
  if (ask && isatty(STDIN_FILENO) != 1) {
    throw UsageError("write asks for each disk on a terminal; give --yes to write without asking");
  }
  std::vector<DiskImage> images;
  for (const fs::path& path : options.images) images.push_back(CheckImage(path));
  // A drive that can never be written is refused before a disk is asked
  // for; an empty drive is not, as the first disk is yet to come.
  try {
    OpenDisk(options.device);
  } catch (const DiskError&) {
    if (!ask) throw;
  }

  const std::string count = std::to_string(images.size());
  const std::string drive = ShownPath(options.device);
  for (std::size_t i = 0; i < images.size(); ++i) {
    const std::string disk = "disk " + std::to_string(i + 1) + " of " + count + " (" +
                             images[i].label + ")";
    if (ask) Ask("Insert " + disk + " into " + drive + ", then press Enter");
    for (;;) {
      try {
        WriteDisk(options, images[i], disk);
        break;
      } catch (const DiskError& error) {
        if (!ask) throw;
        std::fprintf(stderr, "pieceset: %s\n", error.what());
        Ask("Insert another disk for " + disk + " into " + drive + ", then press Enter");
      }
    }
    std::printf("%s: %s written and read back: %s\n", drive.c_str(), disk.c_str(),
                ShownPath(images[i].path).c_str());
    std::fflush(stdout);
  }
}

}  // namespace pieceset
