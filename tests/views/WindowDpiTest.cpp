// A window built from a VRES tree shown at another DPI: the tree is laid out
// from its layout units at the window's scale, in place (ChangeDpi and
// WM_DPICHANGED) or from the start (a window made on a screen of another
// scale), edges that meet at 96 DPI still meet, a rescale there and back
// gives the same pixels, and the accessible objects follow the views.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include "../controls/KeboTestSupport.h"
#include "dispatch/XGSystemDpi.h"
#include "forms/XGViewFactory.h"
#include "views/XGDpiScale.h"
#include "views/XGDraw.h"
#include "views/XGFont.h"

extern const unsigned char WindowDpiTree[];
extern const long WindowDpiTreeSize;

using namespace kebotest;

namespace {

const UINT kWmDpiChanged = 0x02E0;

// The content of the window record, in layout units.
const short kContentWidth = 320;
const short kContentHeight = 260;

struct Edges {
    long left, top, right, bottom;
};

// Where the views of the tree are, in the window's client coordinates, at
// one DPI; worked out by hand from the record's offsets.
struct Layout {
    int dpi;
    Edges panel, label, field, pane, box;
};

const Layout kLayouts[] = {
    {96, {0, 0, 300, 240}, {10, 10, 90, 28}, {90, 8, 200, 30}, {10, 40, 290, 230}, {249, 207, 283, 223}},
    // 1.5: offsets -41 -23 -7 -7 round away from zero to -62 -35 -11 -11.
    {144, {0, 0, 450, 360}, {15, 15, 135, 42}, {135, 12, 300, 45}, {15, 60, 435, 345}, {373, 310, 424, 334}},
    {192, {0, 0, 600, 480}, {20, 20, 180, 56}, {180, 16, 400, 60}, {20, 80, 580, 460}, {498, 414, 566, 446}},
};

Edges Where(XGView* view)
{
    const Point pos = view->GetGlobalPos();
    const Point size = view->GetSize();
    return Edges{pos.h, pos.v, pos.h + size.h, pos.v + size.v};
}

void ExpectEdges(const Edges& expected, XGView* view, const char* what, int dpi)
{
    ASSERT_NE(nullptr, view) << what;
    const Edges e = Where(view);
    EXPECT_EQ(expected.left, e.left) << what << " at " << dpi;
    EXPECT_EQ(expected.top, e.top) << what << " at " << dpi;
    EXPECT_EQ(expected.right, e.right) << what << " at " << dpi;
    EXPECT_EQ(expected.bottom, e.bottom) << what << " at " << dpi;
}

VARIANT Child(long id)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

class WindowDpiTest : public ::testing::Test {
protected:
    void SetUp() override { fApp = new TestApp(); }
    void TearDown() override
    {
        XGSystemDpi::SetTestDpi(0);
        delete fWindow;
        delete fApp;
        Pump();
    }

    void Build()
    {
        XGSWindowInitRecord w = WindowRecord(2, "dpi", kContentWidth, kContentHeight);
        w.fMinWidth = 200;
        w.fMinHeight = 150;
        w.fMaxWidth = 401;
        w.fMaxHeight = 301;
        fWindow = new XGWindow(w, nullptr);
        fTree = XGViewFactory::CreateFromData(WindowDpiTree, WindowDpiTreeSize, fWindow);
        ASSERT_NE(nullptr, fTree);
        Pump();
    }

    void ExpectLayout(const Layout& layout)
    {
        EXPECT_EQ(layout.dpi, fWindow->GetWindowDpi());
        ExpectEdges(layout.panel, fTree, "panel", layout.dpi);
        ExpectEdges(layout.label, fTree->FindViewByID(2), "label", layout.dpi);
        ExpectEdges(layout.field, fTree->FindViewByID(3), "field", layout.dpi);
        ExpectEdges(layout.pane, fTree->FindViewByID(4), "pane", layout.dpi);
        ExpectEdges(layout.box, fTree->FindViewByID(5), "box", layout.dpi);
    }

