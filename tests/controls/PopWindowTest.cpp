// Pop-up windows over a framework window: placement on the screen, the list
// and count of live pop-ups, mouse input carried to the base view, and the
// tool tip built on them.
#include <gtest/gtest.h>

#include "ToolbarTestSupport.h"
#include "dispatch/XGEventLoop.h"
#include "views/XGDpiScale.h"
#include "views/XGDraw.h"
#include "views/XGFont.h"
#include "dispatch/XGGlobals.h"
#include "views/XGPalette.h"
#include "controls/XGPopWindow.h"
#include "controls/XGToolTip.h"
#include "controls/XGToolTipView.h"
#include "views/XGWindowProc.h"

namespace toolbartest {
namespace {

class PopWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartProcess();
        fApp = SharedApplication();
        fApp->SetFocus();
        XGSWindowInitRecord record = WindowRecord(300, 200);
        fWindow = new XGWindow(record, nullptr);
        fBase = new LogView(fWindow, ViewRecord(10, 20, 210, 120));
        SetWindowPos(fWindow->GetHWND(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
        XGWindow::ProcessMouseLeave();
        fBase->fLog.clear();
    }
    void TearDown() override
    {
        ReleaseCapture();
        XGToolTip::CloseTip();
        while (XGPopWindow::gList)
            delete XGPopWindow::gList;
        while (XGWindow::gList)
            delete XGWindow::gList;
    }
    // The screen position of a point of the base view.
    POINT Screen(int h, int v)
    {
        POINT p = {h + 10, v + 20};
        ClientToScreen(fWindow->GetHWND(), &p);
        return p;
    }
    XGPopWindow* Open(tagRECT r) { return new XGPopWindow(fBase, r, new XGToolTipView("tip")); }
    static void Send(XGPopWindow* pop, UINT message, int x, int y)
    {
        SendMessageA(pop->GetHWND(), message, 0, MAKELPARAM(x, y));
    }

    TestCore* fApp = nullptr;
    XGWindow* fWindow = nullptr;
    LogView* fBase = nullptr;
};

TEST_F(PopWindowTest, PopUpSitsAtItsRectangleOnTheScreenAndIsListed)
{
    XGPopWindow* pop = Open(tagRECT{20, 30, 80, 50});
    ASSERT_NE(nullptr, pop->GetHWND());
    RECT frame;
    GetWindowRect(pop->GetHWND(), &frame);
    const POINT corner = Screen(20, 30);
    EXPECT_EQ(corner.x, frame.left);
    EXPECT_EQ(corner.y, frame.top);
    EXPECT_EQ(60, frame.right - frame.left);
    EXPECT_EQ(20, frame.bottom - frame.top);
    EXPECT_TRUE(IsWindowVisible(pop->GetHWND()));
    EXPECT_NE(pop->GetHWND(), GetActiveWindow());
    EXPECT_EQ(fBase, pop->GetBase());
    EXPECT_EQ(pop, XGPopWindow::GetPopWindow(pop->GetHWND()));
    EXPECT_EQ(nullptr, XGPopWindow::GetPopWindow(fWindow->GetHWND()));
    EXPECT_EQ(1, XGPopWindow::GetPopCount());
    // The content fills the pop-up and is drawn in it.
    EXPECT_EQ(pop->GetHWND(), pop->GetContent()->GetRootWindow());
    EXPECT_EQ(60, pop->GetContent()->GetSize().h);

    XGPopWindow* second = Open(tagRECT{0, 0, 10, 10});
    EXPECT_EQ(second, XGPopWindow::gList);
    EXPECT_EQ(2, XGPopWindow::GetPopCount());
    const HWND window = pop->GetHWND();
    delete pop;
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, XGPopWindow::GetPopWindow(window));
    EXPECT_EQ(1, XGPopWindow::GetPopCount());
    delete second;
    EXPECT_EQ(nullptr, XGPopWindow::gList);
    EXPECT_EQ(0, XGPopWindow::GetPopCount());
}

TEST_F(PopWindowTest, PopUpPastTheRightEdgeIsPushedBackAndItsRectangleFollows)
{
    const int width = GetSystemMetrics(SM_CXFULLSCREEN);
    // 40 wide, starting 10 pixels from the right edge of the screen.
    const POINT origin = Screen(0, 0);
    const int left = width - 10 - origin.x;
    XGPopWindow* pop = Open(tagRECT{left, 30, left + 40, 50});
    RECT frame;
    GetWindowRect(pop->GetHWND(), &frame);
    EXPECT_EQ(width - 1, frame.right);
    EXPECT_EQ(left - 31, pop->GetRect().left);
    EXPECT_EQ(30, pop->GetRect().top);

    // A click at the pop-up's left edge reaches the base view where the
    // pop-up now is.
    Send(pop, WM_LBUTTONDOWN, 0, 0);
    ASSERT_FALSE(fBase->fLog.empty());
    EXPECT_EQ("down " + std::to_string(left - 31) + ",30 0000", fBase->fLog.back());
    Send(pop, WM_LBUTTONUP, 0, 0);
}

TEST_F(PopWindowTest, PopUpAtTheScreenCornerMovesToOneOne)
{
    const POINT origin = Screen(0, 0);
    XGPopWindow* pop = Open(tagRECT{-origin.x, -origin.y, -origin.x + 30, -origin.y + 15});
    RECT frame;
    GetWindowRect(pop->GetHWND(), &frame);
    EXPECT_EQ(1, frame.left);
    EXPECT_EQ(1, frame.top);
    EXPECT_EQ(1 - origin.x, pop->GetRect().left);
    EXPECT_EQ(1 - origin.y, pop->GetRect().top);
}

TEST_F(PopWindowTest, GestureInAPopUpGoesToTheBaseViewInItsCoordinates)
{
    XGPopWindow* pop = Open(tagRECT{20, 30, 80, 50});
    Send(pop, WM_LBUTTONDOWN, 5, 6);
    EXPECT_EQ(pop->GetHWND(), GetCapture());
    EXPECT_EQ(fBase, XGEventLoop::gCaptureView);
    EXPECT_EQ(fBase, XGWindow::gLastView);
    Send(pop, WM_MOUSEMOVE, 7, 8);
    Send(pop, WM_LBUTTONUP, 9, 10);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ((std::vector<std::string>{"down 25,36 0000", "move 27,38 2000", "up 29,40 2000"}), fBase->fLog);
}

TEST_F(PopWindowTest, RefusedPressTakesNoCapture)
{
    fBase->fAccept = false;
    XGPopWindow* pop = Open(tagRECT{20, 30, 80, 50});
    Send(pop, WM_LBUTTONDOWN, 5, 6);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(nullptr, XGEventLoop::gCaptureView);
    Send(pop, WM_LBUTTONUP, 5, 6);  // no capture: ignored
    EXPECT_EQ((std::vector<std::string>{"down 25,36 0000"}), fBase->fLog);
}

TEST_F(PopWindowTest, DoubleClickReachesTheBaseViewMarked)
{
    XGPopWindow* pop = Open(tagRECT{20, 30, 80, 50});
    Send(pop, WM_LBUTTONDBLCLK, 1, 2);
    ASSERT_EQ(1u, fBase->fLog.size());
    EXPECT_EQ("down 21,32 1000", fBase->fLog[0]);
    Send(pop, WM_LBUTTONUP, 1, 2);
}

TEST_F(PopWindowTest, ViewHoldingTheCaptureKeepsGettingMovesAfterTheRelease)
{
    fBase->fHold = true;
    XGPopWindow* pop = Open(tagRECT{20, 30, 80, 50});
    Send(pop, WM_LBUTTONDOWN, 5, 6);
    Send(pop, WM_LBUTTONUP, 5, 6);
    EXPECT_EQ(pop->GetHWND(), GetCapture());
    Send(pop, WM_MOUSEMOVE, 300, 300);  // far outside the pop-up: still ours
    EXPECT_EQ("move 320,330 2000", fBase->fLog.back());
    fBase->fHold = false;
    Send(pop, WM_LBUTTONUP, 300, 300);
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(PopWindowTest, FrameKeepsItsActiveLookWhilePopUpsAreOpen)
{
    EXPECT_EQ(-1, XGWindowProc::ProcXGWindowCommon(fWindow, WM_NCACTIVATE, 0, 0));
    XGPopWindow* pop = Open(tagRECT{20, 30, 80, 50});
    EXPECT_EQ(0, XGWindowProc::ProcXGWindowCommon(fWindow, WM_NCACTIVATE, 0, 0));
    EXPECT_EQ(-1, XGWindowProc::ProcXGWindowCommon(fWindow, WM_NCACTIVATE, 1, 0));
    delete pop;
    EXPECT_EQ(-1, XGWindowProc::ProcXGWindowCommon(fWindow, WM_NCACTIVATE, 0, 0));
}

TEST_F(PopWindowTest, SecondTipReplacesTheFirst)
{
    XGToolTip::OpenTip(fBase, Point{40, 30}, "first");
    XGToolTip::OpenTip(fBase, Point{40, 30}, "second");
    EXPECT_EQ(1, XGPopWindow::GetPopCount());
    EXPECT_EQ(XGToolTip::gPopWindow, XGPopWindow::gList);
    EXPECT_STREQ("second", XGToolTip::gPopView->GetText());
}

TEST_F(PopWindowTest, TipIsSizedToItsTextAndDrawnInTheTipColours)
{
    XGToolTip::OpenTip(fBase, Point{40, 30}, "Save the file");
    ASSERT_NE(nullptr, XGToolTip::gPopWindow);
    const HWND tip = XGToolTip::gPopWindow->GetHWND();
    Point size;
    {
        XGDraw draw(fBase, true);
        draw.SetFont(XGFont::LoadFont(1), false);
        size = Point{short(draw.GetFontHeight() + 2), short(draw.StringWidth("Save the file") + 6)};
    }
    RECT client;
    GetClientRect(tip, &client);
    EXPECT_EQ(size.h, client.right);
    EXPECT_EQ(size.v, client.bottom);
    const COLORREF text = GetSysColor(COLOR_INFOTEXT), back = GetSysColor(COLOR_INFOBK);
    EXPECT_EQ(text, Pixel(tip, 0, 0));             // frame
    EXPECT_EQ(back, Pixel(tip, 1, client.bottom / 2));
    // Painted again when uncovered.
    InvalidateRect(tip, nullptr, TRUE);
    UpdateWindow(tip);
    EXPECT_EQ(text, Pixel(tip, client.right - 1, client.bottom - 1));
    EXPECT_EQ(back, Pixel(tip, 1, client.bottom / 2));

    XGToolTip::CloseTip();
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_EQ(nullptr, XGToolTip::gPopView);
    XGToolTip::CloseTip();  // nothing open: nothing happens
}

// Over a window at another scale the tip takes the font at that scale and
// margins of 2 and 6 units.
TEST_F(PopWindowTest, TipOverAWindowAtAnotherScaleIsSizedAtThatScale)
{
    for (int dpi : {144, 192}) {
        fWindow->ChangeDpi(dpi);
        XGToolTip::OpenTip(fBase, Point{40, 30}, "Save the file");
        ASSERT_NE(nullptr, XGToolTip::gPopWindow);
        XGFont* font = XGFont::LoadFont(1);
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font->GetFontForDpi(dpi));
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        SIZE text = {};
        GetTextExtentPoint32W(dc, L"Save the file", 13, &text);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        font->Detach();
        RECT client;
        GetClientRect(XGToolTip::gPopWindow->GetHWND(), &client);
        EXPECT_EQ(text.cx + XGDpiScale::Scale(6, dpi), client.right) << dpi;
        EXPECT_EQ(metrics.tmHeight + XGDpiScale::Scale(2, dpi), client.bottom) << dpi;
        XGToolTip::CloseTip();
    }
}

// The event loop notices the pointer leaving a window by its next periodic
// tick at the latest; the base view's own pop-up does not count as elsewhere.
TEST_F(PopWindowTest, PointerOverTheBasesPopUpStaysInTheBase)
{
    XGPopWindow* pop = Open(tagRECT{20, 30, 80, 50});
    XGWindow::ProcessMouseEnter(Point{25, 15}, 0, fBase);
    const POINT inPop = Screen(30, 40);
    SetCursorPos(inPop.x, inPop.y);
    ASSERT_EQ(pop->GetHWND(), WindowFromPoint(inPop));
    PostMessageA(fWindow->GetHWND(), WM_NULL, 0, 0);
    fApp->RunOnce(nullptr);
    EXPECT_EQ(fBase, XGWindow::gLastView);

    const POINT away = Screen(-150, -120);
    SetCursorPos(away.x, away.y);
    PostMessageA(fWindow->GetHWND(), WM_NULL, 0, 0);
    // The posted message, then whatever comes next: at the latest the tick,
    // which the loop's thread timer sends twenty times a second.
    for (int turn = 0; turn < 4 && XGWindow::gLastView; ++turn)
        fApp->RunOnce(nullptr);
    EXPECT_EQ(nullptr, XGWindow::gLastView);
    EXPECT_EQ("leave", fBase->fLog.back());
}

TEST_F(PopWindowTest, LongTipTextIsCut)
{
    const std::string text(300, 'w');
    XGToolTipView view(text.c_str());
    EXPECT_EQ(std::string(255, 'w'), view.GetText());
}

TEST_F(PopWindowTest, LeavingAViewClosesTheTip)
{
    XGToolTip::OpenTip(fBase, Point{40, 30}, "tip");
    XGWindow::ProcessMouseEnter(Point{25, 15}, 0, fBase);
    ASSERT_EQ(1, XGPopWindow::GetPopCount());
    XGWindow::ProcessMouseLeave();
    EXPECT_EQ(0, XGPopWindow::GetPopCount());
    EXPECT_EQ(nullptr, XGToolTip::gPopWindow);
}

}  // namespace
}  // namespace toolbartest
