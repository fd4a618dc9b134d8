// The media table and the sizes the user gives.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "format/media.h"

namespace pieceset {
namespace {

// The floppy figures are what `mformat -f` leaves free on an empty disk.
TEST(MediaTable, FloppiesHoldTheirFatDataArea) {
  struct Expect { const char* name; std::uint64_t clusters; std::uint64_t cluster; };
  const Expect expected[] = {
      {"360K", 354, 1024},  {"720K", 713, 1024},   {"1.2M", 2371, 512},
      {"1.44M", 2847, 512}, {"2.88M", 2863, 1024},
  };
  for (const Expect& e : expected) {
    const Medium m = *FindPreset(e.name);
    EXPECT_EQ(DataClusters(m), e.clusters) << e.name;
    EXPECT_EQ(ClusterBytes(m), e.cluster) << e.name;
  }
  EXPECT_EQ(DataBytes(*FindPreset("1.44M")), 1457664u);
  EXPECT_EQ(FatSectors(*FindPreset("1.44M")), 9u);
  EXPECT_EQ(FindPreset("1.44M")->root_entries, 224u);
  EXPECT_EQ(FindPreset("360K")->root_entries, 112u);
}

// Zip disks as mformat makes a superfloppy of 196608 and 489532 sectors
// (what `mdir` reports free on the empty image).
TEST(MediaTable, ZipDisksAreFat16AndCdsWholeSectors) {
  const Medium zip100 = *FindPreset("100M");
  EXPECT_EQ(FatSectors(zip100), 192u);
  EXPECT_EQ(ClusterBytes(zip100), 2048u);
  EXPECT_EQ(DataBytes(zip100), 49047u * 2048u);
  EXPECT_EQ(DataBytes(zip100), 100448256u);
  EXPECT_EQ(FatSectors(*FindPreset("250M")), 239u);
  EXPECT_EQ(ClusterBytes(*FindPreset("250M")), 4096u);
  EXPECT_EQ(DataBytes(*FindPreset("250M")), 61127u * 4096u);
  EXPECT_EQ(DataBytes(*FindPreset("250M")), 250376192u);
  EXPECT_EQ(ClusterBytes(*FindPreset("650M")), 2048u);
  EXPECT_EQ(DataBytes(*FindPreset("650M")), (333000u - 256u) * 2048ull);
  EXPECT_EQ(DataBytes(*FindPreset("700M")), (360000u - 256u) * 2048ull);
}

TEST(MediaTable, SizesAreParsedAsPresetsOrPlainBytes) {
  EXPECT_EQ(ParseMedia("1.44m").name, "1.44M");
  const Medium bytes = ParseMedia("5000");
  EXPECT_EQ(bytes.file_system, FileSystem::kBytes);
  EXPECT_EQ(DataBytes(bytes), 5000u);
  EXPECT_EQ(ClusterBytes(bytes), 1u);
  for (const char* bad : {"", "1.5M", "-1", "12K", "1e6", " 100"}) {
    EXPECT_THROW(ParseMedia(bad), UsageError) << bad;
  }
}

// A plain size with a file system is a whole volume, laid out as mformat or
// xorriso lay it out, with the smallest clusters its FAT can count.
TEST(MediaTable, PlainSizesWithAFileSystemAreWholeVolumes) {
  const Medium fat16 = ParseMedia("2500000", FileSystem::kFat16);
  EXPECT_EQ(fat16.total_sectors, 4882u);
  EXPECT_EQ(ClusterBytes(fat16), 512u);
  EXPECT_EQ(FatSectors(fat16), 19u);
  EXPECT_EQ(DataClusters(fat16), 4882u - 1 - 32 - 2 * 19);
  EXPECT_EQ(DataBytes(fat16), 2499584u - (1 + 32 + 38) * 512u);
  EXPECT_EQ(MediaName(fat16), "2499584-byte FAT16");
  // 64 MB of FAT16 needs clusters of 2 sectors to stay under 65525.
  const Medium big16 = ParseMedia("67108864", FileSystem::kFat16);
  EXPECT_EQ(ClusterBytes(big16), 1024u);
  EXPECT_LE(DataClusters(big16), 65524u);
  const Medium fat12 = ParseMedia("3000000", FileSystem::kFat12);
  EXPECT_EQ(ClusterBytes(fat12), 1024u);
  EXPECT_LE(DataClusters(fat12), 4084u);
  EXPECT_EQ(RootDirectorySectors(fat12), 14u);
  const Medium cd = ParseMedia("1499136", FileSystem::kIso9660);
  EXPECT_EQ(cd.total_sectors, 732u);
  EXPECT_EQ(DataBytes(cd), (732u - 256u) * 2048u);
  EXPECT_EQ(MediaName(cd), "1499136-byte ISO 9660");
  // Presets keep their own file system; a FAT16 of fewer than 4085
  // clusters would be read as FAT12.
  EXPECT_EQ(ParseMedia("1.44M", FileSystem::kIso9660).file_system, FileSystem::kFat12);
  EXPECT_THROW(ParseMedia("2000000", FileSystem::kFat16), UsageError);
  EXPECT_THROW(ParseMedia("300000000", FileSystem::kFat12), UsageError);
  EXPECT_EQ(ParseFileSystem("FAT16"), FileSystem::kFat16);
  EXPECT_EQ(ParseFileSystem("iso9660"), FileSystem::kIso9660);
  for (const char* bad : {"", "fat", "ntfs", "iso 9660", "fat32"}) {
    EXPECT_THROW(ParseFileSystem(bad), UsageError) << bad;
  }
}

}  // namespace
}  // namespace pieceset
