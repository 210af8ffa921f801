// The launcher's windows under Wine, built from its own VRES trees: the
// picture buttons' states and actions driven through the window procedure,
// and the installer view's switch from the splash to the main background.
#include "HCYDoInstall.h"
#include "HCYInstallerView.h"
#include "HCYPictureButton.h"
#include "HCYQTInstallerView.h"
#include "core/XGAppMultiWindow.h"
#include "records/XGArgStream.h"
#include "controls/XGButton.h"
#include "dispatch/XGDispatch.h"
#include "controls/XGCheckButton.h"
#include "dispatch/XGGlobals.h"
#include "forms/XGViewFactory.h"
#include "forms/XGViewTemplate.h"
#include "views/XGWindow.h"
#include "forms/XGWindowFactory.h"
#include "views/XGWindowProc.h"

#include "../support/TestWin32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const short kOfferWindow = 129;
const short kStartWindow = 128;

// Takes every pending message of this thread off the queue and dispatches it,
// except the quit message, which is kept for the caller to see.
bool PumpUntilQuit()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            return true;
        DispatchMessageA(&msg);
    }
    return false;
}

// The same, for up to ms milliseconds.
bool PumpUntilQuitWithin(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        if (PumpUntilQuit())
            return true;
        Sleep(20);
    }
    return false;
}

LPARAM At(int h, int v) { return MAKELPARAM(h, v); }

std::string SystemQuickTime()
{
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\QuickTime.qts";
}

void SetQuickTime(bool present)
{
    if (present)
        std::ofstream(SystemQuickTime()) << "stand-in";
    else
        DeleteFileA(SystemQuickTime().c_str());
}

bool IsOffer(XGWindow* window)
{
    XGView* root = window->GetChild();
    return root && dynamic_cast<HCYQTInstallerView*>(root->GetChild());
}

// The application object of these tests: the single-document frame with the
// launcher's codes bound, as the launcher's own object binds them.
class Launcher : public ::testing::Environment {
public:
    void SetUp() override
    {
        testsupport::InitProcess();
        fApp = new XGAppMultiWindow(nullptr);
        XGViewTemplate<HCYInstallerView>::Register('hlp1');
        XGViewTemplate<HCYPictureButton>::Register('ptb1');
        XGViewTemplate<HCYQTInstallerView>::Register('QTIn');
        XGViewTemplate<XGCheckButton>::Register('chkb');
    }
    void TearDown() override { delete fApp; }

private:
    XGAppMultiWindow* fApp = nullptr;
};
const auto* gLauncher = ::testing::AddGlobalTestEnvironment(new Launcher);

class OfferWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        fWindow = XGWindowFactory::CreateFromResource(kOfferWindow, nullptr);
        ASSERT_NE(fWindow, nullptr);
        fInstall = dynamic_cast<HCYPictureButton*>(fWindow->FindViewByID(HCYPictureButton::kInstallQuickTime));
        fClose = dynamic_cast<HCYPictureButton*>(fWindow->FindViewByID(HCYPictureButton::kClose));
        ASSERT_NE(fInstall, nullptr);
        ASSERT_NE(fClose, nullptr);
        Activate(fWindow->GetHWND());
        PumpUntilQuit();
    }

    void TearDown() override
    {
        if (fOther)
            DestroyWindow(fOther);
        ReleaseCapture();
        if (fWindow)
            fWindow->CloseWindow();
        PumpUntilQuit();
    }

    static void Activate(HWND window)
    {
        SetForegroundWindow(window);
        SetActiveWindow(window);
    }

    void Send(UINT message, int h, int v)
    {
        SendMessageA(fWindow->GetHWND(), message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, At(h, v));
    }

    // The centres of the two buttons and a spot of bare background, in the
    // window's client coordinates.
    static constexpr int kInstallH = 176, kInstallV = 397;
    static constexpr int kCloseH = 294, kCloseV = 406;
    static constexpr int kBareH = 20, kBareV = 300;

    XGWindow* fWindow = nullptr;
    HWND fOther = nullptr;
    HCYPictureButton* fInstall = nullptr;
    HCYPictureButton* fClose = nullptr;
};

