// The piece header: where the launcher reads it, and what pieceset adds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "format/piece_header.h"

namespace pieceset {
namespace {

SetInfo SampleSet(const std::string& name, std::uint64_t size, std::uint8_t seed) {
  SetInfo info;
  info.name = name;
  info.layout = {size, 3, size / 3 + 1, size / 3 + 1};
  info.installer_digest.fill(seed);
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
  other_layout.layout.first_payload -= 1;
  other_layout.layout.later_payload += 1;
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
  EXPECT_EQ(decoded.info->layout.installer_size, 3000u);
  EXPECT_EQ(decoded.info->layout.piece_count, 3u);
  EXPECT_EQ(decoded.info->set_id, info.set_id);

  header[312] ^= 0x40;  // inside the installer digest
  EXPECT_EQ(DecodeHeader(header).kind, DecodedHeader::Kind::kDamaged);
  // Sealed with a set identity of its own, an impossible layout is still damage.
  info.layout.piece_count = 0;
  info.piece_digests.clear();
  EXPECT_EQ(DecodeHeader(EncodeHeader(info, true)).problem, "header damaged: impossible piece count");

  HeaderBytes foreign{};
  std::memcpy(foreign.data(), "Other", 5);
  decoded = DecodeHeader(foreign);
  EXPECT_EQ(decoded.kind, DecodedHeader::Kind::kForeign);
  EXPECT_EQ(decoded.name, "Other");
  EXPECT_TRUE(decoded.name_ended);
}

}  // namespace
}  // namespace pieceset
