#include "disk/device.h"

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

#include "base/errors.h"
#include "base/file.h"
#include "base/text.h"

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

bool Device::Transfer(bool write, std::uint64_t offset, void* buffer, std::size_t size) {
  const ssize_t done = write ? pwrite(fd_, buffer, size, static_cast<off_t>(offset))
                             : pread(fd_, buffer, size, static_cast<off_t>(offset));
  if (done == static_cast<ssize_t>(size)) return true;
  if (done >= 0) errno = write ? ENOSPC : EIO;
  return false;
}

std::string Device::SectorText(std::uint64_t offset, const std::string& disk) const {
  return disk + " in " + ShownPath(path_) + ": sector " + std::to_string(offset / sector_size_) +
         " of " + std::to_string(size_ / sector_size_);
}

void Device::WriteAt(std::uint64_t offset, const void* data, std::size_t size,
                     const std::string& disk) {
  if (!Transfer(true, offset, const_cast<void*>(data), size)) {
    const int error = errno;
    throw Error(SectorText(offset, disk) + " cannot be written: " + std::strerror(error) +
                "; the disk is bad");
  }
}

void Device::ReadBack(std::uint64_t offset, void* buffer, std::size_t size,
                      const std::string& disk) {
  if (Transfer(false, offset, buffer, size)) return;
  const int error = errno;
  // The message names the first sector that fails on its own.
  std::uint64_t bad = offset;
  for (std::size_t at = 0; at < size; at += sector_size_) {
    if (!Transfer(false, offset + at, buffer, sector_size_)) {
      bad = offset + at;
      break;
    }
  }
  throw Error(SectorText(bad, disk) + " cannot be read back: " + std::strerror(error) +
              "; the disk is bad");
}

void Device::ReadSalvaging(std::uint64_t offset, void* buffer, std::size_t size,
                           std::vector<ByteRange>& bad) {
  // A weak sector often reads on a later try.
  constexpr int kSectorAttempts = 4;
  if (Transfer(false, offset, buffer, size)) return;
  auto* bytes = static_cast<std::uint8_t*>(buffer);
  for (std::size_t at = 0; at < size; at += sector_size_) {
    bool read = false;
    for (int attempt = 0; attempt < kSectorAttempts && !read; ++attempt) {
      ThrowIfInterrupted();
      read = Transfer(false, offset + at, bytes + at, sector_size_);
    }
    if (read) continue;
    std::memset(bytes + at, 0, sector_size_);
    AppendRange(bad, {offset + at, offset + at + sector_size_});
  }
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

}  // namespace pieceset
