// The procedures of the multiple-document frame and its tool bar strip, with
// framework windows as children of the MDI client.
#include "WindowsTestSupport.h"

#include <cstring>

#include "core/XGAppMultiWindow.h"
#include "dispatch/XGGlobals.h"
#include "foundation/XGWide.h"
#include "views/XGWindowProc.h"

namespace windowstest {
namespace {

const char kMainClass[] = "KeboTestMDIFrame";
const char kToolClass[] = "KeboTestToolStrip";
const char kChildClass[] = "KeboTestMDIChild";

void Register(const char* name, WNDPROC proc)
{
    const XGWide wideName(name);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = _GInstance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
    wc.lpszClassName = wideName;
    RegisterClassExW(&wc);
}

class FrameTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Register(kMainClass, _GMainMDIWindowProc);
        Register(kToolClass, _GToolBarWindowProc);
        Register(kChildClass, _GChildWindowProc);
        // Document windows of an MDI application live in a class of their own.
        std::strcpy(fSavedClass, _GWindowClass);
        std::strcpy(_GWindowClass, kChildClass);
        _GMainWindow = CreateWindowExA(0, kMainClass, "Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 700,
                                       560, nullptr, nullptr, _GInstance, nullptr);
        fMain = _GMainWindow;
        ShowWindow(fMain, SW_SHOWNOACTIVATE);
    }
    void TearDown() override
    {
        while (XGWindow::gList)
            delete XGWindow::gList;
        if (_GToolWindow)
            DestroyWindow(_GToolWindow);
        if (fMain)
            DestroyWindow(fMain);
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        _GMDIWindow = nullptr;
        std::strcpy(_GWindowClass, fSavedClass);
        WindowTest::TearDown();
    }
    char fSavedClass[kXGClassNameSize] = "";
    HWND fMain = nullptr;
    std::vector<std::string> fLog;
};

TEST_F(FrameTest, FrameCreatesItsClientAndEndsTheLoopWhenDestroyed)
{
    ASSERT_NE(nullptr, fMain);
    ASSERT_NE(nullptr, _GMDIWindow);
    EXPECT_EQ(fMain, GetParent(_GMDIWindow));
    char name[32];
    GetClassNameA(_GMDIWindow, name, sizeof name);
    EXPECT_STREQ("MDIClient", name);

    DestroyWindow(fMain);
    fMain = nullptr;
    EXPECT_EQ(nullptr, _GMainWindow);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(FrameTest, DocumentWindowsBecomeChildrenOfTheClient)
{
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 200, 100);
    r.fShow = true;
    XGWindow* window = new XGWindow(r, nullptr);
    ASSERT_NE(nullptr, window->GetHWND());
    EXPECT_EQ(_GMDIWindow, GetParent(window->GetHWND()));
    EXPECT_EQ(window, XGWindow::GetFrontWindow());

    const HWND hwnd = window->GetHWND();
    delete window;
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(nullptr, XGWindow::GetFrontWindow());
}

TEST_F(FrameTest, WindowWiderThanTheClientStartsAtItsLeftEdge)
{
    // Centred, the 640-pixel window would start left of a 600-pixel client;
    // raised to 24 and then clamped, its left edge ends on the client's.
    MoveWindow(_GMDIWindow, 0, 0, 600, 500, FALSE);
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 640, 200);
    XGWindow* window = new XGWindow(r, nullptr);
    RECT frame;
    GetWindowRect(window->GetHWND(), &frame);
    MapWindowPoints(nullptr, _GMDIWindow, reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_EQ(0, frame.left);
}

TEST_F(FrameTest, ToolBarViewIsAtLeast4096WideAndTheStripSitsAboveTheClient)
{
    XGSViewInitRecord record = View(0, 0, 0, 10, 10);
    LogView* tool = new LogView(nullptr, record, &fLog);
    tool->fAccept = true;
    _GToolView = tool;
    _GToolWindow = CreateWindowExA(0, kToolClass, "MyToolbar", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, fMain, nullptr,
                                   _GInstance, nullptr);
    ASSERT_NE(nullptr, _GToolWindow);
    EXPECT_EQ(_GToolWindow, tool->GetRootWindow());
    EXPECT_EQ(4096, tool->GetSize().h);
    EXPECT_EQ(10, tool->GetSize().v);

    SendMessageA(fMain, WM_SIZE, 0, 0);
    RECT client, strip, mdi;
    GetClientRect(fMain, &client);
    GetWindowRect(_GToolWindow, &strip);
    GetWindowRect(_GMDIWindow, &mdi);
    MapWindowPoints(nullptr, fMain, reinterpret_cast<POINT*>(&strip), 2);
    MapWindowPoints(nullptr, fMain, reinterpret_cast<POINT*>(&mdi), 2);
    EXPECT_EQ((RECT{0, 0, client.right, 27}).bottom, strip.bottom);
    EXPECT_EQ(client.right, strip.right);
    EXPECT_EQ(27, mdi.top);
    EXPECT_EQ(client.bottom, mdi.bottom);
    EXPECT_EQ(4096, tool->GetSize().h);
    EXPECT_EQ(27, tool->GetSize().v);

    XGWindow::ProcessMouseLeave();
    fLog.clear();
    SendMessageA(_GToolWindow, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 6));
    EXPECT_EQ(_GToolWindow, GetCapture());
    SendMessageA(_GToolWindow, WM_LBUTTONUP, 0, MAKELPARAM(7, 8));
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ((std::vector<std::string>{"enter 0 5,6 0000", "down 0 5,6 0000", "up 0 7,8 2000"}), fLog);

    DestroyWindow(_GToolWindow);
    EXPECT_EQ(nullptr, _GToolWindow);
    EXPECT_EQ(nullptr, _GToolView);
}

}  // namespace
}  // namespace windowstest
