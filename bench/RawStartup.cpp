// What the launcher does before its splash, in plain Win32: the common
// controls and OLE started, then a 640 x 480 window of the launcher's styles,
// its class with the launcher's icons, that shows the splash picture the way
// the launcher's first paint does. It carries the launcher's manifest too,
// so that the system loads the same common controls for both.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

namespace {

const int kSplashPicture = 138;

// The launcher also imports from advapi32 and shell32 (for Install): the
// loader binds those at start-up whether they are called or not.
decltype(&RegOpenKeyExA) volatile gRegistry = &RegOpenKeyExA;
decltype(&ShellExecuteA) volatile gShell = &ShellExecuteA;

LRESULT CALLBACK SplashProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBITMAP picture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kSplashPicture));
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, picture);
        BitBlt(dc, 0, 0, 640, 480, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(picture);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    InitCommonControls();
    HRESULT ole = OleInitialize(nullptr);
    WNDCLASSEXA type = {};
    type.cbSize = sizeof type;
    type.style = CS_DBLCLKS;
    type.lpfnWndProc = SplashProc;
    type.hInstance = instance;
    type.hIcon = static_cast<HICON>(LoadImageA(instance, "AppIcon", IMAGE_ICON, 32, 32, LR_SHARED));
    type.hIconSm = static_cast<HICON>(LoadImageA(instance, "AppIconSmall", IMAGE_ICON, 16, 16, LR_SHARED));
    type.hCursor = LoadCursor(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = "KeboRawSplash";
    RegisterClassExA(&type);
    RECT r = {0, 0, 640, 480};
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
    int width = r.right - r.left, height = r.bottom - r.top;
    HWND window = CreateWindowExA(WS_EX_DLGMODALFRAME, "KeboRawSplash", "HalcyraInternational", style,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (SUCCEEDED(ole))
        OleUninitialize();
    return 0;
}
