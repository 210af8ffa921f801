#include <gtest/gtest.h>

#include <vector>

#include "BenchSamples.h"

namespace {

struct Case {
    std::vector<double> values;
    double median, min, max;
};

TEST(BenchSamples, MedianAndSpreadInAnyOrder)
{
    const Case cases[] = {
        {{7}, 7, 7, 7},
        {{3, 1, 2}, 2, 1, 3},
        {{4, 1, 3, 2}, 2.5, 1, 4},          // even count: the middle two averaged
        {{10, 0.5, 1000, 2, 3}, 3, 0.5, 1000},  // one outlier moves only the spread
    };
    for (const Case& c : cases) {
        BenchSamples samples;
        for (double value : c.values)
            samples.Add(value);
        EXPECT_FALSE(samples.Empty());
        EXPECT_DOUBLE_EQ(samples.Median(), c.median) << c.values.size();
        EXPECT_DOUBLE_EQ(samples.Min(), c.min) << c.values.size();
        EXPECT_DOUBLE_EQ(samples.Max(), c.max) << c.values.size();
    }
}

TEST(BenchSamples, EmptyGivesZeros)
{
    BenchSamples samples;
    EXPECT_TRUE(samples.Empty());
    EXPECT_EQ(samples.Median(), 0);
    EXPECT_EQ(samples.Min(), 0);
    EXPECT_EQ(samples.Max(), 0);
}

}  // namespace
