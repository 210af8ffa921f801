#include "controls/XGMenuBar.h"
#include "dispatch/XGDispatch.h"
#include "foundation/XGError.h"
#include "dispatch/XGGlobals.h"
#include "controls/XGMenu.h"
#include "dispatch/XGMenuStatus.h"
#include "dispatch/XGMessages.h"
#include "views/XGWindowProc.h"

HACCEL XGMenuBar::gAccel = nullptr;
long XGMenuBar::gAccelRef = 0;
bool XGMenuBar::gAccelRes = false;

namespace {

bool RunMenuCommand(XGMenuBar* menu, unsigned int command)
{
    return menu->MenuCommand(command);
}

}  // namespace

XGMenuBar::XGMenuBar(HWND owner, bool frameMenu)
    : fResID(-1), fRedraw(false), fFrameMenu(frameMenu), fOwner(owner), fMenuHandle(nullptr)
{
    ++gAccelRef;
    // The windows' menu commands reach the current menu bar through this.
    XGWindowProc::gMenuCommandHook = RunMenuCommand;
}

XGMenuBar::~XGMenuBar()
{
    DeleteMenus();
    if (--gAccelRef < 1) {
        gAccelRef = 0;
        if (gAccel) {
            if (!gAccelRes)
                DestroyAcceleratorTable(gAccel);
            gAccel = nullptr;
        }
    }
}

void XGMenuBar::DeleteMenus()
{
    for (long i = 0; i < fMenus.Length(); ++i)
        delete fMenus[i];
    fMenus.DeleteAll();
}

XGMenu* XGMenuBar::GetMenu(long position) const
{
    if (position < 0 || position >= fMenus.Length())
        return nullptr;
    return fMenus[position];
}

bool XGMenuBar::LoadFromResource(short resID)
{
    if (resID == fResID)
        return false;
    fResID = resID;
    HMENU menu = LoadMenuW(_GInstance, MAKEINTRESOURCEW(static_cast<unsigned short>(resID)));
    if (!menu)
        _InlineError("menu != NULL", "XGMenuBar", 475);

    DeleteMenus();
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        XGMenu* top = new XGMenu(::GetSubMenu(menu, i), menu, short(i));
        top->SetShared(true);
        fMenus += top;
    }

    if (fFrameMenu)
        SendMessageW(_GMDIWindow, WM_MDISETMENU, WPARAM(menu), 0);
    else
        SetMenu(fOwner, menu);
    // The replaced bar is no longer attached to any window: free it.
    if (fMenuHandle && fMenuHandle != menu)
        DestroyMenu(fMenuHandle);
    fMenuHandle = menu;
    fRedraw = true;

    if (!gAccel) {
        gAccelRes = true;
        gAccel = LoadAcceleratorsW(_GInstance, MAKEINTRESOURCEW(128));
    }
    return true;
}

bool XGMenuBar::UpdateMenu(XGMenu* menu, XGDispatch* target)
{
    bool anyEnabled = false;
    long length = menu->GetLength();
    for (long position = 0; position < length; ++position) {
        XGMenuStatus status;
        status.enabled = false;
        status.checked = false;
        status.mark = 0x12;
        short command = menu->GetItemID(position);
        if (command != 0 && target)
            target->DoDispatch(kMsgGetMenuStatus, command, &status, true);
        bool below = false;
        if (XGMenu* sub = menu->GetSubMenu(position))
            below = UpdateMenu(sub, target);
        bool enabled = status.enabled || below;
        menu->SetEnabled(position, enabled);
        anyEnabled = anyEnabled || enabled;
        if (status.checked) {
            if (status.mark == 0)
                status.mark = 0x12;
            menu->SetCheckmark(position, status.mark);
        } else {
            menu->SetCheckmark(position, 0);
        }
    }
    return anyEnabled;
}

void XGMenuBar::UpdateMenuBar(XGDispatch* target)
{
    for (long i = 0; i < fMenus.Length(); ++i) {
        XGMenu* top = fMenus[i];
        if (top->EnableMenu(UpdateMenu(top, target)))
            fRedraw = true;
    }
    if (fRedraw) {
        fRedraw = false;
        DrawMenuBar(fOwner);
    }
}

bool XGMenuBar::MenuCommand(unsigned int command)
{
    return XGDispatch::SendDispatch(kMsgMenuCommand, long(command), nullptr) != -1;
}

long XGMenuBar::TranslateAcceleratorA(HWND window, tagMSG* message)
{
    if (!gAccel || !message)
        return 0;
    // Single-document frames have no main window: the command goes to the
    // top-level window the key was typed in, which owns the menu bar.
    if (!window && message->hwnd)
        window = GetAncestor(message->hwnd, GA_ROOT);
    if (!window)
        return 0;
    return ::TranslateAcceleratorW(window, gAccel, message);
}
