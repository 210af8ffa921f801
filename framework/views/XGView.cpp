#include "views/XGView.h"

#include <windows.h>
#include <oleacc.h>

#include <cstdlib>

#include "records/XGArgStream.h"
#include "records/XGFieldReader.h"
#include "foundation/XGAssert.h"
#include "views/XGCursor.h"
#include "views/XGDpiScale.h"
#include "views/XGDraw.h"
#include "dispatch/XGSystemDpi.h"
#include "dispatch/XGEventLoop.h"
#include "dispatch/XGGlobals.h"
#include "views/XGInline.h"
#include "foundation/XGResource.h"
#include "views/XGWindow.h"
#include "views/XGWindowProc.h"

namespace {

bool SamePoint(Point a, Point b)
{
    return a.v == b.v && a.h == b.h;
}

tagRECT RectOf(Point pos, Point size)
{
    tagRECT r;
    r.left = pos.h;
    r.top = pos.v;
    r.right = pos.h + size.h;
    r.bottom = pos.v + size.v;
    return r;
}

char UpperC(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// A title as a reader speaks it: "&Name:" marks N for Alt+N and reads
// "Name:"; "&&" is one ampersand.
std::string WithoutMnemonic(const char* title)
{
    std::string out;
    for (const char* p = title; *p; ++p) {
        if (*p == '&' && p[1] != '\0')
            ++p;
        out += *p;
    }
    return out;
}

}  // namespace

void (*XGView::gCloseTipHook)() = nullptr;

XG_BEGIN_DISPATCH(XGView, XGDispatch)
XG_END_DISPATCH()

XGView::XGView(XGView* parent, XGArgStream& stream)
{
    IInitView(parent, ReadRecord(stream));
}

XGSViewInitRecord XGView::ReadRecord(XGArgStream& stream)
{
    XGSViewInitRecord record;
    XGFieldReader fields(stream, XGFieldList::gView);
    record.fViewType = fields.ReadCode();
    record.fViewID = short(fields.ReadInteger("id"));
    record.fRefNum = fields.ReadInteger("ref");
    record.fLockLeft = fields.ReadBoolean("lock");
    record.fLockTop = fields.ReadBoolean("lock");
    record.fLockRight = fields.ReadBoolean("lock");
    record.fLockBottom = fields.ReadBoolean("lock");
    record.fAutoLeft = short(fields.ReadInteger("offsets"));
    record.fAutoTop = short(fields.ReadInteger("offsets"));
    record.fAutoRight = short(fields.ReadInteger("offsets"));
    record.fAutoBottom = short(fields.ReadInteger("offsets"));
    record.fVisible = fields.ReadBoolean("visible");
    record.fEnabled = fields.ReadBoolean("enabled");
    record.fTabStop = fields.ReadBoolean("tabstop");
    fields.End();
    return record;
}

XGView::XGView(XGView* parent, const XGSViewInitRecord& record)
{
    IInitView(parent, record);
}

XGSViewInitRecord XGView::CodeRecord(long viewType, short viewID)
{
    XGSViewInitRecord record = {};
    record.fViewType = viewType;
    record.fViewID = viewID;
    record.fAutoLeft = 1;
    record.fAutoTop = 1;
    record.fAutoRight = 1;
    record.fAutoBottom = 1;
    record.fVisible = true;
    record.fEnabled = true;
    record.fTabStop = false;
    return record;
}

XGView::XGView(XGWindow* window)
{
    IInitView(nullptr, CodeRecord(0, 0));
    fWindow = window;
    fRootWindow = nullptr;
}

void XGView::IInitView(XGView* parent, const XGSViewInitRecord& record)
{
    fChild = nullptr;
    fSibling = nullptr;
    fParent = parent;
    if (parent) {
        fWindow = parent->fWindow;
        fRootWindow = parent->fRootWindow;
        XGView** link = &parent->fChild;
        while (*link)
            link = &(*link)->fSibling;
        *link = this;
    } else {
        fWindow = nullptr;
        fRootWindow = nullptr;
    }

    fViewType = record.fViewType;
    fViewID = record.fViewID;
    fRefNum = record.fRefNum;
    fLockLeft = record.fLockLeft;
    fLockTop = record.fLockTop;
    fLockRight = record.fLockRight;
    fLockBottom = record.fLockBottom;
    fAutoLeft = record.fAutoLeft;
    fAutoTop = record.fAutoTop;
    fAutoRight = record.fAutoRight;
    fAutoBottom = record.fAutoBottom;
    // Nothing may look at these before the geometry is set up below.
    fVisible = false;
    fEnabled = false;
    fTabStop = false;
    fAccLabel = 0;
    fAccID = 0;

    tagRECT r;
    if (parent) {
        r = parent->CalcChildPos(this);
    } else {
        r.left = 0;
        r.top = 0;
        r.right = 1000;
        r.bottom = 1000;
    }
    fSize.h = int16_t(r.right - r.left);
    fSize.v = int16_t(r.bottom - r.top);
    fPos.h = int16_t(r.left);
    fPos.v = int16_t(r.top);
    fGlobalPos = fPos;
    fGlobalRect = r;
    if (parent) {
        parent->ViewToGlobal(&fGlobalPos);
        parent->ViewToGlobal(&fGlobalRect);
        RectMath::SectRectLong(&fGlobalRect, &parent->fGlobalRect, &fGlobalRect);
    }

    fVisible = record.fVisible;
    fEnabled = record.fEnabled;
    fTabStop = record.fTabStop;

    InvalView(nullptr);
}

XGView::~XGView()
{
    XGView* self = this;
    bool isWindowPart = fWindow && static_cast<XGView*>(fWindow) == self;
    if (fWindow && !isWindowPart && fWindow->GetFocusView() == this)
        fWindow->SetFocusView(fParent);
    if (XGWindow::gLastView == this) {
        XGWindow::gLastView = nullptr;
        XGWindow::gLastHWND = nullptr;
    }
    // A dead capture view would receive the rest of the gesture.
    XGEventLoop::ForgetView(this);
    // A window deleting its views is either drawn afresh as a whole or about
    // to go; one invalidation per view would be wasted on it.
    if (fRootWindow && !(fWindow && fWindow->IsDeletingViews() && fRootWindow == fWindow->GetHWND()))
        InvalView(nullptr);

    while (fChild)
        delete fChild;

    if (fParent) {
        XGView** link = &fParent->fChild;
        while (*link && *link != this)
            link = &(*link)->fSibling;
        if (*link)
            *link = fSibling;
        fParent = nullptr;
        fSibling = nullptr;
    }
}

// state

bool XGView::IsVisible() const
{
    return fVisible && (!fParent || fParent->IsVisible());
}

bool XGView::IsEnabled() const
{
    return fEnabled && (!fParent || fParent->IsEnabled());
}

bool XGView::IsActive() const
{
    if (!fRootWindow)
        return false;
    if (::GetActiveWindow() == fRootWindow)
        return true;
    if (_GMDIWindow) {
        for (HWND w = ::GetWindow(_GMDIWindow, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            if (::IsWindowVisible(w) && ::GetPropA(w, _GWindowClass))
                return w == fRootWindow;
        }
    }
    return false;
}

// tree and look-up

XGView* XGView::FindViewByID(short id)
{
    if (fViewID == id)
        return this;
    for (XGView* child = fChild; child; child = child->fSibling) {
        if (XGView* found = child->FindViewByID(id))
            return found;
    }
    return nullptr;
}

bool XGView::IsTabCandidate() const
{
    return fViewID != 0 && fTabStop && IsEnabled() && IsVisible();
}

namespace {

// Pre-order walk for the tab candidate with the smallest (or largest) ID
// strictly between low and high; strict comparisons keep the first view met
// among equal IDs.
XGView* PickTabView(XGView* view, XGView* best, long low, long high, bool smallest)
{
    short id = view->GetViewID();
    if (view->IsTabCandidate() && id > low && id < high) {
        if (!best || (smallest ? id < best->GetViewID() : id > best->GetViewID()))
            best = view;
    }
    for (XGView* child = view->GetChild(); child; child = child->GetSibling())
        best = PickTabView(child, best, low, high, smallest);
    return best;
}

const long kBelowAnyID = -32769;
const long kAboveAnyID = 32768;

}  // namespace

XGView* XGView::FindFirstView()
{
    return PickTabView(this, nullptr, kBelowAnyID, kAboveAnyID, true);
}

XGView* XGView::FindLastView()
{
    return PickTabView(this, nullptr, kBelowAnyID, kAboveAnyID, false);
}

XGView* XGView::FindAfterView(short id)
{
    return PickTabView(this, nullptr, id, kAboveAnyID, true);
}

XGView* XGView::FindBeforeView(short id)
{
    return PickTabView(this, nullptr, kBelowAnyID, id, false);
}

XGView* XGView::FindNextView()
{
    if (fChild)
        return fChild;
    for (XGView* v = this; v; v = v->fParent) {
        if (v->fSibling)
            return v->fSibling;
    }
    return nullptr;
}

XGView* XGView::FindViewByAccel(char c)
{
    // Window titles fill up to 256 characters; room to spare for a subclass
    // that writes its terminator after them.
    char title[512] = {};
    GetTitle(title);
    char wanted = UpperC(c);
    for (const char* p = title; *p; ++p) {
        if (p[0] == '&' && p[1] != '\0' && UpperC(p[1]) == wanted)
            return this;
    }
    for (XGView* child = fChild; child; child = child->fSibling) {
        if (XGView* found = child->FindViewByAccel(c))
            return found;
    }
    return nullptr;
}

XGView* XGView::FindClick(Point global)
{
    if (!fVisible || !fEnabled)
        return nullptr;
    if (!RectMath::PtInRectInclusive(global, &fGlobalRect))
        return nullptr;
    XGView* hit = this;
    for (XGView* child = fChild; child; child = child->fSibling) {
        if (XGView* found = child->FindClick(global))
            hit = found;
    }
    return hit;
}

// geometry

tagRECT XGView::CalcAutoLocate(tagRECT parentContent) const
{
    // The offsets stay in layout units and are scaled here, each on its
    // own, so that a view placed again at another DPI never drifts and two
    // edges that meet at 96 DPI meet at every scale.
    RectMath::AutoLocation location = {fLockLeft, fLockTop, fLockRight, fLockBottom,
                                       ScaleUnits(fAutoLeft), ScaleUnits(fAutoTop),
                                       ScaleUnits(fAutoRight), ScaleUnits(fAutoBottom)};
    return RectMath::AutoLocate(location, parentContent);
}

void XGView::SetLocation(tagRECT r)
{
    XGInline::CloseInline(this);
    InvalView(nullptr);

    tagRECT oldGlobalRect = fGlobalRect;
    fGlobalRect = r;
    if (fParent) {
        fParent->ViewToGlobal(&fGlobalRect);
        RectMath::SectRectLong(&fGlobalRect, &fParent->fGlobalRect, &fGlobalRect);
    }

    Point oldPos = fPos;
    Point oldSize = fSize;
    fPos.h = int16_t(r.left);
    fPos.v = int16_t(r.top);
    fSize.h = int16_t(r.right - r.left);
    fSize.v = int16_t(r.bottom - r.top);
    fGlobalPos = fPos;
    if (fParent)
        fParent->ViewToGlobal(&fGlobalPos);

    InvalView(nullptr);

    bool moved = !SamePoint(oldPos, fPos);
    bool sized = !SamePoint(oldSize, fSize);
    if (moved)
        CalcPos();
    if (sized)
        DoSizeView();
    // A view that kept its place but is now clipped differently by its
    // parent must pass the new clip on, or children once cut away by a
    // small window would stay invisible after it grows.
    if (!moved && !sized && !RectMath::EqualRect(&oldGlobalRect, &fGlobalRect))
        ReclipChildren();
}

void XGView::ReclipChildren()
{
    for (XGView* child = fChild; child; child = child->fSibling) {
        tagRECT r = RectOf(child->fGlobalPos, child->fSize);
        RectMath::SectRectLong(&r, &fGlobalRect, &child->fGlobalRect);
        child->ReclipChildren();
    }
}

void XGView::CalcPos()
{
    for (XGView* child = fChild; child; child = child->fSibling) {
        Point global;
        global.h = int16_t(fGlobalPos.h + child->fPos.h);
        global.v = int16_t(fGlobalPos.v + child->fPos.v);
        if (!SamePoint(global, child->fGlobalPos)) {
            child->fGlobalPos = global;
            tagRECT r = RectOf(global, child->fSize);
            RectMath::SectRectLong(&r, &fGlobalRect, &child->fGlobalRect);
            child->CalcPos();
        }
    }
    DoMoveView();
}

void XGView::ViewToGlobal(Point* pt) const
{
    pt->h = int16_t(pt->h + fGlobalPos.h);
    pt->v = int16_t(pt->v + fGlobalPos.v);
}

void XGView::ViewToGlobal(tagRECT* r) const
{
    RectMath::OffsetRect(r, fGlobalPos.h, fGlobalPos.v);
}

void XGView::GlobalToView(Point* pt) const
{
    pt->h = int16_t(pt->h - fGlobalPos.h);
    pt->v = int16_t(pt->v - fGlobalPos.v);
}

void XGView::GlobalToView(tagRECT* r) const
{
    RectMath::OffsetRect(r, -fGlobalPos.h, -fGlobalPos.v);
}

void XGView::ViewToScreen(tagRECT* r) const
{
    ViewToGlobal(r);
    POINT origin = {0, 0};
    if (fRootWindow)
        ::ClientToScreen(fRootWindow, &origin);
    RectMath::OffsetRect(r, origin.x, origin.y);
}

void XGView::InvalView(const tagRECT* area)
{
    if (!fRootWindow)
        return;
    if (fWindow && fWindow->GetHWND() == fRootWindow && fWindow->IsWhollyInvalid())
        return;
    tagRECT r = GetContentRect();
    if (area && !RectMath::SectRectLong(area, &r, &r))
        return;
    ViewToGlobal(&r);
    ::InvalidateRect(fRootWindow, &r, FALSE);
}

void XGView::UpdateView()
{
    if (fRootWindow)
        ::UpdateWindow(fRootWindow);
}

void XGView::ScrollView(long dh, long dv, const tagRECT* area, unsigned long)
{
    XGInline::CloseInline(this);
    if (!fRootWindow)
        return;
    tagRECT r = area ? *area : GetContentRect();
    ViewToGlobal(&r);
    if (!RectMath::SectRectLong(&r, &fGlobalRect, &r))
        return;
    if (std::labs(dh) < r.right - r.left && std::labs(dv) < r.bottom - r.top)
        ::ScrollWindowEx(fRootWindow, int(dh), int(dv), &r, &r, nullptr, nullptr,
                         SW_INVALIDATE | SW_ERASE);
    else
        InvalView(nullptr);
}

// visibility

void XGView::ShowView()
{
    if (fVisible)
        return;
    fVisible = true;
    if (IsVisible()) {
        DoShowHide();
        InvalView(nullptr);
        NotifyAccEvent(EVENT_OBJECT_SHOW);
    }
}

void XGView::EnableView(bool enabled)
{
    if (fEnabled == enabled)
        return;
    fEnabled = enabled;
    // DoEnable does not pass itself on: a native control deeper down reads
    // IsEnabled, which the change reaches through every ancestor.
    struct Walk {
        static void Enable(XGView* view)
        {
            view->DoEnable();
            for (XGView* child = view->fChild; child; child = child->fSibling)
                Enable(child);
        }
    };
    Walk::Enable(this);
    InvalView(nullptr);
    NotifyAccEvent(EVENT_OBJECT_STATECHANGE);
}

// virtual operations

bool XGView::ShowsFocusMark() const
{
    return HasFocus() && fWindow && fWindow != this && fWindow->FocusMarksShown();
}

void XGView::SetFocus()
{
    // A click into the view that has the focus already changes nothing; the
    // system's focus call and the accessibility event are trips to the window
    // server that every such click would pay.
    bool already = XGDispatch::GetFocus() == this && fWindow && fWindow->GetFocusView() == this &&
                   (!fRootWindow || XGWindowProc::HasNativeFocus(fRootWindow));
    XGDispatch::SetFocus();
    if (fWindow && !already) {
        fWindow->SetFocusView(this);
        if (fRootWindow && XGWindow::GetFrontWindow() == fWindow)
            ::SetFocus(fRootWindow);
        // The system announces the window itself; the view inside it only
        // the framework knows of.
        if (static_cast<XGView*>(fWindow) != this)
            NotifyAccEvent(EVENT_OBJECT_FOCUS);
    }
}

XGDispatch* XGView::GetParentDispatch()
{
    if (fParent)
        return fParent;
    if (fWindow)
        return fWindow;
    return XGDispatch::GetRoot();
}

void XGView::DoDrawView(tagRECT)
{
    if (fChild)
        return;
    XGDraw draw(this, true);
    tagRECT content = GetContentRect();
    draw.Draw3DRect(content, kRectFaceFill);
    char label[64];
    yformat(label, "'#I'#L", XGArg(fViewType), XGArg(fViewID));
    draw.MoveTo(ScaleUnits(5), ScaleUnits(15));
    draw.DrawString(label, -1);
    draw.Draw3DRect(content, kRectRaised);
}

void XGView::DoActivate(bool)
{
}

bool XGView::DoMouseDown(Point, short)
{
    XGInline::Close();
    return false;
}

void XGView::DoMouseMove(Point, short)
{
    SetCursorID(0);
}

void XGView::DoMouseUp(Point, short)
{
}

void XGView::DoMouseEnter(Point, short)
{
}

void XGView::PushButton()
{
}

void XGView::DoMouseLeave()
{
    if (gCloseTipHook)
        gCloseTipHook();
}

void XGView::DoSizeView()
{
    for (XGView* child = fChild; child; child = child->fSibling)
        child->SetLocation(CalcChildPos(child));
}

void XGView::DoMoveView()
{
}

void XGView::DoShowHide()
{
    if (!IsVisible() && HasFocus() && fWindow)
        static_cast<XGView*>(fWindow)->SetFocus();
    for (XGView* child = fChild; child; child = child->fSibling)
        child->DoShowHide();
}

void XGView::DoEnable()
{
}

void XGView::DoDpiChanged(int, int)
{
}

int XGView::GetDpi() const
{
    if (fWindow)
        return fWindow->GetWindowDpi();
    // A view shown in a native window of its own (the frame's tool strip)
    // follows that window.
    if (fRootWindow)
        return XGSystemDpi::GetDpiForWindow(fRootWindow);
    return XGDpiScale::kBaseDpi;
}

short XGView::ScaleUnits(long units) const
{
    return XGDpiScale::Scale16(units, GetDpi());
}

void XGView::GetTitle(char* out) const
{
    out[0] = '\0';
}

void XGView::SetTitle(const char*)
{
    XG_ASSERT(0, "XGView", 688);
}

tagRECT XGView::GetContentRect() const
{
    tagRECT r;
    r.left = 0;
    r.top = 0;
    r.right = fSize.h;
    r.bottom = fSize.v;
    return r;
}

tagRECT XGView::CalcChildPos(XGView* child)
{
    return child->CalcAutoLocate(GetContentRect());
}

void XGView::Scroll(long dh, long dv)
{
    ScrollView(dh, dv, nullptr, 0);
}

void XGView::ProcessDraw(tagRECT update)
{
    if (!fVisible)
        return;
    tagRECT r;
    if (!RectMath::SectRectLong(&update, &fGlobalRect, &r))
        return;
    tagRECT local = r;
    GlobalToView(&local);
    DoDrawView(local);
    for (XGView* child = fChild; child; child = child->fSibling)
        child->ProcessDraw(r);
}

void XGView::ProcessActivate(bool active)
{
    for (XGView* child = fChild; child; child = child->fSibling)
        child->ProcessActivate(active);
    DoActivate(active);
}

// accessibility

long XGView::GetAccRole() const
{
    return ROLE_SYSTEM_PANE;
}

void XGView::GetAccName(std::string& out) const
{
    if (fAccLabel != 0 && fWindow) {
        XGView* label = fWindow->FindViewByID(fAccLabel);
        if (label && label != this) {
            char title[256] = {};
            label->GetTitle(title);
            out = WithoutMnemonic(title);
            return;
        }
    }
    if (!fAccName.empty()) {
        out = fAccName;
        return;
    }
    char title[256] = {};
    GetTitle(title);
    // A window's caption has no mnemonics: its ampersands are text.
    out = static_cast<const XGView*>(fWindow) == this ? std::string(title) : WithoutMnemonic(title);
}

bool XGView::GetAccValue(std::string&) const
{
    return false;
}

long XGView::GetAccState() const
{
    long state = 0;
    if (!IsVisible())
        state |= STATE_SYSTEM_INVISIBLE;
    if (!IsEnabled())
        state |= STATE_SYSTEM_UNAVAILABLE;
    if (fTabStop && fViewID != 0)
        state |= STATE_SYSTEM_FOCUSABLE;
    if (HasFocus())
        state |= STATE_SYSTEM_FOCUSED;
    return state;
}

const char* XGView::GetAccDefaultAction() const
{
    return nullptr;
}

bool XGView::DoAccDefaultAction()
{
    return false;
}

HWND__* XGView::GetAccNative() const
{
    return nullptr;
}

long XGView::GetAccItemCount() const
{
    return -1;
}

bool XGView::GetAccItem(long, XGAccItem&) const
{
    return false;
}

bool XGView::DoAccItemAction(long)
{
    return false;
}

void XGView::SetAccessibleName(const char* name)
{
    std::string next = name ? name : "";
    if (next == fAccName)
        return;
    fAccName = next;
    NotifyAccEvent(EVENT_OBJECT_NAMECHANGE);
}

void XGView::SetAccessibleLabel(short labelViewID)
{
    fAccLabel = labelViewID;
}

long XGView::GetAccID()
{
    // Wraps only after two billion views; 0 stays "none".
    static long gNext = 0;
    if (fAccID == 0) {
        gNext = gNext == 0x7FFFFFFF ? 1 : gNext + 1;
        fAccID = gNext;
    }
    return fAccID;
}

void XGView::NotifyAccEvent(unsigned long event)
{
    // Negative child IDs name a view anywhere in the window's tree; the
    // window's accessible object resolves them (XGAccessible).
    if (fRootWindow)
        NotifyWinEvent(DWORD(event), fRootWindow, OBJID_CLIENT, -GetAccID());
}

void XGView::NotifyAccItemEvent(unsigned long event, long index)
{
    // An item has no ID of its own in the window: the event names the
    // view's own object (a positive object ID, the view's) and the item's
    // child ID there, 1-based as its children are.
    if (fRootWindow && index >= 0)
        NotifyWinEvent(DWORD(event), fRootWindow, GetAccID(), index + 1);
}
