#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "KeboTestSupport.h"
#include "controls/XGScrollBar.h"
#include "controls/XGScrollView.h"

using namespace kebotest;

namespace {

// A content child that logs each Scroll call and paints itself green.
class ScrollProbe : public XGView {
public:
    ScrollProbe(XGView* parent, XGSViewInitRecord& record) : XGView(parent, record) {}
    void DoDrawView(tagRECT) override {}
    void Scroll(long dh, long dv) override
    {
        fLog.push_back(std::to_string(dh) + " " + std::to_string(dv));
        XGView::Scroll(dh, dv);
    }
    std::vector<std::string> fLog;
};

XGSViewInitRecord FillParent()
{
    XGSViewInitRecord r = {};
    r.fViewType = 'view';
    r.fLockLeft = r.fLockTop = r.fLockRight = r.fLockBottom = true;
    r.fVisible = r.fEnabled = true;
    return r;
}

class ScrollViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fApp = new TestApp();
        XGSWindowInitRecord w = WindowRecord(2, "scroll view", 300, 200);
        fWindow = new XGWindow(w, nullptr);
        XGSViewInitRecord r = ViewRecord(0, 0, 0, 300, 200);
        fHost = new Recorder(fWindow, r);
        Pump();
    }
    void TearDown() override
    {
        delete fWindow;
        delete fApp;
        Pump();
    }

    // A scroll view of 200 by 120 pixels at (20, 30) in the host.
    XGScrollView* Make(bool horizontal, bool vertical, bool corner)
    {
        Args a = Args::View('scrv', 4, 20, 30, 220, 150)
                     .Bool(horizontal).Bool(vertical).Bool(corner);
        XGArgStream s = a.Stream();
        return new XGScrollView(fHost, s);
    }

    HWND Root() const { return fWindow->GetHWND(); }
    // Where the native bar sits, in the scroll view's coordinates.
    RECT BarRect(XGScrollBar* bar) const
    {
        RECT r;
        GetWindowRect(bar->GetControl(), &r);
        MapWindowPoints(nullptr, Root(), reinterpret_cast<POINT*>(&r), 2);
        OffsetRect(&r, -20, -30);
        return r;
    }
    bool IsVertical(XGScrollBar* bar) const
    {
        return (GetWindowLongA(bar->GetControl(), GWL_STYLE) & SBS_VERT) != 0;
    }

    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
    Recorder* fHost = nullptr;
};

TEST_F(ScrollViewTest, VerticalBarWithoutCornerRunsDownToOnePixelAboveTheBottom)
{
    XGScrollView* view = Make(false, true, false);
    Pump();
    EXPECT_FALSE(view->HasCorner());
    EXPECT_EQ(nullptr, view->GetHScroll());
    ASSERT_NE(nullptr, view->GetVScroll());
    Point bar = XGScrollBar::GetDefaultSize();
    RECT r = BarRect(view->GetVScroll());
    EXPECT_EQ(199 - bar.h, r.left);
    EXPECT_EQ(1, r.top);
    EXPECT_EQ(199, r.right);
    EXPECT_EQ(119, r.bottom);
    EXPECT_TRUE(IsVertical(view->GetVScroll()));
}

TEST_F(ScrollViewTest, BothBarsForceTheCornerAndStopShortOfIt)
{
    XGScrollView* view = Make(true, true, false);
    Pump();
    EXPECT_TRUE(view->HasCorner());
    ASSERT_NE(nullptr, view->GetHScroll());
    ASSERT_NE(nullptr, view->GetVScroll());
    Point bar = XGScrollBar::GetDefaultSize();
    RECT h = BarRect(view->GetHScroll());
    EXPECT_EQ(1, h.left);
    EXPECT_EQ(119 - bar.v, h.top);
    EXPECT_EQ(199 - bar.h, h.right);
    EXPECT_EQ(119, h.bottom);
    EXPECT_FALSE(IsVertical(view->GetHScroll()));
    RECT v = BarRect(view->GetVScroll());
    EXPECT_EQ(199 - bar.h, v.left);
    EXPECT_EQ(1, v.top);
    EXPECT_EQ(199, v.right);
    EXPECT_EQ(119 - bar.v, v.bottom);
    EXPECT_TRUE(IsVertical(view->GetVScroll()));
}

