#include "WindowsTestSupport.h"

#include <dde.h>
#include <ddeml.h>

#include <cstring>
#include <string>

#include "dispatch/XGEventLoop.h"
#include "views/XGDDEServer.h"
#include "dispatch/XGGlobals.h"
#include "views/XGWindowProc.h"

namespace windowstest {
namespace {

LPARAM At(int h, int v) { return MAKELPARAM(h, v); }

// A hidden window with two views side by side: 1 accepts presses, 2 does not.
class MouseTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 300, 200);
        fWindow = new XGWindow(r, nullptr);
        fHwnd = fWindow->GetHWND();
        XGSViewInitRecord a = View(1, 10, 10, 60, 60);
        XGSViewInitRecord b = View(2, 100, 10, 150, 60);
        fA = new LogView(fWindow, a, &fLog);
        fB = new LogView(fWindow, b, &fLog);
        fA->fAccept = true;
        XGWindow::ProcessMouseLeave();
        fLog.clear();
    }
    void TearDown() override
    {
        ReleaseCapture();
        WindowTest::TearDown();
    }
    void Send(UINT message, int h, int v) { SendMessageA(fHwnd, message, 0, At(h, v)); }
    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(fLog);
        return taken;
    }

    XGWindow* fWindow = nullptr;
    HWND fHwnd = nullptr;
    LogView* fA = nullptr;
    LogView* fB = nullptr;
    std::vector<std::string> fLog;
};

TEST_F(MouseTest, AcceptedPressCapturesTheGestureUntilRelease)
{
    Send(WM_LBUTTONDOWN, 20, 20);
    EXPECT_EQ((std::vector<std::string>{"enter 1 10,10 0000", "down 1 10,10 0000"}), Take());
    EXPECT_EQ(fHwnd, GetCapture());
    EXPECT_EQ(fA, XGEventLoop::gCaptureView);

    Send(WM_LBUTTONDOWN, 30, 30);   // a second press while captured is ignored
    Send(WM_MOUSEMOVE, 120, 20);    // over view 2, still delivered to view 1
    EXPECT_EQ((std::vector<std::string>{"move 1 110,10 2000"}), Take());

    Send(WM_LBUTTONUP, 120, 20);
    EXPECT_EQ((std::vector<std::string>{"up 1 110,10 6000"}), Take());
    EXPECT_EQ(nullptr, GetCapture());

    Send(WM_LBUTTONUP, 120, 20);    // a release without capture does nothing
    EXPECT_TRUE(Take().empty());
}

