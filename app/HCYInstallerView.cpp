#include "HCYInstallerView.h"

#include "RegEdit.h"
#include "controls/XGButton.h"
#include "views/XGCursor.h"
#include "views/XGDraw.h"
#include "dispatch/XGGlobals.h"
#include "dispatch/XGMessages.h"
#include "views/XGWindowProc.h"

#include <windows.h>

namespace {
const unsigned long kSplashMilliseconds = 3000;
const short kCheckBoxID = 3;
const short kButtonIDs[] = {1, 2};

// The splash wait runs inside the start window's paint, with the window's
// views in use on the stack below it. A close asked for meanwhile (the close
// box, Alt+F4, WM_CLOSE from outside, the end of the session) would delete
// them under the wait; it is held back instead, ends the wait, and is asked
// for again once the paint is over. A wait nested in a wait (a repaint during
// the splash) shares the hold.
struct HeldClose {
    HWND window;
    WNDPROC previous;
    int depth;
    bool asked;
};
HeldClose gHeld = {nullptr, nullptr, 0, false};

LRESULT CALLBACK HoldCloseProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The end of the session closes the window too; it is agreed to, and the
    // close follows the wait like any other.
    if (hwnd == gHeld.window && (message == WM_CLOSE || message == WM_QUERYENDSESSION)) {
        gHeld.asked = true;
        return message == WM_QUERYENDSESSION ? TRUE : 0;
    }
    return CallWindowProcW(gHeld.previous, hwnd, message, wParam, lParam);
}

// False when another window's close is held already; that wait goes unguarded.
bool HoldClose(HWND window)
{
    if (!window)
        return false;
    if (gHeld.depth > 0) {
        if (gHeld.window != window)
            return false;
        ++gHeld.depth;
        return true;
    }
    gHeld.window = window;
    gHeld.asked = false;
    gHeld.depth = 1;
    gHeld.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HoldCloseProc)));
    return true;
}

// Answers whether a close was asked for while held; the outermost wait
// restores the window procedure and asks for the close again.
bool ReleaseClose()
{
    bool asked = gHeld.asked;
    if (--gHeld.depth > 0)
        return asked;
    HWND window = gHeld.window;
    if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(HoldCloseProc))
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gHeld.previous));
    gHeld = {nullptr, nullptr, 0, false};
    if (asked)
        PostMessageW(window, WM_CLOSE, 0, 0);
    return asked;
}
}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(HCYInstallerView, XGView)
    XG_ON(kMsgPeriodic, DoPeriodic)
    XG_ON(kMsgControlClick, ControlClick)
XG_END_DISPATCH()

HCYInstallerView::HCYInstallerView(XGView* parent, XGArgStream& stream)
    : XGView(parent, stream)
    , gTimer(0)
    , kBackgroundPic(kSplashPic)
    , GTimer(0)
    , bFirst(true)
{
}

HCYInstallerView::~HCYInstallerView()
{
    // Closing the start window ends the launcher.
    PostQuitMessage(0);
}

void HCYInstallerView::DoDrawView(tagRECT)
{
    XGDraw draw(this);
    tagRECT content = GetContentRect();
    draw.FillRect(content, RGB(0, 0, 0));
    tagRECT frame = content;
    RectMath::InsetRect(&frame, -1, -1);
    draw.Draw3DRect(frame, kRectSunken);

    if (bFirst) {
        // The first picture goes straight onto the window, outside the paint
        // clipping, so that the whole splash is up before the wait begins.
        HWND window = GetRootWindow();
        HBITMAP bitmap = LoadBitmapW(_GInstance, MAKEINTRESOURCEW(kBackgroundPic));
        if (bitmap) {
            HDC windowDC = ::GetDC(window);
            HDC memoryDC = CreateCompatibleDC(windowDC);
            HGDIOBJ previous = SelectObject(memoryDC, bitmap);
            BitBlt(windowDC, 0, 0, 640, 480, memoryDC, 0, 0, SRCCOPY);
            SelectObject(memoryDC, previous);
            DeleteDC(memoryDC);
            ReleaseDC(window, windowDC);
            DeleteObject(bitmap);
        }
        bFirst = false;
    } else {
        draw.DrawPicture(static_cast<short>(kBackgroundPic), static_cast<short>(content.left),
                         static_cast<short>(content.top));
    }

    if (kBackgroundPic != kMainPic)
        DoTimer();
}

void HCYInstallerView::DoTimer()
{
    GTimer = GetTickCount() + kSplashMilliseconds;
    MSG msg = {};
    bool interrupted = false;
    const bool held = HoldClose(GetRootWindow());
    // The framework's 50 ms thread timer keeps messages coming, so the time
    // is checked often enough although only between messages.
    while (GetTickCount() < GTimer) {
        if (GetMessageW(&msg, _GMainWindow, 0, 0) == -1)
            break;
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN
            || msg.message == WM_KEYDOWN || msg.message == WM_QUIT) {
            interrupted = true;
            break;
        }
        DispatchMessageW(&msg);
        if (held && gHeld.asked)
            break;
    }
    // The window closes once the paint is over; there is nothing to switch.
    if (held && ReleaseClose())
        return;

    if (msg.message != WM_NCLBUTTONDOWN && msg.message != WM_QUIT)
        ChangeBackground();
    // Only a left click skips the splash; any other button or a key ends the
    // program, and a quit message taken here is put back.
    if (interrupted && msg.message != WM_LBUTTONDOWN)
        PostQuitMessage(0);
}

void HCYInstallerView::ChangeBackground()
{
    if (kBackgroundPic == kMainPic)
        return;
    kBackgroundPic = kMainPic;
    DoDrawView(GetContentRect());
    for (short id : kButtonIDs)
        if (XGView* button = FindViewByID(id))
            button->ShowView();
}

void HCYInstallerView::DoGainFocus()
{
    kBackgroundPic = kMainPic;
    DoDrawView(GetContentRect());
    for (short id : kButtonIDs)
        if (XGView* button = FindViewByID(id))
            button->DoDrawView(button->GetContentRect());
}

void HCYInstallerView::DoLoseFocus()
{
}

bool HCYInstallerView::DoMouseDown(Point where, short modifiers)
{
    if (modifiers & kModCaptured)
        return false;
    XGView::DoMouseUp(where, modifiers);
    return true;
}

void HCYInstallerView::DoMouseMove(Point, short modifiers)
{
    if (!(modifiers & kModCaptured))
        SetCursorID(1);
}

void HCYInstallerView::DoMouseUp(Point where, short modifiers)
{
    ChangeBackground();
    if (!(modifiers & kModCaptured))
        XGView::DoMouseUp(where, modifiers);
}

void HCYInstallerView::DoSizeView()
{
    XGView::DoSizeView();
    InvalView(nullptr);
}

long HCYInstallerView::DoPeriodic(long, void*)
{
    return -1;
}

long HCYInstallerView::ControlClick(long viewID, void*)
{
    if (viewID != kCheckBoxID)
        return 1;
    if (auto* box = dynamic_cast<XGButton*>(FindViewByID(kCheckBoxID)))
        box->SetValue(box->GetValue() == 0 ? 1 : 0);

    RegEdit reg("Control Panel\\Screen Saver.Halcyra", "Screen Saver");
    int playSound = 0;
    reg.ReadValue("Play Sound", &playSound);
    if (playSound == 1)
        MessageBoxW(nullptr, L"kl", L"kl", MB_OK);
    return 1;
}
