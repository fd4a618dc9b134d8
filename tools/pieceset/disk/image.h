// Writing disk images: FAT through Debian's mtools (mformat, mcopy), ISO
// 9660 through xorriso, each in a file of its own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/sha256.h"
#include "format/media.h"

namespace pieceset {

namespace fs = std::filesystem;

// The date of an image without SOURCE_DATE_EPOCH: 2000-01-01 00:00:00 UTC.
constexpr std::int64_t kDefaultEpoch = 946684800;

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

// disk<n>.img (or .iso) in `folder`, labelled DISK<n>, with a serial number
// from the set identity so that images are reproducible. `epoch` dates
// every file; `check_layout` as in ImageRequest.
void WriteDiskImage(const fs::path& folder, const Medium& medium, const Digest& set_id,
                    std::uint32_t number, const std::vector<fs::path>& files,
                    std::int64_t epoch, bool check_layout);

// The two writers behind WriteImage, and their words for a tool that failed:
// "mcopy failed (exit status 1)".
std::string ToolFailure(const std::string& tool, int status);
void WriteFatImage(const fs::path& image, const ImageRequest& request);
void WriteIsoImage(const fs::path& image, const ImageRequest& request);

}  // namespace pieceset
