// The names of a set's files.
#include <gtest/gtest.h>

#include "format/names.h"

namespace pieceset {
namespace {

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

}  // namespace
}  // namespace pieceset
