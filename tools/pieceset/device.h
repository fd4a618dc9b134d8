// Real drives: writing disk images to them with a read-back check, imaging a
// failing disk, and the bad-sector map that imaging leaves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "io.h"

namespace pieceset {

// No medium that write serves (floppies, Zip disks) is larger: a device over
// this is refused whatever its size, so that a system disk stays safe even
// where its size happened to match an image.
constexpr std::uint64_t kLargestWritableDevice = std::uint64_t{1} << 30;

// An open whole block device, closed when it goes.
class Device {
 public:
  enum class Mode { kRead, kWriteExclusive };
  // Refuses anything but a block device, and for kWriteExclusive a
  // partition, a device held by anyone (mounted, or opened with O_EXCL) and
  // one over kLargestWritableDevice, in words that say what was found.
  // I/O goes past the page cache (O_DIRECT).
  static Device Open(const fs::path& path, Mode mode);
  Device(Device&& other) noexcept;
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;
  ~Device();

  std::uint64_t size() const { return size_; }
  std::uint32_t sector_size() const { return sector_size_; }
  const fs::path& path() const { return path_; }
  // Whole sectors at a sector-aligned offset from a buffer of AlignedBuffer.
  // False with errno set on an I/O error or a short transfer.
  bool ReadAt(std::uint64_t offset, void* buffer, std::size_t size);
  bool WriteAt(std::uint64_t offset, const void* data, std::size_t size);
  // Through the drive's own cache (fdatasync), then out of the kernel's
  // (BLKFLSBUF), so that what is read next comes from the medium.
  void Flush();

 private:
  Device(int fd, fs::path path) : fd_(fd), path_(std::move(path)) {}
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

// "a 1.44M disk" for a size a preset has, else "N bytes".
std::string MediumText(std::uint64_t bytes);

struct WriteOptions {
  std::vector<fs::path> images;
  fs::path device;
  bool yes = false;  // write without asking, and fail rather than ask again
};

// Writes each image to the device in turn, each read back and compared.
// Returns normally only when every disk is written and checked.
void WriteImages(const WriteOptions& options);

// Images the device into `out` (all-or-nothing, beside it `out`.map in GNU
// ddrescue's mapfile format); returns the number of unreadable bytes,
// written as zeros and marked bad in the map.
std::uint64_t Rescue(const fs::path& device, const fs::path& out, bool force);

// A byte range of a medium, as a map lists it.
struct ByteRange {
  std::uint64_t offset;
  std::uint64_t size;
};
inline bool operator==(const ByteRange& a, const ByteRange& b) {
  return a.offset == b.offset && a.size == b.size;
}

// The ranges a GNU ddrescue mapfile does not list as finished ('+'): bad,
// untried, untrimmed and unscraped areas alike, as none of them was read.
// Neighbouring ranges are merged. Error names the line of a malformed map.
std::vector<ByteRange> ParseBadRanges(const std::string& map_text);
std::vector<ByteRange> ReadBadRanges(const fs::path& map);

}  // namespace pieceset
