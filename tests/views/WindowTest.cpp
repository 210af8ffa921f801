#include "WindowsTestSupport.h"

#include "views/XGDraw.h"
#include "dispatch/XGGlobals.h"
#include "foundation/XGPostError.h"
#include "views/XGWindowProc.h"

namespace windowstest {
namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int CountThreadWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

LRESULT CALLBACK RefuseEveryWindow(int code, WPARAM wParam, LPARAM lParam)
{
    return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

// The frame of a document window around a content rectangle.
RECT DocumentFrame(const Metrics& m, long left, long top, long width, long height)
{
    return RECT{left - m.frameW, top - m.caption - m.frameH - m.menu, left + width + m.frameW,
                top + height + m.frameH};
}

void ExpectFrame(const RECT& expected, const RECT& actual)
{
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right);
    EXPECT_EQ(expected.bottom, actual.bottom);
}

struct SizeCase {
    short right, defWidth, minWidth, maxWidth;
    long expected;
};

class WindowSizes : public WindowTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(WindowSizes, ContentSizeComesFromRecordDefaultsAndLimits)
{
    const SizeCase c = GetParam();
    const Metrics m = GetMetrics();
    // The same rule for both directions: height mirrors the width case.
    XGSWindowInitRecord r = Window(0x20, c.right ? 10 : 0, c.right ? 30 : 0, c.right, c.right ? 30 + (c.right - 10) : 0,
                                   c.defWidth, c.defWidth);
    r.fMinWidth = r.fMinHeight = c.minWidth;
    r.fMaxWidth = r.fMaxHeight = c.maxWidth;
    XGWindow* window = new XGWindow(r, nullptr);
    const RECT frame = Frame(window);
    EXPECT_EQ(c.expected + 2 * m.frameW, frame.right - frame.left);
    EXPECT_EQ(c.expected + 2 * m.frameH + m.caption + m.menu, frame.bottom - frame.top);
}

INSTANTIATE_TEST_SUITE_P(Table, WindowSizes, ::testing::Values(
    SizeCase{0, 0, 500, 0, 500},
    SizeCase{0, 0, 0, 200, 200},
    SizeCase{0, 0, 0, 0, 320},
    SizeCase{0, 0, 250, 300, 300},
    SizeCase{0, 410, 0, 0, 410},
    SizeCase{260, 410, 0, 0, 250}));

TEST_F(WindowTest, CascadeStepsDownFiveTimesThenStartsOver)
{
    const Metrics m = GetMetrics();
    const long step = m.caption + m.frameH;
    std::vector<RECT> frames;
    for (int i = 0; i < 6; ++i) {
        XGSWindowInitRecord r = Window(0, 0, 0, 0, 0, 200, 150);
        frames.push_back(Frame(new XGWindow(r, nullptr)));
    }
    // The counter is shared by the whole process: find where this run began.
    const long first = frames[0].left / step;
    for (int i = 0; i < 6; ++i) {
        const long n = (first + i) % 5;
        // Content at (step*n + frame width, step*(n+1) + menu), so the frame
        // corner lies at (step*n, step*n).
        ExpectFrame(DocumentFrame(m, step * n + m.frameW, step * (n + 1) + m.menu, 200, 150), frames[i]);
    }
    EXPECT_EQ(frames[0].left, frames[5].left);
    EXPECT_EQ(frames[0].top, frames[5].top);
}

TEST_F(WindowTest, CentredOnTheScreenWhenPlacementIsNeitherCascadeNorFront)
{
    const Metrics m = GetMetrics();
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 400, 300);
    XGWindow* window = new XGWindow(r, nullptr);
    ExpectFrame(DocumentFrame(m, (m.screenW - 400) / 2, (m.screenH - 300) / 2, 400, 300), Frame(window));
}

