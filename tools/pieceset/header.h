// Reading and writing piece headers (layout in format.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "format.h"

struct evp_md_ctx_st;

namespace pieceset {

using Digest = std::array<std::uint8_t, kDigestSize>;
using PieceDigest = std::array<std::uint8_t, kPieceDigestSize>;
using HeaderBytes = std::array<std::uint8_t, kHeaderSize>;

class Sha256 {
 public:
  Sha256();
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;
  ~Sha256();
  void Update(const void* data, std::size_t size);
  Digest Finish();  // and starts afresh

 private:
  evp_md_ctx_st* context_;
};

Digest Sha256Of(const void* data, std::size_t size);

// Everything a pieceset header says about its set.
struct SetInfo {
  std::string name;
  std::uint64_t installer_size = 0;
  Digest installer_digest{};
  std::uint32_t piece_count = 0;
  std::uint64_t first_payload = 0;
  std::uint64_t later_payload = 0;
  std::vector<PieceDigest> piece_digests;  // empty when the set is too long
  Digest set_id{};                         // filled in by EncodeHeader

  // The payload piece `number` (from 1) must carry.
  std::uint64_t PayloadOf(std::uint32_t number) const;
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
  std::string name;       // the text the launcher would show
  bool name_ended = false;  // a NUL within the first 260 bytes
  bool last = false;
  std::uint32_t version = 0;
  std::optional<SetInfo> info;  // for kPieceset
  Digest identity_digest{};     // SHA-256 of bytes 0..1022, for any header
  std::string problem;          // for kDamaged
};

DecodedHeader DecodeHeader(const HeaderBytes& header);

std::string Hex(const std::uint8_t* bytes, std::size_t count);

// The set identity in short: the first 8 bytes in hex.
std::string ShortId(const Digest& digest);

}  // namespace pieceset
