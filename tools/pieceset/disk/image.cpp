#include "disk/image.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "base/bytes.h"
#include "base/child.h"
#include "base/errors.h"
#include "base/file.h"
#include "base/text.h"
#include "format/names.h"

namespace pieceset {

void RequireImageTools(const Medium& medium) {
  const bool cd = IsCd(medium);
  const std::string need = cd ? "CD images need xorriso" : "images need mtools (mformat, mcopy)";
  const std::vector<std::string> argv = cd ? std::vector<std::string>{"xorriso", "-no_rc", "-version"}
                                           : std::vector<std::string>{"mformat", "--version"};
  int status = 0;
  try {
    status = RunTool(argv, kDefaultEpoch);
  } catch (const Error& error) {
    throw Error(need + ": " + error.what());
  }
  if (status != 0) throw Error(need + ": " + ToolFailure(argv[0], status));
}

std::int64_t ImageEpoch() {
  const char* text = std::getenv("SOURCE_DATE_EPOCH");
  if (text == nullptr) return kDefaultEpoch;
  // FAT dates start in 1980; 2099 keeps clear of every file system's end.
  constexpr std::int64_t kEarliest = 315532800;  // 1980-01-01 00:00:00 UTC
  constexpr std::int64_t kLatest = 4102444799;   // 2099-12-31 23:59:59 UTC
  const std::string value = text;
  // Leading zeros are still the same number of seconds.
  const std::size_t start = std::min(value.find_first_not_of('0'), value.size());
  const std::string significant = value.substr(start);
  const bool digits = !value.empty() && significant.size() <= 12 &&
                      value.find_first_not_of("0123456789") == std::string::npos;
  const std::int64_t seconds = !digits ? -1 : significant.empty() ? 0 : std::stoll(significant);
  if (!digits || seconds < kEarliest || seconds > kLatest) {
    throw UsageError("SOURCE_DATE_EPOCH='" + ShownPath(value) +
                     "' is no date for a disk image: give seconds since 1970 from " +
                     std::to_string(kEarliest) + " (1980-01-01) to " +
                     std::to_string(kLatest) + " (2099-12-31), or unset it");
  }
  return seconds;
}

std::string ToolFailure(const std::string& tool, int status) {
  return tool + (status < 0 ? " was ended by a signal" : " failed (exit status " + std::to_string(status) + ")");
}

void WriteImage(const fs::path& image, const ImageRequest& request) {
  if (request.medium.file_system == FileSystem::kIso9660) {
    WriteIsoImage(image, request);
  } else {
    WriteFatImage(image, request);
  }
  // On the medium before the set is renamed into place, as every piece is,
  // and a late write error (a full disk at write-back) reported here.
  File::OpenRead(image).Finish();
}

void WriteDiskImage(const fs::path& folder, const Medium& medium, const Digest& set_id,
                    std::uint32_t number, const std::vector<fs::path>& files,
                    std::int64_t epoch, bool check_layout) {
  // A serial number from the set identity keeps images reproducible.
  char serial[9];
  std::snprintf(serial, sizeof serial, "%08x", LoadLE<std::uint32_t>(set_id.data()) + number);
  const ImageRequest request{medium, "DISK" + std::to_string(number), serial, files, epoch,
                             check_layout};
  WriteImage(folder / ImageName(number, IsCd(medium)), request);
}

}  // namespace pieceset
