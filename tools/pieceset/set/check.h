// The set check: the pieces walked in the order the launcher reads them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "format/piece_header.h"
#include "set/sources.h"

namespace pieceset {

struct PieceLine {
  enum class Status { kOk, kBad, kMissing, kIgnored };
  std::uint32_t number = 0;  // 0 for a disk that could not be read
  Status status = Status::kOk;
  std::string shown;   // the file, or the piece name when it is missing
  std::string detail;  // what is wrong, or a short description
};

struct SetReport {
  bool good = false;
  std::vector<PieceLine> lines;
  std::string verdict;  // one line
  std::optional<DecodedHeader> first;  // FILE.1's header when it was read
  std::uint32_t pieces = 0;            // up to and including the last mark
  std::uint64_t joined_size = 0;
};

// Receives each payload in order, as the launcher would copy it.
using PayloadSink = std::function<void(const std::uint8_t*, std::size_t)>;

// Walks the set from FILE.1 to the first piece with the last-piece mark,
// checking every header against FILE.1's, the numbering, and for sets made by
// pieceset also each payload's size and digest and the joined installer.
SetReport CheckSet(const PieceSources& sources, const PayloadSink& sink = {});

// Whether `sources` are the files of one image or device, given alone.
bool OnOneDisk(const PieceSources& sources);

// One disk of a larger set given alone (one image or device holding some of
// a pieceset set's pieces, not all): each piece's header against the first
// one's and the layout it records, each payload against its recorded digest,
// and the disk's file system; the verdict is the disk's. Nothing when
// `sources` are not such a disk, for the set check to say what they are.
std::optional<SetReport> CheckLoneDisk(const PieceSources& sources);

}  // namespace pieceset
