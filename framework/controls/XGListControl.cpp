#include "controls/XGListControl.h"

#include <windows.h>
#include <oleacc.h>

#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"
#include "views/XGFont.h"
#include "controls/XGListView.h"
#include "foundation/XGStringList.h"

namespace {

const int16_t kSelectFlagSize = 1;

}  // namespace

XGListControl::XGListControl(XGView* parent, XGArgStream& stream)
    : XGScrollView(parent, stream), fListView(nullptr), fFont(nullptr), fList(nullptr),
      fMultiSelect(false), fKeepSelect(false)
{
    fList = new XGStringList(kSelectFlagSize);
    XGFieldReader fields(stream, XGControlFields::gListControl);
    fMultiSelect = fields.ReadBoolean("multiple");
    fFont = XGFont::LoadFont(short(fields.ReadInteger("font")));
    fKeepSelect = fields.ReadBoolean("clickadds");
    fields.End();
    fListView = new XGListView(this);
}

XGListControl::~XGListControl()
{
    delete fList;
    fList = nullptr;
    // The list view is deleted with the view tree after this body; it must
    // not find a list that is gone.
    if (fListView) {
        delete fListView;
        fListView = nullptr;
    }
    // The control holds the reference LoadFont handed out; drawing contexts
    // only borrow it.
    if (fFont) {
        fFont->Detach();
        fFont = nullptr;
    }
}

// operations

long XGListControl::Length() const
{
    return fList ? fList->GetNumStrings() : 0;
}

void XGListControl::GetItem(long index, char* buffer) const
{
    buffer[0] = '\0';
    if (index < 0 || index >= Length())
        return;
    fList->GetString(int32_t(index), buffer);
}

bool XGListControl::GetSelect(long index) const
{
    if (index < 0 || index >= Length())
        return false;
    unsigned char flag = 0;
    fList->GetExtra(int32_t(index), &flag);
    return flag != 0;
}

void XGListControl::SetSelect(long index, bool select)
{
    if (index < 0 || index >= Length())
        return;
    if (GetSelect(index) == select)
        return;
    if (!fMultiSelect && select) {
        long length = Length();
        for (long i = 0; i < length; ++i) {
            bool flag = i == index;
            if (GetSelect(i) != flag)
                StoreSelect(i, flag);
        }
        return;
    }
    StoreSelect(index, select);
}

void XGListControl::ClearSelect()
{
    long length = Length();
    for (long i = 0; i < length; ++i)
        SetSelect(i, false);
}

void XGListControl::StoreSelect(long index, bool select)
{
    unsigned char flag = select ? 1 : 0;
    fList->SetExtra(int32_t(index), &flag);
    if (fListView)
        fListView->RedrawLine(index);
    if (select)
        NotifyAccItemEvent(EVENT_OBJECT_SELECTION, index);
}

long XGListControl::GetAccRole() const
{
    return ROLE_SYSTEM_LIST;
}

long XGListControl::GetAccItemCount() const
{
    return Length();
}

bool XGListControl::GetAccItem(long index, XGAccItem& item) const
{
    if (index < 0 || index >= Length())
        return false;
    char text[256];
    GetItem(index, text);
    item.role = ROLE_SYSTEM_LISTITEM;
    item.name = text;
    item.state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (GetSelect(index))
        item.state |= STATE_SYSTEM_SELECTED;
    if (!IsEnabled())
        item.state |= STATE_SYSTEM_UNAVAILABLE;
    // Lines scrolled out of the content are still there, off screen.
    tagRECT content = fListView ? fListView->GetGlobalRect() : GetGlobalRect();
    const Point pos = fListView ? fListView->GetGlobalPos() : GetGlobalPos();
    long h = 0;
    long v = 0;
    const_cast<XGListControl*>(this)->GetScrollValue(&h, &v);
    const long step = const_cast<XGListControl*>(this)->GetPixelStep();
    item.rect.left = content.left;
    item.rect.right = content.right;
    item.rect.top = pos.v + index * step - v;
    item.rect.bottom = item.rect.top + step;
    if (item.rect.bottom <= content.top || item.rect.top >= content.bottom || !IsVisible())
        item.state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    return true;
}

void XGListControl::DoGainFocus()
{
    if (fListView)
        fListView->InvalView();
}

void XGListControl::DoLoseFocus()
{
    if (fListView)
        fListView->InvalView();
}
