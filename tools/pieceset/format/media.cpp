#include "format/media.h"

#include <algorithm>

#include "base/errors.h"

namespace pieceset {

const char* FileSystemName(FileSystem file_system) {
  switch (file_system) {
    case FileSystem::kFat12: return "FAT12";
    case FileSystem::kFat16: return "FAT16";
    case FileSystem::kIso9660: return "ISO 9660";
    case FileSystem::kBytes: break;
  }
  return "bytes";
}

namespace {

// A volume of `bytes` laid out as mformat or xorriso would lay it out, with
// the smallest clusters its FAT can count.
Medium CustomMedium(std::uint64_t bytes, FileSystem file_system) {
  const std::string size = std::to_string(bytes) + " bytes";
  if (file_system == FileSystem::kIso9660) {
    // Its volume descriptor counts the volume's sectors in 32 bits.
    if (bytes / 2048 > 0xffffffffULL) {
      throw UsageError(size + " is too large for ISO 9660, whose volumes hold at most "
                       "4294967295 sectors of 2048 bytes");
    }
    return {"", file_system, 2048, bytes / 2048, 1, 0, 0, 0, kCdOverheadSectors, 0, 0, 0};
  }
  const bool fat12 = file_system == FileSystem::kFat12;
  // Cluster counts a FAT of that width holds, as FAT drivers tell them apart.
  const std::uint64_t most = fat12 ? 4084 : 65524;
  Medium m{"", file_system, 512, bytes / 512, 1, 1, 2, fat12 ? 224u : 512u, 0, 0,
           fat12 ? 2u : 64u, fat12 ? 18u : 32u};
  if (m.total_sectors > 0xffffffffULL) {
    throw UsageError(size + " is too large for " + FileSystemName(file_system));
  }
  for (; m.sectors_per_cluster <= 64; m.sectors_per_cluster *= 2) {
    if (DataClusters(m) <= most) break;
  }
  if (m.sectors_per_cluster > 64) {
    throw UsageError(size + " is too large for " + FileSystemName(file_system) +
                     (fat12 ? "; use --fs fat16" : ""));
  }
  if (!fat12 && DataClusters(m) < 4085) {
    throw UsageError(size + " is too small for FAT16, which needs 4085 clusters "
                     "(at least 2200000 bytes); use --fs fat12");
  }
  return m;
}

}  // namespace

FileSystem ParseFileSystem(const std::string& text) {
  if (EqualsNoCase(text, "fat12")) return FileSystem::kFat12;
  if (EqualsNoCase(text, "fat16")) return FileSystem::kFat16;
  if (EqualsNoCase(text, "iso9660")) return FileSystem::kIso9660;
  throw UsageError("unknown file system '" + ShownPath(text) +
                   "': give fat12, fat16 or iso9660");
}

Medium ParseMedia(const std::string& text, std::optional<FileSystem> file_system) {
  // A preset keeps its own file system, whatever --fs says of plain sizes.
  if (auto preset = FindPreset(text)) return *preset;
  const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  if (!digits) {
    std::string names;
    for (const Medium& m : kMedia) names += (names.empty() ? "" : ", ") + std::string(m.name);
    throw UsageError("unknown media size '" + ShownPath(text) +
                     "': give a number of bytes or one of " + names);
  }
  // No file, and so no disk of files, is larger than a signed 64-bit offset.
  const std::string significant = text.substr(std::min(text.find_first_not_of('0'), text.size()));
  constexpr std::string_view kLargest = "9223372036854775807";
  if (significant.size() > kLargest.size() ||
      (significant.size() == kLargest.size() && significant > kLargest)) {
    throw UsageError("media size " + text + " is too large: at most " + std::string(kLargest) +
                     " bytes");
  }
  const std::uint64_t bytes = significant.empty() ? 0 : std::stoull(significant);
  return file_system ? CustomMedium(bytes, *file_system) : BytesMedium(bytes);
}

std::string MediaName(const Medium& medium) {
  if (medium.file_system == FileSystem::kBytes) {
    return std::to_string(medium.total_sectors) + " bytes";
  }
  if (medium.name.empty()) {
    return std::to_string(medium.total_sectors * medium.sector_size) + "-byte " +
           FileSystemName(medium.file_system);
  }
  return std::string(medium.name);
}

std::string MediumText(std::uint64_t bytes) {
  for (const Medium& m : kMedia) {
    if (m.sector_size * m.total_sectors == bytes) return "a " + std::string(m.name) + " disk";
  }
  return std::to_string(bytes) + " bytes";
}

}  // namespace pieceset
