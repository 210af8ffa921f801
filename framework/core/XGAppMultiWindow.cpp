#include "core/XGAppMultiWindow.h"
#include "core/XGAppMultiWindowRules.h"
#include "foundation/XGWide.h"
#include "dispatch/XGBroadcast.h"
#include "foundation/XGError.h"
#include "controls/XGMenu.h"
#include "controls/XGMenuBar.h"
#include "dispatch/XGMenuStatus.h"
#include "dispatch/XGMessages.h"
#include "controls/XGToolbarView.h"
#include "views/XGAccessible.h"
#include "views/RectMath.h"
#include "views/XGDDEServer.h"
#include "views/XGDpiScale.h"
#include "dispatch/XGSystemDpi.h"
#include "views/XGInline.h"
#include "views/XGMouseGesture.h"
#include "views/XGWindow.h"
#include "views/XGWindowProc.h"
#include <cstdio>

using Rules = XGAppMultiWindowRules;

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(XGAppMultiWindow, XGAppCore)
    XG_ON(kMsgWindowCreate, DoWindowCreate)
    XG_ON(kMsgWindowDestroy, DoWindowDestroy)
    XG_ON(kMsgWindowName, DoWindowName)
    XG_ON(kMsgGetMenuStatus, DoGetMenuStatus)
    XG_ON(kMsgMenuCommand, DoMenuCommand)
    XG_ON(kMsgPostEvent, DoPostPeriodic)
XG_END_DISPATCH()

static XGMenuBar* CurrentMenuOfApplication()
{
    XGAppMultiWindow* application = dynamic_cast<XGAppMultiWindow*>(XGAppCore::GetApplication());
    return application ? application->GetCurMenu() : nullptr;
}

XGAppMultiWindow::XGAppMultiWindow(const char* title) : fMyMenuBar(nullptr), fMDI(title != nullptr)
{
    if (!fMDI) {
        if (!_GPrevInstance)
            InitSDIApplication();
        InitSDIInstance();
    } else {
        if (!_GPrevInstance)
            InitMDIApplication();
        InitMDIInstance(title);
        try {
            fMyMenuBar = new XGMenuBar(_GMainWindow, true);
            fMyMenuBar->LoadFromResource(128);
        } catch (...) {
            // No destructor runs for a frame that was never built.
            KillMDIInstance();
            throw;
        }
    }
    XGWindowProc::gCurMenuHook = CurrentMenuOfApplication;
    XGBroadcast::AddBroadcast(this);
    InitToolbar(128);
}

XGAppMultiWindow::~XGAppMultiWindow()
{
    if (XGWindowProc::gCurMenuHook == CurrentMenuOfApplication)
        XGWindowProc::gCurMenuHook = nullptr;
    delete fMyMenuBar;
    fMyMenuBar = nullptr;
    for (long i = 0; i < fWindowList.Length(); ++i) {
        delete fWindowList[i].fMenuBar;
        fWindowList[i].fMenuBar = nullptr;
    }
    fWindowList.DeleteAll();
}

WNDCLASSEXW XGAppMultiWindow::DescribeFrameClass(const wchar_t* name, UINT style, WNDPROC procedure,
                                                 bool icons, bool arrow, int background, bool menu)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = _GInstance;
    if (icons) {
        // An aware process takes the sizes of its screen's scale: the nearest
        // picture the resource holds, scaled by the system where none fits.
        const bool aware = XGSystemDpi::GetAwareness() != XGSystemDpi::kUnaware;
        const int bigIcon = aware ? GetSystemMetrics(SM_CXICON) : 32;
        const int smallIcon = aware ? GetSystemMetrics(SM_CXSMICON) : 16;
        wc.hIcon = static_cast<HICON>(LoadImageW(_GInstance, L"AppIcon", IMAGE_ICON, bigIcon, bigIcon, LR_SHARED));
        wc.hIconSm = static_cast<HICON>(LoadImageW(_GInstance, L"AppIconSmall", IMAGE_ICON, smallIcon, smallIcon, LR_SHARED));
    }
    // Classes without a cursor leave it to the window procedures.
    wc.hCursor = arrow ? LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)) : nullptr;  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszMenuName = menu ? MAKEINTRESOURCEW(128) : nullptr;
    wc.lpszClassName = name;
    return wc;
}

