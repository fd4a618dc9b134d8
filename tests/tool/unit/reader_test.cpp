// Disks read as they are: each file's map against what mtools and xorriso
// extract themselves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "base/errors.h"
#include "disk/reader.h"
#include "test_helpers.h"

namespace pieceset {
namespace {

// Images made and changed by mtools, xorriso and byte edits here; each
// piece's map is checked against what those tools extract themselves.
class DiskMap : public ScratchTest {
 protected:
  void Run(const std::string& command) {
    ASSERT_EQ(std::system(("cd '" + root_.string() + "' && " + command + " >/dev/null 2>&1").c_str()), 0)
        << command;
  }
  std::string Slurp(const std::string& name) {
    std::ifstream in(root_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The file's bytes as its extents place them on the image.
  std::string ByMap(const Disk& disk, const DiskFile& file) {
    const std::string image = Slurp(disk.path.filename().string());
    std::string bytes(file.size, '\0');
    for (const Extent& e : file.extents) {
      bytes.replace(e.file_offset, e.length, image.substr(e.device_offset, e.length));
    }
    return bytes;
  }
  static const DiskFile* Find(const Disk& disk, const std::string& name) {
    for (const DiskFile& file : disk.files) {
      if (file.name == name) return &file;
    }
    return nullptr;
  }
  // A FAT entry of a FAT12 1.44M image, in both of its FATs.
  void MarkFat12(const std::string& name, unsigned cluster, unsigned value) {
    std::fstream image(root_ / name, std::ios::binary | std::ios::in | std::ios::out);
    for (unsigned fat_start : {512u, 512u + 9 * 512}) {
      const unsigned at = fat_start + cluster * 3 / 2;
      unsigned char pair[2];
      image.seekg(at);
      image.read(reinterpret_cast<char*>(pair), 2);
      if (cluster & 1) {
        pair[0] = (pair[0] & 0x0f) | ((value << 4) & 0xf0);
        pair[1] = (value >> 4) & 0xff;
      } else {
        pair[0] = value & 0xff;
        pair[1] = (pair[1] & 0xf0) | ((value >> 8) & 0x0f);
      }
      image.seekp(at);
      image.write(reinterpret_cast<const char*>(pair), 2);
    }
  }
};

// FILE.1 written into the gap a deleted file left, hidden and system as a
// user's attrib may leave it: its map has two runs and holds mcopy's bytes.
TEST_F(DiskMap, FragmentedHiddenFatPieceReadsAsMcopyExtractsIt) {
  Write("small", SeededBytes(5000, 3));
  Write("big", SeededBytes(300000, 4));
  Run("mformat -C -i f.img -f 1440 :: && mcopy -i f.img small ::GAP && mcopy -i f.img big ::FILE.2"
      " && mdel -i f.img ::GAP && mcopy -i f.img big ::FILE.1 && mattrib -i f.img +h +s ::FILE.1"
      " && mcopy -n -i f.img ::FILE.1 out.1");
  const Disk disk = ReadDisk(root_ / "f.img");
  EXPECT_EQ(disk.file_system, "FAT12");
  const DiskFile* file = Find(disk, "FILE.1");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->attributes & 0x06, 0x06);
  ASSERT_EQ(file->extents.size(), 2u);
  EXPECT_EQ(file->extents[0].device_offset, 33u * 512);  // cluster 2, where GAP was
  EXPECT_EQ(file->extents[0].length, 5120u);
  EXPECT_EQ(file->extents[1].file_offset, 5120u);
  EXPECT_TRUE(file->unreadable.empty());
  EXPECT_EQ(ByMap(disk, *file), Slurp("out.1"));
  std::string read(file->size, '\0');
  DiskFileReader reader(disk, *file);
  EXPECT_EQ(reader.Read(read.data(), read.size()), 300000u);
  EXPECT_EQ(read, Slurp("big"));
}

TEST_F(DiskMap, IsoFileReadsAsXorrisoExtractsIt) {
  Write("FILE.1", SeededBytes(300000, 5));
  Run("xorriso -no_rc -outdev c.iso -joliet on -rockridge off -map FILE.1 /FILE.1 -map FILE.1 "
      "/setup.exe -commit && xorriso -no_rc -osirrox on -indev c.iso -extract /FILE.1 out.1");
  const Disk disk = ReadDisk(root_ / "c.iso");
  EXPECT_EQ(disk.file_system, "ISO 9660");
  ASSERT_NE(Find(disk, "setup.exe"), nullptr);  // the Joliet name, as Windows shows it
  const DiskFile* file = Find(disk, "FILE.1");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->extents.size(), 1u);
  EXPECT_EQ(file->extents[0].device_offset % 2048, 0u);
  EXPECT_EQ(ByMap(disk, *file), Slurp("out.1"));
}

// Damage is said in sectors and clusters, and what can be read still is.
TEST_F(DiskMap, BrokenImagesAreDescribedInTheFileSystemsWords) {
  Write("big", SeededBytes(300000, 6));
  Run("mformat -C -i f.img -f 1440 :: && mcopy -i f.img big ::FILE.1 && cp f.img bad.img"
      " && truncate -s 1474048 f.img");
  const Disk short_disk = ReadDisk(root_ / "f.img");
  const DiskFile* file = Find(short_disk, "FILE.1");
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(file->unreadable.empty());  // FILE.1 lies well before the end

  Run("truncate -s 100000 f.img");
  const Disk cut_disk = ReadDisk(root_ / "f.img");
  file = Find(cut_disk, "FILE.1");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->unreadable.size(), 1u);
  EXPECT_EQ(file->unreadable[0].why, "the image ends at sector 195 of 2880");
  EXPECT_EQ(file->unreadable[0].bytes.begin, 100000u - 33 * 512);
  std::string read(file->size, '\0');
  DiskFileReader reader(cut_disk, *file);
  try {
    reader.Read(read.data(), read.size());
    ADD_FAILURE() << "a read past the image's end succeeded";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "the image ends at sector 195 of 2880 (bytes 83104 to 299999 of FILE.1)");
  }

