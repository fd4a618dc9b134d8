// The piece-set header as pieceset writes it, and the media it cuts for.
// Standard headers and the launcher's piece.h only, so that test helpers can
// include it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The launcher's definition of a piece (kHeaderSize, PieceHeader, ...).
#include "assembly/piece.h"

namespace pieceset {

// --- Piece files -----------------------------------------------------------
//
// Every piece is a 1024-byte header followed by the next slice of the
// installer. The launcher compares bytes 0..1022 of each piece with FILE.1's
// and reads byte 1023 as the last-piece mark, so everything below 1023 is the
// same in every piece of a set: nothing here may depend on the piece number.
// Those sizes are the launcher's own, taken from its header so that the two
// cannot disagree.

constexpr std::size_t kHeaderSize = ::kHeaderSize;
constexpr std::size_t kIdentitySize = ::kIdentitySize;
constexpr std::size_t kLastPieceOffset = offsetof(::PieceHeader, last_piece);

// The launcher reads 260 bytes of FILE.1 and shows the text before the first
// NUL, so the name and its NUL live in the first 260 bytes; the rest of that
// area is zero.
constexpr std::size_t kNameAreaSize = ::kNameLimit;
constexpr std::size_t kMaxNameLength = kNameAreaSize - 1;

// What pieceset adds after the name area. Integers are little-endian.
constexpr std::size_t kMagicOffset = 260;            // 8 bytes "PIECESET"
constexpr std::size_t kVersionOffset = 268;          // u32, kFormatVersion
constexpr std::size_t kSetIdOffset = 272;            // 32 bytes, see below
constexpr std::size_t kInstallerSizeOffset = 304;    // u64
constexpr std::size_t kInstallerDigestOffset = 312;  // 32 bytes, SHA-256
constexpr std::size_t kPieceCountOffset = 344;       // u32
constexpr std::size_t kFirstPayloadOffset = 348;     // u64, FILE.1 unless last
constexpr std::size_t kLaterPayloadOffset = 356;     // u64, others unless last
constexpr std::size_t kPieceDigestCountOffset = 364; // u32, 0 when too many
constexpr std::size_t kPieceDigestsOffset = 368;     // 4 bytes per piece
// Everything from the end of the digest table to byte 1022 is zero.

constexpr std::string_view kMagic = "PIECESET";
constexpr std::uint32_t kFormatVersion = 1;
constexpr std::size_t kDigestSize = 32;
// Each piece's payload digest is kept as its first 4 bytes: enough to name
// the damaged piece, and 128 of them still fit below byte 1023.
constexpr std::size_t kPieceDigestSize = 4;
constexpr std::size_t kMaxPieceDigests = 128;

// The set identity (kSetIdOffset) is the SHA-256 of bytes 0..1022 with the
// set-identity field itself zero: the same installer, name and layout always
// give the same identity, and any change to them gives another.

static_assert(kMagicOffset == kNameAreaSize);
static_assert(kMagicOffset + kMagic.size() == kVersionOffset);
static_assert(kSetIdOffset + kDigestSize == kInstallerSizeOffset);
static_assert(kInstallerDigestOffset + kDigestSize == kPieceCountOffset);
static_assert(kPieceDigestsOffset + kMaxPieceDigests * kPieceDigestSize <=
              kIdentitySize);

// The launcher holds the piece number in a signed 32-bit integer; far fewer
// files than that already make no sense, so cutting stops well before.
constexpr std::uint32_t kMaxPieces = 65535;

// Little-endian fields.
template <typename T>
constexpr void StoreLE(std::uint8_t* at, T value) {
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    at[i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

template <typename T>
constexpr T LoadLE(const std::uint8_t* at) {
  T value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    value = static_cast<T>(value | (static_cast<T>(at[i]) << (8 * i)));
  }
  return value;
}

// --- Media -----------------------------------------------------------------
//
// What a disk of each preset holds as its file system stores files: whole
// clusters in the data area, and a bounded root directory on FAT. Floppies
// are FAT12 as `mformat -f` (and DOS FORMAT) lays them out. Zip disks are
// FAT16 "superfloppies" (the file system from sector 0, no partition table),
// as mformat makes them from the drive's geometry: 64 heads, 32 sectors a
// track, 196608 sectors (Zip 100) or 489532 (Zip 250). CDs are ISO 9660 with
// 2048-byte sectors, less a reserve for the system area, the volume
// descriptors, path tables, directories and the tail pad that xorriso adds.

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
    {"650M", FileSystem::kIso9660, 2048, 333000, 1, 0, 0, 0,
     kCdOverheadSectors, 0, 0, 0},
    {"700M", FileSystem::kIso9660, 2048, 360000, 1, 0, 0, 0,
     kCdOverheadSectors, 0, 0, 0},
};

// A plain byte count: that many bytes of files, counted byte for byte.
constexpr Medium BytesMedium(std::uint64_t bytes) {
  return {"", FileSystem::kBytes, 1, bytes, 1, 0, 0, 0, 0, 0, 0, 0};
}

constexpr std::uint64_t RootDirectorySectors(const Medium& m) {
  return (std::uint64_t{m.root_entries} * 32 + m.sector_size - 1) /
         m.sector_size;
}

constexpr std::uint32_t FatBits(const Medium& m) {
  return m.file_system == FileSystem::kFat12 ? 12 : 16;
}

// The smallest FAT that maps every cluster it leaves room for (plus the two
// reserved entries), as FORMAT and mformat size it.
constexpr std::uint64_t FatSectors(const Medium& m) {
  if (m.file_system != FileSystem::kFat12 &&
      m.file_system != FileSystem::kFat16) {
    return 0;
  }
  const std::uint64_t before_fats = m.reserved_sectors + RootDirectorySectors(m);
  for (std::uint64_t fat = 1;; ++fat) {
    const std::uint64_t used = before_fats + m.fat_count * fat;
    if (used >= m.total_sectors) return fat;
    const std::uint64_t clusters =
        (m.total_sectors - used) / m.sectors_per_cluster;
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
      return m.total_sectors > m.overhead_sectors
                 ? m.total_sectors - m.overhead_sectors
                 : 0;
    case FileSystem::kFat12:
    case FileSystem::kFat16: {
      const std::uint64_t used = m.reserved_sectors + RootDirectorySectors(m) +
                                 m.fat_count * FatSectors(m);
      return used < m.total_sectors
                 ? (m.total_sectors - used) / m.sectors_per_cluster
                 : 0;
    }
  }
  return 0;
}

constexpr std::uint64_t DataBytes(const Medium& m) {
  return DataClusters(m) * ClusterBytes(m);
}

// Clusters a file of `bytes` takes; an empty file takes none.
constexpr std::uint64_t ClustersFor(std::uint64_t bytes, const Medium& m) {
  return (bytes + ClusterBytes(m) - 1) / ClusterBytes(m);
}

// Every medium with a file system can be written as an image.
constexpr bool HasImage(const Medium& m) { return m.file_system != FileSystem::kBytes; }

constexpr std::optional<Medium> FindPreset(std::string_view name) {
  for (const Medium& m : kMedia) {
    if (m.name.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size(); ++i) {
      char a = m.name[i];
      char b = name[i];
      if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
      if (a != b) same = false;
    }
    if (same) return m;
  }
  return std::nullopt;
}

static_assert(DataClusters(*FindPreset("1.44M")) == 2847);
static_assert(ClusterBytes(*FindPreset("1.44M")) == 512);
static_assert(DataBytes(*FindPreset("360K")) == 362496);
static_assert(kHeaderSize == 1024 && kIdentitySize == 1023 && kLastPieceOffset == 1023);
static_assert(kNameAreaSize == 260);

}  // namespace pieceset
