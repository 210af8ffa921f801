#include <gtest/gtest.h>

#include <memory>

#include "../controls/KeboTestSupport.h"
#include "core/XGAppSingleWindow.h"
#include "dispatch/XGBroadcast.h"
#include "foundation/XGWide.h"
#include "foundation/XGError.h"
#include "controls/XGMenu.h"
#include "controls/XGMenuBar.h"
#include "dispatch/XGMenuStatus.h"
#include "views/XGWindowProc.h"

using namespace kebotest;

namespace {

XGWindow* MakeWindow(const char* title, short kind = 0, short menuBar = 0)
{
    XGSWindowInitRecord r = WindowRecord(kind, title, 200, 120, menuBar);
    return new XGWindow(r, nullptr);
}

std::string Title(XGWindow* window)
{
    char title[256];
    window->GetTitle(title);
    return title;
}

class Frames : public ::testing::Test {
protected:
    void SetUp() override { fApp = new TestApp(); }
    void TearDown() override
    {
        while (XGWindow::gList)
            delete XGWindow::gList;
        delete fApp;
        Pump();
    }

    std::vector<std::string> ListedTitles() const
    {
        std::vector<std::string> titles;
        for (long i = 0; i < fApp->GetWindowCount(); ++i)
            titles.push_back(Title(fApp->GetWindowRecord(i).fWindow));
        return titles;
    }
    // The Windows menu of a listed window's own menu bar, item by item.
    static std::vector<std::string> WindowsMenu(XGMenuBar* bar)
    {
        std::vector<std::string> items;
        XGMenu* menu = bar->GetMenu(3);
        for (long i = 0; i < menu->GetLength(); ++i) {
            char text[300];
            GetMenuStringA(menu->GetMenu(), UINT(i), text, sizeof text, MF_BYPOSITION);
            items.push_back(std::string(text) + " " + std::to_string(menu->GetItemID(i)));
        }
        return items;
    }
    short DigitOf(XGWindow* window) const
    {
        for (long i = 0; i < fApp->GetWindowCount(); ++i)
            if (fApp->GetWindowRecord(i).fWindow == window)
                return fApp->GetWindowRecord(i).fDigit;
        return -99;
    }

