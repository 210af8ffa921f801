// The view: a rectangle inside a window's client area with a parent, an
// ordered list of children and a rule that keeps it placed when the parent
// changes size. Views are not native windows; every view keeps its global
// (window-client) position and clipped rectangle so that drawing,
// invalidation and hit testing need no walk up the tree.
#pragma once

#include <string>

#include "views/RectMath.h"
#include "dispatch/XGDispatch.h"
#include "foundation/XGTypes.h"

class XGArgStream;
class XGWindow;
struct HWND__;

// The common view fields, as read from a record or filled in code.
struct XGSViewInitRecord {
    long fViewType;
    short fViewID;
    long fRefNum;
    bool fLockLeft;
    bool fLockTop;
    bool fLockRight;
    bool fLockBottom;
    short fAutoLeft;
    short fAutoTop;
    short fAutoRight;
    short fAutoBottom;
    bool fVisible;
    bool fEnabled;
    bool fTabStop;
};

// One element that a view shows without a view of its own (a list's line, a
// tool bar's button), as the accessibility interfaces report it.
struct XGAccItem {
    long role = 0;          // a ROLE_SYSTEM_ value
    std::string name;       // UTF-8
    long state = 0;         // STATE_SYSTEM_ bits
    tagRECT rect = {0, 0, 0, 0};    // in the window's client coordinates
    const char* action = nullptr;   // the default action's name; null: none
};

class XGView : public XGDispatch {
public:
    // construction
    XGView(XGView* parent, XGArgStream& stream);
    XGView(XGView* parent, const XGSViewInitRecord& record);
    explicit XGView(XGWindow* window);
    ~XGView() override;

    XGView(const XGView&) = delete;
    XGView& operator=(const XGView&) = delete;

    // accessors
    XGView* GetChild() const { return fChild; }
    XGView* GetSibling() const { return fSibling; }
    XGView* GetParent() const { return fParent; }
    XGWindow* GetWindow() const { return fWindow; }
    HWND__* GetRootWindow() const { return fRootWindow; }
    void SetRootWindow(HWND__* root) { fRootWindow = root; }
    long GetViewType() const { return fViewType; }
    short GetViewID() const { return fViewID; }
    long GetRefNum() const { return fRefNum; }
    void SetRefNum(long refNum) { fRefNum = refNum; }
    Point GetPos() const { return fPos; }
    Point GetSize() const { return fSize; }
    Point GetGlobalPos() const { return fGlobalPos; }
    tagRECT GetGlobalRect() const { return fGlobalRect; }
    bool IsTabStop() const { return fTabStop; }

    // state
    bool IsVisible() const;
    bool IsEnabled() const;
    bool IsActive() const;
    // A view that tab order may visit: an ID, a tab stop, enabled and visible.
    bool IsTabCandidate() const;
    // The focus, in a window whose focus marks are shown: a view that draws
    // itself draws its focus mark (XGDraw::DrawFocusMark) when this is true.
    bool ShowsFocusMark() const;

    // tree and look-up
    XGView* FindViewByID(short id);
    // Tab order and first focus follow view IDs, not the tree: the first
    // view is the candidate with the smallest ID anywhere below, the one
    // after `id` the smallest ID above it (before: the largest below it).
    // Among equal IDs the first met in tree order wins; ID 0 is never a
    // candidate.
    XGView* FindFirstView();
    XGView* FindLastView();
    XGView* FindBeforeView(short id);
    XGView* FindAfterView(short id);
    XGView* FindNextView();
    XGView* FindViewByAccel(char c);
    XGView* FindClick(Point global);

    // geometry
    void SetLocation(tagRECT r);
    tagRECT CalcAutoLocate(tagRECT parentContent) const;
    void CalcPos();
    void ViewToGlobal(Point* pt) const;
    void ViewToGlobal(tagRECT* r) const;
    void GlobalToView(Point* pt) const;
    void GlobalToView(tagRECT* r) const;
    void ViewToScreen(tagRECT* r) const;
    void InvalView(const tagRECT* area = nullptr);
    void UpdateView();
    void ScrollView(long dh, long dv, const tagRECT* area = nullptr, unsigned long unused = 0);

    // visibility
    void ShowView();
    // Sets the view's own enabling flag; the view and its subtree follow
    // (DoEnable) and it is drawn again.
    void EnableView(bool enabled);

    // scale: the DPI of the view's window (96 for a process that is not
    // DPI-aware, and before the view is in a window; a view in a native
    // window of its own but no framework window follows that), and a length in
    // layout units (1/96 inch) at that DPI, saturated to 16 bits.
    int GetDpi() const;
    short ScaleUnits(long units) const;

