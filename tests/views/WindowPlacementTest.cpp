#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "views/XGWindowPlacement.h"
#include "../support/TestGeometry.h"

namespace {

using testsupport::Rect;
using Placement = XGWindowPlacement;

const int32_t kMax = std::numeric_limits<int32_t>::max();
const int32_t kMin = std::numeric_limits<int32_t>::min();

// Frame 4, caption 19, menu bar 19: a cascade step of 23, and content bounds
// 4 in from the screen's sides and bottom and 42 from its top.
const Placement::Metrics kMetrics = {4, 4, 19, 19};

// Kind words: the kind in bits 0..3, the placement in bits 4..7.
enum : int16_t {
    kDocument = 0, kDialog = 1, kDialog2 = 2, kFloating = 3,
    kCascade = 0x00, kOnFront = 0x10, kOnScreen = 0x20
};

Placement::Record At(int16_t kind, int16_t left, int16_t top, int16_t right, int16_t bottom)
{
    Placement::Record r = {};
    r.windowKind = kind;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}

// No position in the record: placed automatically, sized by its defaults.
Placement::Record Auto(int16_t kind, int16_t defWidth, int16_t defHeight)
{
    Placement::Record r = At(kind, 0, 0, 0, 0);
    r.defWidth = defWidth;
    r.defHeight = defHeight;
    return r;
}

Placement::Surroundings Screen(tagRECT screen)
{
    Placement::Surroundings s = {};
    s.screen = screen;
    s.fullScreen = screen;
    return s;
}

Placement::Surroundings Desktop() { return Screen(Rect(0, 0, 1024, 740)); }

// A multiple-document client 800 x 500 whose client area starts at (10, 60)
// on a 1024 x 740 screen.
Placement::Surroundings Client()
{
    Placement::Surroundings s = {};
    s.screen = Rect(0, 0, 800, 500);
    s.fullScreen = Rect(0, 0, 1024, 740);
    s.hasClient = true;
    s.clientOriginH = 10;
    s.clientOriginV = 60;
    return s;
}

Placement::Surroundings WithFront(Placement::Surroundings s, tagRECT location, int16_t kind)
{
    s.hasFront = true;
    s.frontLocation = location;
    s.frontKind = kind;
    return s;
}

// Compared as one string so that a failing row shows the whole rectangle.
std::string Edges(const tagRECT& r)
{
    return std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", "
        + std::to_string(r.bottom);
}

void ExpectRect(const tagRECT& expected, const tagRECT& actual) { EXPECT_EQ(Edges(expected), Edges(actual)); }

struct PlaceCase {
    const char* what;
    Placement::Record record;
    Placement::Surroundings around;
    int16_t stagger;
    tagRECT expected;
    int16_t staggerAfter;
};

void Check(const PlaceCase& c, const Placement::Metrics& metrics = kMetrics)
{
    SCOPED_TRACE(c.what);
    int16_t stagger = c.stagger;
    ExpectRect(c.expected, Placement::Place(c.record, c.around, metrics, &stagger));
    EXPECT_EQ(c.staggerAfter, stagger);
}

}  // namespace

TEST(WindowPlacement, ContentLengthComesFromTheEdgesOrTheDefaultOrTheLimits)
{
    struct Case {
        int16_t low, high, defLength, minLength, maxLength;
        int32_t expected;
    } cases[] = {
        {10, 260, 410, 0, 0, 250},        // edges win over the default
        {0, 0, 410, 0, 0, 410},           // the default
        {0, 0, 0, 500, 0, 500},           // 320 raised to the minimum
        {0, 0, 0, 0, 200, 200},           // 320 lowered to the maximum
        {0, 0, 0, 0, 0, 320},
        {0, 0, 0, 250, 300, 300},
        {0, 0, 0, 500, 400, 400},         // the maximum has the last word
        {0, 0, -7, 0, 0, 320},            // a default below 1 is none
        {40, 40, 0, 0, 0, 0},             // a zero size stays zero
        // Damaged records: no negative size, and the 16-bit edges'
        // distance does not wrap.
        {300, 100, 0, 0, 0, 0},
        {0, 0, 0, 0, -50, 0},
        {-32768, 32767, 0, 0, 0, 65535},
        {32767, -32768, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, Placement::ContentLength(c.low, c.high, c.defLength, c.minLength, c.maxLength))
            << c.low << ".." << c.high << " def " << c.defLength << " min " << c.minLength << " max "
            << c.maxLength;
    }
}

