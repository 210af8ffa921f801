#include <gtest/gtest.h>

#include "controls/XGListLayout.h"

namespace {

struct MaximumCase {
    int32_t extent, visible, line, expected;
};

TEST(ListLayout, ScrollMaximumCountsTheHiddenLinesRoundedUp)
{
    const MaximumCase cases[] = {
        {160, 100, 16, 4},   // ten 16-pixel items in 100 pixels
        {96, 100, 16, 0},    // everything fits
        {100, 100, 16, 0},
        {101, 100, 16, 1},   // one pixel hidden still needs a step
        {0, 100, 16, 0},     // an empty list
        {0, -20, 16, 2},     // a view squeezed below nothing hides part of a line
        {50, 10, 0, 40},     // a step of 0 counts as 1 instead of dividing by zero
    };
    for (const MaximumCase& c : cases)
        EXPECT_EQ(c.expected, XGListLayout::ScrollMaximum(c.extent, c.visible, c.line))
            << c.extent << " in " << c.visible << " by " << c.line;
}

TEST(ListLayout, PageSizeIsWholeLinesButAtLeastOne)
{
    EXPECT_EQ(6, XGListLayout::PageSize(100, 16));
    EXPECT_EQ(1, XGListLayout::PageSize(10, 16));
    EXPECT_EQ(1, XGListLayout::PageSize(0, 16));
    EXPECT_EQ(1, XGListLayout::PageSize(-5, 16));
    EXPECT_EQ(30, XGListLayout::PageSize(30, 0));
}

struct HitCase {
    int32_t v, step, scroll, length, expected;
};

TEST(ListLayout, ItemAtAddsTheScrolledLinesAndRejectsMissingItems)
{
    const HitCase cases[] = {
        {20, 16, 3, 10, 4},   // three lines scrolled, second row
        {0, 16, 0, 10, 0},
        {15, 16, 0, 10, 0},
        {16, 16, 0, 10, 1},
        {159, 16, 0, 10, 9},
        {160, 16, 0, 10, -1},  // below the last item
        {5, 16, 0, 0, -1},     // empty list
        {5, 16, -2, 10, -1},   // a scroll value below the first item
        {7, 0, 0, 10, 7},      // a step of 0 counts as 1
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(c.expected, XGListLayout::ItemAt(c.v, c.step, c.scroll, c.length))
            << "v " << c.v << " scroll " << c.scroll;
}

struct RangeCase {
    int32_t scroll, height, step, length, first, last;
};

TEST(ListLayout, VisibleRangeCoversPartLinesAndStopsAtTheEnd)
{
    const RangeCase cases[] = {
        {0, 100, 16, 10, 0, 7},    // 6.25 lines show 7 items
        {3, 100, 16, 10, 3, 10},   // the end of the list comes first
        {0, 96, 16, 10, 0, 6},
        {0, 0, 16, 10, 0, 0},
        {12, 100, 16, 10, 12, 12}, // scrolled past the end: nothing, never a negative count
        {0, 50, 0, 100, 0, 50},
    };
    for (const RangeCase& c : cases) {
        int32_t first = -9;
        int32_t last = -9;
        XGListLayout::VisibleRange(c.scroll, c.height, c.step, c.length, &first, &last);
        EXPECT_EQ(c.first, first) << "scroll " << c.scroll << " height " << c.height;
        EXPECT_EQ(c.last, last) << "scroll " << c.scroll << " height " << c.height;
    }
}

}  // namespace