TEST_F(ScrollViewTest, ContentChildFillsTheAreaTheBarsLeave)
{
    XGScrollView* view = Make(true, true, false);
    XGSViewInitRecord r = FillParent();
    ScrollProbe* content = new ScrollProbe(view, r);
    Point bar = XGScrollBar::GetDefaultSize();
    EXPECT_EQ(1, content->GetPos().h);
    EXPECT_EQ(1, content->GetPos().v);
    EXPECT_EQ(198 - bar.h, content->GetSize().h);
    EXPECT_EQ(118 - bar.v, content->GetSize().v);
}

TEST_F(ScrollViewTest, BarsFollowTheViewWhenItIsResized)
{
    XGScrollView* view = Make(true, true, false);
    tagRECT larger = {20, 30, 260, 180};
    view->SetLocation(larger);
    Pump();
    Point bar = XGScrollBar::GetDefaultSize();
    RECT v = BarRect(view->GetVScroll());
    EXPECT_EQ(239 - bar.h, v.left);
    EXPECT_EQ(149 - bar.v, v.bottom);
    RECT h = BarRect(view->GetHScroll());
    EXPECT_EQ(149 - bar.v, h.top);
    EXPECT_EQ(239 - bar.h, h.right);
}

TEST_F(ScrollViewTest, ScrollValueOfMissingBarsIsZero)
{
    XGScrollView* view = Make(false, false, false);
    long h = -1;
    long v = -1;
    view->SetMaxValue(10, 10);
    view->SetScrollValue(4, 4);
    view->GetScrollValue(&h, &v);
    EXPECT_EQ(0, h);
    EXPECT_EQ(0, v);
}

TEST_F(ScrollViewTest, ValuesGoToTheBarOfTheirAxis)
{
    XGScrollView* view = Make(true, true, false);
    view->SetMaxValue(30, 40);
    view->SetMinValue(1, 2);
    view->SetPageSize(5, 6);
    view->SetScrollValue(7, 9);
    EXPECT_EQ(1, view->GetHScroll()->GetMinValue());
    EXPECT_EQ(2, view->GetVScroll()->GetMinValue());
    EXPECT_EQ(30, view->GetHScroll()->GetMaxValue());
    EXPECT_EQ(40, view->GetVScroll()->GetMaxValue());
    EXPECT_EQ(5, view->GetHScroll()->GetPageSize());
    EXPECT_EQ(6, view->GetVScroll()->GetPageSize());
    long h = 0;
    long v = 0;
    view->GetScrollValue(&h, &v);
    EXPECT_EQ(7, h);
    EXPECT_EQ(9, v);
}

TEST_F(ScrollViewTest, MovingTheHorizontalBarScrollsContentOppositeByThePixelStep)
{
    XGScrollView* view = Make(true, true, false);
    XGSViewInitRecord r = FillParent();
    ScrollProbe* first = new ScrollProbe(view, r);
    ScrollProbe* second = new ScrollProbe(view, r);
    view->SetMaxValue(10, 10);
    view->SetScrollValue(2, 0);
    view->SetPixelStep(16);
    first->fLog.clear();
    second->fLog.clear();

    view->SetScrollValue(5, 0);
    EXPECT_EQ(std::vector<std::string>{"-48 0"}, first->fLog);
    EXPECT_EQ(std::vector<std::string>{"-48 0"}, second->fLog);

    view->SetScrollValue(5, 3);
    EXPECT_EQ((std::vector<std::string>{"-48 0", "0 -48"}), first->fLog);
}

