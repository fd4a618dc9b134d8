// The recovery header decode on forged fields with sealed digests: it either
// refuses them with an Error or returns a code whose every disk fits its
// blocks, in a file of the size it claims, that reads back as it is written.
#include <cstdlib>

#include "base/errors.h"
#include "forge.h"

using namespace pieceset;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int delta = static_cast<std::int8_t>(data[0]);
  const std::size_t fields = std::min(size - 1, fuzz::kFieldsSize);
  const std::vector<std::uint8_t> bytes =
      fuzz::RecoveryPiece(data + 1, fields, data + 1 + fields, size - 1 - fields, delta);
  RecoveryCode code;
  try {
    code = DecodeRecoveryHeader(bytes);
  } catch (const Error&) {
    return 0;
  }
  if (bytes.size() != RecoveryFileSize(code.pieces(), code.recovery, code.blocks)) std::abort();
  const std::uint64_t room = std::uint64_t{code.blocks} * kRecoveryBlockSize;
  for (std::uint32_t d = 0; d < code.disks(); ++d) {
    for (const CodedFile& f : CodedFiles(code, d)) {
      const Extent& e = f.extent;
      if (e.device_offset > room || e.length > room - e.device_offset) std::abort();
    }
  }
  std::vector<std::uint8_t> again = EncodeRecoveryHeader(code, RecoveryIndex(bytes));
  again.resize(bytes.size(), 0);
  const RecoveryCode reread = DecodeRecoveryHeader(again);
  if (reread.sums != code.sums || reread.disks() != code.disks() ||
      reread.form.layout.installer_size != code.form.layout.installer_size) {
    std::abort();
  }
  return 0;
}