TEST_F(WindowTest, DialogStyleWindowIsCentredWithoutMenuBarHeight)
{
    const Metrics m = GetMetrics();
    XGSWindowInitRecord r = Window(0x21, 0, 0, 0, 0, 640, 480);
    XGWindow* window = new XGWindow(r, nullptr);
    const long left = (m.screenW - 640) / 2;
    const long top = (m.screenH - 480) / 2;
    ExpectFrame(RECT{left - m.frameW, top - m.caption - m.frameH, left + 640 + m.frameW, top + 480 + m.frameH},
                Frame(window));
}

TEST_F(WindowTest, WindowPastTheBottomRightIsShiftedBackOntoTheScreen)
{
    const Metrics m = GetMetrics();
    const short left = static_cast<short>(m.screenW - 40);
    const short top = static_cast<short>(m.screenH - 20);
    XGSWindowInitRecord r = Window(0, left, top, left + 200, top + 120);
    XGWindow* window = new XGWindow(r, nullptr);
    ExpectFrame(DocumentFrame(m, m.screenW - m.frameW - 200, m.screenH - m.frameH - 120, 200, 120), Frame(window));
}

TEST_F(WindowTest, WindowWiderThanTheScreenKeepsItsLeftEdgeOnIt)
{
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 1400, 200);
    XGWindow* window = new XGWindow(r, nullptr);
    // Content left at the bounds' left (one frame width in), so the frame at 0.
    EXPECT_EQ(0, Frame(window).left);
}

TEST_F(WindowTest, BadKindThrowsAndLeavesNothingBehind)
{
    const Metrics m = GetMetrics();
    const long step = m.caption + m.frameH;
    XGSWindowInitRecord cascade = Window(0, 0, 0, 0, 0, 200, 150);
    const long before = Frame(new XGWindow(cascade, nullptr)).left / step;
    XGWindow* head = XGWindow::gList;
    const int windows = CountThreadWindows();
    fApp->fLog.clear();

    for (short kind : {short(4), short(0x0F), short(0x1F)}) {
        XGSWindowInitRecord bad = Window(kind, 0, 0, 0, 0, 200, 150);
        EXPECT_THROW(new XGWindow(bad, nullptr), XGPostError) << kind;
        // The message names the kind asked for and the ones there are.
        const std::string said = XGPostError::gLMessage;
        EXPECT_NE(said.find("Window kind " + std::to_string(kind) + " is unknown"), std::string::npos) << said;
        EXPECT_NE(said.find("3 (floating)"), std::string::npos) << said;
    }
    EXPECT_EQ(head, XGWindow::gList);
    EXPECT_EQ(windows, CountThreadWindows());
    EXPECT_EQ(nullptr, _GWindow);
    EXPECT_TRUE(fApp->fLog.empty());
    // Not even a step of the cascade was used.
    const long after = Frame(new XGWindow(cascade, nullptr)).left / step;
    EXPECT_EQ((before + 1) % 5, after);
}

TEST_F(WindowTest, FailureAfterTheNativeWindowExistsTakesItAllBack)
{
    XGWindow* head = XGWindow::gList;
    const int windows = CountThreadWindows();
    fApp->fRefuseCreate = true;
    XGSWindowInitRecord r = Window(0x21, 0, 0, 0, 0, 200, 100);
    EXPECT_THROW(new XGWindow(r, nullptr), XGPostError);
    fApp->fRefuseCreate = false;
    EXPECT_EQ(head, XGWindow::gList);
    EXPECT_EQ(windows, CountThreadWindows());
}

TEST_F(WindowTest, NativeWindowThatCannotBeCreatedIsReportedAsSuch)
{
    // A computer-based-training hook that answers the creation with nonzero makes
    // CreateWindowEx fail, as a system out of window handles would.
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseEveryWindow, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    XGWindow* head = XGWindow::gList;
    for (short kind : {short(0x20), short(0x21)}) {
        XGSWindowInitRecord r = Window(kind, 0, 0, 0, 0, 200, 100);
        std::string title = "nothing thrown";
        try {
            new XGWindow(r, nullptr);
        } catch (const XGPostError&) {
            title = XGPostError::gSMessage;
        }
        EXPECT_EQ("Unable to create window", title) << kind;
        EXPECT_EQ(head, XGWindow::gList);
    }
    UnhookWindowsHookEx(hook);
}