bool XGAppMultiWindow::RegisterFrameClass(const char* name, UINT style, WNDPROC procedure, bool icons,
                                          bool arrow, int background, bool menu)
{
    const XGWide wideName(name);
    WNDCLASSEXW wc = DescribeFrameClass(wideName, style, procedure, icons, arrow, background, menu);
    return RegisterFrameClass(&wc);
}

bool XGAppMultiWindow::RegisterFrameClass(WNDCLASSEXW* wc)
{
    // Unicode classes: WM_CHAR brings UTF-16, and titles and texts keep every character.
    if (RegisterClassExW(wc))
        return true;
    // A class left by an earlier frame of this process (or by the windows'
    // own stand-in registration) may carry another procedure: replace it.
    if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    UnregisterClassW(wc->lpszClassName, wc->hInstance);
    return RegisterClassExW(wc) != 0;
}

void XGAppMultiWindow::InitMDIApplication()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (!RegisterFrameClass(_GToolClass, 0, _GToolBarWindowProc, false, true, COLOR_BTNFACE, false))
        _InlineError("RegisterClassEx(&wc)", "XGAppMultiWindow", 1094);
    if (!RegisterFrameClass(_GMainClass, 0, _GMainMDIWindowProc, true, true, COLOR_APPWORKSPACE, true))
        _InlineError("RegisterClassEx(&wc)", "XGAppMultiWindow", 1108);
    if (!RegisterFrameClass(_GWindowClass, CS_DBLCLKS, _GChildWindowProc, false, false, COLOR_WINDOW, false))
        _InlineError("RegisterClassEx(&wc)", "XGAppMultiWindow", 1122);
    if (!RegisterFrameClass(_GDlogClass, CS_DBLCLKS, _GSingleWindowProc, true, false, COLOR_BTNFACE, false))
        _InlineError("RegisterClassEx(&wc)", "XGAppMultiWindow", 1136);
}

void XGAppMultiWindow::InitMDIInstance(const char* title)
{
    if (!title)
        title = "KEBO Application";
    _GMainWindow = CreateWindowExW(0, XGWide(_GMainClass), XGWide(title), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   nullptr, nullptr, _GInstance, nullptr);
    XG_ASSERT(_GMainWindow, "XGAppMultiWindow", 1154);
    ::ShowWindow(_GMainWindow, _GArgShow);
    UpdateWindow(_GMainWindow);
}

void XGAppMultiWindow::KillMDIInstance()
{
    delete fMyMenuBar;
    fMyMenuBar = nullptr;
    // Cleared first: the going of a frame that never ran is no request to quit.
    HWND frame = _GMainWindow;
    _GMainWindow = nullptr;
    if (frame)
        DestroyWindow(frame);
    _GMDIWindow = nullptr;
}

void XGAppMultiWindow::InitSDIApplication()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (!RegisterFrameClass(_GWindowClass, CS_DBLCLKS, _GSingleWindowProc, true, false, COLOR_WINDOW, false))
        _InlineError("RegisterClassEx(&wc)", "XGAppMultiWindow", 1190);
    if (!RegisterFrameClass(_GDlogClass, CS_DBLCLKS, _GSingleWindowProc, true, false, COLOR_BTNFACE, false))
        _InlineError("RegisterClassEx(&wc)", "XGAppMultiWindow", 1204);
}

void XGAppMultiWindow::InitSDIInstance() {}

void XGAppMultiWindow::InitToolbar(short resID)
{
    // Without a "TMenu" resource the view's construction fails and the frame
    // goes on without a tool bar.
    try {
        _GToolView = new XGToolbarView(resID);
    } catch (...) {
        _GToolView = nullptr;
        return;
    }
    // Single-document mode has neither the strip's class nor a frame to hold it.
    if (!fMDI)
        return;
    _GToolWindow = CreateWindowExW(0, XGWide(_GToolClass), L"MyToolbar", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                   _GMainWindow, nullptr, _GInstance, nullptr);
    if (_GToolWindow)
        SendMessageW(_GMainWindow, WM_SIZE, 0, 0);
}

bool XGAppMultiWindow::IsListed(XGWindow* window)
{
    return window && window->GetWindowKind() == kWindowDocument
        && (window->GetWindowAttributes() & kWindowAttrUnlisted) == 0;
}