TEST(WindowPlacement, EveryKindKeepsTheRecordsPositionOnTheScreen)
{
    const PlaceCase cases[] = {
        {"document", At(kDocument, 100, 120, 300, 250), Desktop(), 2, Rect(100, 120, 300, 250), 2},
        {"dialog 1", At(kDialog, 100, 120, 300, 250), Desktop(), 2, Rect(100, 120, 300, 250), 2},
        {"dialog 2", At(kDialog2, 100, 120, 300, 250), Desktop(), 2, Rect(100, 120, 300, 250), 2},
        {"floating", At(kFloating, 100, 120, 300, 250), Desktop(), 2, Rect(100, 120, 300, 250), 2},
        // Only both edges at 0 mean "automatic".
        {"left 0 only", At(kDocument, 0, 120, 300, 250), Desktop(), 2, Rect(4, 120, 304, 250), 2},
        {"front ignored", At(kOnFront, 100, 120, 300, 250), WithFront(Desktop(), Rect(500, 500, 600, 600), 0),
         0, Rect(100, 120, 300, 250), 0},
    };
    for (const PlaceCase& c : cases)
        Check(c);
}

TEST(WindowPlacement, CascadeStepsFiveTimesThenStartsOver)
{
    const PlaceCase cases[] = {
        {"step 0", Auto(kCascade, 200, 150), Desktop(), 0, Rect(4, 42, 204, 192), 1},
        {"step 1", Auto(kCascade, 200, 150), Desktop(), 1, Rect(27, 65, 227, 215), 2},
        {"step 2", Auto(kCascade, 200, 150), Desktop(), 2, Rect(50, 88, 250, 238), 3},
        {"step 3", Auto(kCascade, 200, 150), Desktop(), 3, Rect(73, 111, 273, 261), 4},
        {"step 4", Auto(kCascade, 200, 150), Desktop(), 4, Rect(96, 134, 296, 284), 0},
        {"dialog steps too", Auto(kCascade | kDialog, 200, 150), Desktop(), 4, Rect(96, 134, 296, 284), 0},
        // A cascade step past the screen is moved back like any window.
        {"step 4, tall", Auto(kCascade, 200, 700), Desktop(), 4, Rect(96, 42, 296, 742), 0},
    };
    for (const PlaceCase& c : cases)
        Check(c);

    // Six windows in a row: the sixth is where the first was.
    int16_t stagger = 0;
    const Placement::Record record = Auto(kCascade, 200, 150);
    const tagRECT first = Placement::Place(record, Desktop(), kMetrics, &stagger);
    for (int i = 1; i < Placement::kStaggerSteps; ++i)
        Placement::Place(record, Desktop(), kMetrics, &stagger);
    ExpectRect(first, Placement::Place(record, Desktop(), kMetrics, &stagger));
    EXPECT_EQ(1, stagger);
}

TEST(WindowPlacement, CentredOnTheScreenOrTheFrontWindow)
{
    const tagRECT front = Rect(100, 100, 500, 400);     // its frame: 96, 58, 504, 404
    const PlaceCase cases[] = {
        {"on the screen", Auto(kOnScreen, 400, 300), Desktop(), 3, Rect(312, 220, 712, 520), 3},
        {"any other placement", Auto(0x70, 400, 300), Desktop(), 3, Rect(312, 220, 712, 520), 3},
        {"on the front window's frame", Auto(kOnFront, 200, 100), WithFront(Desktop(), front, 0), 0,
         Rect(200, 181, 400, 281), 0},
        {"no front: on the screen", Auto(kOnFront, 400, 300), Desktop(), 0, Rect(312, 220, 712, 520), 0},
        {"front only for 0x10", Auto(kOnScreen, 400, 300), WithFront(Desktop(), front, 0), 0,
         Rect(312, 220, 712, 520), 0},
        // Halves truncate: (1024 - 401) / 2 = 311, (740 - 301) / 2 = 219.
        {"odd sizes", Auto(kOnScreen, 401, 301), Desktop(), 0, Rect(311, 219, 712, 520), 0},
        // Centred at (-20, 10), kept 24 from the left: (24, 10); then the
        // screen moves it back inside its content bounds (4, 42, 596, 496).
        {"640 x 480 on a narrow screen", Auto(kOnScreen, 640, 480), Screen(Rect(0, 0, 600, 500)), 0,
         Rect(4, 42, 644, 522), 0},
        {"front window off the top left", Auto(kOnFront, 200, 100),
         WithFront(Desktop(), Rect(-400, -300, -100, -100), 0), 0, Rect(24, 42, 224, 142), 0},
    };
    for (const PlaceCase& c : cases)
        Check(c);
}

