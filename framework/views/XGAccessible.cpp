#include "views/XGAccessible.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "foundation/XGWide.h"
#include "views/XGView.h"
#include "views/XGWindow.h"

namespace {

// The posted default action: wParam the view's accessible ID, lParam the
// item (-1 for the view itself).
UINT PostedActionMessage()
{
    static const UINT message = RegisterWindowMessageW(L"KEBO.AccessibleDefaultAction");
    return message;
}

XGView* FindByAccID(XGView* view, long id)
{
    if (!view)
        return nullptr;
    for (XGView* child = view->GetChild(); child; child = child->GetSibling()) {
        if (child->GetAccID() == id)
            return child;
        if (XGView* found = FindByAccID(child, id))
            return found;
    }
    return nullptr;
}

// The view with this ID: the root itself (a hosted view names itself in its
// events) or one below it.
XGView* FindInTree(XGView* root, long id)
{
    if (root && root->GetAccID() == id)
        return root;
    return FindByAccID(root, id);
}

// The native windows that show a view tree without being framework windows.
std::vector<std::pair<HWND, XGView*>>& Hosts()
{
    static std::vector<std::pair<HWND, XGView*>> hosts;
    return hosts;
}

XGView* HostedRoot(HWND hwnd)
{
    for (const auto& host : Hosts()) {
        if (host.first == hwnd)
            return host.second;
    }
    return nullptr;
}

long ChildViewCount(const XGView* view)
{
    long count = 0;
    for (XGView* child = view->GetChild(); child; child = child->GetSibling())
        ++count;
    return count;
}

// How many children a view shows: its items, or else its child views.
long AccChildCount(const XGView* view)
{
    if (view->GetAccNative())
        return 0;
    const long items = view->GetAccItemCount();
    return items >= 0 ? items : ChildViewCount(view);
}

XGView* NthChildView(const XGView* view, long index)
{
    for (XGView* child = view->GetChild(); child; child = child->GetSibling()) {
        if (index-- == 0)
            return child;
    }
    return nullptr;
}

long IndexOfChild(const XGView* parent, const XGView* view)
{
    long index = 0;
    for (XGView* child = parent->GetChild(); child; child = child->GetSibling(), ++index) {
        if (child == view)
            return index;
    }
    return -1;
}

BSTR MakeBSTR(const std::string& utf8)
{
    XGWide wide(utf8);
    return SysAllocStringLen(wide.Get(), UINT(wide.Length()));
}

HRESULT GiveString(const std::string& utf8, BSTR* out)
{
    *out = MakeBSTR(utf8);
    return *out ? S_OK : E_OUTOFMEMORY;
}

bool Contains(const tagRECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

// construction

XGAccessible* XGAccessible::Create(XGView* root, HWND hwnd, XGView* view)
{
    const long id = (!view || view == root) ? 0 : view->GetAccID();
    return new XGAccessible(root, hwnd, id);
}

XGAccessible::XGAccessible(XGView* root, HWND hwnd, long viewID)
    : fRefs(1), fRoot(root), fHWND(hwnd), fViewID(viewID)
{
}

XGAccessible::~XGAccessible() = default;

LRESULT XGAccessible::Answer(XGWindow* window, WPARAM flags, LPARAM objectID)
{
    if (!window || !window->GetHWND())
        return -1;
    return AnswerFor(window, window->GetHWND(), flags, objectID);
}

void XGAccessible::Host(HWND hwnd, XGView* root)
{
    auto& hosts = Hosts();
    hosts.erase(std::remove_if(hosts.begin(), hosts.end(), [hwnd](const std::pair<HWND, XGView*>& host) {
        return host.first == hwnd;
    }), hosts.end());
    if (hwnd && root)
        hosts.emplace_back(hwnd, root);
}

LRESULT XGAccessible::AnswerHosted(HWND hwnd, WPARAM flags, LPARAM objectID)
{
    XGView* root = HostedRoot(hwnd);
    return root ? AnswerFor(root, hwnd, flags, objectID) : -1;
}

LRESULT XGAccessible::AnswerFor(XGView* root, HWND hwnd, WPARAM flags, LPARAM objectID)
{
    const LONG id = static_cast<LONG>(objectID);
    XGView* view = nullptr;
    if (id == OBJID_CLIENT)
        view = root;
    else if (id > 0)
        view = FindInTree(root, id);
    if (!view)
        return -1;
    XGAccessible* object = Create(root, hwnd, view);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, object);
    object->Release();
    return result;
}

bool XGAccessible::RunPosted(XGView* root, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != PostedActionMessage() || !root)
        return false;
    XGView* view = FindInTree(root, long(wParam));
    if (view) {
        if (long(lParam) >= 0)
            view->DoAccItemAction(long(lParam));
        else
            view->DoAccDefaultAction();
    }
    return true;
}

