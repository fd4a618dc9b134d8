// The media table, the header layout and the set check of pieceset.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "cut.h"
#include "device.h"
#include "disk.h"
#include "format.h"
#include "header.h"
#include "pieces.h"

namespace pieceset {
namespace {

// --- Media ------------------------------------------------------------------

// The floppy figures are what `mformat -f` leaves free on an empty disk.
TEST(MediaTable, FloppiesHoldTheirFatDataArea) {
  struct Expect { const char* name; std::uint64_t clusters; std::uint64_t cluster; };
  const Expect expected[] = {
      {"360K", 354, 1024},  {"720K", 713, 1024},   {"1.2M", 2371, 512},
      {"1.44M", 2847, 512}, {"2.88M", 2863, 1024},
  };
  for (const Expect& e : expected) {
    const Medium m = *FindPreset(e.name);
    EXPECT_EQ(DataClusters(m), e.clusters) << e.name;
    EXPECT_EQ(ClusterBytes(m), e.cluster) << e.name;
  }
  EXPECT_EQ(DataBytes(*FindPreset("1.44M")), 1457664u);
  EXPECT_EQ(FatSectors(*FindPreset("1.44M")), 9u);
  EXPECT_EQ(FindPreset("1.44M")->root_entries, 224u);
  EXPECT_EQ(FindPreset("360K")->root_entries, 112u);
}

// Zip disks as mformat makes a superfloppy of 196608 and 489532 sectors
// (what `mdir` reports free on the empty image).
TEST(MediaTable, ZipDisksAreFat16AndCdsWholeSectors) {
  const Medium zip100 = *FindPreset("100M");
  EXPECT_EQ(FatSectors(zip100), 192u);
  EXPECT_EQ(ClusterBytes(zip100), 2048u);
  EXPECT_EQ(DataBytes(zip100), 49047u * 2048u);
  EXPECT_EQ(DataBytes(zip100), 100448256u);
  EXPECT_EQ(FatSectors(*FindPreset("250M")), 239u);
  EXPECT_EQ(ClusterBytes(*FindPreset("250M")), 4096u);
  EXPECT_EQ(DataBytes(*FindPreset("250M")), 61127u * 4096u);
  EXPECT_EQ(DataBytes(*FindPreset("250M")), 250376192u);
  EXPECT_EQ(ClusterBytes(*FindPreset("650M")), 2048u);
  EXPECT_EQ(DataBytes(*FindPreset("650M")), (333000u - 256u) * 2048ull);
  EXPECT_EQ(DataBytes(*FindPreset("700M")), (360000u - 256u) * 2048ull);
}

TEST(MediaTable, SizesAreParsedAsPresetsOrPlainBytes) {
  EXPECT_EQ(ParseMedia("1.44m").name, "1.44M");
  const Medium bytes = ParseMedia("5000");
  EXPECT_EQ(bytes.file_system, FileSystem::kBytes);
  EXPECT_EQ(DataBytes(bytes), 5000u);
  EXPECT_EQ(ClusterBytes(bytes), 1u);
  for (const char* bad : {"", "1.5M", "-1", "12K", "1e6", " 100"}) {
    EXPECT_THROW(ParseMedia(bad), UsageError) << bad;
  }
}

// --- Layout -----------------------------------------------------------------

// A plain size with a file system is a whole volume, laid out as mformat or
// xorriso lay it out, with the smallest clusters its FAT can count.
TEST(MediaTable, PlainSizesWithAFileSystemAreWholeVolumes) {
  const Medium fat16 = ParseMedia("2500000", FileSystem::kFat16);
  EXPECT_EQ(fat16.total_sectors, 4882u);
  EXPECT_EQ(ClusterBytes(fat16), 512u);
  EXPECT_EQ(FatSectors(fat16), 19u);
  EXPECT_EQ(DataClusters(fat16), 4882u - 1 - 32 - 2 * 19);
  EXPECT_EQ(DataBytes(fat16), 2499584u - (1 + 32 + 38) * 512u);
  EXPECT_EQ(MediaName(fat16), "2499584-byte FAT16");
  // 64 MB of FAT16 needs clusters of 2 sectors to stay under 65525.
  const Medium big16 = ParseMedia("67108864", FileSystem::kFat16);
  EXPECT_EQ(ClusterBytes(big16), 1024u);
  EXPECT_LE(DataClusters(big16), 65524u);
  const Medium fat12 = ParseMedia("3000000", FileSystem::kFat12);
  EXPECT_EQ(ClusterBytes(fat12), 1024u);
  EXPECT_LE(DataClusters(fat12), 4084u);
  EXPECT_EQ(RootDirectorySectors(fat12), 14u);
  const Medium cd = ParseMedia("1499136", FileSystem::kIso9660);
  EXPECT_EQ(cd.total_sectors, 732u);
  EXPECT_EQ(DataBytes(cd), (732u - 256u) * 2048u);
  EXPECT_EQ(MediaName(cd), "1499136-byte ISO 9660");
  // Presets keep their own file system; a FAT16 of fewer than 4085
  // clusters would be read as FAT12.
  EXPECT_EQ(ParseMedia("1.44M", FileSystem::kIso9660).file_system, FileSystem::kFat12);
  EXPECT_THROW(ParseMedia("2000000", FileSystem::kFat16), UsageError);
  EXPECT_THROW(ParseMedia("300000000", FileSystem::kFat12), UsageError);
  EXPECT_EQ(ParseFileSystem("FAT16"), FileSystem::kFat16);
  EXPECT_EQ(ParseFileSystem("iso9660"), FileSystem::kIso9660);
  for (const char* bad : {"", "fat", "ntfs", "iso 9660", "fat32"}) {
    EXPECT_THROW(ParseFileSystem(bad), UsageError) << bad;
  }
}

// Paths in messages: one line, nothing a terminal would act on, UTF-8 kept.
TEST(Messages, PathsAreShownEscaped) {
  EXPECT_EQ(ShownPath("set/disk1/FILE.1"), "set/disk1/FILE.1");
  EXPECT_EQ(ShownPath("a\nb"), "a\\x0ab");
  EXPECT_EQ(ShownPath("x\033[2J"), "x\\x1b[2J");
  EXPECT_EQ(ShownPath("back\\slash"), "back\\x5cslash");
  EXPECT_EQ(ShownPath("Caf\xc3\xa9"), "Caf\xc3\xa9");      // U+00E9 stays
  EXPECT_EQ(ShownPath("Caf\xe9"), "Caf\\xe9");              // CP1252, not UTF-8
  EXPECT_EQ(ShownPath("c1\xc2\x9b"), "c1\\xc2\\x9b");     // U+009B, a C1 CSI
  EXPECT_EQ(ShownPath("\xe2\x82"), "\\xe2\\x82");        // cut short
  EXPECT_EQ(ShownPath("\xc0\xaf"), "\\xc0\\xaf");        // overlong "/"
  EXPECT_EQ(ShownPath("\xed\xa0\x80"), "\\xed\\xa0\\x80");  // a surrogate
}

TEST(Layout, LauncherTakesWholeClustersOnTheFirstDisk) {
  const Medium floppy = *FindPreset("1.44M");
  const Layout layout = PlanLayout(3000000, floppy, floppy, 20000);
  // 20000 bytes take 40 clusters of 512; the rest of 2847 carries FILE.1.
  EXPECT_EQ(layout.first_payload, (2847u - 40u) * 512u - 1024u);
  EXPECT_EQ(layout.later_payload, 2847u * 512u - 1024u);
  EXPECT_EQ(layout.count, 3u);
}

TEST(Layout, ExactMultiplesFillTheLastPieceWithoutAnEmptyOne) {
  const Medium disk = BytesMedium(2024);  // 1000 payload bytes a piece
  EXPECT_EQ(PlanLayout(3000, disk, disk, std::nullopt).count, 3u);
  EXPECT_EQ(PlanLayout(3001, disk, disk, std::nullopt).count, 4u);
  EXPECT_EQ(PlanLayout(1000, disk, disk, std::nullopt).count, 1u);
  EXPECT_EQ(PlanLayout(0, disk, disk, std::nullopt).count, 1u);
}

TEST(Layout, FirstDiskOfAnotherSizeChangesOnlyTheFirstPiece) {
  const Layout layout = PlanLayout(2500, BytesMedium(1524), BytesMedium(2024), std::nullopt);
  EXPECT_EQ(layout.first_payload, 500u);
  EXPECT_EQ(layout.later_payload, 1000u);
  EXPECT_EQ(layout.count, 3u);
}

TEST(Layout, DisksTooSmallForAHeaderAndOneByteAreRefused) {
  EXPECT_THROW(PlanLayout(10, BytesMedium(0), BytesMedium(0), std::nullopt), UsageError);
  EXPECT_THROW(PlanLayout(10, BytesMedium(1024), BytesMedium(1024), std::nullopt), UsageError);
  EXPECT_EQ(PlanLayout(10, BytesMedium(1025), BytesMedium(1025), std::nullopt).count, 10u);
}

TEST(Layout, LauncherThatCrowdsOutFileOneIsRefused) {
  const Medium floppy = *FindPreset("360K");
  try {
    PlanLayout(10, floppy, floppy, 400000);
    FAIL() << "accepted a launcher bigger than the disk";
  } catch (const UsageError& error) {
    EXPECT_NE(std::string(error.what()).find("does not fit on the first disk"),
              std::string::npos)
        << error.what();
  }
  // One cluster short of room for a 1025-byte FILE.1.
  EXPECT_THROW(PlanLayout(10, floppy, floppy, 362496 - 1024), UsageError);
  EXPECT_EQ(PlanLayout(10, floppy, floppy, 362496 - 2048).first_payload, 1024u);
}

TEST(Layout, MoreThan65535PiecesAreRefused) {
  EXPECT_THROW(PlanLayout(70000, BytesMedium(1025), BytesMedium(1025), std::nullopt),
               UsageError);
}

// --- Header -----------------------------------------------------------------

SetInfo SampleSet(const std::string& name, std::uint64_t size, std::uint8_t seed) {
  SetInfo info;
  info.name = name;
  info.installer_size = size;
  info.installer_digest.fill(seed);
  info.piece_count = 3;
  info.first_payload = size / 3 + 1;
  info.later_payload = size / 3 + 1;
  info.piece_digests.assign(3, PieceDigest{seed, 1, 2, 3});
  return info;
}

TEST(Header, NamesOfOneTo259BytesWithoutNulAreAccepted) {
  EXPECT_TRUE(NameProblem(""));
  EXPECT_FALSE(NameProblem("A"));
  EXPECT_FALSE(NameProblem(std::string(259, 'x')));
  EXPECT_TRUE(NameProblem(std::string(260, 'x')));
  EXPECT_TRUE(NameProblem(std::string("My\0App", 6)));
  EXPECT_FALSE(NameProblem("Caf\xe9"));  // code-page text stays as it is
}

TEST(Header, NameAndLastMarkSitWhereTheLauncherReadsThem) {
  SetInfo info = SampleSet(std::string(259, 'N'), 3000, 7);
  const HeaderBytes more = EncodeHeader(info, false);
  const HeaderBytes last = EncodeHeader(info, true);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(more.data()), 259), std::string(259, 'N'));
  EXPECT_EQ(more[259], 0);
  EXPECT_EQ(std::memcmp(more.data() + 260, "PIECESET", 8), 0);
  EXPECT_EQ(more[1023], 0);
  EXPECT_NE(last[1023], 0);
  EXPECT_EQ(std::memcmp(more.data(), last.data(), 1023), 0);
  EXPECT_TRUE(std::all_of(more.begin() + 880, more.begin() + 1023,
                          [](std::uint8_t b) { return b == 0; }));
}