TEST_F(MouseTest, AWindowClosedMidGestureTakesTheCaptureWithIt)
{
    Send(WM_LBUTTONDOWN, 20, 20);
    ASSERT_EQ(fA, XGEventLoop::gCaptureView);
    delete fWindow;
    fWindow = nullptr;
    EXPECT_EQ(nullptr, XGEventLoop::gCaptureView);
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(MouseTest, EnterAndLeaveFollowTheMouseFromViewToView)
{
    Send(WM_MOUSEMOVE, 20, 20);
    Send(WM_MOUSEMOVE, 25, 20);
    Send(WM_MOUSEMOVE, 120, 20);
    Send(WM_MOUSEMOVE, 250, 150);   // empty window area: only the leave
    EXPECT_EQ((std::vector<std::string>{"enter 1 10,10 0000", "move 1 10,10 0000", "move 1 15,10 0000",
                                        "leave 1", "enter 2 20,10 0000", "move 2 20,10 0000", "leave 2"}),
              Take());
    EXPECT_EQ(nullptr, XGEventLoop::gCaptureView);
}

TEST_F(MouseTest, RefusedPressTakesNoCapture)
{
    Send(WM_LBUTTONDOWN, 120, 20);
    EXPECT_EQ((std::vector<std::string>{"enter 2 20,10 0000", "down 2 20,10 0000"}), Take());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(nullptr, XGEventLoop::gCaptureView);
    Send(WM_LBUTTONUP, 120, 20);
    EXPECT_TRUE(Take().empty());
}

TEST_F(MouseTest, DoubleClickIsMarkedAndItsReleaseBelongsToTheGesture)
{
    Send(WM_LBUTTONDBLCLK, 20, 20);
    Send(WM_LBUTTONUP, 20, 20);
    EXPECT_EQ((std::vector<std::string>{"enter 1 10,10 1000", "down 1 10,10 1000", "up 1 10,10 7000"}), Take());
}

TEST_F(MouseTest, OnlyTheFirstReleaseOfAPressIsTestedForAQuickClick)
{
    fA->fHold = true;
    Send(WM_LBUTTONDOWN, 20, 20);
    Send(WM_LBUTTONUP, 20, 20);
    EXPECT_EQ(fHwnd, GetCapture());     // the view kept the capture
    fA->fHold = false;
    Send(WM_LBUTTONUP, 20, 20);
    EXPECT_EQ((std::vector<std::string>{"enter 1 10,10 0000", "down 1 10,10 0000", "up 1 10,10 6000",
                                        "up 1 10,10 2000"}),
              Take());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(MouseTest, ReleaseLongAfterThePressIsNoQuickClick)
{
    Send(WM_LBUTTONDOWN, 20, 20);
    Sleep(XGGetDoubleClick() + 100);
    Send(WM_LBUTTONUP, 20, 20);
    const std::vector<std::string> log = Take();
    ASSERT_EQ(3u, log.size());
    EXPECT_EQ("up 1 10,10 2000", log[2]);
}

TEST_F(MouseTest, HitTestingPrefersTheLastOfOverlappingViews)
{
    XGSViewInitRecord over = View(3, 40, 40, 80, 80);
    LogView* c = new LogView(fWindow, over, &fLog);
    c->fAccept = true;
    Send(WM_LBUTTONDOWN, 50, 50);
    EXPECT_EQ(c, XGEventLoop::gCaptureView);
    Send(WM_LBUTTONUP, 50, 50);
}

// Keyboard: focus moves by Tab in view-ID order and by Alt+letter.
class KeyboardTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 300, 200);
        fWindow = new XGWindow(r, nullptr);
    }
    void TearDown() override
    {
        SetShift(false);
        WindowTest::TearDown();
    }
    static void SetShift(bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    static short FocusID()
    {
        XGView* view = dynamic_cast<XGView*>(XGDispatch::GetFocus());
        return view ? view->GetViewID() : -1;
    }
    XGWindow* fWindow = nullptr;
    std::vector<std::string> fLog;
};

TEST_F(KeyboardTest, TabVisitsTabStopsByIDAndWrapsAround)
{
    for (short id : {short(3), short(1), short(2)}) {
        XGSViewInitRecord v = View(id, 10 * id, 10, 10 * id + 8, 18, true);
        new LogView(fWindow, v, &fLog);
    }
    XGSViewInitRecord noStop = View(4, 100, 10, 110, 20, false);
    new LogView(fWindow, noStop, &fLog);
    fWindow->SetFocus();

    std::vector<short> visited;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(0, XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_TAB, 0));
        visited.push_back(FocusID());
    }
    SetShift(true);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(0, XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_TAB, 0));
        visited.push_back(FocusID());
    }
    EXPECT_EQ((std::vector<short>{1, 2, 3, 1, 3, 2}), visited);
}

TEST_F(KeyboardTest, KeysReachTheFocusAsKeyEvents)
{
    XGSViewInitRecord v = View(1, 10, 10, 50, 50, true);
    KeyView* view = new KeyView(fWindow, v);
    view->SetFocus();

    EXPECT_EQ(0, XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_LEFT, 0));
    EXPECT_EQ(0, XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_F15, 0));
    EXPECT_EQ(0, XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_TAB, 0));
    EXPECT_EQ(-1, XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, 'A', 0));
    EXPECT_EQ(-1, XGWindowProc::ProcKeyboardCommon(WM_CHAR, 'a', 0));
    SetShift(true);
    EXPECT_EQ(0, XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_TAB, 0));
    EXPECT_EQ(-1, XGWindowProc::ProcKeyboardCommon(WM_KEYUP, VK_TAB, 0));
    EXPECT_EQ((std::vector<unsigned long>{0x80000082, 0x800000AE, 9, 0x61, 0x10009}), view->fKeys);
}

