// A framework window: a native top-level (or multiple-document child) window
// that is at the same time the root view of its view tree. It places itself
// from its record, creates the native window in the framework's classes,
// links itself into the list of framework windows and relays mouse, keyboard,
// drawing and sizing into its views. It erases no background: what no view
// paints keeps stale pixels (XGView::DoDrawView).
#pragma once

#include "views/XGView.h"

#include "views/XGWindowPlacement.h"

class XGArgStream;
class XGForm;
struct HWND__;

// The window fields of a record (or filled in code), in record order.
// Sizes are stored width first although the window keeps them as Points.
//
// The kind word ('kind'):
//   0x000F  the kind: 0 document window (a child of the multiple-document
//           client when there is one), 1 and 2 dialog-style window (owned by
//           the main window or by the window of the running modal loop,
//           which stays disabled while it exists; no menu bar), 3 floating
//           document (top-most tool window). Any other kind is refused with
//           the "Out of memory" error before anything is made.
//   0x00F0  the placement when rect is 0 0: 0x00 the next of five cascade
//           steps, 0x10 centred on the front window (the screen when there
//           is none), any other value centred on the screen.
//   0x0100  the size box and a document's frame follow bit 0x0400 instead
//           of the kind: without 0x0400 there is no size box and the frame
//           cannot be resized. The other attribute bits (0x0200, 0x0800,
//           0x1000 unlisted, 0x2000) change nothing a user sees, as only a
//           window whose whole kind word is 0 is listed anyway.
//           Without 0x0100, kind 0 has a size box, kinds 1 to 3 have none.
// The frames take a window as a document (listed in the Windows menu, given
// a menu bar of its own, or made the single window's main window) only when
// the whole word is 0. Kind 18 (0x12) is a dialog-style window centred on
// the front window.
struct XGSWindowInitRecord {
    long fWindowType;
    short fWindowKind;
    short fWindowID;
    bool fShow;
    short fLeft;
    short fTop;
    short fRight;
    short fBottom;
    short fMinWidth;
    short fMinHeight;
    short fMaxWidth;
    short fMaxHeight;
    short fDefWidth;
    short fDefHeight;
    short fZoomWidth;
    short fZoomHeight;
    char fTitle[256];
    short fMenuBar;
};

// The window kind word: the "kind" field of a window record and
// XGSWindowInitRecord::fWindowKind. A kind in the low four bits, the
// placement in the next four, frame bits above; "kind 18" in a record is
// kWindowDialog | kWindowCentreOnFront. Another kind fails the window's
// construction.
enum : short {
    kWindowDocument = 0,     // a document window; a child of the frame in a multiple-document program
    kWindowDialogAlike = 1,  // exactly as kWindowDialog
    kWindowDialog = 2,       // modal frame, owned by the main (or the modal) window, which it disables
    kWindowFloating = 3,     // a document window always on top, with a tool-window frame
    kWindowKindMask = 0x0F,

    // Where a window goes when its record gives no position.
    kWindowCascade = 0x00,       // five staggered positions in turn
    kWindowCentreOnFront = 0x10, // centred on the front window, or on the screen when there is none
    kWindowCentreOnScreen = 0x20, // as any other placement value
    kWindowPlacementMask = 0xF0,

    // With kWindowExplicitFrame, the bits above it decide the attributes
    // instead of the kind: fixed size unless kWindowFrameResizable, listed
    // unless kWindowFrameUnlisted. (0x200, 0x800 and 0x2000 set attribute
    // bits that nothing reads.)
    kWindowExplicitFrame = 0x100,
    kWindowFrameResizable = 0x400,
    kWindowFrameUnlisted = 0x1000,
};

// Attribute bits (GetWindowAttributes) that other parts read.
enum : unsigned short {
    kWindowAttrFixedSize = 0x02,
    kWindowAttrUnlisted = 0x08,
    kWindowAttrFloating = 0x10
};

class XGWindow : public XGView {
public:
    // construction
    XGWindow(XGArgStream& stream, XGForm* form);
    XGWindow(XGSWindowInitRecord& record, XGForm* form);
    ~XGWindow() override;

    // Reads the window fields of a record (the class code included).
    static void ReadInitRecord(XGArgStream& stream, XGSWindowInitRecord& record);

    // accessors
    HWND__* GetHWND() const { return fWindow; }
    short GetWindowID() const { return fWindowID; }
    short GetWindowKind() const { return fWindowKind; }
    long GetWindowType() const { return fWindowType; }
    unsigned short GetWindowAttributes() const;
    static unsigned short GetWindowAttributes(short windowKind);
    XGForm* GetForm() const { return fForm; }
    XGWindow* GetNext() const { return fNext; }
    XGWindow* GetPrev() const { return fPrev; }
    HWND__* GetDlogParent() const { return fDlogParent; }
    HWND__* GetSizeBox() const { return fCorner; }
    // The view of this window that last took the focus.
    XGView* GetFocusView() const { return fFocus; }
    void SetFocusView(XGView* view) { fFocus = view; }
    // Used by the window procedures: WM_CREATE attaches, WM_DESTROY detaches.
    void SetHWND(HWND__* window);