TEST_F(OfferWindow, ButtonsTakeTheirThreePicturesFromTheirViewID)
{
    EXPECT_EQ(fInstall->ResIDState1, 140);
    EXPECT_EQ(fInstall->ResIDState2, 141);
    EXPECT_EQ(fInstall->ResIDState3, 142);
    EXPECT_EQ(fClose->ResIDState1, 143);
    EXPECT_EQ(fClose->ResIDState2, 144);
    EXPECT_EQ(fClose->ResIDState3, 145);
    EXPECT_EQ(fInstall->CurrentResID, 140);
    EXPECT_EQ(fClose->CurrentResID, 143);
}

TEST_F(OfferWindow, MovingOverAButtonInTheActiveWindowShowsHoverAndLeavingShowsNormal)
{
    ASSERT_EQ(GetActiveWindow(), fWindow->GetHWND());
    Send(WM_MOUSEMOVE, kInstallH, kInstallV);
    EXPECT_EQ(fInstall->CurrentResID, 141);
    Send(WM_MOUSEMOVE, kBareH, kBareV);
    EXPECT_EQ(fInstall->CurrentResID, 140);
}

TEST_F(OfferWindow, MovingOverAButtonInAnInactiveWindowKeepsItNormal)
{
    fOther = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 700, 0, 100, 100, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    Activate(fOther);
    ASSERT_NE(GetActiveWindow(), fWindow->GetHWND());
    Send(WM_MOUSEMOVE, kInstallH, kInstallV);
    EXPECT_EQ(fInstall->CurrentResID, 140);
}

TEST_F(OfferWindow, PressShowsPressedAndLosingTheFocusShowsNormal)
{
    Send(WM_MOUSEMOVE, kInstallH, kInstallV);
    Send(WM_LBUTTONDOWN, kInstallH, kInstallV);
    EXPECT_EQ(fInstall->CurrentResID, 142);
    EXPECT_EQ(GetCapture(), fWindow->GetHWND());
    ReleaseCapture();

    fInstall->SetFocus();
    fInstall->ChangePicture(fInstall->ResIDState2);
    fClose->SetFocus();
    EXPECT_EQ(fInstall->CurrentResID, 140);
}

TEST_F(OfferWindow, CloseReleasedOutsideTheButtonStillHidesTheOffer)
{
    Send(WM_MOUSEMOVE, kCloseH, kCloseV);
    Send(WM_LBUTTONDOWN, kCloseH, kCloseV);
    EXPECT_EQ(fClose->CurrentResID, 145);
    Send(WM_MOUSEMOVE, kBareH, kBareV);
    Send(WM_LBUTTONUP, kBareH, kBareV);
    EXPECT_EQ(fClose->CurrentResID, 144);
    EXPECT_FALSE(fWindow->IsVisible());
    EXPECT_FALSE(PumpUntilQuit());
}

// The demo's QuickTime stand-in records the parameters it was given.
std::string QuickTimeStandIn()
{
    std::string path = "Z:" HALCYRA_DEMO_DIR "/QuickTime/QuickTimeInstaller.exe";
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

TEST_F(OfferWindow, InstallQuickTimeStartsItsInstallerWithoutParametersAndHidesTheOffer)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "halcyra-offer";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(folder + "\\setup.ini") << "[FilePath]\nQuicktime=" << QuickTimeStandIn() << "\n";
    char start[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, start);
    SetCurrentDirectoryA(folder.c_str());
    SetEnvironmentVariableA("HALCYRA_STANDIN_QUIET", "1");
    const std::string record = QuickTimeStandIn().substr(0, QuickTimeStandIn().size() - 4) + ".args";
    DeleteFileA(record.c_str());

    Send(WM_LBUTTONDOWN, kInstallH, kInstallV);
    Send(WM_LBUTTONUP, kInstallH, kInstallV);
    SetCurrentDirectoryA(start);

    EXPECT_FALSE(fWindow->IsVisible());
    EXPECT_FALSE(PumpUntilQuit());
    bool started = false;
    for (int i = 0; i < 400 && !started; ++i) {
        started = GetFileAttributesA(record.c_str()) != INVALID_FILE_ATTRIBUTES;
        Sleep(50);
    }
    ASSERT_TRUE(started);
    Sleep(100);
    std::ifstream file(record, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), "");
}

TEST_F(OfferWindow, InstallWithoutQuickTimeBringsBackTheOneOfferInsteadOfOpeningAnother)
{
    SetQuickTime(false);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        Send(WM_LBUTTONDOWN, kCloseH, kCloseV);
        Send(WM_LBUTTONUP, kCloseH, kCloseV);
        ASSERT_FALSE(fWindow->IsVisible());
        HCYDoInstall install(0);
        install.InstallNow();
        EXPECT_TRUE(fWindow->IsVisible());
    }
    std::vector<XGWindow*> others;
    for (XGWindow* window = XGWindow::gList; window; window = window->GetNext())
        if (IsOffer(window) && window != fWindow)
            others.push_back(window);
    EXPECT_TRUE(others.empty());
    for (XGWindow* window : others)
        window->CloseWindow();
}

