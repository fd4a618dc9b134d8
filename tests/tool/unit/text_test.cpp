// Text for messages.
#include <gtest/gtest.h>

#include "base/text.h"

namespace pieceset {
namespace {

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

}  // namespace
}  // namespace pieceset
