// The piece header decode on any 1024 bytes with a sealed set identity: a
// header it calls intact has payloads that add up to the installer and is
// written again byte for byte.
#include <cstdlib>

#include "base/errors.h"
#include "forge.h"

using namespace pieceset;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  HeaderBytes header{};
  std::copy_n(data, std::min(size, header.size()), header.begin());
  fuzz::SealPieceHeader(header.data());
  const DecodedHeader decoded = DecodeHeader(header);
  if (decoded.kind != DecodedHeader::Kind::kPieceset) return 0;
  SetInfo info = *decoded.info;
  const PieceLayout& layout = info.layout;
  if (!layout.AddsUp() || layout.piece_count > kMaxPieces) std::abort();
  std::uint64_t total = 0;
  for (std::uint32_t n = 1; n <= layout.piece_count; ++n) total += layout.PayloadOf(n);
  if (total != layout.installer_size) std::abort();
  const HeaderBytes again = EncodeHeader(info, decoded.last);
  if (!std::equal(again.begin(), again.begin() + pieceset::kIdentitySize, header.begin())) std::abort();
  return 0;
}
