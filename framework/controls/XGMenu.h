#pragma once
#include <windows.h>
#include "foundation/XGArray.h"

// One native menu and, per item, the wrapper of the pop-up it opens. Items are
// addressed by position; an item's command number is its native identifier
// read as a signed 16-bit value, 0 for separators and pop-ups.
class XGMenu {
public:
    // construction
    XGMenu(HMENU menu, HMENU parentMenu, short parentIndex);
    virtual ~XGMenu();
    XGMenu(const XGMenu&) = delete;
    XGMenu& operator=(const XGMenu&) = delete;

    // items
    long GetLength() const;
    void InsertItem(long position);
    void DeleteItem(long position);
    void SetText(long position, const char* text);
    short GetItemID(long position) const;
    void SetItemID(long position, short id);
    XGMenu* GetSubMenu(long position) const;
    void SetEnabled(long position, bool enabled);
    bool EnableMenu(bool enabled);
    void SetCheckmark(long position, short mark);

    HMENU GetMenu() const { return fMenu; }
    // A shared menu is destroyed with the native menu that encloses it.
    void SetShared(bool shared) { fShared = shared; }

private:
    XGPDynArray<XGMenu> fSubMenus;
    bool fShared;
    HMENU fMenu;
    HMENU fParentMenu;
    short fParentIndex;
};
