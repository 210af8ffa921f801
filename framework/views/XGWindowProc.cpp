#include "views/XGWindowProc.h"
#include "views/XGContrast.h"

#include <cstring>
#include <string>

#include "dispatch/XGEventLoop.h"
#include "foundation/XGUtf16Joiner.h"
#include "foundation/XGUtf8.h"
#include "views/XGDDEServer.h"
#include "views/XGDraw.h"
#include "views/XGAccessible.h"
#include "views/XGControlLink.h"
#include "views/XGEventOwner.h"
#include "views/XGInline.h"
#include "dispatch/XGMessages.h"
#include "views/XGMouseGesture.h"
#include "dispatch/XGSystemDpi.h"
#include "views/XGWindow.h"

XGMenuBar* (*XGWindowProc::gCurMenuHook)() = nullptr;
bool (*XGWindowProc::gMenuCommandHook)(XGMenuBar* menu, unsigned int command) = nullptr;
long (*XGWindowProc::gPopCountHook)() = nullptr;

namespace {

// Newer than the headers here.
const UINT kWmDpiChanged = 0x02E0;
const UINT kWmDpiChangedAfterParent = 0x02E3;
const UINT kWmGetDpiScaledSize = 0x02E4;

short WithBits(short mods, unsigned short bits) { return static_cast<short>(mods | bits); }

long KeyValue(short mods, unsigned key)
{
    return XGKeyArg(static_cast<unsigned short>(mods), static_cast<unsigned short>(key));
}

// Sends one key event per whole character that a WM_CHAR or WM_SYSCHAR unit
// completes. A high surrogate waits for its partner and is let through to the
// window as it came, so that a native control still gets both halves when the
// joined character is not handled.
LRESULT SendCharacters(long msg, XGUtf16Joiner& joiner, WPARAM unit)
{
    char32_t characters[2];
    const size_t count = joiner.Feed(static_cast<char16_t>(unit), characters);
    LRESULT answer = -1;
    for (size_t i = 0; i < count; ++i) {
        const char32_t c = characters[i];
        // Control characters (Backspace, Return, Escape) stay keys without text.
        std::string text;
        if (c >= 0x20 && c != 0x7F)
            XGUtf8::Append(text, c);
        const unsigned key = c > 0xFFFF ? unsigned(XGUtf8::kReplacement) : unsigned(c);
        answer = XGDispatch::SendDispatch(msg, KeyValue(XGWindowProc::GetStateFlags(), key),
                                          text.empty() ? nullptr : const_cast<char*>(text.c_str()));
    }
    return answer;
}

XGUtf16Joiner gCharJoiner;
XGUtf16Joiner gSysCharJoiner;

LRESULT DispatchToControl(XGWindow* window, HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!control)
        return 0;
    XGDispatch* target = XGControlLink::Find(control);
    if (!target)
        return 0;
    XGControlMessage record = {window->GetHWND(), message, wParam, lParam};
    return target->DoDispatch(kMsgControlNotify, 0, &record, true);
}

// Ends a paint however the drawing ends: a throw must neither leave the
// update rectangle pointing into a finished frame nor keep the paint DC and
// the hidden caret that only EndPaint gives back.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : fWindow(hwnd)
    {
        BeginPaint(hwnd, &fPaint);
        fUpdate = fPaint.rcPaint;
        XGDraw::UpdateRect(&fUpdate);
    }
    ~PaintScope()
    {
        XGDraw::UpdateRect(nullptr);
        EndPaint(fWindow, &fPaint);
    }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    tagRECT Update() const { return fUpdate; }

private:
    HWND fWindow;
    PAINTSTRUCT fPaint;
    tagRECT fUpdate;
};

// A framework window's gesture goes to its view tree.
class WindowGesture : public XGMouseGesture {
public:
    explicit WindowGesture(XGWindow* window) : fWindow(window) {}

protected:
    bool ReportsCaptureLoss() const override { return true; }
    XGView* Press(Point where, short modifiers) override { return fWindow->ProcessMouseDown(where, modifiers); }
    void Move(Point where, short modifiers, XGView* capture) override
    {
        fWindow->ProcessMouseMove(where, modifiers, capture);
    }
    bool Release(Point where, short modifiers, XGView* capture) override
    {
        return fWindow->ProcessMouseUp(where, modifiers, capture);
    }

private:
    XGWindow* fWindow;
};

