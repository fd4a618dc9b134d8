#include <string>
#include <vector>

#include "base/child.h"
#include "base/errors.h"
#include "base/text.h"
#include "disk/image.h"
#include "disk/reader.h"

namespace pieceset {

void WriteFatImage(const fs::path& image, const ImageRequest& request) {
  const Medium& medium = request.medium;
  const std::string target = image.string();
  std::vector<std::string> argv = {"mformat", "-i", target, "-C"};
  if (medium.mformat_kib != 0) {
    argv.insert(argv.end(), {"-f", std::to_string(medium.mformat_kib)});
  } else {
    // Every figure given, so that mformat cannot choose another layout than
    // the one the cut was planned for.
    argv.insert(argv.end(),
                {"-T", std::to_string(medium.total_sectors), "-h", std::to_string(medium.heads),
                 "-s", std::to_string(medium.track_sectors), "-c",
                 std::to_string(medium.sectors_per_cluster), "-r",
                 std::to_string(RootDirectorySectors(medium)), "-R",
                 std::to_string(medium.reserved_sectors), "-d", std::to_string(medium.fat_count),
                 // A fixed disk's media byte, as Zip drives and hard disks carry.
                 "-m", "0xf8"});
  }
  argv.insert(argv.end(), {"-v", request.label, "-N", request.serial, "::"});
  if (const int status = RunTool(argv, request.epoch); status != 0) {
    throw Error("cannot write " + ShownPath(image) + ": " + ToolFailure("mformat", status));
  }
  if (request.check_layout) {
    // The cut's arithmetic and the file system must agree, or a piece planned
    // to fit would not.
    const Disk disk = ReadDisk(image);
    if (disk.data_bytes != DataBytes(medium)) {
      throw Error("cannot write " + ShownPath(image) + ": mformat made " +
                  std::to_string(disk.data_bytes) + " bytes of room where " +
                  std::to_string(DataBytes(medium)) + " were planned");
    }
  }
  std::vector<std::string> copy = {"mcopy", "-Q", "-i", target};
  for (const fs::path& file : request.files) copy.push_back(file.string());
  copy.push_back("::");
  if (const int status = RunTool(copy, request.epoch); status != 0) {
    throw Error("cannot write " + ShownPath(image) + ": " + ToolFailure("mcopy", status));
  }
}

}  // namespace pieceset