XGMenuBar* XGAppMultiWindow::GetCurMenu()
{
    if (fMDI)
        return fMyMenuBar;
    XGWindow* window = fEventOwner ? fEventOwner : XGWindow::GetFrontWindow();
    long index = FindRecord(window);
    return index < 0 ? nullptr : fWindowList[index].fMenuBar;
}

long XGAppMultiWindow::FindRecord(XGWindow* window) const
{
    if (!window)
        return -1;
    for (long i = 0; i < fWindowList.Length(); ++i)
        if (fWindowList[i].fWindow == window)
            return i;
    return -1;
}

long XGAppMultiWindow::DoWindowCreate(long, void* data)
{
    XGWindow* window = data ? *static_cast<XGWindow**>(data) : nullptr;
    if (IsListed(window))
        DoCreateWindow(window);
    return -1;
}

long XGAppMultiWindow::DoWindowDestroy(long, void* data)
{
    XGWindow* window = data ? *static_cast<XGWindow**>(data) : nullptr;
    if (IsListed(window))
        DoDestroyWindow(window);
    return -1;
}

long XGAppMultiWindow::DoWindowName(long, void* data)
{
    XGWindow* window = data ? *static_cast<XGWindow**>(data) : nullptr;
    if (IsListed(window) && FindRecord(window) >= 0)
        DoRenameWindow(window);
    return -1;
}

void XGAppMultiWindow::DoCreateWindow(XGWindow* window)
{
    XGMenuBar* menuBar = nullptr;
    if (!fMDI) {
        short id = window->GetMenuBarID();
        if (id == 0)
            id = 128;
        if (id != -1) {
            menuBar = new XGMenuBar(window->GetHWND(), false);
            try {
                menuBar->LoadFromResource(id);
            } catch (...) {
                delete menuBar;
                throw;
            }
        }
    }
    XGLstRecord record = {Rules::kNone, Rules::kNone, window, menuBar};
    fWindowList += record;
    SortWindowList();
    UpdateWindowMenu();
}

void XGAppMultiWindow::DoDestroyWindow(XGWindow* window)
{
    long index = FindRecord(window);
    if (index >= 0) {
        delete fWindowList[index].fMenuBar;
        fWindowList.Delete(index);
        if (fWindowList.Length() == 0 && !_GMDIWindow)
            XGDispatch::SendDispatch(kMsgQuitApplication, 0, nullptr);
    }
    UpdateWindowMenu();
}

void XGAppMultiWindow::DoRenameWindow(XGWindow*)
{
    SortWindowList();
    UpdateWindowMenu();
}

void XGAppMultiWindow::SortWindowList()
{
    // Insertion sort: stable, and the list is short and nearly sorted.
    char titleA[256], titleB[256];
    for (long i = 1; i < fWindowList.Length(); ++i) {
        XGLstRecord moving = fWindowList[i];
        moving.fWindow->GetTitle(titleA);
        long j = i;
        while (j > 0) {
            XGWindow* before = fWindowList[j - 1].fWindow;
            before->GetTitle(titleB);
            if (Rules::CompareWindows(before->GetWindowAttributes(), titleB,
                                      moving.fWindow->GetWindowAttributes(), titleA) <= 0)
                break;
            fWindowList[j] = fWindowList[j - 1];
            --j;
        }
        fWindowList[j] = moving;
    }
}

void XGAppMultiWindow::UpdateWindowMenu()
{
    if (fMDI) {
        UpdateWindowMenu(fMyMenuBar);
        return;
    }
    for (long i = 0; i < fWindowList.Length(); ++i) {
        if (!fWindowList[i].fMenuBar)
            continue;
        fEventOwner = fWindowList[i].fWindow;
        UpdateWindowMenu(fWindowList[i].fMenuBar);
        fEventOwner = nullptr;
    }
}

