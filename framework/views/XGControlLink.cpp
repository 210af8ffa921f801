#include "views/XGControlLink.h"

#include <windows.h>

#include <unordered_map>

#include "core/dispatch/XGDispatch.h"
#include "core/dispatch/XGGlobals.h"

namespace {

struct Link {
    XGDispatch* owner;  // null once unlinked with its root going
    HWND root;
};

// One thread makes and destroys the framework's windows.
std::unordered_map<HWND, Link>& Links()
{
    static std::unordered_map<HWND, Link> links;
    return links;
}

}

void XGControlLink::Link(HWND control, XGDispatch* owner, HWND root)
{
    if (!control)
        return;
    SetPropA(control, _GControlClass, static_cast<HANDLE>(owner));
    Links()[control] = {owner, root};
}

void XGControlLink::Unlink(HWND control, bool rootGoing)
{
    if (!control)
        return;
    auto& links = Links();
    auto found = links.find(control);
    if (rootGoing && found != links.end()) {
        found->second.owner = nullptr;
        return;
    }
    if (found != links.end())
        links.erase(found);
    RemovePropA(control, _GControlClass);
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

void XGControlLink::ForgetRoot(HWND root)
{
    if (!root)
        return;
    auto& links = Links();
    for (auto link = links.begin(); link != links.end();) {
        if (link->second.root == root)
            link = links.erase(link);
        else
            ++link;
    }
}
