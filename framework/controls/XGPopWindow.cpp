#include "controls/XGPopWindow.h"
#include "foundation/XGWide.h"

#include "dispatch/XGEventLoop.h"
#include "views/XGDraw.h"
#include "dispatch/XGGlobals.h"
#include "foundation/XGPostError.h"
#include "views/XGMouseGesture.h"
#include "views/XGView.h"
#include "views/XGWindow.h"
#include "views/XGWindowProc.h"

XGPopWindow* XGPopWindow::gList = nullptr;
long XGPopWindow::gPopCount = 0;

namespace {

bool gClassRegistered = false;

// A pop-up's gesture goes to its base view; a window whose pop-up is gone
// takes no press and passes the rest by.
class PopGesture : public XGMouseGesture {
public:
    explicit PopGesture(HWND window) : fPop(XGPopWindow::GetPopWindow(window)) {}

protected:
    XGView* Press(Point where, short modifiers) override
    {
        return fPop ? fPop->ProcessMouseDown(where, modifiers) : nullptr;
    }
    void Move(Point where, short modifiers, XGView* capture) override
    {
        if (fPop)
            fPop->ProcessMouseMove(where, modifiers, capture);
    }
    bool Release(Point where, short modifiers, XGView* capture) override
    {
        return fPop && fPop->ProcessMouseUp(where, modifiers, capture);
    }

private:
    XGPopWindow* fPop;
};

// The content is drawn when the pop-up opens; it is drawn again here so that
// a pop-up uncovered by another window does not stay blank.
void PaintPop(HWND hwnd)
{
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    XGPopWindow* pop = XGPopWindow::GetPopWindow(hwnd);
    if (pop && pop->GetContent()) {
        tagRECT update = paint.rcPaint;
        XGDraw::UpdateRect(&update);
        pop->GetContent()->ProcessDraw(update);
        XGDraw::UpdateRect(nullptr);
    }
    EndPaint(hwnd, &paint);
}

LRESULT CALLBACK PopWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        switch (message) {
        case WM_NCACTIVATE:
            // A pop-up never shows an active frame.
            return wParam ? 0 : 1;
        case WM_PAINT:
            PaintPop(hwnd);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            PopGesture(hwnd).Track(hwnd, message, lParam);
            return 0;
        default:
            break;
        }
    } catch (...) {
        XGEventLoop::ReportException();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

XGPopWindow::XGPopWindow(XGView* base, tagRECT r, XGView* content)
    : fRect(r), fContent(content), fBase(base), fNext(gList), fWindow(nullptr)
{
    gList = this;
    ++gPopCount;
    // The windows keep their active frames while a pop-up is open.
    XGWindowProc::gPopCountHook = GetPopCount;
    tagRECT screen = r;
    if (fBase)
        fBase->ViewToScreen(&screen);
    CreatePopWindow(screen);
    if (fContent) {
        fContent->SetRootWindow(fWindow);
        tagRECT local = screen;
        RectMath::OffsetRect(&local, -screen.left, -screen.top);
        fContent->SetLocation(local);
        fContent->ProcessDraw(local);
    }
}

XGPopWindow::~XGPopWindow()
{
    --gPopCount;
    if (fContent) {
        fContent->SetRootWindow(nullptr);
        delete fContent;
        fContent = nullptr;
    }
    if (fWindow) {
        HWND window = fWindow;
        fWindow = nullptr;
        DestroyWindow(window);
    }
    for (XGPopWindow** link = &gList; *link; link = &(*link)->fNext) {
        if (*link == this) {
            *link = fNext;
            break;
        }
    }
    fNext = nullptr;
}

XGPopWindow* XGPopWindow::GetPopWindow(HWND window)
{
    if (!window)
        return nullptr;
    for (XGPopWindow* pop = gList; pop; pop = pop->fNext) {
        if (pop->fWindow == window)
            return pop;
    }
    return nullptr;
}

void XGPopWindow::CreatePopWindow(tagRECT screen)
{
    if (!gClassRegistered) {
        const XGWide className(_GPopClass);
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = PopWindowProc;
        wc.hInstance = _GInstance;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
        wc.lpszClassName = className;
        gClassRegistered = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    PushOntoScreen(&screen);
    HWND owner = fBase ? fBase->GetRootWindow() : nullptr;
    fWindow = CreateWindowExW(0, XGWide(_GPopClass), L"Copyright", WS_POPUP, screen.left, screen.top,
                              screen.right - screen.left, screen.bottom - screen.top, owner, nullptr,
                              _GInstance, nullptr);
    if (fWindow)
        ShowWindow(fWindow, SW_SHOWNOACTIVATE);
}

void XGPopWindow::PushOntoScreen(tagRECT* screen)
{
    const short width = short(GetSystemMetrics(SM_CXFULLSCREEN));
    const short height = short(GetSystemMetrics(SM_CYFULLSCREEN));
    auto move = [&](short dh, short dv) {
        RectMath::OffsetRect(screen, dh, dv);
        RectMath::OffsetRect(&fRect, dh, dv);
    };
    if (short(screen->left) < 1)
        move(short(1 - short(screen->left)), 0);
    if (short(screen->right) > width - 1)
        move(short(-(short(screen->right) - width + 1)), 0);
    if (short(screen->top) < 1)
        move(0, short(1 - short(screen->top)));
    if (short(screen->bottom) > height - 1)
        move(0, short(-(short(screen->bottom) - height + 1)));
}

Point XGPopWindow::ToBase(Point where) const
{
    where.h = int16_t(where.h + fRect.left);
    where.v = int16_t(where.v + fRect.top);
    return where;
}

Point XGPopWindow::ToTrack(Point inBase, XGView* track) const
{
    if (track == fBase)
        return inBase;
    fBase->ViewToGlobal(&inBase);
    track->GlobalToView(&inBase);
    return inBase;
}

XGView* XGPopWindow::ProcessMouseDown(Point where, short modifiers)
{
    if (!fBase)
        return nullptr;
    const Point inBase = ToBase(where);
    Point global = inBase;
    fBase->ViewToGlobal(&global);
    XGWindow::ProcessMouseEnter(global, modifiers, fBase);
    return fBase->DoMouseDown(inBase, modifiers) ? fBase : nullptr;
}

void XGPopWindow::ProcessMouseMove(Point where, short modifiers, XGView* track)
{
    if (!fBase)
        return;
    if (!track)
        track = fBase;
    const Point inBase = ToBase(where);
    Point global = inBase;
    fBase->ViewToGlobal(&global);
    XGWindow::ProcessMouseEnter(global, modifiers, track);
    track->DoMouseMove(ToTrack(inBase, track), modifiers);
}

bool XGPopWindow::ProcessMouseUp(Point where, short modifiers, XGView* track)
{
    if (!fBase)
        return false;
    if (!track)
        track = fBase;
    XGWindow::gHoldCapture = false;
    const Point inBase = ToBase(where);
    track->DoMouseUp(ToTrack(inBase, track), modifiers);
    return XGWindow::gHoldCapture;
}
