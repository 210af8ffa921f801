#include "core/XGAppCore.h"
#include <commctrl.h>
#include <ole2.h>
#include "core/XGAppArgs.h"
#include "dispatch/XGBroadcast.h"
#include "files/XGCopyrightWindow.h"
#include "files/XGDirectory.h"
#include "foundation/XGError.h"
#include "files/XGFileSpecifier.h"
#include "dispatch/XGMenuStatus.h"
#include "controls/XGCommands.h"
#include "controls/XGMenuBar.h"
#include "dispatch/XGMessages.h"
#include "dispatch/XGPeriodic.h"
#include "controls/XGPopWindow.h"
#include "controls/XGScriptBreaks.h"
#include "views/XGControlLink.h"
#include "views/XGView.h"
#include "views/XGWindow.h"
#include "views/XGWindowProc.h"

XGAppCore* XGAppCore::gApplication = nullptr;
MSG XGAppCore::gLastMessage;

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(XGAppCore, XGDispatch)
    XG_ON(kMsgGetMenuStatus, DoGetMenuStatus)
    XG_ON(kMsgMenuCommand, DoMenuCommand)
    XG_ON(kMsgQuitApplication, DoQuitApplication)
XG_END_DISPATCH()

namespace {

// The time the splash must at least stay up.
const unsigned long kCopyrightMinimum = 3000;

// Every exit from an event step leaves no owner behind: a window closed by a
// later event must never be reached through a stale owner.
class EventOwnerReset {
public:
    explicit EventOwnerReset(XGAppCore* app) : fApp(app) {}
    ~EventOwnerReset() { fApp->SetEventOwner(nullptr); }
    EventOwnerReset(const EventOwnerReset&) = delete;
    EventOwnerReset& operator=(const EventOwnerReset&) = delete;
private:
    XGAppCore* fApp;
};

XGWindow* NextWindowToClose()
{
    if (XGWindow* front = XGWindow::GetFrontWindow())
        return front;
    return XGWindow::gList;
}

bool IsListedWindow(const XGWindow* window)
{
    for (XGWindow* listed = XGWindow::gList; listed; listed = listed->GetNext()) {
        if (listed == window)
            return true;
    }
    return false;
}

}

XGAppCore::XGAppCore()
    : fQuitFlag(false),
      fQuitting(false),
      fMutex(nullptr),
      fCopyrightWindow(nullptr),
      fCopyrightUntil(0),
      fOleReady(false),
      fLeaveCheckedHWND(nullptr),
      fLeaveCheckedPoint{0, 0}
{
    XG_ASSERT(gApplication == NULL, "XGAppCore", 81);
    gApplication = this;
    SetRoot(this);
    try {
        XGDirectory::InitDirectoryInfo();
        // The caret steps over what the system's own editors take for one character.
        XGScriptBreaks::Install();
        InitOS();
        RegisterDefaultClasses();
    } catch (...) {
        // The destructor will not run for an object that was never built.
        KillOS();
        gApplication = nullptr;
        SetRoot(nullptr);
        throw;
    }
    fMutex = nullptr;
}

XGAppCore::~XGAppCore()
{
    if (fCopyrightWindow)
        DestroyWindow(fCopyrightWindow);
    KillOS();
    if (gApplication == this)
        gApplication = nullptr;
    if (GetRoot() == this)
        SetRoot(nullptr);
    if (fMutex)
        CloseHandle(fMutex);
}

void XGAppCore::InitOS()
{
    InitCommonControls();
    fOleReady = SUCCEEDED(OleInitialize(nullptr));
    // A thread timer: the loop wakes twenty times a second even when the user
    // does nothing, so the periodic messages keep running.
    GTimerID = SetTimer(nullptr, 0, 50, nullptr);
}

void XGAppCore::KillOS()
{
    if (GTimerID) {
        KillTimer(nullptr, GTimerID);
        GTimerID = 0;
    }
    if (fOleReady) {
        OleUninitialize();
        fOleReady = false;
    }
}

XGDispatch* XGAppCore::GetParentDispatch()
{
    return nullptr;
}