TEST_F(ScrollViewTest, NativeBarNotificationsScrollTheContent)
{
    XGScrollView* view = Make(true, true, false);
    XGSViewInitRecord r = FillParent();
    ScrollProbe* content = new ScrollProbe(view, r);
    view->SetMaxValue(10, 10);
    view->SetPageSize(4, 4);
    Pump();

    SendMessageA(Root(), WM_VSCROLL, SB_LINEDOWN, LPARAM(view->GetVScroll()->GetControl()));
    SendMessageA(Root(), WM_VSCROLL, SB_PAGEDOWN, LPARAM(view->GetVScroll()->GetControl()));
    SendMessageA(Root(), WM_HSCROLL, SB_LINEDOWN, LPARAM(view->GetHScroll()->GetControl()));
    SendMessageA(Root(), WM_VSCROLL, SB_TOP, LPARAM(view->GetVScroll()->GetControl()));
    EXPECT_EQ((std::vector<std::string>{"0 -1", "0 -4", "-1 0", "0 5"}), content->fLog);
    long h = 0;
    long v = 0;
    view->GetScrollValue(&h, &v);
    EXPECT_EQ(1, h);
    EXPECT_EQ(0, v);
    // The scroll view answers the bars' notices itself.
    EXPECT_TRUE(fHost->fLog.empty());
}

TEST_F(ScrollViewTest, BarInsideTheContentDoesNotScrollIt)
{
    XGScrollView* view = Make(false, true, false);
    XGSViewInitRecord r = FillParent();
    ScrollProbe* content = new ScrollProbe(view, r);
    XGSScrollInitRecord b = {};
    b.fViewType = 'scrb';
    b.fViewID = 9;
    b.fLockLeft = b.fLockTop = true;
    b.fAutoLeft = 10;
    b.fAutoTop = 10;
    b.fAutoRight = 110;
    b.fAutoBottom = 26;
    b.fVisible = b.fEnabled = true;
    b.fMaxValue = 10;
    b.fStepSize = b.fPageSize = 1;
    XGScrollBar* inner = new XGScrollBar(content, b);
    inner->SetValue(5);
    EXPECT_TRUE(content->fLog.empty());
    // 'scrs' only asks for finished pixels and is answered on the way; the
    // value change itself goes on up to whoever owns that bar.
    EXPECT_EQ(std::vector<std::string>{"sval 9 0>5"}, fHost->fLog);
}

TEST_F(ScrollViewTest, DrawsABlackFrameAndAGreyCorner)
{
    XGScrollView* view = Make(true, true, false);
    Pump();
    InvalidateRect(Root(), nullptr, TRUE);
    UpdateWindow(Root());
    Point bar = XGScrollBar::GetDefaultSize();
    EXPECT_EQ(RGB(0, 0, 0), Pixel(Root(), 20 + 0, 30 + 0));
    EXPECT_EQ(RGB(0, 0, 0), Pixel(Root(), 20 + 199, 30 + 60));
    EXPECT_EQ(RGB(0, 0, 0), Pixel(Root(), 20 + 100, 30 + 119));
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(face, Pixel(Root(), 20 + 199 - bar.h / 2, 30 + 119 - bar.v / 2));
    (void)view;
}

TEST_F(ScrollViewTest, WithoutTheCornerFlagTheCornerIsNotPainted)
{
    // The vertical bar's native control covers the corner place when there is no corner,
    // so it is hidden; the place is marked, and only the scroll view itself draws.
    const COLORREF kMagenta = RGB(255, 0, 255);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Point bar = XGScrollBar::GetDefaultSize();
    const int x = 20 + 199 - bar.h / 2;
    const int y = 30 + 119 - bar.v / 2;
    for (bool corner : {false, true}) {
        XGScrollView* view = Make(false, true, corner);
        Pump();
        ShowWindow(view->GetVScroll()->GetControl(), SW_HIDE);
        HDC dc = GetDC(Root());
        RECT place = {20 + 199 - bar.h, 30 + 119 - bar.v, 20 + 199, 30 + 119};
        HBRUSH brush = CreateSolidBrush(kMagenta);
        FillRect(dc, &place, brush);
        DeleteObject(brush);
        ReleaseDC(Root(), dc);
        view->DoDrawView(view->GetContentRect());
        EXPECT_EQ(corner ? face : kMagenta, Pixel(Root(), x, y)) << "corner flag " << corner;
        delete view;
        Pump();
    }
}

