// The recovery code over a set's disks: lost disks, silent damage, the
// bound, and the header that carries its checksums.
#include <gtest/gtest.h>

#include <isa-l/erasure_code.h>

#include <random>
#include <string>

#include "base/chunk_pipe.h"
#include "base/errors.h"
#include "base/text.h"
#include "format/recovery_header.h"
#include "recovery/code.h"
#include "set/recovery_pieces.h"
#include "test_helpers.h"

namespace pieceset::recovery {
namespace {

// A set of five pieces with a launcher, its disks and its copies as read.
struct Fixture {
  RecoveryCode code;
  std::vector<DiskBytes> disks;  // pieces, then recovery pieces
  Copies copies;

  explicit Fixture(std::uint32_t recovery) {
    code.form.layout = {4 * 30000 + 12345, 5, 30000, 30000};
    code.form.launcher_size = 5000;
    code.recovery = recovery;
    std::mt19937 random(19);
    for (std::uint32_t d = 0; d < code.pieces(); ++d) {
      DiskBytes disk;
      for (const CodedFile& f : CodedFiles(code, d)) {
        disk.resize(f.extent.device_offset);
        const std::vector<std::uint8_t> bytes = SeededData(f.extent.length, random);
        disk.insert(disk.end(), bytes.begin(), bytes.end());
        copies[f.name].push_back({f.name, "", bytes, {}, {}, nullptr});
      }
      code.blocks = std::max(code.blocks, BlocksFor(disk.size()));
      disks.push_back(disk);
    }
    for (DiskBytes& disk : disks) disk.resize(std::size_t{code.blocks} * kRecoveryBlockSize);
    code.sums.assign(std::size_t{code.disks()} * code.blocks, Sum{});
    const std::vector<DiskBytes> parity = EncodeStripes(code, 0, disks);
    for (std::uint32_t i = 1; i <= recovery; ++i) {
      std::vector<std::uint8_t> file = EncodeRecoveryHeader(code, i);
      file.insert(file.end(), parity[i - 1].begin(), parity[i - 1].end());
      copies["REPAIR." + std::to_string(i)].push_back({"REPAIR", "", file, {}, {}, nullptr});
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
  const RecoveryCode parsed = DecodeRecoveryHeader(f.Bytes("REPAIR.2"));
  EXPECT_EQ(parsed.sums, f.code.sums);
  EXPECT_EQ(*parsed.form.launcher_size, 5000u);

  f.copies.erase("FILE.2");                               // a lost disk
  std::fill_n(f.Bytes("FILE.4").begin() + 17000, 512, 0);  // a sector read as zeros
  f.Bytes("FILE.5")[12000] ^= 0x40;                       // a flipped bit elsewhere
  f.Bytes("REPAIR.1").resize(f.Bytes("REPAIR.1").size() - 100);  // a short copy
  // Bytes known unreadable count as damage even where they happen to match.
  f.copies["SETUP.EXE"][0].known_bad.push_back({10, 11});
  RecoveryCheck a = AssessCopies(parsed, f.copies);
  EXPECT_TRUE(a.damaged);
  EXPECT_TRUE(a.damage.repairable(parsed));
  EXPECT_EQ(a.states[1].missing, std::vector<std::string>{"FILE.2"});
  EXPECT_EQ(NumberList(a.damage.bad_blocks[1]), "0-3");  // block 4 is fill
  EXPECT_EQ(NumberList(a.damage.bad_blocks[3]), "2");
  EXPECT_EQ(NumberList(a.damage.bad_blocks[4]), "1");
  EXPECT_EQ(NumberList(a.damage.bad_blocks[5]), "4");
  EXPECT_EQ(NumberList(a.damage.bad_blocks[0]), "0");
  EXPECT_EQ(a.damage.worst_count, 2u);
  std::vector<DiskBytes> disks = LayOut(a, 0, parsed.blocks);
  Rebuild(parsed, a.damage, 0, parsed.blocks, disks);
  EXPECT_EQ(disks, f.disks);
}

TEST(RecoveryCode, BeyondItsReachNamesTheLostDisks) {
  Fixture f(1);
  f.Bytes("FILE.1")[100] ^= 1;    // block 1: SETUP.EXE has block 0
  f.Bytes("FILE.3")[8300] ^= 1;   // the same stripe
  f.Bytes("FILE.4")[30000] ^= 1;  // alone in its stripe
  RecoveryCheck a = AssessCopies(f.code, f.copies);
  EXPECT_FALSE(a.damage.repairable(f.code));
  EXPECT_EQ(a.damage.Lost(f.code), (std::vector<std::uint32_t>{0, 2}));
  std::vector<DiskBytes> disks = LayOut(a, 0, f.code.blocks);
  EXPECT_THROW(Rebuild(f.code, a.damage, 0, f.code.blocks, disks), Error);

  // A whole copy beside a damaged or overlong one wins.
  Fixture g(1);
  g.copies["FILE.3"].insert(g.copies["FILE.3"].begin(), g.copies["FILE.3"][0]);
  g.copies["FILE.3"][0].bytes[5] ^= 1;
  g.copies["FILE.3"][0].shown = "bad";
  a = AssessCopies(g.code, g.copies);
  EXPECT_FALSE(a.damaged);
  EXPECT_EQ(a.replaced["FILE.3"].second, std::vector<std::string>{"bad"});
  g.copies["FILE.3"][0].bytes[5] ^= 1;
  g.copies["FILE.3"][0].bytes.push_back(0);
  EXPECT_FALSE(AssessCopies(g.code, g.copies).damaged);
  g.copies["FILE.3"].pop_back();
  a = AssessCopies(g.code, g.copies);
  EXPECT_TRUE(a.states[2].rewrite);  // every block intact, the file too long
  EXPECT_TRUE(a.damage.bad_blocks[2].empty());
}

TEST(RecoveryCode, DamagedHeaderOrTableIsRefused) {
  Fixture f(1);
  const auto problem = [](const std::vector<std::uint8_t>& bytes) -> std::string {
    try {
      DecodeRecoveryHeader(bytes);
    } catch (const Error& error) {
      return error.what();
    }
    return "";
  };
  std::vector<std::uint8_t> bytes = f.Bytes("REPAIR.1");
  bytes[16] ^= 1;
  EXPECT_EQ(problem(bytes), "its header is damaged");
  bytes = f.Bytes("REPAIR.1");
  bytes[kRecoveryHeaderSize + 3] ^= 1;
  EXPECT_EQ(problem(bytes), "its checksum table is damaged");
}

}  // namespace
}  // namespace pieceset::recovery

namespace pieceset::recovery {
namespace {

// Digests taken on the pipe's threads, over chunks of odd sizes with marks
// between them, are those of one pass.
TEST(RecoveryCode, DigestsTakenOnThreadsAreThoseOfOnePass) {
  std::mt19937 random(25);
  const std::vector<std::uint8_t> bytes = SeededData(3 * kRecoveryBlockSize + 5000, random);
  std::vector<Digest> rounds;
  Sha256 round, whole;
  {
    ChunkPipe pipe(3000);
    pipe.AddWorker([&](const std::uint8_t* data, std::size_t size, int tag) {
      EXPECT_EQ(tag, size == 0 ? 1 : 0);
      if (size == 0) {
        rounds.push_back(round.Finish());
      } else {
        round.Update(data, size);
      }
    });
    pipe.AddWorker([&](const std::uint8_t* data, std::size_t size, int) {
      if (size != 0) whole.Update(data, size);
    });
    for (int r = 0; r < 50; ++r) {
      for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t size = std::min<std::size_t>(1 + random() % 3000, bytes.size() - at);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), size, pipe.Chunk());
        pipe.Give(size, 0);
        at += size;
      }
      pipe.Chunk();
      pipe.Give(0, 1);
    }
    pipe.Drain();
  }
  ASSERT_EQ(rounds.size(), 50u);
  for (const Digest& each : rounds) EXPECT_EQ(each, Sha256Of(bytes.data(), bytes.size()));
  Sha256 expected;
  for (int r = 0; r < 50; ++r) expected.Update(bytes.data(), bytes.size());
  EXPECT_EQ(whole.Finish(), expected.Finish());
}

}  // namespace
}  // namespace pieceset::recovery
