// Writing disk images: FAT through Debian's mtools (mformat, mcopy), ISO
// 9660 through xorriso.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "format.h"
#include "io.h"

namespace pieceset {

struct ToolResult {
  int status = -1;  // exit code, or -1 when it did not run or ended by a signal
  std::string out;
  std::string err;
};

// The date of an image without SOURCE_DATE_EPOCH: 2000-01-01 00:00:00 UTC.
constexpr std::int64_t kDefaultEpoch = 946684800;

// Runs `argv` (found on PATH) with stdin from /dev/null, never through a
// shell, in a fixed environment whose SOURCE_DATE_EPOCH is `epoch`.
// Ctrl-C or a termination request ends the tool too, however stuck it is.
ToolResult RunTool(const std::vector<std::string>& argv, std::int64_t epoch = kDefaultEpoch);

// Fails with one clear line when the tools for `medium`'s images are missing.
void RequireImageTools(const Medium& medium);

// The date every image gets: SOURCE_DATE_EPOCH, or 2000-01-01 without it.
// UsageError for a value that is no date a FAT or ISO 9660 disk can carry.
std::int64_t ImageEpoch();

struct ImageRequest {
  Medium medium = BytesMedium(0);
  std::string label;
  std::string serial;           // FAT's volume serial, 8 hex digits
  std::vector<fs::path> files;  // copied under their own names
  std::int64_t epoch = kDefaultEpoch;  // every date on the image, from ImageEpoch()
  // Whether to check that the file system made has the room the cut planned;
  // mformat lays out the same figures the same way, so once per medium.
  bool check_layout = false;
};

// A new image at `image` of the request's medium. Fails when the file system
// made has another size than the medium says, or the files do not fit.
void WriteImage(const fs::path& image, const ImageRequest& request);

}  // namespace pieceset
