#include <gtest/gtest.h>

#include "../controls/KeboTestSupport.h"
#include "dispatch/XGBroadcast.h"
#include "foundation/XGWide.h"
#include "controls/XGMenu.h"
#include "controls/XGMenuBar.h"
#include "dispatch/XGMenuStatus.h"
#include "views/XGWindowProc.h"

using namespace kebotest;

namespace {

std::vector<std::string> WindowsMenu(HMENU bar)
{
    std::vector<std::string> items;
    HMENU menu = GetSubMenu(bar, 3);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[300];
        GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
        bool grey = GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_GRAYED;
        items.push_back(std::string(text) + (grey ? " (disabled)" : ""));
    }
    return items;
}

TEST(MultipleDocuments, TheFrameKeepsOneMenuBarWithTheWindowsMenu)
{
    TestApp* app = new TestApp("Frame Test");
    ASSERT_NE(nullptr, _GMainWindow);
    ASSERT_NE(nullptr, _GMDIWindow);
    EXPECT_TRUE(app->IsMDI());
    XGMenuBar* bar = app->GetCurMenu();
    ASSERT_NE(nullptr, bar);
    app->SetFocus();

    XGBroadcast::SendBroadcast('post', 0, nullptr);
    HMENU frameMenu = GetMenu(_GMainWindow);
    EXPECT_EQ((std::vector<std::string>{"Empty (disabled)"}), WindowsMenu(frameMenu));

    XGSWindowInitRecord r = WindowRecord(0, "child", 200, 120);
    XGWindow* child = new XGWindow(r, nullptr);
    EXPECT_EQ(_GMDIWindow, GetParent(child->GetHWND()));
    ASSERT_EQ(1, app->GetWindowCount());
    EXPECT_EQ(nullptr, app->GetWindowRecord(0).fMenuBar);  // no bar of its own
    app->SetFocus();
    XGBroadcast::SendBroadcast('post', 0, nullptr);
    EXPECT_EQ((std::vector<std::string>{"&1 child"}), WindowsMenu(GetMenu(_GMainWindow)));

    // With a client and a window, tile, cascade and arrange are on.
    XGMenuStatus status;
    EXPECT_EQ(1, app->DoDispatch('stat', 9, &status, false));
    EXPECT_TRUE(status.enabled);
    EXPECT_EQ(1, app->DoDispatch('menu', 10, nullptr, false));

    delete child;
    EXPECT_EQ(0, app->fQuits);  // the frame stays open without windows
    app->SetFocus();
    XGBroadcast::SendBroadcast('post', 0, nullptr);
    EXPECT_EQ((std::vector<std::string>{"Empty (disabled)"}), WindowsMenu(GetMenu(_GMainWindow)));

    DestroyWindow(_GMainWindow);
    delete app;
    Pump();
}

TEST(MultipleDocuments, MdiClassesUseTheirOwnProcedures)
{
    TestApp* app = new TestApp("Classes");
    struct { const char* name; WNDPROC procedure; int background; bool cursor; bool menu; } table[] = {
        {_GToolClass, _GToolBarWindowProc, COLOR_BTNFACE, true, false},
        {_GMainClass, _GMainMDIWindowProc, COLOR_APPWORKSPACE, true, true},
        {_GWindowClass, _GChildWindowProc, COLOR_WINDOW, false, false},
        {_GDlogClass, _GSingleWindowProc, COLOR_BTNFACE, false, false},
    };
    for (auto& row : table) {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExW(_GInstance, XGWide(row.name), &wc)) << row.name;
        EXPECT_EQ(row.procedure, wc.lpfnWndProc) << row.name;
        EXPECT_EQ(reinterpret_cast<HBRUSH>(INT_PTR(row.background + 1)), wc.hbrBackground) << row.name;
        EXPECT_EQ(row.cursor, wc.hCursor != nullptr) << row.name;
        EXPECT_EQ(row.menu, wc.lpszMenuName == MAKEINTRESOURCEW(128)) << row.name;
    }
    DestroyWindow(_GMainWindow);
    delete app;
    Pump();
}

