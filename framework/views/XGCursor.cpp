#include "views/XGCursor.h"

#include <windows.h>

#include <map>

#include "core/dispatch/XGGlobals.h"

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
    HINSTANCE module = _GInstance ? _GInstance : ::GetModuleHandleA(nullptr);
    return ::LoadCursorA(module, MAKEINTRESOURCEA(id));
}

}  // namespace

// Every mouse move over a view sets its cursor. The cursors LoadCursor hands
// out are shared ones that last as long as the process (or the program's
// module), so each is loaded once: loading measures the screen again every
// time, several round trips to the window server under Wine.
void SetCursorID(short id)
{
    static std::map<short, HCURSOR> loaded;
    auto found = loaded.find(id);
    HCURSOR cursor = found != loaded.end() ? found->second : nullptr;
    if (!cursor) {
        // A number the program has no cursor for gives the arrow, for good.
        cursor = LoadCursorID(id);
        if (!cursor)
            cursor = LoadCursorID(0);
        if (cursor)
            loaded[id] = cursor;
    }
    ::SetCursor(cursor);
}
