// GNU ddrescue's mapfile: read beside an image for the damage it lists,
// written by rescue so that ddrescue can carry on from it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/byte_range.h"

namespace pieceset {

namespace fs = std::filesystem;

// The ranges a mapfile does not list as finished ('+'): bad, untried,
// untrimmed and unscraped areas alike, as none of them was read.
// Neighbouring ranges are merged. Error names the line of a malformed map.
std::vector<ByteRange> ParseBadRanges(const std::string& map_text);
std::vector<ByteRange> ReadBadRanges(const fs::path& map);

// The mapfile of a finished run over `size` bytes: every byte tried, the
// `bad` ranges '-', the rest '+'. `command_line` is recorded in its comment.
std::string MapText(std::uint64_t size, const std::string& command_line,
                    const std::vector<ByteRange>& bad);

}  // namespace pieceset
