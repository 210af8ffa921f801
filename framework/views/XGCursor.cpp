#include "views/XGCursor.h"

#include <windows.h>

#include <map>

#include "dispatch/XGGlobals.h"

namespace {

HCURSOR LoadCursorID(short id)
{
    LPCSTR system = nullptr;
    switch (id) {
    case 0:
        system = reinterpret_cast<LPCSTR>(IDC_ARROW);
        break;
    case 1:
        system = reinterpret_cast<LPCSTR>(IDC_IBEAM);
        break;
    case 2:
    case 3:
        system = reinterpret_cast<LPCSTR>(IDC_CROSS);
        break;
    case 4:
        system = reinterpret_cast<LPCSTR>(IDC_WAIT);
        break;
    default:
        break;
    }
    if (system)
        return ::LoadCursorA(nullptr, system);
    HINSTANCE module = _GInstance ? _GInstance : ::GetModuleHandleW(nullptr);
    // Looking the resource up reads the mapped module only; the load that
    // measures the screen is left to cursors there are.
    if (!::FindResourceW(module, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_GROUP_CURSOR)))
        return nullptr;
    return ::LoadCursorW(module, MAKEINTRESOURCEW(id));
}

}  // namespace

// Every mouse move over a view sets its cursor. The cursors LoadCursor hands
// out are shared ones that last as long as the process (or the program's
// module), so each is loaded once: loading measures the screen again every
// time, several round trips to the window server under Wine. A load that
// failed is not kept: the arrow stands in until the cursor can be loaded.
void SetCursorID(short id)
{
    static std::map<short, HCURSOR> loaded;
    auto found = loaded.find(id);
    HCURSOR cursor = found != loaded.end() ? found->second : nullptr;
    if (!cursor) {
        cursor = LoadCursorID(id);
        if (cursor) {
            loaded[id] = cursor;
        } else if (id != 0) {
            SetCursorID(0);
            return;
        }
    }
    ::SetCursor(cursor);
}
