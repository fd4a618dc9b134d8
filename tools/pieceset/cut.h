// Cutting an installer into a piece set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "format.h"
#include "header.h"
#include "io.h"

namespace pieceset {

// A preset name (case does not matter) or a plain number of bytes: the
// bytes of files a disk may take or, with a file system, the size of the
// whole volume, laid out as that file system would be.
Medium ParseMedia(const std::string& text,
                  std::optional<FileSystem> file_system = std::nullopt);

// "fat12", "FAT16", "iso9660"; UsageError for anything else.
FileSystem ParseFileSystem(const std::string& text);

// "1.44M", "1457664 bytes" for a plain size, "3145728-byte FAT16".
std::string MediaName(const Medium& medium);

struct Layout {
  std::uint64_t first_payload = 0;  // what FILE.1 can carry
  std::uint64_t later_payload = 0;  // what every later piece can carry
  std::uint32_t count = 0;
};

// How many pieces of which payload, so that each disk's files fit on it in
// whole clusters (the launcher, as SETUP.EXE, shares disk 1 with FILE.1).
Layout PlanLayout(std::uint64_t installer_size, const Medium& first,
                  const Medium& later, std::optional<std::uint64_t> launcher_size);

// PlanLayout with pieces short enough that each of `recovery` REPAIR pieces
// fits a later disk; UsageError beyond the code's 255 disks.
Layout PlanRecoveryLayout(std::uint64_t installer_size, const Medium& first,
                          const Medium& later, std::optional<std::uint64_t> launcher_size,
                          std::uint32_t recovery);

struct CutOptions {
  fs::path installer;
  std::string name;
  Medium media = BytesMedium(0);
  Medium first_media = BytesMedium(0);
  std::optional<fs::path> launcher;
  std::vector<fs::path> other_inputs;  // e.g. --name-file: never replaced either
  bool flat = false;
  bool images = false;
  bool force = false;
  std::uint32_t recovery = 0;  // REPAIR.1 ... on disks after the pieces
  fs::path out;
};

// "disk3"
std::string DiskName(std::uint32_t number);

// disk<n>.img (or .iso) in `folder`, labelled DISK<n>, with a serial number
// from the set identity so that images are reproducible.
// `epoch` dates every file; `check_layout` checks the file system's room
// (once per medium is enough).
void WriteDiskImage(const fs::path& folder, const Medium& medium, const Digest& set_id,
                    std::uint32_t number, const std::vector<fs::path>& files,
                    std::int64_t epoch, bool check_layout);

// Writes the whole set (and images) or, on any failure, nothing.
SetInfo Cut(const CutOptions& options);

}  // namespace pieceset