void XGAppCore::Run()
{
    OpenCopyright();
    fQuitFlag = false;
    CloseCopyright();

    try {
        AdjustFocus();
        GetAppArgs();
        XGBroadcast::SendPostBroadcast();
        XGBroadcast::SendBroadcast(kMsgPostEvent, 0, nullptr);
        XGPeriodic::SendPeriodic(true);
    } catch (...) {
        ReportException();
    }

    for (;;) {
        while (!fQuitFlag)
            RunOnce(nullptr);

        // The front window goes first; the list takes over when there is no
        // front window (another program's is active), so that no window is
        // left without being asked.
        try {
            while (XGWindow* next = NextWindowToClose()) {
                // A window that claims to close but stays would otherwise
                // keep this loop turning for ever.
                if (!next->CloseWindow() || IsListedWindow(next)) {
                    fQuitFlag = false;
                    break;
                }
            }
        } catch (...) {
            fQuitFlag = false;
            ReportException();
        }

        if (!XGWindow::gList)
            return;
    }
}

void XGAppCore::Exit()
{
    fQuitFlag = true;
}

bool XGAppCore::FilterEvent(void* /*event*/)
{
    return false;
}

void XGAppCore::RunTurn()
{
    DoPreEvent();
    DoEvent();
    DoPostEvent();
}

void XGAppCore::DoPreEvent()
{
    XGPeriodic::SendPeriodic(false);
    XGBroadcast::SendBroadcast(kMsgPreEvent, 0, nullptr);
    SendDispatch(kMsgPeriodic, 0, nullptr);
}

void XGAppCore::DoEvent()
{
    // Asking which window is under the pointer costs two round trips to the
    // window server, so it is asked only where the answer may have changed:
    // here when a view was entered since the last answer, and below for a
    // mouse message or the framework's tick.
    if (!XGWindow::gLastHWND)
        fLeaveCheckedHWND = nullptr;
    else if (XGWindow::gLastHWND != fLeaveCheckedHWND)
        CheckMouseLeave();

    BOOL got = GetMessageW(&gLastMessage, nullptr, 0, 0);
    if (got == 0) {
        fQuitFlag = true;
        return;
    }
    if (got == -1)
        return;
    if (XGWindow::gLastHWND && MayHaveLeft(gLastMessage))
        CheckMouseLeave();

    // In a modal turn the keys belong to the modal window: the frame's
    // accelerators act on the windows below it (Ctrl+F4 would close the
    // document that a question is about).
    if (!IsInsideModalTurn()) {
        if (_GMDIWindow && TranslateMDISysAccel(_GMDIWindow, &gLastMessage))
            return;
        if (XGMenuBar::TranslateAcceleratorA(_GMainWindow, &gLastMessage))
            return;
    }

    EventOwnerReset ownerReset(this);
    if (XGWindow* owner = XGWindow::GetXGWindow(gLastMessage.hwnd))
        fEventOwner = owner;

    if (FilterEvent(&gLastMessage))
        return;
    if (SendDispatch(kMsgEvent, 0, &gLastMessage) == 1)
        return;
    if (XGWindowProc::ProcKeyboardCommon(gLastMessage.message, gLastMessage.wParam, gLastMessage.lParam) != -1)
        return;

    TranslateMessage(&gLastMessage);
    DispatchMessageW(&gLastMessage);
}

bool XGAppCore::MayHaveLeft(const MSG& message) const
{
    // A window may have come between the pointer and the view without any
    // message to this thread; the periodic tick bounds how long that goes
    // unseen.
    if (message.message == WM_TIMER && !message.hwnd && GTimerID && message.wParam == GTimerID)
        return true;
    const UINT m = message.message;
    const bool mouse = (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK)
                       || m == WM_MOUSELEAVE || m == WM_NCMOUSELEAVE;
    if (!mouse)
        return false;
    // Mouse input to the window last seen under the pointer cannot have
    // changed the answer unless the pointer moved: a press or release moves
    // nothing, and every move over a window of this thread comes as a move.
    if (message.hwnd != fLeaveCheckedHWND || XGWindow::gLastHWND != fLeaveCheckedHWND || m == WM_MOUSELEAVE
        || m == WM_NCMOUSELEAVE)
        return true;
    const bool move = m == WM_MOUSEMOVE || m == WM_NCMOUSEMOVE;
    return move && (message.pt.x != fLeaveCheckedPoint.x || message.pt.y != fLeaveCheckedPoint.y);
}

void XGAppCore::CheckMouseLeave()
{
    POINT cursor;
    GetCursorPos(&cursor);
    HWND under = WindowFromPoint(cursor);
    XGPopWindow* pop = XGPopWindow::GetPopWindow(under);
    if (under != XGWindow::gLastHWND && !(pop && pop->GetBase() == XGWindow::gLastView))
        XGWindow::ProcessMouseLeave();
    fLeaveCheckedHWND = XGWindow::gLastHWND;
    fLeaveCheckedPoint = cursor;
}

