#include "ViewsTestHost.h"

namespace viewstest {

namespace {

const char kHostClass[] = "KeboViewsTestHost";

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND)
        return 1;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterHostClass()
{
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kHostClass, &wc))
        return;
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kHostClass;
    RegisterClassA(&wc);
}

}  // namespace

Host& Host::Shared()
{
    static Host host(400, 300);
    return host;
}

Host::Host(int width, int height)
{
    RegisterHostClass();
    fWindow = CreateWindowExA(WS_EX_TOPMOST, kHostClass, "views test", WS_POPUP | WS_VISIBLE, 0, 0,
                              width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    UpdateWindow(fWindow);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

Host::~Host()
{
    DestroyWindow(fWindow);
}

void Host::Clear(COLORREF color)
{
    HDC dc = GetDC(fWindow);
    RECT r;
    GetClientRect(fWindow, &r);
    SelectClipRgn(dc, nullptr);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    GdiFlush();
    ReleaseDC(fWindow, dc);
    ValidateRect(fWindow, nullptr);
}

COLORREF Host::Pixel(int x, int y) const
{
    GdiFlush();
    HDC dc = GetDC(fWindow);
    // The host's own DC may carry a view's origin and clip; read through a
    // memory copy of the client area instead.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 1, 1);
    HGDIOBJ old = SelectObject(memory, bitmap);
    int saved = SaveDC(dc);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SelectClipRgn(dc, nullptr);
    BitBlt(memory, 0, 0, 1, 1, dc, x, y, SRCCOPY);
    RestoreDC(dc, saved);
    COLORREF color = GetPixel(memory, 0, 0);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    ReleaseDC(fWindow, dc);
    return color;
}

XGSViewInitRecord Record(short id, bool lockLeft, bool lockTop, bool lockRight, bool lockBottom,
                         short left, short top, short right, short bottom)
{
    XGSViewInitRecord r = {};
    r.fViewType = 'view';
    r.fViewID = id;
    r.fLockLeft = lockLeft;
    r.fLockTop = lockTop;
    r.fLockRight = lockRight;
    r.fLockBottom = lockBottom;
    r.fAutoLeft = left;
    r.fAutoTop = top;
    r.fAutoRight = right;
    r.fAutoBottom = bottom;
    r.fVisible = true;
    r.fEnabled = true;
    r.fTabStop = false;
    return r;
}

XGSViewInitRecord Fixed(short id, short left, short top, short right, short bottom)
{
    return Record(id, true, true, false, false, left, top, right, bottom);
}

XGSViewInitRecord Fill(short id)
{
    return Record(id, true, true, true, true, 0, 0, 0, 0);
}

XGView* MakeRoot(const Host& host)
{
    XGView* root = new XGView(static_cast<XGWindow*>(nullptr));
    root->SetRootWindow(host.hwnd());
    RECT client;
    GetClientRect(host.hwnd(), &client);
    root->SetLocation(Rect(0, 0, client.right, client.bottom));
    return root;
}

}  // namespace viewstest
