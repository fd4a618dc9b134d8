#include "base/byte_range.h"

namespace pieceset {

void AppendRange(std::vector<ByteRange>& ranges, ByteRange range) {
  if (range.begin == range.end) return;
  if (!ranges.empty() && ranges.back().end == range.begin) {
    ranges.back().end = range.end;
  } else {
    ranges.push_back(range);
  }
}

void AppendExtent(std::vector<Extent>& extents, Extent extent) {
  if (extent.length == 0) return;
  if (!extents.empty()) {
    Extent& last = extents.back();
    if (last.file_offset + last.length == extent.file_offset &&
        last.device_offset + last.length == extent.device_offset) {
      last.length += extent.length;
      return;
    }
  }
  extents.push_back(extent);
}

}  // namespace pieceset
