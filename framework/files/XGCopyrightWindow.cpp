#include "files/XGCopyrightWindow.h"
#include "foundation/XGWide.h"
#include <cstdlib>
#include "files/XGAppVersion.h"
#include "dispatch/XGGlobals.h"
#include "foundation/XGResBitmap.h"
#include "dispatch/XGSystemDpi.h"

namespace {

bool gRegistered = false;

void PaintCopyright(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    DrawResBitmap(dc, kCopyrightBitmap, 0, 0);

    char version[256];
    if (XGGetAppVersion(version, sizeof(version))) {
        // The version is set in points at the splash window's DPI; a process
        // that is not aware keeps what its device context says, as before.
        const int dpi = XGSystemDpi::GetAwareness() == XGSystemDpi::kUnaware
            ? GetDeviceCaps(dc, LOGPIXELSY) : XGSystemDpi::GetDpiForWindow(window);
        int height = -MulDiv(8, dpi, 72);
        HFONT font = CreateFontW(height, 0, 0, 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 FF_SWISS, L"Ariel");
        HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
        RECT client;
        GetClientRect(window, &client);
        int oldMode = SetBkMode(dc, TRANSPARENT);
        UINT oldAlign = SetTextAlign(dc, TA_RIGHT | TA_TOP);
        const XGWide wide(version);
        const int margin = XGSystemDpi::GetAwareness() == XGSystemDpi::kUnaware ? 5 : MulDiv(5, dpi, 96);
        TextOutW(dc, client.right - margin, 0, wide, wide.Length());
        SetTextAlign(dc, oldAlign);
        SetBkMode(dc, oldMode);
        if (font) {
            SelectObject(dc, oldFont);
            DeleteObject(font);
        }
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK CopyrightWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PaintCopyright(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterCopyrightClass()
{
    if (gRegistered)
        return true;
    const XGWide className(_GCopyrightClass);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = CopyrightWindowProc;
    wc.hInstance = _GInstance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = className;
    gRegistered = RegisterClassW(&wc) != 0;
    return gRegistered;
}

// Width and height from the bitmap resource's own header.
bool BitmapSize(int* width, int* height)
{
    HRSRC source = FindResourceW(_GInstance, MAKEINTRESOURCEW(kCopyrightBitmap), MAKEINTRESOURCEW(2));    // RT_BITMAP
    if (!source || SizeofResource(_GInstance, source) < sizeof(BITMAPINFOHEADER))
        return false;
    HGLOBAL handle = LoadResource(_GInstance, source);
    const BITMAPINFOHEADER* header = handle ? static_cast<const BITMAPINFOHEADER*>(LockResource(handle)) : nullptr;
    if (!header)
        return false;
    *width = header->biWidth;
    *height = std::abs(header->biHeight);   // negative for top-down bitmaps
    FreeResource(handle);
    return true;
}

}

HWND XGCreateCopyrightWindow()
{
    int width = 0;
    int height = 0;
    if (!BitmapSize(&width, &height))
        return nullptr;
    if (!RegisterCopyrightClass())
        return nullptr;

    width += 2 * GetSystemMetrics(SM_CXDLGFRAME);
    height += 2 * GetSystemMetrics(SM_CYDLGFRAME);
    int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, XGWide(_GCopyrightClass), L"Copyright",
                                  WS_POPUP | WS_VISIBLE, left, top, width, height,
                                  nullptr, nullptr, _GInstance, nullptr);
    if (!window)
        return nullptr;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}
