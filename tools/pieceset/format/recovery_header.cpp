#include "format/recovery_header.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "base/bytes.h"
#include "base/errors.h"
#include "base/text.h"
#include "format/names.h"

namespace pieceset {

namespace {

// REPAIR.k's header; integers little-endian, the rest zero.
constexpr std::string_view kRecoveryMagic = "PSREPAIR";
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
constexpr std::size_t kRepairSizeAt = 256;    // u64, with kHasRepairProgram
constexpr std::size_t kRepairDigestAt = 264;  // SHA-256 of REPAIR.EXE
constexpr std::size_t kHeaderDigestAt = kRecoveryHeaderSize - kDigestSize;
constexpr std::size_t kMediumSize = 56;
constexpr std::size_t kMediumNameSize = 8;

constexpr std::uint32_t kHasLauncher = 1;
constexpr std::uint32_t kFlat = 2;
constexpr std::uint32_t kImages = 4;
constexpr std::uint32_t kHasRepairProgram = 8;

static_assert(kFirstMediaAt + kMediumSize <= kMediaAt);
static_assert(kMediaAt + kMediumSize <= kTableDigestAt);
static_assert(kRepairDigestAt + kDigestSize <= kHeaderDigestAt);
// Only a preset's name is stored, and a longer one would not be found again.
static_assert(LongestPresetName() <= kMediumNameSize);

std::uint64_t Padded(std::uint64_t bytes) { return BlocksFor(bytes) * kRecoveryBlockSize; }

std::uint64_t TableSize(std::uint32_t disks, std::uint32_t blocks) {
  return std::uint64_t{disks} * blocks * kSumSize;
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

bool SameMedium(const Medium& a, const Medium& b) {
  return a.name == b.name && a.file_system == b.file_system && a.sector_size == b.sector_size &&
         a.total_sectors == b.total_sectors && a.sectors_per_cluster == b.sectors_per_cluster &&
         a.reserved_sectors == b.reserved_sectors && a.fat_count == b.fat_count &&
         a.root_entries == b.root_entries && a.overhead_sectors == b.overhead_sectors &&
         a.mformat_kib == b.mformat_kib && a.heads == b.heads &&
         a.track_sectors == b.track_sectors;
}

// Only a medium the cut could have been given is laid out again: any other
// geometry could divide by zero or count clusters for ever.
bool CutsFor(const Medium& m) {
  if (!m.name.empty()) return SameMedium(m, *FindPreset(m.name));
  if (m.file_system == FileSystem::kBytes) return SameMedium(m, BytesMedium(m.total_sectors));
  const std::uint32_t sector = IsCd(m) ? 2048 : 512;
  if (m.sector_size != sector || m.total_sectors > 0xffffffffULL) return false;
  try {
    return SameMedium(m, ParseMedia(std::to_string(m.total_sectors * sector), m.file_system));
  } catch (const Error&) {
    return false;
  }
}

// Why a code whose fields were each read cannot be the one a cut wrote, or
// nothing. Each count is bounded before it is used in the next.
std::optional<std::string> CodeProblem(const RecoveryCode& code, std::uint32_t index,
                                       std::uint32_t flags) {
  const SetForm& form = code.form;
  if (code.pieces() == 0 || code.recovery == 0 || code.recovery > kMaxRecovery ||
      std::uint64_t{code.pieces()} + code.recovery > kMaxDisks) {
    return std::to_string(code.pieces()) + " pieces and " + std::to_string(code.recovery) +
           " recovery pieces (a code has 1 to " + std::to_string(kMaxRecovery) +
           " recovery pieces and at most " + std::to_string(kMaxDisks) + " disks)";
  }
  if (index == 0 || index > code.recovery) {
    return "recovery piece " + std::to_string(index) + " of " + std::to_string(code.recovery);
  }
  if (code.blocks == 0) return "disks of 0 blocks";
  if (flags & ~(kHasLauncher | kFlat | kImages | kHasRepairProgram)) return "unknown flags " + std::to_string(flags);
  if (!form.layout.AddsUp()) {
    return "payloads that do not add up to the installer's " +
           std::to_string(form.layout.installer_size) + " bytes";
  }
  const std::uint64_t room = std::uint64_t{code.blocks} * kRecoveryBlockSize;
  // An empty SETUP.EXE launches nothing, and a forged flag alone would make
  // repair invent one.
  if (form.launcher_size && *form.launcher_size == 0) return std::string("an empty SETUP.EXE");
  if (form.launcher_size && *form.launcher_size > room) {
    return "a SETUP.EXE of " + std::to_string(*form.launcher_size) + " bytes on disks of " +
           Plural(code.blocks, "block");
  }
  for (std::uint32_t number = 1; number <= code.pieces(); ++number) {
    const std::uint64_t payload = form.layout.PayloadOf(number);
    const std::uint64_t before = number == 1 && form.launcher_size ? Padded(*form.launcher_size) : 0;
    if (payload > room || before + kHeaderSize + payload > room) {
      return "disk " + std::to_string(number) + "'s files larger than its " +
             Plural(code.blocks, "block");
    }
  }
  if (!CutsFor(form.first_media) || !CutsFor(form.media) ||
      (form.images && (!HasImage(form.first_media) || !HasImage(form.media)))) {
    return std::string("a medium no cut makes");
  }
  return std::nullopt;
}

}  // namespace

std::uint32_t BlocksFor(std::uint64_t bytes) {
  return static_cast<std::uint32_t>((bytes + kRecoveryBlockSize - 1) / kRecoveryBlockSize);
}

std::uint64_t RecoveryFileSize(std::uint32_t pieces, std::uint32_t recovery, std::uint32_t blocks) {
  return kRecoveryHeaderSize + Padded(TableSize(pieces + recovery, blocks)) +
         std::uint64_t{blocks} * kRecoveryBlockSize;
}

std::vector<CodedFile> CodedFiles(const RecoveryCode& code, std::uint32_t disk) {
  if (disk >= code.pieces()) {
    const std::uint32_t index = disk - code.pieces() + 1;
    return {{RecoveryName(index),
             {kRecoveryHeaderSize + Padded(TableSize(code.disks(), code.blocks)), 0,
              std::uint64_t{code.blocks} * kRecoveryBlockSize}}};
  }
  std::vector<CodedFile> files;
  std::uint64_t at = 0;
  if (disk == 0 && code.form.launcher_size) {
    files.push_back({std::string(kLauncherName), {0, 0, *code.form.launcher_size}});
    at = Padded(*code.form.launcher_size);
  }
  files.push_back({PieceName(disk + 1), {0, at, kHeaderSize + code.form.layout.PayloadOf(disk + 1)}});
  return files;
}

std::vector<std::uint8_t> EncodeRecoveryHeader(const RecoveryCode& code, std::uint32_t index) {
  const std::uint64_t table = TableSize(code.disks(), code.blocks);
  std::vector<std::uint8_t> bytes(kRecoveryHeaderSize + Padded(table));
  std::uint8_t* p = bytes.data();
  const SetForm& form = code.form;
  std::copy(kRecoveryMagic.begin(), kRecoveryMagic.end(), p);
  StoreLE<std::uint32_t>(p + kVersionAt, kRecoveryVersion);
  StoreLE<std::uint32_t>(p + kBlockSizeAt, kRecoveryBlockSize);
  StoreLE<std::uint32_t>(p + kPiecesAt, code.pieces());
  StoreLE<std::uint32_t>(p + kRecoveryAt, code.recovery);
  StoreLE<std::uint32_t>(p + kIndexAt, index);
  StoreLE<std::uint32_t>(p + kBlocksAt, code.blocks);
  std::copy(form.set_id.begin(), form.set_id.end(), p + kSetIdAt);
  StoreLE<std::uint64_t>(p + kInstallerSizeAt, form.layout.installer_size);
  StoreLE<std::uint64_t>(p + kFirstPayloadAt, form.layout.first_payload);
  StoreLE<std::uint64_t>(p + kLaterPayloadAt, form.layout.later_payload);
  StoreLE<std::uint64_t>(p + kLauncherSizeAt, form.launcher_size.value_or(0));
  StoreLE<std::uint32_t>(p + kFlagsAt, (form.launcher_size ? kHasLauncher : 0) |
                                           (form.flat ? kFlat : 0) | (form.images ? kImages : 0) |
                                           (form.repair_program_size ? kHasRepairProgram : 0));
  if (form.repair_program_size) {
    StoreLE<std::uint64_t>(p + kRepairSizeAt, *form.repair_program_size);
    std::copy(form.repair_program_digest.begin(), form.repair_program_digest.end(),
              p + kRepairDigestAt);
  }
  StoreMedium(p + kFirstMediaAt, form.first_media);
  StoreMedium(p + kMediaAt, form.media);
  StoreLE<std::uint64_t>(p + kImageEpochAt, static_cast<std::uint64_t>(form.image_epoch));
  for (std::size_t i = 0; i < code.sums.size(); ++i) {
    std::copy(code.sums[i].begin(), code.sums[i].end(), p + kRecoveryHeaderSize + i * kSumSize);
  }
  const Digest table_digest = Sha256Of(p + kRecoveryHeaderSize, table);
  std::copy(table_digest.begin(), table_digest.end(), p + kTableDigestAt);
  const Digest digest = Sha256Of(p, kHeaderDigestAt);
  std::copy(digest.begin(), digest.end(), p + kHeaderDigestAt);
  return bytes;
}

bool IsRecoveryHeader(const std::uint8_t* bytes, std::size_t size) {
  return size >= kRecoveryMagic.size() &&
         std::memcmp(bytes, kRecoveryMagic.data(), kRecoveryMagic.size()) == 0;
}

std::optional<std::uint64_t> RecoveryHeaderLength(const std::vector<std::uint8_t>& first) {
  if (first.size() < kRecoveryHeaderSize || !IsRecoveryHeader(first.data(), first.size())) {
    return std::nullopt;
  }
  const std::uint64_t disks = std::uint64_t{LoadLE<std::uint32_t>(&first[kPiecesAt])} +
                              LoadLE<std::uint32_t>(&first[kRecoveryAt]);
  // A damaged count must not make us read gigabytes: no code has more disks.
  if (disks > kMaxDisks) return kRecoveryHeaderSize;
  return kRecoveryHeaderSize + Padded(TableSize(static_cast<std::uint32_t>(disks),
                                                LoadLE<std::uint32_t>(&first[kBlocksAt])));
}

std::uint32_t RecoveryIndex(const std::vector<std::uint8_t>& bytes) {
  return bytes.size() < kRecoveryHeaderSize ? 0 : LoadLE<std::uint32_t>(&bytes[kIndexAt]);
}

RecoveryCode DecodeRecoveryHeader(const std::vector<std::uint8_t>& bytes) {
  return DecodeRecoveryHeader(bytes, bytes.size());
}

RecoveryCode DecodeRecoveryHeader(const std::vector<std::uint8_t>& bytes, std::uint64_t file_size) {
  const std::uint8_t* p = bytes.data();
  if (bytes.size() < kRecoveryHeaderSize || !IsRecoveryHeader(p, bytes.size())) {
    throw Error("no recovery piece header");
  }
  const Digest digest = Sha256Of(p, kHeaderDigestAt);
  if (!std::equal(digest.begin(), digest.end(), p + kHeaderDigestAt)) {
    throw Error("its header is damaged");
  }
  const std::uint32_t version = LoadLE<std::uint32_t>(p + kVersionAt);
  const std::uint32_t block_size = LoadLE<std::uint32_t>(p + kBlockSizeAt);
  if (version != kRecoveryVersion || block_size != kRecoveryBlockSize) {
    throw Error("recovery format " + std::to_string(version) + " with " +
                std::to_string(block_size) + "-byte blocks; this tool reads format " +
                std::to_string(kRecoveryVersion) + " with " + std::to_string(kRecoveryBlockSize) +
                "-byte blocks");
  }
  RecoveryCode code;
  SetForm& form = code.form;
  form.layout.piece_count = LoadLE<std::uint32_t>(p + kPiecesAt);
  code.recovery = LoadLE<std::uint32_t>(p + kRecoveryAt);
  code.blocks = LoadLE<std::uint32_t>(p + kBlocksAt);
  std::copy_n(p + kSetIdAt, kDigestSize, form.set_id.begin());
  form.layout.installer_size = LoadLE<std::uint64_t>(p + kInstallerSizeAt);
  form.layout.first_payload = LoadLE<std::uint64_t>(p + kFirstPayloadAt);
  form.layout.later_payload = LoadLE<std::uint64_t>(p + kLaterPayloadAt);
  const std::uint32_t flags = LoadLE<std::uint32_t>(p + kFlagsAt);
  if (flags & kHasLauncher) form.launcher_size = LoadLE<std::uint64_t>(p + kLauncherSizeAt);
  form.flat = (flags & kFlat) != 0;
  form.images = (flags & kImages) != 0;
  if (flags & kHasRepairProgram) {
    form.repair_program_size = LoadLE<std::uint64_t>(p + kRepairSizeAt);
    std::copy_n(p + kRepairDigestAt, kDigestSize, form.repair_program_digest.begin());
  }
  const auto first = LoadMedium(p + kFirstMediaAt);
  const auto later = LoadMedium(p + kMediaAt);
  if (first) form.first_media = *first;
  if (later) form.media = *later;
  std::optional<std::string> problem = CodeProblem(code, RecoveryIndex(bytes), flags);
  if (!problem && (!first || !later)) problem = "a medium this tool does not know";
  if (problem) throw Error("its header describes no code this tool can read: " + *problem);
  // The counts are sane now, and so is what they multiply to.
  const std::uint64_t size = RecoveryFileSize(code.pieces(), code.recovery, code.blocks);
  if (file_size != size) {
    throw Error("it is " + std::to_string(file_size) + " bytes, but its header describes " +
                std::to_string(size));
  }
  const std::uint64_t table = TableSize(code.disks(), code.blocks);
  if (bytes.size() < kRecoveryHeaderSize + table) throw Error("its checksum table is cut short");
  form.image_epoch = static_cast<std::int64_t>(LoadLE<std::uint64_t>(p + kImageEpochAt));
  const Digest table_digest = Sha256Of(p + kRecoveryHeaderSize, table);
  if (!std::equal(table_digest.begin(), table_digest.end(), p + kTableDigestAt)) {
    throw Error("its checksum table is damaged");
  }
  code.sums.resize(std::size_t{code.disks()} * code.blocks);
  for (std::size_t i = 0; i < code.sums.size(); ++i) {
    std::copy_n(p + kRecoveryHeaderSize + i * kSumSize, kSumSize, code.sums[i].begin());
  }
  return code;
}

}  // namespace pieceset
