#include <gtest/gtest.h>

#include "controls/XGScrollLayout.h"
#include "../support/TestGeometry.h"

namespace {

using testsupport::Rect;

void ExpectRect(const tagRECT& expected, const tagRECT& actual, const char* what)
{
    EXPECT_EQ(expected.left, actual.left) << what;
    EXPECT_EQ(expected.top, actual.top) << what;
    EXPECT_EQ(expected.right, actual.right) << what;
    EXPECT_EQ(expected.bottom, actual.bottom) << what;
}

const Point kBar = {16, 17};  // v: horizontal bar height, h: vertical bar width

TEST(ScrollLayout, VerticalBarWithoutCornerRunsDownToOnePixelAboveTheBottom)
{
    XGScrollLayout layout(Rect(0, 0, 200, 100), kBar, false, true, false);
    ExpectRect(Rect(182, 1, 199, 99), layout.fVertical, "vertical bar");
    ExpectRect(Rect(1, 1, 182, 99), layout.fContent, "content");
}

TEST(ScrollLayout, WithACornerEachBarStopsShortByTheOtherBarsThickness)
{
    XGScrollLayout layout(Rect(0, 0, 200, 100), kBar, true, true, true);
    ExpectRect(Rect(1, 83, 182, 99), layout.fHorizontal, "horizontal bar");
    ExpectRect(Rect(182, 1, 199, 83), layout.fVertical, "vertical bar");
    ExpectRect(Rect(182, 83, 199, 99), layout.fCorner, "corner");
    ExpectRect(Rect(1, 1, 182, 83), layout.fContent, "content");
}

TEST(ScrollLayout, HorizontalBarAloneTakesOnlyTheBottomOfTheContent)
{
    XGScrollLayout layout(Rect(10, 20, 110, 70), kBar, true, false, false);
    ExpectRect(Rect(11, 53, 109, 69), layout.fHorizontal, "horizontal bar");
    ExpectRect(Rect(11, 21, 109, 53), layout.fContent, "content");
}

TEST(ScrollLayout, NoBarsLeaveTheFrameInsetByOnePixel)
{
    XGScrollLayout layout(Rect(0, 0, 50, 40), kBar, false, false, false);
    ExpectRect(Rect(1, 1, 49, 39), layout.fContent, "content");
}

}  // namespace
