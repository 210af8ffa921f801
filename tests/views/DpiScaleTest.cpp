#include <gtest/gtest.h>

#include "views/XGDpiScale.h"
#include "../support/TestGeometry.h"

namespace {

struct ScaleCase {
    long units;
    int dpi;
    long pixels;
};

// Rounding is half away from zero, on both sides of 0.
const ScaleCase kScaleCases[] = {
    {0, 144, 0},       {1, 96, 1},       {1, 120, 1},      {1, 144, 2},     {1, 192, 2},
    {2, 120, 3},       {3, 120, 4},      {10, 120, 13},    {11, 144, 17},   {22, 120, 28},
    {22, 144, 33},     {22, 192, 44},    {-1, 144, -2},    {-3, 120, -4},   {640, 144, 960},
    {480, 120, 600},   {7, 48, 4},       {100, 0, 100},    {100, 5000, 100},
};

}  // namespace

TEST(DpiScale, ScalesLayoutUnitsRoundingHalfAwayFromZero)
{
    for (const ScaleCase& c : kScaleCases) {
        EXPECT_EQ(XGDpiScale::Scale(c.units, c.dpi), c.pixels) << c.units << " at " << c.dpi;
        EXPECT_EQ(XGDpiScale::Scale16(c.units, c.dpi), c.pixels) << c.units << " at " << c.dpi;
    }
}

TEST(DpiScale, SixteenBitFieldsSaturateInsteadOfWrapping)
{
    EXPECT_EQ(XGDpiScale::Scale16(20000, 192), INT16_MAX);
    EXPECT_EQ(XGDpiScale::Scale16(-20000, 192), INT16_MIN);
    EXPECT_EQ(XGDpiScale::Scale16(16383, 192), 32766);
    EXPECT_EQ(XGDpiScale::Scale(2000000000L, 192), INT32_MAX);
}

TEST(DpiScale, EdgesThatMeetAtNinetySixStillMeet)
{
    // Three views side by side, each 7 units wide: the scaled edges are
    // shared, so no gap or overlap opens at any scale.
    for (int dpi : {96, 120, 144, 168, 192}) {
        tagRECT a = XGDpiScale::ScaleRect(testsupport::Rect(3, 5, 10, 12), dpi);
        tagRECT b = XGDpiScale::ScaleRect(testsupport::Rect(10, 5, 17, 12), dpi);
        tagRECT c = XGDpiScale::ScaleRect(testsupport::Rect(17, 12, 24, 19), dpi);
        EXPECT_EQ(a.right, b.left) << dpi;
        EXPECT_EQ(b.right, c.left) << dpi;
        EXPECT_EQ(b.bottom, c.top) << dpi;
    }
}

TEST(DpiScale, RescalingThereAndBackReturnsTheSameEdges)
{
    for (int from : {96, 120, 144, 192})
        for (int to : {96, 120, 144, 192})
            for (long v : {0L, 1L, 7L, 22L, 333L, 640L, -9L}) {
                long px = XGDpiScale::Scale(v, from);
                long back = XGDpiScale::Rescale(XGDpiScale::Rescale(px, from, to), to, from);
                if (to >= from)
                    EXPECT_EQ(back, px) << v << " " << from << "->" << to;
                else
                    EXPECT_LE(std::labs(back - px), 1L) << v << " " << from << "->" << to;
            }
}

TEST(DpiScale, LineWidthsScaleDownToWholePixelsAndNeverVanish)
{
    struct Case {
        long units;
        int dpi;
        int pixels;
    };
    const Case cases[] = {
        {1, 96, 1},   {1, 120, 1},  {1, 144, 1},  {1, 191, 1},  {1, 192, 2},  {1, 48, 1},
        {2, 96, 2},   {2, 120, 2},  {2, 144, 3},  {2, 192, 4},  {3, 144, 4},  {3, 120, 3},
        {0, 192, 0},  {-1, 192, -1}, {30000, 192, INT16_MAX}, {1, 5000, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.pixels, XGDpiScale::ScaleLine(c.units, c.dpi)) << c.units << " at " << c.dpi;
}
