#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>
#include "TestApp.h"
#include "foundation/XGError.h"
#include "dispatch/XGMenuStatus.h"
#include "forms/XGViewFactory.h"
#include "views/XGWindow.h"
#include "forms/XGWindowFactory.h"
#include "../support/TestWin32.h"

namespace {

void QuitNow(int)
{
    PostQuitMessage(0);
}

class AppCoreTest : public ::testing::Test {
protected:
    void SetUp() override { StartTestProcess(""); }
};

using testsupport::CountedError;

TEST_F(AppCoreTest, TheApplicationObjectIsTheOneApplication)
{
    TestApp app;
    EXPECT_EQ(&app, XGAppCore::GetApplication());
}

TEST_F(AppCoreTest, ApplicationIsGoneAfterItsDestructor)
{
    {
        TestApp app;
    }
    EXPECT_EQ(nullptr, XGAppCore::GetApplication());
}

TEST_F(AppCoreTest, SecondApplicationFailsTheAssertionAndLeavesTheFirst)
{
    TestApp first;
    bool thrown = false;
    try {
        TestApp second;
    } catch (const XGPostError& error) {
        thrown = true;
        char text[256];
        error.GetLongError(text);
        EXPECT_STREQ("Internal software error (gApplication == NULL) at XGAppCore 81", text);
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(&first, XGAppCore::GetApplication());
}

TEST_F(AppCoreTest, WithoutArgumentsRunSendsOneOpenApplication)
{
    TestApp app;
    app.fOnPeriodic = QuitNow;
    app.Run();
    EXPECT_EQ(1, app.fOpenApplication);
    EXPECT_TRUE(app.fDocuments.empty());
}

struct ArgsCase {
    const char* commandLine;
    std::vector<std::string> documents;
};

class AppArgsTest : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(AppArgsTest, EachArgumentIsOpenedInOrder)
{
    StartTestProcess(GetParam().commandLine);
    TestApp app;
    app.fOnPeriodic = QuitNow;
    app.Run();
    EXPECT_EQ(0, app.fOpenApplication);
    EXPECT_EQ(GetParam().documents, app.fDocuments);
}

std::vector<std::string> Numbered(int count)
{
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        out.push_back(std::to_string(i));
    return out;
}

std::string NumberedLine(int count)
{
    std::string line;
    for (int i = 0; i < count; ++i)
        line += std::to_string(i) + " ";
    return line;
}

const std::string kForty = NumberedLine(40);
const std::string kLong = "first " + std::string(300, 'x');

INSTANTIATE_TEST_SUITE_P(CommandLines, AppArgsTest, ::testing::Values(
    ArgsCase {"a.txt b.txt c.txt", {"a.txt", "b.txt", "c.txt"}},
    ArgsCase {"\"a b\" c", {"a b", "c"}},
    ArgsCase {"  one\t two  ", {"one", "two"}},
    ArgsCase {"\"unterminated quote", {"unterminated quote"}},
    ArgsCase {kForty.c_str(), Numbered(32)},
    // The copy holds 255 characters: the long argument is cut there.
    ArgsCase {kLong.c_str(), {"first", std::string(255 - 6, 'x')}}));

TEST_F(AppCoreTest, LoopTurnsOnItsTimerWithoutInputAndEndsOnQuit)
{
    TestApp app;
    int timers = 0;
    app.fOnEvent = [&](const MSG& message) -> long {
        if (message.message == WM_TIMER && message.hwnd == nullptr && ++timers == 3)
            PostQuitMessage(0);
        return -1;
    };
    app.Run();
    EXPECT_EQ(3, timers);
    EXPECT_TRUE(app.GetQuitFlag());
    EXPECT_GE(app.fPeriodic, 3);
}

TEST_F(AppCoreTest, ExitFromAHandlerEndsTheLoop)
{
    TestApp app;
    app.fOnPeriodic = [&](int turn) {
        if (turn == 2)
            app.DoDispatch('qapp', 0, nullptr);
    };
    app.Run();
    EXPECT_EQ(2, app.fPeriodic);
}

// A native window that counts the test message it receives.
int gDelivered = 0;
const UINT kTestMessage = WM_USER + 7;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kTestMessage)
        ++gDelivered;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeCountingWindow()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = CountingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "CoreTestCounting";
        registered = RegisterClassA(&wc) != 0;
    }
    return CreateWindowA("CoreTestCounting", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

struct EventCase {
    long answer;
    int delivered;
};

class RawEventTest : public ::testing::TestWithParam<EventCase> {
protected:
    void SetUp() override { StartTestProcess(""); }
};

TEST_P(RawEventTest, OnlyAnAnswerOfOneConsumesTheEvent)
{
    HWND window = MakeCountingWindow();
    ASSERT_NE(nullptr, window);
    gDelivered = 0;
    TestApp app;
    app.fOnPeriodic = [&](int turn) {
        if (turn == 1)
            PostMessageA(window, kTestMessage, 0, 0);
    };
    app.fOnEvent = [&](const MSG& message) -> long {
        if (message.message != kTestMessage)
            return -1;
        PostQuitMessage(0);
        return GetParam().answer;
    };
    app.Run();
    DestroyWindow(window);
    EXPECT_EQ(GetParam().delivered, gDelivered);
}

INSTANTIATE_TEST_SUITE_P(Answers, RawEventTest, ::testing::Values(
    EventCase {1, 0}, EventCase {0, 1}, EventCase {-1, 1}, EventCase {2, 1}));

TEST_F(AppCoreTest, ErrorInAHandlerIsShownAndTheLoopGoesOn)
{
    CountedError::gShown = 0;
    TestApp app;
    app.fOnPeriodic = [&](int turn) {
        if (turn == 1)
            throw CountedError();
        PostQuitMessage(0);
    };
    app.Run();
    EXPECT_EQ(1, CountedError::gShown);
    EXPECT_GE(app.fPeriodic, 2);
}

TEST_F(AppCoreTest, ErrorWhileOpeningIsShownAndTheLoopStillRuns)
{
    CountedError::gShown = 0;
    TestApp app;
    app.fOnOpen = [] { throw CountedError(); };
    app.fOnPeriodic = QuitNow;
    app.Run();
    EXPECT_EQ(1, CountedError::gShown);
    EXPECT_EQ(1, app.fPeriodic);
}

TEST_F(AppCoreTest, DyingFocusHandsItToTheApplicationSilently)
{
    TestApp app;
    app.SetFocus();
    app.fGainFocus = 0;
    {
        XGDispatch holder;
        holder.SetFocus();
        EXPECT_EQ(&holder, XGDispatch::GetFocus());
    }
    EXPECT_EQ(&app, XGDispatch::GetFocus());
    EXPECT_EQ(0, app.fGainFocus);
}

struct MenuCase {
    long command;
    bool modal;
    long result;
    bool enabled;
};

class MenuStatusTest : public ::testing::TestWithParam<MenuCase> {
protected:
    void SetUp() override { StartTestProcess(""); }
};

TEST_P(MenuStatusTest, StatusIsAnsweredOnlyOutsideModalLoops)
{
    TestApp app;
    const MenuCase& c = GetParam();
    XGMenuStatus status;
    long result = 0;
    bool seenModal = false;
    app.fOnPeriodic = [&](int) {
        seenModal = app.IsModalWindow();
        result = app.DoDispatch('stat', c.command, &status, true);
    };
    // The modal turn belongs to a window, which also makes 'close' possible:
    // the test only asks, so nothing is closed.
    XGWindow* window = c.modal ? MakeTestWindow(1) : nullptr;
    app.SetFocus();     // Run would give it the focus; a lone turn does not
    app.RunOnce(window);
    delete window;
    EXPECT_EQ(c.modal, seenModal);
    EXPECT_FALSE(app.IsModalWindow());
    EXPECT_EQ(c.result, result);
    EXPECT_EQ(c.enabled, status.enabled);
}

INSTANTIATE_TEST_SUITE_P(Commands, MenuStatusTest, ::testing::Values(
    MenuCase {1, false, 0, true}, MenuCase {3, false, 0, true}, MenuCase {2, false, 0, false},
    MenuCase {4, false, -1, false},
    MenuCase {1, true, -1, false}, MenuCase {2, true, -1, false}, MenuCase {3, true, -1, false}));

TEST_F(AppCoreTest, MenuCommandsAreRefusedDuringAModalLoop)
{
    TestApp app;
    long results[3] = {};
    XGWindow* window = MakeTestWindow(1);
    app.fOnPeriodic = [&](int) {
        for (long command = 1; command <= 3; ++command)
            results[command - 1] = app.DoDispatch('menu', command, nullptr, true);
    };
    app.SetFocus();
    app.RunOnce(window);
    EXPECT_EQ(-1, results[0]);
    EXPECT_EQ(-1, results[1]);
    EXPECT_EQ(-1, results[2]);
    EXPECT_FALSE(app.GetQuitFlag());
    // Neither closed nor asked to close.
    EXPECT_EQ(window, XGWindow::gList);
    EXPECT_TRUE(app.fCloseAsked.empty());
    delete window;
}

TEST_F(AppCoreTest, QuitCommandQuitsOutsideModalLoops)
{
    TestApp app;
    long result = 0;
    app.fOnPeriodic = [&](int) { result = app.DoDispatch('menu', 3, nullptr, true); };
    app.Run();
    EXPECT_EQ(0, result);
    EXPECT_EQ(1, app.fPeriodic);
}

TEST_F(AppCoreTest, WindowRefusingToCloseCancelsTheQuit)
{
    TestApp app;
    MakeTestWindow(5);
    app.fCloseAnswer = 0;
    int resumedAt = 0;
    app.fOnPeriodic = [&](int turn) {
        if (turn == 1) {
            PostQuitMessage(0);
        } else if (resumedAt == 0 && !app.fCloseAsked.empty()) {
            // Back in the loop after the refusal: the quit was cancelled.
            resumedAt = turn;
            EXPECT_FALSE(app.GetQuitFlag());
            app.fCloseAnswer = -1;
            PostQuitMessage(0);
        }
    };
    app.Run();
    EXPECT_GT(resumedAt, 1);
    EXPECT_EQ((std::vector<short> {5, 5}), app.fCloseAsked);
    EXPECT_EQ(nullptr, XGWindow::gList);
}

TEST_F(AppCoreTest, QuitRequestStopsAtARefusingWindow)
{
    TestApp app;
    XGWindow* window = MakeTestWindow(6);
    app.fCloseAnswer = 0;
    EXPECT_EQ(-1, app.DoDispatch('qapp', 0, nullptr, true));
    EXPECT_EQ(window, XGWindow::gList);
    EXPECT_FALSE(app.GetQuitFlag());

    app.fCloseAnswer = -1;
    EXPECT_EQ(0, app.DoDispatch('qapp', 0, nullptr, true));
    EXPECT_EQ(nullptr, XGWindow::gList);
    EXPECT_TRUE(app.GetQuitFlag());
}

TEST_F(AppCoreTest, CloseCommandIsEnabledByAndClosesTheFrontWindow)
{
    TestApp app;
    XGWindow* window = MakeTestWindow(8);
    ASSERT_EQ(window, XGWindow::GetFrontWindow());
    XGMenuStatus status;
    EXPECT_EQ(0, app.DoDispatch('stat', 2, &status, true));
    EXPECT_TRUE(status.enabled);
    EXPECT_EQ(0, app.DoDispatch('menu', 2, nullptr, true));
    EXPECT_EQ((std::vector<short> {8}), app.fCloseAsked);
    EXPECT_EQ(nullptr, XGWindow::gList);
}

TEST_F(AppCoreTest, LoopHandsTheFocusToTheFrontWindow)
{
    TestApp app;
    XGWindow* window = MakeTestWindow(9);
    XGDispatch* focusSeen = nullptr;
    app.fOnPeriodic = [&](int turn) {
        if (turn == 1) {
            focusSeen = XGDispatch::GetFocus();
            app.fCloseAnswer = -1;
            delete window;
            PostQuitMessage(0);
        }
    };
    app.Run();
    EXPECT_EQ(static_cast<XGDispatch*>(window), focusSeen);
    // The window's death handed the focus back to the application.
    EXPECT_EQ(&app, XGDispatch::GetFocus());
}

TEST_F(AppCoreTest, OpeningSplashStaysThreeSecondsAndIsThenDestroyed)
{
    TestApp app;
    unsigned long start = XGGetTime();
    app.XGAppCore::OpenCopyright();
    HWND splash = FindWindowA(_GCopyrightClass, "Copyright");
    ASSERT_NE(nullptr, splash);
    EXPECT_TRUE(IsWindowVisible(splash));
    app.CloseCopyright();
    EXPECT_GE(XGGetTime() - start, 3000u);
    EXPECT_FALSE(IsWindow(splash));
}

TEST_F(AppCoreTest, EmptyOpenCopyrightShowsNoSplash)
{
    TestApp app;
    app.OpenCopyright();
    EXPECT_EQ(nullptr, FindWindowA(_GCopyrightClass, nullptr));
    app.CloseCopyright();
    EXPECT_EQ(nullptr, FindWindowA(_GCopyrightClass, nullptr));
}

class AboutBoxTest : public ::testing::TestWithParam<UINT> {
protected:
    void SetUp() override { StartTestProcess(""); }
};

TEST_P(AboutBoxTest, AboutBoxRunsUntilAClickOrKeyAndIsThenDestroyed)
{
    TestApp app;
    HWND seen = nullptr;
    // The about box runs its own loop on this thread; another thread plays the user.
    std::thread user([&] {
        while (!(seen = FindWindowA(_GCopyrightClass, "Copyright")))
            Sleep(10);
        PostMessageA(seen, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        PostMessageA(seen, GetParam(), 0, 0);
    });
    EXPECT_EQ(0, app.DoDispatch('menu', 1, nullptr, true));
    user.join();
    ASSERT_NE(nullptr, seen);
    EXPECT_FALSE(IsWindow(seen));
}

INSTANTIATE_TEST_SUITE_P(EndingMessages, AboutBoxTest,
    ::testing::Values(WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_KEYDOWN));

// Says it closed but stays open.
class StubbornWindow : public XGWindow {
public:
    using XGWindow::XGWindow;
    bool CloseWindow() override
    {
        ++fAsked;
        return true;
    }
    int fAsked = 0;
};

StubbornWindow* MakeStubbornWindow()
{
    XGSWindowInitRecord record = {};
    record.fWindowType = 'wind';
    record.fWindowID = 4;
    record.fShow = true;
    record.fLeft = 40;
    record.fTop = 40;
    record.fRight = 200;
    record.fBottom = 100;
    strcpy(record.fTitle, "Stubborn");
    return new StubbornWindow(record, nullptr);
}

TEST_F(AppCoreTest, QuitRequestDoesNotSpinOnAWindowThatStays)
{
    TestApp app;
    StubbornWindow* window = MakeStubbornWindow();
    EXPECT_EQ(-1, app.DoDispatch('qapp', 0, nullptr, true));
    EXPECT_EQ(1, window->fAsked);
    EXPECT_FALSE(app.GetQuitFlag());
    delete window;
}

TEST_F(AppCoreTest, QuitDoesNotSpinOnAWindowThatStays)
{
    TestApp app;
    StubbornWindow* window = MakeStubbornWindow();
    int askedAtResume = -1;
    app.fOnPeriodic = [&](int turn) {
        if (turn == 1) {
            PostQuitMessage(0);
        } else if (window && window->fAsked > 0) {
            askedAtResume = window->fAsked;
            delete window;
            window = nullptr;
            PostQuitMessage(0);
        }
    };
    app.Run();
    EXPECT_EQ(1, askedAtResume);
    EXPECT_EQ(nullptr, XGWindow::gList);
}

TEST_F(AppCoreTest, QuitAsksEveryListedWindowWhenAnotherProgramIsInFront)
{
    TestApp app;
    MakeTestWindow(14);
    MakeTestWindow(15);
    // Stands for another program's window: active, but no framework window.
    HWND other = MakeCountingWindow();
    ShowWindow(other, SW_SHOW);
    SetForegroundWindow(other);
    SetActiveWindow(other);
    ASSERT_EQ(nullptr, XGWindow::GetFrontWindow());
    app.fOnPeriodic = [](int turn) {
        if (turn == 1)
            PostQuitMessage(0);
    };
    app.Run();
    std::vector<short> asked = app.fCloseAsked;
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ((std::vector<short> {14, 15}), asked);
    EXPECT_EQ(nullptr, XGWindow::gList);
    while (XGWindow::gList)
        delete XGWindow::gList;
    DestroyWindow(other);
}

TEST_F(AppCoreTest, AModalWindowDestroyedDuringItsTurnIsNoLongerModal)
{
    TestApp app;
    XGWindow* window = MakeTestWindow(16);
    XGWindow* modalAfter = window;
    XGWindow* frontAfter = window;
    app.fOnPeriodic = [&](int) {
        delete window;
        modalAfter = app.GetModalWindow();
        frontAfter = XGWindow::GetFrontWindow();
    };
    app.SetFocus();
    // The rest of the turn, its focus adjustment included, runs after the deletion.
    app.RunOnce(window);
    EXPECT_EQ(nullptr, modalAfter);
    EXPECT_EQ(nullptr, frontAfter);
    EXPECT_EQ(&app, XGDispatch::GetFocus());
}

// What GetModalWindow answers at each step of a modal turn run from inside
// another, and after both.
struct NestedCase {
    const char* name;
    bool deleteInner;   // during the inner turn
    bool deleteOuter;   // during the inner turn
    std::vector<int> expected;  // 1 outer, 2 inner, 0 none
};

class NestedModalTest : public ::testing::TestWithParam<NestedCase> {
protected:
    void SetUp() override { StartTestProcess(""); }
};

TEST_P(NestedModalTest, AnInnerTurnGivesTheOuterTurnItsModalWindowBack)
{
    const NestedCase& c = GetParam();
    TestApp app;
    XGWindow* outer = MakeTestWindow(17);
    XGWindow* inner = MakeTestWindow(18);
    std::vector<int> seen;
    auto record = [&] {
        XGWindow* modal = app.GetModalWindow();
        seen.push_back(!modal ? 0 : modal == outer ? 1 : modal == inner ? 2 : -1);
    };
    app.fOnPeriodic = [&](int turn) {
        if (turn == 1) {
            record();
            app.RunOnce(inner);
            record();
        } else if (turn == 2) {
            record();
            if (c.deleteInner) {
                delete inner;
                inner = nullptr;
            }
            if (c.deleteOuter) {
                delete outer;
                outer = nullptr;
            }
            record();
        }
    };
    app.SetFocus();
    app.RunOnce(outer);
    record();
    EXPECT_EQ(c.expected, seen);
    delete inner;
    delete outer;
}

INSTANTIATE_TEST_SUITE_P(Cases, NestedModalTest, ::testing::Values(
    NestedCase {"BothStay", false, false, {1, 2, 2, 1, 0}},
    NestedCase {"InnerGoes", true, false, {1, 2, 1, 1, 0}},
    NestedCase {"OuterGoes", false, true, {1, 2, 2, 0, 0}},
    NestedCase {"BothGo", true, true, {1, 2, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<NestedCase>& info) { return std::string(info.param.name); });

TEST_F(AppCoreTest, EventOwnerIsSetForTheEventAndClearedAfterItEvenWhenConsumed)
{
    TestApp app;
    XGWindow* window = MakeTestWindow(3);
    XGWindow* ownerSeen = nullptr;
    app.fOnPeriodic = [&](int turn) {
        if (turn == 1)
            PostMessageA(window->GetHWND(), WM_USER + 3, 0, 0);
    };
    app.fOnEvent = [&](const MSG& message) -> long {
        if (message.message != WM_USER + 3)
            return -1;
        ownerSeen = app.GetEventOwner();
        PostQuitMessage(0);
        return 1;
    };
    app.SetFocus();
    while (!app.GetQuitFlag())
        app.RunOnce(nullptr);
    EXPECT_EQ(window, ownerSeen);
    EXPECT_EQ(nullptr, app.GetEventOwner());
    delete window;
}

LRESULT CALLBACK QuittingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER + 9) {
        PostQuitMessage(7);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(AppCoreTest, QuitArrivingDuringTheAboutBoxIsKeptForTheLoop)
{
    TestApp app;
    std::thread user([] {
        HWND about;
        while (!(about = FindWindowA(_GCopyrightClass, "Copyright")))
            Sleep(10);
        SetWindowLongPtrA(about, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(QuittingProc));
        PostMessageA(about, WM_USER + 9, 0, 0);
        // Ends the about box should the quit not reach its loop; posted only
        // later, because a waiting key would be fetched before the quit.
        for (int i = 0; i < 200 && IsWindow(about); ++i)
            Sleep(10);
        if (IsWindow(about))
            PostMessageA(about, WM_KEYDOWN, VK_SPACE, 0);
    });
    app.DoDispatch('menu', 1, nullptr, true);
    user.join();
    MSG message;
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            EXPECT_EQ(7u, message.wParam);
        }
    }
    EXPECT_TRUE(quit);
}

TEST_F(AppCoreTest, ApplicationRegistersTheFrameworkClassCodesInOrder)
{
    long views = XGViewFactory::gList.Length();
    long windows = XGWindowFactory::gList.Length();
    TestApp app;
    const long viewCodes[] = {'view', 'text', 'pbtn', 'edit', 'icon', 'popm', 'list'};
    ASSERT_EQ(views + 7, XGViewFactory::gList.Length());
    for (long i = 0; i < 7; ++i)
        EXPECT_EQ(viewCodes[i], XGViewFactory::gList[views + i].fCode) << i;
    ASSERT_EQ(windows + 2, XGWindowFactory::gList.Length());
    EXPECT_EQ('wind', XGWindowFactory::gList[windows].fCode);
    EXPECT_EQ('dlog', XGWindowFactory::gList[windows + 1].fCode);
}

TEST_F(AppCoreTest, ClassNamesCarryTheModuleHandleInEightHexDigits)
{
    XGFormatClassNames(reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(0x1A2B3C)));
    EXPECT_STREQ("_XGWindow_001A2B3C", _GWindowClass);
    EXPECT_STREQ("_XGPop_001A2B3C", _GPopClass);
    EXPECT_STREQ("_XGMain_001A2B3C", _GMainClass);
    EXPECT_STREQ("_XGTool_001A2B3C", _GToolClass);
    EXPECT_STREQ("_XGFrame_001A2B3C", _GFrameClass);
    EXPECT_STREQ("_XGControl_001A2B3C", _GControlClass);
    EXPECT_STREQ("_XGDialog_001A2B3C", _GDlogClass);
    EXPECT_STREQ("_XGC_001A2B3C", _GCopyrightClass);
    StartTestProcess("");
}

}