TEST_F(WindowTest, CentredOnTheFrontWindowWhenPlacementSaysSo)
{
    const Metrics m = GetMetrics();
    XGSWindowInitRecord main = Window(0, 100, 200, 700, 600);
    XGWindow* front = new XGWindow(main, nullptr);
    _GMainWindow = front->GetHWND();
    const RECT outer = Frame(front);

    XGSWindowInitRecord r = Window(0x10, 0, 0, 0, 0, 200, 100);
    XGWindow* window = new XGWindow(r, nullptr);
    // The front window's frame as the conversions see it: a document window
    // without a menu bar counts one menu-bar height too many above its client.
    const long left = (outer.left + outer.right - 200) / 2;
    const long top = (outer.top - m.menu + outer.bottom - m.menu - 100) / 2;
    ExpectFrame(DocumentFrame(m, left, top, 200, 100), Frame(window));
}

struct AttributeCase {
    short kind;
    unsigned short attributes;
};

class WindowAttributes : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(WindowAttributes, FollowTheKindOrTheExplicitFrameBits)
{
    EXPECT_EQ(GetParam().attributes, XGWindow::GetWindowAttributes(GetParam().kind)) << std::hex << GetParam().kind;
}

INSTANTIATE_TEST_SUITE_P(Table, WindowAttributes, ::testing::Values(
    AttributeCase{0x00, 0x00}, AttributeCase{0x01, 0x0B}, AttributeCase{0x12, 0x0B},
    AttributeCase{0x03, 0x17}, AttributeCase{0x100, 0x03}, AttributeCase{0x500, 0x01},
    AttributeCase{0x300, 0x02}, AttributeCase{0x1100, 0x0B}, AttributeCase{0x900, 0x07},
    AttributeCase{0x2100, 0x23}, AttributeCase{0x103, 0x13}, AttributeCase{0x3F00, 0x2C}));

