#include "disk/device.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

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

// The other processes with the device open, as fuser finds them: a
// descriptor in /proc/PID/fd on a node of the same device number.
// "1234 (sleep)", in the order of their ids.
std::vector<std::string> Holders(dev_t number) {
  std::vector<std::pair<long, std::string>> found;
  DIR* processes = opendir("/proc");
  if (processes == nullptr) return {};
  const long self = getpid();
  while (const dirent* process = readdir(processes)) {
    char* end = nullptr;
    const long pid = std::strtol(process->d_name, &end, 10);
    if (*end != '\0' || pid <= 0 || pid == self) continue;
    const std::string folder = std::string("/proc/") + process->d_name;
    // Another user's descriptors are closed to us unless we are root, as
    // they are to fuser.
    DIR* descriptors = opendir((folder + "/fd").c_str());
    if (descriptors == nullptr) continue;
    bool holds = false;
    while (const dirent* descriptor = readdir(descriptors)) {
      struct stat st;
      if (fstatat(dirfd(descriptors), descriptor->d_name, &st, 0) == 0 && S_ISBLK(st.st_mode) &&
          st.st_rdev == number) {
        holds = true;
        break;
      }
    }
    closedir(descriptors);
    if (holds) found.emplace_back(pid, Printable(FirstLine(folder + "/comm")));
  }
  closedir(processes);
  std::sort(found.begin(), found.end());
  std::vector<std::string> holders;
  for (const auto& [pid, command] : found) {
    holders.push_back(std::to_string(pid) + " (" + command + ")");
  }
  return holders;
}

// A holder is looked for again for a second before the device is refused:
// udev opens a drive for a moment after it has been written.
void RefuseHolders(const fs::path& path, dev_t number) {
  constexpr int kLooks = 10;
  for (int look = 1;; ++look) {
    const std::vector<std::string> holders = Holders(number);
    if (holders.empty()) return;
    if (look == kLooks) {
      throw UsageError(ShownPath(path) + " is in use by " +
                       (holders.size() == 1 ? "process " : "processes ") + Joined(holders));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

// BLKROGET: a write-protected disk, or a device the kernel keeps read-only.
bool ReadOnly(int fd) {
  int read_only = 0;
  return ioctl(fd, BLKROGET, &read_only) == 0 && read_only != 0;
}

// For a device that could not be opened for writing.
bool ReadOnly(const fs::path& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  const bool read_only = ReadOnly(fd);
  close(fd);
  return read_only;
}

std::string WriteProtectedText(const std::string& disk, const fs::path& path) {
  return disk + " in " + ShownPath(path) + " is write-protected";
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
  if (fd < 0) {
    const int error = errno;
    if (error == EBUSY) {
      // A program that holds it with O_EXCL is named; the kernel's holders
      // (device mapper, RAID) are no processes.
      RefuseHolders(path, st.st_rdev);
      throw UsageError(ShownPath(path) + " is in use (held by a file system or another program)");
    }
    if (error == ENOMEDIUM) throw Error("no disk in " + ShownPath(path));
    if (writing && (error == EROFS || ((error == EACCES || error == EPERM) && ReadOnly(path)))) {
      throw Error(WriteProtectedText("the disk", path));
    }
    errno = error;
    throw Error(SystemText("open", path));
  }
  Device device(fd, path);
  // O_EXCL keeps out only those who ask for it too.
  if (writing) RefuseHolders(path, st.st_rdev);
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
  if (writing && ReadOnly(fd)) throw Error(WriteProtectedText("the disk", path));
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
    // A drive may learn of the tab only at the first write.
    if (error == EROFS || error == EPERM || error == EACCES || ReadOnly(fd_)) {
      throw Error(WriteProtectedText(disk, path_));
    }
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

bool Device::BeginsWith(const std::vector<std::uint8_t>& head) {
  const std::size_t size = head.size() / sector_size_ * sector_size_;
  if (size == 0 || size > size_) return false;
  AlignedBuffer buffer(size);
  return Transfer(false, 0, buffer.data(), size) && std::memcmp(buffer.data(), head.data(), size) == 0;
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
