// The 1024-byte header of every piece, as pieceset writes and reads it.
// Standard headers and the launcher's piece.h only beneath it, so that the
// launcher's definition of a piece is the tool's too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The launcher's definition of a piece (kHeaderSize, PieceHeader, ...).
#include "assembly/piece.h"
#include "base/sha256.h"

namespace pieceset {

// Every piece is a 1024-byte header followed by the next slice of the
// installer. The launcher compares bytes 0..1022 of each piece with FILE.1's
// and reads byte 1023 as the last-piece mark, so everything below 1023 is the
// same in every piece of a set: nothing here may depend on the piece number.
constexpr std::size_t kHeaderSize = ::kHeaderSize;
constexpr std::size_t kIdentitySize = ::kIdentitySize;
constexpr std::size_t kLastPieceOffset = offsetof(::PieceHeader, last_piece);

// The launcher reads 260 bytes of FILE.1 and shows the text before the first
// NUL, so the name and its NUL live in the first 260 bytes; the rest of that
// area is zero.
constexpr std::size_t kNameAreaSize = ::kNameLimit;
constexpr std::size_t kMaxNameLength = kNameAreaSize - 1;

// What pieceset adds after the name area. Integers are little-endian.
constexpr std::size_t kPieceMagicOffset = 260;       // 8 bytes "PIECESET"
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

constexpr std::string_view kPieceMagic = "PIECESET";
constexpr std::uint32_t kFormatVersion = 1;
// Each piece's payload digest is kept as its first 4 bytes: enough to name
// the damaged piece, and 128 of them still fit below byte 1023.
constexpr std::size_t kPieceDigestSize = 4;
constexpr std::size_t kMaxPieceDigests = 128;

// The set identity (kSetIdOffset) is the SHA-256 of bytes 0..1022 with the
// set-identity field itself zero: the same installer, name and layout always
// give the same identity, and any change to them gives another.

static_assert(kPieceMagicOffset == kNameAreaSize);
static_assert(kPieceMagicOffset + kPieceMagic.size() == kVersionOffset);
static_assert(kSetIdOffset + kDigestSize == kInstallerSizeOffset);
static_assert(kInstallerDigestOffset + kDigestSize == kPieceCountOffset);
static_assert(kPieceDigestsOffset + kMaxPieceDigests * kPieceDigestSize <= kIdentitySize);
static_assert(kHeaderSize == 1024 && kIdentitySize == 1023 && kLastPieceOffset == 1023);
static_assert(kNameAreaSize == 260);

// The launcher holds the piece number in a signed 32-bit integer; far fewer
// files than that already make no sense, so cutting stops well before.
constexpr std::uint32_t kMaxPieces = 65535;

using PieceDigest = std::array<std::uint8_t, kPieceDigestSize>;
using HeaderBytes = std::array<std::uint8_t, kHeaderSize>;

// How an installer is spread over its pieces: every piece but the last
// full, the last one holding what remains.
struct PieceLayout {
  std::uint64_t installer_size = 0;
  std::uint32_t piece_count = 0;
  std::uint64_t first_payload = 0;  // what FILE.1 carries unless it is the last
  std::uint64_t later_payload = 0;  // what every later piece carries

  // The payload piece `number` (from 1) carries.
  std::uint64_t PayloadOf(std::uint32_t number) const;
  // Whether the payloads add up to the installer exactly.
  bool AddsUp() const;
};

// Everything a pieceset header says about its set.
struct SetInfo {
  std::string name;
  PieceLayout layout;
  Digest installer_digest{};
  std::vector<PieceDigest> piece_digests;  // empty when the set is too long
  Digest set_id{};                         // filled in by EncodeHeader
};

// Why a name cannot go into a header, or nothing when it can.
std::optional<std::string> NameProblem(std::string_view name);

// The header of every piece of `info`'s set; `info.set_id` is set.
HeaderBytes EncodeHeader(SetInfo& info, bool last);

struct DecodedHeader {
  enum class Kind {
    kPieceset,  // made by this tool and intact
    kForeign,   // no pieceset fields: only the launcher's rules apply
    kDamaged,   // pieceset fields that contradict each other
    kNewer,     // a format version this tool does not know
  };
  Kind kind = Kind::kForeign;
  std::string name;         // the text the launcher would show
  bool name_ended = false;  // a NUL within the first 260 bytes
  bool last = false;
  std::uint32_t version = 0;
  std::optional<SetInfo> info;  // for kPieceset
  Digest identity_digest{};     // SHA-256 of bytes 0..1022, for any header
  std::string problem;          // for kDamaged
};

DecodedHeader DecodeHeader(const HeaderBytes& header);

// The set identity in short: the first 8 bytes in hex.
std::string ShortId(const Digest& digest);

}  // namespace pieceset
