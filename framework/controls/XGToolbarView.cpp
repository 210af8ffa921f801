#include "controls/XGToolbarView.h"

#include <windows.h>
#include <oleacc.h>

#include <cstring>
#include <memory>

#include "foundation/XGAssert.h"
#include "dispatch/XGBroadcast.h"
#include "views/XGDraw.h"
#include "dispatch/XGGlobals.h"
#include "dispatch/XGMenuStatus.h"
#include "dispatch/XGMessages.h"
#include "controls/XGDpiResources.h"
#include "controls/XGToolTip.h"
#include "views/XGDpiScale.h"
#include "controls/XGToolbarData.h"
#include "foundation/XGKeys.h"

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(XGToolbarView, XGView)
    XG_ON(kMsgPostEvent, DoPeriodic)
XG_END_DISPATCH()

XGToolbarView::XGToolbarView(short resID)
    : XGView(nullptr, CodeRecord('****', 1)), fToolMenu(-1), fToolData(), fToolState(), fHotItem(-1),
      fTrackRect(), fTrackItem(-1), fTrackInside(false), fTrackState(0)
{
    ChangeToolMenu(resID);
    XGBroadcast::AddBroadcast(this);
}

XGToolbarView::~XGToolbarView()
{
    // The tip's pop-up names this view as its base.
    if (fHotItem != -1)
        XGToolTip::CloseTip();
}

void XGToolbarView::ChangeToolMenu(short resID)
{
    if (resID == fToolMenu)
        return;
    XGToolTip::CloseTip();
    fToolMenu = resID;
    HRSRC hsrc = FindResourceW(_GInstance, MAKEINTRESOURCEW(static_cast<unsigned short>(resID)), L"TMenu");
    XG_ASSERT(hsrc != NULL, "XGToolbarView", 222);
    HGLOBAL h = LoadResource(_GInstance, hsrc);
    XG_ASSERT(h != NULL, "XGToolbarView", 224);
    const void* bytes = LockResource(h);
    const uint32_t size = bytes ? uint32_t(SizeofResource(_GInstance, hsrc)) : 0;
    fToolData.SetSize(size);
    if (size)
        std::memcpy(*fToolData, bytes, size);
    FreeResource(h);
    const uint16_t length = XGToolbarData::Prepare(*fToolData, fToolData.GetSize());
    fToolState.SetSize(length);
    if (length)
        std::memset(*fToolState, 0, length);
    fHotItem = -1;
    // A press on a button of the old bar must not send a command of the new one.
    fTrackInside = false;
    fTrackItem = -1;
    InvalView(nullptr);
}

long XGToolbarView::GetToolLength() const
{
    return XGToolbarData::GetLength(*fToolData, fToolData.GetSize());
}

uint8_t XGToolbarView::GetItemState(long index) const
{
    if (index < 0 || uint32_t(index) >= fToolState.GetSize())
        return 0;
    return uint8_t(fToolState.GetChar(uint32_t(index)));
}

short XGToolbarView::GetItemIcon(long index) const
{
    return XGToolbarData::GetItemIcon(*fToolData, fToolData.GetSize(), index);
}

short XGToolbarView::GetItemCommand(long index) const
{
    return XGToolbarData::GetItemCommand(*fToolData, fToolData.GetSize(), index);
}

void XGToolbarView::GetItemHelp(long index, char* out) const
{
    XGToolbarData::GetItemHelp(*fToolData, fToolData.GetSize(), index, out, 256);
}

long XGToolbarView::GetItemOffset(long index) const
{
    return XGToolbarData::GetItemOffset(*fToolData, fToolData.GetSize(), index);
}

tagRECT XGToolbarView::CalcButton(long index) const
{
    return XGToolbarData::CalcButton(*fToolData, fToolData.GetSize(), GetContentRect(), index, GetDpi());
}

void XGToolbarView::DoDpiChanged(int oldDpi, int newDpi)
{
    XGView::DoDpiChanged(oldDpi, newDpi);
    // A hover or a press in progress holds a button's rectangle at the old
    // scale, and the tip its text's size.
    XGToolTip::CloseTip();
    fHotItem = -1;
    fTrackItem = -1;
    fTrackInside = false;
    InvalView();
}

long XGToolbarView::FindItem(Point where) const
{
    const long length = GetToolLength();
    for (long i = 0; i < length; ++i) {
        const tagRECT r = CalcButton(i);
        if (RectMath::PtInRect(where, &r))
            return i;
    }
    return -1;
}

void XGToolbarView::SendMenuCommand(long command)
{
    SendDispatch(kMsgMenuCommand, command, nullptr);
}