    // showing and ordering
    void ShowWindow();
    void HideWindow();
    bool IsVisible() const;     // the native window's visibility
    // True while the destructor deletes the views; the native window and
    // every control on it go right after.
    bool IsDeletingViews() const;
    // Shown and not painted since: all of the client area waits to be
    // drawn, so a view marking part of it asks the window system for
    // nothing (each such request is a round trip under Wine). Every paint
    // message ends it; validating the window without one (ValidateRect)
    // would leave views made meanwhile unmarked, and nothing here does.
    bool IsWhollyInvalid() const { return fUnpainted; }
    void NotePaint() { fUnpainted = false; }
    void SelectWindow();
    static XGWindow* GetFrontWindow();
    // Kept from the activations the framework's top-level windows are told
    // of, so that finding the front window, which the event loop does on
    // every turn, asks the window system nothing (under Wine each question
    // is a round trip to its server). A window that is activated or loses
    // activation always hears of it, so the kept window names a framework
    // window exactly when the system's active window does.
    static void NoteActivation(HWND__* window, bool active, HWND__* other);
    static void NoteDestroyed(HWND__* window);
    static XGWindow* GetXGWindow(HWND__* window);

    // geometry: content is the client area, size the whole frame
    static void GetScreenSize(tagRECT* bounds);
    Point GetContentSize() const;
    Point GetWindowSize() const;
    Point GetWindowPos() const;
    tagRECT GetWindowLocation() const;
    static void ContentToSize(Point* size);
    static void ContentToSize(tagRECT* rect);
    static void SizeToContent(Point* size);
    static void SizeToContent(tagRECT* rect);
    // The frame size of a content size with this window's own frame, at its
    // DPI (what the window procedure answers the system's size limits with).
    void ContentToFrameSize(Point* size) const;

    // The DPI the window's views are laid out at: the window's own for a
    // per-monitor aware process, 96 for one that is not.
    int GetWindowDpi() const { return fDpi; }
    // Lays the window's tree out again at another DPI, in place: every view
    // hears DoDpiChanged (parents before children), then the tree is placed
    // again at the new scale; with a frame rectangle (screen coordinates,
    // the one WM_DPICHANGED suggests) the window takes it.
    void ChangeDpi(int newDpi, const tagRECT* frame = nullptr);
    // The frame (screen coordinates; a document's in its client's) that
    // shows the window's content where it is, scaled to dpi, in the
    // system's frame at dpi: what ChangeDpi takes without a suggestion.
    tagRECT FrameAtDpi(int dpi) const;

    // keyboard focus
    void NextTabStop();
    void PrevTabStop();
    // Focus marks follow the system's convention: hidden for a user of the
    // mouse until the keyboard moves the focus (or the system's keyboard
    // cues setting is on), then shown for the window's life.
    bool FocusMarksShown() const { return fFocusMarks; }
    // Shows or hides them; the focused view is drawn again when that changes.
    void SetFocusMarks(bool shown);

    // mouse, in the window's client (global) coordinates
    XGView* ProcessMouseDown(Point where, short modifiers);
    void ProcessMouseMove(Point where, short modifiers, XGView* capture);
    bool ProcessMouseUp(Point where, short modifiers, XGView* capture);
    static void ProcessMouseEnter(Point where, short modifiers, XGView* view);
    static void ProcessMouseLeave();

    // overridden operations of XGView
    XG_DECLARE_DISPATCH(XGWindow)
    void GetTitle(char* out) const override;     // at most 255 bytes of UTF-8, whole characters
    void SetTitle(const char* title) override;
    tagRECT GetContentRect() const override;
    void ProcessDraw(tagRECT update) override;

    // operations a subclass may override, in slot order
    virtual bool CloseWindow();
    virtual Point MinWindowSize();
    virtual Point MaxWindowSize();
    virtual Point ZoomWindowSize();
    virtual short GetMenuBarID();
    virtual void ProcessSizeWindow();

    // message handlers
    // long Dispatch(long msg, long arg, void* data): runs before the table.
    long Dispatch(long msg, long arg, void* data);
    long DoKey(long key, void* data);
    long DoMenuKey(long key, void* data);

    // class-wide state
    static XGWindow* gList;         // first framework window
    static XGView* gLastView;       // view under the mouse
    static HWND__* gLastHWND;       // and its native window
    static HWND__* gActiveHWND;     // the thread's active window, as last told
    static bool gHoldCapture;       // set in DoMouseUp to keep the capture

protected:
    XGDispatch* GetParentDispatch() override;

    void IInitWindow(XGSWindowInitRecord& record);
    void ICreateWindow(const char* title, tagRECT content);

private:
    void Build(XGSWindowInitRecord& record, XGForm* form);
    void LinkWindow();
    void UnlinkWindow();
    void DeleteViews();
    void Notify(long msg);
    void DestroyNativeWindow();
    // Focus to the tab stop after (or before) the focused view, wrapping at the ends.
    void StepTabStop(bool forward);
    // The DPI of the screen a window of this content rectangle goes on.
    int CreationDpi(const tagRECT& content) const;
    // The frame pieces at the window's DPI.
    XGWindowPlacement::Metrics FrameMetrics() const;

    // The native window. It hides XGView::fWindow (an XGWindow*, which for a
    // window is the window itself): inside XGWindow, fWindow is always the HWND.
    HWND__* fWindow;
    HWND__* fDlogParent;    // owner disabled while this dialog-style window exists
    HWND__* fCorner;        // size box, or null
    XGWindow* fPrev;
    XGWindow* fNext;
    XGForm* fForm;
    XGView* fFocus;
    // Layout units, as the record gives them (MinWindowSize and the others
    // answer them at the window's DPI).
    Point fMin;
    Point fMax;
    Point fZoom;
    short fMenuBar;
    long fWindowType;
    short fWindowKind;
    short fWindowID;
    bool fUnpainted;
    bool fFocusMarks;
    int fDpi;
};
