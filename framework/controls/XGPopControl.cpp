#include "controls/XGPopControl.h"

#include <windows.h>
#include <oleacc.h>

#include "foundation/XGWide.h"
#include "foundation/XGKeys.h"
#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"
#include "views/XGControlMessage.h"
#include "views/XGDraw.h"
#include "views/XGFont.h"
#include "views/XGInline.h"
#include "dispatch/XGMessages.h"

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(XGPopControl, XGView)
    XG_ON(kMsgKey, DoKey)
    XG_ON(kMsgPopClose, DoInlineClose)
    XG_ON(kMsgControlNotify, DoWInternal)
XG_END_DISPATCH()

XGPopControl::XGPopControl(XGView* parent, XGArgStream& stream)
    : XGControl(parent, stream), fInline(nullptr), fFont(nullptr), fFontID(0), fValue(0),
      fControl(nullptr)
{
    XGFieldReader fields(stream, XGControlFields::gPopControl);
    fFontID = short(fields.ReadInteger("font"));
    fields.End();
    fFont = XGFont::LoadFont(fFontID);
    InitControl();
}

XGPopControl::~XGPopControl()
{
    delete fInline;
    fInline = nullptr;
    fItems.DeleteAll();
    if (fFont)
        fFont->Detach();
    fFont = nullptr;
    DestroyControl(fControl);
    fControl = nullptr;
}

tagRECT XGPopControl::GetComboRect() const
{
    tagRECT r = GetRootRect();
    r.bottom += ScaleUnits(500);
    return r;
}

void XGPopControl::InitControl()
{
    fControl = CreateControl("COMBOBOX", WS_CHILD | CBS_DROPDOWNLIST, "", GetComboRect(), fFont);
}

long XGPopControl::Length() const
{
    return fItems.GetNumStrings();
}

void XGPopControl::ReloadItems()
{
    if (!fControl)
        return;
    SendMessageW(fControl, CB_RESETCONTENT, 0, 0);
    char text[256];
    for (long i = 0; i < Length(); ++i) {
        fItems.GetString(i, text);
        SendMessageW(fControl, CB_ADDSTRING, 0, LPARAM(XGWide(text).Get()));
    }
    SendMessageW(fControl, CB_SETCURSEL, WPARAM(fValue), 0);
}

void XGPopControl::DeleteAll()
{
    fItems.DeleteAll();
    ReloadItems();
    InvalView();
}

long XGPopControl::GetValue()
{
    return fValue;
}

void XGPopControl::SetValue(long value)
{
    if (value > Length() - 1)
        value = Length() - 1;
    if (value < 0)
        value = 0;
    if (value == fValue)
        return;
    fValue = value;
    if (fControl)
        SendMessageW(fControl, CB_SETCURSEL, WPARAM(value), 0);
    InvalView();
}

void XGPopControl::SetFocus()
{
    SetControlFocus(fControl);
}

void XGPopControl::DoGainFocus()
{
    InvalView();
}

void XGPopControl::DoLoseFocus()
{
    InvalView();
}

void XGPopControl::DoDrawView(tagRECT)
{
    ShowControl(fControl);
}

void XGPopControl::DoActivate(bool) {}

bool XGPopControl::DoMouseDown(Point where, short modifiers)
{
    if (!fControl)
        return false;
    SetFocus();
    return XGView::DoMouseDown(where, modifiers);
}

void XGPopControl::DoSizeView()
{
    DoMoveView();
    XGView::DoSizeView();
}

void XGPopControl::DoMoveView()
{
    if (!fControl) {
        XGView::DoMoveView();
        return;
    }
    MoveControl(fControl, GetComboRect());
}

void XGPopControl::DoShowHide()
{
    HideControlWithView(fControl);
    XGView::DoShowHide();
}

void XGPopControl::DoEnable()
{
    EnableControlWithView(fControl);
}

long XGPopControl::DoKey(long key, void*)
{
    if (!(XGKeyModifiers(key) & kModExtendedKey))
        return -1;
    switch (XGKeyCode(key)) {
    case kKeyUp: SetValue(fValue - 1); break;
    case kKeyDown: SetValue(fValue + 1); break;
    default: return -1;
    }
    DoDispatch(kMsgPopValue, fViewID, nullptr, true);
    return 0;
}

long XGPopControl::DoWInternal(long, void* data)
{
    const XGControlMessage* message = static_cast<const XGControlMessage*>(data);
    if (fControl && message && message->message == WM_COMMAND
        && HIWORD(message->wParam) == CBN_CLOSEUP) {
        long selected = long(SendMessageW(fControl, CB_GETCURSEL, 0, 0));
        if (selected != fValue) {
            fValue = selected;
            DoDispatch(kMsgPopValue, fViewID, nullptr, true);
        }
    }
    return 0;
}

long XGPopControl::DoInlineClose(long, void* data)
{
    if (!fInline)
        return 0;
    delete fInline;
    fInline = nullptr;
    if (const XGPopCloseRecord* record = static_cast<const XGPopCloseRecord*>(data))
        fValue = record->index;
    DoDispatch(kMsgPopValue, fViewID, nullptr, true);

    XGDraw draw(this);
    if (fFont) {
        fFont->Attach();
        draw.SetFont(fFont, false);
    }
    tagRECT r = GetContentRect();
    draw.Draw3DRect(r, kRectBlackRaised);
    long side = r.bottom - r.top;
    tagRECT square = {r.right - side, r.top, r.right, r.bottom};
    RectMath::InsetRect(&square, ScaleUnits(2), ScaleUnits(2));
    draw.Draw3DRect(square, kRectRaised);
    return 0;
}

void XGPopControl::DoDpiChanged(int oldDpi, int newDpi)
{
    XGControl::DoDpiChanged(oldDpi, newDpi);
    SetControlFont(fControl, fFont);
}

HWND__* XGPopControl::GetAccNative() const
{
    return fControl;
}
