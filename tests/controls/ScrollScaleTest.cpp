#include "controls/XGScrollScale.h"
#include <gtest/gtest.h>
#include <climits>

TEST(ScrollScale, ScaleKeepsNativeRangeNear16384)
{
    struct { int32_t min, max, scale; } cases[] = {
        {0, 100000, 7}, {0, 16384, 1}, {0, 16385, 2}, {0, 0, 1}, {5, 5, 1},
        {-50000, 50000, 7}, {10, 0, 1},
        {INT_MIN, INT_MAX, 262144},  // the whole 32-bit range does not overflow
    };
    for (auto& c : cases)
        EXPECT_EQ(c.scale, XGScrollScale::AdjustScale(c.min, c.max)) << c.min << ".." << c.max;
}

TEST(ScrollScale, NativeRangeAddsScaledPageLessOne)
{
    XGScrollScale n = XGScrollScale::Native(0, 100000, 1, 700, 7);
    EXPECT_EQ(0, n.min);
    EXPECT_EQ(14285, n.max);  // a page smaller than the scale adds nothing
    EXPECT_EQ(0, n.page);
    EXPECT_EQ(100, n.pos);

    n = XGScrollScale::Native(0, 100000, 700, 0, 7);
    EXPECT_EQ(100, n.page);
    EXPECT_EQ(14285 + 99, n.max);
}
