// The launcher's windows from the keyboard, in the same program as the view
// tests (whose environment binds the launcher's class codes): Tab order over
// the picture buttons, Space and Enter pressing the focused one, and the
// focus mark that only a keyboard user sees.
#include "HCYInstallerView.h"
#include "HCYPictureButton.h"
#include "dispatch/XGDispatch.h"
#include "dispatch/XGMessages.h"
#include "foundation/XGKeys.h"
#include "forms/XGWindowFactory.h"
#include "views/XGWindow.h"
#include "views/XGWindowProc.h"

#include "../support/TestWin32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

const short kStartWindow = 128;
const short kOfferWindow = 129;

bool QuitPosted()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            return true;
        DispatchMessageA(&msg);
    }
    return false;
}

short FocusID()
{
    XGView* view = dynamic_cast<XGView*>(XGDispatch::GetFocus());
    return view ? view->GetViewID() : -1;
}

// The view IDs the focus visits, one key after another, from the window
// itself holding the focus.
std::vector<short> Walk(XGWindow* window, unsigned short modifiers, int keys)
{
    window->SetFocus();
    std::vector<short> visited;
    for (int i = 0; i < keys; ++i) {
        XGDispatch::SendDispatch(kMsgKey, XGKeyArg(modifiers, kKeyTab), nullptr);
        visited.push_back(FocusID());
    }
    return visited;
}

// The pixels along the top edge of a button's focus mark.
std::vector<COLORREF> MarkEdge(XGWindow* window, XGView* button)
{
    const tagRECT r = button->GetGlobalRect();
    std::vector<COLORREF> edge;
    for (int h = r.left + 4; h < r.right - 4; ++h)
        edge.push_back(testsupport::Pixel(window->GetHWND(), h, r.top + 4));
    return edge;
}

// Sets the system's "always show keyboard cues" for this process's session
// while it lives (Wine's default is on, Windows' off).
class KeyboardCues {
public:
    explicit KeyboardCues(bool on)
    {
        SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &fSaved, 0);
        SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(on)), 0);
    }
    ~KeyboardCues()
    {
        SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(fSaved)), 0);
    }
    KeyboardCues(const KeyboardCues&) = delete;
    KeyboardCues& operator=(const KeyboardCues&) = delete;

private:
    BOOL fSaved = FALSE;
};

class LauncherKeys : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (fWindow) {
            ValidateRect(fWindow->GetHWND(), nullptr);
            fWindow->CloseWindow();
        }
        QuitPosted();
    }

    // The start window past its splash, without running the splash wait.
    void OpenStart()
    {
        fWindow = XGWindowFactory::CreateFromResource(kStartWindow, nullptr);
        ASSERT_NE(fWindow, nullptr);
        auto* view = dynamic_cast<HCYInstallerView*>(fWindow->GetChild()->GetChild());
        ASSERT_NE(view, nullptr);
        view->bFirst = false;
        view->ChangeBackground();
        ValidateRect(fWindow->GetHWND(), nullptr);
    }

    void OpenOffer()
    {
        fWindow = XGWindowFactory::CreateFromResource(kOfferWindow, nullptr);
        ASSERT_NE(fWindow, nullptr);
        SetForegroundWindow(fWindow->GetHWND());
        UpdateWindow(fWindow->GetHWND());
        QuitPosted();
    }

    XGWindow* fWindow = nullptr;
};

struct TabCase {
    const char* window;
    unsigned short modifiers;
    std::vector<short> visited;
};

TEST_F(LauncherKeys, TabAndShiftTabVisitThePictureButtonsInViewIDOrderAndWrap)
{
    const TabCase cases[] = {
        {"start", 0, {HCYPictureButton::kInstall, HCYPictureButton::kExit, HCYPictureButton::kInstall}},
        {"start", kModShift, {HCYPictureButton::kExit, HCYPictureButton::kInstall, HCYPictureButton::kExit}},
        {"offer", 0,
         {HCYPictureButton::kInstallQuickTime, HCYPictureButton::kClose, HCYPictureButton::kInstallQuickTime}},
        {"offer", kModShift,
         {HCYPictureButton::kClose, HCYPictureButton::kInstallQuickTime, HCYPictureButton::kClose}},
    };
    for (const TabCase& c : cases) {
        SCOPED_TRACE(std::string(c.window) + (c.modifiers ? " Shift+Tab" : " Tab"));
        if (std::string(c.window) == "start")
            OpenStart();
        else
            OpenOffer();
        EXPECT_EQ(Walk(fWindow, c.modifiers, 3), c.visited);
        TearDown();
        fWindow = nullptr;
    }
}

