#include <windows.h>

#include "views/XGWindow.h"
#include "views/XGControlLink.h"
#include "foundation/XGWide.h"
#include "foundation/XGKeys.h"

#include <cstring>
#include <exception>

#include "dispatch/XGEventLoop.h"
#include "dispatch/XGMessages.h"
#include "dispatch/XGTime.h"
#include "records/XGArgStream.h"
#include "records/XGFieldReader.h"
#include "records/XGForm.h"
#include "foundation/XGPostError.h"
#include "views/XGDpiScale.h"
#include "dispatch/XGSystemDpi.h"
#include "views/XGWindowPlacement.h"
#include "views/XGWindowProc.h"

XGWindow* XGWindow::gList = nullptr;
XGView* XGWindow::gLastView = nullptr;
HWND XGWindow::gLastHWND = nullptr;
HWND XGWindow::gActiveHWND = nullptr;
bool XGWindow::gHoldCapture = false;

namespace {

// The quick-click test: a release counts as quick when it comes before the
// deadline set by its press; only the first release test of a press counts.
unsigned long gClickDeadline = 0;
bool gClickTested = false;

// The window whose destructor is deleting its views.
const XGWindow* gDeletingViews = nullptr;

// Cascading placement steps through five positions.
short gStagger = 0;

int FrameWidth() { return GetSystemMetrics(SM_CXFRAME); }
int FrameHeight() { return GetSystemMetrics(SM_CYFRAME); }
int CaptionHeight() { return GetSystemMetrics(SM_CYCAPTION); }
int MenuHeight() { return GetSystemMetrics(SM_CYMENU); }

XGWindowPlacement::Metrics SystemFrameMetrics()
{
    return XGWindowPlacement::Metrics{FrameWidth(), FrameHeight(), CaptionHeight(), MenuHeight()};
}

// The frame pieces of a window at dpi: the system draws the frame, the
// framework only adds it to the content.
XGWindowPlacement::Metrics FrameMetricsAt(int dpi)
{
    return XGWindowPlacement::Metrics{XGSystemDpi::GetMetric(SM_CXFRAME, dpi),
                                      XGSystemDpi::GetMetric(SM_CYFRAME, dpi),
                                      XGSystemDpi::GetMetric(SM_CYCAPTION, dpi),
                                      XGSystemDpi::GetMetric(SM_CYMENU, dpi)};
}

// A size kept in layout units (width in h) at dpi; 0 stays "none".
Point ScaleSize(Point units, int dpi)
{
    return Point{XGDpiScale::Scale16(units.v, dpi), XGDpiScale::Scale16(units.h, dpi)};
}

// The user who asked for keyboard cues always sees the focus marks.
bool KeyboardCuesAlwaysShown()
{
    BOOL cues = FALSE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &cues, 0) && cues;
}

Point LocalPoint(XGView* view, Point global)
{
    view->GlobalToView(&global);
    return global;
}

} // namespace

XG_BEGIN_DISPATCH_WITH(XGWindow, XGView, &XGWindow::Dispatch)
    XG_ON(kMsgKey, DoKey)
    XG_ON(kMsgMenuKey, DoMenuKey)
XG_END_DISPATCH()

// construction

XGWindow::XGWindow(XGArgStream& stream, XGForm* form)
    : XGView(this), fWindow(nullptr), fDlogParent(nullptr), fCorner(nullptr), fPrev(nullptr),
      fNext(nullptr), fForm(nullptr), fFocus(this), fMin{0, 0}, fMax{0, 0}, fZoom{0, 0},
      fMenuBar(0), fWindowType(0), fWindowKind(0), fWindowID(0), fUnpainted(false),
      fFocusMarks(KeyboardCuesAlwaysShown()), fDpi(96)
{
    XGSWindowInitRecord record;
    ReadInitRecord(stream, record);
    Build(record, form);
}

XGWindow::XGWindow(XGSWindowInitRecord& record, XGForm* form)
    : XGView(this), fWindow(nullptr), fDlogParent(nullptr), fCorner(nullptr), fPrev(nullptr),
      fNext(nullptr), fForm(nullptr), fFocus(this), fMin{0, 0}, fMax{0, 0}, fZoom{0, 0},
      fMenuBar(0), fWindowType(0), fWindowKind(0), fWindowID(0), fUnpainted(false),
      fFocusMarks(KeyboardCuesAlwaysShown()), fDpi(96)
{
    Build(record, form);
}