void XGAppMultiWindow::UpdateWindowMenu(XGMenuBar* menuBar)
{
    if (!menuBar)
        return;
    XGMenu* menu = nullptr;
    long position = -1;
    for (long m = 0; m < menuBar->GetLength() && !menu; ++m) {
        XGMenu* candidate = menuBar->GetMenu(m);
        for (long p = 0; candidate && p < candidate->GetLength(); ++p) {
            if (Rules::IsWindowsMenuNumber(candidate->GetItemID(p))) {
                menu = candidate;
                position = p;
                break;
            }
        }
    }
    if (!menu)
        return;

    while (position < menu->GetLength() && Rules::IsWindowsMenuNumber(menu->GetItemID(position)))
        menu->DeleteItem(position);

    long count = fWindowList.Length();
    int16_t used[2][Rules::kLastWindowCommand - Rules::kFirstWindowCommand + 1];
    bool digitsLeft = true, commandsLeft = true;
    for (long i = 0; i < count; ++i) {
        // Taken values are collected afresh per record: a value just given counts.
        if (digitsLeft && fWindowList[i].fDigit == Rules::kNone) {
            long n = 0;
            for (long k = 0; k < count && n < 4096; ++k)
                used[0][n++] = fWindowList[k].fDigit;
            short digit = Rules::FirstFree(used[0], n, Rules::kFirstDigit, Rules::kLastDigit);
            if (digit == Rules::kNone)
                digitsLeft = false;
            else
                fWindowList[i].fDigit = digit;
        }
    }
    for (long i = 0; i < count; ++i) {
        if (commandsLeft && fWindowList[i].fCommand == Rules::kNone) {
            long n = 0;
            for (long k = 0; k < count && n < 4096; ++k)
                if (fWindowList[k].fCommand != Rules::kNone)
                    used[1][n++] = fWindowList[k].fCommand;
            short command = Rules::FirstFree(used[1], n, Rules::kFirstWindowCommand, Rules::kLastWindowCommand);
            if (command == Rules::kNone)
                commandsLeft = false;
            else
                fWindowList[i].fCommand = command;
        }
    }

    if (count == 0) {
        menu->InsertItem(position);
        menu->SetItemID(position, Rules::kEmpty);
        menu->SetText(position, "Empty");
        return;
    }
    for (long i = 0; i < count; ++i) {
        const XGLstRecord& record = fWindowList[i];
        char title[256], text[272];
        record.fWindow->GetTitle(title);
        if (record.fDigit == Rules::kNone)
            snprintf(text, sizeof text, "%s", title);
        else
            snprintf(text, sizeof text, "&%d %s", record.fDigit, title);
        menu->InsertItem(position + i);
        menu->SetItemID(position + i, record.fCommand);
        menu->SetText(position + i, text);
    }
}

long XGAppMultiWindow::DoGetMenuStatus(long arg, void* data)
{
    if (IsModalWindow())
        return -1;
    XGMenuStatus* status = static_cast<XGMenuStatus*>(data);
    if (Rules::IsWindowItem(arg)) {
        if (status) {
            status->enabled = true;
            long front = FindRecord(XGWindow::GetFrontWindow());
            if (front >= 0 && fWindowList[front].fCommand == arg)
                status->checked = true;
        }
        return 1;
    }
    if (arg == Rules::kTile || arg == Rules::kCascade || arg == Rules::kArrange) {
        if (_GMDIWindow && fWindowList.Length() > 0) {
            if (status)
                status->enabled = true;
            return 1;
        }
        return -1;
    }
    return -1;
}

long XGAppMultiWindow::DoMenuCommand(long arg, void*)
{
    if (IsModalWindow())
        return -1;
    if (Rules::IsWindowItem(arg)) {
        for (long i = 0; i < fWindowList.Length(); ++i) {
            if (fWindowList[i].fCommand == arg) {
                XGWindow* window = fWindowList[i].fWindow;
                window->ShowWindow();
                window->SelectWindow();
                return 1;
            }
        }
        return -1;
    }
    switch (arg) {
    case Rules::kTile: TileWindows(); return 1;
    case Rules::kCascade: CascadeWindows(); return 1;
    case Rules::kArrange: ArrangeIcons(); return 1;
    default: return -1;
    }
}

void XGAppMultiWindow::TileWindows()
{
    SendMessageW(_GMDIWindow, WM_MDITILE, 0, 0);
}

void XGAppMultiWindow::CascadeWindows()
{
    SendMessageW(_GMDIWindow, WM_MDICASCADE, 0, 0);
}

void XGAppMultiWindow::ArrangeIcons()
{
    SendMessageW(_GMDIWindow, WM_MDIICONARRANGE, 0, 0);
}

