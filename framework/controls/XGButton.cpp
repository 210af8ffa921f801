#include "controls/XGButton.h"

#include <windows.h>
#include <oleacc.h>

#include "foundation/XGWide.h"
#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"
#include "views/XGControlMessage.h"
#include "views/XGFont.h"
#include "dispatch/XGMessages.h"

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(XGButton, XGView)
    XG_ON(kMsgControlNotify, DoWInternal)
XG_END_DISPATCH()

namespace {

// The buttons of one built-in font share one font object, and so one Windows
// font: made per button, each would cost a display context and a font of its
// own. The slot lets the font go with the last button that uses it; a native
// button that outlives its view (its window's close takes it later) holds the
// font on until it is destroyed.
struct SharedFont {
    XGFont* font;
    long users;
};

SharedFont gSharedFonts[3] = {};

SharedFont* SharedFontSlot(short number)
{
    const short count = short(sizeof(gSharedFonts) / sizeof(gSharedFonts[0]));
    return number >= 0 && number < count ? &gSharedFonts[number] : nullptr;
}

}  // namespace

XGButton::XGButton(XGView* parent, XGArgStream& stream)
    : XGControl(parent, stream), fFont(nullptr), fControl(nullptr)
{
    XGFieldReader fields(stream, XGControlFields::gButton);
    fFont = AttachFont(short(fields.ReadInteger("font")));
    fields.End();
}

XGButton::~XGButton()
{
    DestroyControl(fControl);
    fControl = nullptr;
    DetachFont(fFont);
    fFont = nullptr;
}

XGFont* XGButton::AttachFont(short number)
{
    SharedFont* slot = SharedFontSlot(number);
    if (!slot)
        return XGFont::LoadFont(number);
    if (slot->font) {
        slot->font->Attach();
    } else {
        slot->font = XGFont::LoadFont(number);
        if (!slot->font)
            return nullptr;
    }
    ++slot->users;
    return slot->font;
}

void XGButton::DetachFont(XGFont* font)
{
    if (!font)
        return;
    for (SharedFont& slot : gSharedFonts) {
        if (slot.font == font && --slot.users == 0)
            slot.font = nullptr;
    }
    font->Detach();
}

void XGButton::PushButton()
{
    if (fControl && (IsEnabled() || IsActive()))
        SendMessageW(fControl, BM_CLICK, 0, 0);
}

void XGButton::SetFocus()
{
    SetControlFocus(fControl);
}

void XGButton::DoDrawView(tagRECT)
{
    ShowControl(fControl);
}

void XGButton::DoActivate(bool) {}

void XGButton::DoSizeView()
{
    DoMoveView();
    XGView::DoSizeView();
}

void XGButton::DoMoveView()
{
    MoveControl(fControl, GetRootRect());
}

void XGButton::DoShowHide()
{
    HideControlWithView(fControl);
    XGView::DoShowHide();
}

void XGButton::DoEnable()
{
    EnableControlWithView(fControl);
}

void XGButton::DoDpiChanged(int oldDpi, int newDpi)
{
    XGControl::DoDpiChanged(oldDpi, newDpi);
    SetControlFont(fControl, fFont);
}

void XGButton::GetTitle(char* out) const
{
    out[0] = 0;
    if (fControl)
        XGWide::ReadWindowText(fControl, out, 256);
}

void XGButton::SetTitle(const char* title)
{
    if (fControl)
        SetWindowTextW(fControl, XGWide(title));
}

long XGButton::GetValue()
{
    if (!fControl)
        return 0;
    switch (SendMessageW(fControl, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED: return 1;
    case BST_INDETERMINATE: return -1;
    default: return 0;
    }
}

void XGButton::SetValue(long value)
{
    if (!fControl)
        return;
    WPARAM state = value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
    SendMessageW(fControl, BM_SETCHECK, state, 0);
}

long XGButton::DoWInternal(long, void* data)
{
    const XGControlMessage* message = static_cast<const XGControlMessage*>(data);
    if (message && message->message == WM_COMMAND && HIWORD(message->wParam) == BN_CLICKED) {
        DoDispatch(kMsgControlClick, fViewID, nullptr, true);
        return 0;
    }
    return -1;
}

HWND__* XGButton::GetAccNative() const
{
    return fControl;
}
