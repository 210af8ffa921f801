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
#include "controls/XGToolTip.h"
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
    return XGToolbarData::CalcButton(*fToolData, fToolData.GetSize(), GetContentRect(), index);
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
    draw.SetForeColor(kPaletteButtonShadow);
    draw.MoveTo(L, T);
    draw.LineTo(R, T);
    draw.SetForeColor(kPaletteButtonHighlight);
    draw.MoveTo(L, short(T + 1));
    draw.LineTo(R, short(T + 1));
    draw.SetForeColor(kPaletteButtonShadow);
    draw.MoveTo(L, short(B - 1));
    draw.LineTo(R, short(B - 1));
    tagRECT face = {L, short(T + 2), R, short(B - 1)};
    draw.Draw3DRect(face, kRectFaceFill);

    const long length = GetToolLength();
    for (long i = 0; i < length; ++i) {
        const tagRECT r = CalcButton(i);
        if (GetItemCommand(i) == 0) {
            const short x = short(r.left), y = short(r.top);
            draw.SetForeColor(kPaletteButtonShadow);
            draw.MoveTo(short(x + 5), y);
            draw.LineTo(short(x + 5), short(y + 22));
            draw.SetForeColor(kPaletteButtonHighlight);
            draw.MoveTo(short(x + 6), y);
            draw.LineTo(short(x + 6), short(y + 22));
        } else {
            DrawButton(draw, r, i, GetItemState(i));
        }
    }
}

void XGToolbarView::DrawButton(XGDraw& draw, tagRECT r, long index, uint8_t state)
{
    if (!(state & kStateEnabled)) {
        draw.Draw3DRect(r, kRectFaceFill);
        RectMath::InsetRect(&r, 3, 3);
        draw.DrawIcon(GetItemIcon(index), short(r.left), short(r.top), false);
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
    RectMath::InsetRect(&r, 1, 1);
    const short shift = down ? 1 : 0;
    draw.DrawIcon(GetItemIcon(index), short(r.left + shift), short(r.top + shift), true);
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