TEST_F(LauncherKeys, DuringTheSplashTabFindsNoButton)
{
    fWindow = XGWindowFactory::CreateFromResource(kStartWindow, nullptr);
    ASSERT_NE(fWindow, nullptr);
    EXPECT_EQ(Walk(fWindow, 0, 1), std::vector<short>{0});  // the window keeps it
}

// The offer is a dialog without a procedure of its own; the keys come
// through the event loop's keyboard translation as the user's do.
TEST_F(LauncherKeys, TabTabThenSpaceInTheOfferPressesClose)
{
    OpenOffer();
    fWindow->SetFocus();
    XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_TAB, 1);
    XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_TAB, 1);
    ASSERT_EQ(FocusID(), HCYPictureButton::kClose);
    XGWindowProc::ProcKeyboardCommon(WM_CHAR, L' ', 1);
    EXPECT_FALSE(IsWindowVisible(fWindow->GetHWND()));
}

TEST_F(LauncherKeys, EnterPressesTheFocusedButtonNotInstall)
{
    OpenStart();
    Walk(fWindow, kModShift, 1);
    ASSERT_EQ(FocusID(), HCYPictureButton::kExit);
    XGWindowProc::ProcKeyboardCommon(WM_CHAR, L'\r', 1);
    EXPECT_TRUE(QuitPosted());
}

TEST_F(LauncherKeys, OtherKeysOnAFocusedButtonDoNothing)
{
    OpenStart();
    Walk(fWindow, kModShift, 1);
    XGWindowProc::ProcKeyboardCommon(WM_CHAR, L'x', 1);
    EXPECT_FALSE(QuitPosted());
    EXPECT_EQ(FocusID(), HCYPictureButton::kExit);
}

// A mouse user's click gives a button the focus; the picture must stay as
// it was until the keyboard moves the focus, and the mark must go without
// a trace when the focus moves on.
TEST_F(LauncherKeys, TheFocusMarkShowsOnlyAfterTabAndLeavesThePictureAsItWas)
{
    KeyboardCues off(false);
    OpenOffer();
    auto* install = dynamic_cast<HCYPictureButton*>(fWindow->FindViewByID(HCYPictureButton::kInstallQuickTime));
    ASSERT_NE(install, nullptr);
    const std::vector<COLORREF> plain = MarkEdge(fWindow, install);

    install->SetFocus();  // as a click's release does
    EXPECT_FALSE(fWindow->FocusMarksShown());
    EXPECT_EQ(MarkEdge(fWindow, install), plain);

    Walk(fWindow, 0, 1);
    ASSERT_EQ(FocusID(), HCYPictureButton::kInstallQuickTime);
    EXPECT_TRUE(fWindow->FocusMarksShown());
    EXPECT_NE(MarkEdge(fWindow, install), plain);

    XGDispatch::SendDispatch(kMsgKey, XGKeyArg(0, kKeyTab), nullptr);
    ASSERT_EQ(FocusID(), HCYPictureButton::kClose);
    EXPECT_EQ(MarkEdge(fWindow, install), plain);
}

// The user who asked the system to always show keyboard cues sees the mark
// wherever the focus is, without pressing Tab first.
TEST_F(LauncherKeys, WithKeyboardCuesAlwaysOnTheFocusedButtonShowsItsMarkAtOnce)
{
    KeyboardCues on(true);
    OpenOffer();
    auto* install = dynamic_cast<HCYPictureButton*>(fWindow->FindViewByID(HCYPictureButton::kInstallQuickTime));
    ASSERT_NE(install, nullptr);
    const std::vector<COLORREF> plain = MarkEdge(fWindow, install);
    install->SetFocus();
    EXPECT_TRUE(fWindow->FocusMarksShown());
    EXPECT_NE(MarkEdge(fWindow, install), plain);
}

// The system's own word on keyboard cues, as Alt or a native dialog sends it.
TEST_F(LauncherKeys, TheSystemsUIStateMessageShowsAndHidesTheMarks)
{
    KeyboardCues off(false);
    OpenOffer();
    SendMessageW(fWindow->GetHWND(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    EXPECT_TRUE(fWindow->FocusMarksShown());
    SendMessageW(fWindow->GetHWND(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    EXPECT_FALSE(fWindow->FocusMarksShown());
}

}  // namespace
