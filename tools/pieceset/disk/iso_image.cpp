#include <ctime>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/child.h"
#include "base/errors.h"
#include "base/text.h"
#include "disk/image.h"

namespace pieceset {

namespace {

// xorriso with no startup file of the user's or the system's, stopping at the
// first failure.
std::vector<std::string> Xorriso(std::initializer_list<std::string> rest) {
  std::vector<std::string> argv = {"xorriso",      "-no_rc", "-abort_on",     "FAILURE",
                                   "-return_with", "SORRY",  "32",            "-report_about",
                                   "SORRY"};
  argv.insert(argv.end(), rest.begin(), rest.end());
  return argv;
}

// "YYYYMMDDhhmmss00", GMT, as xorriso takes a volume's UUID date.
std::string EcmaTime(std::int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  gmtime_r(&time, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d%H%M%S00", &parts);
  return text;
}

}  // namespace

void WriteIsoImage(const fs::path& image, const ImageRequest& request) {
  const std::string date = "=" + std::to_string(request.epoch);
  // ISO 9660 level 1 names without the ";1" version and the same names in
  // the Joliet tree, which Windows reads: FILE.1 and SETUP.EXE as given. No
  // Rock Ridge: Windows ignores it, and names must not differ by reader.
  std::vector<std::string> argv = Xorriso(
      {"-outdev", image.string(), "-volid", request.label, "-joliet", "on", "-rockridge", "off",
       "-compliance", "iso_9660_level=1:omit_version", "-volume_date", "c", date,
       "-volume_date", "m", date, "-volume_date", "x", "default", "-volume_date", "f",
       "default", "-volume_date", "uuid", EcmaTime(request.epoch), "-volume_date",
       "all_file_dates", date});
  for (const fs::path& file : request.files) {
    argv.insert(argv.end(), {"-map", file.string(), "/" + file.filename().string()});
  }
  argv.push_back("-commit");
  if (const int status = RunTool(argv, request.epoch); status != 0) {
    throw Error("cannot write " + ShownPath(image) + ": " + ToolFailure("xorriso", status));
  }
  std::error_code error;
  const std::uint64_t size = fs::file_size(image, error);
  const Medium& medium = request.medium;
  const std::uint64_t capacity = medium.total_sectors * medium.sector_size;
  if (error || size > capacity) {
    throw Error("cannot write " + ShownPath(image) + ": it came out " + std::to_string(size) +
                " bytes, more than the " + std::to_string(capacity) + " of the disc");
  }
}

}  // namespace pieceset
