#include "recovery.h"

#include <isa-l/erasure_code.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "io.h"

namespace pieceset::recovery {

namespace {

// REPAIR.k's header; integers little-endian, the rest zero.
constexpr std::string_view kMagic = "PSREPAIR";
constexpr std::size_t kVersionAt = 8;         // u32
constexpr std::size_t kBlockSizeAt = 12;      // u32
constexpr std::size_t kPiecesAt = 16;         // u32 k
constexpr std::size_t kRecoveryAt = 20;       // u32 M
constexpr std::size_t kIndexAt = 24;          // u32, 1..M
constexpr std::size_t kBlocksAt = 28;         // u32 b
constexpr std::size_t kSetIdAt = 32;          // 32 bytes
constexpr std::size_t kInstallerSizeAt = 64;  // u64
constexpr std::size_t kFirstPayloadAt = 72;   // u64
constexpr std::size_t kLaterPayloadAt = 80;   // u64
constexpr std::size_t kLauncherSizeAt = 88;   // u64
constexpr std::size_t kFlagsAt = 96;          // u32
constexpr std::size_t kFirstMediaAt = 104;    // kMediumSize
constexpr std::size_t kMediaAt = 160;         // kMediumSize
constexpr std::size_t kTableDigestAt = 216;   // SHA-256 of the table
constexpr std::size_t kImageEpochAt = 248;    // i64, seconds since 1970 UTC
constexpr std::size_t kPreambleDigestAt = kPreambleSize - kDigestSize;
constexpr std::size_t kMediumSize = 56;
constexpr std::size_t kMediumNameSize = 8;

constexpr std::uint32_t kHasLauncher = 1;
constexpr std::uint32_t kFlat = 2;
constexpr std::uint32_t kImages = 4;

static_assert(kFirstMediaAt + kMediumSize <= kMediaAt);
static_assert(kMediaAt + kMediumSize <= kTableDigestAt);

std::uint64_t Padded(std::uint64_t bytes) { return BlocksFor(bytes) * kBlockSize; }

std::uint64_t TableSize(std::uint32_t disks, std::uint32_t blocks) {
  return std::uint64_t{disks} * blocks * kSumSize;
}

Sum SumOf(Sha256& sha, const std::uint8_t* block) {
  sha.Update(block, kBlockSize);
  const Digest digest = sha.Finish();
  Sum sum;
  std::copy_n(digest.begin(), kSumSize, sum.begin());
  return sum;
}

void StoreMedium(std::uint8_t* at, const Medium& m) {
  StoreLE<std::uint32_t>(at, static_cast<std::uint32_t>(m.file_system));
  StoreLE<std::uint32_t>(at + 4, m.sector_size);
  StoreLE<std::uint64_t>(at + 8, m.total_sectors);
  const std::uint32_t fields[] = {m.sectors_per_cluster, m.reserved_sectors, m.fat_count,
                                  m.root_entries,        m.overhead_sectors, m.mformat_kib,
                                  m.heads,               m.track_sectors};
  for (std::size_t i = 0; i < 8; ++i) StoreLE<std::uint32_t>(at + 16 + 4 * i, fields[i]);
  std::copy_n(m.name.data(), std::min(m.name.size(), kMediumNameSize), at + 48);
}

std::optional<Medium> LoadMedium(const std::uint8_t* at) {
  const std::uint32_t file_system = LoadLE<std::uint32_t>(at);
  if (file_system > static_cast<std::uint32_t>(FileSystem::kIso9660)) return std::nullopt;
  Medium m = BytesMedium(0);
  m.file_system = static_cast<FileSystem>(file_system);
  m.sector_size = LoadLE<std::uint32_t>(at + 4);
  m.total_sectors = LoadLE<std::uint64_t>(at + 8);
  std::uint32_t* fields[] = {&m.sectors_per_cluster, &m.reserved_sectors, &m.fat_count,
                             &m.root_entries,        &m.overhead_sectors, &m.mformat_kib,
                             &m.heads,               &m.track_sectors};
  for (std::size_t i = 0; i < 8; ++i) *fields[i] = LoadLE<std::uint32_t>(at + 16 + 4 * i);
  // Only a preset has a name; its table entry gives one that outlives us.
  const std::string name(reinterpret_cast<const char*>(at + 48),
                         strnlen(reinterpret_cast<const char*>(at + 48), kMediumNameSize));
  if (!name.empty()) {
    const auto preset = FindPreset(name);
    if (!preset) return std::nullopt;
    m.name = preset->name;
  }
  return m;
}

// The code's generator: k rows of identity, then M Cauchy rows.
std::vector<std::uint8_t> Matrix(const Code& code) {
  std::vector<std::uint8_t> matrix(std::size_t{code.disks()} * code.pieces);
  gf_gen_cauchy1_matrix(matrix.data(), static_cast<int>(code.disks()),
                        static_cast<int>(code.pieces));
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
std::vector<std::uint32_t> BadDisksAt(const Assessment& a, std::uint32_t block) {
  std::vector<std::uint32_t> disks;
  for (const DiskState& s : a.states) {
    if (std::binary_search(s.bad_blocks.begin(), s.bad_blocks.end(), block)) {
      disks.push_back(s.disk);
    }
  }
  return disks;
}

}  // namespace

std::uint32_t BlocksFor(std::uint64_t bytes) {
  return static_cast<std::uint32_t>((bytes + kBlockSize - 1) / kBlockSize);
}

std::uint64_t RecoveryFileSize(std::uint32_t pieces, std::uint32_t recovery,
                               std::uint32_t blocks) {
  return kPreambleSize + Padded(TableSize(pieces + recovery, blocks)) +
         std::uint64_t{blocks} * kBlockSize;
}

std::vector<Extent> DiskExtents(const Code& code, std::uint32_t disk) {
  if (disk >= code.pieces) {
    const std::uint32_t index = disk - code.pieces + 1;
    return {{"REPAIR." + std::to_string(index),
             kPreambleSize + Padded(TableSize(code.disks(), code.blocks)),
             std::uint64_t{code.blocks} * kBlockSize, 0}};
  }
  SetInfo info;
  info.piece_count = code.pieces;
  info.installer_size = code.form.installer_size;
  info.first_payload = code.form.first_payload;
  info.later_payload = code.form.later_payload;
  std::vector<Extent> extents;
  std::uint64_t at = 0;
  if (disk == 0 && code.form.launcher_size) {
    extents.push_back({"SETUP.EXE", 0, *code.form.launcher_size, 0});
    at = Padded(*code.form.launcher_size);
  }
  extents.push_back({"FILE." + std::to_string(disk + 1), 0,
                     kHeaderSize + info.PayloadOf(disk + 1), at});
  return extents;
}

Encoder::Encoder(Code& code)
    : code_(code),
      tables_(std::size_t{32} * code.pieces * code.recovery),
      parity_(code.recovery, DiskBytes(std::uint64_t{code.blocks} * kBlockSize)) {
  const std::vector<std::uint8_t> matrix = Matrix(code);
  ec_init_tables(static_cast<int>(code.pieces), static_cast<int>(code.recovery),
                 const_cast<std::uint8_t*>(matrix.data()) + std::size_t{code.pieces} * code.pieces,
                 tables_.data());
  code.sums.clear();
  code.sums.reserve(std::size_t{code.disks()} * code.blocks);
}

void Encoder::Add(const DiskBytes& disk) {
  const std::uint64_t length = std::uint64_t{code_.blocks} * kBlockSize;
  if (added_ >= code_.pieces || disk.size() != length) {
    throw Error("recovery code: disk " + std::to_string(added_ + 1) + " does not fit the code");
  }
  std::vector<std::uint8_t*> out;
  for (DiskBytes& p : parity_) out.push_back(p.data());
  ec_encode_data_update(static_cast<int>(length), static_cast<int>(code_.pieces),
                        static_cast<int>(code_.recovery), static_cast<int>(added_),
                        tables_.data(), const_cast<std::uint8_t*>(disk.data()), out.data());
  for (std::uint32_t b = 0; b < code_.blocks; ++b) {
    code_.sums.push_back(SumOf(sha_, disk.data() + std::size_t{b} * kBlockSize));
  }
  ++added_;
}

std::vector<DiskBytes> Encoder::Finish() {
  if (added_ != code_.pieces) {
    throw Error("recovery code: " + std::to_string(added_) + " of " +
                std::to_string(code_.pieces) + " disks added");
  }
  for (const DiskBytes& p : parity_) {
    for (std::uint32_t b = 0; b < code_.blocks; ++b) {
      code_.sums.push_back(SumOf(sha_, p.data() + std::size_t{b} * kBlockSize));
    }
  }
  return std::move(parity_);
}

std::vector<DiskBytes> Encode(Code& code, const std::vector<DiskBytes>& data) {
  Encoder encoder(code);
  for (const DiskBytes& disk : data) encoder.Add(disk);
  return encoder.Finish();
}

std::vector<std::uint8_t> Preamble(const Code& code, std::uint32_t index) {
  const std::uint64_t table = TableSize(code.disks(), code.blocks);
  std::vector<std::uint8_t> bytes(kPreambleSize + Padded(table));
  std::uint8_t* p = bytes.data();
  std::copy(kMagic.begin(), kMagic.end(), p);
  StoreLE<std::uint32_t>(p + kVersionAt, kVersion);
  StoreLE<std::uint32_t>(p + kBlockSizeAt, kBlockSize);
  StoreLE<std::uint32_t>(p + kPiecesAt, code.pieces);
  StoreLE<std::uint32_t>(p + kRecoveryAt, code.recovery);
  StoreLE<std::uint32_t>(p + kIndexAt, index);
  StoreLE<std::uint32_t>(p + kBlocksAt, code.blocks);
  std::copy(code.form.set_id.begin(), code.form.set_id.end(), p + kSetIdAt);
  StoreLE<std::uint64_t>(p + kInstallerSizeAt, code.form.installer_size);
  StoreLE<std::uint64_t>(p + kFirstPayloadAt, code.form.first_payload);
  StoreLE<std::uint64_t>(p + kLaterPayloadAt, code.form.later_payload);
  StoreLE<std::uint64_t>(p + kLauncherSizeAt, code.form.launcher_size.value_or(0));
  StoreLE<std::uint32_t>(p + kFlagsAt, (code.form.launcher_size ? kHasLauncher : 0) |
                                           (code.form.flat ? kFlat : 0) |
                                           (code.form.images ? kImages : 0));
  StoreMedium(p + kFirstMediaAt, code.form.first_media);
  StoreMedium(p + kMediaAt, code.form.media);
  StoreLE<std::uint64_t>(p + kImageEpochAt, static_cast<std::uint64_t>(code.form.image_epoch));
  for (std::size_t i = 0; i < code.sums.size(); ++i) {
    std::copy(code.sums[i].begin(), code.sums[i].end(), p + kPreambleSize + i * kSumSize);
  }
  const Digest table_digest = Sha256Of(p + kPreambleSize, table);
  std::copy(table_digest.begin(), table_digest.end(), p + kTableDigestAt);
  const Digest digest = Sha256Of(p, kPreambleDigestAt);
  std::copy(digest.begin(), digest.end(), p + kPreambleDigestAt);
  return bytes;
}

std::optional<std::uint64_t> PreambleLength(const std::vector<std::uint8_t>& first) {
  if (first.size() < kPreambleSize ||
      std::memcmp(first.data(), kMagic.data(), kMagic.size()) != 0) {
    return std::nullopt;
  }
  const std::uint64_t disks = std::uint64_t{LoadLE<std::uint32_t>(&first[kPiecesAt])} +
                              LoadLE<std::uint32_t>(&first[kRecoveryAt]);
  // A damaged count must not make us read gigabytes: no code has more disks.
  if (disks > kMaxDisks) return kPreambleSize;
  return kPreambleSize +
         Padded(TableSize(static_cast<std::uint32_t>(disks), LoadLE<std::uint32_t>(&first[kBlocksAt])));
}

std::uint32_t PreambleIndex(const std::vector<std::uint8_t>& bytes) {
  return bytes.size() < kPreambleSize ? 0 : LoadLE<std::uint32_t>(&bytes[kIndexAt]);
}

std::optional<Code> ParsePreamble(const std::vector<std::uint8_t>& bytes,
                                  std::string* problem) {
  const std::uint8_t* p = bytes.data();
  if (bytes.size() < kPreambleSize || std::memcmp(p, kMagic.data(), kMagic.size()) != 0) {
    *problem = "no recovery piece header";
    return std::nullopt;
  }
  const Digest digest = Sha256Of(p, kPreambleDigestAt);
  if (!std::equal(digest.begin(), digest.end(), p + kPreambleDigestAt)) {
    *problem = "its header is damaged";
    return std::nullopt;
  }
  if (LoadLE<std::uint32_t>(p + kVersionAt) != kVersion ||
      LoadLE<std::uint32_t>(p + kBlockSizeAt) != kBlockSize) {
    *problem = "recovery format " + std::to_string(LoadLE<std::uint32_t>(p + kVersionAt)) +
               " with " + std::to_string(LoadLE<std::uint32_t>(p + kBlockSizeAt)) +
               "-byte blocks; this tool reads format " + std::to_string(kVersion) + " with " +
               std::to_string(kBlockSize) + "-byte blocks";
    return std::nullopt;
  }
  Code code;
  code.pieces = LoadLE<std::uint32_t>(p + kPiecesAt);
  code.recovery = LoadLE<std::uint32_t>(p + kRecoveryAt);
  code.blocks = LoadLE<std::uint32_t>(p + kBlocksAt);
  std::copy_n(p + kSetIdAt, kDigestSize, code.form.set_id.begin());
  code.form.installer_size = LoadLE<std::uint64_t>(p + kInstallerSizeAt);
  code.form.first_payload = LoadLE<std::uint64_t>(p + kFirstPayloadAt);
  code.form.later_payload = LoadLE<std::uint64_t>(p + kLaterPayloadAt);
  const std::uint32_t flags = LoadLE<std::uint32_t>(p + kFlagsAt);
  if (flags & kHasLauncher) code.form.launcher_size = LoadLE<std::uint64_t>(p + kLauncherSizeAt);
  code.form.flat = (flags & kFlat) != 0;
  code.form.images = (flags & kImages) != 0;
  const auto first = LoadMedium(p + kFirstMediaAt);
  const auto later = LoadMedium(p + kMediaAt);
  const std::uint64_t table = TableSize(code.disks(), code.blocks);
  if (code.pieces == 0 || code.recovery == 0 || code.disks() > kMaxDisks || !first || !later ||
      bytes.size() < kPreambleSize + table) {
    *problem = "its header describes no code this tool can read";
    return std::nullopt;
  }
  code.form.first_media = *first;
  code.form.media = *later;
  code.form.image_epoch = static_cast<std::int64_t>(LoadLE<std::uint64_t>(p + kImageEpochAt));
  const Digest table_digest = Sha256Of(p + kPreambleSize, table);
  if (!std::equal(table_digest.begin(), table_digest.end(), p + kTableDigestAt)) {
    *problem = "its checksum table is damaged";
    return std::nullopt;
  }
  code.sums.resize(std::size_t{code.disks()} * code.blocks);
  for (std::size_t i = 0; i < code.sums.size(); ++i) {
    std::copy_n(p + kPreambleSize + i * kSumSize, kSumSize, code.sums[i].begin());
  }
  return code;
}

Assessment Assess(const Code& code, const Copies& copies) {
  Assessment a;
  const std::uint64_t length = std::uint64_t{code.blocks} * kBlockSize;
  a.disks.assign(code.disks(), DiskBytes(length));
  a.states.resize(code.disks());
  Sha256 sha;
  std::vector<std::uint8_t> block(kBlockSize);
  for (std::uint32_t d = 0; d < code.disks(); ++d) {
    DiskState& state = a.states[d];
    state.disk = d;
    DiskBytes& disk = a.disks[d];
    std::vector<bool> good(code.blocks, false);
    // Blocks past the disk's files are zeros on every disk: nothing to read.
    std::uint32_t used = 0;
    for (const Extent& e : DiskExtents(code, d)) {
      used = std::max(used, BlocksFor(e.disk_offset + e.length));
    }
    for (std::uint32_t b = used; b < code.blocks; ++b) good[b] = true;

    for (const Extent& e : DiskExtents(code, d)) {
      const auto found = copies.find(e.name);
      if (found == copies.end() || found->second.empty()) {
        state.missing.push_back(e.name);
        state.rewrite = true;
        continue;
      }
      const std::uint32_t first = static_cast<std::uint32_t>(e.disk_offset / kBlockSize);
      const std::uint32_t count = BlocksFor(e.length);
      std::vector<std::string> whole, damaged;
      const Copy* whole_copy = nullptr;
      for (const Copy& copy : found->second) {
        bool copy_whole = copy.bytes.size() == e.file_offset + e.length;
        for (std::uint32_t i = 0; i < count; ++i) {
          const std::uint64_t from = e.file_offset + std::uint64_t{i} * kBlockSize;
          const std::uint64_t want = std::min<std::uint64_t>(kBlockSize, e.length - i * kBlockSize);
          bool readable = from + want <= copy.bytes.size();
          for (const ByteRange& r : copy.known_bad) {
            if (r.begin < from + want && r.end > from) readable = false;
          }
          std::fill(block.begin(), block.end(), 0);
          if (readable) std::copy_n(copy.bytes.begin() + from, want, block.begin());
          const bool matches =
              readable && SumOf(sha, block.data()) ==
                              code.sums[std::size_t{d} * code.blocks + first + i];
          if (!matches) {
            copy_whole = false;
            continue;
          }
          if (!good[first + i]) {
            std::copy(block.begin(), block.end(),
                      disk.begin() + std::size_t{first + i} * kBlockSize);
            good[first + i] = true;
          }
        }
        (copy_whole ? whole : damaged).push_back(copy.shown);
        if (copy_whole) {
          if (whole_copy != nullptr && whole_copy->bytes != copy.bytes) {
            a.conflicts.push_back(e.name + ": " + whole_copy->shown + " and " + copy.shown);
          }
          if (whole_copy == nullptr) whole_copy = &copy;
        }
      }
      if (whole.empty()) state.rewrite = true;
      if (!whole.empty() && !damaged.empty()) a.replaced[e.name] = {whole[0], damaged};
    }
    for (std::uint32_t b = 0; b < code.blocks; ++b) {
      if (!good[b]) state.bad_blocks.push_back(b);
    }
    if (!state.bad_blocks.empty()) state.rewrite = true;
    if (state.rewrite) a.damaged = true;
  }
  for (std::uint32_t b = 0; b < code.blocks; ++b) {
    const std::uint32_t bad = static_cast<std::uint32_t>(BadDisksAt(a, b).size());
    if (bad > a.worst_count) {
      a.worst_count = bad;
      a.worst_stripe = b;
    }
  }
  return a;
}

std::vector<std::uint32_t> Assessment::Lost(const Code& code) const {
  std::set<std::uint32_t> lost;
  for (std::uint32_t b = 0; b < code.blocks; ++b) {
    const std::vector<std::uint32_t> here = BadDisksAt(*this, b);
    if (here.size() > code.recovery) lost.insert(here.begin(), here.end());
  }
  return {lost.begin(), lost.end()};
}

void Rebuild(const Code& code, Assessment& a) {
  if (!a.repairable(code)) {
    throw Error("block " + std::to_string(a.worst_stripe) + " is damaged on " +
                std::to_string(a.worst_count) + " disks; " +
                std::to_string(code.recovery) + " recovery pieces rebuild at most " +
                std::to_string(code.recovery));
  }
  const std::uint32_t k = code.pieces;
  const std::vector<std::uint8_t> matrix = Matrix(code);
  // Stripes damaged alike share one decoding matrix and one ISA-L call.
  std::uint32_t b = 0;
  while (b < code.blocks) {
    const std::vector<std::uint32_t> erased = BadDisksAt(a, b);
    std::uint32_t end = b + 1;
    while (end < code.blocks && BadDisksAt(a, end) == erased) ++end;
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
        out.push_back(a.disks[d].data());
      }
      for (std::uint32_t d : sources) in.push_back(a.disks[d].data());
      const std::uint64_t offset = std::uint64_t{b} * kBlockSize;
      const std::uint64_t length = std::uint64_t{end - b} * kBlockSize;
      if (!out.empty()) Apply(rows, k, in, out, offset, length);
      // Lost recovery pieces: encoded again from the pieces, now whole.
      rows.clear();
      in.clear();
      out.clear();
      for (std::uint32_t d : erased) {
        if (d < k) continue;
        rows.insert(rows.end(), matrix.begin() + std::size_t{d} * k,
                    matrix.begin() + std::size_t{d + 1} * k);
        out.push_back(a.disks[d].data());
      }
      for (std::uint32_t d = 0; d < k; ++d) in.push_back(a.disks[d].data());
      if (!out.empty()) Apply(rows, k, in, out, offset, length);
    }
    b = end;
  }
  Sha256 sha;
  for (DiskState& s : a.states) {
    for (std::uint32_t block : s.bad_blocks) {
      if (SumOf(sha, a.disks[s.disk].data() + std::size_t{block} * kBlockSize) !=
          code.sums[std::size_t{s.disk} * code.blocks + block]) {
        throw Error("rebuilt block " + std::to_string(block) + " of disk " +
                    std::to_string(s.disk + 1) + " does not match its checksum");
      }
    }
  }
}

std::string BlockList(const std::vector<std::uint32_t>& blocks) {
  std::string text;
  for (std::size_t i = 0; i < blocks.size();) {
    std::size_t j = i;
    while (j + 1 < blocks.size() && blocks[j + 1] == blocks[j] + 1) ++j;
    text += (text.empty() ? "" : ", ") + std::to_string(blocks[i]);
    if (j > i) text += "-" + std::to_string(blocks[j]);
    i = j + 1;
  }
  return text;
}

}  // namespace pieceset::recovery