TEST_F(WindowTest, DialogStyleWindowDisablesItsOwnerUntilItGoes)
{
    XGSWindowInitRecord main = Window(0x20, 0, 0, 0, 0, 300, 200);
    XGWindow* owner = new XGWindow(main, nullptr);
    _GMainWindow = owner->GetHWND();

    XGSWindowInitRecord dlog = Window(0x21, 0, 0, 0, 0, 200, 100);
    XGWindow* dialog = new XGWindow(dlog, nullptr);
    EXPECT_EQ(owner->GetHWND(), GetWindow(dialog->GetHWND(), GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(owner->GetHWND()));

    // A dialog over the dialog: closing the inner one keeps the outer
    // dialog's own owner disabled.
    _GMainWindow = dialog->GetHWND();
    XGWindow* inner = new XGWindow(dlog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(dialog->GetHWND()));
    delete inner;
    EXPECT_TRUE(IsWindowEnabled(dialog->GetHWND()));
    EXPECT_FALSE(IsWindowEnabled(owner->GetHWND()));

    delete dialog;
    EXPECT_TRUE(IsWindowEnabled(owner->GetHWND()));
}

TEST_F(WindowTest, DialogDestroyedFromOutsideStillEnablesItsOwner)
{
    XGSWindowInitRecord main = Window(0x20, 0, 0, 0, 0, 300, 200);
    XGWindow* owner = new XGWindow(main, nullptr);
    _GMainWindow = owner->GetHWND();
    XGSWindowInitRecord dlog = Window(0x21, 0, 0, 0, 0, 200, 100);
    XGWindow* dialog = new XGWindow(dlog, nullptr);
    const HWND hwnd = dialog->GetHWND();

    DestroyWindow(hwnd);
    EXPECT_EQ(nullptr, XGWindow::GetXGWindow(hwnd));
    EXPECT_TRUE(IsWindowEnabled(owner->GetHWND()));
}

TEST_F(WindowTest, ResizableWindowKeepsItsSizeBoxInTheCornerAndItsViewsFitted)
{
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 300, 200);
    XGWindow* window = new XGWindow(r, nullptr);
    ASSERT_NE(nullptr, window->GetSizeBox());
    RECT before;
    GetWindowRect(window->GetSizeBox(), &before);

    SetWindowPos(window->GetHWND(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client, box;
    GetClientRect(window->GetHWND(), &client);
    GetWindowRect(window->GetSizeBox(), &box);
    MapWindowPoints(nullptr, window->GetHWND(), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(before.right - before.left, box.right - box.left);
    EXPECT_EQ(before.bottom - before.top, box.bottom - box.top);
    EXPECT_EQ(client.right, box.right);
    EXPECT_EQ(client.bottom, box.bottom);
    EXPECT_EQ(client.right, window->GetSize().h);
    EXPECT_EQ(client.bottom, window->GetSize().v);
}

TEST_F(WindowTest, OnlyResizableWindowsHaveASizeBox)
{
    for (short kind : {short(0x21), short(0x120), short(0x23), short(0x520)}) {
        XGSWindowInitRecord r = Window(kind, 0, 0, 0, 0, 300, 200);
        XGWindow* window = new XGWindow(r, nullptr);
        EXPECT_EQ(kind == 0x520, window->GetSizeBox() != nullptr) << kind;
        delete window;
    }
}

TEST_F(WindowTest, WindowIsListedAndAnnouncedFromBirthToDeath)
{
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 300, 200);
    r.fWindowID = 42;
    XGWindow* window = new XGWindow(r, nullptr);
    const HWND hwnd = window->GetHWND();
    EXPECT_EQ(window, XGWindow::gList);
    EXPECT_EQ(window, XGWindow::GetXGWindow(hwnd));
    EXPECT_EQ(window, reinterpret_cast<XGWindow*>(GetPropA(hwnd, _GWindowClass)));

    window->SetTitle("Renamed");
    char title[256];
    window->GetTitle(title);
    EXPECT_STREQ("Renamed", title);

    delete window;
    EXPECT_EQ(nullptr, XGWindow::GetXGWindow(hwnd));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ((std::vector<std::string>{"crew 42 hwnd", "namw 42 hwnd", "desw 42 hwnd"}), fApp->fLog);
}

TEST_F(WindowTest, CloseIsRefusedWhenPdswAnswersZero)
{
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 300, 200);
    XGWindow* window = new XGWindow(r, nullptr);
    const HWND hwnd = window->GetHWND();
    fApp->fCloseAnswer = 0;
    EXPECT_FALSE(window->CloseWindow());
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(window, XGWindow::GetXGWindow(hwnd));

    fApp->fCloseAnswer = -1;
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(nullptr, XGWindow::GetXGWindow(hwnd));
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowTest, ListKeepsItsOrderWhenAMiddleWindowGoes)
{
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 100, 100);
    XGWindow* a = new XGWindow(r, nullptr);
    XGWindow* b = new XGWindow(r, nullptr);
    XGWindow* c = new XGWindow(r, nullptr);
    EXPECT_EQ(c, XGWindow::gList);
    delete b;
    EXPECT_EQ(c, XGWindow::gList);
    EXPECT_EQ(a, c->GetNext());
    EXPECT_EQ(c, a->GetPrev());
    EXPECT_EQ(nullptr, a->GetNext());
}