// the tree behind the object

XGView* XGAccessible::LiveRoot() const
{
    if (!fHWND || !IsWindow(fHWND))
        return nullptr;
    if (XGView* hosted = HostedRoot(fHWND))
        return hosted == fRoot ? hosted : nullptr;
    XGWindow* window = XGWindow::GetXGWindow(fHWND);
    if (!window || static_cast<XGView*>(window) != fRoot || window->GetHWND() != fHWND)
        return nullptr;
    return window;
}

XGView* XGAccessible::Node() const
{
    XGView* root = LiveRoot();
    if (!root)
        return nullptr;
    return fViewID == 0 ? root : FindInTree(root, fViewID);
}

HRESULT XGAccessible::Resolve(const VARIANT& child, Target* target) const
{
    XGView* node = Node();
    if (!node)
        return CO_E_OBJNOTCONNECTED;
    if (child.vt != VT_I4)
        return E_INVALIDARG;
    const long id = child.lVal;
    if (id == CHILDID_SELF) {
        target->view = node;
        return S_OK;
    }
    if (id < 0) {
        XGView* view = FindInTree(LiveRoot(), -id);
        if (!view)
            return E_INVALIDARG;
        target->view = view;
        return S_OK;
    }
    if (id > AccChildCount(node))
        return E_INVALIDARG;
    if (node->GetAccItemCount() >= 0) {
        target->view = node;
        target->item = id - 1;
        return S_OK;
    }
    target->view = NthChildView(node, id - 1);
    return target->view ? S_OK : E_INVALIDARG;
}

IDispatch* XGAccessible::ObjectFor(XGView* view) const
{
    if (HWND native = view->GetAccNative()) {
        IDispatch* object = nullptr;
        if (SUCCEEDED(AccessibleObjectFromWindow(native, DWORD(OBJID_WINDOW), __uuidof(IDispatch),
                                                 reinterpret_cast<void**>(&object))))
            return object;
        return nullptr;
    }
    if (AccChildCount(view) == 0)
        return nullptr;
    return Create(fRoot, fHWND, view);
}

tagRECT XGAccessible::ScreenRect(const Target& target) const
{
    tagRECT r;
    if (target.item >= 0) {
        XGAccItem item;
        target.view->GetAccItem(target.item, item);
        r = item.rect;
    } else if (target.view == fRoot) {
        // A hosted view may reach past its window (the tool bar strip's
        // does): what a reader can point at is the window's client area.
        GetClientRect(fHWND, &r);
    } else {
        r = target.view->GetGlobalRect();
        // The clipped rectangle of a hidden view is empty; its place is not.
        if (r.right <= r.left || r.bottom <= r.top) {
            const Point pos = target.view->GetGlobalPos();
            const Point size = target.view->GetSize();
            r = {pos.h, pos.v, pos.h + size.h, pos.v + size.v};
        }
    }
    MapWindowPoints(fHWND, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// IUnknown

HRESULT XGAccessible::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDispatch)) || IsEqualIID(riid, __uuidof(IAccessible))) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG XGAccessible::AddRef()
{
    return ULONG(InterlockedIncrement(&fRefs));
}

ULONG XGAccessible::Release()
{
    const LONG refs = InterlockedDecrement(&fRefs);
    if (refs == 0)
        delete this;
    return ULONG(refs);
}

// IDispatch

HRESULT XGAccessible::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT XGAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT XGAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT XGAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

// IAccessible

HRESULT XGAccessible::get_accParent(IDispatch** parent)
{
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    XGView* node = Node();
    if (!node)
        return CO_E_OBJNOTCONNECTED;
    XGView* up = node->GetParent();
    if (node == fRoot || !up) {
        // Above the client area stands the system's object of the window.
        return AccessibleObjectFromWindow(fHWND, DWORD(OBJID_WINDOW), __uuidof(IDispatch),
                                          reinterpret_cast<void**>(parent));
    }
    *parent = Create(fRoot, fHWND, up);
    return S_OK;
}

HRESULT XGAccessible::get_accChildCount(LONG* count)
{
    if (!count)
        return E_POINTER;
    XGView* node = Node();
    if (!node)
        return CO_E_OBJNOTCONNECTED;
    *count = AccChildCount(node);
    return S_OK;
}

HRESULT XGAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    Target target;
    HRESULT hr = Resolve(child, &target);
    if (FAILED(hr))
        return hr;
    if (target.item >= 0 || (child.lVal == CHILDID_SELF))
        return S_FALSE;
    *object = ObjectFor(target.view);
    return *object ? S_OK : S_FALSE;
}

