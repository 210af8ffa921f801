// The parts of the view that need a real framework window: focus handed to
// the window, the window's focus view, mouse tracking cleared on destruction,
// messages climbing to the window and the application.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>

#include "../support/TestWin32.h"
#include "ViewsTestHost.h"
#include "core/XGAppCore.h"
#include "core/dispatch/XGEventLoop.h"
#include "core/dispatch/XGGlobals.h"
#include "views/XGView.h"
#include "views/XGWindow.h"

using namespace viewstest;

namespace {

class PingApp : public XGAppCore {
public:
    XG_DECLARE_DISPATCH(PingApp)
    void OpenCopyright() override {}
    long DoPing(long arg, void*)
    {
        pinged = arg;
        return 7;
    }
    long pinged = 0;
};

XG_BEGIN_DISPATCH(PingApp, XGAppCore)
    XG_ON('ping', DoPing)
XG_END_DISPATCH()

// A view that can hide itself, as picture buttons do.
class HidingView : public XGView {
public:
    HidingView(XGView* parent, const XGSViewInitRecord& record) : XGView(parent, record) {}
    void Hide()
    {
        fVisible = false;
        DoShowHide();
    }
};

XGSWindowInitRecord WindowRecord()
{
    XGSWindowInitRecord r = {};
    r.fWindowType = 'wind';
    r.fWindowKind = 0x20;
    r.fShow = true;
    r.fLeft = 40;
    r.fTop = 60;
    r.fRight = 340;
    r.fBottom = 260;
    strcpy(r.fTitle, "views");
    return r;
}

class ViewInWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::StartWindows();
        app = new PingApp;
        app->SetFocus();
        XGSWindowInitRecord r = WindowRecord();
        window = new XGWindow(r, nullptr);
        _GMainWindow = window->GetHWND();
    }
    void TearDown() override
    {
        while (XGWindow::gList)
            delete XGWindow::gList;
        _GMainWindow = nullptr;
        delete app;
    }

    PingApp* app = nullptr;
    XGWindow* window = nullptr;
};

}  // namespace

TEST_F(ViewInWindow, ViewsShowOnTheWindowsNativeWindowAndFillItsClientArea)
{
    XGView* panel = new XGView(window, Fill(1));
    XGView* inner = new XGView(panel, Fixed(2, 10, 10, 20, 20));
    EXPECT_EQ(inner->GetWindow(), window);
    EXPECT_EQ(inner->GetRootWindow(), window->GetHWND());
    tagRECT client = window->GetContentRect();
    EXPECT_GT(client.right, 0);
    EXPECT_EQ(panel->GetSize().h, client.right);
    EXPECT_EQ(panel->GetSize().v, client.bottom);
}

TEST_F(ViewInWindow, MessagesClimbFromTheViewThroughTheWindowToTheApplication)
{
    XGView* panel = new XGView(window, Fill(1));
    XGView* inner = new XGView(panel, Fixed(2, 10, 10, 20, 20));
    EXPECT_EQ(inner->DoDispatch('ping', 42, nullptr, true), 7);
    EXPECT_EQ(app->pinged, 42);
    EXPECT_EQ(inner->DoDispatch('ping', 43, nullptr, false), -1);
}

TEST_F(ViewInWindow, FocusViewIsRecordedInTheWindowAndTakesTheNativeFocus)
{
    XGView* view = new XGView(window, Fixed(1, 10, 10, 50, 50));
    ASSERT_EQ(XGWindow::GetFrontWindow(), window);
    SetFocus(nullptr);
    view->SetFocus();
    EXPECT_TRUE(view->HasFocus());
    EXPECT_EQ(window->GetFocusView(), view);
    EXPECT_EQ(GetFocus(), window->GetHWND());
}

TEST_F(ViewInWindow, HidingTheFocusViewGivesTheFocusToItsWindow)
{
    HidingView* parent = new HidingView(window, Fixed(1, 10, 10, 100, 100));
    XGView* child = new XGView(parent, Fixed(2, 10, 10, 50, 50));
    child->SetFocus();
    parent->Hide();
    EXPECT_TRUE(window->HasFocus());
    EXPECT_EQ(window->GetFocusView(), window);
}

TEST_F(ViewInWindow, DestroyingTheFocusViewMakesItsParentTheWindowsFocusView)
{
    XGView* parent = new XGView(window, Fixed(1, 10, 10, 100, 100));
    XGView* child = new XGView(parent, Fixed(2, 10, 10, 50, 50));
    child->SetFocus();
    delete child;
    EXPECT_EQ(window->GetFocusView(), parent);
}

TEST_F(ViewInWindow, DestroyingTheViewUnderTheMouseClearsTheTracking)
{
    XGView* view = new XGView(window, Fixed(1, 10, 10, 100, 100));
    XGWindow::ProcessMouseEnter(Pt(20, 20), 0, view);
    EXPECT_EQ(XGWindow::gLastView, view);
    EXPECT_EQ(XGWindow::gLastHWND, window->GetHWND());
    XGEventLoop::gCaptureView = view;
    delete view;
    EXPECT_EQ(XGWindow::gLastView, nullptr);
    EXPECT_EQ(XGWindow::gLastHWND, nullptr);
    EXPECT_EQ(XGEventLoop::gCaptureView, nullptr);
}

TEST_F(ViewInWindow, ViewOfTheActiveWindowIsActive)
{
    XGView* view = new XGView(window, Fixed(1, 10, 10, 100, 100));
    SetActiveWindow(window->GetHWND());
    EXPECT_TRUE(view->IsActive());
    std::unique_ptr<XGView> loose(new XGView(static_cast<XGWindow*>(nullptr)));
    EXPECT_FALSE(loose->IsActive());
}

// The front window is kept from the activations the windows are told of; it
// must name the same framework window as the system's active window through
// every change: between framework windows, to a window that is not one of
// them, and when the active window goes.
TEST_F(ViewInWindow, TheFrontWindowFollowsTheSystemsActiveWindow)
{
    _GMainWindow = nullptr;
    auto truth = [] { return XGWindow::GetXGWindow(GetActiveWindow()); };
    XGSWindowInitRecord r = WindowRecord();
    strcpy(r.fTitle, "second");
    XGWindow* second = new XGWindow(r, nullptr);

    window->SelectWindow();
    EXPECT_EQ(XGWindow::GetFrontWindow(), window);
    second->SelectWindow();
    EXPECT_EQ(XGWindow::GetFrontWindow(), second);

    HWND foreign = CreateWindowExA(0, "STATIC", "foreign", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200,
                                   100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(foreign, nullptr);
    SetActiveWindow(foreign);
    ASSERT_EQ(GetActiveWindow(), foreign);
    EXPECT_EQ(XGWindow::GetFrontWindow(), nullptr);
    SetActiveWindow(window->GetHWND());
    EXPECT_EQ(XGWindow::GetFrontWindow(), window);
    SetActiveWindow(foreign);
    DestroyWindow(foreign);
    EXPECT_EQ(XGWindow::GetFrontWindow(), truth());

    second->SelectWindow();
    delete second;
    EXPECT_EQ(XGWindow::GetFrontWindow(), truth());
    SetActiveWindow(window->GetHWND());
    ShowWindow(window->GetHWND(), SW_HIDE);
    EXPECT_EQ(XGWindow::GetFrontWindow(), truth());
    SetActiveWindow(nullptr);
    EXPECT_EQ(XGWindow::GetFrontWindow(), truth());
}