    SIZE ClientSize() const
    {
        RECT client;
        GetClientRect(fWindow->GetHWND(), &client);
        return SIZE{client.right, client.bottom};
    }

    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
    XGView* fTree = nullptr;
};

TEST_F(WindowDpiTest, ChangeDpiLaysTheTreeOutFromItsLayoutUnits)
{
    Build();
    for (const Layout& layout : kLayouts) {
        fWindow->ChangeDpi(layout.dpi);
        ExpectLayout(layout);
        const SIZE client = ClientSize();
        EXPECT_EQ(XGDpiScale::Scale(kContentWidth, layout.dpi), client.cx) << layout.dpi;
        EXPECT_EQ(XGDpiScale::Scale(kContentHeight, layout.dpi), client.cy) << layout.dpi;
    }
}

TEST_F(WindowDpiTest, EdgesThatMeetAt96MeetAtEveryScale)
{
    Build();
    for (int dpi : {120, 144, 168, 192, 240, 96}) {
        fWindow->ChangeDpi(dpi);
        XGView* label = fTree->FindViewByID(2);
        XGView* field = fTree->FindViewByID(3);
        EXPECT_EQ(Where(label).right, Where(field).left) << dpi;
        // The pane keeps the same margin on its right as on its left.
        EXPECT_EQ(Where(fTree->FindViewByID(4)).left - Where(fTree).left,
                  Where(fTree).right - Where(fTree->FindViewByID(4)).right)
            << dpi;
    }
}

TEST_F(WindowDpiTest, ARescaleThereAndBackGivesTheSamePixels)
{
    Build();
    const SIZE before = ClientSize();
    const int paths[][3] = {{144, 96, 0}, {192, 96, 0}, {120, 144, 96}, {192, 120, 96}, {144, 192, 96}};
    for (const auto& path : paths) {
        for (int dpi : path) {
            if (dpi)
                fWindow->ChangeDpi(dpi);
        }
        ExpectLayout(kLayouts[0]);
        const SIZE after = ClientSize();
        EXPECT_EQ(before.cx, after.cx);
        EXPECT_EQ(before.cy, after.cy);
    }
}

TEST_F(WindowDpiTest, DpiChangedMessageRescalesInPlaceAndTakesTheSuggestedFrame)
{
    Build();
    const HWND hwnd = fWindow->GetHWND();
    XGView* box = fTree->FindViewByID(5);
    // Within the size limits at 144 DPI, as the system would suggest.
    RECT suggested = {50, 40, 50 + 600, 40 + 470};
    EXPECT_EQ(0, SendMessageW(hwnd, kWmDpiChanged, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested)));
    // The same native window and the same views, placed again.
    EXPECT_EQ(hwnd, fWindow->GetHWND());
    EXPECT_EQ(box, fTree->FindViewByID(5));
    RECT frame;
    GetWindowRect(hwnd, &frame);
    EXPECT_EQ(suggested.left, frame.left);
    EXPECT_EQ(suggested.top, frame.top);
    EXPECT_EQ(suggested.right, frame.right);
    EXPECT_EQ(suggested.bottom, frame.bottom);
    ExpectLayout(kLayouts[1]);
}

