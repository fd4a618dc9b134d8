#include "recovery/code.h"

#include <isa-l/erasure_code.h>

#include <algorithm>
#include <set>
#include <string>

#include "base/errors.h"
#include "base/text.h"

namespace pieceset::recovery {

namespace {

// The code's generator: k rows of identity, then M Cauchy rows.
std::vector<std::uint8_t> Matrix(const RecoveryCode& code) {
  std::vector<std::uint8_t> matrix(std::size_t{code.disks()} * code.pieces());
  gf_gen_cauchy1_matrix(matrix.data(), static_cast<int>(code.disks()),
                        static_cast<int>(code.pieces()));
  return matrix;
}

// out[i] = rows[i] x in, over `length` bytes from `offset` of every disk.
void Apply(const std::vector<std::uint8_t>& rows, std::uint32_t k,
           const std::vector<std::uint8_t*>& in, const std::vector<std::uint8_t*>& out,
           std::uint64_t offset, std::uint64_t length) {
  const int count = static_cast<int>(out.size());
  std::vector<std::uint8_t> tables(std::size_t{32} * k * out.size());
  ec_init_tables(static_cast<int>(k), count, const_cast<std::uint8_t*>(rows.data()),
                 tables.data());
  std::vector<std::uint8_t*> src(in.size()), dst(out.size());
  for (std::size_t i = 0; i < in.size(); ++i) src[i] = in[i] + offset;
  for (std::size_t i = 0; i < out.size(); ++i) dst[i] = out[i] + offset;
  ec_encode_data(static_cast<int>(length), static_cast<int>(k), count, tables.data(),
                 src.data(), dst.data());
}

// The disks whose block `block` is bad: one stripe's erasures.
std::vector<std::uint32_t> BadDisksAt(const Damage& damage, std::uint32_t block) {
  std::vector<std::uint32_t> disks;
  for (std::uint32_t d = 0; d < damage.bad_blocks.size(); ++d) {
    const std::vector<std::uint32_t>& bad = damage.bad_blocks[d];
    if (std::binary_search(bad.begin(), bad.end(), block)) disks.push_back(d);
  }
  return disks;
}

}  // namespace

Sum BlockSum(Sha256& sha, const std::uint8_t* block) {
  sha.Update(block, kRecoveryBlockSize);
  const Digest digest = sha.Finish();
  Sum sum;
  std::copy_n(digest.begin(), kSumSize, sum.begin());
  return sum;
}

std::vector<DiskBytes> EncodeStripes(RecoveryCode& code, std::uint32_t first,
                                     const std::vector<DiskBytes>& pieces) {
  const std::uint32_t k = code.pieces();
  if (pieces.size() != k || pieces.empty() || pieces[0].size() % kRecoveryBlockSize != 0 ||
      code.sums.size() != std::size_t{code.disks()} * code.blocks) {
    throw Error("recovery code: the stripes given do not fit the code");
  }
  const std::size_t length = pieces[0].size();
  const auto count = static_cast<std::uint32_t>(length / kRecoveryBlockSize);
  const std::vector<std::uint8_t> matrix = Matrix(code);
  const std::vector<std::uint8_t> rows(matrix.begin() + std::size_t{k} * k, matrix.end());
  std::vector<DiskBytes> parity(code.recovery, DiskBytes(length));
  std::vector<std::uint8_t*> in, out;
  for (const DiskBytes& disk : pieces) {
    if (disk.size() != length) throw Error("recovery code: the stripes given do not fit the code");
    in.push_back(const_cast<std::uint8_t*>(disk.data()));
  }
  for (DiskBytes& p : parity) out.push_back(p.data());
  Apply(rows, k, in, out, 0, length);
  Sha256 sha;
  for (std::uint32_t d = 0; d < code.disks(); ++d) {
    const DiskBytes& disk = d < k ? pieces[d] : parity[d - k];
    for (std::uint32_t i = 0; i < count; ++i) {
      code.sums[std::size_t{d} * code.blocks + first + i] =
          BlockSum(sha, disk.data() + std::size_t{i} * kRecoveryBlockSize);
    }
  }
  return parity;
}

Damage AssessStripes(const RecoveryCode& code, std::vector<std::vector<std::uint32_t>> bad_blocks) {
  Damage damage;
  damage.bad_blocks = std::move(bad_blocks);
  damage.bad_blocks.resize(code.disks());
  for (std::uint32_t b = 0; b < code.blocks; ++b) {
    const auto bad = static_cast<std::uint32_t>(BadDisksAt(damage, b).size());
    if (bad > damage.worst_count) {
      damage.worst_count = bad;
      damage.worst_stripe = b;
    }
  }
  return damage;
}

std::vector<std::uint32_t> Damage::Lost(const RecoveryCode& code) const {
  std::set<std::uint32_t> lost;
  for (std::uint32_t b = 0; b < code.blocks; ++b) {
    const std::vector<std::uint32_t> here = BadDisksAt(*this, b);
    if (here.size() > code.recovery) lost.insert(here.begin(), here.end());
  }
  return {lost.begin(), lost.end()};
}

void Rebuild(const RecoveryCode& code, const Damage& damage, std::uint32_t first,
             std::uint32_t count, std::vector<DiskBytes>& disks) {
  if (!damage.repairable(code)) {
    throw Error("block " + std::to_string(damage.worst_stripe) + " is damaged on " +
                std::to_string(damage.worst_count) + " disks; " +
                Plural(code.recovery, "recovery piece") +
                (code.recovery == 1 ? " rebuilds" : " rebuild") + " at most " +
                std::to_string(code.recovery));
  }
  const std::uint32_t k = code.pieces();
  const std::vector<std::uint8_t> matrix = Matrix(code);
  // Stripes damaged alike share one decoding matrix and one ISA-L call.
  const std::uint32_t last = first + count;
  std::uint32_t b = first;
  while (b < last) {
    const std::vector<std::uint32_t> erased = BadDisksAt(damage, b);
    std::uint32_t end = b + 1;
    while (end < last && BadDisksAt(damage, end) == erased) ++end;
    if (!erased.empty()) {
      // Any k intact disks determine the stripe: invert their rows.
      std::vector<std::uint32_t> sources;
      for (std::uint32_t d = 0; d < code.disks() && sources.size() < k; ++d) {
        if (!std::binary_search(erased.begin(), erased.end(), d)) sources.push_back(d);
      }
      std::vector<std::uint8_t> sub(std::size_t{k} * k), inverse(std::size_t{k} * k);
      for (std::uint32_t i = 0; i < k; ++i) {
        std::copy_n(matrix.begin() + std::size_t{sources[i]} * k, k,
                    sub.begin() + std::size_t{i} * k);
      }
      if (gf_invert_matrix(sub.data(), inverse.data(), static_cast<int>(k)) != 0) {
        throw Error("the recovery code cannot be inverted for block " + std::to_string(b));
      }
      // Lost pieces: their rows of the inverse map the intact disks to them.
      std::vector<std::uint8_t> rows;
      std::vector<std::uint8_t*> in, out;
      for (std::uint32_t d : erased) {
        if (d >= k) continue;
        rows.insert(rows.end(), inverse.begin() + std::size_t{d} * k,
                    inverse.begin() + std::size_t{d + 1} * k);
        out.push_back(disks[d].data());
      }
      for (std::uint32_t d : sources) in.push_back(disks[d].data());
      const std::uint64_t offset = std::uint64_t{b - first} * kRecoveryBlockSize;
      const std::uint64_t length = std::uint64_t{end - b} * kRecoveryBlockSize;
      if (!out.empty()) Apply(rows, k, in, out, offset, length);
      // Lost recovery pieces: encoded again from the pieces, now whole.
      rows.clear();
      in.clear();
      out.clear();
      for (std::uint32_t d : erased) {
        if (d < k) continue;
        rows.insert(rows.end(), matrix.begin() + std::size_t{d} * k,
                    matrix.begin() + std::size_t{d + 1} * k);
        out.push_back(disks[d].data());
      }
      for (std::uint32_t d = 0; d < k; ++d) in.push_back(disks[d].data());
      if (!out.empty()) Apply(rows, k, in, out, offset, length);
    }
    b = end;
  }
  Sha256 sha;
  for (std::uint32_t d = 0; d < damage.bad_blocks.size(); ++d) {
    for (std::uint32_t block : damage.bad_blocks[d]) {
      if (block < first || block >= last) continue;
      if (BlockSum(sha, disks[d].data() + std::size_t{block - first} * kRecoveryBlockSize) !=
          code.SumOf(d, block)) {
        throw Error("rebuilt block " + std::to_string(block) + " of disk " +
                    std::to_string(d + 1) + " does not match its checksum");
      }
    }
  }
}

}  // namespace pieceset::recovery