TEST_F(WindowTest, MinMaxInfoTakesOnlyPositiveSizes)
{
    const Metrics m = GetMetrics();
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 300, 200);
    r.fMinWidth = 250;
    r.fMinHeight = 0;
    r.fMaxWidth = -5;
    r.fMaxHeight = 400;
    XGWindow* window = new XGWindow(r, nullptr);
    MINMAXINFO info = {};
    info.ptMinTrackSize = POINT{11, 12};
    info.ptMaxTrackSize = POINT{13, 14};
    info.ptMaxSize = POINT{15, 16};
    EXPECT_EQ(-1, XGWindowProc::ProcXGWindowCommon(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(250 + 2 * m.frameW, info.ptMinTrackSize.x);
    EXPECT_EQ(12, info.ptMinTrackSize.y);
    EXPECT_EQ(13, info.ptMaxTrackSize.x);
    EXPECT_EQ(400 + 2 * m.frameH + m.caption + m.menu, info.ptMaxTrackSize.y);
    EXPECT_EQ(15, info.ptMaxSize.x);
    EXPECT_EQ(16, info.ptMaxSize.y);
}

TEST_F(WindowTest, EraseBackgroundIsAnsweredWithoutPainting)
{
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 100, 100);
    XGWindow* window = new XGWindow(r, nullptr);
    // The erase goes to the device context it is given: a bitmap of a marking colour.
    // The class has a background brush, so erasing as the default does paints over it.
    const COLORREF kMagenta = RGB(255, 0, 255);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 100);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all = {0, 0, 100, 100};
    HBRUSH brush = CreateSolidBrush(kMagenta);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    EXPECT_EQ(1, SendMessageA(window->GetHWND(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
    int changed = 0;
    for (int y = 0; y < 100; y += 9)
        for (int x = 0; x < 100; x += 9)
            changed += GetPixel(dc, x, y) != kMagenta;
    EXPECT_EQ(0, changed);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(WindowTest, ContentAndFrameConversionsAreInverse)
{
    const Metrics m = GetMetrics();
    Point size = {100, 200};
    XGWindow::ContentToSize(&size);
    EXPECT_EQ(200 + 2 * m.frameW, size.h);
    EXPECT_EQ(100 + 2 * m.frameH + m.caption + m.menu, size.v);
    XGWindow::SizeToContent(&size);
    EXPECT_EQ(200, size.h);
    EXPECT_EQ(100, size.v);

    Point none = {0, -3};
    XGWindow::ContentToSize(&none);
    EXPECT_EQ(0, none.v);
    EXPECT_EQ(-3, none.h);

    tagRECT empty = {5, 5, 5, 9};
    XGWindow::ContentToSize(&empty);
    EXPECT_EQ(5, empty.left);
    EXPECT_EQ(5, empty.top);
}

TEST_F(WindowTest, AFailingDestroyNoticeIsShownAndTheWindowStillGoes)
{
    XGSWindowInitRecord r = Window(0, 40, 60, 240, 160);
    XGWindow* window = new XGWindow(r, nullptr);
    HWND native = window->GetHWND();
    testsupport::CountedError::gShown = 0;
    fApp->fFailDestroy = true;
    delete window;
    fApp->fFailDestroy = false;
    EXPECT_EQ(1, testsupport::CountedError::gShown);
    EXPECT_FALSE(IsWindow(native));
    EXPECT_EQ(nullptr, XGWindow::GetXGWindow(native));
}

// Throws from its drawing.
class FailingView : public XGView {
public:
    FailingView(XGView* parent, XGSViewInitRecord record) : XGView(parent, record) {}
    void DoDrawView(tagRECT) override { throw testsupport::CountedError(); }
};

TEST_F(WindowTest, AFailingDrawingIsShownAndEndsItsPaint)
{
    XGSWindowInitRecord r = Window(0, 40, 60, 240, 160);
    r.fShow = true;
    XGWindow* window = new XGWindow(r, nullptr);
    new FailingView(window, View(1, 0, 0, 200, 100));
    HWND native = window->GetHWND();
    testsupport::CountedError::gShown = 0;
    InvalidateRect(native, nullptr, FALSE);
    UpdateWindow(native);
    EXPECT_EQ(1, testsupport::CountedError::gShown);
    // Nothing later clips its drawing to the failed paint's rectangle.
    EXPECT_EQ(nullptr, XGDraw::gUpdate);
    // The paint was ended: the window asks for no other.
    EXPECT_FALSE(GetUpdateRect(native, nullptr, FALSE));
}

}  // namespace
}  // namespace windowstest
