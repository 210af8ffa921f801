#pragma once
#include <windows.h>
#include "foundation/XGArray.h"

class XGMenu;
class XGDispatch;

// A window's (or the MDI frame's) native menu bar, loaded from a menu
// resource and kept up to date by asking the dispatch chain ('stat') about
// every item. One accelerator table, loaded with the first menu of the
// process, is shared by every menu bar.
class XGMenuBar {
public:
    // construction
    XGMenuBar(HWND owner, bool frameMenu);
    virtual ~XGMenuBar();
    XGMenuBar(const XGMenuBar&) = delete;
    XGMenuBar& operator=(const XGMenuBar&) = delete;

    // operations
    bool LoadFromResource(short resID);
    void UpdateMenuBar(XGDispatch* target);
    bool MenuCommand(unsigned int command);
    // A null window (no main window in single-document mode) stands for the
    // top-level window of the message.
    static long TranslateAcceleratorA(HWND window, tagMSG* message);

    long GetLength() const { return fMenus.Length(); }
    XGMenu* GetMenu(long position) const;
    short GetResID() const { return fResID; }
    HMENU GetMenuHandle() const { return fMenuHandle; }

    static HACCEL gAccel;
    static long gAccelRef;
    static bool gAccelRes;

private:
    bool UpdateMenu(XGMenu* menu, XGDispatch* target);
    void DeleteMenus();

    short fResID;
    bool fRedraw;
    XGPDynArray<XGMenu> fMenus;
    bool fFrameMenu;
    HWND fOwner;
    HMENU fMenuHandle;  // the native bar this object loaded, destroyed when replaced
};