  MarkFat12("bad.img", 212, 0xff7);
  const Disk bad = ReadDisk(root_ / "bad.img");
  file = Find(bad, "FILE.1");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->unreadable.size(), 1u);
  EXPECT_EQ(file->unreadable[0].why, "FILE.1's cluster chain is marked bad at cluster 212");
  EXPECT_EQ(file->unreadable[0].bytes.begin, 210u * 512);
  EXPECT_EQ(file->extents.size(), 1u);

  // A Zip disk as the drive's own formatter lays it out: a partition table,
  // the FAT16 volume from sector 32.
  Run("truncate -s 100663296 z.img && mformat -i z.img@@16384 -T 196576 -h 64 -s 32 :: && "
      "mcopy -i z.img@@16384 big ::FILE.1 && printf '\\006' | dd of=z.img bs=1 seek=450 conv=notrunc"
      " && printf '\\040' | dd of=z.img bs=1 seek=454 conv=notrunc"
      " && printf '\\340\\376\\002' | dd of=z.img bs=1 seek=458 conv=notrunc"
      " && printf '\\125\\252' | dd of=z.img bs=1 seek=510 conv=notrunc");
  const Disk zip = ReadDisk(root_ / "z.img");
  EXPECT_EQ(zip.volume_offset, 16384u);
  EXPECT_EQ(zip.note,
            "a partitioned disk: pieceset reads whole-disk images; its FAT16 partition starts at sector 32");
  file = Find(zip, "FILE.1");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(ByMap(zip, *file), Slurp("big"));

  Write("junk", std::vector<char>(100000, 0));
  try {
    ReadDisk(root_ / "junk");
    ADD_FAILURE() << "a disk of zeros was read";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "no FAT12, FAT16 or ISO 9660 file system on it");
  }
}

}  // namespace
}  // namespace pieceset