TEST(Header, SetIdentityFollowsInstallerNameAndLayout) {
  SetInfo a = SampleSet("App", 3000, 1);
  SetInfo same = SampleSet("App", 3000, 1);
  SetInfo other_installer = SampleSet("App", 3000, 2);
  SetInfo other_layout = SampleSet("App", 3000, 1);
  other_layout.first_payload -= 1;
  other_layout.later_payload += 1;
  EncodeHeader(a, false);
  EncodeHeader(same, true);
  EncodeHeader(other_installer, false);
  EncodeHeader(other_layout, false);
  EXPECT_EQ(a.set_id, same.set_id);
  EXPECT_NE(a.set_id, other_installer.set_id);
  EXPECT_NE(a.set_id, other_layout.set_id);
}

TEST(Header, DecodingGivesBackTheSetAndNoticesDamage) {
  SetInfo info = SampleSet("Tool", 3000, 9);
  HeaderBytes header = EncodeHeader(info, true);
  DecodedHeader decoded = DecodeHeader(header);
  ASSERT_EQ(decoded.kind, DecodedHeader::Kind::kPieceset);
  EXPECT_TRUE(decoded.last);
  EXPECT_EQ(decoded.info->name, "Tool");
  EXPECT_EQ(decoded.info->installer_size, 3000u);
  EXPECT_EQ(decoded.info->piece_count, 3u);
  EXPECT_EQ(decoded.info->set_id, info.set_id);

  header[312] ^= 0x40;  // inside the installer digest
  EXPECT_EQ(DecodeHeader(header).kind, DecodedHeader::Kind::kDamaged);
  // Sealed with a set identity of its own, an impossible layout is still damage.
  info.piece_count = 0;
  info.piece_digests.clear();
  EXPECT_EQ(DecodeHeader(EncodeHeader(info, true)).problem, "header damaged: impossible piece count");

  HeaderBytes foreign{};
  std::memcpy(foreign.data(), "Other", 5);
  decoded = DecodeHeader(foreign);
  EXPECT_EQ(decoded.kind, DecodedHeader::Kind::kForeign);
  EXPECT_EQ(decoded.name, "Other");
  EXPECT_TRUE(decoded.name_ended);
}

