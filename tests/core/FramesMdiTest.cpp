#include <gtest/gtest.h>

#include "../controls/KeboTestSupport.h"
#include "core/dispatch/XGBroadcast.h"
#include "controls/XGMenu.h"
#include "controls/XGMenuBar.h"
#include "core/dispatch/XGMenuStatus.h"
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
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExA(_GInstance, row.name, &wc)) << row.name;
        EXPECT_EQ(row.procedure, wc.lpfnWndProc) << row.name;
        EXPECT_EQ(reinterpret_cast<HBRUSH>(INT_PTR(row.background + 1)), wc.hbrBackground) << row.name;
        EXPECT_EQ(row.cursor, wc.hCursor != nullptr) << row.name;
        EXPECT_EQ(row.menu, wc.lpszMenuName == MAKEINTRESOURCEA(128)) << row.name;
    }
    DestroyWindow(_GMainWindow);
    delete app;
    Pump();
}

}  // namespace