// Ctrl held for this thread's GetKeyState, as the MDI client's keys read it.
class ControlHeld {
public:
    ControlHeld()
    {
        GetKeyboardState(fSaved);
        BYTE held[256];
        GetKeyboardState(held);
        held[VK_CONTROL] = held[VK_LCONTROL] = 0x80;
        SetKeyboardState(held);
    }
    ~ControlHeld() { SetKeyboardState(fSaved); }
    ControlHeld(const ControlHeld&) = delete;
    ControlHeld& operator=(const ControlHeld&) = delete;

private:
    BYTE fSaved[256];
};

bool IsListedWindow(const XGWindow* window)
{
    for (XGWindow* listed = XGWindow::gList; listed; listed = listed->GetNext())
        if (listed == window)
            return true;
    return false;
}

// Ctrl+F4 closes the active document window from the main loop; in a modal
// turn the key belongs to the modal window and the document stays.
TEST(MultipleDocuments, CtrlF4ClosesTheActiveDocumentOnlyOutsideAModalTurn)
{
    struct Case {
        bool modal;
        bool closed;
    } cases[] = {{false, true}, {true, false}};
    for (const Case& c : cases) {
        TestApp* app = new TestApp("Keys");
        XGSWindowInitRecord r = WindowRecord(0, "question", 200, 120);
        XGWindow* question = new XGWindow(r, nullptr);
        r = WindowRecord(0, "document", 200, 120);
        XGWindow* document = new XGWindow(r, nullptr);
        ASSERT_EQ(document->GetHWND(),
                  reinterpret_cast<HWND>(SendMessageA(_GMDIWindow, WM_MDIGETACTIVE, 0, 0)));
        app->SetFocus();
        Pump();
        {
            ControlHeld control;
            PostMessageA(question->GetHWND(), WM_KEYDOWN, VK_F4, 1);
            app->RunOnce(c.modal ? question : nullptr);
        }
        EXPECT_EQ(c.closed, !IsListedWindow(document)) << (c.modal ? "modal" : "plain");
        while (XGWindow::gList)
            delete XGWindow::gList;
        DestroyWindow(_GMainWindow);
        delete app;
        Pump();
    }
}

// The framework's quit deletes every window: inside a modal turn, or while
// a system dialog holds the frame disabled, it is refused and nothing goes.
TEST(MultipleDocuments, AQuitIsRefusedInsideAModalLoopAndClosesEverythingOutside)
{
    enum Where { kMainLoop, kModalTurn, kFrameDisabled };
    struct Case {
        Where where;
        long answer;
    } cases[] = {{kModalTurn, -1}, {kFrameDisabled, -1}, {kMainLoop, 0}};
    for (const Case& c : cases) {
        TestApp* app = new TestApp("Quit");
        XGSWindowInitRecord r = WindowRecord(0, "question", 200, 120);
        XGWindow* question = new XGWindow(r, nullptr);
        r = WindowRecord(0, "document", 200, 120);
        XGWindow* document = new XGWindow(r, nullptr);
        app->SetFocus();
        Pump();
        long answer = 1;
        bool mayStart = true;
        app->fOnIdle = [&] {
            mayStart = app->MayStartQuit();
            answer = app->XGAppCore::DoQuitApplication(0, nullptr);
            app->fOnIdle = nullptr;
        };
        if (c.where == kFrameDisabled)
            EnableWindow(_GMainWindow, FALSE);
        PostMessageA(_GMainWindow, WM_NULL, 0, 0);
        app->RunOnce(c.where == kModalTurn ? question : nullptr);
        EnableWindow(_GMainWindow, TRUE);
        EXPECT_EQ(c.answer, answer) << c.where;
        EXPECT_EQ(c.answer == 0, mayStart) << c.where;
        EXPECT_EQ(c.answer == 0, !IsListedWindow(document)) << c.where;
        EXPECT_EQ(c.answer == 0, app->GetQuitFlag()) << c.where;
        while (XGWindow::gList)
            delete XGWindow::gList;
        DestroyWindow(_GMainWindow);
        delete app;
        Pump();
    }
}

}  // namespace