XGWindow* WindowFor(HWND hwnd)
{
    XGWindow* window = XGWindow::GetXGWindow(hwnd);
    return window ? window : _GWindow;
}

void Attach(XGWindow* window, HWND hwnd)
{
    SetPropA(hwnd, _GWindowClass, static_cast<HANDLE>(window));
    window->SetHWND(hwnd);
}

} // namespace

void XGWindowProc::PaintView(HWND hwnd, XGView* view)
{
    PaintScope paint(hwnd);
    view->ProcessDraw(paint.Update());
}

void XGWindowProc::NoteMoveOrSize(UINT message)
{
    if (message == WM_MOVE || message == WM_SIZE || message == WM_SIZING || message == WM_MOVING)
        XGInline::Close();
}

// the modifier word and key codes

short XGWindowProc::GetStateFlags()
{
    struct Key {
        int virtualKey;
        unsigned short bit;
    };
    static const Key keys[] = {
        {VK_SHIFT, kModShift},         {VK_CONTROL, kModControl},
        {VK_MENU, kModAlt},            {VK_LBUTTON, kModLeftButton},
        {VK_RBUTTON, kModRightButton}, {VK_MBUTTON, kModMiddleButton},
    };
    // One read of the whole key state: each GetKeyState is a round trip to
    // the window server under Wine. The table holds what GetKeyState would
    // report, down in the high bit and the toggle in the lowest.
    BYTE state[256];
    if (!GetKeyboardState(state))
        std::memset(state, 0, sizeof(state));
    unsigned short mods = 0;
    for (const Key& key : keys) {
        // Held means any bit of the state other than the toggle bit.
        if (state[key.virtualKey] & 0xFE)
            mods |= key.bit;
    }
    XGEventLoop::gLastMods = static_cast<short>(mods);
    return static_cast<short>(mods);
}

short XGWindowProc::GetExtendedKeyCode(WPARAM virtualKey, LPARAM)
{
    struct Code {
        WPARAM virtualKey;
        short code;
    };
    static const Code codes[] = {
        {VK_UP, kKeyUp},         {VK_DOWN, kKeyDown},       {VK_LEFT, kKeyLeft},
        {VK_RIGHT, kKeyRight},   {VK_INSERT, kKeyInsert},   {VK_DELETE, kKeyDelete},
        {VK_HOME, kKeyHome},     {VK_END, kKeyEnd},         {VK_PRIOR, kKeyPageUp},
        {VK_NEXT, kKeyPageDown}, {VK_ESCAPE, kKeyEscape},   {VK_HELP, kKeyHelp},
        {VK_NUMLOCK, kKeyNumLock},
    };
    for (const Code& code : codes) {
        if (code.virtualKey == virtualKey)
            return code.code;
    }
    if (virtualKey >= VK_F1 && virtualKey <= VK_F15)
        return static_cast<short>(kKeyF1 + (virtualKey - VK_F1));
    return -1;
}

LRESULT XGWindowProc::ProcKeyboardCommon(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN: {
        const short mods = GetStateFlags();
        const short code = GetExtendedKeyCode(wParam, lParam);
        if (code != -1) {
            XGDispatch::SendDispatch(kMsgKey, KeyValue(WithBits(mods, kModExtendedKey), code), nullptr);
            return 0;
        }
        if (wParam == VK_TAB) {
            // Consumed here, so no WM_CHAR follows and Tab arrives once.
            XGDispatch::SendDispatch(kMsgKey, KeyValue(mods, kKeyTab), nullptr);
            return 0;
        }
        return -1;
    }
    case WM_CHAR:
        return SendCharacters(kMsgKey, gCharJoiner, wParam);
    case WM_SYSCHAR:
        return SendCharacters(kMsgMenuKey, gSysCharJoiner, wParam);
    default:
        return -1;
    }
}

// the system's focus

namespace {

// The framework window that received the focus and has not lost it since,
// or null when the focus is elsewhere or not known.
HWND gNativeFocus = nullptr;

}  // namespace

void XGWindowProc::NoteFocus(HWND window, UINT message)
{
    if (message == WM_SETFOCUS)
        gNativeFocus = window;
    else if ((message == WM_KILLFOCUS || message == WM_NCDESTROY) && gNativeFocus == window)
        gNativeFocus = nullptr;
}