// A view record of the given class and view ID at (0, 0, 50, 20), visible;
// a check box ('chkb') gets font 0, value 0 and the title "Play".
std::vector<unsigned char> ViewRecord(long code, short id)
{
    std::vector<unsigned char> r;
    auto integer = [&r](long v) {
        for (int shift = 24; shift >= 0; shift -= 8)
            r.push_back(static_cast<unsigned char>(v >> shift));
    };
    auto boolean = [&r](bool b) { r.insert(r.end(), 2, b ? 0xFF : 0x00); };
    integer(0);
    integer(0);
    integer(code == 'chkb' ? 38 + 8 + 6 : 38);
    integer(code);
    integer(id);
    integer(0);
    for (bool lock : {true, true, false, false})
        boolean(lock);
    for (long offset : {0, 0, 50, 20})
        integer(offset);
    boolean(true);
    boolean(true);
    boolean(false);
    if (code == 'chkb') {
        integer(0);
        integer(0);
        r.push_back(4);
        for (char c : std::string("Play"))
            r.push_back(static_cast<unsigned char>(c));
        r.push_back(0);
    }
    return r;
}
std::vector<unsigned char> ButtonRecord(short id) { return ViewRecord('ptb1', id); }

TEST_F(OfferWindow, ButtonWithAnotherViewIDHasNoPicturesAndNoAction)
{
    for (short id : {3, 4}) {
        SCOPED_TRACE(id);
        std::vector<unsigned char> record = ButtonRecord(id);
        auto* button = dynamic_cast<HCYPictureButton*>(XGViewFactory::CreateFromData(record.data(), fWindow));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->ResIDState1, 0);
        EXPECT_EQ(button->ResIDState2, 0);
        EXPECT_EQ(button->ResIDState3, 0);
        EXPECT_TRUE(button->DoMouseDown(Point{5, 5}, 0));
        button->DoMouseUp(Point{5, 5}, kModCaptured);
        EXPECT_TRUE(fWindow->IsVisible());
        EXPECT_FALSE(PumpUntilQuit());
    }
}

// A failed start shows a modal alert; the window of the pressed button can be
// closed while it is up (from outside, the taskbar, Alt+F4). The failure
// report here stands for that alert and closes the window the way they do.
HWND gClosedDuringAlert = nullptr;
void CloseWindowDuringAlert(uint32_t, const char*)
{
    SendMessageA(gClosedDuringAlert, WM_CLOSE, 0, 0);
}

TEST(AlertOwner, WindowClosedWhileTheFailureAlertIsUpLeavesNoButtonBehind)
{
    struct Case {
        const char* name;
        short window;
        short button;
        int h, v;
        bool quits;
    };
    const Case cases[] = {
        {"Install on the start window", kStartWindow, HCYPictureButton::kInstall, 422, 429, true},
        {"Install QuickTime on the offer", kOfferWindow, HCYPictureButton::kInstallQuickTime, 176, 397, false},
    };
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "halcyra-alert-owner";
    CreateDirectoryA(folder.c_str(), nullptr);
    char start[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, start);
    SetCurrentDirectoryA(folder.c_str());
    SetQuickTime(true);
    HCYDoInstall::gLaunchFailureProc = CloseWindowDuringAlert;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        XGWindow* window = XGWindowFactory::CreateFromResource(c.window, nullptr);
        ASSERT_NE(window, nullptr);
        if (auto* view = dynamic_cast<HCYInstallerView*>(window->GetChild()->GetChild())) {
            view->bFirst = false;
            view->ChangeBackground();
        }
        HWND hwnd = window->GetHWND();
        ValidateRect(hwnd, nullptr);
        XGView* button = window->FindViewByID(c.button);
        ASSERT_NE(button, nullptr);
        gClosedDuringAlert = hwnd;

        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(c.h, c.v));
        SendMessageA(hwnd, WM_LBUTTONUP, 0, At(c.h, c.v));
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_NE(XGDispatch::GetFocus(), static_cast<XGDispatch*>(button));
        EXPECT_EQ(PumpUntilQuit(), c.quits);
    }
    HCYDoInstall::gLaunchFailureProc = nullptr;
    SetQuickTime(false);
    SetCurrentDirectoryA(start);
    RemoveDirectoryA(folder.c_str());
}

class StartWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Built without pumping its paint, so the splash wait never starts.
        fWindow = XGWindowFactory::CreateFromResource(kStartWindow, nullptr);
        ASSERT_NE(fWindow, nullptr);
        XGView* root = fWindow->GetChild();
        ASSERT_NE(root, nullptr);
        fView = dynamic_cast<HCYInstallerView*>(root->GetChild());
        ASSERT_NE(fView, nullptr);
    }

    void TearDown() override
    {
        if (fWindow) {
            ValidateRect(fWindow->GetHWND(), nullptr);
            fWindow->CloseWindow();
        }
        PumpUntilQuit();
    }

    XGWindow* fWindow = nullptr;
    HCYInstallerView* fView = nullptr;
};

TEST_F(StartWindow, StartsWithTheSplashAndBothButtonsHidden)
{
    EXPECT_EQ(fView->kBackgroundPic, 138);
    EXPECT_TRUE(fView->bFirst);
    EXPECT_FALSE(fView->FindViewByID(1)->IsVisible());
    EXPECT_FALSE(fView->FindViewByID(2)->IsVisible());
}

TEST_F(StartWindow, ChangingTheBackgroundShowsTheMainPictureAndBothButtons)
{
    fView->bFirst = false;
    fView->ChangeBackground();
    EXPECT_EQ(fView->kBackgroundPic, 127);
    EXPECT_TRUE(fView->FindViewByID(1)->IsVisible());
    EXPECT_TRUE(fView->FindViewByID(2)->IsVisible());
}

// A check box with view ID 3 is toggled by its click notice; other IDs are
// answered without touching it. ("Play Sound" is not 1 here, so no box.)
TEST_F(StartWindow, CheckBoxClickTogglesViewThreeAndEveryIDIsAnswered)
{
    std::vector<unsigned char> record = ViewRecord('chkb', 3);
    auto* box = dynamic_cast<XGButton*>(XGViewFactory::CreateFromData(record.data(), fView));
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->GetValue(), 0);
    EXPECT_EQ(fView->DoDispatch('cclk', 3, nullptr), 1);
    EXPECT_EQ(box->GetValue(), 1);
    EXPECT_EQ(fView->DoDispatch('cclk', 3, nullptr), 1);
    EXPECT_EQ(box->GetValue(), 0);
    EXPECT_EQ(fView->DoDispatch('cclk', 7, nullptr), 1);
    EXPECT_EQ(box->GetValue(), 0);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Control Panel\\Screen Saver.Halcyra");
}

TEST_F(StartWindow, GainingTheFocusSwitchesToTheMainPictureWithoutWaiting)
{
    fView->bFirst = false;
    fView->DoGainFocus();
    EXPECT_EQ(fView->kBackgroundPic, 127);
    EXPECT_FALSE(PumpUntilQuit());
}

// The splash wait runs inside the window's first paint, with its views in
// use; a close asked for during it must wait for the paint to end.
HWND gSplashWindow = nullptr;
bool gAliveAfterClose = false;
void CALLBACK CloseDuringSplash(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    SendMessageA(gSplashWindow, WM_CLOSE, 0, 0);
    gAliveAfterClose = IsWindow(gSplashWindow) != FALSE;
}

TEST_F(StartWindow, ClosingDuringTheSplashWaitEndsTheWaitThenClosesTheWindowAndQuits)
{
    HWND hwnd = fWindow->GetHWND();
    gSplashWindow = hwnd;
    gAliveAfterClose = false;
    SetTimer(nullptr, 0, 200, CloseDuringSplash);
    const DWORD start = GetTickCount();
    UpdateWindow(hwnd);
    const DWORD waited = GetTickCount() - start;
    EXPECT_TRUE(gAliveAfterClose);
    EXPECT_GE(waited, 150u);
    EXPECT_LT(waited, 2000u);
    ASSERT_TRUE(IsWindow(hwnd));
    fWindow = nullptr;
    EXPECT_TRUE(PumpUntilQuitWithin(5000));
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(StartWindow, ClosingTheStartWindowPostsTheQuitMessage)
{
    ValidateRect(fWindow->GetHWND(), nullptr);
    fWindow->CloseWindow();
    fWindow = nullptr;
    EXPECT_TRUE(PumpUntilQuit());
}

}