void XGWindow::ReadInitRecord(XGArgStream& stream, XGSWindowInitRecord& record)
{
    XGFieldReader fields(stream, XGFieldList::gWindow);
    record.fWindowType = fields.ReadCode();
    record.fWindowKind = static_cast<short>(fields.ReadInteger("kind"));
    record.fWindowID = static_cast<short>(fields.ReadInteger("id"));
    record.fShow = fields.ReadBoolean("show");
    record.fLeft = static_cast<short>(fields.ReadInteger("rect"));
    record.fTop = static_cast<short>(fields.ReadInteger("rect"));
    record.fRight = static_cast<short>(fields.ReadInteger("rect"));
    record.fBottom = static_cast<short>(fields.ReadInteger("rect"));
    record.fMinWidth = static_cast<short>(fields.ReadInteger("min"));
    record.fMinHeight = static_cast<short>(fields.ReadInteger("min"));
    record.fMaxWidth = static_cast<short>(fields.ReadInteger("max"));
    record.fMaxHeight = static_cast<short>(fields.ReadInteger("max"));
    record.fDefWidth = static_cast<short>(fields.ReadInteger("default"));
    record.fDefHeight = static_cast<short>(fields.ReadInteger("default"));
    record.fZoomWidth = static_cast<short>(fields.ReadInteger("zoom"));
    record.fZoomHeight = static_cast<short>(fields.ReadInteger("zoom"));
    fields.ReadString("title", record.fTitle);
    record.fMenuBar = static_cast<short>(fields.ReadInteger("menubar"));
    fields.End();
}

// A failure anywhere after the native window exists takes back everything
// done so far, so that a thrown constructor leaves no listed or visible window.
void XGWindow::Build(XGSWindowInitRecord& record, XGForm* form)
{
    fForm = form;
    bool announced = false;
    try {
        IInitWindow(record);
        LinkWindow();
        Notify(kMsgWindowCreate);
        announced = true;
        if (record.fShow) {
            const bool hidden = fWindow && !IsWindowVisible(fWindow);
            ShowWindow();
            // Shown from hidden and made the active window, it is already at
            // the top and restored: bringing it to the front again would only
            // draw its frame once more.
            if (!(hidden && fWindow && gActiveHWND == fWindow && !IsIconic(fWindow) && !IsZoomed(fWindow)))
                SelectWindow();
        }
    } catch (...) {
        UnlinkWindow();
        if (announced) {
            try {
                Notify(kMsgWindowDestroy);
            } catch (...) {
            }
        }
        fForm = nullptr;    // the caller still owns a form it handed to a window that never was
        DestroyNativeWindow();
        SetRootWindow(nullptr);
        throw;
    }
}

XGWindow::~XGWindow()
{
    if (XGEventLoop* loop = XGEventLoop::GetLoop())
        loop->ForgetWindow(this);
    if (XGEventLoop::gCaptureView && XGEventLoop::gCaptureView->GetWindow() == this)
        XGEventLoop::gCaptureView = nullptr;
    if (fWindow && GetCapture() == fWindow)
        ReleaseCapture();

    DeleteViews();
    UnlinkWindow();
    // Nothing may leave a destructor; a receiver's failure is shown once the
    // window is entirely gone, so that the alert's loop never meets half of it.
    std::exception_ptr failure;
    try {
        Notify(kMsgWindowDestroy);
    } catch (...) {
        failure = std::current_exception();
    }
    if (fForm) {
        XGForm* form = fForm;
        fForm = nullptr;
        delete form;
    }
    DestroyNativeWindow();
    SetRootWindow(nullptr);
    if (failure) {
        try {
            std::rethrow_exception(failure);
        } catch (...) {
            XGEventLoop::ReportException();
        }
    }
}

