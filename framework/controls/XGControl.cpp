#include "controls/XGControl.h"
#include "controls/XGDpiResources.h"
#include "foundation/XGWide.h"
#include "views/XGControlLink.h"
#include "views/XGFont.h"
#include "dispatch/XGGlobals.h"
#include "views/XGWindow.h"

XGControl::XGControl(XGView* parent, XGArgStream& stream) : XGView(parent, stream) {}

XGControl::XGControl(XGView* parent, XGSViewInitRecord& record) : XGView(parent, record) {}

XGControl::~XGControl() = default;

void XGControl::SetControlFocus(HWND control)
{
    XGDispatch::SetFocus();
    if (fWindow) {
        fWindow->SetFocusView(this);
        if (fWindow == XGWindow::GetFrontWindow()) {
            HWND target = control ? control : fRootWindow;
            if (target)
                ::SetFocus(target);
        }
    }
}

XGControl* XGControl::FromHWND(HWND control)
{
    if (!control)
        return nullptr;
    return static_cast<XGControl*>(XGControlLink::Find(control));
}

tagRECT XGControl::GetRootRect() const
{
    tagRECT r = GetContentRect();
    ViewToGlobal(&r);
    return r;
}

HWND XGControl::CreateControl(const char* className, DWORD style, const char* title,
                              const tagRECT& rect, XGFont* font)
{
    if (!fRootWindow)
        return nullptr;
    // A view made disabled makes its control disabled: until the first
    // DoEnable nothing else would tell the control.
    if (!IsEnabled())
        style |= WS_DISABLED;
    HWND control = CreateWindowExW(0, XGWide(className), XGWide(title), style, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top,
                                   fRootWindow, nullptr, _GInstance, nullptr);
    if (!control)
        return nullptr;
    // The window procedures find the wrapper of a notifying control by this
    // link; a control that could not be followed to its end is not kept.
    if (!XGControlLink::Link(control, this, fRootWindow, font)) {
        DestroyWindow(control);
        return nullptr;
    }
    if (font)
        SendMessageW(control, WM_SETFONT, WPARAM(XGDpiResources::FontFor(this, font)), FALSE);
    return control;
}

void XGControl::SetControlFont(HWND control, XGFont* font)
{
    // A control made without a font keeps the system's own.
    if (!control || !font)
        return;
    const bool shown = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    SendMessageW(control, WM_SETFONT, WPARAM(XGDpiResources::FontFor(this, font)), shown ? TRUE : FALSE);
}

void XGControl::DestroyControl(HWND control)
{
    if (!control)
        return;
    // A closing window destroys its native window right after its views, and
    // that takes all its controls at once, with their properties; one by one,
    // each would first be hidden and taken out on its own.
    // A control destroyed from outside is already gone, and its handle may
    // name another window by now.
    const bool rootGoing = fWindow && fWindow->IsDeletingViews() && fRootWindow && fRootWindow == fWindow->GetHWND();
    if (!XGControlLink::Unlink(control, this, rootGoing) || rootGoing)
        return;
    DestroyWindow(control);
}

void XGControl::MoveControl(HWND control, const tagRECT& rect)
{
    if (!control)
        return;
    SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

void XGControl::ShowControl(HWND control)
{
    if (!control)
        return;
    if (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) {
        InvalidateRect(control, nullptr, FALSE);
        return;
    }
    // What showing the window would do, but with its drawing left to the
    // paint under way: shown with redrawing, each control erases and exposes
    // its area there and then, which costs more than its paint.
    SendMessageW(control, WM_SHOWWINDOW, TRUE, 0);
    SetWindowPos(control, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void XGControl::HideControlWithView(HWND control)
{
    if (control && !XGView::IsVisible())
        ::ShowWindow(control, SW_HIDE);
}

void XGControl::EnableControlWithView(HWND control)
{
    if (control)
        EnableWindow(control, IsEnabled());
}