TEST_F(KeyboardTest, AltLetterOnALabelFocusesTheNextTabStopInTreeOrder)
{
    XGSViewInitRecord first = View(1, 10, 10, 20, 20, true);
    XGSViewInitRecord label = View(9, 30, 10, 40, 20, false);
    XGSViewInitRecord field = View(5, 50, 10, 60, 20, true);
    XGSViewInitRecord button = View(2, 70, 10, 80, 20, true);
    new LogView(fWindow, first, &fLog);
    LogView* labelView = new LogView(fWindow, label, &fLog);
    labelView->fTitle = "&Name:";
    new LogView(fWindow, field, &fLog);
    LogView* buttonView = new LogView(fWindow, button, &fLog);
    buttonView->fTitle = "O&K";
    fWindow->SetFocus();

    EXPECT_EQ(0, XGWindowProc::ProcKeyboardCommon(WM_SYSCHAR, 'n', 0));
    EXPECT_EQ(5, FocusID());
    EXPECT_EQ(0, XGWindowProc::ProcKeyboardCommon(WM_SYSCHAR, 'k', 0));
    EXPECT_EQ(2, FocusID());
    EXPECT_EQ(-1, XGWindowProc::ProcKeyboardCommon(WM_SYSCHAR, 'z', 0));
    EXPECT_EQ(2, FocusID());
}

TEST_F(KeyboardTest, LabelWithNoTabStopAnywhereAnswersUnhandled)
{
    XGSViewInitRecord label = View(9, 30, 10, 40, 20, false);
    LogView* labelView = new LogView(fWindow, label, &fLog);
    labelView->fTitle = "&Name:";
    EXPECT_EQ(-1, fWindow->DoMenuKey('N', nullptr));
}

struct StateCase {
    std::vector<int> held;
    std::vector<int> toggled;
    short expected;
};

class StateFlags : public ::testing::TestWithParam<StateCase> {};

TEST_P(StateFlags, CountOnlyKeysThatAreDown)
{
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE keys[256] = {};
    for (int k : GetParam().held)
        keys[k] = 0x80;
    for (int k : GetParam().toggled)
        keys[k] = 0x01;
    SetKeyboardState(keys);
    const short flags = XGWindowProc::GetStateFlags();
    SetKeyboardState(saved);
    EXPECT_EQ(GetParam().expected, flags);
    EXPECT_EQ(GetParam().expected, XGEventLoop::gLastMods);
}

INSTANTIATE_TEST_SUITE_P(Table, StateFlags, ::testing::Values(
    StateCase{{}, {}, 0},
    StateCase{{VK_SHIFT}, {}, 0x0001},
    StateCase{{VK_CONTROL, VK_MENU}, {}, 0x000A},
    StateCase{{VK_LBUTTON, VK_RBUTTON, VK_MBUTTON}, {}, 0x0070},
    StateCase{{}, {VK_SHIFT, VK_CAPITAL}, 0},
    StateCase{{VK_SHIFT, VK_LBUTTON}, {}, 0x0011}));

TEST(ExtendedKeyCodes, MapTheNamedKeysAndNothingElse)
{
    const std::pair<WPARAM, short> table[] = {
        {VK_UP, 0x80}, {VK_DOWN, 0x81}, {VK_LEFT, 0x82}, {VK_RIGHT, 0x83}, {VK_INSERT, 0x84},
        {VK_DELETE, 0x85}, {VK_HOME, 0x86}, {VK_END, 0x87}, {VK_PRIOR, 0x88}, {VK_NEXT, 0x89},
        {VK_ESCAPE, 0x8A}, {VK_HELP, 0x8B}, {VK_NUMLOCK, 0x8C}, {VK_F1, 0xA0}, {VK_F9, 0xA8},
        {VK_F15, 0xAE}, {VK_F16, -1}, {VK_TAB, -1}, {'A', -1}, {VK_RETURN, -1}};
    for (const auto& entry : table)
        EXPECT_EQ(entry.second, XGWindowProc::GetExtendedKeyCode(entry.first, 0)) << entry.first;
}