TEST(WindowPlacement, ClampedByMovingOnlyAndTheLeftAndTopEdgesWin)
{
    const PlaceCase cases[] = {
        {"past the bottom right", At(kDocument, 1000, 700, 1200, 820), Desktop(), 0, Rect(820, 616, 1020, 736), 0},
        {"past the top left", At(kDocument, -50, -30, 150, 70), Desktop(), 0, Rect(4, 42, 204, 142), 0},
        {"wider than the screen", Auto(kOnScreen, 1400, 200), Desktop(), 0, Rect(4, 270, 1404, 470), 0},
        {"taller than the screen", At(kDocument, 10, 10, 110, 1010), Desktop(), 0, Rect(10, 42, 110, 1042), 0},
        {"zero size", At(kDocument, 100, 100, 100, 100), Desktop(), 0, Rect(100, 100, 100, 100), 0},
        {"zero size past the corner", At(kDocument, 2000, 900, 2000, 900), Desktop(), 0,
         Rect(1020, 736, 1020, 736), 0},
        // Inverted edges give an empty window at the record's corner, not a
        // rectangle turned inside out.
        {"negative size", At(kDocument, 300, 300, 100, 200), Desktop(), 0, Rect(300, 300, 300, 300), 0},
        {"negative maximum", [] {
             Placement::Record r = Auto(kOnScreen, 0, 0);
             r.maxWidth = r.maxHeight = -50;
             return r;
         }(), Desktop(), 0, Rect(512, 370, 512, 370), 0},
    };
    for (const PlaceCase& c : cases)
        Check(c);
}

TEST(WindowPlacement, DamagedRecordsAndExtremeSurroundingsDoNotOverflow)
{
    const PlaceCase cases[] = {
        // 65535 square: kept whole and pinned at the bounds' top left.
        {"full 16-bit span", At(kDocument, -32768, -32768, 32767, 32767), Desktop(), 0,
         Rect(4, 42, 65539, 65577), 0},
        {"largest default", Auto(kOnScreen, 32767, 32767), Desktop(), 0, Rect(4, 42, 32771, 32809), 0},
        // Screens at either end of the coordinate range.
        {"screen at the top end", Auto(kOnScreen, 400, 300), Screen(Rect(kMax - 2000, kMax - 2000, kMax, kMax)), 0,
         Rect(kMax - 1200, kMax - 1150, kMax - 800, kMax - 850), 0},
        {"screen at the bottom end", Auto(kOnScreen, 400, 300), Screen(Rect(kMin, kMin, kMin + 2000, kMin + 2000)),
         0, Rect(kMin + 1596, kMin + 1696, kMin + 1996, kMin + 1996), 0},
        {"front at the top end", Auto(kOnFront, 400, 300),
         WithFront(Screen(Rect(kMax - 4000, kMax - 4000, kMax, kMax)), Rect(kMax - 1000, kMax - 1000, kMax - 10,
                                                                             kMax - 10), 0),
         0, Rect(kMax - 705, kMax - 674, kMax - 305, kMax - 374), 0},
    };
    for (const PlaceCase& c : cases)
        Check(c);

    // Metrics no system reports: every edge saturates instead of wrapping.
    const Placement::Metrics huge = {kMax, kMax, kMax, kMax};
    for (int16_t stagger = 0; stagger < Placement::kStaggerSteps; ++stagger) {
        for (const Placement::Record& record : {Auto(kCascade, 200, 150), Auto(kOnFront, 200, 150),
                                                At(kDocument, -32768, -32768, 32767, 32767)}) {
            int16_t n = stagger;
            const Placement::Surroundings around = WithFront(Desktop(), Rect(kMin, kMin, kMax, kMax), 0);
            const tagRECT r = Placement::Place(record, around, huge, &n);
            EXPECT_LE(r.left, r.right);
            EXPECT_LE(r.top, r.bottom);
        }
    }
}

TEST(WindowPlacement, MultipleDocumentClientMovesBetweenClientAndScreenCoordinates)
{
    const tagRECT dialogFront = Rect(300, 200, 500, 350);     // its frame: 296, 158, 504, 354
    const PlaceCase cases[] = {
        {"document on the client", Auto(kOnScreen, 400, 300), Client(), 0, Rect(200, 100, 600, 400), 0},
        // The reference is the client, in client coordinates: a dialog is
        // moved out by the client's origin.
        {"dialog on the client", Auto(kOnScreen | kDialog, 400, 300), Client(), 0, Rect(210, 160, 610, 460), 0},
        {"document on a dialog", Auto(kOnFront, 200, 100), WithFront(Client(), dialogFront, kDialog), 0,
         Rect(290, 146, 490, 246), 0},
        {"document on a document", Auto(kOnFront, 200, 100), WithFront(Client(), dialogFront, kDocument), 0,
         Rect(300, 206, 500, 306), 0},
        {"floating on a floating", Auto(kOnFront | kFloating, 200, 100),
         WithFront(Client(), dialogFront, 0x100 | kFloating), 0, Rect(300, 206, 500, 306), 0},
        {"dialog on a floating", Auto(kOnFront | kDialog, 200, 100), WithFront(Client(), dialogFront, kFloating),
         0, Rect(310, 266, 510, 366), 0},
        // Documents are kept inside the client, everything else on the screen.
        {"document past the client", At(kDocument, 700, 400, 1300, 700), Client(), 0, Rect(196, 196, 796, 496), 0},
        {"floating past the client", At(0x100 | kFloating, 700, 400, 1300, 700), Client(), 0,
         Rect(196, 196, 796, 496), 0},
        {"dialog past the client", At(kDialog, 700, 400, 1300, 700), Client(), 0, Rect(420, 400, 1020, 700), 0},
        {"cascade in the client", Auto(kCascade, 200, 150), Client(), 1, Rect(27, 65, 227, 215), 2},
    };
    for (const PlaceCase& c : cases)
        Check(c);
}

