#include "TestWin32.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "dispatch/XGGlobals.h"
#include "foundation/XGWide.h"
#include "views/XGWindowProc.h"

namespace {

// The native window classes framework windows are created in, registered the
// way the single-document frame does, for tests that build no frame.
void RegisterOne(const char* name, int background)
{
    const XGWide wideName(name);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = _GSingleWindowProc;
    wc.hInstance = _GInstance;
    wc.hIcon = static_cast<HICON>(LoadImageW(_GInstance, L"AppIcon", IMAGE_ICON, 32, 32, LR_SHARED));
    wc.hIconSm = static_cast<HICON>(LoadImageW(_GInstance, L"AppIconSmall", IMAGE_ICON, 16, 16, LR_SHARED));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszClassName = wideName;
    // A class already registered by a frame is kept as it is.
    RegisterClassExW(&wc);
}

} // namespace

namespace testsupport {

void RegisterWindowClasses()
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

void InitProcess()
{
    static char empty[] = "";
    XGInitProcess(GetModuleHandleA(nullptr), nullptr, empty, SW_SHOWNORMAL);
}

void StartWindows()
{
    static bool started = false;
    if (!started) {
        InitProcess();
        started = true;
    }
    RegisterWindowClasses();
}

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

COLORREF Pixel(HWND window, int x, int y)
{
    GdiFlush();
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 1, 1);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, 1, 1, dc, x, y, SRCCOPY);
    COLORREF color = GetPixel(memory, 0, 0);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return color;
}

void SaveScreen(const RECT& r, const char* path)
{
    int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    DWORD stride = DWORD((width * 3 + 3) & ~3);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + stride * DWORD(height);
    if (FILE* out = std::fopen(path, "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, stride, size_t(height), out);
        std::fclose(out);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

XGSViewInitRecord LockedView(short id, short left, short top, short right, short bottom, bool tabStop)
{
    XGSViewInitRecord r = {};
    r.fViewType = 'view';
    r.fViewID = id;
    r.fLockLeft = r.fLockTop = true;
    r.fAutoLeft = left;
    r.fAutoTop = top;
    r.fAutoRight = right;
    r.fAutoBottom = bottom;
    r.fVisible = r.fEnabled = true;
    r.fTabStop = tabStop;
    return r;
}

bool ShutdownPrivilegeEnabled()
{
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    LUID luid;
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &luid);
    DWORD size = 0;
    GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    bool enabled = false;
    if (GetTokenInformation(token, TokenPrivileges, buffer.data(), size, &size)) {
        auto* privileges = reinterpret_cast<TOKEN_PRIVILEGES*>(buffer.data());
        for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
            const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
            if (p.Luid.LowPart == luid.LowPart && p.Luid.HighPart == luid.HighPart)
                enabled = (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
        }
    }
    CloseHandle(token);
    return enabled;
}

int CountedError::gShown = 0;

void CountedError::DisplayError() const { ++gShown; }
void CountedError::GetShortError(char* buffer) const { std::strcpy(buffer, "counted"); }
void CountedError::GetLongError(char* buffer) const { std::strcpy(buffer, "counted"); }

}  // namespace testsupport