long XGAppMultiWindow::DoPostPeriodic(long, void*)
{
    if (fMDI) {
        if (!fMyMenuBar)
            return 0;
        short id = 128;
        if (XGWindow* front = XGWindow::GetFrontWindow()) {
            id = front->GetMenuBarID();
            if (id == 0)
                id = 128;
            if (id == -1)
                return 0;
        }
        fMyMenuBar->LoadFromResource(id);
        if (XGToolbarView* tool = dynamic_cast<XGToolbarView*>(_GToolView))
            tool->ChangeToolMenu(id);
        UpdateWindowMenu();
        fMyMenuBar->UpdateMenuBar(XGDispatch::GetFocus());
        return 0;
    }
    for (long i = 0; i < fWindowList.Length(); ++i) {
        XGLstRecord& record = fWindowList[i];
        short id = record.fWindow->GetMenuBarID();
        if (id == 0)
            id = 128;
        if (id == -1 || !record.fMenuBar)
            continue;
        bool changed = record.fMenuBar->LoadFromResource(id);
        fEventOwner = record.fWindow;
        if (changed)
            UpdateWindowMenu(record.fMenuBar);
        XGView* focus = record.fWindow->GetFocusView();
        record.fMenuBar->UpdateMenuBar(focus ? static_cast<XGDispatch*>(focus) : record.fWindow);
        fEventOwner = nullptr;
    }
    return 0;
}

// the frame's window procedures: nothing escapes them, as C++ exceptions must
// not unwind through the system's frames.

namespace {

// The strip's height in layout units.
enum { kToolBarHeight = 27, kToolViewMinWidth = 0x1000 };

// Newer than the headers here.
const UINT kWmDpiChanged = 0x02E0;

// The DPI the tool view last laid itself out at.
int gToolDpi = XGDpiScale::kBaseDpi;

// The tool view hears of a scale other than the one it was last laid out at.
void FollowToolDpi()
{
    if (!_GToolView)
        return;
    const int dpi = _GToolView->GetDpi();
    if (dpi == gToolDpi)
        return;
    const int old = gToolDpi;
    gToolDpi = dpi;
    _GToolView->DoDpiChanged(old, dpi);
}

// The tool strip's gesture goes to its one view, which lies at the strip's
// origin: points are passed on unconverted. It starts only while no window
// at all holds the mouse.
class ToolGesture : public XGMouseGesture {
public:
    explicit ToolGesture(XGView* tool) : XGMouseGesture(kIgnoreWhileAnyCaptured), fTool(tool) {}

protected:
    XGView* Press(Point where, short modifiers) override
    {
        XGWindow::ProcessMouseEnter(where, modifiers, fTool);
        return fTool->DoMouseDown(where, modifiers) ? fTool : nullptr;
    }
    void Move(Point where, short modifiers, XGView* capture) override
    {
        XGWindow::ProcessMouseEnter(where, modifiers, fTool);
        (capture ? capture : fTool)->DoMouseMove(where, modifiers);
    }
    bool Release(Point where, short modifiers, XGView* capture) override
    {
        XGWindow::gHoldCapture = false;
        (capture ? capture : fTool)->DoMouseUp(where, modifiers);
        return XGWindow::gHoldCapture;
    }

private:
    XGView* fTool;
};

tagRECT ToolViewRect(HWND hwnd)
{
    RECT client;
    GetClientRect(hwnd, &client);
    tagRECT r = {0, 0, client.right - client.left, client.bottom - client.top};
    if (r.right < kToolViewMinWidth)
        r.right = kToolViewMinWidth;
    return r;
}

}  // namespace

