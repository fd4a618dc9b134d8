// The recovery code on byte buffers: lost disks, silent damage, the bound.
#include <gtest/gtest.h>

#include <isa-l/erasure_code.h>

#include <random>

#include "cut.h"
#include "recovery.h"

namespace pieceset::recovery {
namespace {

// A set of five pieces with a launcher, its disks and its copies as read.
struct Fixture {
  Code code;
  std::vector<DiskBytes> disks;  // pieces, then recovery pieces
  Copies copies;

  explicit Fixture(std::uint32_t recovery) {
    code.form.installer_size = 4 * 30000 + 12345;
    code.form.first_payload = 30000;
    code.form.later_payload = 30000;
    code.form.launcher_size = 5000;
    code.pieces = 5;
    code.recovery = recovery;
    std::mt19937 random(19);
    for (std::uint32_t d = 0; d < code.pieces; ++d) {
      DiskBytes disk;
      for (const Extent& e : DiskExtents(code, d)) {
        disk.resize(e.disk_offset);
        std::vector<std::uint8_t> bytes(e.length);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        disk.insert(disk.end(), bytes.begin(), bytes.end());
        copies[e.name].push_back({e.name, bytes, {}});
      }
      code.blocks = std::max(code.blocks, BlocksFor(disk.size()));
      disks.push_back(disk);
    }
    for (DiskBytes& disk : disks) disk.resize(std::size_t{code.blocks} * kBlockSize);
    const std::vector<DiskBytes> parity = Encode(code, disks);
    for (std::uint32_t i = 1; i <= recovery; ++i) {
      std::vector<std::uint8_t> file = Preamble(code, i);
      file.insert(file.end(), parity[i - 1].begin(), parity[i - 1].end());
      copies["REPAIR." + std::to_string(i)].push_back({"REPAIR", file, {}});
      disks.push_back(parity[i - 1]);
    }
  }
  std::vector<std::uint8_t>& Bytes(const std::string& name) { return copies[name][0].bytes; }
};

TEST(RecoveryCode, IsIsaLsCauchyMatrixOverTheField0x11D) {
  EXPECT_EQ(gf_mul(0x80, 2), 0x1d);
  unsigned char matrix[7 * 5];
  gf_gen_cauchy1_matrix(matrix, 7, 5);
  for (int r = 0; r < 7; ++r) {
    for (int c = 0; c < 5; ++c) {
      const int want = r < 5 ? (r == c ? 1 : 0) : gf_inv(static_cast<unsigned char>(r ^ c));
      EXPECT_EQ(matrix[r * 5 + c], want) << r << "," << c;
    }
  }
}

TEST(RecoveryCode, LostDisksAndSilentDamageAreRebuiltByteForByte) {
  Fixture f(2);
  ASSERT_EQ(f.code.blocks, 5u);  // SETUP.EXE's block and FILE.1's four
  const auto parsed = [&] {
    std::string problem;
    return ParsePreamble(f.Bytes("REPAIR.2"), &problem);
  }();
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->sums, f.code.sums);
  EXPECT_EQ(*parsed->form.launcher_size, 5000u);

