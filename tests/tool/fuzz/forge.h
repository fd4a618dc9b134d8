// What the pieceset fuzz targets share: headers built from the fuzz input
// with their digests sealed again, so that the fuzzer reaches the fields
// behind them rather than stopping at a digest it cannot guess.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/bytes.h"
#include "base/sha256.h"
#include "format/piece_header.h"
#include "format/recovery_header.h"

namespace pieceset::fuzz {

// Offsets of the recovery header that the manual gives.
constexpr std::size_t kPiecesAt = 16;
constexpr std::size_t kRecoveryAt = 20;
constexpr std::size_t kBlocksAt = 28;
constexpr std::size_t kTableDigestAt = 216;
constexpr std::size_t kHeaderDigestAt = kRecoveryHeaderSize - kDigestSize;
// What the fuzzer writes of a recovery header: every field, and past them the zeros.
constexpr std::size_t kFieldsSize = 320;
// A claimed piece larger than this is given the input's length instead.
constexpr std::uint64_t kLargestPiece = 1 << 20;

// A REPAIR.k file: its header's fields from `fields` (magic, version and
// block size forced), the table and parity from `rest`, the length the
// header claims shifted by `delta`, and both digests sealed.
inline std::vector<std::uint8_t> RecoveryPiece(const std::uint8_t* fields, std::size_t size,
                                               const std::uint8_t* rest, std::size_t rest_size,
                                               int delta) {
  std::vector<std::uint8_t> bytes(kRecoveryHeaderSize, 0);
  std::copy_n(fields, std::min(size, kFieldsSize), bytes.begin());
  std::memcpy(bytes.data(), "PSREPAIR", 8);
  StoreLE<std::uint32_t>(bytes.data() + 8, kRecoveryVersion);
  StoreLE<std::uint32_t>(bytes.data() + 12, kRecoveryBlockSize);
  const std::uint32_t pieces = LoadLE<std::uint32_t>(bytes.data() + kPiecesAt);
  const std::uint32_t recovery = LoadLE<std::uint32_t>(bytes.data() + kRecoveryAt);
  const std::uint32_t blocks = LoadLE<std::uint32_t>(bytes.data() + kBlocksAt);
  // Wrapped sums are claims like any other.
  const std::uint64_t claimed = RecoveryFileSize(pieces, recovery, blocks);
  std::uint64_t length = claimed <= kLargestPiece ? claimed : kRecoveryHeaderSize + rest_size;
  length = std::max<std::int64_t>(kRecoveryHeaderSize, static_cast<std::int64_t>(length) + delta);
  bytes.resize(length, 0);
  std::copy_n(rest, std::min<std::uint64_t>(rest_size, length - kRecoveryHeaderSize),
              bytes.begin() + kRecoveryHeaderSize);
  const std::uint64_t table =
      std::min<std::uint64_t>(std::uint64_t{4} * (std::uint64_t{pieces} + recovery) * blocks,
                              length - kRecoveryHeaderSize);
  const Digest table_digest = Sha256Of(bytes.data() + kRecoveryHeaderSize, table);
  std::copy(table_digest.begin(), table_digest.end(), bytes.begin() + kTableDigestAt);
  const Digest digest = Sha256Of(bytes.data(), kHeaderDigestAt);
  std::copy(digest.begin(), digest.end(), bytes.begin() + kHeaderDigestAt);
  return bytes;
}

// A piece header from the input, its magic forced and its set identity sealed.
inline void SealPieceHeader(std::uint8_t* header) {
  std::memcpy(header + kPieceMagicOffset, kPieceMagic.data(), kPieceMagic.size());
  std::fill_n(header + kSetIdOffset, kDigestSize, 0);
  const Digest id = Sha256Of(header, kIdentitySize);
  std::copy(id.begin(), id.end(), header + kSetIdOffset);
}

}  // namespace pieceset::fuzz