// --- Finding and checking pieces ------------------------------------------------

TEST(PieceNames, NumbersAreDecimalWithoutLeadingZeros) {
  EXPECT_EQ(PieceNumber("FILE.1"), 1u);
  EXPECT_EQ(PieceNumber("FILE.10"), 10u);
  EXPECT_EQ(PieceNumber("file.3"), 3u);
  EXPECT_EQ(PieceNumber("FILE.2147483647"), 2147483647u);
  for (const char* not_a_piece :
       {"FILE.010", "FILE.0", "FILE.A", "FILE.1x", "FILE.", "FILE1", "XFILE.1",
        "FILE.2147483648"}) {
    EXPECT_FALSE(PieceNumber(not_a_piece)) << not_a_piece;
  }
}

class SetCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("pieceset_test_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  std::vector<char> Installer(std::size_t size, unsigned seed) {
    std::vector<char> bytes(size);
    std::mt19937 random(seed);
    for (char& b : bytes) b = static_cast<char>(random());
    return bytes;
  }

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

  fs::path root_;
};

TEST_F(SetCheck, TwelvePieceSetJoinsBackByteForByte) {
  const std::vector<char> bytes = Installer(11500, 1);
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
  const fs::path set = CutFlat(Installer(3500, 1), "set");
  const fs::path other = CutFlat(Installer(3500, 2), "other");
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
  const std::vector<char> bytes = Installer(2500, 1);
  const fs::path set = CutFlat(bytes, "set", "App");
  const fs::path other = CutFlat(bytes, "other", "App 2");
  fs::copy_file(other / "FILE.2", set / "FILE.2", fs::copy_options::overwrite_existing);
  const SetReport report = Check({set});
  const PieceLine* bad = LineFor(report, 2, PieceLine::Status::kBad);
  ASSERT_NE(bad, nullptr);
  EXPECT_NE(bad->detail.find("at byte 3"), std::string::npos) << bad->detail;
}

