// The set check: the pieces walked as the launcher reads them.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "format/media.h"
#include "set/check.h"
#include "set/cut.h"
#include "test_helpers.h"

namespace pieceset {
namespace {

class SetCheck : public ScratchTest {
 protected:
  // Cuts `bytes` into 1000-byte payloads, flat in `folder`.
  fs::path CutFlat(const std::vector<char>& bytes, const std::string& folder,
                   const std::string& name = "App") {
    const fs::path installer = root_ / (folder + ".exe");
    std::ofstream(installer, std::ios::binary).write(bytes.data(), bytes.size());
    CutOptions options;
    options.installer = installer;
    options.name = name;
    options.media = BytesMedium(2024);
    options.first_media = options.media;
    options.flat = true;
    options.out = root_ / folder;
    Cut(options);
    return options.out;
  }

  SetReport Check(const std::vector<fs::path>& places, std::string* joined = nullptr) {
    PieceSources sources;
    for (const fs::path& place : places) sources.Add(place);
    MergeCopies(sources);
    return CheckSet(sources, [joined](const std::uint8_t* data, std::size_t size) {
      if (joined) joined->append(reinterpret_cast<const char*>(data), size);
    });
  }

  static const PieceLine* LineFor(const SetReport& report, std::uint32_t number,
                                  PieceLine::Status status) {
    for (const PieceLine& line : report.lines) {
      if (line.number == number && line.status == status) return &line;
    }
    return nullptr;
  }
};

TEST_F(SetCheck, TwelvePieceSetJoinsBackByteForByte) {
  const std::vector<char> bytes = SeededBytes(11500, 1);
  const fs::path set = CutFlat(bytes, "set");
  EXPECT_TRUE(fs::exists(set / "FILE.10"));
  EXPECT_TRUE(fs::exists(set / "FILE.12"));
  EXPECT_FALSE(fs::exists(set / "FILE.13"));
  std::string joined;
  const SetReport report = Check({set}, &joined);
  EXPECT_TRUE(report.good) << report.verdict;
  EXPECT_EQ(report.pieces, 12u);
  EXPECT_EQ(joined, std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(fs::file_size(set / "FILE.12"), 1024u + 500u);
}

TEST_F(SetCheck, PieceOfAnotherSetIsNamedWithItsNumber) {
  const fs::path set = CutFlat(SeededBytes(3500, 1), "set");
  const fs::path other = CutFlat(SeededBytes(3500, 2), "other");
  fs::copy_file(other / "FILE.3", set / "FILE.3", fs::copy_options::overwrite_existing);
  const SetReport report = Check({set});
  EXPECT_FALSE(report.good);
  const PieceLine* bad = LineFor(report, 3, PieceLine::Status::kBad);
  ASSERT_NE(bad, nullptr) << report.verdict;
  EXPECT_NE(bad->detail.find("belongs to another set"), std::string::npos) << bad->detail;
  EXPECT_NE(report.verdict.find("FILE.3"), std::string::npos) << report.verdict;
  EXPECT_NE(LineFor(report, 2, PieceLine::Status::kOk), nullptr);
}

TEST_F(SetCheck, SameInstallerUnderAnotherNameIsAnotherSet) {
  const std::vector<char> bytes = SeededBytes(2500, 1);
  const fs::path set = CutFlat(bytes, "set", "App");
  const fs::path other = CutFlat(bytes, "other", "App 2");
  fs::copy_file(other / "FILE.2", set / "FILE.2", fs::copy_options::overwrite_existing);
  const SetReport report = Check({set});
  const PieceLine* bad = LineFor(report, 2, PieceLine::Status::kBad);
  ASSERT_NE(bad, nullptr);
  EXPECT_NE(bad->detail.find("at byte 3"), std::string::npos) << bad->detail;
}

TEST_F(SetCheck, FlippedPayloadByteIsTracedToItsPiece) {
  const fs::path set = CutFlat(SeededBytes(3500, 1), "set");
  {
    std::fstream piece(set / "FILE.2", std::ios::in | std::ios::out | std::ios::binary);
    piece.seekp(1024 + 10);
    piece.put('\x5a');
  }
  const SetReport report = Check({set});
  EXPECT_FALSE(report.good);
  const PieceLine* bad = LineFor(report, 2, PieceLine::Status::kBad);
  ASSERT_NE(bad, nullptr) << report.verdict;
  EXPECT_NE(bad->detail.find("payload damaged"), std::string::npos) << bad->detail;
}

TEST_F(SetCheck, TruncatedAndMissingPiecesAreReported) {
  const fs::path set = CutFlat(SeededBytes(3500, 1), "set");
  fs::resize_file(set / "FILE.2", 1500);
  fs::remove(set / "FILE.3");
  const SetReport report = Check({set});
  EXPECT_FALSE(report.good);
  const PieceLine* short_piece = LineFor(report, 2, PieceLine::Status::kBad);
  ASSERT_NE(short_piece, nullptr);
  EXPECT_NE(short_piece->detail.find("payload is 476 bytes"), std::string::npos)
      << short_piece->detail;
  ASSERT_NE(LineFor(report, 3, PieceLine::Status::kMissing), nullptr);

  fs::resize_file(set / "FILE.1", 1000);
  const SetReport short_first = Check({set});
  const PieceLine* header = LineFor(short_first, 1, PieceLine::Status::kBad);
  ASSERT_NE(header, nullptr);
  EXPECT_NE(header->detail.find("1000 bytes, shorter than its 1024-byte header"),
            std::string::npos)
      << header->detail;
  // Without FILE.1's header the others cannot be checked.
  EXPECT_NE(LineFor(short_first, 2, PieceLine::Status::kIgnored), nullptr);
}

TEST_F(SetCheck, PiecesPastTheLastMarkAreIgnored) {
  const fs::path set = CutFlat(SeededBytes(1800, 1), "set");  // two pieces
  const fs::path other = CutFlat(SeededBytes(3500, 2), "other");
  fs::copy_file(other / "FILE.3", set / "FILE.3");
  std::ofstream(set / "FILE.010") << "x";
  PieceSources sources;
  sources.Add(set);
  ASSERT_EQ(sources.notes().size(), 1u);
  EXPECT_NE(sources.notes()[0].find("FILE.010"), std::string::npos);
  const SetReport report = CheckSet(sources);
  EXPECT_TRUE(report.good) << report.verdict;
  EXPECT_EQ(report.pieces, 2u);
  EXPECT_NE(LineFor(report, 3, PieceLine::Status::kIgnored), nullptr);
}

TEST_F(SetCheck, DiskFoldersGivenOneByOneMakeOneSet) {
  const std::vector<char> bytes = SeededBytes(2500, 3);
  const fs::path installer = root_ / "in.exe";
  std::ofstream(installer, std::ios::binary).write(bytes.data(), bytes.size());
  CutOptions options;
  options.installer = installer;
  options.name = "Disks";
  options.media = BytesMedium(2024);
  options.first_media = options.media;
  options.out = root_ / "out";
  Cut(options);
  EXPECT_TRUE(fs::exists(root_ / "out" / "disk3" / "FILE.3"));
  EXPECT_TRUE(Check({root_ / "out"}).good);
  EXPECT_TRUE(Check({root_ / "out/disk3", root_ / "out/disk1", root_ / "out/disk2"}).good);
  // The same files named again, by another path or the same one, are the
  // same pieces; a copy of a piece is a second FILE.2.
  EXPECT_TRUE(Check({root_ / "out", root_ / "out/disk2"}).good);
  EXPECT_TRUE(Check({root_ / "out", root_ / "out"}).good);
  EXPECT_TRUE(Check({root_ / "out", root_ / "out/./disk2/FILE.2"}).good);
  // A copy of the same bytes is the same disk; a whole copy beats a damaged
  // one; two copies that differ and neither whole are a piece found twice.
  fs::create_directory(root_ / "copy");
  fs::copy_file(root_ / "out/disk2/FILE.2", root_ / "copy/FILE.2");
  EXPECT_TRUE(Check({root_ / "out", root_ / "copy"}).good);
  {
    std::fstream piece(root_ / "copy/FILE.2", std::ios::in | std::ios::out | std::ios::binary);
    piece.seekp(1024 + 10);
    piece.put('\x5a');
  }
  EXPECT_TRUE(Check({root_ / "copy", root_ / "out"}).good);
  fs::copy_file(root_ / "copy/FILE.2", root_ / "out/disk2/FILE.2", fs::copy_options::overwrite_existing);
  fs::resize_file(root_ / "copy/FILE.2", 1500);
  const SetReport twice = Check({root_ / "out", root_ / "copy"});
  EXPECT_FALSE(twice.good);
  EXPECT_NE(twice.verdict.find("found twice"), std::string::npos) << twice.verdict;
}

// A set by another tool: only the launcher's rules apply, and two pieces that
// differ in byte 1023 alone belong together.
TEST_F(SetCheck, ForeignSetIsCheckedByTheLaunchersRulesAlone) {
  HeaderBytes header{};
  std::memset(header.data(), 0xA5, header.size());
  std::memcpy(header.data(), "Foreign\0", 8);
  const fs::path set = root_ / "foreign";
  fs::create_directories(set);
  for (int n = 1; n <= 2; ++n) {
    header[1023] = n == 2 ? 0x80 : 0;
    std::ofstream piece(set / ("FILE." + std::to_string(n)), std::ios::binary);
    piece.write(reinterpret_cast<const char*>(header.data()), header.size());
    piece << "payload" << n;
  }
  std::string joined;
  const SetReport report = Check({set}, &joined);
  EXPECT_TRUE(report.good) << report.verdict;
  EXPECT_EQ(joined, "payload1payload2");
  EXPECT_NE(report.verdict.find("not made by pieceset"), std::string::npos);
}

}  // namespace
}  // namespace pieceset