TEST_F(WindowDpiTest, SizeLimitsAreAnsweredAtTheWindowsScale)
{
    Build();
    const int minW = 200, minH = 150, maxW = 401, maxH = 301;
    for (int dpi : {96, 144, 192}) {
        fWindow->ChangeDpi(dpi);
        const Point min = fWindow->MinWindowSize();
        const Point max = fWindow->MaxWindowSize();
        EXPECT_EQ(XGDpiScale::Scale(minW, dpi), min.h) << dpi;
        EXPECT_EQ(XGDpiScale::Scale(minH, dpi), min.v) << dpi;
        EXPECT_EQ(XGDpiScale::Scale(maxW, dpi), max.h) << dpi;
        EXPECT_EQ(XGDpiScale::Scale(maxH, dpi), max.v) << dpi;
        MINMAXINFO info = {};
        SendMessageW(fWindow->GetHWND(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        // The frame around the content is the system's: only the content scales.
        Point frameOfMin = min;
        fWindow->ContentToFrameSize(&frameOfMin);
        EXPECT_EQ(frameOfMin.h, info.ptMinTrackSize.x) << dpi;
        EXPECT_EQ(frameOfMin.v, info.ptMinTrackSize.y) << dpi;
        EXPECT_GT(info.ptMinTrackSize.x, min.h) << dpi;
    }
}

TEST_F(WindowDpiTest, AWindowMadeOnAScreenOfAnotherScaleIsLaidOutThereFromTheStart)
{
    for (const Layout& layout : kLayouts) {
        XGSystemDpi::SetTestDpi(layout.dpi);
        Build();
        ExpectLayout(layout);
        const SIZE client = ClientSize();
        EXPECT_EQ(XGDpiScale::Scale(kContentWidth, layout.dpi), client.cx) << layout.dpi;
        EXPECT_EQ(XGDpiScale::Scale(kContentHeight, layout.dpi), client.cy) << layout.dpi;
        // Back to 96 it is the window made at 96.
        fWindow->ChangeDpi(96);
        ExpectLayout(kLayouts[0]);
        delete fWindow;
        fWindow = nullptr;
        Pump();
    }
}

TEST_F(WindowDpiTest, TheAccessibleRectangleAndHitTestFollowTheScaledViews)
{
    Build();
    fWindow->ChangeDpi(144);
    fWindow->ShowWindow();
    Pump();
    IAccessible* client = nullptr;
    ASSERT_EQ(S_OK, AccessibleObjectFromWindow(fWindow->GetHWND(), DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&client)));
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, client->get_accChild(Child(1), &dispatch));
    IAccessible* panel = nullptr;
    dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&panel));
    dispatch->Release();
    ASSERT_NE(nullptr, panel);

    POINT origin = {0, 0};
    ClientToScreen(fWindow->GetHWND(), &origin);
    const Edges field = kLayouts[1].field;
    LONG x = 0, y = 0, w = 0, h = 0;
    // The field is the panel's second child.
    ASSERT_EQ(S_OK, panel->accLocation(&x, &y, &w, &h, Child(2)));
    EXPECT_EQ(origin.x + field.left, x);
    EXPECT_EQ(origin.y + field.top, y);
    EXPECT_EQ(field.right - field.left, w);
    EXPECT_EQ(field.bottom - field.top, h);

    // A point inside the field at 144 DPI that lies outside it at 96.
    const POINT inside = {origin.x + 250, origin.y + 40};
    VARIANT hit;
    VariantInit(&hit);
    ASSERT_EQ(S_OK, panel->accHitTest(inside.x, inside.y, &hit));
    EXPECT_EQ(VT_I4, hit.vt);
    EXPECT_EQ(2, hit.lVal);
    VariantClear(&hit);
    panel->Release();
    client->Release();
}

TEST_F(WindowDpiTest, AViewDrawsWithFontsMadeInPointsAtItsWindowsDpi)
{
    Build();
    XGView* field = fTree->FindViewByID(3);
    XGFont* font = XGFont::LoadFont(1);     // Arial 8
    ASSERT_NE(nullptr, font);
    short heights[3] = {};
    short defaults[3] = {};
    const int dpis[3] = {96, 144, 192};
    for (int i = 0; i < 3; ++i) {
        fWindow->ChangeDpi(dpis[i]);
        XGDraw draw(field, true);
        defaults[i] = draw.GetFontHeight();
        draw.SetFont(font, true);
        heights[i] = draw.GetFontHeight();
    }
    // Points, not pixels: the height grows with the scale (within the
    // rounding of the font's own metrics).
    for (int i = 1; i < 3; ++i) {
        const long expected = XGDpiScale::Rescale(heights[0], 96, dpis[i]);
        EXPECT_NEAR(expected, heights[i], 2) << dpis[i];
        EXPECT_NEAR(XGDpiScale::Rescale(defaults[0], 96, dpis[i]), defaults[i], 2) << dpis[i];
    }
    font->Detach();
}

}  // namespace
