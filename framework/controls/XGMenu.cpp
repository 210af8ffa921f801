#include "controls/XGMenu.h"
#include "foundation/XGWide.h"

XGMenu::XGMenu(HMENU menu, HMENU parentMenu, short parentIndex)
    : fShared(false), fMenu(menu), fParentMenu(parentMenu), fParentIndex(parentIndex)
{
    int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        XGMenu* sub = nullptr;
        if (HMENU popup = ::GetSubMenu(menu, i)) {
            sub = new XGMenu(popup, nullptr, 0);
            sub->fShared = true;
        }
        fSubMenus += sub;
    }
}

XGMenu::~XGMenu()
{
    for (long i = 0; i < fSubMenus.Length(); ++i)
        delete fSubMenus[i];
    fSubMenus.DeleteAll();
    if (fMenu && !fShared)
        DestroyMenu(fMenu);
}

long XGMenu::GetLength() const
{
    return fSubMenus.Length();
}

void XGMenu::InsertItem(long position)
{
    if (position < 0 || position > GetLength())
        return;
    InsertMenuW(fMenu, UINT(position), MF_BYPOSITION | MF_STRING, UINT_PTR(-1), L"Untitled");
    fSubMenus.Insert(position, nullptr);
}

void XGMenu::DeleteItem(long position)
{
    if (position < 0 || position >= GetLength())
        return;
    DeleteMenu(fMenu, UINT(position), MF_BYPOSITION);
    delete fSubMenus[position];
    fSubMenus.Delete(position);
}

void XGMenu::SetText(long position, const char* text)
{
    XGWide wide(text);
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING;
    if (!text || !*text) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fType = MFT_STRING;
        info.dwTypeData = const_cast<wchar_t*>(wide.Get());
    }
    SetMenuItemInfoW(fMenu, UINT(position), TRUE, &info);
}

short XGMenu::GetItemID(long position) const
{
    // A pop-up's native identifier is its menu handle: never a command.
    if (position < 0 || position >= GetLength() || fSubMenus[position])
        return 0;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE;
    if (!GetMenuItemInfoW(fMenu, UINT(position), TRUE, &info) || (info.fType & MFT_SEPARATOR))
        return 0;
    return short(info.wID);
}

void XGMenu::SetItemID(long position, short id)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    info.wID = UINT(long(id));
    SetMenuItemInfoW(fMenu, UINT(position), TRUE, &info);
}

XGMenu* XGMenu::GetSubMenu(long position) const
{
    if (position < 0 || position >= GetLength())
        return nullptr;
    return fSubMenus[position];
}

void XGMenu::SetEnabled(long position, bool enabled)
{
    EnableMenuItem(fMenu, UINT(position), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
}

bool XGMenu::EnableMenu(bool enabled)
{
    if (!fParentMenu)
        return false;
    UINT state = GetMenuState(fParentMenu, UINT(fParentIndex), MF_BYPOSITION);
    bool isEnabled = state == UINT(-1) || (state & (MF_GRAYED | MF_DISABLED)) == 0;
    if (isEnabled == enabled)
        return false;
    EnableMenuItem(fParentMenu, UINT(fParentIndex),
                   MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
    return true;
}

void XGMenu::SetCheckmark(long position, short mark)
{
    CheckMenuItem(fMenu, UINT(position), MF_BYPOSITION | (mark != 0 ? MF_CHECKED : MF_UNCHECKED));
}
