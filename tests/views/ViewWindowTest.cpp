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
#include "dispatch/XGEventLoop.h"
#include "dispatch/XGGlobals.h"
#include "views/XGControlLink.h"
#include "views/XGFont.h"
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

// A view that counts its drawings.
class CountingView : public XGView {
public:
    CountingView(XGView* parent, const XGSViewInitRecord& record) : XGView(parent, record) {}
    void DoDrawView(tagRECT) override { ++drawn; }
    int drawn = 0;
};

void PaintPending(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// A window just shown waits to be drawn whole: views made then need mark
// nothing, and are drawn with it. Once it has been painted, a new view marks
// its own area and is drawn.
TEST_F(ViewInWindow, ViewsMadeBeforeAndAfterTheFirstPaintAreDrawn)
{
    XGSWindowInitRecord r = WindowRecord();
    r.fShow = false;
    XGWindow* late = new XGWindow(r, nullptr);
    late->ShowWindow();
    EXPECT_TRUE(late->IsWhollyInvalid());
    CountingView* early = new CountingView(late, Fixed(1, 10, 10, 50, 50));
    RECT client, update;
    GetClientRect(late->GetHWND(), &client);
    ASSERT_TRUE(GetUpdateRect(late->GetHWND(), &update, FALSE));
    EXPECT_TRUE(EqualRect(&client, &update));
    PaintPending(late->GetHWND());
    EXPECT_FALSE(late->IsWhollyInvalid());
    EXPECT_EQ(early->drawn, 1);

    CountingView* after = new CountingView(late, Fixed(2, 60, 20, 90, 70));
    ASSERT_TRUE(GetUpdateRect(late->GetHWND(), &update, FALSE));
    EXPECT_EQ(update.left, 60);
    EXPECT_EQ(update.top, 20);
    EXPECT_EQ(update.right, 90);
    EXPECT_EQ(update.bottom, 70);
    PaintPending(late->GetHWND());
    EXPECT_EQ(after->drawn, 1);
    EXPECT_EQ(early->drawn, 1);

    // Hidden and shown again, it waits to be drawn whole once more.
    late->HideWindow();
    late->ShowWindow();
    EXPECT_TRUE(late->IsWhollyInvalid());
    PaintPending(late->GetHWND());
    EXPECT_EQ(early->drawn, 2);
    EXPECT_EQ(after->drawn, 2);
    delete late;
}

// A control's object is found by its link, and a window that carries the
// property without one (linked by other means) by the property. A control
// unlinked while its root window goes keeps the property but leads nowhere.
TEST_F(ViewInWindow, ControlsLeadToTheirObjectsUntilUnlinked)
{
    HWND root = window->GetHWND();
    auto child = [&] {
        return CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, root, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    };
    XGView* owner = new XGView(window, Fixed(1, 0, 0, 20, 20));
    HWND control = child();
    XGControlLink::Link(control, owner, root);
    EXPECT_EQ(XGControlLink::Find(control), owner);
    EXPECT_EQ(GetPropA(control, _GControlClass), static_cast<HANDLE>(static_cast<XGDispatch*>(owner)));
    EXPECT_TRUE(XGControlLink::Unlink(control, owner, false));
    EXPECT_EQ(XGControlLink::Find(control), nullptr);
    EXPECT_EQ(GetPropA(control, _GControlClass), nullptr);

    HWND other = child();
    SetPropA(other, _GControlClass, static_cast<HANDLE>(static_cast<XGDispatch*>(owner)));
    EXPECT_EQ(XGControlLink::Find(other), owner);
    RemovePropA(other, _GControlClass);

    XGControlLink::Link(control, owner, root);
    EXPECT_TRUE(XGControlLink::Unlink(control, owner, true));
    EXPECT_EQ(XGControlLink::Find(control), nullptr);
    EXPECT_NE(GetPropA(control, _GControlClass), nullptr);
    XGControlLink::ForgetRoot(root);
    RemovePropA(control, _GControlClass);
    DestroyWindow(control);
    DestroyWindow(other);
}

// A link lasts as long as its native window, however that is destroyed, and
// holds the control's font until then; the object of a window gone (whose
// handle may name another window by then) unlinks nothing.
TEST_F(ViewInWindow, AControlLinkGoesWithItsNativeWindowAndHoldsItsFontTillThen)
{
    HWND root = window->GetHWND();
    XGView* owner = new XGView(window, Fixed(1, 0, 0, 20, 20));
    XGView* stranger = new XGView(window, Fixed(2, 0, 0, 20, 20));
    for (bool rootGoing : {false, true}) {
        SCOPED_TRACE(rootGoing ? "unlinked with its root going" : "still linked");
        HWND control = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, root, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
        XGFont* font = XGFont::LoadFont(1);
        const HFONT handle = font->GetFont();
        ASSERT_TRUE(XGControlLink::Link(control, owner, root, font));
        SendMessageA(control, WM_SETFONT, WPARAM(handle), FALSE);
        font->Detach();
        EXPECT_EQ(DWORD(OBJ_FONT), GetObjectType(handle));
        EXPECT_FALSE(XGControlLink::Unlink(control, stranger, false));
        EXPECT_EQ(XGControlLink::Find(control), owner);
        if (rootGoing)
            EXPECT_TRUE(XGControlLink::Unlink(control, owner, true));
        EXPECT_EQ(DWORD(OBJ_FONT), GetObjectType(handle));

        DestroyWindow(control);
        EXPECT_EQ(XGControlLink::Find(control), nullptr);
        EXPECT_EQ(0u, GetObjectType(handle));
        EXPECT_FALSE(XGControlLink::Unlink(control, owner, false));
    }
}

// A window made shown comes up active and above the windows made before it,
// whether or not bringing it to the front had anything left to do.
TEST_F(ViewInWindow, AWindowMadeShownIsActiveAndAboveTheEarlierOnes)
{
    XGSWindowInitRecord r = WindowRecord();
    strcpy(r.fTitle, "later");
    XGWindow* later = new XGWindow(r, nullptr);
    EXPECT_EQ(GetActiveWindow(), later->GetHWND());
    EXPECT_TRUE(IsWindowVisible(later->GetHWND()));
    bool below = false;
    for (HWND w = GetWindow(later->GetHWND(), GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        below = below || w == window->GetHWND();
    EXPECT_TRUE(below);

    // Brought back to the front, the first window is above the later one.
    window->SelectWindow();
    EXPECT_EQ(GetActiveWindow(), window->GetHWND());
    below = false;
    for (HWND w = GetWindow(window->GetHWND(), GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        below = below || w == later->GetHWND();
    EXPECT_TRUE(below);
    delete later;
}