// Each view takes its native control with it; on a window that stays drawn,
// every control gone would expose and redraw part of it. Drawing is held off
// meanwhile and the window marked to be drawn afresh, so that it looks no
// different from one whose views went while it was drawn.
void XGWindow::DeleteViews()
{
    // A document of the multiple-document client stays as it is: the front
    // document is found by its visibility.
    const bool held = fWindow && fChild && IsWindowVisible(fWindow)
        && !(_GMDIWindow && ::GetParent(fWindow) == _GMDIWindow);
    if (held)
        SendMessageW(fWindow, WM_SETREDRAW, FALSE, 0);
    const XGWindow* outer = gDeletingViews;
    gDeletingViews = this;
    while (fChild)
        delete fChild;
    gDeletingViews = outer;
    if (held && fWindow) {
        SendMessageW(fWindow, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(fWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

bool XGWindow::IsDeletingViews() const { return gDeletingViews == this; }

void XGWindow::LinkWindow()
{
    fPrev = nullptr;
    fNext = gList;
    if (gList)
        gList->fPrev = this;
    gList = this;
}

void XGWindow::UnlinkWindow()
{
    if (gList == this)
        gList = fNext;
    else if (fPrev && fPrev->fNext == this)
        fPrev->fNext = fNext;
    if (fNext && fNext->fPrev == this)
        fNext->fPrev = fPrev;
    fPrev = fNext = nullptr;
}

void XGWindow::Notify(long msg)
{
    XGWindow* self = this;
    DoDispatch(msg, fWindowID, &self, true);
}

// The owner is enabled again even when the native window is already gone
// (destroyed from outside), so that a dialog never leaves its owner dead.
void XGWindow::DestroyNativeWindow()
{
    if (fDlogParent) {
        HWND owner = fDlogParent;
        fDlogParent = nullptr;
        EnableWindow(owner, TRUE);
        SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        // An outer modal window keeps its own owner disabled. The walk is
        // bounded so that no chain of owners can loop.
        XGWindow* outer = GetXGWindow(owner);
        for (int guard = 0; outer && outer->fDlogParent && guard < 1000; ++guard) {
            EnableWindow(outer->fDlogParent, FALSE);
            outer = GetXGWindow(outer->fDlogParent);
        }
    }
    if (!fWindow)
        return;
    HWND window = fWindow;
    fWindow = nullptr;
    fCorner = nullptr;
    RemovePropA(window, _GWindowClass);
    if (_GMDIWindow && ::GetParent(window) == _GMDIWindow)
        SendMessageW(_GMDIWindow, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    else
        DestroyWindow(window);
    XGControlLink::ForgetRoot(window);
}

// initialisation

unsigned short XGWindow::GetWindowAttributes(short windowKind)
{
    const short kind = windowKind & kWindowKindMask;
    if (!(windowKind & kWindowExplicitFrame)) {
        if (kind == kWindowDialogAlike || kind == kWindowDialog)
            return 0x0B;
        if (kind == kWindowFloating)
            return 0x17;
        return 0;
    }
    unsigned short attributes = 0;
    if (!(windowKind & 0x200))
        attributes |= 0x01;
    if (!(windowKind & kWindowFrameResizable))
        attributes |= kWindowAttrFixedSize;
    if (windowKind & kWindowFrameUnlisted)
        attributes |= kWindowAttrUnlisted;
    if (windowKind & 0x800)
        attributes |= 0x04;
    if (windowKind & 0x2000)
        attributes |= 0x20;
    if (kind == kWindowFloating)
        attributes |= kWindowAttrFloating;
    return attributes;
}

unsigned short XGWindow::GetWindowAttributes() const { return GetWindowAttributes(fWindowKind); }

void XGWindow::IInitWindow(XGSWindowInitRecord& record)
{
    fFocus = this;
    // FIXME: a form has no operations yet; this is where it would be offered the record.

    // Checked before anything changes, so that a bad kind leaves no trace
    // (not even a step of the cascade).
    const short kind = record.fWindowKind & kWindowKindMask;
    if (kind > kWindowFloating)
        throw XGPostError(kErrBadWindowKind, long(record.fWindowKind));

    fMin = Point{record.fMinHeight, record.fMinWidth};
    fMax = Point{record.fMaxHeight, record.fMaxWidth};
    fZoom = Point{record.fZoomHeight, record.fZoomWidth};
    fMenuBar = record.fMenuBar;
    fWindowKind = record.fWindowKind;
    fWindowType = record.fWindowType;
    fWindowID = record.fWindowID;
    fCorner = nullptr;

    XGWindowPlacement::Record place;
    place.windowKind = record.fWindowKind;
    place.left = record.fLeft;
    place.top = record.fTop;
    place.right = record.fRight;
    place.bottom = record.fBottom;
    place.minWidth = record.fMinWidth;
    place.minHeight = record.fMinHeight;
    place.maxWidth = record.fMaxWidth;
    place.maxHeight = record.fMaxHeight;
    place.defWidth = record.fDefWidth;
    place.defHeight = record.fDefHeight;

    XGWindowPlacement::Surroundings around = {};
    GetScreenSize(&around.screen);
    // Without a client window the screen size is already the full screen's;
    // each reading of a screen metric has the system look at its displays.
    if (_GMDIWindow)
        around.fullScreen = tagRECT{0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
    else
        around.fullScreen = around.screen;
    around.hasClient = _GMDIWindow != nullptr;
    if (_GMDIWindow) {
        POINT origin = {0, 0};
        ClientToScreen(_GMDIWindow, &origin);
        around.clientOriginH = origin.x;
        around.clientOriginV = origin.y;
    }
    if (XGWindowPlacement::CentresOnFront(place)) {
        if (XGWindow* front = GetFrontWindow()) {
            around.hasFront = true;
            around.frontLocation = front->GetWindowLocation();
            around.frontKind = front->fWindowKind;
        }
    }
    // The window is laid out at the DPI of the screen it will appear on,
    // known only once it is placed: placed at 96 to find the screen, then
    // again at that screen's DPI when it differs, from the same step of
    // the cascade.
    const int16_t stagger = gStagger;
    tagRECT content = XGWindowPlacement::Place(place, around, SystemFrameMetrics(), &gStagger);
    const int dpi = CreationDpi(content);
    if (dpi != XGDpiScale::kBaseDpi) {
        gStagger = stagger;
        content = XGWindowPlacement::Place(place, around, FrameMetricsAt(dpi), &gStagger, dpi);
    }
    fDpi = dpi;

    ICreateWindow(record.fTitle, content);
    SetRootWindow(fWindow);
    // The system may see the new window on another screen than the one
    // guessed: the content follows the window's own DPI.
    const int actual = XGSystemDpi::GetDpiForWindow(fWindow);
    if (actual != fDpi)
        ChangeDpi(actual);
    ProcessSizeWindow();
}

int XGWindow::CreationDpi(const tagRECT& content) const
{
    // Documents of a multiple-document client are child windows: they have
    // the DPI of the frame that holds them.
    if (_GMDIWindow && XGWindowPlacement::IsDocumentKind(fWindowKind & kWindowKindMask))
        return XGSystemDpi::GetDpiForWindow(_GMDIWindow);
    tagRECT frame = content;
    ContentToSize(&frame);
    return XGSystemDpi::GetDpiForFrame(frame);
}

XGWindowPlacement::Metrics XGWindow::FrameMetrics() const
{
    return FrameMetricsAt(fDpi);
}

tagRECT XGWindow::FrameAtDpi(int dpi) const
{
    // The content keeps its place and scales; the frame around it is the
    // system's at that DPI.
    RECT client = {0, 0, 0, 0};
    POINT origin = {0, 0};
    if (fWindow) {
        ::GetClientRect(fWindow, &client);
        ::ClientToScreen(fWindow, &origin);
        // A document of the multiple-document client is placed in its
        // parent's coordinates; a dialog's GetParent is its owner.
        if (::GetWindowLongPtrW(fWindow, GWL_STYLE) & WS_CHILD) {
            if (HWND parent = ::GetParent(fWindow))
                ::ScreenToClient(parent, &origin);
        }
    }
    tagRECT frame;
    frame.left = origin.x;
    frame.top = origin.y;
    frame.right = origin.x + XGDpiScale::Rescale(client.right, fDpi, dpi);
    frame.bottom = origin.y + XGDpiScale::Rescale(client.bottom, fDpi, dpi);
    XGWindowPlacement::Metrics metrics = FrameMetricsAt(dpi);
    const short kind = fWindowKind & kWindowKindMask;
    if (kind == kWindowDialog || kind == kWindowDialogAlike)
        metrics.menuHeight = 0;     // dialog-style windows have no menu bar
    XGWindowPlacement::ContentToFrame(&frame, metrics);
    return frame;
}

void XGWindow::ContentToFrameSize(Point* size) const
{
    const XGWindowPlacement::Metrics m = FrameMetrics();
    if (size->h > 0)
        size->h = static_cast<int16_t>(size->h + 2 * m.frameWidth);
    if (size->v > 0)
        size->v = static_cast<int16_t>(size->v + 2 * m.frameHeight + m.captionHeight + m.menuHeight);
}

void XGWindow::ICreateWindow(const char* title, tagRECT content)
{
    const XGWindowPlacement::Metrics metrics = FrameMetrics();
    tagRECT frame = content;
    XGWindowPlacement::ContentToFrame(&frame, metrics);
    ::SetFocus(nullptr);
    fDlogParent = nullptr;
    _GWindow = this;

    const short kind = fWindowKind & kWindowKindMask;
    const bool fixedFrame = (fWindowKind & kWindowExplicitFrame) && !(fWindowKind & kWindowFrameResizable);
    HWND created = nullptr;
    if (_GMDIWindow && XGWindowPlacement::IsDocumentKind(kind)) {
        const DWORD style = fixedFrame
            ? WS_CHILD | WS_CAPTION | WS_SYSMENU /* 0x40C80000 */
            : WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX
                  | WS_MAXIMIZEBOX /* 0x40CF0000 */;
        created = CreateMDIWindowW(XGWide(_GWindowClass), XGWide(title), style, frame.left, frame.top,
                                   frame.right - frame.left, frame.bottom - frame.top, _GMDIWindow,
                                   _GInstance, 0);
    } else if (XGWindowPlacement::IsDocumentKind(kind)) {
        const DWORD exStyle = kind == kWindowFloating ? WS_EX_TOPMOST | WS_EX_TOOLWINDOW /* 0x88 */ : 0;
        const DWORD style = fixedFrame
            ? WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX /* 0x00CB0000 */
            : WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN /* 0x02CF0000 */;
        created = CreateWindowExW(exStyle, XGWide(_GWindowClass), XGWide(title), style, frame.left, frame.top,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, _GInstance, nullptr);
    } else if (kind == kWindowDialogAlike || kind == kWindowDialog) {
        XGEventLoop* loop = XGEventLoop::GetLoop();
        HWND owner = _GMainWindow;
        if (loop && loop->GetModalWindow())
            owner = loop->GetModalWindow()->GetHWND();
        frame.top += metrics.menuHeight;     // dialog-style windows have no menu bar
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN /* 0x82C80000 */;
        created = CreateWindowExW(WS_EX_DLGMODALFRAME /* 1 */, XGWide(_GDlogClass), XGWide(title), style, frame.left,
                                  frame.top, frame.right - frame.left, frame.bottom - frame.top,
                                  owner, nullptr, _GInstance, nullptr);
        if (created && owner) {
            EnableWindow(owner, FALSE);
            fDlogParent = owner;
        }
    }
    const DWORD failure = created ? 0 : GetLastError();
    _GWindow = nullptr;
    if (created)
        fWindow = created;
    if (!fWindow)
        throw XGPostError(kErrWindowNotCreated, failure);

    if (!(GetWindowAttributes() & kWindowAttrFixedSize)) {
        RECT client;
        GetClientRect(fWindow, &client);
        const int w = XGSystemDpi::GetMetric(SM_CXVSCROLL, fDpi);
        const int h = XGSystemDpi::GetMetric(SM_CYHSCROLL, fDpi);
        const DWORD style = WS_CHILD | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN /* 0x40000014 */;
        fCorner = CreateWindowExW(0, L"SCROLLBAR", nullptr, style, client.right - w,
                                  client.bottom - h, w, h, fWindow, nullptr, _GInstance, nullptr);
        if (fCorner)
            ::ShowWindow(fCorner, SW_SHOW);
    }
    ::SetFocus(fWindow);
}

void XGWindow::SetHWND(HWND__* window) { fWindow = window; }

// showing and ordering

// Showing a hidden window marks all of it to be drawn. The mark is noted
// before, so that a paint during the showing (which draws all) ends it.
void XGWindow::ShowWindow()
{
    if (fWindow && !IsWindowVisible(fWindow)) {
        fUnpainted = true;
        ::ShowWindow(fWindow, SW_SHOWNORMAL);
        if (!fWindow || !IsWindowVisible(fWindow))
            fUnpainted = false;
    }
}

void XGWindow::HideWindow()
{
    if (fWindow && IsWindowVisible(fWindow))
        ::ShowWindow(fWindow, SW_HIDE);
}

bool XGWindow::IsVisible() const { return fWindow && IsWindowVisible(fWindow); }

void XGWindow::SelectWindow()
{
    if (!fWindow)
        return;
    if (!_GMDIWindow || ::GetParent(fWindow) != _GMDIWindow) {
        SetWindowPos(fWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::ShowWindow(fWindow, SW_RESTORE);
    } else {
        SendMessageW(_GMDIWindow, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(fWindow), 0);
        if (IsIconic(fWindow))
            SendMessageW(_GMDIWindow, WM_MDIRESTORE, reinterpret_cast<WPARAM>(fWindow), 0);
    }
}

XGWindow* XGWindow::GetFrontWindow()
{
    XGEventLoop* loop = XGEventLoop::GetLoop();
    if (loop && loop->GetModalWindow())
        return loop->GetModalWindow();
    if (_GMDIWindow) {
        for (HWND child = ::GetWindow(_GMDIWindow, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child) && GetPropA(child, _GWindowClass))
                return GetXGWindow(child);
        }
        return nullptr;
    }
    if (_GMainWindow) {
        if (XGWindow* main = GetXGWindow(_GMainWindow))
            return main;
    }
    return GetXGWindow(gActiveHWND);
}

// Losing activation, a window is told which one gains it (none, or one of
// another thread, when the application goes to the back).
void XGWindow::NoteActivation(HWND window, bool active, HWND other)
{
    gActiveHWND = active ? window : other;
}

void XGWindow::NoteDestroyed(HWND window)
{
    if (gActiveHWND == window)
        gActiveHWND = nullptr;
}

XGWindow* XGWindow::GetXGWindow(HWND__* window)
{
    if (!window)
        return nullptr;
    for (XGWindow* w = gList; w; w = w->fNext) {
        if (w->fWindow == window)
            return w;
    }
    return nullptr;
}

// geometry

void XGWindow::GetScreenSize(tagRECT* bounds)
{
    if (_GMDIWindow) {
        GetClientRect(_GMDIWindow, bounds);
        return;
    }
    *bounds = tagRECT{0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
}

Point XGWindow::GetContentSize() const
{
    RECT client = {0, 0, 0, 0};
    if (fWindow)
        GetClientRect(fWindow, &client);
    return Point{static_cast<int16_t>(client.bottom), static_cast<int16_t>(client.right)};
}

Point XGWindow::GetWindowSize() const
{
    RECT frame = {0, 0, 0, 0};
    if (fWindow)
        GetWindowRect(fWindow, &frame);
    Point size{static_cast<int16_t>(frame.bottom - frame.top),
               static_cast<int16_t>(frame.right - frame.left)};
    // The window's own frame, at its DPI.
    const XGWindowPlacement::Metrics m = FrameMetrics();
    if (size.h > 0)
        size.h = static_cast<int16_t>(size.h - 2 * m.frameWidth);
    if (size.v > 0)
        size.v = static_cast<int16_t>(size.v - (2 * m.frameHeight + m.captionHeight + m.menuHeight));
    return size;
}

Point XGWindow::GetWindowPos() const
{
    POINT origin = {0, 0};
    if (fWindow) {
        ClientToScreen(fWindow, &origin);
        if (_GMDIWindow && ::GetParent(fWindow) == _GMDIWindow)
            ScreenToClient(_GMDIWindow, &origin);
    }
    return Point{static_cast<int16_t>(origin.y), static_cast<int16_t>(origin.x)};
}

tagRECT XGWindow::GetWindowLocation() const
{
    const Point pos = GetWindowPos();
    const Point size = GetWindowSize();
    return tagRECT{pos.h, pos.v, pos.h + size.h, pos.v + size.v};
}

void XGWindow::ContentToSize(Point* size)
{
    if (size->h > 0)
        size->h = static_cast<int16_t>(size->h + 2 * FrameWidth());
    if (size->v > 0)
        size->v = static_cast<int16_t>(size->v + 2 * FrameHeight() + CaptionHeight() + MenuHeight());
}

void XGWindow::SizeToContent(Point* size)
{
    if (size->h > 0)
        size->h = static_cast<int16_t>(size->h - 2 * FrameWidth());
    if (size->v > 0)
        size->v = static_cast<int16_t>(size->v - (2 * FrameHeight() + CaptionHeight() + MenuHeight()));
}

void XGWindow::ContentToSize(tagRECT* rect)
{
    XGWindowPlacement::ContentToFrame(rect, SystemFrameMetrics());
}

void XGWindow::SizeToContent(tagRECT* rect)
{
    XGWindowPlacement::FrameToContent(rect, SystemFrameMetrics());
}

// overridden operations of XGView

XGDispatch* XGWindow::GetParentDispatch()
{
    if (fForm)
        return fForm;
    return XGDispatch::GetRoot();
}

void XGWindow::GetTitle(char* out) const
{
    out[0] = 0;
    if (fWindow)
        XGWide::ReadWindowText(fWindow, out, 256);
}

void XGWindow::SetTitle(const char* title)
{
    if (fWindow)
        SetWindowTextW(fWindow, XGWide(title));
    Notify(kMsgWindowName);
}

tagRECT XGWindow::GetContentRect() const
{
    if (!fWindow)
        return XGView::GetContentRect();
    RECT client;
    GetClientRect(fWindow, &client);
    return tagRECT{0, 0, client.right - client.left, client.bottom - client.top};
}

void XGWindow::ProcessDraw(tagRECT update) { XGView::ProcessDraw(update); }

// operations a subclass may override

bool XGWindow::CloseWindow()
{
    // FIXME: a form has no operations yet; this is where it could refuse.
    XGWindow* self = this;
    if (DoDispatch(kMsgWindowMayClose, fWindowID, &self, true) == 0)
        return false;
    delete this;
    return true;
}

Point XGWindow::MinWindowSize() { return ScaleSize(fMin, fDpi); }
Point XGWindow::MaxWindowSize() { return ScaleSize(fMax, fDpi); }
Point XGWindow::ZoomWindowSize() { return ScaleSize(fZoom, fDpi); }
short XGWindow::GetMenuBarID() { return fMenuBar; }

void XGWindow::ProcessSizeWindow()
{
    if (!fWindow)
        return;
    RECT client;
    GetClientRect(fWindow, &client);
    if (fCorner) {
        RECT box;
        GetWindowRect(fCorner, &box);
        SetWindowPos(fCorner, nullptr, client.right - (box.right - box.left),
                     client.bottom - (box.bottom - box.top), 0, 0,
                     SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SetLocation(tagRECT{0, 0, client.right, client.bottom});
}

// message handlers

long XGWindow::Dispatch(long msg, long, void*)
{
    XGEventLoop* loop = XGEventLoop::GetLoop();
    if (loop && loop->IsModalWindow() && (msg == kMsgGetMenuStatus || msg == kMsgMenuCommand))
        return 0;
    return -1;
}

long XGWindow::DoKey(long key, void*)
{
    if (!XGIsCharKey(key, kKeyTab))
        return -1;
    if (XGKeyModifiers(key) & kModShift)
        PrevTabStop();
    else
        NextTabStop();
    return 0;
}

void XGWindow::NextTabStop()
{
    StepTabStop(true);
}

void XGWindow::PrevTabStop()
{
    StepTabStop(false);
}

void XGWindow::SetFocusMarks(bool shown)
{
    if (fFocusMarks == shown)
        return;
    fFocusMarks = shown;
    if (fWindow) {
        // Native controls keep their own focus rectangles by the same state.
        ::SendMessageW(fWindow, WM_CHANGEUISTATE, MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
    }
    if (XGView* focus = dynamic_cast<XGView*>(XGDispatch::GetFocus())) {
        if (focus->GetWindow() == this && focus != this)
            focus->InvalView();
    }
}

void XGWindow::StepTabStop(bool forward)
{
    SetFocusMarks(true);
    XGView* focus = dynamic_cast<XGView*>(XGDispatch::GetFocus());
    XGView* target = nullptr;
    if (focus && focus != this) {
        const short id = focus->GetViewID();
        target = forward ? FindAfterView(id) : FindBeforeView(id);
    }
    if (!target)
        target = forward ? FindFirstView() : FindLastView();
    if (target)
        target->SetFocus();
}

long XGWindow::DoMenuKey(long key, void*)
{
    XGView* labelled = FindViewByAccel(static_cast<char>(XGKeyCode(key) & 0xFF));
    if (!labelled)
        return -1;
    SetFocusMarks(true);
    if (labelled->IsTabStop()) {
        labelled->SetFocus();
        labelled->PushButton();
        return 0;
    }
    // A label hands the focus on to the next tab stop in tree order.
    XGView* view = labelled;
    for (;;) {
        view = view->FindNextView();
        if (!view)
            view = this;
        if (view == labelled)
            return -1;
        if (view->IsTabStop()) {
            view->SetFocus();
            return 0;
        }
    }
}

// mouse

XGView* XGWindow::ProcessMouseDown(Point where, short modifiers)
{
    gClickTested = false;
    gClickDeadline = XGGetTime() + XGGetDoubleClick();
    XGView* hit = FindClick(where);
    ProcessMouseEnter(where, modifiers, hit);
    if (hit && hit->DoMouseDown(LocalPoint(hit, where), modifiers))
        return hit;
    return nullptr;
}

void XGWindow::ProcessMouseMove(Point where, short modifiers, XGView* capture)
{
    XGView* view = capture ? capture : FindClick(where);
    ProcessMouseEnter(where, modifiers, view);
    if (view)
        view->DoMouseMove(LocalPoint(view, where), modifiers);
}

bool XGWindow::ProcessMouseUp(Point where, short modifiers, XGView* capture)
{
    gHoldCapture = false;
    if (!gClickTested && (modifiers & 0x2000)) {
        gClickTested = true;
        // Compared as a signed difference so that the tick count may wrap.
        if (static_cast<long>(static_cast<unsigned long>(XGGetTime()) - gClickDeadline) <= 0)
            modifiers = static_cast<short>(modifiers | 0x4000);
    }
    XGView* view = capture ? capture : FindClick(where);
    if (!view)
        return false;
    view->DoMouseUp(LocalPoint(view, where), modifiers);
    return gHoldCapture;
}

void XGWindow::ProcessMouseEnter(Point where, short modifiers, XGView* view)
{
    if (view == gLastView)
        return;
    XGView* old = gLastView;
    gLastView = view;
    if (old)
        old->DoMouseLeave();
    if (!view) {
        gLastHWND = nullptr;
        return;
    }
    gLastHWND = view->GetRootWindow();
    view->DoMouseEnter(LocalPoint(view, where), modifiers);
}

void XGWindow::ProcessMouseLeave()
{
    XGView* old = gLastView;
    if (!old)
        return;
    gLastView = nullptr;
    gLastHWND = nullptr;
    old->DoMouseLeave();
}

namespace {

void TellDpiChanged(XGView* view, int oldDpi, int newDpi)
{
    view->DoDpiChanged(oldDpi, newDpi);
    for (XGView* child = view->GetChild(); child; child = child->GetSibling())
        TellDpiChanged(child, oldDpi, newDpi);
}

// Every view placed again by its parent from the layout units it keeps, so
// that a view whose own size did not change still moves its children.
void PlaceTree(XGView* view)
{
    for (XGView* child = view->GetChild(); child; child = child->GetSibling()) {
        child->SetLocation(view->CalcChildPos(child));
        PlaceTree(child);
    }
}

}  // namespace

void XGWindow::ChangeDpi(int newDpi, const tagRECT* frame)
{
    newDpi = XGDpiScale::ClampDpi(newDpi);
    const int oldDpi = fDpi;
    if (newDpi == oldDpi)
        return;
    const tagRECT target = frame ? *frame : FrameAtDpi(newDpi);
    fDpi = newDpi;
    TellDpiChanged(this, oldDpi, newDpi);
    if (fWindow) {
        // All of it is drawn again once, after the last view has moved: the
        // views need not mark their own pieces meanwhile.
        fUnpainted = true;
        if (fCorner) {
            ::SetWindowPos(fCorner, nullptr, 0, 0, XGSystemDpi::GetMetric(SM_CXVSCROLL, newDpi),
                           XGSystemDpi::GetMetric(SM_CYHSCROLL, newDpi),
                           SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        }
        ::SetWindowPos(fWindow, nullptr, target.left, target.top, target.right - target.left,
                       target.bottom - target.top, SWP_NOZORDER | SWP_NOACTIVATE);
        ::InvalidateRect(fWindow, nullptr, FALSE);
        ProcessSizeWindow();
    }
    PlaceTree(this);
    InvalView();
}
