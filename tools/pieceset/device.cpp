#include "device.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "format.h"

namespace pieceset {
namespace {

// Direct I/O wants buffers aligned to the logical block size; a page
// covers every size a drive reports.
constexpr std::size_t kAlignment = 4096;

std::string SysfsFolder(dev_t number) {
  return "/sys/dev/block/" + std::to_string(major(number)) + ":" + std::to_string(minor(number));
}

// The first line of a small sysfs or proc file; empty when there is none.
std::string FirstLine(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// Where the device is mounted, from the kernel's own table; empty if nowhere.
std::string MountPoint(dev_t number) {
  std::ifstream in("/proc/self/mountinfo");
  const std::string wanted = std::to_string(major(number)) + ":" + std::to_string(minor(number));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string id, parent, numbers, root, point;
    fields >> id >> parent >> numbers >> root >> point;
    if (numbers == wanted) return point;
  }
  return "";
}

void RefuseSharedOrPartition(const fs::path& path, dev_t number) {
  const std::string sysfs = SysfsFolder(number);
  const std::string partition = FirstLine(sysfs + "/partition");
  if (!partition.empty()) {
    std::error_code ignored;
    const fs::path whole = fs::canonical(sysfs, ignored).parent_path().filename();
    throw UsageError(ShownPath(path) + " is partition " + partition + " of /dev/" +
                     ShownPath(whole) + "; write takes the whole drive");
  }
  const std::string point = MountPoint(number);
  if (!point.empty()) {
    throw UsageError(ShownPath(path) + " is mounted on " + point + "; unmount it first");
  }
}

}  // namespace

Device Device::Open(const fs::path& path, Mode mode) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) throw UsageError(SystemText("open", path));
  if (!S_ISBLK(st.st_mode)) {
    std::error_code ignored;
    throw UsageError(ShownPath(path) + " is " + KindOf(fs::canonical(path, ignored)) +
                     ", not a block device");
  }
  const bool writing = mode == Mode::kWriteExclusive;
  if (writing) RefuseSharedOrPartition(path, st.st_rdev);
  // O_EXCL on a block device: refused while a file system, a device mapper
  // or another program holds it, and no one else can claim it meanwhile.
  const int flags = writing ? O_RDWR | O_EXCL : O_RDONLY;
  const int fd = open(path.c_str(), flags | O_DIRECT | O_CLOEXEC);
  if (fd < 0 && errno == EBUSY) {
    throw UsageError(ShownPath(path) + " is in use (held by a file system or another program)");
  }
  if (fd < 0 && errno == ENOMEDIUM) throw Error("no disk in " + ShownPath(path));
  if (fd < 0) throw Error(SystemText("open", path));
  Device device(fd, path);
  int sector_size = 0;
  if (ioctl(fd, BLKGETSIZE64, &device.size_) != 0 || ioctl(fd, BLKSSZGET, &sector_size) != 0) {
    throw Error(SystemText("ask the size of", path));
  }
  device.sector_size_ = static_cast<std::uint32_t>(sector_size);
  if (writing && device.size_ > kLargestWritableDevice) {
    throw UsageError(ShownPath(path) + " holds " + std::to_string(device.size_) +
                     " bytes; write takes no device over 1 GiB (floppy and Zip drives only), "
                     "so that a system disk is never written");
  }
  if (device.size_ == 0) throw Error("no disk in " + ShownPath(path));
  return device;
}

Device::Device(Device&& other) noexcept
    : fd_(other.fd_), path_(std::move(other.path_)), size_(other.size_),
      sector_size_(other.sector_size_) {
  other.fd_ = -1;
}

Device::~Device() {
  if (fd_ >= 0) close(fd_);
}

bool Device::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  const ssize_t done = pread(fd_, buffer, size, static_cast<off_t>(offset));
  if (done == static_cast<ssize_t>(size)) return true;
  if (done >= 0) errno = EIO;
  return false;
}

bool Device::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
  const ssize_t done = pwrite(fd_, data, size, static_cast<off_t>(offset));
  if (done == static_cast<ssize_t>(size)) return true;
  if (done >= 0) errno = ENOSPC;
  return false;
}

void Device::Flush() {
  if (fdatasync(fd_) != 0) throw Error(SystemText("flush", path_));
  if (ioctl(fd_, BLKFLSBUF, 0) != 0) throw Error(SystemText("flush the cache of", path_));
}

AlignedBuffer::AlignedBuffer(std::size_t size) {
  void* memory = nullptr;
  if (posix_memalign(&memory, kAlignment, size) != 0) throw std::bad_alloc();
  data_ = static_cast<std::uint8_t*>(memory);
}

AlignedBuffer::~AlignedBuffer() { std::free(data_); }

std::string MediumText(std::uint64_t bytes) {
  for (const Medium& m : kMedia) {
    if (m.sector_size * m.total_sectors == bytes) return "a " + std::string(m.name) + " disk";
  }
  return std::to_string(bytes) + " bytes";
}

std::vector<ByteRange> ParseBadRanges(const std::string& map_text) {
  std::vector<ByteRange> bad;
  std::istringstream lines(map_text);
  std::string line;
  bool status_seen = false;
  std::uint64_t next = 0;
  for (unsigned number = 1; std::getline(lines, line); ++number) {
    // '#' at the start or after blanks begins a comment.
    for (std::size_t at = line.find('#'); at != std::string::npos; at = line.find('#', at + 1)) {
      if (at == 0 || line[at - 1] == ' ' || line[at - 1] == '\t') {
        line.resize(at);
        break;
      }
    }
    std::istringstream fields(line);
    std::string first, second, third, extra;
    if (!(fields >> first)) continue;
    fields >> second >> third >> extra;
    const std::string where = "line " + std::to_string(number) + ": ";
    // Integers as C++ writes them: 0x.. hexadecimal, 0.. octal, else decimal.
    auto integer = [&where](const std::string& text) {
      char* end = nullptr;
      errno = 0;
      const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
      if (text.empty() || text[0] == '-' || *end != '\0' || errno != 0) {
        throw Error(where + "'" + text + "' is no position or size");
      }
      return std::uint64_t{value};
    };
    if (!status_seen) {
      integer(first);
      if (second.size() != 1 || std::string("?*/-FG+").find(second[0]) == std::string::npos) {
        throw Error(where + "no status line (position, status character, pass)");
      }
      status_seen = true;
      continue;
    }
    if (third.size() != 1 || std::string("?*/-+").find(third[0]) == std::string::npos ||
        !extra.empty()) {
      throw Error(where + "a block is a position, a size and one of ? * / - +");
    }
    const std::uint64_t offset = integer(first);
    const std::uint64_t size = integer(second);
    if (offset != next) {
      throw Error(where + "the block at " + std::to_string(offset) +
                  " does not follow the one before, which ends at " + std::to_string(next));
    }
    next = offset + size;
    if (third[0] == '+' || size == 0) continue;
    if (!bad.empty() && bad.back().offset + bad.back().size == offset) {
      bad.back().size += size;
    } else {
      bad.push_back({offset, size});
    }
  }
  if (!status_seen) throw Error("no status line: not a ddrescue map");
  return bad;
}

std::vector<ByteRange> ReadBadRanges(const fs::path& map) {
  File file = File::OpenRead(map);
  std::string text(static_cast<std::size_t>(file.Size()), '\0');
  text.resize(file.Read(text.data(), text.size()));
  try {
    return ParseBadRanges(text);
  } catch (const Error& error) {
    throw Error(ShownPath(map) + " " + error.what());
  }
}

}  // namespace pieceset