// Counts what reaches the native bars: each SBM_SETSCROLLINFO redraws a bar.
std::map<HWND, int> gLoads;
std::map<HWND, WNDPROC> gBarProcs;

LRESULT CALLBACK CountingBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SBM_SETSCROLLINFO)
        ++gLoads[window];
    return CallWindowProcA(gBarProcs[window], window, message, wParam, lParam);
}

void CountLoads(XGScrollBar* bar)
{
    HWND control = bar->GetControl();
    gBarProcs[control] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingBarProc)));
}

// A bar given values it already has leaves its native control alone; what
// the native control shows is at every step what a bar set up once with the
// same values shows.
TEST_F(ScrollViewTest, BarsReachTheNativeControlOnlyWithChangedValues)
{
    XGScrollView* view = Make(true, true, false);
    CountLoads(view->GetHScroll());
    CountLoads(view->GetVScroll());
    struct Row {
        long maxH, maxV, pageH, pageV, valueH, valueV;
        int loads;   // native loads the row costs, both bars together
    };
    const Row rows[] = {
        {30, 40, 5, 6, 7, 9, 4},
        {30, 40, 5, 6, 7, 9, 0},          // all the same again
        {30, 41, 5, 6, 7, 9, 1},          // only the vertical maximum
        {30, 41, 5, 7, 7, 12, 2},
        {0, 41, 5, 7, 0, 12, 0},          // the horizontal bar empties: disabled, not loaded
        {30, 41, 5, 7, 7, 12, 2},         // and comes back
        {30, 41, 5, 7, 7, 12, 0},
        {200000, 41, 5, 7, 150000, 12, 2},   // a scaled range
        {200000, 41, 5, 7, 150003, 12, 0},   // the same native position
    };
    for (const Row& row : rows) {
        gLoads.clear();
        view->SetPageSize(row.pageH, row.pageV);
        view->SetMaxValue(row.maxH, row.maxV);
        view->SetScrollValue(row.valueH, row.valueV);
        int loads = 0;
        for (const auto& counted : gLoads)
            loads += counted.second;
        EXPECT_EQ(loads, row.loads) << "row with maxima " << row.maxH << " " << row.maxV;

        XGScrollView* fresh = Make(true, true, false);
        fresh->SetPageSize(row.pageH, row.pageV);
        fresh->SetMaxValue(row.maxH, row.maxV);
        fresh->SetScrollValue(row.valueH, row.valueV);
        for (int axis = 0; axis < 2; ++axis) {
            HWND bar = (axis ? view->GetVScroll() : view->GetHScroll())->GetControl();
            HWND once = (axis ? fresh->GetVScroll() : fresh->GetHScroll())->GetControl();
            SCROLLINFO a = {}, b = {};
            a.cbSize = b.cbSize = sizeof a;
            a.fMask = b.fMask = SIF_ALL;
            GetScrollInfo(bar, SB_CTL, &a);
            GetScrollInfo(once, SB_CTL, &b);
            EXPECT_EQ(IsWindowEnabled(bar) != 0, IsWindowEnabled(once) != 0) << "axis " << axis;
            if (IsWindowEnabled(once)) {
                EXPECT_EQ(a.nMin, b.nMin) << "axis " << axis << " maxima " << row.maxH << " " << row.maxV;
                EXPECT_EQ(a.nMax, b.nMax) << "axis " << axis << " maxima " << row.maxH << " " << row.maxV;
                EXPECT_EQ(a.nPage, b.nPage) << "axis " << axis << " maxima " << row.maxH << " " << row.maxV;
                EXPECT_EQ(a.nPos, b.nPos) << "axis " << axis << " maxima " << row.maxH << " " << row.maxV;
            }
        }
        delete fresh;
    }
}

}  // namespace
