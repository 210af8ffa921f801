// The order of the mouse enters and leaves a user sees while the loop runs and
// the real pointer moves (SetCursorPos in the test's own display), one case
// per way the pointer can stop being over a view.
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>
#include "TestApp.h"
#include "controls/XGPopWindow.h"
#include "views/XGView.h"
#include "views/XGWindow.h"
#include "../support/TestWin32.h"

namespace {

std::vector<std::string>* gLog = nullptr;

class EnterLeaveView : public XGView {
public:
    EnterLeaveView(XGView* parent, short id, short left)
        : XGView(parent, testsupport::LockedView(id, left, 10, short(left + 50), 60))
    {
    }
    void DoMouseEnter(Point, short) override { gLog->push_back("enter " + std::to_string(GetViewID())); }
    void DoMouseLeave() override { gLog->push_back("leave " + std::to_string(GetViewID())); }
};

XGWindow* MakeWindow(short id, short left)
{
    XGSWindowInitRecord record = {};
    record.fWindowType = 'wind';
    record.fWindowID = id;
    record.fShow = true;
    record.fLeft = left;
    record.fTop = 40;
    record.fRight = short(left + 200);
    record.fBottom = 140;
    strcpy(record.fTitle, "Enter and leave");
    return new XGWindow(record, nullptr);
}

// Windows 1 (views 1 and 2, side by side) and 2 (view 3), apart on the
// screen; the pointer starts on the empty desktop below them.
class MouseLeaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartTestProcess("");
        gLog = &fLog;
        fApp = new TestApp;
        fApp->fOnEvent = [this](const MSG& message) {
            if (message.message == WM_TIMER && !message.hwnd)
                ++fTicks;
            return -1L;
        };
        fFirst = MakeWindow(1, 40);
        fSecond = MakeWindow(2, 340);
        fView1 = new EnterLeaveView(fFirst, 1, 10);
        fView2 = new EnterLeaveView(fFirst, 2, 100);
        fView3 = new EnterLeaveView(fSecond, 3, 10);
        MoveTo(Desktop());
        fLog.clear();
    }
    void TearDown() override
    {
        delete fPop;
        if (fCover)
            DestroyWindow(fCover);
        while (XGWindow::gList)
            delete XGWindow::gList;
        delete fApp;
        gLog = nullptr;
        SetCursorPos(Desktop().x, Desktop().y);
    }

    static POINT Desktop() { return POINT{600, 500}; }
    // The middle of a view, on the screen.
    static POINT Over(XGView* view)
    {
        tagRECT r = {0, 0, view->GetSize().h, view->GetSize().v};
        view->ViewToScreen(&r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    static POINT EmptyAreaOf(XGWindow* window)
    {
        RECT r;
        GetWindowRect(window->GetHWND(), &r);
        return POINT{r.right - 12, r.bottom - 12};
    }
    // Moves the pointer and lets the loop turn until the moves and the
    // framework's ticks that follow have all been handled.
    void MoveTo(POINT p)
    {
        SetCursorPos(p.x, p.y);
        RunTicks(4);
    }
    void RunTicks(int ticks)
    {
        const int until = fTicks + ticks;
        while (fTicks < until)
            fApp->RunOnce(nullptr);
    }
    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(fLog);
        return taken;
    }

    TestApp* fApp = nullptr;
    XGWindow* fFirst = nullptr;
    XGWindow* fSecond = nullptr;
    XGView* fView1 = nullptr;
    XGView* fView2 = nullptr;
    XGView* fView3 = nullptr;
    XGPopWindow* fPop = nullptr;
    HWND fCover = nullptr;
    int fTicks = 0;
    std::vector<std::string> fLog;
};

using Log = std::vector<std::string>;

TEST_F(MouseLeaveTest, MovingBetweenViewsOfOneWindowLeavesTheFirstBeforeEnteringTheNext)
{
    MoveTo(Over(fView1));
    MoveTo(Over(fView2));
    MoveTo(EmptyAreaOf(fFirst));
    EXPECT_EQ((Log{"enter 1", "leave 1", "enter 2", "leave 2"}), Take());
}

TEST_F(MouseLeaveTest, MovingToAnotherWindowLeavesTheViewBeforeEnteringTheOtherWindowsView)
{
    MoveTo(Over(fView1));
    MoveTo(Over(fView3));
    MoveTo(Over(fView2));
    EXPECT_EQ((Log{"enter 1", "leave 1", "enter 3", "leave 3", "enter 2"}), Take());
}

TEST_F(MouseLeaveTest, MovingOffTheWindowOntoTheDesktopLeavesTheView)
{
    MoveTo(Over(fView3));
    MoveTo(Desktop());
    EXPECT_EQ((Log{"enter 3", "leave 3"}), Take());
    // Nothing more while the pointer rests outside.
    RunTicks(3);
    EXPECT_EQ(Log{}, Take());
}

TEST_F(MouseLeaveTest, APopUpOfTheBaseViewKeepsTheViewEnteredUntilThePointerLeavesBoth)
{
    MoveTo(Over(fView1));
    // Below the window, in view 1's coordinates.
    fPop = new XGPopWindow(fView1, tagRECT{0, 200, 120, 240}, nullptr);
    tagRECT r = fPop->GetRect();
    fView1->ViewToScreen(&r);
    MoveTo(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    EXPECT_EQ(Log{"enter 1"}, Take());
    MoveTo(Desktop());
    EXPECT_EQ(Log{"leave 1"}, Take());
}

TEST_F(MouseLeaveTest, APopUpOfAnotherViewIsLeftTo)
{
    MoveTo(Over(fView2));
    fPop = new XGPopWindow(fView1, tagRECT{0, 200, 120, 240}, nullptr);
    tagRECT r = fPop->GetRect();
    fView1->ViewToScreen(&r);
    MoveTo(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    // The pop-up hands its moves to its base view.
    EXPECT_EQ((Log{"enter 2", "leave 2", "enter 1"}), Take());
}

TEST_F(MouseLeaveTest, AWindowAppearingUnderTheStillPointerLeavesTheViewByTheNextTick)
{
    const POINT p = Over(fView3);
    MoveTo(p);
    EXPECT_EQ(Log{"enter 3"}, Take());
    // Not a framework window, and one that takes the mouse (a static
    // control lets it through to the window below).
    WNDCLASSA cls = {};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "MouseLeaveCover";
    RegisterClassA(&cls);
    fCover = CreateWindowExA(WS_EX_TOPMOST, "MouseLeaveCover", "", WS_POPUP | WS_VISIBLE, p.x - 20, p.y - 20,
                             40, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, fCover);
    // The tick already on its way may be handled before the window is
    // known under the pointer; the one after it sees it.
    RunTicks(2);
    EXPECT_EQ(Log{"leave 3"}, Take());
    DestroyWindow(fCover);
    fCover = nullptr;
    MoveTo(POINT{p.x + 1, p.y});
    EXPECT_EQ(Log{"enter 3"}, Take());
}

}
