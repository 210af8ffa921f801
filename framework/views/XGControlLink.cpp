#include "views/XGControlLink.h"

#include <windows.h>

#include <unordered_map>

#include "dispatch/XGDispatch.h"
#include "dispatch/XGGlobals.h"
#include "views/XGFont.h"

namespace {

struct Link {
    XGDispatch* owner;  // null once unlinked
    HWND root;
    XGFont* font;       // a reference held for the native window, or null
    WNDPROC proc;       // the control's own procedure, which ControlGoes calls
};

// One thread makes and destroys the framework's windows.
std::unordered_map<HWND, Link>& Links()
{
    static std::unordered_map<HWND, Link> links;
    return links;
}

void Forget(HWND control)
{
    auto& links = Links();
    auto found = links.find(control);
    if (found == links.end())
        return;
    XGFont* font = found->second.font;
    links.erase(found);
    if (font)
        font->Detach();
}

// Sees every message of a linked control before passing it on, so as to see
// its last one after the control itself: nothing draws with its font any
// more, and its handle is free to name another window. The procedure is
// replaced directly rather than through comctl32's subclassing, which costs
// several round trips to Wine's server for each control made and destroyed.
LRESULT CALLBACK ControlGoes(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& links = Links();
    auto found = links.find(control);
    if (found == links.end() || !found->second.proc)
        return DefWindowProcW(control, message, wParam, lParam);
    const WNDPROC proc = found->second.proc;
    if (message != WM_NCDESTROY)
        return CallWindowProcW(proc, control, message, wParam, lParam);
    const LRESULT result = CallWindowProcW(proc, control, message, wParam, lParam);
    Forget(control);
    return result;
}

}  // namespace

bool XGControlLink::Link(HWND control, XGDispatch* owner, HWND root, XGFont* font)
{
    if (!control)
        return false;
    auto& links = Links();
    auto found = links.find(control);
    if (found == links.end()) {
        // Listed before the procedure is replaced: the control's next message
        // already comes through ControlGoes, which looks its procedure up here.
        found = links.emplace(control, ::Link{owner, root, nullptr, nullptr}).first;
        const auto proc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlGoes)));
        if (!proc) {
            links.erase(found);
            return false;
        }
        found->second.proc = proc;
    }
    SetPropA(control, _GControlClass, static_cast<HANDLE>(owner));
    if (font)
        font->Attach();
    XGFont* before = found->second.font;
    found->second.owner = owner;
    found->second.root = root;
    found->second.font = font;
    if (before)
        before->Detach();
    return true;
}

bool XGControlLink::Unlink(HWND control, XGDispatch* owner, bool rootGoing)
{
    if (!control || !owner)
        return false;
    auto& links = Links();
    auto found = links.find(control);
    if (found != links.end()) {
        if (found->second.owner != owner)
            return false;
        // The link itself goes with the native window.
        found->second.owner = nullptr;
    } else if (GetPropA(control, _GControlClass) != static_cast<HANDLE>(owner)) {
        return false;
    }
    if (!rootGoing)
        RemovePropA(control, _GControlClass);
    return true;
}

XGDispatch* XGControlLink::Find(HWND control)
{
    if (!control)
        return nullptr;
    auto& links = Links();
    auto found = links.find(control);
    if (found != links.end())
        return found->second.owner;
    return static_cast<XGDispatch*>(GetPropA(control, _GControlClass));
}

// Its controls have each taken their links with them already; this only
// clears what a window that went unseen may have left.
void XGControlLink::ForgetRoot(HWND root)
{
    if (!root)
        return;
    auto& links = Links();
    for (auto link = links.begin(); link != links.end();) {
        if (link->second.root == root && !IsWindow(link->first)) {
            XGFont* font = link->second.font;
            link = links.erase(link);
            if (font)
                font->Detach();
        } else {
            ++link;
        }
    }
}