HRESULT XGAccessible::get_accName(VARIANT child, BSTR* name)
{
    if (!name)
        return E_POINTER;
    *name = nullptr;
    Target target;
    HRESULT hr = Resolve(child, &target);
    if (FAILED(hr))
        return hr;
    std::string text;
    if (target.item >= 0) {
        XGAccItem item;
        if (!target.view->GetAccItem(target.item, item))
            return E_INVALIDARG;
        text = item.name;
    } else {
        target.view->GetAccName(text);
    }
    if (text.empty())
        return S_FALSE;
    return GiveString(text, name);
}

HRESULT XGAccessible::get_accValue(VARIANT child, BSTR* value)
{
    if (!value)
        return E_POINTER;
    *value = nullptr;
    Target target;
    HRESULT hr = Resolve(child, &target);
    if (FAILED(hr))
        return hr;
    std::string text;
    if (target.item >= 0 || !target.view->GetAccValue(text))
        return DISP_E_MEMBERNOTFOUND;
    return GiveString(text, value);
}

HRESULT XGAccessible::get_accDescription(VARIANT, BSTR* description)
{
    if (description)
        *description = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT XGAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    if (!role)
        return E_POINTER;
    VariantInit(role);
    Target target;
    HRESULT hr = Resolve(child, &target);
    if (FAILED(hr))
        return hr;
    role->vt = VT_I4;
    if (target.item >= 0) {
        XGAccItem item;
        target.view->GetAccItem(target.item, item);
        role->lVal = item.role;
    } else if (target.view == fRoot && !HostedRoot(fHWND)) {
        role->lVal = ROLE_SYSTEM_CLIENT;
    } else {
        role->lVal = target.view->GetAccRole();
    }
    return S_OK;
}

HRESULT XGAccessible::get_accState(VARIANT child, VARIANT* state)
{
    if (!state)
        return E_POINTER;
    VariantInit(state);
    Target target;
    HRESULT hr = Resolve(child, &target);
    if (FAILED(hr))
        return hr;
    state->vt = VT_I4;
    if (target.item >= 0) {
        XGAccItem item;
        target.view->GetAccItem(target.item, item);
        state->lVal = item.state;
    } else {
        long bits = target.view->GetAccState();
        // The window's client area has the focus when any view of it has.
        if (target.view == fRoot && GetFocus() == fHWND)
            bits |= STATE_SYSTEM_FOCUSED;
        state->lVal = bits;
    }
    return S_OK;
}

HRESULT XGAccessible::get_accHelp(VARIANT, BSTR* help)
{
    if (help)
        *help = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT XGAccessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic)
{
    if (file)
        *file = nullptr;
    if (topic)
        *topic = 0;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT XGAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut)
{
    if (shortcut)
        *shortcut = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT XGAccessible::get_accFocus(VARIANT* focus)
{
    if (!focus)
        return E_POINTER;
    VariantInit(focus);
    XGView* node = Node();
    if (!node)
        return CO_E_OBJNOTCONNECTED;
    XGWindow* window = dynamic_cast<XGWindow*>(LiveRoot());
    XGView* view = window ? window->GetFocusView() : nullptr;
    if (view && static_cast<XGDispatch*>(view) != XGDispatch::GetFocus())
        view = nullptr;
    if (!view || GetFocus() != fHWND) {
        // A native control holds the keyboard itself.
        HWND native = GetFocus();
        view = nullptr;
        if (native && native != fHWND && GetAncestor(native, GA_ROOT) == GetAncestor(fHWND, GA_ROOT)) {
            struct Find {
                static XGView* ByNative(XGView* v, HWND h)
                {
                    for (XGView* c = v->GetChild(); c; c = c->GetSibling()) {
                        if (c->GetAccNative() == h)
                            return c;
                        if (XGView* f = ByNative(c, h))
                            return f;
                    }
                    return nullptr;
                }
            };
            view = Find::ByNative(node, native);
        }
    }
    if (!view)
        return S_FALSE;
    if (view == node) {
        focus->vt = VT_I4;
        focus->lVal = CHILDID_SELF;
        return S_OK;
    }
    // The child of this node on the way down to the focused view.
    XGView* step = view;
    while (step && step->GetParent() != node)
        step = step->GetParent();
    if (!step)
        return S_FALSE;
    if (IDispatch* object = ObjectFor(step)) {
        focus->vt = VT_DISPATCH;
        focus->pdispVal = object;
    } else {
        focus->vt = VT_I4;
        focus->lVal = IndexOfChild(node, step) + 1;
    }
    return S_OK;
}

HRESULT XGAccessible::get_accSelection(VARIANT* selection)
{
    if (!selection)
        return E_POINTER;
    VariantInit(selection);
    XGView* node = Node();
    if (!node)
        return CO_E_OBJNOTCONNECTED;
    const long items = node->GetAccItemCount();
    for (long i = 0; i < items; ++i) {
        XGAccItem item;
        if (node->GetAccItem(i, item) && (item.state & STATE_SYSTEM_SELECTED)) {
            selection->vt = VT_I4;
            selection->lVal = i + 1;
            return S_OK;
        }
    }
    return S_FALSE;
}

HRESULT XGAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    if (!action)
        return E_POINTER;
    *action = nullptr;
    Target target;
    HRESULT hr = Resolve(child, &target);
    if (FAILED(hr))
        return hr;
    const char* name = nullptr;
    if (target.item >= 0) {
        XGAccItem item;
        target.view->GetAccItem(target.item, item);
        name = item.action;
    } else {
        name = target.view->GetAccDefaultAction();
    }
    if (!name)
        return DISP_E_MEMBERNOTFOUND;
    return GiveString(name, action);
}