bool XGWindowProc::HasNativeFocus(HWND window)
{
    if (gNativeFocus)
        return gNativeFocus == window;
    return ::GetFocus() == window;
}

// mouse messages

Point XGWindowProc::MousePoint(LPARAM lParam)
{
    return Point{static_cast<int16_t>(HIWORD(lParam)), static_cast<int16_t>(LOWORD(lParam))};
}

bool XGWindowProc::IsMousePress(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN
        || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK;
}

bool XGWindowProc::IsDoubleClick(UINT message)
{
    return message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

bool XGWindowProc::IsMouseRelease(UINT message)
{
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

short XGWindowProc::GetPressFlags(UINT message)
{
    const short mods = GetStateFlags();
    return IsDoubleClick(message) ? WithBits(mods, kModDoubleClick) : mods;
}

// the handler every framework window shares

LRESULT XGWindowProc::ProcXGWindowCommon(XGWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETMINMAXINFO) {
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        if (!window) {
            info->ptMinTrackSize.x = 150;
            info->ptMinTrackSize.y = 100;
            return -1;
        }
        struct Limit {
            Point size;
            POINT* target;
        };
        const Limit limits[] = {
            {window->MinWindowSize(), &info->ptMinTrackSize},
            {window->MaxWindowSize(), &info->ptMaxTrackSize},
            {window->ZoomWindowSize(), &info->ptMaxSize},
        };
        for (const Limit& limit : limits) {
            Point size = limit.size;
            window->ContentToFrameSize(&size);
            if (size.h > 0)
                limit.target->x = size.h;
            if (size.v > 0)
                limit.target->y = size.v;
        }
        return -1;
    }
    if (!window)
        return -1;

    const HWND hwnd = window->GetHWND();
    if (XGAccessible::RunPosted(window, message, wParam, lParam))
        return 0;
    if (XGMouseGesture::IsMouseMessage(message)) {
        if (hwnd)
            WindowGesture(window).Track(hwnd, message, lParam);
        return 0;
    }
    switch (message) {
    case WM_DESTROY:
        // Destroyed from outside, the window is deleted here with its handle
        // already cleared, so its destructor cannot take the property away;
        // DDE and other late messages must not find the deleted object.
        if (hwnd)
            RemovePropA(hwnd, _GWindowClass);
        window->SetHWND(nullptr);
        // A window whose creation fails is still inside its constructor,
        // which cleans up itself.
        if (window != _GWindow)
            delete window;
        return 0;
    case WM_SIZE:
        XGInline::Close();
        if (!IsIconic(hwnd) && window != _GWindow && hwnd)
            window->ProcessSizeWindow();
        return -1;
    case kWmDpiChanged:
        // The window moved to a screen of another scale: the tree is laid
        // out again in place, in the frame the system suggests.
        if (hwnd)
            window->ChangeDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case kWmGetDpiScaledSize:
        // Asked before a move to a screen of another scale: the content is
        // what scales, not the whole frame, so the suggestion WM_DPICHANGED
        // brings fits the content exactly.
        if (hwnd && lParam) {
            const tagRECT frame = window->FrameAtDpi(int(wParam));
            SIZE* size = reinterpret_cast<SIZE*>(lParam);
            size->cx = frame.right - frame.left;
            size->cy = frame.bottom - frame.top;
            return TRUE;
        }
        return -1;
    case kWmDpiChangedAfterParent:
        // A document inside a frame that changed scale keeps its place.
        if (hwnd)
            window->ChangeDpi(XGSystemDpi::GetDpiForWindow(hwnd));
        return -1;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        // High contrast may have come or gone: everything is drawn again.
        XGContrast::SettingsChanged();
        if (hwnd)
            InvalidateRect(hwnd, nullptr, FALSE);
        return -1;
    case WM_UPDATEUISTATE:
        // The system's word on keyboard cues (Alt pressed, a dialog's Tab).
        if (HIWORD(wParam) & UISF_HIDEFOCUS) {
            if (LOWORD(wParam) == UIS_CLEAR)
                window->SetFocusMarks(true);
            else if (LOWORD(wParam) == UIS_SET)
                window->SetFocusMarks(false);
        }
        return -1;
    case WM_CTLCOLORBTN:
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_NCACTIVATE:
        if (wParam == 0 && gPopCountHook && gPopCountHook() > 0)
            return 0;
        return -1;
    case WM_ERASEBKGND:
        return 1;
    case WM_GETOBJECT:
        return XGAccessible::Answer(window, wParam, lParam);
    case WM_PAINT:
        window->NotePaint();
        if (!hwnd || IsIconic(hwnd))
            return -1;
        PaintView(hwnd, window);
        return 0;
    case WM_COMMAND:
        if (lParam == 0) {
            XGMenuBar* menu = XGWindowProc::GetCurMenu();
            if (menu && gMenuCommandHook && gMenuCommandHook(menu, LOWORD(wParam)))
                return 0;
            return -1;
        }
        return DispatchToControl(window, reinterpret_cast<HWND>(lParam), message, wParam, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL:
        return DispatchToControl(window, reinterpret_cast<HWND>(lParam), message, wParam, lParam);
    default:
        return -1;
    }
}

// the window procedures: nothing escapes them, as C++ exceptions must not
// unwind through the system's frames; they are shown the way the event loop
// shows them.

LRESULT CALLBACK _GSingleWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    XGWindowProc::NoteFocus(hwnd, message);
    if (message == WM_CAPTURECHANGED || message == WM_NCDESTROY)
        XGMouseGesture::NoteCaptureLost(hwnd);
    if (message == WM_ACTIVATE)
        XGWindow::NoteActivation(hwnd, LOWORD(wParam) != WA_INACTIVE, reinterpret_cast<HWND>(lParam));
    else if (message == WM_NCDESTROY)
        XGWindow::NoteDestroyed(hwnd);
    XGWindow* window = WindowFor(hwnd);
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        XGEventOwner owner(window);
        LRESULT result = XGDDEServer::ProcDDECommon(hwnd, message, wParam, lParam);
        if (result != -1)
            return result;
        result = XGWindowProc::ProcXGWindowCommon(window, message, wParam, lParam);
        if (result != -1)
            return result;
        switch (message) {
        case WM_CREATE:
            Attach(window, hwnd);
            return 0;
        case WM_CLOSE:
            window->CloseWindow();
            return 0;
        case WM_QUERYENDSESSION: {
            // Inside a modal loop nothing closes: the loop below uses the
            // windows, and a question closed here would read as a Cancel.
            XGEventLoop* loop = XGEventLoop::GetLoop();
            if (loop && loop->IsInsideModalTurn())
                return 0;
            return window->CloseWindow() ? 1 : 0;
        }
        case WM_ACTIVATE:
            if (window->GetHWND())
                window->ProcessActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        default:
            XGWindowProc::NoteMoveOrSize(message);
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
    } catch (...) {
        XGEventLoop::ReportException();
        return 0;
    }
}

LRESULT CALLBACK _GChildWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    XGWindowProc::NoteFocus(hwnd, message);
    if (message == WM_CAPTURECHANGED || message == WM_NCDESTROY)
        XGMouseGesture::NoteCaptureLost(hwnd);
    XGWindow* window = WindowFor(hwnd);
    if (!window)
        return DefMDIChildProcW(hwnd, message, wParam, lParam);
    try {
        LRESULT result = XGWindowProc::ProcXGWindowCommon(window, message, wParam, lParam);
        if (result != -1)
            return result;
        switch (message) {
        case WM_CREATE:
            Attach(window, hwnd);
            return 0;
        case WM_NCCREATE:
            if ((window->GetWindowKind() & kWindowKindMask) == kWindowFloating)
                SetWindowLongPtrW(hwnd, GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
            return DefMDIChildProcW(hwnd, message, wParam, lParam);
        case WM_CLOSE:
            window->CloseWindow();
            return 0;
        case WM_MDIACTIVATE:
            if (window->GetHWND())
                window->ProcessActivate(reinterpret_cast<HWND>(lParam) == hwnd);
            return 0;
        default:
            XGWindowProc::NoteMoveOrSize(message);
            return DefMDIChildProcW(hwnd, message, wParam, lParam);
        }
    } catch (...) {
        XGEventLoop::ReportException();
        return 0;
    }
}
