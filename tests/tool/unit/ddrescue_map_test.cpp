// GNU ddrescue's mapfile.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "format/ddrescue_map.h"

namespace pieceset {
namespace {

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
            (std::vector<ByteRange>{{0x117000, 0x120000}}));
  EXPECT_EQ(ParseBadRanges("0 + 1\n0 512 -\n512 01000 +\n1024 512 ?\n"),
            (std::vector<ByteRange>{{0, 512}, {1024, 1536}}));
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

}  // namespace
}  // namespace pieceset