HRESULT XGAccessible::accSelect(LONG flags, VARIANT child)
{
    Target target;
    HRESULT hr = Resolve(child, &target);
    if (FAILED(hr))
        return hr;
    if ((flags & SELFLAG_TAKEFOCUS) && target.item < 0 && target.view != fRoot && target.view->IsTabCandidate()) {
        target.view->SetFocus();
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT XGAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child)
{
    if (!left || !top || !width || !height)
        return E_POINTER;
    Target target;
    HRESULT hr = Resolve(child, &target);
    if (FAILED(hr))
        return hr;
    const tagRECT r = ScreenRect(target);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

HRESULT XGAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    if (!end)
        return E_POINTER;
    VariantInit(end);
    XGView* node = Node();
    if (!node)
        return CO_E_OBJNOTCONNECTED;
    if (start.vt != VT_I4)
        return E_INVALIDARG;
    const long count = AccChildCount(node);
    long to = 0;
    switch (direction) {
    case NAVDIR_FIRSTCHILD:
    case NAVDIR_LASTCHILD:
        if (start.lVal != CHILDID_SELF)
            return E_INVALIDARG;
        if (count == 0)
            return S_FALSE;
        to = direction == NAVDIR_FIRSTCHILD ? 1 : count;
        break;
    case NAVDIR_NEXT:
    case NAVDIR_PREVIOUS:
        // Between this node's siblings the parent's object navigates.
        if (start.lVal <= 0)
            return S_FALSE;
        to = start.lVal + (direction == NAVDIR_NEXT ? 1 : -1);
        if (to < 1 || to > count)
            return S_FALSE;
        break;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
    if (node->GetAccItemCount() < 0) {
        if (IDispatch* object = ObjectFor(NthChildView(node, to - 1))) {
            end->vt = VT_DISPATCH;
            end->pdispVal = object;
            return S_OK;
        }
    }
    end->vt = VT_I4;
    end->lVal = to;
    return S_OK;
}

HRESULT XGAccessible::accHitTest(LONG left, LONG top, VARIANT* child)
{
    if (!child)
        return E_POINTER;
    VariantInit(child);
    XGView* node = Node();
    if (!node)
        return CO_E_OBJNOTCONNECTED;
    const POINT p = {left, top};
    Target self;
    self.view = node;
    if (!Contains(ScreenRect(self), p))
        return S_FALSE;
    const long count = AccChildCount(node);
    const bool items = node->GetAccItemCount() >= 0;
    // Later children are drawn over earlier ones.
    for (long i = count; i >= 1; --i) {
        Target target;
        target.view = items ? node : NthChildView(node, i - 1);
        target.item = items ? i - 1 : -1;
        if (!target.view || (!items && !target.view->IsVisible()))
            continue;
        if (!Contains(ScreenRect(target), p))
            continue;
        if (!items) {
            if (IDispatch* object = ObjectFor(target.view)) {
                child->vt = VT_DISPATCH;
                child->pdispVal = object;
                return S_OK;
            }
        }
        child->vt = VT_I4;
        child->lVal = i;
        return S_OK;
    }
    child->vt = VT_I4;
    child->lVal = CHILDID_SELF;
    return S_OK;
}

HRESULT XGAccessible::accDoDefaultAction(VARIANT child)
{
    Target target;
    HRESULT hr = Resolve(child, &target);
    if (FAILED(hr))
        return hr;
    if (target.item >= 0) {
        XGAccItem item;
        if (!target.view->GetAccItem(target.item, item) || !item.action)
            return DISP_E_MEMBERNOTFOUND;
    } else if (!target.view->GetAccDefaultAction()) {
        return DISP_E_MEMBERNOTFOUND;
    }
    // Done after the caller's call returns: a click may open a modal loop
    // (an alert) that would hold the caller, a screen reader, until closed.
    PostMessageW(fHWND, PostedActionMessage(), WPARAM(target.view->GetAccID()), LPARAM(target.item));
    return S_OK;
}

HRESULT XGAccessible::put_accName(VARIANT, BSTR)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT XGAccessible::put_accValue(VARIANT, BSTR)
{
    return DISP_E_MEMBERNOTFOUND;
}
