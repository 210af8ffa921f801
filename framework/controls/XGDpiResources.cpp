#include "controls/XGDpiResources.h"

#include <windows.h>

#include "dispatch/XGGlobals.h"
#include "views/XGDraw.h"
#include "views/XGFont.h"
#include "views/XGView.h"

HFONT__* XGDpiResources::FontFor(const XGView* view, XGFont* font)
{
    if (view && (view->GetWindow() || view->GetRootWindow()))
        return font ? font->GetFontForDpi(view->GetDpi()) : XGDraw::DefaultFont(view->GetDpi());
    return font ? font->GetFont(nullptr) : GDefaultFont;
}

void XGDpiResources::DrawIcon(XGDraw& draw, short icon, int x, int y, int size, bool enabled)
{
    if (size <= 0) {
        draw.DrawIcon(icon, short(x), short(y), enabled);
        return;
    }
    HICON handle = nullptr;
    bool owned = false;
    switch (icon) {
    case 0: handle = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_HAND)); break;
    case 1: handle = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_ASTERISK)); break;
    case 2: handle = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_EXCLAMATION)); break;
    default:
        handle = static_cast<HICON>(::LoadImageW(_GInstance ? _GInstance : ::GetModuleHandleW(nullptr),
                                                 MAKEINTRESOURCEW(icon), IMAGE_ICON, size, size, 0));
        owned = true;
        break;
    }
    if (!handle)
        return;
    if (enabled)
        ::DrawIconEx(draw.GetDC(), x, y, handle, size, size, 0, nullptr, DI_NORMAL);
    else
        ::DrawStateW(draw.GetDC(), nullptr, nullptr, reinterpret_cast<LPARAM>(handle), 0, x, y, size, size,
                     DST_ICON | DSS_DISABLED);
    if (owned)
        ::DestroyIcon(handle);
}
