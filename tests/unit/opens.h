// One check of a CreateFileA call's arguments for the tests of every subsystem:
// the access, share mode, disposition and flags, as the numbers the test
// names, and no security attributes.
#pragma once

#include "winsim.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace unit {

inline void ExpectOpenedWith(const sim::Call& open, uint64_t access, uint64_t share,
                             uint64_t disposition, uint64_t flags)
{
    EXPECT_EQ(access, open.Num(1)) << open.Str(0);
    EXPECT_EQ(share, open.Num(2)) << open.Str(0);
    EXPECT_TRUE(open.IsNull(3)) << open.Str(0);
    EXPECT_EQ(disposition, open.Num(4)) << open.Str(0);
    EXPECT_EQ(flags, open.Num(5)) << open.Str(0);
}

}  // namespace unit
