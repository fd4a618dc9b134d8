// Disk images: FAT through Debian's mtools (mformat, mcopy, mdir), ISO 9660
// through xorriso.
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

// Runs `argv` (found on PATH) with stdin from /dev/null; never through a shell.
// Ctrl-C or a termination request ends the tool too, however stuck it is.
ToolResult RunTool(const std::vector<std::string>& argv);

// Fails with one clear line when the tools for `medium`'s images are missing.
void RequireImageTools(const Medium& medium);

// The date every image gets: SOURCE_DATE_EPOCH, or 2000-01-01 without it.
// UsageError for a value that is no date a FAT or ISO 9660 disk can carry.
std::int64_t ImageEpoch();

// A new image at `image` of `medium`'s format, labelled `label`, holding
// `files` (copied under their own names). Fails when the file system made
// has another size than `medium` says, or the files do not fit.
void WriteImage(const fs::path& image, const Medium& medium,
                const std::string& label, const std::string& serial,
                const std::vector<fs::path>& files);

// Whether the file starts like an ISO 9660 or a FAT volume.
bool LooksLikeIso9660(const fs::path& image);
bool LooksLikeFat(const fs::path& image);

struct ImageEntry {
  std::string name;  // as Windows would show it
  std::uint64_t size = 0;
};

// Root-directory files of a FAT or ISO 9660 image.
std::vector<ImageEntry> ListImage(const fs::path& image);

// Copies `entries` out of the image's root directory into `folder`, and
// checks that each came out whole (a full temp folder is an error, not a
// short piece).
void ExtractFromImage(const fs::path& image, const std::vector<ImageEntry>& entries,
                      const fs::path& folder);

}  // namespace pieceset
