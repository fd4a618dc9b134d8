// The media a set is cut for: what a disk of each preset holds as its file
// system stores files, and a plain size as the user gives it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"

namespace pieceset {

// Whole clusters in the data area, and a bounded root directory on FAT.
// Floppies are FAT12 as `mformat -f` (and DOS FORMAT) lays them out. Zip
// disks are FAT16 "superfloppies" (the file system from sector 0, no
// partition table), as mformat makes them from the drive's geometry: 64
// heads, 32 sectors a track, 196608 sectors (Zip 100) or 489532 (Zip 250).
// CDs are ISO 9660 with 2048-byte sectors, less a reserve for the system
// area, the volume descriptors, path tables, directories and the tail pad
// that xorriso adds.
enum class FileSystem { kBytes, kFat12, kFat16, kIso9660 };

struct Medium {
  std::string_view name;  // as written on the command line; empty otherwise
  FileSystem file_system;
  std::uint32_t sector_size;
  std::uint64_t total_sectors;  // of the whole volume
  std::uint32_t sectors_per_cluster;
  std::uint32_t reserved_sectors;
  std::uint32_t fat_count;
  std::uint32_t root_entries;      // fixed root directory slots; 0 = no limit
  std::uint32_t overhead_sectors;  // ISO 9660 structures; 0 elsewhere
  std::uint32_t mformat_kib;       // `mformat -f` value; 0 = explicit geometry
  std::uint32_t heads;             // for explicit geometry
  std::uint32_t track_sectors;     // for explicit geometry
};

// xorriso writes 16 system-area sectors, the primary and Joliet volume
// descriptors and their terminator, four path tables per tree, a root
// directory per tree and 150 sectors of tail pad: 216 to 235 sectors seen for
// a disc of two files. 256 leaves room for that and for later xorriso versions.
constexpr std::uint32_t kCdOverheadSectors = 256;

constexpr Medium kMedia[] = {
    {"360K", FileSystem::kFat12, 512, 720, 2, 1, 2, 112, 0, 360, 2, 9},
    {"720K", FileSystem::kFat12, 512, 1440, 2, 1, 2, 112, 0, 720, 2, 9},
    {"1.2M", FileSystem::kFat12, 512, 2400, 1, 1, 2, 224, 0, 1200, 2, 15},
    {"1.44M", FileSystem::kFat12, 512, 2880, 1, 1, 2, 224, 0, 1440, 2, 18},
    {"2.88M", FileSystem::kFat12, 512, 5760, 2, 1, 2, 240, 0, 2880, 2, 36},
    {"100M", FileSystem::kFat16, 512, 196608, 4, 1, 2, 512, 0, 0, 64, 32},
    {"250M", FileSystem::kFat16, 512, 489532, 8, 1, 2, 512, 0, 0, 64, 32},
    // 74 and 80 minutes at 75 sectors a second (the Red Book rate).
    {"650M", FileSystem::kIso9660, 2048, 333000, 1, 0, 0, 0, kCdOverheadSectors, 0, 0, 0},
    {"700M", FileSystem::kIso9660, 2048, 360000, 1, 0, 0, 0, kCdOverheadSectors, 0, 0, 0},
};

// The longest preset name, for records that store one.
constexpr std::size_t LongestPresetName() {
  std::size_t longest = 0;
  for (const Medium& m : kMedia) longest = m.name.size() > longest ? m.name.size() : longest;
  return longest;
}

// A plain byte count: that many bytes of files, counted byte for byte.
constexpr Medium BytesMedium(std::uint64_t bytes) {
  return {"", FileSystem::kBytes, 1, bytes, 1, 0, 0, 0, 0, 0, 0, 0};
}

constexpr std::uint64_t RootDirectorySectors(const Medium& m) {
  return (std::uint64_t{m.root_entries} * 32 + m.sector_size - 1) / m.sector_size;
}

constexpr std::uint32_t FatBits(const Medium& m) {
  return m.file_system == FileSystem::kFat12 ? 12 : 16;
}

// The smallest FAT that maps every cluster it leaves room for (plus the two
// reserved entries), as FORMAT and mformat size it.
constexpr std::uint64_t FatSectors(const Medium& m) {
  if (m.file_system != FileSystem::kFat12 && m.file_system != FileSystem::kFat16) return 0;
  const std::uint64_t before_fats = m.reserved_sectors + RootDirectorySectors(m);
  for (std::uint64_t fat = 1;; ++fat) {
    const std::uint64_t used = before_fats + m.fat_count * fat;
    if (used >= m.total_sectors) return fat;
    const std::uint64_t clusters = (m.total_sectors - used) / m.sectors_per_cluster;
    if ((clusters + 2) * FatBits(m) <= fat * m.sector_size * 8) return fat;
  }
}

constexpr std::uint64_t ClusterBytes(const Medium& m) {
  return std::uint64_t{m.sector_size} * m.sectors_per_cluster;
}

constexpr std::uint64_t DataClusters(const Medium& m) {
  switch (m.file_system) {
    case FileSystem::kBytes:
      return m.total_sectors;
    case FileSystem::kIso9660:
      return m.total_sectors > m.overhead_sectors ? m.total_sectors - m.overhead_sectors : 0;
    case FileSystem::kFat12:
    case FileSystem::kFat16: {
      const std::uint64_t used =
          m.reserved_sectors + RootDirectorySectors(m) + m.fat_count * FatSectors(m);
      return used < m.total_sectors ? (m.total_sectors - used) / m.sectors_per_cluster : 0;
    }
  }
  return 0;
}

constexpr std::uint64_t DataBytes(const Medium& m) { return DataClusters(m) * ClusterBytes(m); }

// Clusters a file of `bytes` takes; an empty file takes none.
constexpr std::uint64_t ClustersFor(std::uint64_t bytes, const Medium& m) {
  return (bytes + ClusterBytes(m) - 1) / ClusterBytes(m);
}

// Every medium with a file system can be written as an image.
constexpr bool HasImage(const Medium& m) { return m.file_system != FileSystem::kBytes; }
constexpr bool IsCd(const Medium& m) { return m.file_system == FileSystem::kIso9660; }

constexpr std::optional<Medium> FindPreset(std::string_view name) {
  for (const Medium& m : kMedia) {
    if (EqualsNoCase(m.name, name)) return m;
  }
  return std::nullopt;
}

static_assert(DataClusters(*FindPreset("1.44M")) == 2847);
static_assert(ClusterBytes(*FindPreset("1.44M")) == 512);
static_assert(DataBytes(*FindPreset("360K")) == 362496);

// A preset name (case does not matter) or a plain number of bytes: the
// bytes of files a disk may take or, with a file system, the size of the
// whole volume, laid out as that file system would be.
Medium ParseMedia(const std::string& text, std::optional<FileSystem> file_system = std::nullopt);

// "fat12", "FAT16", "iso9660"; UsageError for anything else.
FileSystem ParseFileSystem(const std::string& text);

// "FAT12", "ISO 9660".
const char* FileSystemName(FileSystem file_system);

// "1.44M", "1457664 bytes" for a plain size, "3145728-byte FAT16".
std::string MediaName(const Medium& medium);

// "a 1.44M disk" for a size a preset has, else "N bytes".
std::string MediumText(std::uint64_t bytes);

}  // namespace pieceset