uint8_t XGToolbarView::GetMenuStatus(long command)
{
    if (command == 0)
        return kStateSeparator;
    XGMenuStatus status;
    status.enabled = false;
    status.checked = false;
    status.mark = 0x11;
    SendDispatch(kMsgGetMenuStatus, command, &status);
    if (!status.enabled)
        return 0;
    return status.checked ? kStateEnabled | kStateChecked : kStateEnabled;
}

long XGToolbarView::DoPeriodic(long, void*)
{
    std::unique_ptr<XGDraw> draw;
    const long length = GetToolLength();
    for (long i = 0; i < length; ++i) {
        const uint8_t state = GetMenuStatus(GetItemCommand(i));
        if (state == GetItemState(i))
            continue;
        fToolState.SetChar(uint32_t(i), char(state));
        // A separator is drawn with the strip; as a button it would show its icon.
        if (state == kStateSeparator)
            continue;
        if (!draw)
            draw.reset(new XGDraw(this, true));
        DrawButton(*draw, CalcButton(i), i, state);
    }
    return 0;
}

void XGToolbarView::DoDrawView(tagRECT)
{
    XGDraw draw(this, true);
    const tagRECT content = GetContentRect();
    const short L = short(content.left), T = short(content.top), R = short(content.right),
                B = short(content.bottom);
    const int dpi = GetDpi();
    // Each edge line is as thick as the context draws a line at the scale.
    const short line = short(XGDpiScale::ScaleLine(1, dpi));
    draw.SetForeColor(kPaletteButtonShadow);
    draw.MoveTo(L, T);
    draw.LineTo(R, T);
    draw.SetForeColor(kPaletteButtonHighlight);
    draw.MoveTo(L, short(T + line));
    draw.LineTo(R, short(T + line));
    draw.SetForeColor(kPaletteButtonShadow);
    draw.MoveTo(L, short(B - line));
    draw.LineTo(R, short(B - line));
    tagRECT face = {L, short(T + 2 * line), R, short(B - line)};
    draw.Draw3DRect(face, kRectFaceFill);

    const long length = GetToolLength();
    for (long i = 0; i < length; ++i) {
        const tagRECT r = CalcButton(i);
        if (GetItemCommand(i) == 0) {
            const short x = short(r.left), y = short(r.top);
            // The context draws each line as thick as the scale makes it.
            const short shadow = short(x + XGDpiScale::Scale16(5, dpi));
            const short light = short(shadow + line);
            const short bottom = short(y + XGToolbarData::ButtonSize(dpi));
            draw.SetForeColor(kPaletteButtonShadow);
            draw.MoveTo(shadow, y);
            draw.LineTo(shadow, bottom);
            draw.SetForeColor(kPaletteButtonHighlight);
            draw.MoveTo(light, y);
            draw.LineTo(light, bottom);
        } else {
            DrawButton(draw, r, i, GetItemState(i));
        }
    }
}

void XGToolbarView::DrawButton(XGDraw& draw, tagRECT r, long index, uint8_t state)
{
    const int dpi = GetDpi();
    // At 96 DPI the icon is drawn at the resource's own size, 3 pixels in;
    // at other scales it is made at its scaled size and centred.
    const int iconSize = dpi == XGDpiScale::kBaseDpi ? 0 : XGDpiScale::Scale16(16, dpi);
    const int iconInset = dpi == XGDpiScale::kBaseDpi ? 3 : (XGToolbarData::ButtonSize(dpi) - iconSize) / 2;
    const int iconLeft = r.left + iconInset, iconTop = r.top + iconInset;
    if (!(state & kStateEnabled)) {
        draw.Draw3DRect(r, kRectFaceFill);
        XGDpiResources::DrawIcon(draw, GetItemIcon(index), iconLeft, iconTop, iconSize, false);
        return;
    }
    const bool down = (state & (kStatePressed | kStateChecked)) != 0;
    if (down)
        draw.Draw3DRect(r, kRectSunken);
    else
        draw.Draw3DRect(r, index == fHotItem ? kRectRaised : kRectFaceFrame);
    RectMath::InsetRect(&r, 1, 1);
    draw.Draw3DRect(r, kRectFaceFrame);
    RectMath::InsetRect(&r, 1, 1);
    if ((state & kStateChecked) && !(state & kStatePressed)) {
        const unsigned long face = XGDraw::ColorFromPalette(kPaletteButtonFace);
        const unsigned long light = XGDraw::ColorFromPalette(kPaletteButtonHighlight);
        const unsigned long mixed = RGB((GetRValue(face) + GetRValue(light)) / 2,
                                        (GetGValue(face) + GetGValue(light)) / 2,
                                        (GetBValue(face) + GetBValue(light)) / 2);
        draw.FillRect(r, mixed);
    } else {
        draw.Draw3DRect(r, kRectFaceFill);
    }
    const int shift = down ? XGDpiScale::Scale16(1, dpi) : 0;
    XGDpiResources::DrawIcon(draw, GetItemIcon(index), iconLeft + shift, iconTop + shift, iconSize, true);
}