// DDE: a real DDEML client in this process talks to a framework window.
class DDETest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 100, 100);
        fWindow = new XGWindow(r, nullptr);
        ASSERT_EQ(DMLERR_NO_ERROR, DdeInitializeA(&fInstance, Callback, APPCMD_CLIENTONLY, 0));
    }
    void TearDown() override
    {
        DdeUninitialize(fInstance);
        _GDDEAppName[0] = _GDDETopicName[0] = 0;
        WindowTest::TearDown();
    }
    static HDDEDATA CALLBACK Callback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
    {
        return nullptr;
    }
    // A conversation with the names set to "KeboTest" and "System", and an
    // empty log.
    HCONV ConnectToSystem()
    {
        std::strcpy(_GDDEAppName, "KeboTest");
        std::strcpy(_GDDETopicName, "System");
        HCONV conversation = Connect("KeboTest", "System");
        fApp->fLog.clear();
        return conversation;
    }
    HCONV Connect(const char* service, const char* topic)
    {
        HSZ s = DdeCreateStringHandleA(fInstance, service, CP_WINANSI);
        HSZ t = DdeCreateStringHandleA(fInstance, topic, CP_WINANSI);
        HCONV conversation = DdeConnect(fInstance, s, t, nullptr);
        DdeFreeStringHandle(fInstance, s);
        DdeFreeStringHandle(fInstance, t);
        return conversation;
    }
    bool Execute(HCONV conversation, const char* command)
    {
        return Execute(conversation, command, std::strlen(command) + 1);
    }
    // True for a positive acknowledgement; false for a negative one or none.
    bool Execute(HCONV conversation, const char* command, size_t size)
    {
        DWORD result = 0;
        HDDEDATA answer = DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char*>(command)),
                                               static_cast<DWORD>(size), conversation,
                                               nullptr, 0, XTYP_EXECUTE, 10000, &result);
        return answer != nullptr;
    }
    XGWindow* fWindow = nullptr;
    DWORD fInstance = 0;
};

TEST_F(DDETest, ExecuteRequestsReachTheApplication)
{
    HCONV conversation = ConnectToSystem();
    ASSERT_NE(nullptr, conversation);

    EXPECT_TRUE(Execute(conversation, "[open(\"C:\\My \"\"big\"\" file.txt\")][print(C:\\b.txt)]"));
    EXPECT_TRUE(Execute(conversation, "[EXIT]"));
    EXPECT_EQ((std::vector<std::string>{"odoc C:\\My \"big\" file.txt", "pdoc C:\\b.txt", "qapp"}), fApp->fLog);
    EXPECT_TRUE(DdeDisconnect(conversation));
}

TEST_F(DDETest, BrokenOrUnhandledRequestsAreRefusedAndSendNothing)
{
    HCONV conversation = ConnectToSystem();
    ASSERT_NE(nullptr, conversation);

    const std::string refused[] = {
        "[open(\"C:\\abc.txt)]",
        "[open(abc",
        "[exit][open(\"" + std::string(10000, 'a') + "\")]",
        "[open()]",
        "[bogus(1)]",
        "[exit][bogus(1)]",
        "no command",
    };
    for (const std::string& command : refused)
        EXPECT_FALSE(Execute(conversation, command.c_str())) << command.substr(0, 40);
    // Only "[exit]" of "[exit][bogus(1)]" had someone to answer it.
    EXPECT_EQ((std::vector<std::string>{"qapp"}), fApp->fLog);
    EXPECT_TRUE(DdeDisconnect(conversation));
}

// Catches the last message of a framework window to see what is left on it.
struct LastLook {
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCDESTROY)
            gProperty = GetPropA(hwnd, _GWindowClass);
        return CallWindowProcA(gOld, hwnd, message, wParam, lParam);
    }
    static WNDPROC gOld;
    static HANDLE gProperty;
};
WNDPROC LastLook::gOld = nullptr;
HANDLE LastLook::gProperty = nullptr;

