#pragma once
#include "core/XGAppCore.h"
#include "foundation/XGArray.h"

class XGMenuBar;
class XGWindow;

// The frame's window procedures: the multiple-document frame window, and the
// tool strip along its top that the frame creates and places.
LRESULT CALLBACK _GMainMDIWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK _GToolBarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// One listed document window and its place in the Windows menu.
struct XGLstRecord {
    short fDigit;         // shortcut digit 1 to 9, -1 when none
    short fCommand;       // menu command 0x7000 to 0x7FFF, -1 until given
    XGWindow* fWindow;
    XGMenuBar* fMenuBar;  // the window's own bar in single-document mode (owned)
};

// The application frame with a list of document windows and a Windows menu.
// With a title it is an MDI application (one frame window, one menu bar,
// document windows as MDI children); with a null title every document
// window is a top-level window with a menu bar of its own.
class XGAppMultiWindow : public XGAppCore {
public:
    // construction
    explicit XGAppMultiWindow(const char* title);
    ~XGAppMultiWindow() override;

    // the window list
    long GetWindowCount() const { return fWindowList.Length(); }
    const XGLstRecord& GetWindowRecord(long index) const { return fWindowList[index]; }
    bool IsMDI() const { return fMDI; }

    // overridable, after those of XGAppCore
    XG_DECLARE_DISPATCH(XGAppMultiWindow)
    // The menu bar that applies to the current event.
    virtual XGMenuBar* GetCurMenu();

    // message handlers (window notices carry the address of the window pointer)
    long DoWindowCreate(long arg, void* data);    // 'crew'
    long DoWindowDestroy(long arg, void* data);   // 'desw'
    long DoWindowName(long arg, void* data);      // 'namw'
    // The Windows menu's commands (XGAppMultiWindowRules): 9 Tile, 10
    // Cascade, 11 Arrange Icons, enabled in a multiple-document frame with a
    // listed window; 0x7000 to 0x7FFF, one per listed window, put in place
    // of the item 12 ("Empty"), bring it to the front (the front one is
    // checked).
    long DoGetMenuStatus(long arg, void* data);   // 'stat'
    long DoMenuCommand(long arg, void* data);     // 'menu'
    long DoPostPeriodic(long arg, void* data);    // 'post'

    // Only document windows without the unlisted attribute enter the list.
    static bool IsListed(XGWindow* window);

    // Window-class registration shared with the single-window frame. A class
    // already registered in this process is registered again, so the latest
    // frame's procedures apply.
    static WNDCLASSEXW DescribeFrameClass(const wchar_t* name, UINT style, WNDPROC procedure,
                                          bool icons, bool arrow, int background, bool menu);
    static bool RegisterFrameClass(WNDCLASSEXW* wc);
    static bool RegisterFrameClass(const char* name, UINT style, WNDPROC procedure, bool icons, bool arrow,
                                   int background, bool menu);

private:
    void InitMDIApplication();
    void InitMDIInstance(const char* title);
    void KillMDIInstance();
    void InitSDIApplication();
    void InitSDIInstance();
    void InitToolbar(short resID);
    void DoCreateWindow(XGWindow* window);
    void DoDestroyWindow(XGWindow* window);
    void DoRenameWindow(XGWindow* window);
    long FindRecord(XGWindow* window) const;
    void SortWindowList();
    void UpdateWindowMenu();
    void UpdateWindowMenu(XGMenuBar* menuBar);
    void TileWindows();
    void CascadeWindows();
    void ArrangeIcons();

    XGSDynArray<XGLstRecord> fWindowList;
    XGMenuBar* fMyMenuBar;
    bool fMDI;
};