bool XGToolbarView::DoMouseDown(Point where, short)
{
    XGToolTip::CloseTip();
    const long index = FindItem(where);
    if (index < 0 || GetItemCommand(index) == 0)
        return false;
    const uint8_t state = GetItemState(index);
    if (!(state & kStateEnabled))
        return false;
    fTrackInside = true;
    fTrackItem = index;
    fTrackRect = CalcButton(index);
    fTrackState = state;
    XGDraw draw(this, true);
    DrawButton(draw, fTrackRect, index, uint8_t(state | kStatePressed));
    return true;
}

void XGToolbarView::DoMouseMove(Point where, short modifiers)
{
    XGView::DoMouseMove(where, modifiers);
    if (modifiers & kModCaptured) {
        if (fTrackItem < 0)
            return;
        const bool inside = RectMath::PtInRect(where, &fTrackRect);
        if (inside == fTrackInside)
            return;
        fTrackInside = inside;
        XGDraw draw(this, true);
        DrawButton(draw, fTrackRect, fTrackItem, uint8_t(inside ? fTrackState | kStatePressed : fTrackState));
    } else {
        OutlineButton(FindItem(where));
    }
}

void XGToolbarView::DoMouseUp(Point, short modifiers)
{
    if (!(modifiers & kModCaptured) || !fTrackInside)
        return;
    fTrackInside = false;
    {
        XGDraw draw(this, true);
        DrawButton(draw, fTrackRect, fTrackItem, fTrackState);
    }
    SendMenuCommand(GetItemCommand(fTrackItem));
}

void XGToolbarView::DoMouseLeave()
{
    OutlineButton(-1);
    XGToolTip::CloseTip();
}

void XGToolbarView::OutlineButton(long index)
{
    if (index == fHotItem)
        return;
    XGDraw draw(this, true);
    if (fHotItem != -1) {
        // Only a plain enabled button carries the outline; taking a face frame
        // round a checked one would wipe its sunken edge.
        if (GetItemState(fHotItem) == kStateEnabled)
            draw.Draw3DRect(CalcButton(fHotItem), kRectFaceFrame);
        XGToolTip::CloseTip();
    }
    if (index != -1) {
        const tagRECT r = CalcButton(index);
        if (GetItemState(index) == kStateEnabled)
            draw.Draw3DRect(r, kRectRaised);
        char help[256];
        GetItemHelp(index, help);
        Point at;
        at.v = int16_t(r.bottom);
        at.h = int16_t(r.right);
        XGToolTip::OpenTip(this, at, help);
    }
    fHotItem = index;
}

// accessibility

long XGToolbarView::GetAccRole() const
{
    return ROLE_SYSTEM_TOOLBAR;
}

long XGToolbarView::GetAccItemCount() const
{
    return GetToolLength();
}

bool XGToolbarView::GetAccItem(long index, XGAccItem& item) const
{
    if (index < 0 || index >= GetToolLength())
        return false;
    item.rect = CalcButton(index);
    ViewToGlobal(&item.rect);
    if (GetItemCommand(index) == 0) {
        // Its button rectangle is empty, so that no click lands on it; a
        // reader shows the gap it makes between the buttons.
        item.rect.right = item.rect.left + XGToolbarData::kSeparatorWidth;
        item.rect.bottom = item.rect.top + XGToolbarData::kButtonSize;
        item.role = ROLE_SYSTEM_SEPARATOR;
        return true;
    }
    char help[256] = {};
    GetItemHelp(index, help);
    item.role = ROLE_SYSTEM_PUSHBUTTON;
    item.name = help;
    item.action = "Press";
    const uint8_t state = GetItemState(index);
    if (!(state & kStateEnabled) || !IsEnabled())
        item.state |= STATE_SYSTEM_UNAVAILABLE;
    if (state & kStateChecked)
        item.state |= STATE_SYSTEM_CHECKED;
    if (state & kStatePressed)
        item.state |= STATE_SYSTEM_PRESSED;
    if (!IsVisible())
        item.state |= STATE_SYSTEM_INVISIBLE;
    return true;
}

bool XGToolbarView::DoAccItemAction(long index)
{
    if (index < 0 || index >= GetToolLength() || GetItemCommand(index) == 0)
        return false;
    if (!(GetItemState(index) & kStateEnabled) || !IsEnabled())
        return false;
    SendMenuCommand(GetItemCommand(index));
    return true;
}