    // virtual operations, in slot order after those of XGDispatch
    void SetFocus() override;
    XG_DECLARE_DISPATCH(XGView)
    // Draws the view's own pixels; its children are drawn after it, in tree
    // order. This one fills a view without children with the button face and
    // draws nothing for a view with children. Nothing erases a window's
    // background either, so a pixel no view paints keeps whatever was on
    // the screen: a window that needs a background overrides this (XGDialog
    // does) or puts a childless view behind the others.
    virtual void DoDrawView(tagRECT area);
    virtual void DoActivate(bool active);
    virtual bool DoMouseDown(Point where, short modifiers);
    virtual void DoMouseMove(Point where, short modifiers);
    virtual void DoMouseUp(Point where, short modifiers);
    virtual void DoMouseEnter(Point where, short modifiers);
    virtual void DoMouseLeave();
    virtual void DoSizeView();
    virtual void DoMoveView();
    virtual void DoShowHide();
    virtual void DoEnable();
    virtual void GetTitle(char* out) const;
    virtual void SetTitle(const char* title);
    virtual tagRECT GetContentRect() const;
    virtual tagRECT CalcChildPos(XGView* child);
    virtual void Scroll(long dh, long dv);
    virtual void ProcessDraw(tagRECT update);
    virtual void ProcessActivate(bool active);
    // Pressed by its accelerator letter (Alt+letter in its window): a view
    // that acts when pressed, a button, does so; the others do nothing.
    virtual void PushButton();

    // What screen readers and automation read of the view (XGAccessible).
    // The role is a ROLE_SYSTEM_ value; a plain view is a pane.
    virtual long GetAccRole() const;
    // The name the application gave, else the title.
    virtual void GetAccName(std::string& out) const;
    // False when the view has no value.
    virtual bool GetAccValue(std::string& out) const;
    // STATE_SYSTEM_ bits: here focused, focusable, unavailable, invisible.
    virtual long GetAccState() const;
    // The default action's name (null: none) and doing it, as a click does.
    virtual const char* GetAccDefaultAction() const;
    virtual bool DoAccDefaultAction();
    // The native control that stands for the view, reported as the
    // system's own object; null for a view the framework draws.
    virtual HWND__* GetAccNative() const;
    // Elements without views of their own: -1 when the children are the
    // child views, else how many items stand as the children instead.
    virtual long GetAccItemCount() const;
    virtual bool GetAccItem(long index, XGAccItem& item) const;
    virtual bool DoAccItemAction(long index);
    // The window moved to a screen of another DPI: the view rescales what it
    // keeps in pixels (metrics, fonts, caches) from oldDpi to newDpi. Its
    // location is set by its parent afterwards; the base does nothing.
    virtual void DoDpiChanged(int oldDpi, int newDpi);

    // The name screen readers give a view without a readable title (a
    // picture button, an icon); UTF-8.
    void SetAccessibleName(const char* name);
    // Names the view after the title of the view with this ID in the same
    // window (a label beside an editable text); 0 ends the link.
    void SetAccessibleLabel(short labelViewID);
    // Identifies the view in the window's accessible object for as long as
    // it lives; never 0, never shared.
    long GetAccID();
    // Tells the system's event hooks (screen readers) that something of
    // this view changed: an EVENT_OBJECT_ value.
    void NotifyAccEvent(unsigned long event);
    // The same for the item at `index` of GetAccItem (a list's line, which
    // a selection event names).
    void NotifyAccItemEvent(unsigned long event, long index);

    // Closes the tooltip, if one is open, when the mouse leaves a view. The
    // tooltip registers it when it opens one; empty, no tip was ever open.
    static void (*gCloseTipHook)();

protected:
    XGDispatch* GetParentDispatch() override;
    // The record of a view made in code rather than read from a resource:
    // kept at all four sides of its parent, visible, enabled, no tab stop.
    static XGSViewInitRecord CodeRecord(long viewType, short viewID);
    // The common view fields of a record, for a class whose base is built
    // from a record rather than from the stream.
    static XGSViewInitRecord ReadRecord(XGArgStream& stream);

private:
    void IInitView(XGView* parent, const XGSViewInitRecord& record);
    void ReclipChildren();

protected:
    // The framework window that holds this view (for a window, the window
    // itself). Not a native handle: XGWindow declares its own fWindow, the
    // HWND, which hides this one inside XGWindow's members.
    XGWindow* fWindow;
    XGView* fChild;
    XGView* fSibling;
    XGView* fParent;
    HWND__* fRootWindow;
    bool fVisible;
    bool fEnabled;
    bool fTabStop;
    long fViewType;
    short fViewID;
    long fRefNum;
    Point fSize;
    Point fPos;
    Point fGlobalPos;
    tagRECT fGlobalRect;
    bool fLockLeft;
    bool fLockTop;
    bool fLockRight;
    bool fLockBottom;
    short fAutoLeft;
    short fAutoTop;
    short fAutoRight;
    short fAutoBottom;
    std::string fAccName;
    short fAccLabel;
    long fAccID;
};
