// What the end-to-end DPI tests ask of the system from outside the program
// under test: a separate, DPI-aware process (so that nothing it reads is
// scaled for it).
//
//   dpi_probe dpi
//       the DPI a DPI-aware process of this prefix gets (the LogPixels the
//       test set took effect)
//   dpi_probe client TITLE
//       the client size of the visible window titled TITLE (a top-level
//       one, else a child: a document of a multiple-document frame)
//   dpi_probe dpichanged TITLE DPI [WIDTH HEIGHT]
//       sends WM_DPICHANGED to that window, as the system does when a
//       top-level window moves to a screen of DPI: the suggested frame keeps
//       the window's top left and its client area scales from the window's
//       DPI (or the frame is WIDTH x HEIGHT);
//       prints the old and new DPI and that rectangle. Sent to a document,
//       it stands for what the system tells a frame's children, which a
//       fixed DPI (Wine's) never does.
//
// With --unaware first, the probe stays DPI-unaware and reads what such a
// program (the launcher) is told.
//
// Exit status 0 on success, 1 when the window is not found or the message
// could not be sent, 2 for a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Not declared with the headers' Windows XP target.
const UINT kWmDpiChanged = 0x02E0;

void BecomeDpiAware()
{
    using SetAwareFn = BOOL(WINAPI*)();
    if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
        auto setAware = reinterpret_cast<SetAwareFn>(
            reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDPIAware")));
        if (setAware)
            setAware();
    }
}

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The window's own DPI where the system can say, the screen's otherwise.
int WindowDpi(HWND window)
{
    using GetDpiFn = UINT(WINAPI*)(HWND);
    if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
        auto getDpi = reinterpret_cast<GetDpiFn>(reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")));
        if (getDpi) {
            const UINT dpi = getDpi(window);
            if (dpi >= 48)
                return int(dpi);
        }
    }
    return ScreenDpi();
}

struct Search {
    const char* title;
    HWND found;
};

BOOL CALLBACK SearchChild(HWND hwnd, LPARAM data)
{
    Search& search = *reinterpret_cast<Search*>(data);
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    if (IsWindowVisible(hwnd) && std::string(text) == search.title) {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK SearchTop(HWND hwnd, LPARAM data)
{
    EnumChildWindows(hwnd, SearchChild, data);
    return reinterpret_cast<Search*>(data)->found ? FALSE : TRUE;
}

// The visible top-level window titled so, or else a child window (a
// document of a multiple-document frame).
HWND FindWindowTitled(const char* title)
{
    for (int i = 0; i < 50; ++i) {
        HWND found = FindWindowA(nullptr, title);
        if (found && IsWindowVisible(found))
            return found;
        Search search = {title, nullptr};
        EnumWindows(SearchTop, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(100);
    }
    return nullptr;
}

int Usage()
{
    std::fputs("usage: dpi_probe [--unaware] dpi | client TITLE | dpichanged TITLE DPI [WIDTH HEIGHT]\n", stderr);
    return 2;
}

// The suggested rectangle lives in the receiver's address space, as the
// system's own does: a pointer into this process would mean nothing there.
int SendDpiChanged(HWND window, int dpi, int width, int height)
{
    RECT frame;
    GetWindowRect(window, &frame);
    // A child window's rectangle is in its parent's client coordinates.
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) && GetParent(window))
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&frame), 2);
    const int oldDpi = WindowDpi(window);
    // The content scales; the frame Wine draws keeps its size at one fixed
    // DPI. A size given on the command line is taken as it is.
    RECT client;
    GetClientRect(window, &client);
    RECT suggested = frame;
    if (width > 0 && height > 0) {
        suggested.right = frame.left + width;
        suggested.bottom = frame.top + height;
    } else {
        suggested.right = frame.right + MulDiv(client.right, dpi, oldDpi) - client.right;
        suggested.bottom = frame.bottom + MulDiv(client.bottom, dpi, oldDpi) - client.bottom;
    }
    DWORD processID = 0;
    GetWindowThreadProcessId(window, &processID);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processID);
    if (!process) {
        std::puts("cannot open the window's process");
        return 1;
    }
    void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T written = 0;
    if (!remote || !WriteProcessMemory(process, remote, &suggested, sizeof suggested, &written)) {
        std::puts("cannot write the suggested rectangle");
        CloseHandle(process);
        return 1;
    }
    DWORD_PTR answer = 0;
    const LRESULT sent = SendMessageTimeoutW(window, kWmDpiChanged, MAKEWPARAM(dpi, dpi),
                                             reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, 5000, &answer);
    // The window has read the rectangle by the time the call returns.
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    std::printf("%d %d %ld %ld %ld %ld\n", oldDpi, dpi, long(suggested.left), long(suggested.top),
                long(suggested.right - suggested.left), long(suggested.bottom - suggested.top));
    return sent ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // --unaware: what a program that is not DPI-aware is told.
    if (argc >= 2 && std::string(argv[1]) == "--unaware") {
        --argc;
        ++argv;
    } else {
        BecomeDpiAware();
    }
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "dpi") {
        std::printf("%d\n", ScreenDpi());
        return 0;
    }
    if (argc < 3)
        return Usage();
    HWND window = FindWindowTitled(argv[2]);
    if (!window) {
        std::puts("no window");
        return 1;
    }
    if (command == "client") {
        RECT client;
        GetClientRect(window, &client);
        std::printf("%ld %ld\n", long(client.right), long(client.bottom));
        return 0;
    }
    if (command == "dpichanged" && argc >= 4)
        return SendDpiChanged(window, std::atoi(argv[3]), argc >= 6 ? std::atoi(argv[4]) : 0,
                              argc >= 6 ? std::atoi(argv[5]) : 0);
    return Usage();
}