TEST_F(DDETest, WindowDestroyedFromOutsideTakesItsPropertyAlong)
{
    HWND hwnd = fWindow->GetHWND();
    ASSERT_EQ(static_cast<HANDLE>(fWindow), GetPropA(hwnd, _GWindowClass));
    LastLook::gProperty = reinterpret_cast<HANDLE>(1);
    LastLook::gOld = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LastLook::Proc)));
    EXPECT_TRUE(DestroyWindow(hwnd));
    fWindow = nullptr;  // deleted by its WM_DESTROY
    EXPECT_EQ(nullptr, LastLook::gProperty);
}

TEST_F(DDETest, OtherNamesAreNotAnswered)
{
    std::strcpy(_GDDEAppName, "KeboTest");
    std::strcpy(_GDDETopicName, "System");
    EXPECT_EQ(nullptr, Connect("KeboTest", "Other"));
    EXPECT_EQ(nullptr, Connect("keboTEST", "System"));
}

TEST_F(DDETest, EmptyNamesAnswerNoConversation)
{
    EXPECT_EQ(nullptr, Connect("KeboTest", "System"));
}

// A block whose size ends inside a command, with the rest of the command still lying in
// memory behind it (it was part of the block before the block shrank): a server that read
// on to a terminator would open "abc" instead of "ab".
HGLOBAL ShrunkBlockWithTextBehindIt(SIZE_T* keptSize)
{
    const std::string text = "[open(ab";
    const std::string behind = "c)]";
    for (SIZE_T slack = 0; slack < 16; ++slack) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
        char* data = static_cast<char*>(GlobalLock(block));
        std::memset(data, ' ', slack);
        std::memcpy(data + slack, (text + behind).data(), text.size() + behind.size());
        GlobalUnlock(block);
        // The heap may round or split a shrunk block; take the first size it leaves exact
        // and with the bytes behind it untouched.
        const SIZE_T size = slack + text.size();
        HGLOBAL shrunk = GlobalReAlloc(block, size, GMEM_MOVEABLE);
        if (shrunk && GlobalSize(shrunk) == size) {
            data = static_cast<char*>(GlobalLock(shrunk));
            const bool kept = std::memcmp(data + size, behind.data(), behind.size()) == 0;
            GlobalUnlock(shrunk);
            if (kept) {
                *keptSize = size;
                return shrunk;
            }
        }
        GlobalFree(shrunk ? shrunk : block);
    }
    return nullptr;
}

TEST_F(DDETest, UnterminatedCommandBlockIsReadOnlyToItsSize)
{
    std::strcpy(_GDDEAppName, "KeboTest");
    fApp->fLog.clear();
    SIZE_T size = 0;
    HGLOBAL block = ShrunkBlockWithTextBehindIt(&size);
    ASSERT_NE(nullptr, block) << "no block with readable bytes behind it";
    EXPECT_EQ(0, XGDDEServer::ProcDDECommon(fWindow->GetHWND(), WM_DDE_EXECUTE,
                                            reinterpret_cast<WPARAM>(fWindow->GetHWND()),
                                            reinterpret_cast<LPARAM>(block)));
    // Cut at its size the command is not whole and runs nothing; read on, it would open "abc".
    EXPECT_EQ(std::vector<std::string>(), fApp->fLog) << "block of " << size << " bytes";
    // The block was handed over directly, not posted, so Wine has no record of it and
    // cannot carry the acknowledgement's status across (on 32 bits another value arrives);
    // what the status says is seen through the conversation tests above.
    MSG ack;
    EXPECT_TRUE(PeekMessageA(&ack, fWindow->GetHWND(), WM_DDE_ACK, WM_DDE_ACK, PM_REMOVE));
    FreeDDElParam(WM_DDE_ACK, ack.lParam);
    GlobalFree(block);
}

}  // namespace
}  // namespace windowstest
