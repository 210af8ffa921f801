#include "XGWindowClasses.h"

#include "XGGlobals.h"
#include "XGWindowProc.h"

namespace {

void RegisterOne(const char* name, int background)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = _GSingleWindowProc;
    wc.hInstance = _GInstance;
    wc.hIcon = static_cast<HICON>(LoadImageA(_GInstance, "AppIcon", IMAGE_ICON, 32, 32, LR_SHARED));
    wc.hIconSm = static_cast<HICON>(LoadImageA(_GInstance, "AppIconSmall", IMAGE_ICON, 16, 16, LR_SHARED));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszClassName = name;
    // A class already registered by a frame is kept as it is.
    RegisterClassExA(&wc);
}

} // namespace

void XGRegisterWindowClasses()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    if (!_GInstance)
        _GInstance = GetModuleHandleA(nullptr);
    if (!_GWindowClass[0])
        XGFormatClassNames(_GInstance);
    RegisterOne(_GWindowClass, COLOR_WINDOW);
    RegisterOne(_GDlogClass, COLOR_BTNFACE);
}
