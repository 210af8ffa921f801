#include "views/XGControlLink.h"

#include <windows.h>
#include <commctrl.h>

#include <unordered_map>

#include "core/dispatch/XGDispatch.h"
#include "core/dispatch/XGGlobals.h"
#include "views/XGFont.h"

namespace {

struct Link {
    XGDispatch* owner;  // null once unlinked
    HWND root;
    XGFont* font;       // a reference held for the native window, or null
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

const UINT_PTR kSubclassID = 0x58474C4E;  // any number of our own

// Sees the control's last message, after the control itself: nothing draws
// with its font any more, and its handle is free to name another window.
LRESULT CALLBACK ControlGoes(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    if (message != WM_NCDESTROY)
        return DefSubclassProc(control, message, wParam, lParam);
    RemoveWindowSubclass(control, ControlGoes, id);
    const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
    Forget(control);
    return result;
}

}  // namespace

bool XGControlLink::Link(HWND control, XGDispatch* owner, HWND root, XGFont* font)
{
    if (!control)
        return false;
    if (!SetWindowSubclass(control, ControlGoes, kSubclassID, 0))
        return false;
    SetPropA(control, _GControlClass, static_cast<HANDLE>(owner));
    if (font)
        font->Attach();
    auto& links = Links();
    auto found = links.find(control);
    if (found != links.end()) {
        XGFont* before = found->second.font;
        found->second = {owner, root, font};
        if (before)
            before->Detach();
    } else {
        links[control] = {owner, root, font};
    }
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
