// The launcher's application object under Wine: what it opens at start, what
// a quit request does to it, and what it leaves behind when it is destroyed.
#include "HCYClassFields.h"
#include "HCYInstallerApp.h"
#include "HCYInstallerView.h"
#include "HCYPictureButton.h"
#include "core/XGAppCore.h"
#include "core/XGClassFields.h"
#include "files/XGAppVersion.h"
#include "files/XGFileSpecifier.h"
#include "dispatch/XGGlobals.h"
#include "forms/XGViewFactory.h"
#include "views/XGWindow.h"
#include "forms/XGWindowFactory.h"
#include "views/XGWindowProc.h"

#include "../support/TestWin32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<XGWindow*> Windows()
{
    std::vector<XGWindow*> windows;
    for (XGWindow* w = XGWindow::gList; w; w = w->GetNext())
        windows.push_back(w);
    return windows;
}

std::string TitleOf(XGWindow* window)
{
    char title[256] = {};
    GetWindowTextA(window->GetHWND(), title, sizeof(title));
    return title;
}

using testsupport::ShutdownPrivilegeEnabled;

// One application object for the whole run, as in the launcher; the start
// window is never painted here, so the splash wait does not run.
class InstallerApp : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testsupport::InitProcess();
        gApp = static_cast<HCYInstallerApp*>(StartApplication());
    }

    void TearDown() override
    {
        while (XGWindow::gList) {
            ValidateRect(XGWindow::gList->GetHWND(), nullptr);
            XGWindow::gList->CloseWindow();
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    static HCYInstallerApp* gApp;
};
HCYInstallerApp* InstallerApp::gApp = nullptr;

TEST_F(InstallerApp, StartingWithoutArgumentsOpensOneStartWindowTitledWithTwoBlanks)
{
    ASSERT_NE(gApp, nullptr);
    EXPECT_TRUE(gApp->Reboot);
    EXPECT_EQ(gApp->DoDispatch('oapp', 0, nullptr), 0);
    std::vector<XGWindow*> windows = Windows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(TitleOf(windows[0]), "Halcyra  International");
    XGView* installer = windows[0]->GetChild() ? windows[0]->GetChild()->GetChild() : nullptr;
    EXPECT_NE(dynamic_cast<HCYInstallerView*>(installer), nullptr);
}

TEST_F(InstallerApp, QuitRequestLeavesTheStartWindowOpenAndTheLoopRunning)
{
    gApp->DoDispatch('oapp', 0, nullptr);
    EXPECT_EQ(gApp->DoDispatch('qapp', 0, nullptr), 0);
    EXPECT_EQ(Windows().size(), 1u);
    EXPECT_FALSE(gApp->GetQuitFlag());
}

// Arguments are not documents of the launcher: started with any, it still
// shows its start window once.
TEST_F(InstallerApp, DocumentArgumentsOpenTheStartWindowOnce)
{
    XGFileSpecifier document;
    EXPECT_EQ(gApp->DoDispatch('odoc', 0, &document), 0);
    EXPECT_EQ(gApp->DoDispatch('odoc', 0, &document), 0);
    std::vector<XGWindow*> windows = Windows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(TitleOf(windows[0]), "Halcyra  International");
}

TEST_F(InstallerApp, StartWindowCarriesTheProgramsIcon)
{
    gApp->DoDispatch('oapp', 0, nullptr);
    std::vector<XGWindow*> windows = Windows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_NE(GetClassLongPtrA(windows[0]->GetHWND(), GCLP_HICON), 0);
}

bool QuitPosted()
{
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

// Keys reach the start window as 'keye' messages through the focus chain.
// After the splash, Enter does what Install does (without QuickTime, it
// opens the offer window) and Escape what Exit does (it posts the quit
// message); before that, and for a held key's repeats, nothing happens.
// The focus is on Install, where a click on it leaves it: Space presses the
// focused button too (the keyboard tests press Exit by its focus).
TEST_F(InstallerApp, EnterAndEscapeActLikeTheirButtonsOnceTheSplashIsOver)
{
    const long enter = 13;
    const long escape = (long(kModExtendedKey) << 16) | 0x8A;
    const long repeat = 1L << 30;
    struct Case {
        const char* name;
        long key;
        bool splashOver;
        LPARAM lastKeyBits;   // the key message the loop is handling
        bool quits;
        size_t windows;
    };
    const Case cases[] = {
        {"Escape after the splash", escape, true, 0, true, 1},
        {"Enter after the splash", enter, true, 0, false, 2},
        {"Escape during the splash", escape, false, 0, false, 1},
        {"Enter during the splash", enter, false, 0, false, 1},
        {"space after the splash", ' ', true, 0, false, 2},
        {"space during the splash", ' ', false, 0, false, 1},
        {"Escape held down", escape, true, repeat, false, 1},
        {"Enter held down", enter, true, repeat, false, 1},
    };
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    DeleteFileA((std::string(system) + "\\QuickTime.qts").c_str());

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gApp->DoDispatch('oapp', 0, nullptr);
        XGWindow* start = Windows().at(0);
        auto* installer = dynamic_cast<HCYInstallerView*>(start->GetChild()->GetChild());
        ASSERT_NE(installer, nullptr);
        if (c.splashOver)
            installer->ChangeBackground();
        // The focus where a click on a button leaves it.
        if (XGView* install = start->FindViewByID(HCYPictureButton::kInstall))
            install->SetFocus();
        XGAppCore::gLastMessage = MSG{};
        // Extended keys come from WM_KEYDOWN, characters from WM_CHAR.
        XGAppCore::gLastMessage.message = ((c.key >> 16) & kModExtendedKey) ? WM_KEYDOWN : WM_CHAR;
        XGAppCore::gLastMessage.lParam = c.lastKeyBits;

        XGDispatch::SendDispatch('keye', c.key, nullptr);

        EXPECT_EQ(QuitPosted(), c.quits);
        std::vector<XGWindow*> windows = Windows();
        EXPECT_EQ(windows.size(), c.windows);
        if (windows.size() == 2)
            EXPECT_EQ(TitleOf(windows[1]), "Halcyra  International");
        XGAppCore::gLastMessage = MSG{};
        TearDown();
    }
}

TEST_F(InstallerApp, LauncherRegistersItsClassCodesAfterTheFrameworksInItsOwnOrder)
{
    // The core's defaults come first; the launcher's ten view codes close the
    // view list and 'dlog' closes the window list.
    const long expected[] = {'scrv', 'pict', 'hlp1', 'ptb1', 'QTIn', 'text', 'list', 'popm', 'pbtn', 'chkb'};
    const long count = sizeof(expected) / sizeof(expected[0]);
    ASSERT_GE(XGViewFactory::gList.Length(), count);
    long first = XGViewFactory::gList.Length() - count;
    for (long i = 0; i < count; i++)
        EXPECT_EQ(expected[i], XGViewFactory::gList[first + i].fCode) << "position " << i;
    ASSERT_GE(XGWindowFactory::gList.Length(), 1);
    EXPECT_EQ('dlog', XGWindowFactory::gList[XGWindowFactory::gList.Length() - 1].fCode);
}

// The compiler writes a record by its class's field list: a registered code
// without one would be compiled with the common fields only.
TEST_F(InstallerApp, EveryRegisteredCodeHasAFieldList)
{
    auto listed = [](long code, bool window) {
        return XGFieldList::Find(XGClassFields::gFramework, code, window) != nullptr
            || XGFieldList::Find(HCYClassFields::gLauncher, code, window) != nullptr;
    };
    for (long i = 0; i < XGViewFactory::gList.Length(); i++)
        EXPECT_TRUE(listed(XGViewFactory::gList[i].fCode, false)) << "view code at " << i;
    for (long i = 0; i < XGWindowFactory::gList.Length(); i++)
        EXPECT_TRUE(listed(XGWindowFactory::gList[i].fCode, true)) << "window code at " << i;
}

TEST_F(InstallerApp, VersionResourceCarriesFileVersionOnePointOne)
{
    char version[256] = {};
    ASSERT_TRUE(XGGetAppVersion(version, sizeof(version)));
    EXPECT_STREQ(version, "1.1");
}

// Runs last: the application object goes for good.
TEST_F(InstallerApp, DestroyingTheApplicationEnablesTheShutdownPrivilege)
{
    EXPECT_FALSE(ShutdownPrivilegeEnabled());
    delete gApp;
    gApp = nullptr;
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

}