  f.copies.erase("FILE.2");                               // a lost disk
  std::fill_n(f.Bytes("FILE.4").begin() + 17000, 512, 0);  // a sector read as zeros
  f.Bytes("FILE.5")[12000] ^= 0x40;                       // a flipped bit elsewhere
  f.Bytes("REPAIR.1").resize(f.Bytes("REPAIR.1").size() - 100);  // a short copy
  // Bytes known unreadable count as damage even where they happen to match.
  f.copies["SETUP.EXE"][0].known_bad.push_back({10, 11});
  Assessment a = Assess(*parsed, f.copies);
  EXPECT_TRUE(a.damaged);
  EXPECT_TRUE(a.repairable(*parsed));
  EXPECT_EQ(a.states[1].missing, std::vector<std::string>{"FILE.2"});
  EXPECT_EQ(BlockList(a.states[1].bad_blocks), "0-3");  // block 4 is fill
  EXPECT_EQ(BlockList(a.states[3].bad_blocks), "2");
  EXPECT_EQ(BlockList(a.states[4].bad_blocks), "1");
  EXPECT_EQ(BlockList(a.states[5].bad_blocks), "4");
  EXPECT_EQ(BlockList(a.states[0].bad_blocks), "0");
  EXPECT_EQ(a.worst_count, 2u);
  Rebuild(*parsed, a);
  EXPECT_EQ(a.disks, f.disks);
}

TEST(RecoveryCode, BeyondItsReachNamesTheLostDisks) {
  Fixture f(1);
  f.Bytes("FILE.1")[100] ^= 1;    // block 1: SETUP.EXE has block 0
  f.Bytes("FILE.3")[8300] ^= 1;   // the same stripe
  f.Bytes("FILE.4")[30000] ^= 1;  // alone in its stripe
  Assessment a = Assess(f.code, f.copies);
  EXPECT_FALSE(a.repairable(f.code));
  EXPECT_EQ(a.Lost(f.code), (std::vector<std::uint32_t>{0, 2}));
  EXPECT_THROW(Rebuild(f.code, a), Error);

  // A whole copy beside a damaged or overlong one wins.
  Fixture g(1);
  g.copies["FILE.3"].insert(g.copies["FILE.3"].begin(), g.copies["FILE.3"][0]);
  g.copies["FILE.3"][0].bytes[5] ^= 1;
  g.copies["FILE.3"][0].shown = "bad";
  a = Assess(g.code, g.copies);
  EXPECT_FALSE(a.damaged);
  EXPECT_EQ(a.replaced["FILE.3"].second, std::vector<std::string>{"bad"});
  g.copies["FILE.3"][0].bytes[5] ^= 1;
  g.copies["FILE.3"][0].bytes.push_back(0);
  EXPECT_FALSE(Assess(g.code, g.copies).damaged);
  g.copies["FILE.3"].pop_back();
  a = Assess(g.code, g.copies);
  EXPECT_TRUE(a.states[2].rewrite);  // every block intact, the file too long
  EXPECT_TRUE(a.states[2].bad_blocks.empty());
}

TEST(RecoveryCode, DamagedHeaderOrTableIsRefused) {
  Fixture f(1);
  std::string problem;
  std::vector<std::uint8_t> bytes = f.Bytes("REPAIR.1");
  bytes[16] ^= 1;
  EXPECT_FALSE(ParsePreamble(bytes, &problem));
  EXPECT_EQ(problem, "its header is damaged");
  bytes = f.Bytes("REPAIR.1");
  bytes[kBlockSize + 3] ^= 1;
  EXPECT_FALSE(ParsePreamble(bytes, &problem));
  EXPECT_EQ(problem, "its checksum table is damaged");
}

// 256 MiB on 1.44M: 185 disks without recovery pieces.
TEST(RecoveryLayout, PiecesShrinkUntilTheRecoveryPieceFits) {
  const Medium floppy = *FindPreset("1.44M");
  const Layout layout = PlanRecoveryLayout(268435456, floppy, floppy, std::nullopt, 1);
  EXPECT_EQ(layout.count, 207u);
  EXPECT_EQ(layout.later_payload, 1302528u - 1024u);
  EXPECT_LE(RecoveryFileSize(207, 1, 159), 1457664u);
  EXPECT_GT(RecoveryFileSize(207, 1, 160), 1457664u);
  EXPECT_THROW(PlanRecoveryLayout(400u << 20, floppy, floppy, std::nullopt, 1), UsageError);
  EXPECT_THROW(PlanRecoveryLayout(1 << 20, floppy, floppy, std::nullopt, 33), UsageError);
}

}  // namespace
}  // namespace pieceset::recovery