TEST(WindowPlacement, FrameConversionsAreInverseAndLeaveEmptyRectanglesAlone)
{
    tagRECT r = Rect(100, 100, 300, 250);
    Placement::ContentToFrame(&r, kMetrics);
    ExpectRect(Rect(96, 58, 304, 254), r);
    Placement::FrameToContent(&r, kMetrics);
    ExpectRect(Rect(100, 100, 300, 250), r);

    for (tagRECT empty : {Rect(5, 5, 5, 90), Rect(5, 90, 80, 10)}) {
        const tagRECT before = empty;
        Placement::ContentToFrame(&empty, kMetrics);
        ExpectRect(before, empty);
        Placement::FrameToContent(&empty, kMetrics);
        ExpectRect(before, empty);
    }

    tagRECT far = Rect(kMax - 10, kMin, kMax - 1, kMin + 10);
    Placement::ContentToFrame(&far, kMetrics);
    ExpectRect(Rect(kMax - 14, kMin, kMax, kMin + 14), far);
}

TEST(WindowPlacement, RecordsAreLayoutUnitsShownAtTheWindowsDpi)
{
    // Metrics and screen are pixels already; the record's edges, sizes and
    // the built-in length and left margin scale, each edge on its own.
    const Placement::Surroundings big = Screen(Rect(0, 0, 3000, 2000));
    struct Case {
        const char* what;
        Placement::Record record;
        int dpi;
        tagRECT expected;
    };
    Placement::Record limited = Auto(kDocument | kOnScreen, 0, 0);
    limited.minWidth = 401;
    limited.maxHeight = 101;
    const Case cases[] = {
        {"fixed at 96", At(kDialog, 41, 61, 141, 261), 96, Rect(41, 61, 141, 261)},
        {"fixed at 120", At(kDialog, 41, 61, 141, 261), 120, Rect(51, 76, 176, 326)},
        {"fixed at 144", At(kDialog, 41, 61, 141, 261), 144, Rect(62, 92, 212, 392)},
        {"fixed at 192", At(kDialog, 41, 61, 141, 261), 192, Rect(82, 122, 282, 522)},
        {"default size centred at 144", Auto(kDocument | kOnScreen, 201, 101), 144,
         Rect(1349, 924, 1651, 1076)},
        {"built-in length within limits at 192", limited, 192, Rect(1099, 899, 1901, 1101)},
        {"built-in length at 144", Auto(kDocument | kOnScreen, 0, 0), 144, Rect(1260, 760, 1740, 1240)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int16_t stagger = 0;
        ExpectRect(c.expected, Placement::Place(c.record, big, kMetrics, &stagger, c.dpi));
    }
}

TEST(WindowPlacement, CentredWindowsKeepAScaledMarginFromTheLeft)
{
    // Nearly as wide as the screen: centring would leave less than the
    // margin of 24 units, which scales with the window.
    int16_t stagger = 0;
    const Placement::Surroundings screen = Screen(Rect(0, 0, 1024, 740));
    EXPECT_EQ(36, Placement::Place(Auto(kDocument | kOnScreen, 640, 100), screen, kMetrics, &stagger, 144).left);
    EXPECT_EQ(24, Placement::Place(Auto(kDocument | kOnScreen, 980, 100), screen, kMetrics, &stagger, 96).left);
}

TEST(WindowPlacement, ScaledRecordsSaturateAtSixteenBits)
{
    const Placement::Record r = Placement::ScaleRecord(At(kDialog, 20000, -20000, 30000, 0), 192);
    EXPECT_EQ(INT16_MAX, r.left);
    EXPECT_EQ(INT16_MIN, r.top);
    EXPECT_EQ(INT16_MAX, r.right);
    EXPECT_EQ(0, r.bottom);
}
