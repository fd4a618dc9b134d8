// Real drives: a whole block device opened for writing disks to it or for
// reading a failing one, past the page cache.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/byte_range.h"

namespace pieceset {

namespace fs = std::filesystem;

// No medium that write serves (floppies, Zip disks) is larger: a device over
// this is refused whatever its size, so that a system disk stays safe even
// where its size happened to match an image.
constexpr std::uint64_t kLargestWritableDevice = std::uint64_t{1} << 30;

// An open whole block device, closed when it goes.
class Device {
 public:
  enum class Mode { kRead, kWriteExclusive };
  // Refuses anything but a block device, and for kWriteExclusive a
  // partition, a mounted device, one opened with O_EXCL or open in another
  // process it can see in /proc (naming it), and one over
  // kLargestWritableDevice, in words that say what was found: UsageError.
  // A write-protected disk is an Error, as the next disk may not be.
  // I/O goes past the page cache (O_DIRECT).
  static Device Open(const fs::path& path, Mode mode);
  Device(Device&& other) noexcept;
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;
  ~Device();

  std::uint64_t size() const { return size_; }
  std::uint32_t sector_size() const { return sector_size_; }
  const fs::path& path() const { return path_; }

  // Transfers are whole sectors at a sector-aligned offset, from a buffer of
  // AlignedBuffer. `disk` names the disk in the drive for messages
  // ("disk 2 of 3 (DISK2)"); Error says which sector failed and why.
  void WriteAt(std::uint64_t offset, const void* data, std::size_t size, const std::string& disk);
  void ReadBack(std::uint64_t offset, void* buffer, std::size_t size, const std::string& disk);
  // Whether the medium begins with the whole sectors of `head`; false where
  // it cannot be read.
  bool BeginsWith(const std::vector<std::uint8_t>& head);
  // Reads what can be read: where the whole fails, sector by sector with a
  // few tries each; sectors that stay unreadable are zeros and join `bad`.
  void ReadSalvaging(std::uint64_t offset, void* buffer, std::size_t size,
                     std::vector<ByteRange>& bad);
  // Through the drive's own cache (fdatasync), then out of the kernel's
  // (BLKFLSBUF), so that what is read next comes from the medium.
  void Flush();

  // "disk 2 of 3 (DISK2) in /dev/fd0: sector 17 of 2880"
  std::string SectorText(std::uint64_t offset, const std::string& disk) const;

 private:
  Device(int fd, fs::path path) : fd_(fd), path_(std::move(path)) {}
  // False with errno set on an I/O error or a short transfer.
  bool Transfer(bool write, std::uint64_t offset, void* buffer, std::size_t size);
  int fd_ = -1;
  fs::path path_;
  std::uint64_t size_ = 0;
  std::uint32_t sector_size_ = 512;
};

// Memory aligned as O_DIRECT needs it.
class AlignedBuffer {
 public:
  explicit AlignedBuffer(std::size_t size);
  AlignedBuffer(const AlignedBuffer&) = delete;
  AlignedBuffer& operator=(const AlignedBuffer&) = delete;
  ~AlignedBuffer();
  std::uint8_t* data() { return data_; }

 private:
  std::uint8_t* data_ = nullptr;
};

}  // namespace pieceset
