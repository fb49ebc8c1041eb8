// SPDX-License-Identifier: GPL-3.0-or-later
// The shift angle of every q, which no handful of whole jobs reaches.
#include "facecopy/copy_condition.h"

#include <gtest/gtest.h>

namespace spirolan {
namespace {

// The shift angle of every q from -1 to 16 (-1: none, the length is refused).
TEST(CopyCondition, ShiftAngleForEveryQ) {
    const int expected[] = {-1, 1, 2, 3, 4, 5, 6, 8, 8, 9, 10, 12, 12, 15, 15, 15, -1, -1};
    for (int q = -1; q <= 16; ++q) {
        EXPECT_EQ(ShiftAngleFor(q).value_or(-1), expected[q + 1]) << "q = " << q;
    }
}

} // namespace
} // namespace spirolan
