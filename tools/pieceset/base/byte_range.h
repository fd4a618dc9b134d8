// Byte ranges of a file or a medium, and where a file's bytes lie on one.
#pragma once

#include <cstdint>
#include <vector>

namespace pieceset {

// [begin, end): what a map calls bad, what a copy could not read.
struct ByteRange {
  std::uint64_t begin = 0;
  std::uint64_t end = 0;

  std::uint64_t size() const { return end - begin; }
  bool Overlaps(std::uint64_t from, std::uint64_t to) const { return begin < to && end > from; }
  friend bool operator==(const ByteRange& a, const ByteRange& b) {
    return a.begin == b.begin && a.end == b.end;
  }
};

// Adds `range` after the others, merged with the last when they touch; the
// ranges come in order.
void AppendRange(std::vector<ByteRange>& ranges, ByteRange range);

// `length` bytes from `file_offset` in a file lie from `device_offset` in an
// image, a device or a recovery code's disk.
struct Extent {
  std::uint64_t file_offset = 0;
  std::uint64_t device_offset = 0;
  std::uint64_t length = 0;
};

// Adds `extent` after the others, merged with the last when it continues it
// both in the file and on the device.
void AppendExtent(std::vector<Extent>& extents, Extent extent);

}  // namespace pieceset