LRESULT CALLBACK _GMainMDIWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        LRESULT result = XGDDEServer::ProcDDECommon(hwnd, message, wParam, lParam);
        if (result != -1)
            return result;
        switch (message) {
        case WM_CREATE: {
            CLIENTCREATESTRUCT client = {nullptr, 10000};
            const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN
                | MDIS_ALLCHILDSTYLES /* 0x46000001 */;
            _GMDIWindow = CreateWindowExW(0, L"MDIClient", L"", style, 0, 0, 0, 0, hwnd, nullptr,
                                          _GInstance, &client);
            if (!_GMDIWindow)
                return -1;
            ShowWindow(_GMDIWindow, SW_SHOW);
            return 0;
        }
        case WM_DESTROY:
            // Only the running frame's end quits; one taken back while the
            // application was being built must leave no quit for its alert.
            if (hwnd == _GMainWindow) {
                _GMainWindow = nullptr;
                PostQuitMessage(0);
            }
            return 0;
        case WM_CLOSE:
            XGDispatch::SendDispatch(kMsgQuitApplication, 0, nullptr);
            return 0;
        case WM_QUERYENDSESSION:
            // Only a quit carried out lets the session end; one refused
            // (by the user, or inside a modal loop) keeps it.
            return XGDispatch::SendDispatch(kMsgQuitApplication, 0, nullptr) == 0 ? TRUE : FALSE;
        case WM_ENDSESSION:
            // The answer to WM_QUERYENDSESSION closed what was to close; the
            // system ends the program once this returns, and a question now
            // would only hold the end of the session up.
            return 0;
        case WM_SIZE: {
            XGInline::Close();
            RECT client;
            GetClientRect(hwnd, &client);
            if (_GToolWindow) {
                const int height = int(XGDpiScale::Scale(kToolBarHeight, XGSystemDpi::GetDpiForWindow(hwnd)));
                MoveWindow(_GToolWindow, 0, 0, client.right - client.left, height, TRUE);
                client.top += height;
            }
            // Not moved by copying its pixels: a tool strip that has just
            // appeared over the client's top shows on them, and a copy would
            // leave a strip-high band of stale pixels below the tool bar.
            if (_GMDIWindow)
                SetWindowPos(_GMDIWindow, nullptr, client.left, client.top, client.right - client.left,
                             client.bottom - client.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
            return 0;
        }
        case WM_COMMAND: {
            const long command = static_cast<short>(LOWORD(wParam));
            if (XGDispatch::SendDispatch(kMsgMenuCommand, command, nullptr) != -1)
                return 0;
            return DefFrameProcW(hwnd, _GMDIWindow, message, wParam, lParam);
        }
        case kWmDpiChanged: {
            // The frame moved to a screen of another scale: the tool view
            // rescales, the frame takes the suggested rectangle and its
            // WM_SIZE lays the strip and the client out again; the
            // documents hear of it on their own.
            FollowToolDpi();
            const RECT* r = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            if (_GToolView)
                _GToolView->SetLocation(ToolViewRect(_GToolWindow ? _GToolWindow : hwnd));
            return 0;
        }
        default:
            XGWindowProc::NoteMoveOrSize(message);
            return DefFrameProcW(hwnd, _GMDIWindow, message, wParam, lParam);
        }
    } catch (...) {
        XGEventLoop::ReportException();
        return 0;
    }
}

LRESULT CALLBACK _GToolBarWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        if (XGMouseGesture::IsMouseMessage(message)) {
            if (_GToolView)
                ToolGesture(_GToolView).Track(hwnd, message, lParam);
            return 0;
        }
        switch (message) {
        case WM_CREATE:
            if (_GToolView) {
                _GToolView->SetRootWindow(hwnd);
                // Made before it had a window, it was laid out at 96 DPI.
                gToolDpi = XGDpiScale::kBaseDpi;
                FollowToolDpi();
                _GToolView->SetLocation(ToolViewRect(hwnd));
                // The strip is no framework window: screen readers would
                // find an empty pane in it without the view's own object.
                XGAccessible::Host(hwnd, _GToolView);
            }
            return 0;
        case WM_GETOBJECT: {
            const LRESULT object = XGAccessible::AnswerHosted(hwnd, wParam, lParam);
            return object != -1 ? object : DefWindowProcW(hwnd, message, wParam, lParam);
        }
        case WM_DESTROY:
            XGAccessible::Host(hwnd, nullptr);
            delete _GToolView;
            _GToolView = nullptr;
            _GToolWindow = nullptr;
            return 0;
        case WM_PAINT:
            if (!_GToolView)
                return DefWindowProcW(hwnd, message, wParam, lParam);
            XGWindowProc::PaintView(hwnd, _GToolView);
            return 0;
        case WM_SIZE: {
            XGInline::Close();
            if (_GToolView) {
                const tagRECT r = ToolViewRect(hwnd);
                const tagRECT current = _GToolView->GetContentRect();
                if (!RectMath::EqualRect(&r, &current))
                    _GToolView->SetLocation(r);
            }
            return 0;
        }
        default:
            if (XGAccessible::RunPosted(_GToolView, message, wParam, lParam))
                return 0;
            XGWindowProc::NoteMoveOrSize(message);
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
    } catch (...) {
        XGEventLoop::ReportException();
        return 0;
    }
}
