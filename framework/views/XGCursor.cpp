#include "views/XGCursor.h"

#include <windows.h>

#include "core/dispatch/XGGlobals.h"

void SetCursorID(short id)
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
    HCURSOR cursor = nullptr;
    if (system) {
        cursor = ::LoadCursorA(nullptr, system);
    } else {
        HINSTANCE module = _GInstance ? _GInstance : ::GetModuleHandleA(nullptr);
        cursor = ::LoadCursorA(module, MAKEINTRESOURCEA(id));
        if (!cursor)
            cursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    }
    ::SetCursor(cursor);
}