TEST_F(SetCheck, FlippedPayloadByteIsTracedToItsPiece) {
  const fs::path set = CutFlat(Installer(3500, 1), "set");
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
  const fs::path set = CutFlat(Installer(3500, 1), "set");
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
  const fs::path set = CutFlat(Installer(1800, 1), "set");  // two pieces
  const fs::path other = CutFlat(Installer(3500, 2), "other");
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
  const std::vector<char> bytes = Installer(2500, 3);
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
  fs::create_directory(root_ / "copy");
  fs::copy_file(root_ / "out/disk2/FILE.2", root_ / "copy/FILE.2");
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

// The bad-sector map as ddrescue writes it (after a run with trimming left
// undone), and as a user may edit it: every range not read is damage.
TEST(BadSectorMap, RangesNotFinishedAreDamageAndNeighboursMerge) {
  const std::string ddrescue_map =
      "# Mapfile. Created by GNU ddrescue version 1.27\n"
      "# current_pos  current_status  current_pass\n"
      "0x00120000     ?               1\n"
      "#      pos        size  status\n"
      "0x00000000  0x00117000  +\n"
      "0x00117000  0x00000200  -\n"
      "0x00117200  0x00001000  /  # edited\n"
      "0x00118200  0x00007E00  *\n"
      "0x00120000  0x00048000  +\n";
  EXPECT_EQ(ParseBadRanges(ddrescue_map),
            (std::vector<ByteRange>{{0x117000, 0x9000}}));
  EXPECT_EQ(ParseBadRanges("0 + 1\n0 512 -\n512 01000 +\n1024 512 ?\n"),
            (std::vector<ByteRange>{{0, 512}, {1024, 512}}));
  EXPECT_TRUE(ParseBadRanges("0x0 +\n0x0 0x168000 +\n").empty());
}

TEST(BadSectorMap, MalformedMapsNameTheLine) {
  const std::pair<const char*, const char*> bad[] = {
      {"", "no status line"},
      {"0 +\n0 512 +\n1024 512 -\n", "line 3: the block at 1024 does not follow the one before, which ends at 512"},
      {"0 +\n0 512 x\n", "line 2: a block is a position, a size and one of ? * / - +"},
      {"0 +\n0 -512 -\n", "line 2: '-512' is no position or size"},
      {"zero + 1\n", "line 1: 'zero' is no position or size"},
  };
  for (const auto& [text, message] : bad) {
    try {
      ParseBadRanges(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
    }
  }
}

// --- Disks ------------------------------------------------------------------

// Images made and changed by mtools, xorriso and byte edits here; each
// piece's map is checked against what those tools extract themselves.
class DiskMap : public SetCheck {
 protected:
  void Run(const std::string& command) {
    ASSERT_EQ(std::system(("cd '" + root_.string() + "' && " + command + " >/dev/null 2>&1").c_str()), 0)
        << command;
  }
  void Write(const std::string& name, const std::vector<char>& bytes) {
    std::ofstream(root_ / name, std::ios::binary).write(bytes.data(), bytes.size());
  }
  std::string Slurp(const std::string& name) {
    std::ifstream in(root_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The file's bytes as its extents place them on the image.
  std::string ByMap(const Disk& disk, const DiskFile& file) {
    const std::string image = Slurp(disk.path.filename().string());
    std::string bytes(file.size, '\0');
    for (const Extent& e : file.extents) {
      bytes.replace(e.file_offset, e.length, image.substr(e.device_offset, e.length));
    }
    return bytes;
  }
  static const DiskFile* Find(const Disk& disk, const std::string& name) {
    for (const DiskFile& file : disk.files) {
      if (file.name == name) return &file;
    }
    return nullptr;
  }
  // A FAT entry of a FAT12 1.44M image, in both of its FATs.
  void MarkFat12(const std::string& name, unsigned cluster, unsigned value) {
    std::fstream image(root_ / name, std::ios::binary | std::ios::in | std::ios::out);
    for (unsigned fat_start : {512u, 512u + 9 * 512}) {
      const unsigned at = fat_start + cluster * 3 / 2;
      unsigned char pair[2];
      image.seekg(at);
      image.read(reinterpret_cast<char*>(pair), 2);
      if (cluster & 1) {
        pair[0] = (pair[0] & 0x0f) | ((value << 4) & 0xf0);
        pair[1] = (value >> 4) & 0xff;
      } else {
        pair[0] = value & 0xff;
        pair[1] = (pair[1] & 0xf0) | ((value >> 8) & 0x0f);
      }
      image.seekp(at);
      image.write(reinterpret_cast<const char*>(pair), 2);
    }
  }
};

// FILE.1 written into the gap a deleted file left, hidden and system as a
// user's attrib may leave it: its map has two runs and holds mcopy's bytes.
TEST_F(DiskMap, FragmentedHiddenFatPieceReadsAsMcopyExtractsIt) {
  Write("small", Installer(5000, 3));
  Write("big", Installer(300000, 4));
  Run("mformat -C -i f.img -f 1440 :: && mcopy -i f.img small ::GAP && mcopy -i f.img big ::FILE.2"
      " && mdel -i f.img ::GAP && mcopy -i f.img big ::FILE.1 && mattrib -i f.img +h +s ::FILE.1"
      " && mcopy -n -i f.img ::FILE.1 out.1");
  const Disk disk = ReadDisk(root_ / "f.img");
  EXPECT_EQ(disk.file_system, "FAT12");
  const DiskFile* file = Find(disk, "FILE.1");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->attributes & 0x06, 0x06);
  ASSERT_EQ(file->extents.size(), 2u);
  EXPECT_EQ(file->extents[0].device_offset, 33u * 512);  // cluster 2, where GAP was
  EXPECT_EQ(file->extents[0].length, 5120u);
  EXPECT_EQ(file->extents[1].file_offset, 5120u);
  EXPECT_TRUE(file->unreadable.empty());
  EXPECT_EQ(ByMap(disk, *file), Slurp("out.1"));
  std::string read(file->size, '\0');
  DiskFileReader reader(disk, *file);
  EXPECT_EQ(reader.Read(read.data(), read.size()), 300000u);
  EXPECT_EQ(read, Slurp("big"));
}

TEST_F(DiskMap, IsoFileReadsAsXorrisoExtractsIt) {
  Write("FILE.1", Installer(300000, 5));
  Run("xorriso -no_rc -outdev c.iso -joliet on -rockridge off -map FILE.1 /FILE.1 -map FILE.1 "
      "/setup.exe -commit && xorriso -no_rc -osirrox on -indev c.iso -extract /FILE.1 out.1");
  const Disk disk = ReadDisk(root_ / "c.iso");
  EXPECT_EQ(disk.file_system, "ISO 9660");
  ASSERT_NE(Find(disk, "setup.exe"), nullptr);  // the Joliet name, as Windows shows it
  const DiskFile* file = Find(disk, "FILE.1");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->extents.size(), 1u);
  EXPECT_EQ(file->extents[0].device_offset % 2048, 0u);
  EXPECT_EQ(ByMap(disk, *file), Slurp("out.1"));
}

// Damage is said in sectors and clusters, and what can be read still is.
TEST_F(DiskMap, BrokenImagesAreDescribedInTheFileSystemsWords) {
  Write("big", Installer(300000, 6));
  Run("mformat -C -i f.img -f 1440 :: && mcopy -i f.img big ::FILE.1 && cp f.img bad.img"
      " && truncate -s 1474048 f.img");
  const Disk short_disk = ReadDisk(root_ / "f.img");
  const DiskFile* file = Find(short_disk, "FILE.1");
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(file->unreadable.empty());  // FILE.1 lies well before the end

  Run("truncate -s 100000 f.img");
  const Disk cut_disk = ReadDisk(root_ / "f.img");
  file = Find(cut_disk, "FILE.1");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->unreadable.size(), 1u);
  EXPECT_EQ(file->unreadable[0].why, "the image ends at sector 195 of 2880");
  EXPECT_EQ(file->unreadable[0].file_offset, 100000u - 33 * 512);
  std::string read(file->size, '\0');
  DiskFileReader reader(cut_disk, *file);
  try {
    reader.Read(read.data(), read.size());
    ADD_FAILURE() << "a read past the image's end succeeded";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "the image ends at sector 195 of 2880 (bytes 83104 to 299999 of FILE.1)");
  }

  MarkFat12("bad.img", 212, 0xff7);
  const Disk bad = ReadDisk(root_ / "bad.img");
  file = Find(bad, "FILE.1");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->unreadable.size(), 1u);
  EXPECT_EQ(file->unreadable[0].why, "FILE.1's cluster chain is marked bad at cluster 212");
  EXPECT_EQ(file->unreadable[0].file_offset, 210u * 512);
  EXPECT_EQ(file->extents.size(), 1u);

  // A Zip disk as the drive's own formatter lays it out: a partition table,
  // the FAT16 volume from sector 32.
  Run("truncate -s 100663296 z.img && mformat -i z.img@@16384 -T 196576 -h 64 -s 32 :: && "
      "mcopy -i z.img@@16384 big ::FILE.1 && printf '\\006' | dd of=z.img bs=1 seek=450 conv=notrunc"
      " && printf '\\040' | dd of=z.img bs=1 seek=454 conv=notrunc"
      " && printf '\\340\\376\\002' | dd of=z.img bs=1 seek=458 conv=notrunc"
      " && printf '\\125\\252' | dd of=z.img bs=1 seek=510 conv=notrunc");
  const Disk zip = ReadDisk(root_ / "z.img");
  EXPECT_EQ(zip.volume_offset, 16384u);
  EXPECT_EQ(zip.note,
            "a partitioned disk: pieceset reads whole-disk images; its FAT16 partition starts at sector 32");
  file = Find(zip, "FILE.1");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(ByMap(zip, *file), Slurp("big"));

  Write("junk", std::vector<char>(100000, 0));
  try {
    ReadDisk(root_ / "junk");
    ADD_FAILURE() << "a disk of zeros was read";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "no FAT12, FAT16 or ISO 9660 file system on it");
  }
}

}  // namespace
}  // namespace pieceset
