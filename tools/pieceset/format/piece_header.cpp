#include "format/piece_header.h"

#include <algorithm>
#include <cstring>

#include "base/bytes.h"
#include "base/errors.h"
#include "base/text.h"

namespace pieceset {

std::uint64_t PieceLayout::PayloadOf(std::uint32_t number) const {
  if (number == 0 || number > piece_count) return 0;
  const std::uint64_t before = number == 1 ? 0 : first_payload + (number - 2) * later_payload;
  if (number == piece_count) return installer_size - before;
  return number == 1 ? first_payload : later_payload;
}

bool PieceLayout::AddsUp() const {
  if (piece_count == 0) return false;
  if (piece_count == 1) return installer_size <= first_payload;
  const auto full = static_cast<unsigned __int128>(first_payload) +
                    static_cast<unsigned __int128>(later_payload) * (piece_count - 2);
  return full < installer_size && installer_size - full <= later_payload;
}

std::optional<std::string> NameProblem(std::string_view name) {
  if (name.empty()) {
    return std::string("the name is empty; it needs 1 to 259 bytes");
  }
  if (name.size() > kMaxNameLength) {
    return "the name is " + std::to_string(name.size()) +
           " bytes long; the launcher shows at most 259";
  }
  const std::size_t nul = name.find('\0');
  if (nul != std::string_view::npos) {
    return "the name holds a NUL byte at offset " + std::to_string(nul) +
           "; it must be text without NUL";
  }
  return std::nullopt;
}

namespace {

Digest SetIdOf(HeaderBytes header) {
  std::fill_n(header.begin() + kSetIdOffset, kDigestSize, 0);
  return Sha256Of(header.data(), kIdentitySize);
}

}  // namespace

HeaderBytes EncodeHeader(SetInfo& info, bool last) {
  if (auto problem = NameProblem(info.name)) throw Error(*problem);
  if (info.piece_digests.size() > kMaxPieceDigests) {
    throw Error("a header holds at most " + std::to_string(kMaxPieceDigests) + " piece digests");
  }
  const PieceLayout& layout = info.layout;
  HeaderBytes header{};
  std::memcpy(header.data(), info.name.data(), info.name.size());
  std::memcpy(header.data() + kPieceMagicOffset, kPieceMagic.data(), kPieceMagic.size());
  StoreLE<std::uint32_t>(header.data() + kVersionOffset, kFormatVersion);
  StoreLE<std::uint64_t>(header.data() + kInstallerSizeOffset, layout.installer_size);
  std::copy(info.installer_digest.begin(), info.installer_digest.end(),
            header.begin() + kInstallerDigestOffset);
  StoreLE<std::uint32_t>(header.data() + kPieceCountOffset, layout.piece_count);
  StoreLE<std::uint64_t>(header.data() + kFirstPayloadOffset, layout.first_payload);
  StoreLE<std::uint64_t>(header.data() + kLaterPayloadOffset, layout.later_payload);
  StoreLE<std::uint32_t>(header.data() + kPieceDigestCountOffset,
                         static_cast<std::uint32_t>(info.piece_digests.size()));
  for (std::size_t i = 0; i < info.piece_digests.size(); ++i) {
    std::copy(info.piece_digests[i].begin(), info.piece_digests[i].end(),
              header.begin() + kPieceDigestsOffset + i * kPieceDigestSize);
  }
  info.set_id = SetIdOf(header);
  std::copy(info.set_id.begin(), info.set_id.end(), header.begin() + kSetIdOffset);
  header[kLastPieceOffset] = last ? 1 : 0;
  return header;
}

DecodedHeader DecodeHeader(const HeaderBytes& header) {
  DecodedHeader decoded;
  decoded.last = header[kLastPieceOffset] != 0;
  decoded.identity_digest = Sha256Of(header.data(), kIdentitySize);
  const auto* name_end =
      std::find(header.begin(), header.begin() + kNameAreaSize, std::uint8_t{0});
  decoded.name_ended = name_end != header.begin() + kNameAreaSize;
  decoded.name.assign(header.begin(), name_end);

  if (std::memcmp(header.data() + kPieceMagicOffset, kPieceMagic.data(), kPieceMagic.size()) != 0) {
    decoded.kind = DecodedHeader::Kind::kForeign;
    return decoded;
  }
  decoded.version = LoadLE<std::uint32_t>(header.data() + kVersionOffset);
  if (decoded.version > kFormatVersion) {
    decoded.kind = DecodedHeader::Kind::kNewer;
    return decoded;
  }
  auto damaged = [&decoded](std::string problem) {
    decoded.kind = DecodedHeader::Kind::kDamaged;
    decoded.problem = std::move(problem);
    return decoded;
  };
  Digest stored;
  std::copy_n(header.begin() + kSetIdOffset, kDigestSize, stored.begin());
  if (decoded.version != kFormatVersion || stored != SetIdOf(header)) {
    return damaged("header damaged: its set identity does not match its contents");
  }
  if (!decoded.name_ended || decoded.name.empty()) {
    return damaged("header damaged: no name ended by NUL in its first 260 bytes");
  }
  SetInfo info;
  info.name = decoded.name;
  PieceLayout& layout = info.layout;
  layout.installer_size = LoadLE<std::uint64_t>(header.data() + kInstallerSizeOffset);
  std::copy_n(header.begin() + kInstallerDigestOffset, kDigestSize, info.installer_digest.begin());
  layout.piece_count = LoadLE<std::uint32_t>(header.data() + kPieceCountOffset);
  layout.first_payload = LoadLE<std::uint64_t>(header.data() + kFirstPayloadOffset);
  layout.later_payload = LoadLE<std::uint64_t>(header.data() + kLaterPayloadOffset);
  const auto digest_count = LoadLE<std::uint32_t>(header.data() + kPieceDigestCountOffset);
  if (layout.piece_count == 0 || layout.piece_count > kMaxPieces || digest_count > kMaxPieceDigests ||
      (digest_count != 0 && digest_count != layout.piece_count)) {
    return damaged("header damaged: impossible piece count");
  }
  if (!layout.AddsUp()) return damaged("header damaged: piece sizes do not add up to the installer");
  // What no field describes is zero, so that a header reads back as it was written.
  const auto zero = [](std::uint8_t b) { return b == 0; };
  if (!std::all_of(name_end, header.begin() + kNameAreaSize, zero) ||
      !std::all_of(header.begin() + kPieceDigestsOffset + digest_count * kPieceDigestSize,
                   header.begin() + kIdentitySize, zero)) {
    return damaged("header damaged: bytes that no field describes are not zero");
  }
  for (std::uint32_t i = 0; i < digest_count; ++i) {
    PieceDigest digest;
    std::copy_n(header.begin() + kPieceDigestsOffset + i * kPieceDigestSize, kPieceDigestSize,
                digest.begin());
    info.piece_digests.push_back(digest);
  }
  info.set_id = stored;
  decoded.info = std::move(info);
  decoded.kind = DecodedHeader::Kind::kPieceset;
  return decoded;
}

std::string ShortId(const Digest& digest) { return Hex(digest.data(), 8); }

}  // namespace pieceset