    TestApp* fApp = nullptr;
};

TEST_F(Frames, WindowListIsSortedByTitleWithLettersFolded)
{
    XGWindow* beta = MakeWindow("beta");
    MakeWindow("Alpha");
    MakeWindow("alpha2");
    EXPECT_EQ((std::vector<std::string>{"Alpha", "alpha2", "beta"}), ListedTitles());
    // Digits and numbers follow creation; the menu follows the list.
    XGMenuBar* bar = fApp->GetWindowRecord(2).fMenuBar;
    EXPECT_EQ((std::vector<std::string>{"&2 Alpha 28673", "&3 alpha2 28674", "&1 beta 28672"}), WindowsMenu(bar));

    beta->SetTitle("Aardvark");
    EXPECT_EQ((std::vector<std::string>{"Aardvark", "Alpha", "alpha2"}), ListedTitles());
    EXPECT_EQ("&1 Aardvark 28672", WindowsMenu(bar)[0]);
}

TEST_F(Frames, AClosedWindowsDigitGoesToTheNextWindow)
{
    MakeWindow("one");
    XGWindow* two = MakeWindow("two");
    MakeWindow("three");
    EXPECT_EQ(2, DigitOf(two));
    delete two;
    XGWindow* four = MakeWindow("four");
    EXPECT_EQ(2, DigitOf(four));
    for (long i = 0; i < fApp->GetWindowCount(); ++i)
        if (fApp->GetWindowRecord(i).fWindow == four)
            EXPECT_EQ(0x7001, fApp->GetWindowRecord(i).fCommand);
}

TEST_F(Frames, TheTenthWindowHasNoDigit)
{
    XGWindow* last = nullptr;
    for (int i = 0; i < 10; ++i)
        last = MakeWindow(("w" + std::to_string(i)).c_str());
    EXPECT_EQ(-1, DigitOf(last));
    XGMenuBar* bar = fApp->GetWindowRecord(0).fMenuBar;
    EXPECT_EQ("w9 28681", WindowsMenu(bar).back());
}

TEST_F(Frames, DialogStyleAndMenuLessWindows)
{
    XGWindow* dialog = MakeWindow("dialog", 2);
    EXPECT_EQ(0, fApp->GetWindowCount());  // never listed
    XGWindow* bare = MakeWindow("bare", 0, -1);
    ASSERT_EQ(1, fApp->GetWindowCount());
    EXPECT_EQ(nullptr, fApp->GetWindowRecord(0).fMenuBar);
    EXPECT_EQ(nullptr, GetMenu(bare->GetHWND()));
    delete dialog;
}

TEST_F(Frames, TheLastListedWindowGoingAsksOnceToQuit)
{
    XGWindow* first = MakeWindow("first");
    XGWindow* second = MakeWindow("second");
    XGWindow* dialog = MakeWindow("dialog", 2);
    fApp->SetFocus();
    delete dialog;
    EXPECT_EQ(0, fApp->fQuits);
    delete first;
    EXPECT_EQ(0, fApp->fQuits);
    delete second;
    EXPECT_EQ(1, fApp->fQuits);
}

TEST_F(Frames, WindowItemsAreEnabledAndTheFrontOneChecked)
{
    XGWindow* one = MakeWindow("one");
    XGWindow* two = MakeWindow("two");
    two->SelectWindow();
    Pump();
    ASSERT_EQ(two, XGWindow::GetFrontWindow());
    XGMenuStatus status;
    EXPECT_EQ(1, fApp->DoDispatch('stat', 0x7001, &status, false));
    EXPECT_TRUE(status.enabled);
    EXPECT_TRUE(status.checked);
    status = XGMenuStatus();
    EXPECT_EQ(1, fApp->DoDispatch('stat', 0x7000, &status, false));
    EXPECT_FALSE(status.checked);
    status = XGMenuStatus();
    EXPECT_EQ(-1, fApp->DoDispatch('stat', 12, &status, false));     // "Empty" stays disabled
    EXPECT_EQ(-1, fApp->DoDispatch('stat', 9, &status, false));      // no MDI client: no tiling
    EXPECT_FALSE(status.enabled);

    EXPECT_EQ(1, fApp->DoDispatch('menu', 0x7000, nullptr, false));
    Pump();
    EXPECT_EQ(one, XGWindow::GetFrontWindow());
    EXPECT_EQ(-1, fApp->DoDispatch('menu', 0x7005, nullptr, false));  // nobody has it
}

TEST_F(Frames, MenuStatusAndCommandsDeclineDuringAModalLoop)
{
    XGWindow* window = MakeWindow("modal");
    fApp->SetFocus();
    long status = 0, command = 0, swallowed = 0;
    bool enabled = true;
    fApp->fOnIdle = [&] {
        XGMenuStatus s;
        status = fApp->DoDispatch('stat', 0x7000, &s, false);
        enabled = s.enabled;
        command = fApp->DoDispatch('menu', 9, nullptr, false);
        swallowed = window->DoDispatch('stat', 0x7000, &s, true);
    };
    PostMessageA(window->GetHWND(), WM_NULL, 0, 0);
    fApp->RunOnce(window);
    fApp->fOnIdle = nullptr;
    EXPECT_EQ(-1, status);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(-1, command);
    EXPECT_EQ(0, swallowed);  // the window itself keeps them from the application
}

TEST_F(Frames, CurrentMenuIsTheEventOwnersOrTheFrontWindows)
{
    XGWindow* one = MakeWindow("one");
    XGWindow* two = MakeWindow("two");
    two->SelectWindow();
    Pump();
    XGMenuBar* barOne = nullptr;
    XGMenuBar* barTwo = nullptr;
    for (long i = 0; i < fApp->GetWindowCount(); ++i) {
        const XGLstRecord& r = fApp->GetWindowRecord(i);
        (r.fWindow == one ? barOne : barTwo) = r.fMenuBar;
    }
    EXPECT_EQ(barTwo, fApp->GetCurMenu());
    EXPECT_EQ(barTwo, XGWindowProc::GetCurMenu());
    fApp->SetEventOwner(one);
    EXPECT_EQ(barOne, fApp->GetCurMenu());
    fApp->SetEventOwner(nullptr);
}

TEST_F(Frames, PostPeriodicUpdatesEveryListedWindowsMenuBar)
{
    XGWindow* window = MakeWindow("posted");
    HMENU bar = GetMenu(window->GetHWND());
    ASSERT_NE(nullptr, bar);
    fApp->SetFocus();
    XGBroadcast::SendBroadcast('post', 0, nullptr);
    // Exit is always enabled by the core; Search has nobody to enable it.
    EXPECT_EQ(0u, GetMenuState(GetSubMenu(bar, 0), 11, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_NE(0u, GetMenuState(bar, 2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(nullptr, _GToolView);  // no tool bar resource: no tool bar
}

TEST(SingleWindow, RunWithoutAWindowIsWindowNotBuilt)
{
    XGAppSingleWindow app;
    try {
        app.Run();
        FAIL() << "Run went on without a window";
    } catch (const XGPostError&) {
        EXPECT_STREQ("Window not built", XGPostError::gSMessage);
    }
}

TEST(SingleWindow, ASecondMainWindowIsWindowAlreadyBuilt)
{
    XGAppSingleWindow app;
    XGWindow* first = MakeWindow("main");
    EXPECT_EQ(first, app.GetAppWindow());
    EXPECT_EQ(first->GetHWND(), _GMainWindow);
    ASSERT_NE(nullptr, app.GetAppMenuBar());
    EXPECT_EQ(128, app.GetAppMenuBar()->GetResID());
    EXPECT_EQ(app.GetAppMenuBar(), app.GetCurMenu());
    try {
        MakeWindow("second");
        FAIL() << "a second main window was built";
    } catch (const XGPostError&) {
        EXPECT_STREQ("Window already built", XGPostError::gSMessage);
    }
    XGWindow* dialog = MakeWindow("dialog", 2);  // other kinds are no main window
    EXPECT_EQ(first, app.GetAppWindow());
    delete dialog;
    delete first;
    EXPECT_EQ(nullptr, app.GetAppWindow());
    EXPECT_EQ(nullptr, _GMainWindow);
    while (XGWindow::gList)
        delete XGWindow::gList;
}

TEST(SingleWindow, AMainWindowWithoutAMenuBarFailsItsAssertion)
{
    XGAppSingleWindow app;
    try {
        MakeWindow("no menu", 0, -1);
        FAIL() << "built";
    } catch (const XGPostError&) {
        EXPECT_STREQ("Internal software error (menuID != -1) at XGAppSingleWindow 157", XGPostError::gLMessage);
    }
    while (XGWindow::gList)
        delete XGWindow::gList;
}

TEST(FrameClasses, SingleDocumentClassesUseTheSingleWindowProcedure)
{
    TestApp app;
    struct { const char* name; int background; } table[] = {
        {_GWindowClass, COLOR_WINDOW}, {_GDlogClass, COLOR_BTNFACE}};
    for (auto& row : table) {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExW(_GInstance, XGWide(row.name), &wc)) << row.name;
        EXPECT_EQ(reinterpret_cast<WNDPROC>(_GSingleWindowProc), wc.lpfnWndProc) << row.name;
        EXPECT_EQ(UINT(CS_DBLCLKS), wc.style) << row.name;
        EXPECT_EQ(reinterpret_cast<HBRUSH>(INT_PTR(row.background + 1)), wc.hbrBackground) << row.name;
        EXPECT_EQ(nullptr, wc.hCursor) << row.name;
        EXPECT_EQ(nullptr, wc.lpszMenuName) << row.name;
    }
}

}  // namespace
