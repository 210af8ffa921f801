#include <gtest/gtest.h>

#include "views/RectMath.h"
#include "../support/TestGeometry.h"

namespace {

using testsupport::Pt;
using testsupport::Rect;

void ExpectRect(const tagRECT& r, int32_t l, int32_t t, int32_t rr, int32_t b)
{
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, rr);
    EXPECT_EQ(r.bottom, b);
}

}  // namespace

TEST(RectMath, InsetShrinksEachEdgeAndZeroesAnEmptyResult)
{
    tagRECT r = Rect(10, 20, 50, 60);
    RectMath::InsetRect(&r, 5, 3);
    ExpectRect(r, 15, 23, 45, 57);

    RectMath::InsetRect(&r, -5, -3);
    ExpectRect(r, 10, 20, 50, 60);

    r = Rect(10, 20, 50, 60);
    RectMath::InsetRect(&r, 20, 0);
    ExpectRect(r, 0, 0, 0, 0);
}

TEST(RectMath, EmptyUnlessBothSpansArePositive)
{
    struct Case {
        tagRECT r;
        bool empty;
    } cases[] = {
        {Rect(0, 0, 1, 1), false},
        {Rect(0, 0, 0, 1), true},
        {Rect(0, 0, 1, 0), true},
        {Rect(5, 5, 4, 9), true},
        {Rect(-10, -10, -9, -9), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RectMath::EmptyRect(&c.r), c.empty);
}

TEST(RectMath, EqualWhenBothEmptyOrAllEdgesMatch)
{
    tagRECT a = Rect(1, 2, 3, 4), b = Rect(1, 2, 3, 4), c = Rect(1, 2, 3, 5);
    tagRECT e1 = Rect(5, 5, 5, 9), e2 = Rect(0, 0, -3, 0);
    EXPECT_TRUE(RectMath::EqualRect(&a, &b));
    EXPECT_FALSE(RectMath::EqualRect(&a, &c));
    EXPECT_TRUE(RectMath::EqualRect(&e1, &e2));
    EXPECT_FALSE(RectMath::EqualRect(&a, &e1));
}

TEST(RectMath, SectRectIntersectsInPlaceAndZeroesDisjointResults)
{
    tagRECT a = Rect(0, 0, 100, 50), b = Rect(40, 20, 200, 80);
    tagRECT out;
    EXPECT_TRUE(RectMath::SectRect(&a, &b, &out));
    ExpectRect(out, 40, 20, 100, 50);

    EXPECT_TRUE(RectMath::SectRect(&a, &b, &a));
    ExpectRect(a, 40, 20, 100, 50);

    tagRECT c = Rect(0, 0, 10, 10), d = Rect(10, 0, 20, 10);
    EXPECT_FALSE(RectMath::SectRect(&c, &d, &d));
    ExpectRect(d, 0, 0, 0, 0);
}

TEST(RectMath, SectRectWorksOnTheSixteenBitEdges)
{
    // 0x10005 wraps to 5, so the right edge is min(5, 100).
    tagRECT a = Rect(0, 0, 0x10005, 100), b = Rect(0, 0, 100, 100);
    tagRECT out;
    EXPECT_TRUE(RectMath::SectRect(&a, &b, &out));
    ExpectRect(out, 0, 0, 5, 100);

    tagRECT l = Rect(0, 0, 0x10005, 100);
    EXPECT_TRUE(RectMath::SectRectLong(&l, &b, &out));
    ExpectRect(out, 0, 0, 100, 100);
}

TEST(RectMath, PointTestsDifferOnTheRightAndBottomEdges)
{
    tagRECT r = Rect(10, 20, 30, 40);
    struct Case {
        short h, v;
        bool halfOpen, inclusive;
    } cases[] = {
        {10, 20, true, true},
        {29, 39, true, true},
        {30, 25, false, true},
        {15, 40, false, true},
        {30, 40, false, true},
        {9, 25, false, false},
        {15, 19, false, false},
        {31, 25, false, false},
        {15, 41, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RectMath::PtInRect(Pt(c.h, c.v), &r), c.halfOpen) << c.h << "," << c.v;
        EXPECT_EQ(RectMath::PtInRectInclusive(Pt(c.h, c.v), &r), c.inclusive) << c.h << "," << c.v;
    }
    tagRECT empty = Rect(0, 0, 0, 0);
    EXPECT_FALSE(RectMath::PtInRectInclusive(Pt(0, 0), &empty));
}

TEST(RectMath, AutoLocateFollowsLockedEdgesAndTheOppositeOfUnlockedOnes)
{
    tagRECT parent = Rect(0, 0, 400, 300);
    struct Case {
        RectMath::AutoLocation loc;
        tagRECT expected;
    } cases[] = {
        // all locked, zero offsets: fills the parent
        {{true, true, true, true, 0, 0, 0, 0}, Rect(0, 0, 400, 300)},
        // left and top locked: a fixed rectangle
        {{true, true, false, false, 355, 402, 490, 457}, Rect(355, 402, 490, 457)},
        // left, top and right locked with a negative right offset: stretches with the width
        {{true, true, true, false, 80, 14, -14, 30}, Rect(80, 14, 386, 30)},
        // nothing locked: hangs from the bottom-right corner
        {{false, false, false, false, -50, -20, 10, 5}, Rect(350, 280, 10, 5)},
        // right and bottom locked, left and top unlocked: a box in the corner
        {{false, false, true, true, -16, -16, 0, 0}, Rect(384, 284, 400, 300)},
    };
    for (const Case& c : cases) {
        tagRECT r = RectMath::AutoLocate(c.loc, parent);
        ExpectRect(r, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom);
    }
    tagRECT offsetParent = Rect(10, 20, 110, 220);
    RectMath::AutoLocation fill = {true, true, true, true, 1, 2, -3, -4};
    ExpectRect(RectMath::AutoLocate(fill, offsetParent), 11, 22, 107, 216);
}