void XGAppCore::DoPostEvent()
{
    AdjustFocus();
    XGBroadcast::SendPostBroadcast();
    XGBroadcast::SendBroadcast(kMsgPostEvent, 0, nullptr);
    XGPeriodic::SendPeriodic(true);
}

void XGAppCore::AdjustFocus()
{
    XGWindow* front = XGWindow::GetFrontWindow();
    if (XGView* view = dynamic_cast<XGView*>(GetFocus())) {
        XGWindow* window = view->GetWindow();
        if (window && ((window->GetWindowAttributes() & kWindowAttrFloating) || window == GetModalWindow()
                       || window == front))
            return;
    }

    if (!front)
        SetFocus();
    else if (front->GetFocusView() && front->GetFocusView()->IsVisible())
        front->GetFocusView()->SetFocus();
    else
        front->SetFocus();

    HWND native = ::GetFocus();
    if (!native)
        return;
    if (XGDispatch* control = XGControlLink::Find(native)) {
        control->SetFocus();
    } else if (GetPropA(native, _GWindowClass)) {
        XGView* view = dynamic_cast<XGView*>(GetFocus());
        if (view && view->GetRootWindow() && view->GetRootWindow() != native)
            ::SetFocus(view->GetRootWindow());
    }
}

void XGAppCore::GetAppArgs()
{
    char buffer[kXGAppArgsBufferSize];
    char* args[kXGAppArgsMax];
    int count = XGSplitAppArgs(_GArgString, buffer, args);

    if (count == 0) {
        SendDispatch(kMsgOpenApplication, 0, nullptr);
        return;
    }
    XGFileSpecifier file;
    for (int i = 0; i < count; ++i) {
        file = args[i];
        SendDispatch(kMsgOpenDocument, 0, &file);
    }
}

long XGAppCore::DoGetMenuStatus(long arg, void* data)
{
    if (IsModalWindow())
        return -1;
    XGMenuStatus* status = static_cast<XGMenuStatus*>(data);
    switch (arg) {
    case kCmdAbout:
    case kCmdQuit:
        status->enabled = true;
        return 0;
    case kCmdClose:
        status->enabled = XGWindow::GetFrontWindow() != nullptr;
        return 0;
    default:
        return -1;
    }
}

long XGAppCore::DoMenuCommand(long arg, void* /*data*/)
{
    if (IsModalWindow())
        return -1;
    switch (arg) {
    case kCmdAbout:
        ShowCopyright();
        return 0;
    case kCmdQuit:
        SendDispatch(kMsgQuitApplication, 0, nullptr);
        return 0;
    case kCmdClose:
        if (XGWindow* front = XGWindow::GetFrontWindow())
            front->CloseWindow();
        return 0;
    default:
        return -1;
    }
}

bool XGAppCore::MayStartQuit() const
{
    if (fQuitting || IsInsideModalTurn())
        return false;
    // A system dialog (a file dialog, a message box) disables its owner
    // while its own loop runs.
    return !_GMainWindow || IsWindowEnabled(_GMainWindow);
}

long XGAppCore::DoQuitApplication(long /*arg*/, void* /*data*/)
{
    if (!MayStartQuit())
        return -1;
    QuitScope quitting(this);
    return CloseAllWindows();
}

long XGAppCore::CloseAllWindows()
{
    while (XGWindow* first = XGWindow::gList) {
        if (!first->CloseWindow() || XGWindow::gList == first)
            return -1;
    }
    Exit();
    return 0;
}

void XGAppCore::OpenCopyright()
{
    fCopyrightWindow = XGCreateCopyrightWindow();
    fCopyrightUntil = GetTickCount() + kCopyrightMinimum;
}

void XGAppCore::CloseCopyright()
{
    if (!fCopyrightWindow)
        return;
    // The difference, not a comparison, so that the tick count's wrap after
    // 49 days neither skips nor stretches the wait.
    while (static_cast<long>(fCopyrightUntil - GetTickCount()) > 0)
        Sleep(10);
    DestroyWindow(fCopyrightWindow);
    fCopyrightWindow = nullptr;
}

void XGAppCore::ShowCopyright()
{
    HWND window = XGCreateCopyrightWindow();
    if (!window)
        return;
    MSG message;
    for (;;) {
        BOOL got = GetMessageW(&message, window, 0, 0);
        if (got == 0) {
            // The quit message belongs to the event loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1)
            break;
        if (message.message == WM_LBUTTONDOWN || message.message == WM_RBUTTONDOWN
            || message.message == WM_MBUTTONDOWN || message.message == WM_KEYDOWN)
            break;
        DispatchMessageW(&message);
    }
    DestroyWindow(window);
}
