// Piece headers to and from their 1024 bytes, and the digests they carry.
#include "header.h"

#include <openssl/evp.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace pieceset {

Sha256::Sha256() : context_(EVP_MD_CTX_new()) {
  if (context_ == nullptr || EVP_DigestInit_ex(context_, EVP_sha256(), nullptr) != 1) {
    throw std::runtime_error("SHA-256 is not available");
  }
}

Sha256::~Sha256() { EVP_MD_CTX_free(context_); }

void Sha256::Update(const void* data, std::size_t size) {
  if (size > 0) EVP_DigestUpdate(context_, data, size);
}

Digest Sha256::Finish() {
  Digest digest{};
  unsigned int length = 0;
  EVP_DigestFinal_ex(context_, digest.data(), &length);
  EVP_DigestInit_ex(context_, EVP_sha256(), nullptr);
  return digest;
}

Digest Sha256Of(const void* data, std::size_t size) {
  Sha256 sha;
  sha.Update(data, size);
  return sha.Finish();
}

std::uint64_t SetInfo::PayloadOf(std::uint32_t number) const {
  if (number == 0 || number > piece_count) return 0;
  const std::uint64_t before =
      number == 1 ? 0 : first_payload + (number - 2) * later_payload;
  if (number == piece_count) return installer_size - before;
  return number == 1 ? first_payload : later_payload;
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
  if (auto problem = NameProblem(info.name)) throw std::invalid_argument(*problem);
  if (info.piece_digests.size() > kMaxPieceDigests) {
    throw std::invalid_argument("too many piece digests");
  }
  HeaderBytes header{};
  std::memcpy(header.data(), info.name.data(), info.name.size());
  std::memcpy(header.data() + kMagicOffset, kMagic.data(), kMagic.size());
  StoreLE<std::uint32_t>(header.data() + kVersionOffset, kFormatVersion);
  StoreLE<std::uint64_t>(header.data() + kInstallerSizeOffset, info.installer_size);
  std::copy(info.installer_digest.begin(), info.installer_digest.end(),
            header.begin() + kInstallerDigestOffset);
  StoreLE<std::uint32_t>(header.data() + kPieceCountOffset, info.piece_count);
  StoreLE<std::uint64_t>(header.data() + kFirstPayloadOffset, info.first_payload);
  StoreLE<std::uint64_t>(header.data() + kLaterPayloadOffset, info.later_payload);
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

  if (std::memcmp(header.data() + kMagicOffset, kMagic.data(), kMagic.size()) != 0) {
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
  info.installer_size = LoadLE<std::uint64_t>(header.data() + kInstallerSizeOffset);
  std::copy_n(header.begin() + kInstallerDigestOffset, kDigestSize,
              info.installer_digest.begin());
  info.piece_count = LoadLE<std::uint32_t>(header.data() + kPieceCountOffset);
  info.first_payload = LoadLE<std::uint64_t>(header.data() + kFirstPayloadOffset);
  info.later_payload = LoadLE<std::uint64_t>(header.data() + kLaterPayloadOffset);
  const auto digest_count =
      LoadLE<std::uint32_t>(header.data() + kPieceDigestCountOffset);
  if (info.piece_count == 0 || digest_count > kMaxPieceDigests ||
      (digest_count != 0 && digest_count != info.piece_count)) {
    return damaged("header damaged: impossible piece count");
  }
  // The layout must account for the installer exactly: every piece but the
  // last full, the last one holding what remains.
  const auto full = static_cast<unsigned __int128>(info.first_payload) +
                    static_cast<unsigned __int128>(info.later_payload) *
                        (info.piece_count > 1 ? info.piece_count - 2 : 0);
  const bool fits =
      info.piece_count == 1
          ? info.installer_size <= info.first_payload
          : full < info.installer_size &&
                info.installer_size - full <= info.later_payload;
  if (!fits) return damaged("header damaged: piece sizes do not add up to the installer");
  for (std::uint32_t i = 0; i < digest_count; ++i) {
    PieceDigest digest;
    std::copy_n(header.begin() + kPieceDigestsOffset + i * kPieceDigestSize,
                kPieceDigestSize, digest.begin());
    info.piece_digests.push_back(digest);
  }
  info.set_id = stored;
  decoded.info = std::move(info);
  decoded.kind = DecodedHeader::Kind::kPieceset;
  return decoded;
}

std::string Hex(const std::uint8_t* bytes, std::size_t count) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

std::string ShortId(const Digest& digest) { return Hex(digest.data(), 8); }

}  // namespace pieceset
