// Cutting an installer into a piece set, with its images and recovery pieces.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "format/media.h"
#include "format/piece_header.h"

namespace pieceset {

namespace fs = std::filesystem;

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
  std::optional<fs::path> repair_program;  // REPAIR.EXE beside each of them
  fs::path out;
};

// Writes the whole set (and images) or, on any failure, nothing.
SetInfo Cut(const CutOptions& options);

}  // namespace pieceset
