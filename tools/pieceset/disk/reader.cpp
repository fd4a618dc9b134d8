// Disks read through The Sleuth Kit; only the reasons a FAT cluster chain
// breaks off are read from the FAT here, since the library stops at them
// without saying which.
#include "disk/reader.h"

#include <tsk/libtsk.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "base/bytes.h"
#include "base/text.h"

namespace pieceset {

namespace {

struct ImageCloser {
  void operator()(TSK_IMG_INFO* image) const { tsk_img_close(image); }
};
struct VolumeSystemCloser {
  void operator()(TSK_VS_INFO* volumes) const { tsk_vs_close(volumes); }
};
struct FileSystemCloser {
  void operator()(TSK_FS_INFO* file_system) const { tsk_fs_close(file_system); }
};
struct DirectoryCloser {
  void operator()(TSK_FS_DIR* dir) const { tsk_fs_dir_close(dir); }
};
struct FileCloser {
  void operator()(TSK_FS_FILE* file) const { tsk_fs_file_close(file); }
};
using ImageHandle = std::unique_ptr<TSK_IMG_INFO, ImageCloser>;
using FileSystemHandle = std::unique_ptr<TSK_FS_INFO, FileSystemCloser>;

// The first `size` bytes from `offset` of an open disk; fewer where it ends.
std::string Peek(File& file, std::uint64_t offset, std::size_t size) {
  std::string bytes(size, '\0');
  bytes.resize(file.ReadAt(offset, bytes.data(), bytes.size()));
  return bytes;
}

bool StartsLikeFat(const std::string& first) {
  // The boot sector's signature, or at least a sector size a FAT could have.
  if (first.size() != 512) return false;
  const auto* boot = reinterpret_cast<const unsigned char*>(first.data());
  const unsigned sector = boot[11] | (boot[12] << 8);
  const bool jump = boot[0] == 0xeb || boot[0] == 0xe9;
  return (boot[510] == 0x55 && boot[511] == 0xaa) ||
         (jump && (sector == 512 || sector == 1024 || sector == 2048 || sector == 4096));
}

// Where a FAT volume keeps its tables, directory and clusters, from its boot
// sector: the library keeps these in a header it does not install.
struct FatGeometry {
  bool fat12 = false;
  std::uint64_t sector = 512;
  std::uint64_t cluster_sectors = 1;
  std::uint64_t first_fat = 0;      // sector of the first FAT
  std::uint64_t fat_sectors = 0;    // of each copy
  std::uint64_t fat_count = 1;      // copies, the second kept for when the first fails
  std::uint64_t root = 0;           // first sector of the root directory
  std::uint64_t first_cluster = 0;  // sector of cluster 2
  std::uint64_t last_cluster = 1;
};

FatGeometry ReadFatGeometry(File& device, std::uint64_t volume_offset, bool fat12,
                            std::uint64_t volume_sectors) {
  std::uint8_t boot[512] = {};
  device.ReadAt(volume_offset, boot, sizeof boot);
  FatGeometry fat;
  fat.fat12 = fat12;
  fat.sector = LoadLE<std::uint16_t>(boot + 11);
  fat.cluster_sectors = std::max<std::uint64_t>(boot[13], 1);
  fat.first_fat = LoadLE<std::uint16_t>(boot + 14);
  fat.fat_sectors = LoadLE<std::uint16_t>(boot + 22);
  fat.fat_count = std::max<std::uint64_t>(boot[16], 1);
  const std::uint64_t root_entries = LoadLE<std::uint16_t>(boot + 17);
  fat.root = fat.first_fat + fat.fat_count * fat.fat_sectors;
  fat.first_cluster = fat.root + (root_entries * 32 + fat.sector - 1) / fat.sector;
  if (volume_sectors > fat.first_cluster) {
    fat.last_cluster = 1 + (volume_sectors - fat.first_cluster) / fat.cluster_sectors;
  }
  return fat;
}

// Entry `cluster` of FAT copy `copy` (0 the first), read from the device;
// an entry that cannot be read is a free one.
std::uint32_t FatEntry(File& device, const FatGeometry& fat, std::uint64_t volume_offset,
                       std::uint64_t copy, std::uint64_t cluster) {
  const bool fat12 = fat.fat12;
  const std::uint64_t at = volume_offset + (fat.first_fat + copy * fat.fat_sectors) * fat.sector +
                           (fat12 ? cluster + cluster / 2 : cluster * 2);
  std::uint8_t bytes[2] = {0, 0};
  try {
    if (device.ReadAt(at, bytes, 2) != 2) return 0;
  } catch (const Error&) {
    return 0;
  }
  const std::uint32_t pair = bytes[0] | (bytes[1] << 8);
  if (!fat12) return pair;
  return (cluster & 1) != 0 ? pair >> 4 : pair & 0xfff;
}

// Follows a FAT chain from `first` in FAT copy `copy` to where it ends or
// breaks, for a file the library could not map: the readable clusters and
// why the rest is not.
void WalkChain(File& device, const FatGeometry& fat, const Disk& disk, std::uint64_t copy,
               std::uint64_t first, DiskFile& file) {
  const std::uint32_t bad = fat.fat12 ? 0xff7 : 0xfff7;
  const std::uint64_t cluster_bytes = fat.cluster_sectors * fat.sector;
  std::uint64_t mapped = 0;
  std::uint64_t cluster = first;
  std::string why;
  for (std::uint64_t steps = 0; mapped < file.size; ++steps) {
    if (cluster < 2 || cluster > fat.last_cluster) {
      why = file.name + "'s cluster chain points to cluster " + std::to_string(cluster) +
            ", outside the disk's clusters 2 to " + std::to_string(fat.last_cluster);
      break;
    }
    if (steps > fat.last_cluster) {
      why = file.name + "'s cluster chain loops back at cluster " + std::to_string(cluster);
      break;
    }
    const std::uint32_t next = FatEntry(device, fat, disk.volume_offset, copy, cluster);
    if (next == bad) {
      why = file.name + "'s cluster chain is marked bad at cluster " + std::to_string(cluster);
      break;
    }
    if (next == 0) {
      why = file.name + "'s cluster chain runs into free cluster " + std::to_string(cluster);
      break;
    }
    const std::uint64_t length = std::min(cluster_bytes, file.size - mapped);
    const std::uint64_t device_offset =
        disk.volume_offset + (fat.first_cluster + (cluster - 2) * fat.cluster_sectors) * fat.sector;
    AppendExtent(file.extents, {mapped, device_offset, length});
    mapped += length;
    if (next >= bad + 1) {
      if (mapped < file.size) {
        why = file.name + "'s cluster chain ends at cluster " + std::to_string(cluster) +
              " after " + Plural(mapped, "byte");
      }
      break;
    }
    cluster = next;
  }
  if (mapped < file.size) file.unreadable.push_back({{mapped, file.size}, why});
}

// The chain from `first` in the FAT copy that maps most of the file: a
// damaged sector of the first FAT costs nothing while the second holds.
void WalkChains(File& device, const FatGeometry& fat, const Disk& disk, std::uint64_t first,
                DiskFile& file) {
  std::optional<DiskFile> best;
  std::uint64_t best_unread = 0;
  for (std::uint64_t copy = 0; copy < fat.fat_count; ++copy) {
    DiskFile trial = file;
    WalkChain(device, fat, disk, copy, first, trial);
    std::uint64_t unread = 0;
    for (const Unreadable& u : trial.unreadable) unread += u.bytes.size();
    if (!best || unread < best_unread) {
      if (copy > 0) {
        trial.map_problem = file.name + "'s cluster chain in the first FAT is broken; read through FAT copy " +
                            std::to_string(copy + 1);
      }
      best = std::move(trial);
      best_unread = unread;
    }
    if (unread == 0) break;
  }
  file = std::move(*best);
}

// The extents the library gives for a file, cut where the device ends.
void MapFile(TSK_FS_FILE* handle, File& device, const Disk& disk, TSK_FS_INFO* file_system,
             const FatGeometry& fat, DiskFile& file) {
  const TSK_FS_ATTR* attribute = tsk_fs_file_attr_get(handle);
  if (attribute == nullptr || (attribute->flags & TSK_FS_ATTR_NONRES) == 0) {
    tsk_error_reset();
    const bool is_fat = TSK_FS_TYPE_ISFAT(file_system->ftype);
    const auto* content = static_cast<const TSK_DADDR_T*>(handle->meta->content_ptr);
    if (is_fat && content != nullptr && file.size > 0) {
      WalkChains(device, fat, disk, content[0], file);
    } else if (file.size > 0) {
      file.unreadable.push_back({{0, file.size}, file.name + " has no readable extent"});
    }
  } else {
    const std::uint64_t block = file_system->block_size;
    for (const TSK_FS_ATTR_RUN* run = attribute->nrd.run; run != nullptr; run = run->next) {
      const std::uint64_t offset = run->offset * block;
      if (offset >= file.size) break;
      const std::uint64_t length = std::min<std::uint64_t>(run->len * block, file.size - offset);
      if ((run->flags & (TSK_FS_ATTR_RUN_FLAG_FILLER | TSK_FS_ATTR_RUN_FLAG_SPARSE)) != 0) {
        file.unreadable.push_back({{offset, offset + length}, file.name + " has a hole in its map"});
        continue;
      }
      file.extents.push_back({offset, disk.volume_offset + run->addr * block, length});
    }
    // The library reads the first FAT alone: where that leaves bytes of the
    // file unmapped, the chain is walked in each copy.
    std::uint64_t mapped = 0;
    for (const Extent& e : file.extents) mapped += e.length;
    for (const Unreadable& u : file.unreadable) mapped += u.bytes.size();
    const auto* content = static_cast<const TSK_DADDR_T*>(handle->meta->content_ptr);
    if (TSK_FS_TYPE_ISFAT(file_system->ftype) && mapped < file.size && content != nullptr) {
      file.extents.clear();
      file.unreadable.clear();
      WalkChains(device, fat, disk, content[0], file);
    }
  }
  // What lies past the device's end is said once, in sectors.
  std::vector<Extent> kept;
  for (Extent extent : file.extents) {
    if (extent.device_offset + extent.length > disk.device_size) {
      const std::uint64_t inside =
          extent.device_offset < disk.device_size ? disk.device_size - extent.device_offset : 0;
      const std::uint64_t held =
          disk.device_size > disk.volume_offset ? disk.device_size - disk.volume_offset : 0;
      file.unreadable.push_back(
          {{extent.file_offset + inside, extent.file_offset + extent.length},
           "the image ends at sector " + std::to_string(held / disk.sector_size) + " of " +
               std::to_string(disk.volume_sectors)});
      extent.length = inside;
    }
    if (extent.length > 0) kept.push_back(extent);
  }
  file.extents = kept;
  std::sort(file.unreadable.begin(), file.unreadable.end(),
            [](const Unreadable& a, const Unreadable& b) { return a.bytes.begin < b.bytes.begin; });
}

// A FAT or ISO 9660 file system at `offset`, or none. Each is tried alone:
// the library's general detection probes a dozen other file systems, which
// reads most of a floppy.
TSK_FS_INFO* OpenReadable(TSK_IMG_INFO* image, std::uint64_t offset) {
  for (const TSK_FS_TYPE_ENUM type : {TSK_FS_TYPE_FAT_DETECT, TSK_FS_TYPE_ISO9660_DETECT}) {
    if (TSK_FS_INFO* found = tsk_fs_open_img(image, static_cast<TSK_OFF_T>(offset), type)) {
      return found;
    }
    tsk_error_reset();
  }
  return nullptr;
}

// The FAT or ISO 9660 volume on the image, or on the first partition that
// holds one, as a Zip drive's own formatter lays its disks out.
FileSystemHandle OpenVolume(TSK_IMG_INFO* image, Disk& disk) {
  const TSK_FS_TYPE_ENUM types = static_cast<TSK_FS_TYPE_ENUM>(
      TSK_FS_TYPE_FAT12 | TSK_FS_TYPE_FAT16 | TSK_FS_TYPE_ISO9660);
  TSK_FS_INFO* whole = OpenReadable(image, 0);
  // The general detection only to name what else it is.
  if (whole == nullptr) whole = tsk_fs_open_img(image, 0, TSK_FS_TYPE_DETECT);
  if (whole != nullptr) {
    FileSystemHandle handle(whole);
    if ((whole->ftype & types) != 0) return handle;
    throw Error(std::string("a ") + tsk_fs_type_toname(whole->ftype) +
                " file system, neither FAT12, FAT16 nor ISO 9660");
  }
  tsk_error_reset();
  std::unique_ptr<TSK_VS_INFO, VolumeSystemCloser> volumes(
      tsk_vs_open(image, 0, TSK_VS_TYPE_DOS));
  tsk_error_reset();
  if (volumes) {
    for (TSK_PNUM_T i = 0; i < volumes->part_count; ++i) {
      const TSK_VS_PART_INFO* part = tsk_vs_part_get(volumes.get(), i);
      if ((part->flags & TSK_VS_PART_FLAG_ALLOC) == 0) continue;
      const std::uint64_t offset = part->start * volumes->block_size;
      TSK_FS_INFO* inside = OpenReadable(image, offset);
      if (inside == nullptr) continue;
      FileSystemHandle handle(inside);
      if ((inside->ftype & types) == 0) continue;
      disk.volume_offset = offset;
      disk.note = "a partitioned disk: pieceset reads whole-disk images; its " +
                  std::string(inside->ftype == TSK_FS_TYPE_FAT12 ? "FAT12" : "FAT16") +
                  " partition starts at sector " + std::to_string(part->start);
      return handle;
    }
  }
  throw Error("no FAT12, FAT16 or ISO 9660 file system on it");
}

}  // namespace

bool LooksLikeDisk(const fs::path& path) {
  File file = File::OpenDisk(path);
  return Peek(file, 16 * 2048 + 1, 5) == "CD001" || StartsLikeFat(Peek(file, 0, 512));
}

Disk ReadDisk(const fs::path& path) {
  // Opened here first, so that a FIFO or a folder is refused before the
  // library could wait on it.
  File device = File::OpenDisk(path);
  Disk disk;
  disk.path = path;
  disk.device_size = device.Size();
  ImageHandle image(tsk_img_open_sing(path.c_str(), TSK_IMG_TYPE_RAW, 0));
  if (!image) {
    const std::string why = tsk_error_get() != nullptr ? tsk_error_get() : "";
    tsk_error_reset();
    throw Error("cannot open it as a disk: " + why);
  }
  FileSystemHandle volume = OpenVolume(image.get(), disk);
  TSK_FS_INFO* file_system = volume.get();
  disk.sector_size = file_system->block_size;
  disk.volume_sectors = file_system->block_count;
  const bool is_fat = TSK_FS_TYPE_ISFAT(file_system->ftype);
  FatGeometry fat;
  if (!is_fat) {
    disk.file_system = "ISO 9660";
  } else {
    disk.file_system = file_system->ftype == TSK_FS_TYPE_FAT12 ? "FAT12" : "FAT16";
    fat = ReadFatGeometry(device, disk.volume_offset, file_system->ftype == TSK_FS_TYPE_FAT12,
                          disk.volume_sectors);
    disk.data_bytes = (fat.last_cluster - 1) * fat.cluster_sectors * fat.sector;
  }

  std::unique_ptr<TSK_FS_DIR, DirectoryCloser> root(
      tsk_fs_dir_open_meta(file_system, file_system->root_inum));
  if (!root) {
    const std::string why = tsk_error_get() != nullptr ? tsk_error_get() : "";
    tsk_error_reset();
    throw Error("cannot read its root folder: " + why);
  }
  for (std::size_t i = 0; i < tsk_fs_dir_getsize(root.get()); ++i) {
    std::unique_ptr<TSK_FS_FILE, FileCloser> handle(tsk_fs_dir_get(root.get(), i));
    if (!handle || handle->name == nullptr || handle->meta == nullptr ||
        handle->meta->type != TSK_FS_META_TYPE_REG ||
        (handle->name->flags & TSK_FS_NAME_FLAG_ALLOC) == 0) {
      // Folders, deleted entries and the library's own ($MBR, $FAT1, ...).
      tsk_error_reset();
      continue;
    }
    DiskFile file;
    file.name = handle->name->name;
    file.size = static_cast<std::uint64_t>(handle->meta->size);
    if (is_fat) {
      // The attribute byte of the directory entry, which the library does
      // not keep. Its entries are numbered from 3, 16 to a sector of the
      // root directory.
      const std::uint64_t slot = handle->meta->addr - 3;
      const std::uint64_t per_sector = fat.sector / 32;
      const std::uint64_t at = disk.volume_offset +
                               (fat.root + slot / per_sector) * fat.sector +
                               slot % per_sector * 32 + 11;
      device.ReadAt(at, &file.attributes, 1);
      if ((file.attributes & 0x08) != 0) continue;  // the volume label
    }
    MapFile(handle.get(), device, disk, file_system, fat, file);
    disk.files.push_back(std::move(file));
  }
  return disk;
}

DiskFileReader::DiskFileReader(const Disk& disk, const DiskFile& file)
    : device_(File::OpenDisk(disk.path)), file_(file) {}

std::size_t DiskFileReader::Read(void* buffer, std::size_t size) {
  auto* at = static_cast<std::uint8_t*>(buffer);
  std::size_t done = 0;
  while (done < size && position_ < file_.size) {
    const Extent* extent = nullptr;
    for (const Extent& each : file_.extents) {
      if (position_ >= each.file_offset && position_ < each.file_offset + each.length) {
        extent = &each;
        break;
      }
    }
    if (extent == nullptr) {
      for (const Unreadable& gap : file_.unreadable) {
        if (position_ >= gap.bytes.begin && position_ < gap.bytes.end) {
          throw Error(gap.why + " (bytes " + std::to_string(gap.bytes.begin) + " to " +
                      std::to_string(gap.bytes.end - 1) + " of " + file_.name + ")");
        }
      }
      throw Error("byte " + std::to_string(position_) + " of " + file_.name + " is in no extent");
    }
    const std::uint64_t into = position_ - extent->file_offset;
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(size - done, extent->length - into));
    const std::size_t got = device_.ReadAt(extent->device_offset + into, at + done, want);
    if (got != want) {
      throw Error("the device ended early, at byte " +
                  std::to_string(extent->device_offset + into + got));
    }
    done += got;
    position_ += got;
  }
  return done;
}

}  // namespace pieceset
