#include "controls/XGScrollBar.h"

#include <windows.h>
#include <oleacc.h>

#include "views/XGControlMessage.h"
#include "dispatch/XGMessages.h"
#include "controls/XGScrollScale.h"
#include "views/XGDpiScale.h"

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(XGScrollBar, XGView)
    XG_ON(kMsgControlNotify, DoWInternal)
XG_END_DISPATCH()

XGScrollBar::XGScrollBar(XGView* parent, XGSScrollInitRecord& record)
    : XGSlider(parent, record), fPageSize(1), fStepSize(1), fValue(0), fMinValue(0),
      fMaxValue(0), fScale(1), fControl(nullptr), fLoaded(), fHasLoaded(false)
{
    InitScrollBar(record);
}

XGScrollBar::~XGScrollBar()
{
    DestroyControl(fControl);
    fControl = nullptr;
}

void XGScrollBar::InitScrollBar(const XGSScrollInitRecord& record)
{
    tagRECT r = GetRootRect();
    DWORD orientation = (r.bottom - r.top) >= (r.right - r.left) ? SBS_VERT : SBS_HORZ;
    fControl = CreateControl("SCROLLBAR", WS_CHILD | orientation, "", r, nullptr);
    // Each bound is clamped by the other: set first the one that the
    // starting range (0, 0) would otherwise swallow.
    if (record.fMinValue > fMaxValue) {
        SetMaxValue(record.fMaxValue);
        SetMinValue(record.fMinValue);
    } else {
        SetMinValue(record.fMinValue);
        SetMaxValue(record.fMaxValue);
    }
    SetValue(record.fValue);
    SetPageSize(record.fPageSize);
    SetStepSize(record.fStepSize);
}

namespace {

// The system's width of a bar at a DPI: its own answer where it has one
// (Windows 10 1607 on); else the metric of the display's DPI, scaled.
int BarMetric(int index, int dpi)
{
    typedef int(WINAPI * ForDpi)(int, UINT);
    static const ForDpi forDpi = reinterpret_cast<ForDpi>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    if (forDpi) {
        const int value = forDpi(index, UINT(dpi));
        if (value > 0)
            return value;
    }
    HDC screen = ::GetDC(nullptr);
    const int displayDpi = XGDpiScale::ClampDpi(::GetDeviceCaps(screen, LOGPIXELSX));
    ::ReleaseDC(nullptr, screen);
    return int(XGDpiScale::Rescale(::GetSystemMetrics(index), displayDpi, dpi));
}

}  // namespace

Point XGScrollBar::GetDefaultSize(int dpi)
{
    dpi = XGDpiScale::ClampDpi(dpi);
    Point size;
    size.v = int16_t(BarMetric(SM_CYHSCROLL, dpi));
    size.h = int16_t(BarMetric(SM_CXVSCROLL, dpi));
    return size;
}

void XGScrollBar::SetPageSize(long page)
{
    fPageSize = page;
    LoadControl();
}

void XGScrollBar::ChangeValue(long value)
{
    DoDispatch(kMsgSliderStart, fViewID, nullptr, true);
    XGScrollValueRecord record = {this, fValue, value};
    fValue = value;
    DoDispatch(kMsgSliderValue, fViewID, &record, true);
}

long XGScrollBar::GetValue()
{
    return fValue;
}

void XGScrollBar::SetValue(long value)
{
    if (value < fMinValue)
        value = fMinValue;
    if (value > fMaxValue)
        value = fMaxValue;
    if (value != fValue)
        ChangeValue(value);
    AdjustScale();
    LoadControl();
}

long XGScrollBar::GetMinValue()
{
    return fMinValue;
}

long XGScrollBar::GetMaxValue()
{
    return fMaxValue;
}

void XGScrollBar::SetMinValue(long value)
{
    if (value > fMaxValue)
        value = fMaxValue;
    if (value != fMinValue) {
        fMinValue = value;
        if (fValue < fMinValue)
            ChangeValue(fMinValue);
    }
    AdjustScale();
    LoadControl();
}

void XGScrollBar::SetMaxValue(long value)
{
    if (value < fMinValue)
        value = fMinValue;
    if (value != fMaxValue) {
        fMaxValue = value;
        if (fValue > fMaxValue)
            ChangeValue(fMaxValue);
    }
    AdjustScale();
    LoadControl();
}

void XGScrollBar::AdjustScale()
{
    fScale = XGScrollScale::AdjustScale(fMinValue, fMaxValue);
}

void XGScrollBar::LoadControl()
{
    if (!fControl)
        return;
    if (fMinValue < fMaxValue) {
        XGScrollScale native = XGScrollScale::Native(fMinValue, fMaxValue, fPageSize, fValue, fScale);
        // Only this object moves the native thumb (the bar itself only
        // reports), so what it was last given is what it holds.
        if (!fHasLoaded || native.min != fLoaded.min || native.max != fLoaded.max
            || native.page != fLoaded.page || native.pos != fLoaded.pos) {
            SCROLLINFO info = {};
            info.cbSize = sizeof info;
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            info.nMin = native.min;
            info.nMax = native.max;
            info.nPage = UINT(native.page < 0 ? 0 : native.page);
            info.nPos = native.pos;
            SetScrollInfo(fControl, SB_CTL, &info, TRUE);
            fLoaded = native;
            fHasLoaded = true;
        }
        if (!IsWindowEnabled(fControl))
            EnableWindow(fControl, TRUE);
    } else if (IsWindowEnabled(fControl)) {
        EnableWindow(fControl, FALSE);
    }
}

void XGScrollBar::SetFocus()
{
    SetControlFocus(fControl);
}

void XGScrollBar::DoDrawView(tagRECT)
{
    if (XGView::IsVisible())
        ShowControl(fControl);
}

void XGScrollBar::DoActivate(bool) {}

void XGScrollBar::DoSizeView()
{
    DoMoveView();
    XGView::DoSizeView();
}

void XGScrollBar::DoMoveView()
{
    MoveControl(fControl, GetRootRect());
}

void XGScrollBar::DoShowHide()
{
    HideControlWithView(fControl);
    XGView::DoShowHide();
}

void XGScrollBar::DoEnable()
{
    EnableControlWithView(fControl);
}

long XGScrollBar::DoWInternal(long, void* data)
{
    const XGControlMessage* message = static_cast<const XGControlMessage*>(data);
    if (!message || (message->message != WM_HSCROLL && message->message != WM_VSCROLL))
        return -1;
    switch (LOWORD(message->wParam)) {
    case SB_LINEUP: SetValue(GetValue() - fStepSize); break;
    case SB_LINEDOWN: SetValue(GetValue() + fStepSize); break;
    case SB_PAGEUP: SetValue(GetValue() - fPageSize); break;
    case SB_PAGEDOWN: SetValue(GetValue() + fPageSize); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: SetValue(long(HIWORD(message->wParam)) * fScale); break;
    case SB_TOP: SetValue(fMinValue); break;
    case SB_BOTTOM: SetValue(fMaxValue); break;
    default: break;  // SB_ENDSCROLL
    }
    return 0;
}

HWND__* XGScrollBar::GetAccNative() const
{
    return fControl;
}
