// Reading a FAT12/16 or ISO 9660 disk as it is, from an image file or a
// block device, through The Sleuth Kit: its root files, where each one's
// bytes lie on the device, and which of them cannot be read and why.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/byte_range.h"
#include "base/file.h"

namespace pieceset {

// Bytes of a file that cannot be read, with the reason in the file system's
// words: "the image ends at sector 2879 of 2880", "FILE.3's cluster chain
// is marked bad at cluster 212".
struct Unreadable {
  ByteRange bytes;  // of the file
  std::string why;
};

// A root-directory file. Together, `extents` and `unreadable` cover the
// whole of its `size` bytes, each without overlap.
struct DiskFile {
  std::string name;             // as Windows shows it: the long or Joliet name
  std::uint64_t size = 0;       // as the directory entry says
  std::uint8_t attributes = 0;  // FAT's attribute byte (0x02 hidden, 0x04 system); 0 on ISO 9660
  std::vector<Extent> extents;  // in file order, device offsets with the partition's
  std::vector<Unreadable> unreadable;
  // Read though the file system is damaged where Windows reads it ("its
  // cluster chain in the first FAT is broken"); empty when it is not.
  std::string map_problem;
};

struct Disk {
  fs::path path;
  std::string file_system;         // "FAT12", "FAT16", "ISO 9660"
  std::uint64_t volume_offset = 0;  // where the file system starts on the device
  std::uint32_t sector_size = 0;    // the file system's sector: 512, or 2048 on a CD
  std::uint64_t volume_sectors = 0; // the sectors the file system says it has
  std::uint64_t device_size = 0;    // bytes the image or device really holds
  std::uint64_t data_bytes = 0;     // room for files: clusters times cluster size (FAT only)
  std::vector<DiskFile> files;      // regular files of the root directory
  std::string note;                 // how it was read, when not as a plain volume
};

// Whether `path` starts like a FAT or ISO 9660 volume, or an MBR-partitioned
// disk. Error when it is neither a regular file nor a block device (a FIFO
// is refused, not waited on) or cannot be read.
bool LooksLikeDisk(const fs::path& path);

// Reads the volume's root directory and each file's map. Error, in the
// medium's words, for what is no FAT or ISO 9660 volume.
Disk ReadDisk(const fs::path& path);

// Reads a file of a disk from its extents, as the map says.
class DiskFileReader {
 public:
  DiskFileReader(const Disk& disk, const DiskFile& file);
  // Up to `size` bytes, fewer only at the file's end. Error with the
  // reason when the next byte is unreadable or the device fails.
  std::size_t Read(void* buffer, std::size_t size);
  std::uint64_t Size() const { return file_.size; }

 private:
  File device_;
  const DiskFile& file_;
  std::uint64_t position_ = 0;
};

}  // namespace pieceset
